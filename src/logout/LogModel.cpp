#include "LogModel.h"

#include "Deckblatt.h"
#include "EdiExport.h"
#include "ExpExport.h"
#include "LogFelder.h"
#include "LogSeiten.h"
#include "common/AtomicTextFile.h"
#include "common/Prompter.h"
#include "common/TextFile.h"
#include "common/UserError.h"
#include "contest/OffenerContest.h"
#include "entry/KeystrokeLog.h"
#include "formats/EdiSchreiber.h"
#include "mail/MailVersand.h"
#include "print/Druckstoerung.h"
#include "print/PrinterSurface.h"
#include "print/Zeilenausgabe.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"
#include "store/FilePaths.h"
#include "store/Settings.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace tarvex {

using namespace Qt::StringLiterals;

LogModel::LogModel(
    OffenerContest& contest, Prompter& prompter, Clock& clock, MailVersand* mail, QObject* parent)
    : QObject(parent)
    , contest_(contest)
    , prompter_(prompter)
    , clock_(clock)
    , mail_(mail)
    , felder_(std::make_unique<LogFelder>())
    , edi_(contest.settings().lesen(u"EDI"_s, u"Erstellen"_s) != u"0"_s)
{
}

LogModel::~LogModel() = default;

const QString& LogModel::text(LogFeld feld) const
{
    return felder_->text(feld);
}

void LogModel::aktivieren()
{
    const QString band = contest_.Band();
    const bool eigene = felder_->lesen(contest_.settings(), band);
    stationsdatenHinweis_.clear();
    if (eigene || !felder_->hatStationsdaten() || felderBand_.isEmpty())
        felderBand_ = band;
    else if (felderBand_ != band)
        stationsdatenHinweis_
            = u"Für %1 sind keine Stationsdaten gespeichert; die Felder zeigen die Angaben von %2. "
              u"Bitte prüfen (Sender, Antenne, Leistung …), bevor gedruckt wird."_s.arg(
                  bandAnzeige(band), bandAnzeige(felderBand_));
    emit changed();
}

void LogModel::setText(LogFeld feld, const QString& text)
{
    QString t = text;
    if (feld == LogFeld::Datum)
        t.replace(u',', u'.');
    felder_->setText(feld, t);
    // The operator is looking at the station data: the note has done its job.
    if (LogFelder::definition(feld).proBand)
        stationsdatenHinweis_.clear();
    emit changed();
}

bool LogModel::datumGültig(const QString& text)
{
    if (text.size() != 10)
        return false;
    const QDate datum = QDate::fromString(text, u"dd.MM.yyyy"_s);
    return datum.isValid() && datum.toString(u"dd.MM.yyyy"_s) == text;
}

bool LogModel::datumVerlassen()
{
    if (datumGültig(text(LogFeld::Datum)))
        return true;
    prompter_.zeige(fehlerMeldung(u"Bitte Datum in der Form 'TT.MM.JJJJ' eingeben"_s));
    emit focusDatum();
    return false;
}

void LogModel::setInDatei(bool an)
{
    if (an && !inDatei_)
        dateiName_.clear();
    inDatei_ = an;
    emit changed();
}

void LogModel::setTxtDateiName(const QString& text)
{
    dateiName_ = text.left(dateinameLänge);
}

QString LogModel::erinnerung(const QString& exportname)
{
    return u"Bitte nicht vergessen die EXP-Datei \""_s + exportname + u"\"\nan QQ9QQ zu senden."_s;
}

QString LogModel::erinnerung(const QString& exportname, const QString& ediname)
{
    if (ediname.isEmpty())
        return erinnerung(exportname);
    return erinnerung(exportname) + u"\nDie EDI-Datei \""_s + ediname
        + u"\" bitte an den Contest-Manager senden."_s;
}

void LogModel::setEDI(bool an)
{
    edi_ = an;
    contest_.settings().schreiben(u"EDI"_s, u"Erstellen"_s, an ? u"1"_s : u"0"_s);
    emit changed();
}

void LogModel::EDIErstellen(EdiSchreiber::Aufbau& aufbau)
{
    const EdiExport::Ergebnis e = EdiExport::schreiben(contest_, *felder_, contest_.Band(), aufbau);
    ediname_ = e.name;
    emit changed();
    if (e.qsos == 0)
        prompter_.zeige(hinweisMeldung(EdiExport::ohneQsos(contest_.Band(), e.name)));
}

QList<Druckzeile> LogModel::deckblatt() const
{
    return Deckblatt::zeilen(
        *felder_, contest_.lblCall(), contest_.felder().lblLocator, contest_.spielstand());
}

LogSeiten::Kopf LogModel::kopf() const
{
    return { text(LogFeld::Wettbewerb), text(LogFeld::Wertungsgruppe), contest_.lblCall(),
        contest_.felder().lblLocator, contest_.spielstand().txtNummer, contest_.spielstand().txtPunkte };
}

QList<Druckzeile> LogModel::logSeiten() const
{
    QList<QsoRecord> qsos;
    if (ContestDatabase* db = contest_.db())
        qsos = db->qsos(contest_.Band());
    return LogSeiten::zeilen(qsos, kopf());
}

void LogModel::DeckblattDrucken(PrinterSurface& drucker)
{
    Deckblatt::drucken(drucker, deckblatt());
}

void LogModel::DeckblattInDatei(AtomicTextFile& datei)
{
    for (const QString& zeile : Deckblatt::text(deckblatt()))
        datei.writeLine(zeile);
}

void LogModel::LogDrucken(PrinterSurface& drucker)
{
    LogSeiten::drucken(drucker, logSeiten());
}

std::optional<QString> LogModel::eigeneDatei(const QString& name) const
{
    const QFileInfo ziel(name);
    const auto gleich = [&](const QString& andere) {
        return ziel.absoluteFilePath().compare(QFileInfo(andere).absoluteFilePath(), Qt::CaseInsensitive)
            == 0;
    };
    if (gleich(KeystrokeLog::standardPfad()))
        return u"das Tastaturprotokoll des Programms"_s;
    for (const QString& referenz : { u"CONTEST.DAT"_s, u"CALLINFO.MDB"_s }) {
        if (gleich(imArbeitsverzeichnis(referenz)))
            return u"eine Referenzdatei des Programms"_s;
    }
    if (ziel.suffix().compare(u"mdb"_s, Qt::CaseInsensitive) == 0)
        return u"eine Contest-Datenbank"_s;
    if (!contest_.Datenbank().isEmpty() && gleich(journalPfad(contest_.Datenbank())))
        return u"das Journal des Contests"_s;
    // The journal of another contest beside its database.
    if (ziel.suffix().compare(u"txt"_s, Qt::CaseInsensitive) == 0
        && existsCaseInsensitive(ziel.absoluteFilePath().chopped(3) + u"mdb"_s))
        return u"das Journal eines Contests"_s;
    return std::nullopt;
}

void LogModel::drucken(PrinterSurface& drucker)
{
    if (inDatei_ && dateiName_.trimmed().isEmpty()) {
        prompter_.zeige(
            fehlerMeldung(u"Bitte den Namen der Datei eingeben, in die das Log geschrieben wird."_s));
        emit focusDateiName();
        return;
    }
    if (inDatei_) {
        if (const std::optional<QString> was = eigeneDatei(dateiName_.trimmed())) {
            prompter_.zeige(fehlerMeldung(
                u"Die Datei %1 ist %2 und kann nicht für die Ausgabe des Logs "
                u"verwendet werden. Bitte einen anderen Namen eingeben."_s.arg(dateiName_.trimmed(), *was)));
            emit focusDateiName();
            return;
        }
    }
    try {
        // The band is read once; every output takes each contact as it comes.
        // The text file is written beside the old one and put in its place when
        // complete, so a full disk leaves the previous output as it was; it is
        // created empty even when nothing is chosen.
        std::optional<AtomicTextFile> datei;
        if (inDatei_)
            datei.emplace(dateiName_);
        if (datei && deckblatt_)
            DeckblattInDatei(*datei);
        QList<Druckzeile> papier;
        std::optional<LogSeiten::Aufbau> seiten;
        if (log_ && datei)
            seiten.emplace(
                kopf(), LogSeiten::textSeiten([&datei](const QString& z) { datei->writeLine(z); }));
        else if (log_)
            seiten.emplace(kopf(), [&papier](QList<Druckzeile>&& s) { papier.append(std::move(s)); });
        ExpExport::Lauf exp(contest_, clock_, adif_);
        std::optional<UserError> expFehler;
        std::optional<EdiSchreiber::Aufbau> edi;
        if (edi_) {
            edi.emplace();
            edi->reservieren(contest_.summen().anzahl);
        }
        ContestDatabase* db = contest_.db();
        if (db) {
            db->qsosDurchlaufen(contest_.Band(), [&](const QsoRecord& q) {
                if (seiten)
                    seiten->hinzufügen(q);
                // An exchange file that cannot be written stops only itself: the pages come first.
                if (!expFehler) {
                    try {
                        exp.qso(q);
                    } catch (const UserError& e) {
                        expFehler = e;
                    }
                }
                if (edi)
                    edi->hinzufügen(q);
            });
        }
        if (seiten)
            seiten->ende();
        // 1. Cover sheet and log pages, on paper or into the one text file.
        if (datei) {
            datei->commit();
        } else {
            if (deckblatt_)
                DeckblattDrucken(drucker);
            if (log_)
                LogSeiten::drucken(drucker, papier);
        }
        // 2. The exchange file (and the ADIF file when ticked), always.
        if (!db)
            throw UserError(u"Es ist kein Contest geöffnet."_s);
        if (expFehler)
            throw *expFehler;
        exportname_ = exp.abschließen().expDatei;
        emit changed();
        // The mail is filed in the outbox and sent in the background; its
        // result is told when it comes.
        if (eMail_ && mail_ != nullptr)
            mail_->eMailSenden(exportname_);
        // 2a. The EDI file of the band, when ticked.
        ediname_.clear();
        if (edi)
            EDIErstellen(*edi);
    } catch (const UserError& e) {
        // What already ran stays done; the window stays open for another try,
        // with the typed data kept for the next run.
        prompter_.zeige(fehlerMeldung(e.meldung() + u"\nDie weiteren Ausgaben entfallen."_s));
        speichern();
        return;
    }
    // 3. The reminder, after every run, also when only printing was wanted.
    prompter_.zeige({ erinnerung(exportname_, ediname_), u"Wichtig"_s, Meldung::Symbol::Keins,
        Meldung::Knöpfe::Ok, Meldung::Antwort::Ok });
    // 4.
    emit closeRequested();
    // 5.
    speichern();
}

LogModel::Druckweg LogModel::druckweg(const Druckerwahl& wahl)
{
    const bool papier = !inDatei_ && (deckblatt_ || log_);
    if (!papier)
        return Druckweg::Direkt;
    const QString name = wahl.ziel();
    if (name.isEmpty())
        return Druckweg::PdfOhneDrucker;
    switch (Druckstörung::fragen(prompter_, name, wahl.zustand(name))) {
    case Druckstörung::Ausweg::Drucken:
        return Druckweg::Direkt;
    case Druckstörung::Ausweg::AlsPdf:
        return Druckweg::PdfStattDrucker;
    case Druckstörung::Ausweg::Verwerfen:
        break;
    }
    return Druckweg::Nichts;
}

QString LogModel::pdfAnlegen(Druckweg weg)
{
    const QString pfad = Druckstörung::pdfDateiAnlegen(clock_);
    if (pfad.isEmpty()) {
        prompter_.zeige(
            fehlerMeldung(u"Es ist kein Drucker eingerichtet, und im Arbeitsverzeichnis \u201E%1\u201C "
                          "kann keine PDF-Datei angelegt werden. Es wurde nichts gedruckt."_s.arg(
                              QDir::toNativeSeparators(QDir::currentPath()))));
        return {};
    }
    prompter_.zeige(
        hinweisMeldung((weg == Druckweg::PdfStattDrucker
                               ? u"Der Ausdruck wird als PDF-Datei gespeichert:\n"_s
                               : u"Es ist kein Drucker eingerichtet. Der Ausdruck wird als PDF-Datei "
                                 "gespeichert:\n"_s)
            + QDir::toNativeSeparators(pfad)));
    return pfad;
}

void LogModel::abbrechen()
{
    emit closeRequested();
}

void LogModel::vorschau(PrinterSurface& drucker)
{
    if (deckblatt_)
        DeckblattDrucken(drucker);
    if (log_)
        LogDrucken(drucker);
}

void LogModel::speichern()
{
    felder_->speichern(contest_.settings(), contest_.Band());
}

} // namespace tarvex
