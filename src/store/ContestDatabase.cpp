#include "ContestDatabase.h"

#include "BandList.h"
#include "FilePaths.h"
#include "common/UserError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <SQLiteCpp/Transaction.h>
#include <algorithm>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

QString shown(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

UserError keineContestDatei(const QString& pfad)
{
    return UserError(u"Die Datei %1 ist keine Contest-Datenbank oder ist beschädigt. "
                     u"Sie wurde nicht verändert."_s.arg(shown(pfad)));
}

// Reads the engine's file header without opening the file as a database, so a
// foreign file is refused before anything could touch it.
std::optional<quint32> applicationIdOf(const QString& pfad)
{
    QFile file(pfad);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return std::nullopt;
    return qFromBigEndian<quint32>(header.constData() + 68);
}

QString createBandTableSql(const QString& band)
{
    QStringList felder;
    for (const FeldDefinition& feld : kBandFelder)
        felder.append(quoteIdentifier(QString::fromUtf16(feld.name)) + u' ' + QLatin1StringView(feld.typ));
    return u"CREATE TABLE "_s + quoteIdentifier(band) + u'(' + felder.join(u',') + u')';
}

const QString kCreateTmp = u"CREATE TABLE TMP([Nummer] NUMBER,[Square] TEXT(4),[LAND] TEXT(20))"_s;
const QString kCreateParam = u"CREATE TABLE PARAM([Call] TEXT(15),[Locator] TEXT(6))"_s;

QString text(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}

} // namespace

ContestDatabase::ContestDatabase(Connection connection)
    : connection_(std::move(connection))
{
}

ContestDatabase ContestDatabase::anlegen(const QString& pfad, const QStringList& bänder,
                                         const StationParameter& station)
{
    if (existsCaseInsensitive(pfad))
        throw UserError(u"Die Datei %1 existiert bereits."_s.arg(shown(pfad)));
    for (const QString& band : bänder) {
        if (!istBandTabelle(band))
            throw UserError(u"Unbekanntes Band %1."_s.arg(band));
    }
    try {
        Connection connection(pfad, Connection::Zugriff::Anlegen);
        connection.guarded([&] {
            SQLite::Transaction transaction(connection.db());
            connection.exec(u"PRAGMA application_id=%1"_s.arg(kApplicationId));
            connection.exec(u"PRAGMA user_version=%1"_s.arg(kSchemaVersion));
            for (const QString& band : bänder)
                connection.exec(createBandTableSql(band));
            connection.exec(kCreateTmp);
            connection.exec(kCreateParam);
            connection.execute(u"INSERT INTO PARAM([Call],[Locator]) VALUES(?,?)"_s,
                               {station.call, station.locator});
            transaction.commit();
        });
        return ContestDatabase(std::move(connection));
    } catch (...) {
        // Nothing of a half-created contest stays behind.
        QFile::remove(pfad);
        QFile::remove(pfad + u"-journal"_s);
        throw;
    }
}

ContestDatabase ContestDatabase::öffnen(const QString& pfad)
{
    const QString datei = resolveCaseInsensitive(pfad);
    if (!QFileInfo::exists(datei))
        throw UserError(u"Die Contest-Datenbank %1 wurde nicht gefunden."_s.arg(shown(pfad)));
    const std::optional<quint32> id = applicationIdOf(datei);
    if (!id || (*id != 0 && *id != static_cast<quint32>(kApplicationId)))
        throw keineContestDatei(datei);

    try {
        ContestDatabase db{Connection(datei, Connection::Zugriff::LesenSchreiben)};
        const QString check = db.connection_.scalar(u"PRAGMA quick_check"_s).toString();
        // Files without our mark are accepted when they hold at least one band table.
        if (check != u"ok"_s || (*id == 0 && db.bandTabellen().isEmpty()))
            throw keineContestDatei(datei);
        return db;
    } catch (const UserError&) {
        throw keineContestDatei(datei);
    }
}

QStringList ContestDatabase::tabellen()
{
    const Rows rows = connection_.select(
        u"SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite*'"_s);
    QStringList bands, others;
    for (const QVariantList& row : rows.zeilen) {
        const QString name = row.value(0).toString();
        (istBandTabelle(name) ? bands : others).append(name);
    }
    std::sort(bands.begin(), bands.end());
    std::sort(others.begin(), others.end());
    return bands + others;
}

QStringList ContestDatabase::bandTabellen()
{
    QStringList result = tabellen();
    result.erase(std::remove_if(result.begin(), result.end(),
                                [](const QString& t) { return !istBandTabelle(t); }),
                 result.end());
    return result;
}

int ContestDatabase::feldAnzahl(const QString& tabelle)
{
    return static_cast<int>(
        connection_.select(u"PRAGMA table_info("_s + quoteIdentifier(tabelle) + u')').zeilen.size());
}

QString ContestDatabase::bandSql(const QString& band) const
{
    if (!istBandTabelle(band))
        throw UserError(u"Unbekanntes Band %1."_s.arg(band));
    return quoteIdentifier(band);
}

void ContestDatabase::bandTabelleAufrüsten(const QString& band, Aufrüstung art)
{
    const QString table = bandSql(band);
    if (feldAnzahl(band) < 13)
        connection_.exec(u"ALTER TABLE "_s + table + u" ADD COLUMN \"Kommentar\" TEXT(12)"_s);
    if (art == Aufrüstung::KommentarUndQsl && feldAnzahl(band) < 14)
        connection_.exec(u"ALTER TABLE "_s + table + u" ADD COLUMN \"QSL\" BOOLEAN"_s);
}

bool ContestDatabase::hilfstabellenSicherstellen(const StationParameter& station)
{
    const QStringList vorhanden = tabellen();
    const auto fehlt = [&](const QString& name) {
        return std::none_of(vorhanden.begin(), vorhanden.end(), [&](const QString& t) {
            return t.compare(name, Qt::CaseInsensitive) == 0;
        });
    };
    if (fehlt(u"TMP"_s))
        connection_.exec(kCreateTmp);
    if (!fehlt(u"PARAM"_s))
        return false;
    connection_.guarded([&] {
        SQLite::Transaction transaction(connection_.db());
        connection_.exec(kCreateParam);
        connection_.execute(u"INSERT INTO PARAM([Call],[Locator]) VALUES(?,?)"_s,
                            {station.call, station.locator});
        transaction.commit();
    });
    return true;
}

std::optional<StationParameter> ContestDatabase::parameter()
{
    const Rows rows = connection_.select(u"SELECT [Call],[Locator] FROM PARAM ORDER BY rowid LIMIT 1"_s);
    if (rows.zeilen.isEmpty())
        return std::nullopt;
    return StationParameter{text(rows.zeilen[0].value(0)), text(rows.zeilen[0].value(1))};
}

void ContestDatabase::qsoAnhängen(const QString& band, const QsoRecord& q,
                                  const std::function<void()>& beforeCommit)
{
    const QString sql = u"INSERT INTO "_s + bandSql(band)
        + u"(\"Nummer\",\"Datum\",\"Zeit\",\"Rufzeichen\",\"RST geg\",\"RST erh\",\"Locator\","
          u"\"Punkte\",\"Winkel\",\"KernCall\",\"Square\",\"Land\",\"Kommentar\",\"QSL\")"
          u" VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s;
    connection_.guarded([&] {
        SQLite::Transaction transaction(connection_.db());
        connection_.execute(sql, {q.nummer, q.datum, q.zeit, q.rufzeichen, q.rstGeg, q.rstErh,
                                  q.locator, q.punkte, q.winkel, q.kernCall, q.square, q.land,
                                  q.kommentar, q.qsl});
        if (beforeCommit)
            beforeCommit();
        transaction.commit();
    });
}

QList<QsoRecord> ContestDatabase::leseQsos(const QString& sql, const QVariantList& werte)
{
    const Rows rows = connection_.select(sql, werte);
    const auto index = [&](const char16_t* name) {
        return rows.spalten.indexOf(QString::fromUtf16(name), 0);
    };
    const qsizetype kommentar = index(u"Kommentar");
    const qsizetype qsl = index(u"QSL");
    QList<QsoRecord> result;
    result.reserve(rows.zeilen.size());
    for (const QVariantList& r : rows.zeilen) {
        QsoRecord q;
        q.nummer = r.value(0).toInt();
        q.datum = text(r.value(1));
        q.zeit = text(r.value(2));
        q.rufzeichen = text(r.value(3));
        q.rstGeg = text(r.value(4));
        q.rstErh = text(r.value(5));
        q.locator = text(r.value(6));
        q.punkte = text(r.value(7));
        q.winkel = text(r.value(8));
        q.kernCall = text(r.value(9));
        q.square = text(r.value(10));
        q.land = text(r.value(11));
        q.kommentar = kommentar < 0 ? QString() : text(r.value(kommentar));
        q.qsl = qsl >= 0 && r.value(qsl).toInt() != 0;
        result.append(std::move(q));
    }
    return result;
}

void ContestDatabase::qsoÄndern(const QString& band, qint64 rowid, const QsoRecord& q)
{
    const QString sql = u"UPDATE "_s + bandSql(band)
        + u" SET \"Nummer\"=?,\"Datum\"=?,\"Zeit\"=?,\"Rufzeichen\"=?,\"RST geg\"=?,\"RST erh\"=?,"
          u"\"Locator\"=?,\"Punkte\"=?,\"Winkel\"=?,\"KernCall\"=?,\"Square\"=?,\"Land\"=?,"
          u"\"Kommentar\"=?,\"QSL\"=? WHERE rowid=?"_s;
    connection_.execute(sql, {q.nummer, q.datum, q.zeit, q.rufzeichen, q.rstGeg, q.rstErh, q.locator,
                              q.punkte, q.winkel, q.kernCall, q.square, q.land, q.kommentar, q.qsl, rowid});
}

QsoRecord ContestDatabase::qso(const QString& band, qint64 rowid)
{
    const QList<QsoRecord> found =
        leseQsos(u"SELECT * FROM "_s + bandSql(band) + u" WHERE rowid=?"_s, {rowid});
    if (found.isEmpty())
        throw UserError(u"Die Verbindung ist nicht mehr im Log."_s);
    return found.first();
}

QList<QsoRecord> ContestDatabase::qsos(const QString& band)
{
    return leseQsos(u"SELECT * FROM "_s + bandSql(band) + u" ORDER BY rowid"_s, {});
}

QList<QsoRecord> ContestDatabase::suchen(const QString& band, const QString& muster)
{
    return leseQsos(u"SELECT * FROM "_s + bandSql(band)
                        + u" WHERE Rufzeichen LIKE ? OR Locator LIKE ? ORDER BY rowid"_s,
                    {muster, muster});
}

// -- Exchange-file import --

void ContestDatabase::qsosImportieren(const QString& band, const QList<QsoRecord>& qsos)
{
    const QString sql = u"INSERT INTO "_s + bandSql(band)
        + u"(\"Nummer\",\"Datum\",\"Zeit\",\"Rufzeichen\",\"RST geg\",\"RST erh\",\"Locator\","
          u"\"Punkte\",\"Winkel\",\"KernCall\",\"Square\",\"Land\",\"Kommentar\",\"QSL\")"
          u" VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s;
    connection_.guarded([&] {
        SQLite::Transaction transaction(connection_.db());
        // One prepared statement for the whole file.
        SQLite::Statement insert(connection_.db(), sql.toStdString());
        for (const QsoRecord& q : qsos) {
            Connection::bind(insert, {q.nummer, q.datum, q.zeit, q.rufzeichen, q.rstGeg, q.rstErh,
                                      q.locator, q.punkte, q.winkel, q.kernCall, q.square, q.land,
                                      q.kommentar, q.qsl});
            insert.exec();
            insert.reset();
        }
        transaction.commit();
    });
}

// -- QSL labels --

// -- Statistics --

// -- Square map --

} // namespace tarvex
