#pragma once
#include "Connection.h"
#include "common/UserError.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace tarvex {

// A reference file in the working directory, opened read-only by its bare name.
// The connection is kept between look-ups but reopened when the file on disk
// has been replaced or changed (device, inode, size, times, the engine's change
// counter): the engine reads it without locks, so this check is what notices a
// writer. Opening checks the file (the statements in prüfungen must compile,
// PRAGMA quick_check must pass), with locks: a missing, unreadable, damaged or
// locked file is a UserError naming it, so callers treat all of them alike. A
// damaged file is not checked again until it changes on disk.
class Referenzdatei {
public:
    explicit Referenzdatei(QString dateiname, QString verzeichnis = {}, QStringList prüfungen = {});
    ~Referenzdatei();
    Referenzdatei(const Referenzdatei&) = delete;
    Referenzdatei& operator=(const Referenzdatei&) = delete;
    Connection& connection();
    const QString& dateiname() const { return dateiname_; }
    // Where the file is or would be, resolved without regard to case.
    QString pfad() const;

    // After this program wrote the file through a connection of its own: the look-up
    // reads the new content without checking the file again, which on a large file
    // would cost the next key. Writers take the path from connection(), which checked
    // the file just before; a change by someone else in that moment goes unchecked.
    void eigeneÄnderungÜbernehmen();

    // Runs a read on the connection. When it fails, the file is checked afresh,
    // so a file damaged or locked meanwhile gives the same message as at opening.
    template <class F> auto lesen(F&& f) -> decltype(f(std::declval<Connection&>()))
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
    std::unique_ptr<Connection> öffnenUndPrüfen(
        const QString& pfad, const QString& ort, bool& gesperrt) const;

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

} // namespace tarvex
