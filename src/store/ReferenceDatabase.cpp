#include "ReferenceDatabase.h"

#include "FilePaths.h"
#include "common/UserError.h"

#include <QDir>
#include <QSet>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>
#include <sys/stat.h>

namespace tarvex {

using namespace Qt::StringLiterals;

ReferenceFile::ReferenceFile(QString dateiname, QString verzeichnis, QStringList prüfungen)
    : dateiname_(std::move(dateiname))
    , verzeichnis_(std::move(verzeichnis))
    , prüfungen_(std::move(prüfungen))
{
}

std::optional<ReferenceFile::Identity> ReferenceFile::identityOf(const QString& pfad)
{
    struct stat st {};
    if (::stat(QFile::encodeName(pfad).constData(), &st) != 0)
        return std::nullopt;
    return Identity{static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino),
                    static_cast<qint64>(st.st_size),
                    static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

std::unique_ptr<Connection> ReferenceFile::öffnenUndPrüfen(const QString& pfad, const QString& ort,
                                                           bool& gesperrt) const
{
    const QString beschädigt = u"Die Referenzdatei %1 im Arbeitsverzeichnis %2 ist nicht lesbar oder "
                               u"beschädigt. Tarvex liest sie nicht; bis sie ersetzt ist, bleiben die "
                               u"Nachschlagefelder leer. Wenn Sie die Datei löschen, kopiert Tarvex beim "
                               u"nächsten Start die mitgelieferte hinein."_s.arg(dateiname_, ort);
    std::unique_ptr<Connection> c;
    try {
        c = std::make_unique<Connection>(pfad, Connection::Zugriff::NurLesen);
    } catch (const UserError&) {
        throw UserError(beschädigt);
    }
    try {
        // A writer of the file holds its lock only briefly; the entry must not hang on it.
        c->db().setBusyTimeout(250);
        for (const QString& sql : prüfungen_)
            SQLite::Statement(c->db(), sql.toStdString());
        SQLite::Statement check(c->db(), "PRAGMA quick_check");
        if (!check.executeStep() || check.getColumn(0).getString() != "ok")
            throw UserError(beschädigt);
    } catch (const SQLite::Exception& e) {
        const int code = e.getErrorCode() & 0xff;
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
            gesperrt = true;
            throw UserError(u"Die Referenzdatei %1 im Arbeitsverzeichnis %2 wird gerade von einem anderen "
                            u"Programm benutzt. Bis sie frei ist, bleiben die Nachschlagefelder leer."_s
                                .arg(dateiname_, ort));
        }
        throw UserError(beschädigt);
    }
    return c;
}

Connection& ReferenceFile::connection()
{
    const QDir dir = verzeichnis_.isEmpty() ? QDir::current() : QDir(verzeichnis_);
    const QString pfad = resolveCaseInsensitive(dir.filePath(dateiname_));
    const QString ort = QDir::toNativeSeparators(dir.absolutePath());
    const std::optional<Identity> identity = identityOf(pfad);
    if (!identity) {
        connection_.reset();
        throw UserError(u"Die Referenzdatei %1 fehlt im Arbeitsverzeichnis %2. "
                        u"Ohne sie bleiben die Nachschlagefelder leer."_s
                            .arg(dateiname_, ort));
    }
    if (!connection_ || pfad != offenerPfad_ || *identity != offeneIdentität_) {
        connection_.reset();
        if (defekteIdentität_ && *defekteIdentität_ == *identity && pfad == offenerPfad_)
            throw UserError(defektMeldung_);
        offenerPfad_ = pfad;
        defekteIdentität_.reset();
        bool gesperrt = false;
        try {
            connection_ = öffnenUndPrüfen(pfad, ort, gesperrt);
        } catch (const UserError& e) {
            // A locked file is tried again at the next look-up; a damaged one only once it changes.
            if (!gesperrt) {
                defekteIdentität_ = identity;
                defektMeldung_ = e.meldung();
            }
            throw;
        }
        offeneIdentität_ = *identity;
    }
    return *connection_;
}

ContestDat::ContestDat(QString verzeichnis)
    : file_(u"CONTEST.DAT"_s, std::move(verzeichnis),
            {u"SELECT PREFIX, LAND FROM PREFIXE"_s, u"SELECT SQUARE, LAND FROM SQUARES"_s,
             u"SELECT CALL, LOCATORS FROM STATIONS"_s, u"SELECT LAND FROM COUNTRY"_s})
{
}

QString ContestDat::landFürPräfixe(const QStringList& präfixe)
{
    QStringList wanted;
    for (const QString& p : präfixe) {
        if (!p.isEmpty())
            wanted.append(p);
    }
    if (wanted.isEmpty())
        return {};
    QString placeholders = u"?"_s;
    for (qsizetype i = 1; i < wanted.size(); ++i)
        placeholders += u",?"_s;
    QVariantList werte;
    for (const QString& p : wanted)
        werte.append(p);
    // The longest prefix is the most specific one (EA8 before EA); ties keep table order.
    const QVariant land = file_.lesen([&](Connection& c) {
        return c.scalar(u"SELECT LAND FROM PREFIXE WHERE PREFIX COLLATE NOCASE IN ("_s + placeholders
                            + u") ORDER BY length(PREFIX) DESC, rowid"_s,
                        werte);
    });
    return land.isNull() ? QString() : land.toString();
}

bool ContestDat::landImSquare(const QString& square, const QString& land)
{
    // Without regard to case, also for the umlauts that NOCASE leaves alone (ÖSTERREICH).
    const Rows rows = file_.lesen([&](Connection& c) {
        return c.select(u"SELECT LAND FROM SQUARES WHERE SQUARE=? COLLATE NOCASE"_s, {square});
    });
    for (const QVariantList& row : rows.zeilen) {
        if (row.value(0).toString().compare(land, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

std::optional<QString> ContestDat::locators(const QString& call)
{
    const QVariant locs = file_.lesen([&](Connection& c) {
        return c.scalar(u"SELECT LOCATORS FROM STATIONS WHERE CALL=? ORDER BY rowid LIMIT 1"_s, {call});
    });
    if (!locs.isValid())
        return std::nullopt;
    return locs.toString();
}

QStringList ContestDat::länder()
{
    QStringList result;
    const Rows rows = file_.lesen([](Connection& c) { return c.select(u"SELECT LAND FROM COUNTRY ORDER BY rowid"_s); });
    // A country written twice in different case is offered once, where it first appears.
    QSet<QString> gesehen;
    for (const QVariantList& row : rows.zeilen) {
        const QString land = row.value(0).toString();
        if (!gesehen.contains(land.toCaseFolded())) {
            gesehen.insert(land.toCaseFolded());
            result.append(land);
        }
    }
    return result;
}

CallInfoDb::CallInfoDb(QString verzeichnis)
    : file_(u"CALLINFO.MDB"_s, std::move(verzeichnis), {u"SELECT Rufzeichen, Name FROM CALLINFO"_s})
{
}

QString CallInfoDb::name(const QString& rufzeichen)
{
    const QVariant name = file_.lesen([&](Connection& c) {
        return c.scalar(u"SELECT Name FROM CALLINFO WHERE Rufzeichen=? ORDER BY rowid LIMIT 1"_s, {rufzeichen});
    });
    return name.isNull() ? QString() : name.toString();
}

} // namespace tarvex
