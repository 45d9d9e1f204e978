#pragma once
#include "Referenzdatei.h"

#include <QList>
#include <optional>

namespace tarvex {

// One entry of CALLINFO as the call-info window edits it.
struct CallInfoEintrag {
    qint64 rowid = -1; // -1 until stored
    QString rufzeichen;
    QString name;
    QString dok;
    QString ort;
    QString notiz;
    bool qslGesendet = false;
    bool qslErhalten = false;

    friend bool operator==(const CallInfoEintrag&, const CallInfoEintrag&) = default;
};

// CALLINFO.MDB: what the operator keeps about other stations.
class CallInfoDb {
public:
    explicit CallInfoDb(QString verzeichnis = {});
    QString name(const QString& rufzeichen);
    Connection& connection() { return file_.connection(); }
    QString pfad() const { return file_.pfad(); }

    // Creates an empty CALLINFO.MDB when there is none; true when it did.
    bool anlegenWennFehlend();
    // All entries, or those whose call matches the operator's pattern; stored order.
    // Read-only, so the entries can be browsed on a full disk or in a protected folder.
    QList<CallInfoEintrag> einträge(const std::optional<QString>& muster = std::nullopt);
    // On its own writable connection. Inserts an entry without rowid, else replaces the stored one; returns
    // the rowid.
    qint64 speichern(const CallInfoEintrag& eintrag);

private:
    Referenzdatei file_;
};

} // namespace tarvex
