#include "ReferenceDatabase.h"

#include "FilePaths.h"
#include "common/UserError.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvex {

using namespace Qt::StringLiterals;

ReferenceFile::ReferenceFile(QString dateiname, QString verzeichnis, QStringList prüfungen)
    : dateiname_(std::move(dateiname))
    , verzeichnis_(std::move(verzeichnis))
    , prüfungen_(std::move(prüfungen))
{
}

ReferenceFile::~ReferenceFile()
{
    schließen();
}

void ReferenceFile::schließen()
{
    connection_.reset();
    if (zählerFd_ >= 0)
        ::close(zählerFd_);
    zählerFd_ = -1;
}

std::optional<ReferenceFile::Identity> ReferenceFile::identityOf(const QString& pfad, int fd)
{
    struct stat st {};
    if (::stat(QFile::encodeName(pfad).constData(), &st) != 0)
        return std::nullopt;
    Identity identity{static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino),
                      static_cast<qint64>(st.st_size),
                      static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                      static_cast<qint64>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
    // Times may not move between two writes in quick succession; the counter does.
    const int eigenes = fd >= 0 ? -1 : ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC);
    unsigned char zähler[4] = {};
    if (::pread(fd >= 0 ? fd : eigenes, zähler, sizeof zähler, 24) == sizeof zähler)
        identity.änderungen = quint32(zähler[0]) << 24 | quint32(zähler[1]) << 16 | quint32(zähler[2]) << 8 | zähler[3];
    if (eigenes >= 0)
        ::close(eigenes);
    return identity;
}

std::unique_ptr<Connection> ReferenceFile::öffnenUndPrüfen(const QString& pfad, const QString& ort,
                                                           bool& gesperrt) const
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
                            u"Programm benutzt. Bis sie frei ist, bleiben die Nachschlagefelder leer."_s
                                .arg(dateiname_, ort));
        }
        throw UserError(beschädigt);
    }
}

QString ReferenceFile::pfad() const
{
    const QDir dir = verzeichnis_.isEmpty() ? QDir::current() : QDir(verzeichnis_);
    return resolveCaseInsensitive(dir.filePath(dateiname_));
}

Connection& ReferenceFile::connection()
{
    // Every key asks several times: while the file on disk is the one opened,
    // a single stat of the opened path is all it costs.
    if (connection_) {
        const std::optional<Identity> identity = identityOf(offenerPfad_, zählerFd_);
        if (identity && *identity == offeneIdentität_)
            return *connection_;
    }
    const QDir dir = verzeichnis_.isEmpty() ? QDir::current() : QDir(verzeichnis_);
    // Relative to the working directory when no directory was given, so a
    // changed working directory shows as another file at the next stat.
    const QString pfad = resolveCaseInsensitive(verzeichnis_.isEmpty() ? dateiname_ : dir.filePath(dateiname_));
    const QString ort = QDir::toNativeSeparators(dir.absolutePath());
    const std::optional<Identity> identity = identityOf(pfad);
    if (!identity) {
        schließen();
        throw UserError(u"Die Referenzdatei %1 fehlt im Arbeitsverzeichnis %2. "
                        u"Ohne sie bleiben die Nachschlagefelder leer."_s
                            .arg(dateiname_, ort));
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

ContestDat::ContestDat(QString verzeichnis)
    : file_(u"CONTEST.DAT"_s, std::move(verzeichnis),
            {u"SELECT PREFIX, LAND FROM PREFIXE"_s, u"SELECT SQUARE, LAND FROM SQUARES"_s,
             u"SELECT CALL, LOCATORS FROM STATIONS"_s, u"SELECT LAND FROM COUNTRY"_s})
{
}

QString ContestDat::landFürPräfixe(const QStringList& präfixe)
{
    QStringList längsteZuerst;
    for (const QString& p : präfixe) {
        if (!p.isEmpty() && !längsteZuerst.contains(p))
            längsteZuerst.append(p);
    }
    std::stable_sort(längsteZuerst.begin(), längsteZuerst.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
    // The longest prefix is the most specific one (EA8 before EA); among equally
    // long ones the table's order decides. One point query per prefix: every key
    // asks this, and an IN list with a sort costs the engine far more.
    return file_.lesen([&](Connection& c) {
        QString land;
        qint64 ersteZeile = -1;
        qsizetype länge = -1;
        for (const QString& p : längsteZuerst) {
            if (!land.isNull() && p.size() < länge)
                break;
            const Rows rows = c.select(
                u"SELECT rowid, LAND FROM PREFIXE WHERE PREFIX=? COLLATE NOCASE ORDER BY rowid LIMIT 1"_s, {p});
            if (rows.zeilen.isEmpty())
                continue;
            const qint64 zeile = rows.zeilen.first().value(0).toLongLong();
            if (land.isNull() || zeile < ersteZeile) {
                const QVariant wert = rows.zeilen.first().value(1);
                land = wert.isNull() ? u""_s : wert.toString();
                ersteZeile = zeile;
                länge = p.size();
            }
        }
        return land.isNull() ? QString() : land;
    });
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

QList<std::pair<QString, QString>> ContestDat::stationenMitLocator(const QString& muster)
{
    QList<std::pair<QString, QString>> result;
    const Rows rows = file_.lesen([&](Connection& c) {
        return c.select(u"SELECT CALL,LOCATORS FROM STATIONS WHERE LOCATORS LIKE ? ORDER BY rowid"_s, {muster});
    });
    result.reserve(rows.zeilen.size());
    for (const QVariantList& r : rows.zeilen)
        result.append({r.value(0).toString(), r.value(1).toString()});
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

namespace {

const QString kCallInfoSpalten =
    u"rowid, Rufzeichen, Name, DOK, Ort, Notiz, QSLgesendet, QSLerhalten"_s;

// Files of earlier versions lack the two QSL columns; they are added on first edit.
void qslSpaltenSicherstellen(Connection& c)
{
    QStringList spalten;
    for (const QVariantList& zeile : c.select(u"PRAGMA table_info(CALLINFO)"_s).zeilen)
        spalten.append(zeile.value(1).toString().toLower());
    if (spalten.isEmpty())
        throw UserError(u"%1 hat keine Tabelle CALLINFO; ist das eine CALLINFO.MDB?"_s
                            .arg(QDir::toNativeSeparators(c.pfad())));
    for (const QString& spalte : {u"QSLgesendet"_s, u"QSLerhalten"_s}) {
        if (!spalten.contains(spalte.toLower()))
            c.exec(u"ALTER TABLE CALLINFO ADD COLUMN "_s + spalte + u" INTEGER NOT NULL DEFAULT 0"_s);
    }
}

QString text(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}

} // namespace

bool CallInfoDb::anlegenWennFehlend()
{
    const QString datei = pfad();
    if (QFileInfo::exists(datei))
        return false;
    Connection c(datei, Connection::Zugriff::Anlegen);
    c.guarded([&] {
        SQLite::Transaction transaktion(c.db());
        c.exec(u"CREATE TABLE CALLINFO(Rufzeichen TEXT, Name TEXT, DOK TEXT, Ort TEXT, Notiz TEXT, "
               u"QSLgesendet INTEGER NOT NULL DEFAULT 0, QSLerhalten INTEGER NOT NULL DEFAULT 0)"_s);
        c.exec(u"CREATE INDEX CALLINFO_RUFZEICHEN ON CALLINFO(Rufzeichen)"_s);
        transaktion.commit();
    });
    return true;
}

QList<CallInfoEintrag> CallInfoDb::einträge(const std::optional<QString>& muster)
{
    Connection c(file_.connection().pfad(), Connection::Zugriff::LesenSchreiben);
    qslSpaltenSicherstellen(c);
    const Rows rows = muster
        ? c.select(u"SELECT "_s + kCallInfoSpalten + u" FROM CALLINFO WHERE Rufzeichen LIKE ? ORDER BY rowid"_s,
                   {*muster})
        : c.select(u"SELECT "_s + kCallInfoSpalten + u" FROM CALLINFO ORDER BY rowid"_s);
    QList<CallInfoEintrag> result;
    result.reserve(rows.zeilen.size());
    for (const QVariantList& z : rows.zeilen) {
        result.append({z.value(0).toLongLong(), text(z.value(1)), text(z.value(2)), text(z.value(3)),
                       text(z.value(4)), text(z.value(5)), z.value(6).toInt() != 0, z.value(7).toInt() != 0});
    }
    return result;
}

qint64 CallInfoDb::speichern(const CallInfoEintrag& e)
{
    Connection c(file_.connection().pfad(), Connection::Zugriff::LesenSchreiben);
    qslSpaltenSicherstellen(c);
    const QVariantList werte{e.rufzeichen, e.name, e.dok, e.ort, e.notiz, e.qslGesendet ? 1 : 0,
                             e.qslErhalten ? 1 : 0};
    if (e.rowid < 0) {
        c.execute(u"INSERT INTO CALLINFO(Rufzeichen, Name, DOK, Ort, Notiz, QSLgesendet, QSLerhalten) "
                  u"VALUES(?, ?, ?, ?, ?, ?, ?)"_s,
                  werte);
        return c.db().getLastInsertRowid();
    }
    QVariantList mitRowid = werte;
    mitRowid.append(e.rowid);
    if (c.execute(u"UPDATE CALLINFO SET Rufzeichen=?, Name=?, DOK=?, Ort=?, Notiz=?, QSLgesendet=?, "
                  u"QSLerhalten=? WHERE rowid=?"_s,
                  mitRowid)
        == 0)
        throw UserError(u"Der Eintrag %1 steht nicht mehr in %2; er wurde nicht gespeichert."_s.arg(
            e.rufzeichen, QDir::toNativeSeparators(c.pfad())));
    return e.rowid;
}

} // namespace tarvex
