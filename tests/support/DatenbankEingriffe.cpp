#include "DatenbankEingriffe.h"

#include "store/BandTabelle.h"
#include "store/Gueltigkeit.h"

#include <sqlite3.h>

namespace tarvex::test {

using namespace Qt::StringLiterals;

Summen summenAusDatei(ContestDatabase& db, const QString& band)
{
    Connection& c = db.verbindung();
    const QString table = bandTabelleSql(band);
    Summen s;
    const QVariantList totals = c.select(u"SELECT count(Nummer),Sum(val(Punkte)),Max(val(Punkte)) FROM "_s
                                     + table + u" WHERE "_s + gültigSql())
                                    .zeilen.value(0);
    s.gültige = totals.value(0).toLongLong();
    s.summe = totals.value(1).toDouble();
    s.maximum = totals.value(2).toDouble();
    if (s.maximum > 0) {
        const QVariant call
            = c.scalar(u"SELECT Rufzeichen FROM "_s + table + u" WHERE Punkte=? ORDER BY rowid LIMIT 1"_s,
                { totals.value(2).toString() });
        s.odxCall = call.isNull() ? QString() : call.toString();
    }
    s.anzahl = c.scalar(u"SELECT count(*) FROM "_s + table).toLongLong();
    s.länder
        = c.scalar(u"SELECT count(DISTINCT Land COLLATE NOCASE) FROM "_s + table + u" WHERE trim(Land)<>''"_s)
              .toLongLong();
    s.großfelder = c.scalar(u"SELECT count(DISTINCT Square COLLATE NOCASE) FROM "_s + table
                        + u" WHERE trim(Square)<>''"_s)
                       .toLongLong();
    return s;
}

QStringList gruppenAusDatei(ContestDatabase& db, const QString& band, Gruppierung nach)
{
    const QString feld = nach == Gruppierung::Land ? u"IFNULL(Land,'')"_s : u"IFNULL(Square,'')"_s;
    QStringList result;
    for (const QVariantList& z :
        db.verbindung()
            .select(u"SELECT upper("_s + feld + u"),count(*),round(sum(val(Punkte))) FROM "_s
                + bandTabelleSql(band) + u" WHERE "_s + gültigSql() + u" GROUP BY "_s + feld
                + u" COLLATE NOCASE ORDER BY 1"_s)
            .zeilen)
        result.append(z.value(0).toString() + u' ' + z.value(1).toString() + u' '
            + QString::number(z.value(2).toLongLong()));
    return result;
}

QList<Stundensumme> stundenAusDatei(ContestDatabase& db, const QString& band)
{
    QList<Stundensumme> result;
    for (const QVariantList& z :
        db.verbindung()
            .select(u"SELECT HOUR(Zeit),COUNT(*),SUM(VAL(Punkte)) FROM "_s + bandTabelleSql(band)
                + u" WHERE "_s + gültigSql() + u" AND HOUR(Zeit) BETWEEN 0 AND 23 GROUP BY 1 ORDER BY 1"_s)
            .zeilen)
        result.append({ z.value(0).toInt(), z.value(1).toLongLong(), z.value(2).toDouble() });
    return result;
}

QList<Entfernung> entfernungenAusDatei(ContestDatabase& db, const QString& band, bool mitUngültigen)
{
    QList<Entfernung> result;
    for (const QVariantList& z : db.verbindung()
                                     .select(u"SELECT Punkte,Rufzeichen FROM "_s + bandTabelleSql(band)
                                         + (mitUngültigen ? QString() : u" WHERE "_s + gültigSql())
                                         + u" ORDER BY VAL(Punkte) DESC,rowid"_s)
                                     .zeilen)
        result.append({ z.value(0).toString(), z.value(1).toString() });
    return result;
}

QList<std::pair<qint64, QString>> locatorsAusDatei(ContestDatabase& db, const QString& band)
{
    QList<std::pair<qint64, QString>> result;
    for (const QVariantList& z :
        db.verbindung()
            .select(u"SELECT rowid,Locator FROM "_s + bandTabelleSql(band) + u" ORDER BY rowid"_s)
            .zeilen)
        result.append({ z.value(0).toLongLong(), z.value(1).toString() });
    return result;
}

CommitFehler::CommitFehler(ContestDatabase& db, std::function<bool()> fehler)
    : db_(db)
    , fehler_(std::move(fehler))
{
    sqlite3_commit_hook(
        db_.verbindung().db().getHandle(),
        [](void* selbst) { return static_cast<CommitFehler*>(selbst)->fehler_() ? 1 : 0; }, this);
}

CommitFehler::~CommitFehler()
{
    sqlite3_commit_hook(db_.verbindung().db().getHandle(), nullptr, nullptr);
}

} // namespace tarvex::test
