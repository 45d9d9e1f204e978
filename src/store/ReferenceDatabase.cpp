#include "ReferenceDatabase.h"

#include "FilePaths.h"
#include "common/UserError.h"

#include <QDir>
#include <sys/stat.h>

namespace tarvex {

using namespace Qt::StringLiterals;

ReferenceFile::ReferenceFile(QString dateiname, QString verzeichnis)
    : dateiname_(std::move(dateiname))
    , verzeichnis_(std::move(verzeichnis))
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

Connection& ReferenceFile::connection()
{
    const QDir dir = verzeichnis_.isEmpty() ? QDir::current() : QDir(verzeichnis_);
    const QString pfad = resolveCaseInsensitive(dir.filePath(dateiname_));
    const std::optional<Identity> identity = identityOf(pfad);
    if (!identity) {
        connection_.reset();
        throw UserError(u"Die Referenzdatei %1 fehlt im Arbeitsverzeichnis %2. "
                        u"Ohne sie bleiben die Nachschlagefelder leer."_s
                            .arg(dateiname_, QDir::toNativeSeparators(dir.absolutePath())));
    }
    if (!connection_ || pfad != offenerPfad_ || *identity != offeneIdentität_) {
        connection_ = std::make_unique<Connection>(pfad, Connection::Zugriff::NurLesen);
        offenerPfad_ = pfad;
        offeneIdentität_ = *identity;
    }
    return *connection_;
}

ContestDat::ContestDat(QString verzeichnis)
    : file_(u"CONTEST.DAT"_s, std::move(verzeichnis))
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
    const QVariant land = connection().scalar(
        u"SELECT LAND FROM PREFIXE WHERE PREFIX IN ("_s + placeholders
            + u") ORDER BY length(PREFIX) DESC, rowid"_s,
        werte);
    return land.isNull() ? QString() : land.toString();
}

bool ContestDat::landImSquare(const QString& square, const QString& land)
{
    return !connection()
                .scalar(u"SELECT LAND FROM SQUARES WHERE SQUARE=? AND LAND=? LIMIT 1"_s, {square, land})
                .isNull();
}

std::optional<QString> ContestDat::locators(const QString& call)
{
    const QVariant locs =
        connection().scalar(u"SELECT LOCATORS FROM STATIONS WHERE CALL=? ORDER BY rowid LIMIT 1"_s, {call});
    if (!locs.isValid())
        return std::nullopt;
    return locs.toString();
}

QStringList ContestDat::länder()
{
    QStringList result;
    for (const QVariantList& row : connection().select(u"SELECT LAND FROM COUNTRY ORDER BY rowid"_s).zeilen)
        result.append(row.value(0).toString());
    return result;
}

QList<std::pair<QString, QString>> ContestDat::stationenMitLocator(const QString& muster)
{
    QList<std::pair<QString, QString>> result;
    const Rows rows = connection().select(
        u"SELECT CALL,LOCATORS FROM STATIONS WHERE LOCATORS LIKE ? ORDER BY rowid"_s, {muster});
    result.reserve(rows.zeilen.size());
    for (const QVariantList& r : rows.zeilen)
        result.append({r.value(0).toString(), r.value(1).toString()});
    return result;
}

CallInfoDb::CallInfoDb(QString verzeichnis)
    : file_(u"CALLINFO.MDB"_s, std::move(verzeichnis))
{
}

QString CallInfoDb::name(const QString& rufzeichen)
{
    const QVariant name = file_.connection().scalar(
        u"SELECT Name FROM CALLINFO WHERE Rufzeichen=? ORDER BY rowid LIMIT 1"_s, {rufzeichen});
    return name.isNull() ? QString() : name.toString();
}

} // namespace tarvex
