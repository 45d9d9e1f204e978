#pragma once
#include "Connection.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace tarvex {

// A reference file in the working directory, opened read-only by its bare name.
// The connection is kept between look-ups but reopened when the file on disk
// has been replaced or changed. A missing file is a UserError naming it.
class ReferenceFile {
public:
    explicit ReferenceFile(QString dateiname, QString verzeichnis = {});
    Connection& connection();
    const QString& dateiname() const { return dateiname_; }

private:
    struct Identity {
        quint64 device = 0, inode = 0;
        qint64 size = 0, mtimeNs = 0;
        bool operator==(const Identity&) const = default;
    };
    static std::optional<Identity> identityOf(const QString& pfad);

    QString dateiname_;
    QString verzeichnis_;
    std::unique_ptr<Connection> connection_;
    QString offenerPfad_;
    Identity offeneIdentität_;
};

// CONTEST.DAT: prefixes, countries per large square, known stations, country list.
class ContestDat {
public:
    explicit ContestDat(QString verzeichnis = {});

    // Country of the longest of the given prefixes that PREFIXE holds; empty when none.
    QString landFürPräfixe(const QStringList& präfixe);
    bool landImSquare(const QString& square, const QString& land);
    // LOCATORS of a known station, or nothing when the call is not listed.
    std::optional<QString> locators(const QString& call);
    QStringList länder();
    // Known stations whose LOCATORS match the operator's pattern ("*", "?"):
    // call and locator entry, in stored order.
    QList<std::pair<QString, QString>> stationenMitLocator(const QString& muster);

    Connection& connection() { return file_.connection(); }

private:
    ReferenceFile file_;
};

// CALLINFO.MDB: what the operator keeps about other stations.
class CallInfoDb {
public:
    explicit CallInfoDb(QString verzeichnis = {});
    QString name(const QString& rufzeichen);
    Connection& connection() { return file_.connection(); }

private:
    ReferenceFile file_;
};

} // namespace tarvex
