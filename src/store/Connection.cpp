#include "Connection.h"

#include "DatenbankFehler.h"
#include "SqlFunctions.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>

namespace tarvex {
namespace {

int grundFlags(Connection::Zugriff zugriff)
{
    switch (zugriff) {
    case Connection::Zugriff::NurLesen:
        return SQLite::OPEN_READONLY;
    case Connection::Zugriff::Nachschlagen:
        return SQLite::OPEN_READONLY | SQLITE_OPEN_URI;
    case Connection::Zugriff::Ansehen:
        return SQLite::OPEN_READONLY;
    case Connection::Zugriff::LesenSchreiben:
        return SQLite::OPEN_READWRITE;
    case Connection::Zugriff::Anlegen:
        return SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE;
    }
    return SQLite::OPEN_READONLY;
}

int flagsFor(Connection::Zugriff zugriff)
{
    // Every connection lives on the thread that opened it (the mail thread has
    // none), so the engine need not lock each call.
    return SQLITE_OPEN_NOMUTEX | grundFlags(zugriff);
}

// The operator reads German; the engine's English text only helps a developer.
QString engineMessage(const SQLite::Exception& e)
{
    switch (e.getErrorCode() & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("Der Datenträger ist voll");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("die Datei wird gerade von einem anderen Programm benutzt");
    case SQLITE_READONLY:
        return QStringLiteral("die Datei ist schreibgeschützt");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("keine Berechtigung für die Datei");
    case SQLITE_IOERR:
        return QStringLiteral("Lese- oder Schreibfehler auf dem Datenträger");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("die Datei ist beschädigt");
    case SQLITE_CANTOPEN:
        return QStringLiteral("die Datei lässt sich nicht öffnen");
    default:
        return QStringLiteral("Fehler %1 der Datenbank: %2")
            .arg(e.getErrorCode())
            .arg(QString::fromUtf8(e.what()));
    }
}

} // namespace

SQLite::Database Connection::openDatabase(const QString& pfad, Zugriff zugriff)
{
    try {
        if (zugriff == Zugriff::Nachschlagen) {
            // No locks and no journal checks on each statement: the owner
            // notices a change of the file itself and opens it afresh.
            const QByteArray uri = QUrl::fromLocalFile(QFileInfo(pfad).absoluteFilePath()).toEncoded();
            return SQLite::Database(uri.toStdString() + "?immutable=1", flagsFor(zugriff), 2000);
        }
        return SQLite::Database(pfad.toStdString(), flagsFor(zugriff), 2000);
    } catch (const SQLite::Exception& e) {
        throw DatenbankFehler(QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden: %2.")
                                  .arg(QDir::toNativeSeparators(pfad), engineMessage(e)),
            e.getErrorCode());
    }
}

Connection::Connection(const QString& pfad, Zugriff zugriff)
    : pfad_(pfad)
    , db_(openDatabase(pfad, zugriff))
{
    guarded([&] {
        registerSqlFunctions(db_.getHandle());
        // Before the first read: then the WAL index lives in memory, not in a -shm file.
        if (zugriff == Zugriff::Ansehen)
            db_.exec("PRAGMA locking_mode=EXCLUSIVE");
        // Every write transaction is on disk when its commit returns.
        if (zugriff == Zugriff::LesenSchreiben || zugriff == Zugriff::Anlegen)
            db_.exec("PRAGMA synchronous=FULL");
    });
}

void Connection::fail(const SQLite::Exception& e) const
{
    throw DatenbankFehler(QStringLiteral("Fehler in der Datenbank %1: %2.")
                              .arg(QDir::toNativeSeparators(pfad_), engineMessage(e)),
        e.getErrorCode());
}

void Connection::exec(const QString& sql)
{
    guarded([&] { db_.exec(sql.toStdString()); });
}

void Connection::bind(SQLite::Statement& stmt, const QVariantList& werte)
{
    int index = 1;
    for (const QVariant& wert : werte) {
        switch (wert.typeId()) {
        case QMetaType::UnknownType:
        case QMetaType::Nullptr:
            stmt.bind(index);
            break;
        case QMetaType::Bool:
            stmt.bind(index, wert.toBool() ? 1 : 0);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
            stmt.bind(index, static_cast<int64_t>(wert.toLongLong()));
            break;
        case QMetaType::Double:
            stmt.bind(index, wert.toDouble());
            break;
        default:
            stmt.bind(index, wert.toString().toStdString());
            break;
        }
        ++index;
    }
}

QVariant Connection::column(const SQLite::Column& column)
{
    switch (column.getType()) {
    case SQLITE_INTEGER:
        return QVariant::fromValue<qlonglong>(column.getInt64());
    case SQLITE_FLOAT:
        return column.getDouble();
    case SQLITE_NULL:
        return {};
    default:
        return QString::fromUtf8(column.getText(), column.getBytes());
    }
}

Connection::Vorbereitet& Connection::vorbereitet(const QString& sql, const QVariantList& werte)
{
    Vorbereitet& v = statements_[sql];
    if (!v.stmt) {
        v.stmt = std::make_shared<SQLite::Statement>(db_, sql.toStdString());
        for (int i = 0, n = v.stmt->getColumnCount(); i < n; ++i)
            v.spalten.append(QString::fromUtf8(v.stmt->getColumnName(i)));
    }
    v.stmt->reset();
    v.stmt->clearBindings();
    bind(*v.stmt, werte);
    return v;
}

namespace {
// Resets a cached statement when its use ends, so it holds no lock between uses.
struct Zurücksetzen {
    SQLite::Statement& stmt;
    ~Zurücksetzen() { stmt.tryReset(); }
};
} // namespace

Rows Connection::select(const QString& sql, const QVariantList& werte)
{
    return guarded([&] {
        Vorbereitet& v = vorbereitet(sql, werte);
        SQLite::Statement& stmt = *v.stmt;
        Zurücksetzen z { stmt };
        Rows rows;
        rows.spalten = v.spalten;
        const int count = static_cast<int>(v.spalten.size());
        while (stmt.executeStep()) {
            QVariantList row;
            row.reserve(count);
            for (int i = 0; i < count; ++i)
                row.append(column(stmt.getColumn(i)));
            rows.zeilen.append(std::move(row));
        }
        return rows;
    });
}

bool Connection::hatTabelle(const QString& name)
{
    return !scalar(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name=?"), { name })
                .isNull();
}

QVariant Connection::scalar(const QString& sql, const QVariantList& werte)
{
    return guarded([&] {
        SQLite::Statement& stmt = *vorbereitet(sql, werte).stmt;
        Zurücksetzen z { stmt };
        return stmt.executeStep() ? column(stmt.getColumn(0)) : QVariant();
    });
}

int Connection::execute(const QString& sql, const QVariantList& werte)
{
    return guarded([&] {
        SQLite::Statement& stmt = *vorbereitet(sql, werte).stmt;
        Zurücksetzen z { stmt };
        return stmt.exec();
    });
}

QString quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace tarvex
