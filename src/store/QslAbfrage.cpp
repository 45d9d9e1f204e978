#include "QslAbfrage.h"

#include "Abfrage.h"
#include "BandTabelle.h"

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

const QString kQslBedingung = u" WHERE Rufzeichen LIKE ? AND VAL(Punkte)>?"_s;
const QString kQslUmgekehrt = u"CASE WHEN COALESCE(\"QSL\",0)<>0 THEN 0 ELSE 1 END"_s;

} // namespace

QList<QslAbfrage::Zeile> QslAbfrage::auswahl(const QString& band, const QString& muster, double grenze)
{
    // Read straight from the statement: the whole band at 50,000 contacts.
    QList<Zeile> result;
    const QString sql
        = u"SELECT rowid,* FROM "_s + bandTabelleSql(band) + kQslBedingung + u" ORDER BY rowid"_s;
    connection_.guarded([&] {
        SQLite::Statement stmt(connection_.db(), sql.toStdString());
        Connection::bind(stmt, { muster, grenze });
        const QsoLeser leser(stmt, 1);
        while (stmt.executeStep())
            result.append({ stmt.getColumn(0).getInt64(), !stmt.getColumn(1).isNull(), leser.lesen() });
    });
    return result;
}

QList<QslAbfrage::Marke> QslAbfrage::marken(
    const QString& band, const QString& muster, double grenze, qint64 nach, qsizetype höchstens)
{
    QList<Marke> result;
    jedeZeile(connection_,
        u"SELECT rowid,COALESCE(\"QSL\",0)<>0 FROM "_s + bandTabelleSql(band) + kQslBedingung
            + u" AND rowid>? ORDER BY rowid LIMIT ?"_s,
        { muster, grenze, nach, höchstens }, [&](SQLite::Statement& s) {
            result.append({ s.getColumn(0).getInt64(), s.getColumn(1).getInt() != 0 });
        });
    return result;
}

QList<QslAbfrage::Anzeige> QslAbfrage::anzeige(
    const QString& band, const QString& muster, double grenze, qint64 von, qint64 bis)
{
    QList<Anzeige> result;
    jedeZeile(connection_,
        u"SELECT rowid,Rufzeichen,Nummer,Punkte FROM "_s + bandTabelleSql(band) + kQslBedingung
            + u" AND rowid BETWEEN ? AND ? ORDER BY rowid"_s,
        { muster, grenze, von, bis }, [&](SQLite::Statement& s) {
            result.append({ s.getColumn(0).getInt64(), textAus(s.getColumn(1)),
                s.getColumn(2).isNull() ? QString() : QString::number(s.getColumn(2).getInt64()),
                textAus(s.getColumn(3)) });
        });
    return result;
}

void QslAbfrage::markieren(const QString& band, const QString& muster, double grenze, Markierung art)
{
    const QString wert = art == Markierung::Setzen ? u"1"_s
        : art == Markierung::Löschen               ? u"0"_s
                                                   : kQslUmgekehrt;
    connection_.execute(
        u"UPDATE "_s + bandTabelleSql(band) + u" SET \"QSL\"="_s + wert + kQslBedingung, { muster, grenze });
}

void QslAbfrage::umschalten(const QString& band, qint64 rowid)
{
    connection_.execute(
        u"UPDATE "_s + bandTabelleSql(band) + u" SET \"QSL\"="_s + kQslUmgekehrt + u" WHERE rowid=?"_s,
        { rowid });
}

} // namespace tarvex
