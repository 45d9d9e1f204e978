#include "StationsImport.h"

#include "common/Textmenge.h"
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
#include <array>
#include <string>
#include <string_view>
#include <tuple>
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

// One station per call as the look-up asks for it, so that the counts are per station.
struct Gesammelt {
    std::string call; // UTF-8, the index's order is the order of these bytes
    std::string locators; // the LOCATORS text, in order of first appearance
    int anzahl = 0; // locators in it
};

// The pairs are sorted by call rather than hashed: the table wants them in that order anyway.
class Zusammenführung {
public:
    explicit Zusammenführung(qsizetype erwartet = 0) { paare_.reserve(static_cast<std::size_t>(erwartet)); }

    void add(const QString& rohCall, const QString& rohLocator) { add(rohCall, QStringView(rohLocator)); }
    // A contact as stored, in UTF-8: a locator beyond ASCII is no locator anyway.
    void add(std::string_view rohCall, std::string_view rohLocator)
    {
        add(QString::fromUtf8(rohCall.data(), static_cast<qsizetype>(rohCall.size())),
            QLatin1StringView(rohLocator.data(), static_cast<qsizetype>(rohLocator.size())));
    }

    // In the order of the calls, byte by byte; each call once.
    std::vector<Gesammelt> stationen()
    {
        std::sort(paare_.begin(), paare_.end(),
            [](const Paar& a, const Paar& b) { return std::tie(a.call, a.nr) < std::tie(b.call, b.nr); });
        std::vector<Gesammelt> ergebnis;
        ergebnis.reserve(paare_.size());
        const Paar* vorige = nullptr;
        for (const Paar& p : paare_) {
            const std::string_view l(p.locator.data(), p.locator.size());
            if (!vorige || vorige->call != p.call) {
                ergebnis.push_back({ p.call.text(), std::string(l), 1 });
                vorige = &p;
                continue;
            }
            Gesammelt& g = ergebnis.back();
            bool schonDa = false;
            for (std::size_t i = 0; i < g.locators.size() && !schonDa; i += 7)
                schonDa = std::string_view(g.locators).substr(i, 6) == l;
            if (!schonDa) {
                g.locators += ' ';
                g.locators += l;
                ++g.anzahl;
            }
        }
        return ergebnis;
    }

private:
    // Without a text of its own for the locator: this runs once per contact.
    template <typename Text> void add(const QString& rohCall, Text rohLocator)
    {
        const Text roh = rohLocator.trimmed();
        if (roh.size() != 6)
            return;
        std::array<char, 6> locator;
        for (std::size_t i = 0; i < locator.size(); ++i) {
            const char16_t c = QChar(roh[static_cast<qsizetype>(i)]).toUpper().unicode();
            if (c > 0x7f)
                return;
            locator[i] = static_cast<char>(c);
        }
        if (!sechsstelligerLocator(QLatin1StringView(locator.data(), locator.size())))
            return;
        const QString call = stationsCall(rohCall);
        if (!istRufzeichen(call))
            return;
        // A call is at most 15 characters of A-Z, 0-9 and '/': packed, it sorts as the text does.
        if (const std::optional<KurzerText> k = KurzerText::aus(call))
            paare_.push_back({ *k, locator, paare_.size() });
    }

    struct Paar {
        KurzerText call;
        std::array<char, 6> locator;
        std::size_t nr;
    };
    std::vector<Paar> paare_;
};

// The stations are gathered while the table's calls are read ahead.
StationsImport::Ergebnis schreiben(
    Connection& contestDat, const std::function<std::vector<Gesammelt>()>& sammeln)
{
    StationsTabelle tabelle(contestDat);
    StationsImport::Ergebnis ergebnis;
    contestDat.guarded([&] {
        SQLite::Transaction transaktion(contestDat.db(), SQLite::TransactionBehavior::IMMEDIATE);
        tabelle.indexSicherstellen();
        tabelle.vorauslesen();
        std::vector<Gesammelt> gesammelt = sammeln();
        std::vector<std::string_view> calls;
        calls.reserve(gesammelt.size());
        for (const Gesammelt& g : gesammelt)
            calls.emplace_back(g.call);
        const auto neu = [&](Gesammelt& station) {
            ++ergebnis.neueStationen;
            ergebnis.neueLocatoren += station.anzahl;
            tabelle.anlegen(std::move(station.call), std::move(station.locators));
        };
        const std::vector<std::size_t> gefragt = tabelle.fragen(calls);
        // Those the table does not have are written while it answers about the others.
        for (std::size_t nr = 0, g = 0; nr < gesammelt.size(); ++nr) {
            if (g < gefragt.size() && gefragt[g] == nr)
                ++g;
            else
                neu(gesammelt[nr]);
        }
        const std::vector<StationsTabelle::Zeile> da = tabelle.antworten();
        auto zeile = da.cbegin();
        for (const std::size_t nr : gefragt) {
            Gesammelt& station = gesammelt[nr];
            if (zeile == da.cend() || zeile->nr != nr) {
                neu(station);
                continue;
            }
            // Several rows of one call (from older lists) become one.
            const qint64 erste = zeile->rowid;
            const QString& ersterText = zeile->locators;
            QList<qint64> übrige;
            QStringList vorher;
            for (; zeile != da.cend() && zeile->nr == nr; ++zeile) {
                if (zeile->rowid != erste)
                    übrige.append(zeile->rowid);
                ergänzen(vorher, locatorsZerlegen(zeile->locators));
            }
            QStringList nachher = vorher;
            ergänzen(nachher, locatorsZerlegen(QString::fromLatin1(station.locators)));
            const QString text = locatorsZusammensetzen(nachher);
            if (!übrige.isEmpty() || text != ersterText)
                tabelle.zusammenfassen(erste, übrige, text);
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
    return schreiben(contestDat, [&] {
        Zusammenführung z(stationen.size());
        for (const Station& roh : stationen) {
            for (const QString& loc : roh.locators)
                z.add(roh.call, loc);
        }
        return z.stationen();
    });
}

StationsImport::Ergebnis StationsImport::kontakteEinfügen(Connection& contestDat, const Kontakte& lesen)
{
    return schreiben(contestDat, [&] {
        Zusammenführung z;
        lesen([&](std::string_view call, std::string_view locator) { z.add(call, locator); });
        return z.stationen();
    });
}

} // namespace tarvex
