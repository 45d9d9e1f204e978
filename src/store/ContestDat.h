#pragma once
#include "Referenzdatei.h"

#include <QList>
#include <optional>
#include <utility>

namespace tarvex {

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
    // LOCATORS that a bulk import of published logs brought for the call (LOGSTATIONS),
    // or nothing when it brought none or the file has no such table.
    std::optional<QString> importierteLocators(const QString& call);
    QStringList länder();
    // Known stations whose LOCATORS match the operator's pattern ("*", "?"):
    // call and locator entry, in stored order; then those only a bulk import brought, by call.
    QList<std::pair<QString, QString>> stationenMitLocator(const QString& muster);

    Connection& connection() { return file_.connection(); }
    void eigeneÄnderungÜbernehmen() { file_.eigeneÄnderungÜbernehmen(); }
    QString pfad() const { return file_.pfad(); }

private:
    Referenzdatei file_;
};

} // namespace tarvex
