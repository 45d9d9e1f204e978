#include "StationsImport.h"

#include "common/UserError.h"
#include "entry/Klasse.h"
#include "entry/StationsEintrag.h"
#include "formats/AdifDatei.h"
#include "formats/EdiLeser.h"
#include "formats/ExpDatei.h"
#include "store/QsoRecord.h"
#include "store/StationsTabelle.h"

#include <QFileInfo>
#include <QHash>
#include <SQLiteCpp/Transaction.h>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

void ergänzen(QStringList& locators, const QStringList& neue)
{
    for (const QString& loc : neue) {
        if (!locators.contains(loc))
            locators.append(loc);
    }
}

// Gathers (call, locator) pairs of a log: one station per call in order of first
// appearance; pairs without a call or a six-character locator are passed over.
class Sammler {
public:
    void add(const QString& call, const QString& locator)
    {
        const QString c = call.trimmed().toUpper();
        // An eight-character locator names a part of the six-character one.
        const QString l = locator.trimmed().toUpper().left(6);
        if (!istRufzeichen(c) || !sechsstelligerLocator(l))
            return;
        const auto it = index_.constFind(c);
        if (it == index_.cend()) {
            index_.insert(c, liste_.stationen.size());
            liste_.stationen.append({ c, { l } });
        } else {
            ergänzen(liste_.stationen[*it].locators, { l });
        }
    }
    StationsImport::Liste liste() const { return liste_; }

private:
    StationsImport::Liste liste_;
    QHash<QString, qsizetype> index_;
};

StationsImport::Liste ausEdi(const QString& text)
{
    Sammler sammler;
    for (const EdiDatei& block : EdiLeser::lesen(text)) {
        // The log's own station is a known station too.
        sammler.add(block.wert(u"PCall"_s), block.wert(u"PWWLo"_s));
        for (const EdiQso& q : block.qsos) {
            // Zero points without the duplicate mark: a contact the log's owner did not count.
            if (q.punkte != u"0"_s || q.doppelt == u"D"_s)
                sammler.add(q.rufzeichen, q.locator);
        }
    }
    return sammler.liste();
}

StationsImport::Liste ausAdif(const QString& text)
{
    Sammler sammler;
    for (const AdifDatei::Satz& satz : AdifDatei::lesen(text))
        sammler.add(satz.value(u"CALL"_s), satz.value(u"GRIDSQUARE"_s));
    return sammler.liste();
}

StationsImport::Liste ausExp(const QString& text)
{
    Sammler sammler;
    for (const QsoRecord& q : ExpDatei::auslesen(text).qsos) {
        if (q.punkte != kUngültigePunkte)
            sammler.add(q.rufzeichen, q.locator);
    }
    return sammler.liste();
}

} // namespace

StationsImport::Liste StationsImport::lesenDatei(
    const QByteArray& inhalt, const QString& name, Format* format)
{
    // Calls and locators are ASCII; Latin-1 keeps any other byte harmless.
    const QString text = QString::fromLatin1(inhalt);
    const QString anfang = text.trimmed();
    const QString endung = QFileInfo(name).suffix().toLower();
    Format f = Format::Liste;
    if (anfang.startsWith(u"[REG1TEST"_s, Qt::CaseInsensitive) || endung == u"edi"_s)
        f = Format::Edi;
    else if (anfang.startsWith(ExpDatei::kKopf) || endung == u"exp"_s)
        f = Format::Exp;
    else if (endung == u"adi"_s || endung == u"adif"_s || text.contains(u"<eor>"_s, Qt::CaseInsensitive))
        f = Format::Adif;
    if (format)
        *format = f;
    try {
        if (inhalt.contains('\0'))
            throw UserError(u"sie ist keine Textdatei"_s);
        switch (f) {
        case Format::Edi:
            return ausEdi(text);
        case Format::Adif:
            return ausAdif(text);
        case Format::Exp:
            return ausExp(text);
        case Format::Liste:
            break;
        }
        return Stationsliste::lesen(text);
    } catch (const UserError& e) {
        throw UserError(u"Die Datei %1 ist beschädigt: %2. Aus ihr wurde nichts übernommen."_s.arg(
            QFileInfo(name).fileName(), e.meldung()));
    }
}

StationsImport::Ergebnis StationsImport::einfügen(Connection& contestDat, const QList<Station>& stationen)
{
    StationsTabelle tabelle(contestDat);
    Ergebnis ergebnis;
    contestDat.guarded([&] {
        // One entry per call as the look-up asks for it, so that the counts are per station.
        QList<Station> gesammelt;
        QHash<QString, qsizetype> index;
        for (const Station& roh : stationen) {
            const QString call = stationsCall(roh.call);
            QStringList locators;
            for (const QString& loc : roh.locators) {
                const QString l = loc.trimmed().toUpper();
                if (sechsstelligerLocator(l))
                    ergänzen(locators, { l });
            }
            if (!istRufzeichen(call) || locators.isEmpty())
                continue;
            const auto it = index.constFind(call);
            if (it == index.cend()) {
                index.insert(call, gesammelt.size());
                gesammelt.append({ call, locators });
            } else {
                ergänzen(gesammelt[*it].locators, locators);
            }
        }
        SQLite::Transaction transaktion(contestDat.db());
        tabelle.indexSicherstellen();
        for (const Station& station : gesammelt) {
            const QList<StationsTabelle::Zeile> zeilen = tabelle.zeilen(station.call);
            if (zeilen.isEmpty()) {
                tabelle.anlegen(station.call, locatorsZusammensetzen(station.locators));
                ++ergebnis.neueStationen;
                ergebnis.neueLocatoren += static_cast<int>(station.locators.size());
                continue;
            }
            // Several rows of one call (from older lists) become one.
            QStringList vorher;
            for (const StationsTabelle::Zeile& zeile : zeilen)
                ergänzen(vorher, locatorsZerlegen(zeile.locators));
            QStringList nachher = vorher;
            ergänzen(nachher, station.locators);
            const QString text = locatorsZusammensetzen(nachher);
            if (zeilen.size() > 1 || text != zeilen.first().locators)
                tabelle.zusammenfassen(station.call, zeilen.first().rowid, text);
            if (nachher.size() > vorher.size()) {
                ++ergebnis.ergänzteStationen;
                ergebnis.neueLocatoren += static_cast<int>(nachher.size() - vorher.size());
            }
        }
        transaktion.commit();
    });
    return ergebnis;
}

} // namespace tarvex
