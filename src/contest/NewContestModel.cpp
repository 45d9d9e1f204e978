#include "NewContestModel.h"

#include "ContestModel.h"
#include "common/Prompter.h"
#include "common/TextFile.h"
#include "common/UserError.h"
#include "common/VerzeichnisSichern.h"
#include "entry/Zeichen.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"
#include "store/FilePaths.h"
#include "store/Journal.h"
#include "store/Settings.h"

#include <QFile>
#include <QFileInfo>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {
const QString k50MHz = u"50MHz"_s;
}

NewContestModel::NewContestModel(ContestModel& contest, Prompter& prompter)
    : contest_(contest)
    , prompter_(prompter)
    , call_(großschreiben(contest.settings().rufzeichen()))
    , locator_(großschreiben(contest.settings().locator()))
{
}

void NewContestModel::vorbelegen(const QDate& heute)
{
    name_ = monatsVorgabe(heute);
}

bool NewContestModel::bandGewählt(const QString& band) const
{
    return bänder_.contains(band);
}

void NewContestModel::setBandGewählt(const QString& band, bool gewählt)
{
    if (!istBandTabelle(band) || (band == k50MHz && !option50_ && gewählt))
        return;
    if (gewählt)
        bänder_.insert(band);
    else
        bänder_.remove(band);
}

QStringList NewContestModel::gewählteBänder() const
{
    QStringList result;
    for (const BandInfo& band : alleBänder()) {
        if (bänder_.contains(band.tabelle))
            result.append(band.tabelle);
    }
    return result;
}

void NewContestModel::option50MHzUmschalten()
{
    option50_ = !option50_;
    if (!option50_)
        bänder_.remove(k50MHz);
}

bool NewContestModel::abbrechenMöglich() const
{
    return contest_.hatContest();
}

bool NewContestModel::meldung(const QString& text, bool kritisch)
{
    Meldung m = fehlerMeldung(text);
    if (kritisch)
        m.symbol = Meldung::Symbol::Kritisch;
    prompter_.zeige(m);
    return false;
}

bool NewContestModel::locatorVerlassen()
{
    if (Zeichen(locator_) == u"ZZ##ZZ")
        return true;
    return meldung(u"ungültiger Locator"_s, true);
}

bool NewContestModel::anlegen()
{
    if (name_.isEmpty())
        return meldung(u"Bitte einen Namen für die Datenbank eingeben"_s, false);
    if (call_.size() < 4)
        return meldung(u"Bitte Contest-Rufzeichen eingeben"_s, false);
    if (locator_.size() != 6)
        return meldung(u"Bitte Locator eingeben"_s, false);

    // Only a file with content is a contest; an empty one is left-over and replaced.
    const QString vorhanden = resolveCaseInsensitive(datenbankDatei());
    if (QFileInfo::exists(vorhanden)) {
        if (QFileInfo(vorhanden).size() > 0)
            return meldung(u"Eine Datenbank dieses Names existiert schon!"_s, true);
        if (!QFile::remove(vorhanden))
            return meldung(u"Die leere Datei %1 kann nicht ersetzt werden."_s.arg(vorhanden), true);
    }

    const QStringList bänder = gewählteBänder();
    Settings& settings = contest_.settings();
    try {
        writeTextFile(journalPfad(datenbankDatei()), {});
        // The new journal's directory entry survives a power cut like the contest file's.
        verzeichnisSichern(QFileInfo(datenbankDatei()).absolutePath());
        ContestDatabase::anlegen(datenbankDatei(), bänder, { call_, locator_ });
        settings.setBänder(bänder);
    } catch (const UserError& e) {
        return meldung(e.meldung(), false);
    }

    // The files stay: a second attempt with this name meets "existiert schon".
    if (bänder.isEmpty())
        return meldung(u"Bitte mindestens ein Band auswählen"_s, false);

    const QString erstesBand = bänder.first();
    try {
        settings.setLetzterContest(datenbankName());
        settings.setLetztesBand(erstesBand);
        contest_.öffnen(datenbankName(), erstesBand);
        contest_.setEigeneStation(call_, locator_);
        settings.setRufzeichen(call_);
        settings.setLocator(locator_);
    } catch (const UserError& e) {
        return meldung(e.meldung(), false);
    }
    return true;
}

QString NewContestModel::monatsVorgabe(const QDate& datum)
{
    static const char16_t* const monate[]
        = { u"JAN", u"FEB", u"MÄR", u"APR", u"MAI", u"JUN", u"JUL", u"AUG", u"SEP", u"OKT", u"NOV", u"DEZ" };
    return QString::fromUtf16(monate[datum.month() - 1]) + QString::number(datum.year());
}

} // namespace tarvex
