#include "ContestModel.h"

#include "common/Clock.h"
#include "common/Prompter.h"
#include "common/TextFile.h"
#include "common/UserError.h"
#include "entry/CallLookup.h"
#include "entry/CallSign.h"
#include "entry/InputLine.h"
#include "entry/JournalLine.h"
#include "entry/KeystrokeLog.h"
#include "print/PrinterSurface.h"
#include "store/BandList.h"
#include "store/ContestDatabase.h"
#include "store/FilePaths.h"
#include "store/Gueltigkeit.h"
#include "store/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvex {

using namespace Qt::StringLiterals;

ContestModel::ContestModel(Prompter& prompter, Clock& clock, KeystrokeLog& log, CallLookup& lookup,
    Settings& settings, QObject* parent)
    : OffenerContest(parent)
    , prompter_(prompter)
    , clock_(clock)
    , keystrokes_(log)
    , lookup_(lookup)
    , settings_(settings)
    , entry_(*this, prompter, log)
    , bearbeitung_(*this, lookup, prompter)
{
    connect(&entry_, &EntryModel::changed, this, &ContestModel::changed);
    entry_.felder().lblUhrzeit = utcZeit();
    entry_.felder().txtUhrzeit = entry_.felder().lblUhrzeit;
}

ContestModel::~ContestModel() = default;

bool ContestModel::laden()
{
    EntryFields& f = entry_.felder();
    f.lblUhrzeit = clock_.jetzt().toString(u"hh:mm"_s);
    f.txtUhrzeit = f.lblUhrzeit;
    f.RST = settings_.rst();
    f.txtRSTgeg = rstText(f.RST);
    f.loggen = settings_.loggen();
    Protokoll_ = settings_.protokoll();
    UTC_ = -settings_.zeitdifferenz();
    kommentarSpalte_ = settings_.kommentarSpalte();
    lblCall_ = settings_.rufzeichen();
    f.lblLocator = settings_.locator();

    const bool infoFällig = [&] {
        const QString letzter = settings_.letzterContest();
        if (letzter.isEmpty())
            return true;
        // A remembered file that has gone or is empty is dropped without a word.
        const QString datei = resolveCaseInsensitive(letzter);
        if (!QFileInfo::exists(datei) || QFileInfo(datei).size() == 0)
            return false;
        try {
            öffnen(letzter, settings_.letztesBand());
        } catch (const UserError& e) {
            prompter_.zeige(fehlerMeldung(e.meldung()));
            return false;
        }
        return true;
    }();
    // The window exists before loading: it must show the options and the own
    // station now, also when no contest was reopened.
    emit titleChanged();
    emit changed();
    return infoFällig;
}

void ContestModel::öffnen(const QString& datenbank, const QString& band)
{
    auto db = std::make_unique<ContestDatabase>(ContestDatabase::öffnen(datenbank));
    if (const std::optional<QString> hinweis = db->nurLesenHinweis()) {
        prompter_.zeige(hinweisMeldung(*hinweis));
    } else if (const std::optional<QString> repariert = db->journalAbgleichen()) {
        prompter_.zeige(hinweisMeldung(*repariert));
    }
    const QStringList bänder = db->bandTabellen();
    if (bänder.isEmpty())
        throw UserError(u"Die Datei %1 enthält kein Band."_s.arg(datenbank));
    // A remembered band the file does not have falls back to its first band.
    QString gewählt = bänder.first();
    for (const QString& b : bänder) {
        if (b.compare(band, Qt::CaseInsensitive) == 0)
            gewählt = b;
    }
    db->bandTabelleAufrüsten(gewählt);
    db->hilfstabellenSicherstellen({ lblCall_, entry_.felder().lblLocator });
    if (const std::optional<StationParameter> p = db->parameter())
        setEigeneStation(p->call, p->locator);

    db_ = std::move(db);
    gewertetBei_ = -1;
    datenbank_ = datenbank;
    band_ = gewählt;
    LastCall_.clear();
    LastLocator_.clear();
    log_.setQuelle(db_.get(), band_);
    Punkte();
    emit titleChanged();
    emit logReset();
    emit changed();
}

void ContestModel::bandWechseln(const QString& band)
{
    if (!db_)
        return;
    if (!db_->bandTabellen().contains(band))
        throw UserError(u"Der Contest hat keine Tabelle für das Band %1."_s.arg(bandAnzeige(band)));
    db_->bandTabelleAufrüsten(band);
    band_ = band;
    log_.setQuelle(db_.get(), band_);
    Punkte();
    emit logReset();
    emit focusInput();
    emit changed();
}

void ContestModel::angehängt(const QString& band, qint64 ersteRowid)
{
    try {
        // Anything else changed meanwhile, or another band: read as when it is opened.
        if (!db_ || band != band_ || gewertetesBand_ != band_ || gewertetBei_ < 0 || ersteRowid <= 0)
            return bandWechseln(band);
        const QList<WertungsZeile> neu = db_->wertungsZeilen(band_, ersteRowid);
        if (wertung_.summen().anzahl + neu.size() != db_->anzahl(band_))
            return bandWechseln(band);
        for (const WertungsZeile& z : neu) {
            wertung_.hinzufügen(z);
            log_.angehängt(z.rowid);
        }
    } catch (const UserError& e) {
        return fehler(e);
    }
    spielstandZeigen();
    emit logReset();
    emit focusInput();
}

void ContestModel::schließen()
{
    log_.setQuelle(nullptr, {});
    db_.reset();
    gewertetBei_ = -1;
    datenbank_.clear();
    band_.clear();
    stand_ = {};
    emit titleChanged();
    emit changed();
}

void ContestModel::setRst(RstVorgabe rst)
{
    entry_.felder().RST = rst;
    entry_.felder().txtRSTgeg = rstText(rst);
    settings_.setRst(rst);
    emit changed();
}

void ContestModel::setLoggen(Speichertaste loggen)
{
    entry_.felder().loggen = loggen;
    settings_.setLoggen(loggen);
    emit changed();
}

void ContestModel::setProtokoll(bool protokoll)
{
    Protokoll_ = protokoll;
    settings_.setProtokoll(protokoll);
    emit changed();
}

void ContestModel::setZeitdifferenz(int stunden)
{
    UTC_ = -stunden;
    settings_.setZeitdifferenz(stunden);
    emit changed();
}

void ContestModel::setKommentarSpalte(bool sichtbar)
{
    kommentarSpalte_ = sichtbar;
    settings_.setKommentarSpalte(sichtbar);
    emit changed();
}

void ContestModel::letztenLöschen(int row)
{
    if (!db_ || row < 0 || row >= log_.rowCount())
        return;
    const Meldung frage { u"Soll das QSO Nr. "_s + log_.wert(row, u"Nummer"_s).toString() + u" mit "_s
            + log_.rufzeichenAt(row) + u" wirklich gelöscht werden?"_s,
        u"Frage"_s, Meldung::Symbol::Frage, Meldung::Knöpfe::JaNein, Meldung::Antwort::Nein };
    if (prompter_.zeige(frage) != Meldung::Antwort::Ja)
        return;
    try {
        const qint64 rowid = log_.rowidAt(row);
        const std::optional<WertungsZeile> alt = db_->wertungsZeile(band_, rowid);
        switch (db_->letztenLöschen(band_, rowid)) {
        case ContestDatabase::Löschen::KeinDatensatz:
            prompter_.zeige({ u"Es ist kein Datensatz vorhanden!"_s, u"Fehler"_s,
                Meldung::Symbol::Ausrufezeichen, Meldung::Knöpfe::Ok, Meldung::Antwort::Ok });
            return;
        case ContestDatabase::Löschen::NichtDerLetzte:
            prompter_.zeige({ u"Es kann nur der letzte Datensatz gelöscht werden!"_s, u"Hinweis"_s,
                Meldung::Symbol::Ausrufezeichen, Meldung::Knöpfe::Ok, Meldung::Antwort::Ok });
            return;
        case ContestDatabase::Löschen::Gelöscht:
            break;
        }
        if (alt)
            wertung_.entfernen(*alt);
        log_.letzterEntfernt();
    } catch (const UserError& e) {
        fehler(e);
        return;
    }
    log_.zeigeAlle();
    emit logReset();
    spielstandZeigen();
    emit focusInput();
}

void ContestModel::ungültigErklären(int row)
{
    if (!db_ || row < 0 || row >= log_.rowCount())
        return;
    try {
        const qint64 rowid = log_.rowidAt(row);
        const std::optional<WertungsZeile> alt = db_->wertungsZeile(band_, rowid);
        db_->ungültigErklären(band_, rowid);
        neuGewertet(alt, rowid);
    } catch (const UserError& e) {
        fehler(e);
        return;
    }
    log_.zeigeAlle();
    emit logReset();
    spielstandZeigen();
    emit focusInput();
}

void ContestModel::neuGewertet(const std::optional<WertungsZeile>& alt, qint64 rowid)
{
    if (alt)
        wertung_.entfernen(*alt);
    if (const std::optional<WertungsZeile> neu = db_->wertungsZeile(band_, rowid))
        wertung_.hinzufügen(*neu);
    log_.geändert(rowid);
}

void ContestModel::fehler(const UserError& e)
{
    prompter_.zeige(fehlerMeldung(e.meldung()));
}

QString ContestModel::heute() const
{
    return clock_.jetzt().addSecs(qint64(UTC_) * 3600).toString(u"dd.MM.yy"_s);
}

QString ContestModel::utcZeit() const
{
    return clock_.jetzt().addSecs(qint64(UTC_) * 3600).toString(u"hh:mm"_s);
}

void ContestModel::uhrTick()
{
    EntryFields& f = entry_.felder();
    const QString t = utcZeit();
    if (t == f.lblUhrzeit)
        return;
    f.lblUhrzeit = t;
    if (!f.Zeit && f.txtRSTerh.isEmpty())
        f.txtUhrzeit = t;
    emit changed();
}

void ContestModel::Punkte()
{
    if (!db_)
        return;
    if (gewertetesBand_ == band_ && gewertetBei_ == db_->änderungen()) {
        spielstandZeigen();
        return;
    }
    try {
        wertung_ = Wertung::aus(*db_, band_);
    } catch (const UserError& e) {
        fehler(e);
        return;
    }
    spielstandZeigen();
}

void ContestModel::spielstandZeigen()
{
    if (db_) {
        gewertetesBand_ = band_;
        gewertetBei_ = db_->änderungen();
    }
    stand_ = Spielstand::aus(wertung_.summen());
    entry_.felder().txtNummer = stand_.txtNummer;
    emit changed();
}

void ContestModel::prüfen()
{
    lookup_.Prüfen(entry_, log_);
    emit focusInput();
}

void ContestModel::suchen(const QString& muster)
{
    log_.zeigeSuche(muster);
    emit logReset();
    emit focusInput();
}

void ContestModel::alleAnzeigen()
{
    log_.zeigeAlle();
    emit logReset();
    emit focusInput();
}

void ContestModel::doppelFrage()
{
    EntryFields& f = entry_.felder();
    const Meldung frage { u"Doppelverbindung\n\ntrotzdem speichern?"_s, u"Achtung"_s, Meldung::Symbol::Frage,
        Meldung::Knöpfe::OkAbbrechen, Meldung::Antwort::Abbrechen };
    if (prompter_.zeige(frage) == Meldung::Antwort::Ok) {
        f.ungültig = true;
    } else {
        entry_.Löschen();
        alleAnzeigen();
    }
    f.doppelt = false;
    emit changed();
}

bool ContestModel::unbekanntesLand()
{
    const Meldung frage { u"unbekannter Präfix oder Hörfehler\n\n"
                          u"möchten Sie das Land eingeben (Ja)\n"
                          u"oder die QSO-Daten löschen (Nein)\n"
                          u"oder diese ändern (Abbrechen)"_s,
        u"Fehler"_s, Meldung::Symbol::Kritisch, Meldung::Knöpfe::JaNeinAbbrechen,
        Meldung::Antwort::Abbrechen };
    switch (prompter_.zeige(frage)) {
    case Meldung::Antwort::Ja:
        länder_ = lookup_.länder();
        länderlisteSichtbar_ = true;
        break;
    case Meldung::Antwort::Nein:
        entry_.escape();
        break;
    default:
        break;
    }
    emit changed();
    return false;
}

void ContestModel::länderlisteOk(int index)
{
    if (index >= 0 && index < länder_.size())
        entry_.felder().lblLand = länder_.at(index);
    länderlisteSichtbar_ = false;
    emit changed();
}

void ContestModel::länderlisteAbbrechen()
{
    länderlisteSichtbar_ = false;
    emit changed();
}

void ContestModel::locatorGewählt(int index)
{
    lookup_.locatorGewählt(entry_, index);
    emit changed();
}

void ContestModel::speichern()
{
    EntryFields& f = entry_.felder();
    if (f.loggen == Speichertaste::F12 && !f.f12)
        return;
    if (!db_ || f.txtNummer.isEmpty() || f.txtCall.isEmpty() || f.txtLocator.isEmpty()
        || f.txtRSTerh.isEmpty() || f.txtRSTgeg.isEmpty())
        return;
    // Without CONTEST.DAT no country can be known; the contact is stored without one.
    if (f.lblLand.isEmpty() && lookup_.contestDatVorhanden()) {
        unbekanntesLand();
        return;
    }
    if (freigabe_ && !freigabe_(band_))
        return;

    const bool ungültig = f.ungültig;
    QsoRecord q;
    q.nummer = f.txtNummer.toInt();
    q.datum = f.lblDatum.isEmpty() ? heute() : f.lblDatum;
    q.zeit = f.txtUhrzeit;
    q.rufzeichen = f.txtCall;
    q.rstGeg = f.txtRSTgeg + f.txtNummer;
    q.rstErh = f.txtRSTerh;
    q.locator = f.txtLocator;
    q.punkte = f.txtQRB;
    q.winkel = f.txtWinkel;
    q.kernCall = Kern2(f.txtCall);
    q.square = f.txtLocator.left(4);
    q.land = f.lblLand;
    q.kommentar = f.txtKommentar.isEmpty() ? u" "_s : f.txtKommentar;
    q.qsl = f.chkQSL;
    if (ungültig)
        ungültigMachen(q);

    const QString zeile = journalZeile({ heute(), f.txtUhrzeit, f.txtCall, f.txtRSTgeg, f.txtNummer,
        f.txtRSTerh, f.txtLocator, q.punkte, lblBand() });

    qint64 rowid = 0;
    try {
        if (const std::optional<QString> repariert
            = db_->journalAbgleichen(ContestDatabase::Abgleich::NurEnde))
            prompter_.zeige(hinweisMeldung(*repariert));
        rowid = db_->qsoSpeichern(band_, q, zeile);
        if (const std::optional<WertungsZeile> gespeichert = db_->wertungsZeile(band_, rowid))
            wertung_.hinzufügen(*gespeichert);
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(u"Die Verbindung wurde nicht gespeichert.\n\n"_s + e.meldung()
            + u"\n\nDie Eingaben bleiben für einen neuen Versuch stehen."_s));
        return;
    }

    f.txtQRB = q.punkte;
    LastCall_ = f.txtCall;
    LastLocator_ = f.txtLocator;
    if (Protokoll_ && drucker_ != nullptr) {
        drucker_->setSchriftart(u"Courier New"_s);
        drucker_->setSchriftgröße(10);
        drucker_->setFett(false);
        drucker_->setKursiv(false);
        drucker_->drucke({ PrintItem::text(zeile) });
    }
    zurücksetzenNachSpeichern(rowid);
}

void ContestModel::zurücksetzenNachSpeichern(qint64 rowid)
{
    EntryFields& f = entry_.felder();
    entry_.Löschen();
    log_.angehängt(rowid);
    spielstandZeigen();
    log_.zeigeAlle();
    emit logReset();
    f.Zeit = false;
    f.lblOk = false;
    keystrokes_.löschen();
    emit focusInput();
    emit changed();
}

bool ContestModel::qsoÄndern(qint64 rowid, const QsoRecord& qso)
{
    try {
        const std::optional<WertungsZeile> alt = db_->wertungsZeile(band_, rowid);
        db_->qsoÄndern(band_, rowid, qso);
        neuGewertet(alt, rowid);
    } catch (const UserError& e) {
        fehler(e);
        return false;
    }
    log_.zeigeAlle();
    emit logReset();
    spielstandZeigen();
    emit changed();
    return true;
}

} // namespace tarvex
