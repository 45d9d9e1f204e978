#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <memory>

namespace tarvex {

// Rows of a SELECT, copied out of the engine (a read-only copy, like a snapshot).
struct Rows {
    QStringList spalten;
    QList<QVariantList> zeilen;
};

// One open SQLite connection with the program's SQL functions registered and
// durable writes switched on. Every value reaches SQL as a bound parameter.
// Engine failures are rethrown as UserError naming the file.
class Connection {
public:
    // Nachschlagen: read-only for a file nobody changes while it is open; the
    // engine takes no locks, so its owner must reopen it when the file changes.
    // Ansehen: read-only with the engine's exclusive locking, so a -wal file is
    // read without creating a -shm beside it (a full disk, a protected folder).
    enum class Zugriff { NurLesen, Nachschlagen, Ansehen, LesenSchreiben, Anlegen };

    Connection(const QString& pfad, Zugriff zugriff);
    Connection(Connection&&) noexcept = default;
    // The cached statements go before the connection they belong to is closed.
    Connection& operator=(Connection&& other) noexcept
    {
        statements_.clear();
        pfad_ = std::move(other.pfad_);
        db_ = std::move(other.db_);
        statements_ = std::move(other.statements_);
        return *this;
    }

    const QString& pfad() const { return pfad_; }
    SQLite::Database& db() { return db_; }

    void exec(const QString& sql);
    Rows select(const QString& sql, const QVariantList& werte = {});
    // First column of the first row, or a null QVariant when there is none.
    QVariant scalar(const QString& sql, const QVariantList& werte = {});
    bool hatTabelle(const QString& name);
    int execute(const QString& sql, const QVariantList& werte = {});

    // Runs f inside the engine-error translation of this connection.
    template <class F> decltype(auto) guarded(F&& f)
    {
        try {
            return f();
        } catch (const SQLite::Exception& e) {
            fail(e);
        }
    }

    static void bind(SQLite::Statement& stmt, const QVariantList& werte);
    static QVariant column(const SQLite::Column& column);

private:
    struct Vorbereitet {
        std::shared_ptr<SQLite::Statement> stmt;
        QStringList spalten;
    };
    // A prepared statement from the cache, reset and with the values bound.
    Vorbereitet& vorbereitet(const QString& sql, const QVariantList& werte);
    [[noreturn]] void fail(const SQLite::Exception& e) const;
    static SQLite::Database openDatabase(const QString& pfad, Zugriff zugriff);

    QString pfad_;
    SQLite::Database db_;
    // Statements are prepared once per connection: a look-up runs the same few on every key.
    QHash<QString, Vorbereitet> statements_;
};

// Double-quoted SQL identifier (table and field names; band tables begin with a digit).
QString quoteIdentifier(const QString& name);

} // namespace tarvex
