#include "Sammelimport.h"

#include "common/SystemFehler.h"
#include "common/UserError.h"
#include "entry/Klasse.h"
#include "entry/StationsEintrag.h"
#include "formats/EdiLeser.h"
#include "store/LogStationsTabelle.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <SQLiteCpp/Transaction.h>
#include <algorithm>
#include <cerrno>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// "YYMMDD" → YYMM; contacts of one contest weekend are equally recent.
int monat(const QString& datum)
{
    bool ok = false;
    const int m = QStringView(datum).left(4).toInt(&ok);
    return ok && datum.size() >= 4 ? m : 0;
}

} // namespace

Sammelimport::Sammelimport(Schwellen schwellen)
    : schwellen_(schwellen)
{
    calls_.reserve(65536);
    callIndex_.reserve(65536);
}

QStringList Sammelimport::ediDateien(const QString& ordner)
{
    QStringList pfade;
    // Without QDir::CaseSensitive the pattern takes ".EDI" and ".Edi" too; unreadable files are
    // listed, so that the report names them.
    QDirIterator it(
        ordner, { u"*.edi"_s }, QDir::Files, QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext())
        pfade.append(it.next());
    std::sort(pfade.begin(), pfade.end());
    return pfade;
}

int Sammelimport::schwelle(const QString& pband) const
{
    QString zahl;
    const QString text = pband.trimmed();
    qsizetype i = 0;
    for (; i < text.size() && (text[i].isDigit() || text[i] == u',' || text[i] == u'.'); ++i)
        zahl.append(text[i] == u',' ? u'.' : text[i]);
    bool ok = false;
    double mhz = zahl.toDouble(&ok);
    if (!ok)
        return schwellen_.bis144;
    const QString einheit = text.mid(i).trimmed().toLower();
    if (einheit.startsWith(u"g"_s))
        mhz *= 1000;
    else if (einheit.startsWith(u"cm"_s) && mhz > 0)
        mhz = 30000 / mhz; // a wavelength: "70cm", "23 cm"
    else if (einheit.startsWith(u"m"_s) && !einheit.startsWith(u"mhz"_s) && mhz > 0)
        mhz = 300 / mhz; // "2m", "6 m"
    // Region 1 has no band between 146 and 430 MHz; "144 MHz", "145 MHz" and "2m" are one band.
    return mhz < 300 ? schwellen_.bis144 : schwellen_.darüber;
}

int Sammelimport::quelle(const QString& schlüssel)
{
    const auto it = quellen_.constFind(schlüssel);
    if (it != quellen_.cend())
        return *it;
    const int nr = static_cast<int>(quellen_.size());
    quellen_.insert(schlüssel, nr);
    return nr;
}

void Sammelimport::add(const QString& rohCall, const QString& rohLocator, int quelle, int monat, int schwelle)
{
    const QString locator = rohLocator.trimmed().toUpper().left(6);
    if (!sechsstelligerLocator(locator))
        return;
    auto it = callIndex_.constFind(rohCall);
    if (it == callIndex_.cend()) {
        // Several spellings ("DL1ABC/P", "dl1abc") lead to one station.
        const QString call = stationsCall(rohCall);
        const auto normal = callIndex_.constFind(call);
        qsizetype nr = -1;
        if (normal != callIndex_.cend()) {
            nr = *normal;
        } else if (istRufzeichen(call)) {
            nr = calls_.size();
            calls_.append({ call, {} });
            callIndex_.insert(call, nr);
        }
        it = callIndex_.insert(rohCall, nr);
    }
    if (*it < 0)
        return;
    QList<Paar>& paare = calls_[*it].paare;
    auto paar = std::find_if(paare.begin(), paare.end(), [&](const Paar& p) { return p.locator == locator; });
    if (paar == paare.end()) {
        paare.append({ locator, { quelle }, monat, schwelle });
        return;
    }
    if (!paar->quellen.contains(quelle))
        paar->quellen.append(quelle);
    paar->zuletzt = std::max(paar->zuletzt, monat);
    paar->schwelle = std::min(paar->schwelle, schwelle);
}

void Sammelimport::datei(const QByteArray& inhalt, const QString& name)
{
    QList<EdiDatei> blöcke;
    try {
        if (inhalt.contains('\0'))
            throw UserError(u"sie ist keine Textdatei"_s);
        // Calls and locators are ASCII; Latin-1 keeps any other byte harmless.
        blöcke = EdiLeser::lesen(QString::fromLatin1(inhalt));
    } catch (const UserError& e) {
        throw UserError(
            u"Die Datei %1 ist beschädigt: %2. Aus ihr wurde nichts übernommen."_s.arg(name, e.meldung()));
    }
    ++dateien_;
    for (const EdiDatei& block : blöcke) {
        const QString pcall = stationsCall(block.wert(u"PCall"_s));
        // A log without its own call is a source of its own, never one with another.
        const int q = quelle(pcall.isEmpty() ? u"\x01"_s + name : pcall);
        const int n = schwelle(block.wert(u"PBand"_s));
        int neuester = 0;
        for (const EdiQso& qso : block.qsos) {
            // Zero points without the duplicate mark: a contact the log's owner did not count.
            if (qso.punkte == u"0"_s && qso.doppelt != u"D"_s)
                continue;
            const int m = monat(qso.datum);
            neuester = std::max(neuester, m);
            add(qso.rufzeichen, qso.locator, q, m, n);
        }
        // The log's own station is known to its owner best.
        add(block.wert(u"PCall"_s), block.wert(u"PWWLo"_s), q, neuester, n);
    }
}

void Sammelimport::eigeneKontakte(const QList<StationenAbfrage::RufzeichenLocator>& kontakte)
{
    if (kontakte.isEmpty())
        return;
    if (eigeneQuelle_ < 0)
        eigeneQuelle_ = quelle(u"\x02"_s);
    for (const StationenAbfrage::RufzeichenLocator& k : kontakte)
        add(QString::fromStdString(k.rufzeichen), QString::fromStdString(k.locator), eigeneQuelle_, 0,
            schwellen_.bis144);
}

QList<Sammelimport::Station> Sammelimport::auswerten(Bericht& bericht) const
{
    bericht.dateien = dateien_;
    bericht.logs = static_cast<int>(quellen_.size()) - (eigeneQuelle_ >= 0 ? 1 : 0);
    bericht.paareGesehen = bericht.paareÜbernommen = bericht.paareZurückgehalten = bericht.paareÜberzählig
        = 0;
    QList<Station> ergebnis;
    ergebnis.reserve(calls_.size());
    QList<const Paar*> genug;
    for (const Rufzeichen& r : calls_) {
        genug.clear();
        for (const Paar& p : r.paare) {
            ++bericht.paareGesehen;
            if (p.quellen.size() >= p.schwelle)
                genug.append(&p);
            else
                ++bericht.paareZurückgehalten;
        }
        if (genug.isEmpty())
            continue;
        // A station that moved is met at its new place first; within one month the
        // locator more logs confirm.
        std::stable_sort(genug.begin(), genug.end(), [](const Paar* a, const Paar* b) {
            if (a->zuletzt != b->zuletzt)
                return a->zuletzt > b->zuletzt;
            if (a->quellen.size() != b->quellen.size())
                return a->quellen.size() > b->quellen.size();
            return a->locator < b->locator;
        });
        Station s { r.call, {}, {} };
        for (qsizetype i = 0; i < genug.size() && i < kMaxLocators; ++i) {
            s.locators.append(genug[i]->locator);
            s.logs.append(static_cast<int>(genug[i]->quellen.size()));
        }
        bericht.paareÜbernommen += static_cast<int>(s.locators.size());
        bericht.paareÜberzählig += static_cast<int>(genug.size() - s.locators.size());
        ergebnis.append(std::move(s));
    }
    std::sort(
        ergebnis.begin(), ergebnis.end(), [](const Station& a, const Station& b) { return a.call < b.call; });
    bericht.stationen = static_cast<int>(ergebnis.size());
    return ergebnis;
}

Sammelimport::Bericht Sammelimport::importieren(Connection& contestDat, const QStringList& pfade,
    Schwellen schwellen, const QList<StationenAbfrage::RufzeichenLocator>& eigene,
    const Fortschritt& fortschritt)
{
    Bericht bericht;
    // A file that is no CONTEST.DAT is refused before the files are read.
    LogStationsTabelle tabelle(contestDat);
    Sammelimport sammler(schwellen);
    sammler.eigeneKontakte(eigene);
    const int gesamt = static_cast<int>(pfade.size());
    for (int i = 0; i < gesamt; ++i) {
        if (fortschritt && !fortschritt(i, gesamt)) {
            bericht.abgebrochen = true;
            return bericht;
        }
        const QString& pfad = pfade[i];
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly)) {
            const int errnum = errno;
            bericht.beschädigt.append(
                u"Die Datei %1 kann nicht gelesen werden: %2."_s.arg(pfad, dateiFehler(datei, errnum)));
            continue;
        }
        try {
            sammler.datei(datei.readAll(), pfad);
        } catch (const UserError& e) {
            bericht.beschädigt.append(e.meldung());
        }
    }
    if (fortschritt && !fortschritt(gesamt, gesamt)) {
        bericht.abgebrochen = true;
        return bericht;
    }
    const QList<Station> stationen = sammler.auswerten(bericht);
    QList<LogStationsTabelle::Zeile> zeilen;
    zeilen.reserve(stationen.size());
    for (const Station& s : stationen) {
        QStringList logs;
        for (const int n : s.logs)
            logs.append(QString::number(n));
        zeilen.append({ s.call, locatorsZusammensetzen(s.locators), logs.join(u' ') });
    }
    contestDat.guarded([&] {
        SQLite::Transaction transaktion(contestDat.db());
        tabelle.ersetzen(zeilen);
        transaktion.commit();
    });
    return bericht;
}

} // namespace tarvex
