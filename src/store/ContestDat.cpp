#include "ContestDat.h"
#include "LogStationsTabelle.h"

#include <QSet>
#include <algorithm>

namespace tarvex {

using namespace Qt::StringLiterals;

ContestDat::ContestDat(QString verzeichnis)
    : file_(u"CONTEST.DAT"_s, std::move(verzeichnis),
        { u"SELECT PREFIX, LAND FROM PREFIXE"_s, u"SELECT SQUARE, LAND FROM SQUARES"_s,
            u"SELECT CALL, LOCATORS FROM STATIONS"_s, u"SELECT LAND FROM COUNTRY"_s })
{
}

QString ContestDat::landFürPräfixe(const QStringList& präfixe)
{
    QStringList längsteZuerst;
    for (const QString& p : präfixe) {
        if (!p.isEmpty() && !längsteZuerst.contains(p))
            längsteZuerst.append(p);
    }
    std::stable_sort(längsteZuerst.begin(), längsteZuerst.end(),
        [](const QString& a, const QString& b) { return a.size() > b.size(); });
    // The longest prefix is the most specific one (EA8 before EA); among equally
    // long ones the table's order decides. One point query per prefix: every key
    // asks this, and an IN list with a sort costs the engine far more.
    return file_.lesen([&](Connection& c) {
        QString land;
        qint64 ersteZeile = -1;
        qsizetype länge = -1;
        for (const QString& p : längsteZuerst) {
            if (!land.isNull() && p.size() < länge)
                break;
            const Rows rows = c.select(
                u"SELECT rowid, LAND FROM PREFIXE WHERE PREFIX=? COLLATE NOCASE ORDER BY rowid LIMIT 1"_s,
                { p });
            if (rows.zeilen.isEmpty())
                continue;
            const qint64 zeile = rows.zeilen.first().value(0).toLongLong();
            if (land.isNull() || zeile < ersteZeile) {
                const QVariant wert = rows.zeilen.first().value(1);
                land = wert.isNull() ? u""_s : wert.toString();
                ersteZeile = zeile;
                länge = p.size();
            }
        }
        return land.isNull() ? QString() : land;
    });
}

bool ContestDat::landImSquare(const QString& square, const QString& land)
{
    // Without regard to case, also for the umlauts that NOCASE leaves alone (ÖSTERREICH).
    const Rows rows = file_.lesen([&](Connection& c) {
        return c.select(u"SELECT LAND FROM SQUARES WHERE SQUARE=? COLLATE NOCASE"_s, { square });
    });
    for (const QVariantList& row : rows.zeilen) {
        if (row.value(0).toString().compare(land, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

std::optional<QString> ContestDat::locators(const QString& call)
{
    const QVariant locs = file_.lesen([&](Connection& c) {
        return c.scalar(u"SELECT LOCATORS FROM STATIONS WHERE CALL=? ORDER BY rowid LIMIT 1"_s, { call });
    });
    if (!locs.isValid())
        return std::nullopt;
    return locs.toString();
}

std::optional<QString> ContestDat::importierteLocators(const QString& call)
{
    const QVariant locs = file_.lesen([&](Connection& c) {
        if (!LogStationsTabelle::vorhanden(c))
            return QVariant();
        return c.scalar(u"SELECT LOCATORS FROM LOGSTATIONS WHERE CALL=? LIMIT 1"_s, { call });
    });
    if (!locs.isValid())
        return std::nullopt;
    return locs.toString();
}

QStringList ContestDat::länder()
{
    QStringList result;
    const Rows rows
        = file_.lesen([](Connection& c) { return c.select(u"SELECT LAND FROM COUNTRY ORDER BY rowid"_s); });
    // A country written twice in different case is offered once, where it first appears.
    QSet<QString> gesehen;
    for (const QVariantList& row : rows.zeilen) {
        const QString land = row.value(0).toString();
        if (!gesehen.contains(land.toCaseFolded())) {
            gesehen.insert(land.toCaseFolded());
            result.append(land);
        }
    }
    return result;
}

QList<std::pair<QString, QString>> ContestDat::stationenMitLocator(const QString& muster)
{
    QList<std::pair<QString, QString>> result;
    const Rows rows = file_.lesen([&](Connection& c) {
        Rows r = c.select(
            u"SELECT CALL,LOCATORS FROM STATIONS WHERE LOCATORS LIKE ? ORDER BY rowid"_s, { muster });
        if (LogStationsTabelle::vorhanden(c))
            r.zeilen
                += c.select(
                        u"SELECT CALL,LOCATORS FROM LOGSTATIONS l WHERE LOCATORS LIKE ?1 AND NOT EXISTS "
                        "(SELECT 1 FROM STATIONS s WHERE s.CALL=l.CALL AND s.LOCATORS LIKE ?1) ORDER BY CALL"_s,
                        { muster })
                       .zeilen;
        return r;
    });
    result.reserve(rows.zeilen.size());
    for (const QVariantList& r : rows.zeilen)
        result.append({ r.value(0).toString(), r.value(1).toString() });
    return result;
}

} // namespace tarvex
