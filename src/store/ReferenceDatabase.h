#pragma once
#include "Connection.h"
#include "common/UserError.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace tarvex {

// A reference file in the working directory, opened read-only by its bare name.
// The connection is kept between look-ups but reopened when the file on disk
// has been replaced or changed (device, inode, size, modification and change
// times): the engine reads it without locks, so this check is what notices a writer. Opening checks the file (the statements in
// prüfungen must compile, PRAGMA quick_check must pass): a missing, unreadable,
// damaged or locked file is a UserError naming it, so callers treat all of them
// alike. A damaged file is not checked again until it changes on disk.
class ReferenceFile {
public:
    explicit ReferenceFile(QString dateiname, QString verzeichnis = {}, QStringList prüfungen = {});
    ~ReferenceFile();
    ReferenceFile(const ReferenceFile&) = delete;
    ReferenceFile& operator=(const ReferenceFile&) = delete;
    Connection& connection();
    const QString& dateiname() const { return dateiname_; }
    // Where the file is or would be, resolved without regard to case.
    QString pfad() const;

    // Runs a read on the connection. When it fails, the file is checked afresh,
    // so a file damaged or locked meanwhile gives the same message as at opening.
    template <class F>
    auto lesen(F&& f) -> decltype(f(std::declval<Connection&>()))
    {
        Connection& c = connection();
        try {
            return f(c);
        } catch (const UserError&) {
            schließen();
            connection();
            throw;
        }
    }

private:
    struct Identity {
        quint64 device = 0, inode = 0;
        qint64 size = 0, mtimeNs = 0, ctimeNs = 0;
        quint32 änderungen = 0; // the engine's change counter, bumped by every commit
        bool operator==(const Identity&) const = default;
    };
    // The counter is read through fd when given (the open file), else by opening pfad.
    static std::optional<Identity> identityOf(const QString& pfad, int fd = -1);
    void schließen();
    std::unique_ptr<Connection> öffnenUndPrüfen(const QString& pfad, const QString& ort, bool& gesperrt) const;

    QString dateiname_;
    QString verzeichnis_;
    QStringList prüfungen_;
    std::unique_ptr<Connection> connection_;
    int zählerFd_ = -1; // the open file, for its change counter
    QString offenerPfad_;
    Identity offeneIdentität_;
    std::optional<Identity> defekteIdentität_;
    QString defektMeldung_;
};

// CONTEST.DAT: prefixes, countries per large square, known stations, country list.
class ContestDat {
public:
    explicit ContestDat(QString verzeichnis = {});

    // Country of the longest of the given prefixes that PREFIXE holds; empty when none.
    // Prefixes, squares and countries compare without regard to case.
    QString landFürPräfixe(const QStringList& präfixe);
    bool landImSquare(const QString& square, const QString& land);
    // LOCATORS of a known station, or nothing when the call is not listed.
    std::optional<QString> locators(const QString& call);
    QStringList länder();
    // Known stations whose LOCATORS match the operator's pattern ("*", "?"):
    // call and locator entry, in stored order.
    QList<std::pair<QString, QString>> stationenMitLocator(const QString& muster);

    Connection& connection() { return file_.connection(); }
    QString pfad() const { return file_.pfad(); }

private:
    ReferenceFile file_;
};

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

    // Editing through the call-info window, each on its own writable connection.
    // Creates an empty CALLINFO.MDB when there is none; true when it did.
    bool anlegenWennFehlend();
    // All entries, or those whose call matches the operator's pattern; stored order.
    QList<CallInfoEintrag> einträge(const std::optional<QString>& muster = std::nullopt);
    // Inserts an entry without rowid, else replaces the stored one; returns the rowid.
    qint64 speichern(const CallInfoEintrag& eintrag);

private:
    ReferenceFile file_;
};

} // namespace tarvex
