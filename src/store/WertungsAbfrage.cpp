#include "WertungsAbfrage.h"

#include "Abfrage.h"
#include "BandTabelle.h"

namespace tarvex {

using namespace Qt::StringLiterals;

void WertungsAbfrage::jedeZeile(
    const QString& band, qint64 abRowid, const std::function<void(const WertungsZeile&)>& je)
{
    tarvex::jedeZeile(connection_,
        u"SELECT rowid,Punkte,Rufzeichen,Land,Square,Zeit,Locator FROM "_s + bandTabelleSql(band)
            + u" WHERE rowid>=? ORDER BY rowid"_s,
        { abRowid }, [&](SQLite::Statement& s) {
            je({ s.getColumn(0).getInt64(), textAus(s.getColumn(1)), textAus(s.getColumn(2)),
                textAus(s.getColumn(3)), textAus(s.getColumn(4)), textAus(s.getColumn(5)),
                textAus(s.getColumn(6)) });
        });
}

QList<WertungsZeile> WertungsAbfrage::zeilen(const QString& band, qint64 abRowid)
{
    QList<WertungsZeile> result;
    jedeZeile(band, abRowid, [&](const WertungsZeile& z) { result.append(z); });
    return result;
}

qint64 WertungsAbfrage::anzahl(const QString& band)
{
    return connection_.scalar(u"SELECT COUNT(*) FROM "_s + bandTabelleSql(band)).toLongLong();
}

std::optional<WertungsZeile> WertungsAbfrage::zeile(const QString& band, qint64 rowid)
{
    // The cached statement: it runs on every save, change and deletion.
    const Rows rows = connection_.select(u"SELECT rowid,Punkte,Rufzeichen,Land,Square,Zeit,Locator FROM "_s
            + bandTabelleSql(band) + u" WHERE rowid=?"_s,
        { rowid });
    if (rows.zeilen.isEmpty())
        return std::nullopt;
    const QVariantList& r = rows.zeilen.first();
    const auto text = [&](int i) { return r.value(i).isNull() ? QString() : r.value(i).toString(); };
    return WertungsZeile { r.value(0).toLongLong(), text(1), text(2), text(3), text(4), text(5), text(6) };
}

} // namespace tarvex
