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
#include <algorithm>
#include <vector>

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

namespace {

// One entry per call as the look-up asks for it, so that the counts are per station.
class Zusammenführung {
public:
    explicit Zusammenführung(qsizetype erwartet) { index_.reserve(erwartet); }

    void add(const QString& rohCall, const QString& rohLocator)
    {
        const QString l = rohLocator.trimmed().toUpper();
        if (!sechsstelligerLocator(l))
            return;
        const QString call = stationsCall(rohCall);
        const auto it = index_.constFind(call);
        if (it != index_.cend()) {
            QStringList& locators = gesammelt[*it].locators;
            if (!locators.contains(l))
                locators.append(l);
        } else if (istRufzeichen(call)) {
            index_.insert(call, gesammelt.size());
            gesammelt.append({ call, { l } });
        }
    }

    QList<StationsImport::Station> gesammelt;

private:
    QHash<QString, qsizetype> index_;
};

StationsImport::Ergebnis schreiben(Connection& contestDat, const QList<StationsImport::Station>& gesammelt)
{
    // In the order of the calls: the probes and the new index entries walk the index
    // from one end to the other instead of all over it.
    struct Schlüssel {
        QByteArray call;
        QByteArray locators;
        qsizetype nr;
    };
    std::vector<Schlüssel> reihe;
    reihe.reserve(static_cast<std::size_t>(gesammelt.size()));
    for (qsizetype i = 0; i < gesammelt.size(); ++i)
        reihe.push_back(
            { gesammelt[i].call.toUtf8(), locatorsZusammensetzen(gesammelt[i].locators).toUtf8(), i });
    // The index's own order, byte by byte.
    std::sort(
        reihe.begin(), reihe.end(), [](const Schlüssel& a, const Schlüssel& b) { return a.call < b.call; });

    StationsTabelle tabelle(contestDat);
    StationsImport::Ergebnis ergebnis;
    contestDat.guarded([&] {
        SQLite::Transaction transaktion(contestDat.db());
        tabelle.indexSicherstellen();
        for (const Schlüssel& s : reihe) {
            const StationsImport::Station& station = gesammelt[s.nr];
            const StationsTabelle::Zeilen da = tabelle.lesen(s.call);
            if (da.rowids.isEmpty()) {
                tabelle.anlegen(s.call, s.locators);
                ++ergebnis.neueStationen;
                ergebnis.neueLocatoren += static_cast<int>(station.locators.size());
                continue;
            }
            // Several rows of one call (from older lists) become one.
            QStringList vorher;
            for (const QString& text : da.locators)
                ergänzen(vorher, locatorsZerlegen(text));
            QStringList nachher = vorher;
            ergänzen(nachher, station.locators);
            const QString text = locatorsZusammensetzen(nachher);
            if (da.rowids.size() > 1 || text != da.locators.first())
                tabelle.zusammenfassen(da.rowids.first(), da.rowids.mid(1), text);
            if (nachher.size() > vorher.size()) {
                ++ergebnis.ergänzteStationen;
                ergebnis.neueLocatoren += static_cast<int>(nachher.size() - vorher.size());
            }
        }
        tabelle.abschließen();
        transaktion.commit();
    });
    return ergebnis;
}

} // namespace

StationsImport::Ergebnis StationsImport::einfügen(Connection& contestDat, const QList<Station>& stationen)
{
    Zusammenführung z(stationen.size());
    for (const Station& roh : stationen) {
        for (const QString& loc : roh.locators)
            z.add(roh.call, loc);
    }
    return schreiben(contestDat, z.gesammelt);
}

StationsImport::Ergebnis StationsImport::kontakteEinfügen(
    Connection& contestDat, const QList<StationenAbfrage::RufzeichenLocator>& kontakte)
{
    Zusammenführung z(kontakte.size());
    for (const StationenAbfrage::RufzeichenLocator& k : kontakte)
        z.add(k.rufzeichen, k.locator);
    return schreiben(contestDat, z.gesammelt);
}

} // namespace tarvex
