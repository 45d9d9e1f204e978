#pragma once
#include "Connection.h"
#include "QsoRecord.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace tarvex {

// Quoted name of a band table; UserError for a name that is not in the band list.
QString bandTabelleSql(const QString& band);

// One row of a band table as the log list shows it: the rowid, then every field in stored order.
struct LogZeile {
    qint64 rowid = 0;
    QVariantList werte;
};

// Reads contacts from a statement whose columns from the given one on are a
// band table's fields in stored order. Kommentar and QSL are found by name:
// tables of older versions lack them.
class QsoLeser {
public:
    QsoLeser(SQLite::Statement& stmt, int erste);
    QsoRecord lesen() const;
    // The same into a record read before: texts that fit where the previous ones
    // were take their place, so walking a band does not allocate each field anew.
    void lesenIn(QsoRecord& q) const;

private:
    const SQLite::Column& spalte(int index) const;
    void text(int index, QString& ziel) const;

    SQLite::Statement& stmt_;
    int erste_ = 0;
    int kommentar_ = -1;
    int qsl_ = -1;
    // A column handle reads whatever row the statement is on: taken at the first
    // row and kept, instead of a new one (and its shared count) per field and row.
    mutable std::vector<SQLite::Column> spalten_;
};

// The contacts of one band table. Every field list, insert and row mapping of
// a band table is here.
class BandTabelle {
public:
    BandTabelle(Connection& connection, const QString& band);

    // Every field of a contact in stored order, the text cut to its width, so
    // no field ever holds more than the layout allows.
    static QVariantList werte(const QsoRecord& q);

    // Appends the row inside the caller's transaction; returns its rowid.
    qint64 einfügen(const QsoRecord& q);
    // Appends the contacts in stored order in one transaction: all or none.
    // Returns the rowid of the first contact added (0 for none).
    qint64 importieren(const QList<QsoRecord>& qsos);
    // Nummer to Land of every contact in stored order, one at a time.
    void durchlaufen(const std::function<void(const QsoRecord&)>& je);
    void ändern(qint64 rowid, const QsoRecord& q);
    std::optional<QsoRecord> qso(qint64 rowid);
    QList<QsoRecord> qsos();
    std::optional<qint64> letzteRowid();
    void löschen(qint64 rowid);
    void ungültigErklären(qint64 rowid);

    QStringList spalten();
    QList<qint64> rowids();
    QList<LogZeile> zeilen(qint64 vonRowid, qint64 bisRowid);
    QList<LogZeile> suchen(const QString& muster);
    QList<LogZeile> frühere(const QString& kernCall, const QString& locator);

private:
    QList<QsoRecord> leseQsos(const QString& sql, const QVariantList& werte);
    QList<LogZeile> leseZeilen(const QString& sql, const QVariantList& werte);

    Connection& connection_;
    QString tabelle_;
};

} // namespace tarvex
