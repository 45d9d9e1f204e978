#include "Referenzdatei.h"

#include "FilePaths.h"

#include <QDir>
#include <QFile>
#include <SQLiteCpp/Statement.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvex {

using namespace Qt::StringLiterals;

Referenzdatei::Referenzdatei(QString dateiname, QString verzeichnis, QStringList prüfungen)
    : dateiname_(std::move(dateiname))
    , verzeichnis_(std::move(verzeichnis))
    , prüfungen_(std::move(prüfungen))
{
}

Referenzdatei::~Referenzdatei()
{
    schließen();
}

void Referenzdatei::schließen()
{
    connection_.reset();
    if (zählerFd_ >= 0)
        ::close(zählerFd_);
    zählerFd_ = -1;
}

std::optional<Referenzdatei::Identity> Referenzdatei::identityOf(const QString& pfad, int fd)
{
    struct stat st { };
    if (::stat(QFile::encodeName(pfad).constData(), &st) != 0)
        return std::nullopt;
    Identity identity { static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino),
        static_cast<qint64>(st.st_size),
        static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
        static_cast<qint64>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec };
    // Times may not move between two writes in quick succession; the counter does.
    const int eigenes = fd >= 0 ? -1 : ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC);
    unsigned char zähler[4] = {};
    if (::pread(fd >= 0 ? fd : eigenes, zähler, sizeof zähler, 24) == sizeof zähler)
        identity.änderungen
            = quint32(zähler[0]) << 24 | quint32(zähler[1]) << 16 | quint32(zähler[2]) << 8 | zähler[3];
    if (eigenes >= 0)
        ::close(eigenes);
    return identity;
}

std::unique_ptr<Connection> Referenzdatei::öffnenUndPrüfen(
    const QString& pfad, const QString& ort, bool& gesperrt) const
{
    const QString beschädigt = u"Die Referenzdatei %1 im Arbeitsverzeichnis %2 ist nicht lesbar oder "
                               u"beschädigt. Tarvex liest sie nicht; bis sie ersetzt ist, bleiben die "
                               u"Nachschlagefelder leer. Wenn Sie die Datei löschen, kopiert Tarvex beim "
                               u"nächsten Start die mitgelieferte hinein."_s.arg(dateiname_, ort);
    try {
        // Checked with locks, so a writer at work shows; read without them,
        // since every key asks several times.
        std::optional<Connection> prüfung;
        try {
            prüfung.emplace(pfad, Connection::Zugriff::NurLesen);
        } catch (const UserError&) {
            throw UserError(beschädigt);
        }
        // A writer of the file holds its lock only briefly; the entry must not hang on it.
        prüfung->db().setBusyTimeout(250);
        for (const QString& sql : prüfungen_)
            SQLite::Statement(prüfung->db(), sql.toStdString());
        SQLite::Statement check(prüfung->db(), "PRAGMA quick_check");
        if (!check.executeStep() || check.getColumn(0).getString() != "ok")
            throw UserError(beschädigt);
        return std::make_unique<Connection>(pfad, Connection::Zugriff::Nachschlagen);
    } catch (const SQLite::Exception& e) {
        const int code = e.getErrorCode() & 0xff;
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
            gesperrt = true;
            throw UserError(u"Die Referenzdatei %1 im Arbeitsverzeichnis %2 wird gerade von einem anderen "
                            u"Programm benutzt. Bis sie frei ist, bleiben die Nachschlagefelder leer."_s.arg(
                                dateiname_, ort));
        }
        throw UserError(beschädigt);
    }
}

void Referenzdatei::eigeneÄnderungÜbernehmen()
{
    if (!connection_)
        return;
    const std::optional<Identity> identity = identityOf(offenerPfad_, zählerFd_);
    if (!identity || *identity == offeneIdentität_)
        return;
    try {
        // Immutable: the engine must forget the pages it read before the change.
        connection_ = std::make_unique<Connection>(connection_->pfad(), Connection::Zugriff::Nachschlagen);
        offeneIdentität_ = *identity;
    } catch (const UserError&) {
        // Opened and checked afresh at the next look-up.
        schließen();
    }
}

QString Referenzdatei::pfad() const
{
    const QDir dir = verzeichnis_.isEmpty() ? QDir::current() : QDir(verzeichnis_);
    return resolveCaseInsensitive(dir.filePath(dateiname_));
}

Connection& Referenzdatei::connection()
{
    // Every key asks several times: while the file on disk is the one opened,
    // a stat and a 4-byte read are all it costs.
    if (connection_) {
        const std::optional<Identity> identity = identityOf(offenerPfad_, zählerFd_);
        if (identity && *identity == offeneIdentität_)
            return *connection_;
    }
    const QDir dir = verzeichnis_.isEmpty() ? QDir::current() : QDir(verzeichnis_);
    // Relative to the working directory when no directory was given, so a
    // changed working directory shows as another file at the next stat.
    const QString pfad
        = resolveCaseInsensitive(verzeichnis_.isEmpty() ? dateiname_ : dir.filePath(dateiname_));
    const QString ort = QDir::toNativeSeparators(dir.absolutePath());
    const std::optional<Identity> identity = identityOf(pfad);
    if (!identity) {
        schließen();
        throw UserError(u"Die Referenzdatei %1 fehlt im Arbeitsverzeichnis %2. "
                        u"Ohne sie bleiben die Nachschlagefelder leer."_s.arg(dateiname_, ort));
    }
    if (!connection_ || pfad != offenerPfad_ || *identity != offeneIdentität_) {
        schließen();
        if (defekteIdentität_ && *defekteIdentität_ == *identity && pfad == offenerPfad_)
            throw UserError(defektMeldung_);
        offenerPfad_ = pfad;
        defekteIdentität_.reset();
        bool gesperrt = false;
        try {
            connection_ = öffnenUndPrüfen(dir.absoluteFilePath(pfad), ort, gesperrt);
        } catch (const UserError& e) {
            // A locked file is tried again at the next look-up; a damaged one only once it changes.
            if (!gesperrt) {
                defekteIdentität_ = identity;
                defektMeldung_ = e.meldung();
            }
            throw;
        }
        offeneIdentität_ = *identity;
        zählerFd_ = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC);
    }
    return *connection_;
}

} // namespace tarvex
