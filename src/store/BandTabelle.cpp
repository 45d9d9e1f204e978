#include "BandTabelle.h"

#include "BandList.h"
#include "Gueltigkeit.h"
#include "common/UserError.h"

#include <SQLiteCpp/Transaction.h>
#include <algorithm>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

QStringList feldnamen()
{
    QStringList felder;
    for (const FeldDefinition& feld : kBandFelder)
        felder.append(quoteIdentifier(QString::fromUtf16(feld.name)));
    return felder;
}

QString einfügenSql(const QString& tabelle)
{
    const QStringList platzhalter(static_cast<qsizetype>(std::size(kBandFelder)), u"?"_s);
    return u"INSERT INTO "_s + tabelle + u'(' + feldnamen().join(u',') + u") VALUES("_s
        + platzhalter.join(u',') + u')';
}

} // namespace

QString bandTabelleSql(const QString& band)
{
    if (!istBandTabelle(band))
        throw UserError(u"Unbekanntes Band %1."_s.arg(band));
    return quoteIdentifier(band);
}

QsoLeser::QsoLeser(SQLite::Statement& stmt, int erste)
    : stmt_(stmt)
    , erste_(erste)
{
    for (int i = erste, n = stmt.getColumnCount(); i < n; ++i) {
        const QString name = QString::fromUtf8(stmt.getColumnName(i));
        if (name == u"Kommentar"_s)
            kommentar_ = i;
        else if (name == u"QSL"_s)
            qsl_ = i;
    }
}

const SQLite::Column& QsoLeser::spalte(int index) const
{
    if (spalten_.empty()) {
        spalten_.reserve(static_cast<std::size_t>(stmt_.getColumnCount()));
        for (int i = 0, n = stmt_.getColumnCount(); i < n; ++i)
            spalten_.push_back(stmt_.getColumn(i));
    }
    return spalten_[static_cast<std::size_t>(index)];
}

void QsoLeser::text(int index, QString& ziel) const
{
    const SQLite::Column& c = spalte(index);
    // The engine's text of a NULL is a null pointer: no third call per field to ask for the type.
    const char* bytes = c.getText(nullptr);
    if (!bytes) {
        ziel = QString();
        return;
    }
    const int n = c.getBytes();
    // Contacts are ASCII almost always: then each byte is its character.
    if (n > 0 && std::all_of(bytes, bytes + n, [](char b) { return static_cast<unsigned char>(b) < 0x80; })) {
        ziel.resize(n);
        char16_t* zeichen = reinterpret_cast<char16_t*>(ziel.data());
        for (int i = 0; i < n; ++i)
            zeichen[i] = static_cast<unsigned char>(bytes[i]);
        return;
    }
    ziel = QString::fromUtf8(bytes, n);
}

QsoRecord QsoLeser::lesen() const
{
    QsoRecord q;
    lesenIn(q);
    return q;
}

void QsoLeser::lesenIn(QsoRecord& q) const
{
    q.nummer = spalte(erste_).getInt();
    text(erste_ + 1, q.datum);
    text(erste_ + 2, q.zeit);
    text(erste_ + 3, q.rufzeichen);
    text(erste_ + 4, q.rstGeg);
    text(erste_ + 5, q.rstErh);
    text(erste_ + 6, q.locator);
    text(erste_ + 7, q.punkte);
    text(erste_ + 8, q.winkel);
    text(erste_ + 9, q.kernCall);
    text(erste_ + 10, q.square);
    text(erste_ + 11, q.land);
    if (kommentar_ >= 0)
        text(kommentar_, q.kommentar);
    if (qsl_ >= 0)
        q.qsl = spalte(qsl_).getInt() != 0;
}

BandTabelle::BandTabelle(Connection& connection, const QString& band)
    : connection_(connection)
    , tabelle_(bandTabelleSql(band))
{
}

QVariantList BandTabelle::werte(const QsoRecord& q)
{
    const QString texte[] = { q.datum, q.zeit, q.rufzeichen, q.rstGeg, q.rstErh, q.locator, q.punkte,
        q.winkel, q.kernCall, q.square, q.land, q.kommentar };
    QVariantList werte { q.nummer };
    for (int i = 0; i < 12; ++i)
        werte.append(texte[i].left(kBandFelder[i + 1].breite));
    werte.append(q.qsl);
    return werte;
}

qint64 BandTabelle::einfügen(const QsoRecord& q)
{
    connection_.execute(einfügenSql(tabelle_), werte(q));
    return connection_.db().getLastInsertRowid();
}

qint64 BandTabelle::importieren(const QList<QsoRecord>& qsos)
{
    const std::string sql = einfügenSql(tabelle_).toStdString();
    return connection_.guarded([&] {
        qint64 erste = 0;
        SQLite::Transaction transaction(connection_.db());
        // One prepared statement for the whole file.
        SQLite::Statement insert(connection_.db(), sql);
        for (const QsoRecord& q : qsos) {
            Connection::bind(insert, werte(q));
            insert.exec();
            insert.reset();
            if (erste == 0)
                erste = connection_.db().getLastInsertRowid();
        }
        transaction.commit();
        return erste;
    });
}

void BandTabelle::durchlaufen(const std::function<void(const QsoRecord&)>& je)
{
    // Every field: the reader finds Kommentar and QSL by name, which tables of older versions lack.
    const std::string sql = QString(u"SELECT * FROM "_s + tabelle_ + u" ORDER BY rowid"_s).toStdString();
    connection_.guarded([&] {
        SQLite::Statement select(connection_.db(), sql);
        const QsoLeser leser(select, 0);
        QsoRecord q;
        while (select.executeStep()) {
            leser.lesenIn(q);
            je(q);
        }
    });
}

void BandTabelle::ändern(qint64 rowid, const QsoRecord& q)
{
    QStringList zuweisungen;
    for (const QString& feld : feldnamen())
        zuweisungen.append(feld + u"=?"_s);
    QVariantList w = werte(q);
    w.append(rowid);
    connection_.execute(
        u"UPDATE "_s + tabelle_ + u" SET "_s + zuweisungen.join(u',') + u" WHERE rowid=?"_s, w);
}

QList<QsoRecord> BandTabelle::leseQsos(const QString& sql, const QVariantList& werte)
{
    return connection_.guarded([&] {
        SQLite::Statement stmt(connection_.db(), sql.toStdString());
        Connection::bind(stmt, werte);
        const QsoLeser leser(stmt, 0);
        QList<QsoRecord> result;
        while (stmt.executeStep())
            result.append(leser.lesen());
        return result;
    });
}

std::optional<QsoRecord> BandTabelle::qso(qint64 rowid)
{
    const QList<QsoRecord> found = leseQsos(u"SELECT * FROM "_s + tabelle_ + u" WHERE rowid=?"_s, { rowid });
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<QsoRecord> BandTabelle::qsos()
{
    return leseQsos(u"SELECT * FROM "_s + tabelle_ + u" ORDER BY rowid"_s, {});
}

std::optional<qint64> BandTabelle::letzteRowid()
{
    const QVariant letzte = connection_.scalar(u"SELECT max(rowid) FROM "_s + tabelle_);
    if (letzte.isNull())
        return std::nullopt;
    return letzte.toLongLong();
}

void BandTabelle::löschen(qint64 rowid)
{
    connection_.execute(u"DELETE FROM "_s + tabelle_ + u" WHERE rowid=?"_s, { rowid });
}

void BandTabelle::ungültigErklären(qint64 rowid)
{
    QsoRecord ungültig;
    ungültigMachen(ungültig);
    connection_.execute(u"UPDATE "_s + tabelle_ + u" SET Punkte=?, Square=?, Land=? WHERE rowid=?"_s,
        { ungültig.punkte, ungültig.square, ungültig.land, rowid });
}

QList<LogZeile> BandTabelle::leseZeilen(const QString& sql, const QVariantList& werte)
{
    Rows rows = connection_.select(sql, werte);
    QList<LogZeile> zeilen;
    zeilen.reserve(rows.zeilen.size());
    for (QVariantList& row : rows.zeilen) {
        const qint64 rowid = row.takeFirst().toLongLong();
        zeilen.append({ rowid, std::move(row) });
    }
    return zeilen;
}

QStringList BandTabelle::spalten()
{
    QStringList namen;
    for (const QVariantList& row : connection_.select(u"PRAGMA table_info("_s + tabelle_ + u')').zeilen)
        namen.append(row.value(1).toString());
    return namen;
}

QList<qint64> BandTabelle::rowids()
{
    QList<qint64> ids;
    connection_.guarded([&] {
        SQLite::Statement stmt(connection_.db(),
            QString(u"SELECT rowid FROM "_s + tabelle_ + u" ORDER BY rowid"_s).toStdString());
        while (stmt.executeStep())
            ids.append(stmt.getColumn(0).getInt64());
    });
    return ids;
}

QList<LogZeile> BandTabelle::zeilen(qint64 vonRowid, qint64 bisRowid)
{
    return leseZeilen(u"SELECT rowid,* FROM "_s + tabelle_ + u" WHERE rowid BETWEEN ? AND ? ORDER BY rowid"_s,
        { vonRowid, bisRowid });
}

QList<LogZeile> BandTabelle::suchen(const QString& muster)
{
    return leseZeilen(
        u"SELECT rowid,* FROM "_s + tabelle_ + u" WHERE Rufzeichen LIKE ? OR Locator LIKE ? ORDER BY rowid"_s,
        { muster, muster });
}

QList<LogZeile> BandTabelle::frühere(const QString& kernCall, const QString& locator)
{
    // Two index searches merged here: one statement with OR would collect and
    // sort the rowids in the engine, the larger part of every key's cost.
    const QString auswahl = u"SELECT rowid,* FROM "_s + tabelle_ + u" WHERE "_s;
    // Only contacts that scored: an invalid one, and one without points, is no earlier contact.
    const QString gewertet = u" COLLATE NOCASE AND VAL(Punkte)>0 ORDER BY rowid"_s;
    QList<LogZeile> mitCall = leseZeilen(auswahl + u"KernCall=?"_s + gewertet, { kernCall });
    const QList<LogZeile> imLocator = leseZeilen(auswahl + u"Locator=?"_s + gewertet, { locator });
    QList<LogZeile> zeilen;
    zeilen.reserve(mitCall.size() + imLocator.size());
    auto a = mitCall.begin();
    auto b = imLocator.cbegin();
    while (a != mitCall.end() || b != imLocator.cend()) {
        if (b == imLocator.cend() || (a != mitCall.end() && a->rowid < b->rowid)) {
            zeilen.append(std::move(*a++));
        } else {
            if (a != mitCall.end() && a->rowid == b->rowid)
                ++a;
            zeilen.append(*b++);
        }
    }
    return zeilen;
}

} // namespace tarvex
