#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace tarvex {

// A row of the STATIONS table of CONTEST.DAT: the call the look-up asks for and
// the stored LOCATORS text, the locators separated by one blank, so the n-th
// begins at character 7(n-1)+1.

// Portable prefix part and core call, in capitals (DL1ABC/P → DL1ABC, OE/DL1ABC stays).
QString stationsCall(const QString& call);

// The locators of a LOCATORS text, whatever the separator, in capitals and each
// once. A piece that is no six-character locator (a cut-off last one, "JO3") is
// passed over.
QStringList locatorsZerlegen(const QString& locators);
QString locatorsZusammensetzen(const QStringList& locators);

// What the look-up offers of a call: the STATIONS row as stored, then the locators a bulk
// import of published logs brought that the row lacks. Nothing when neither knows the call.
std::optional<QString> bekannteLocators(
    const std::optional<QString>& stations, const std::optional<QString>& importiert);

// A six-character locator, "JO31AB".
bool sechsstelligerLocator(const QString& locator);
bool sechsstelligerLocator(QLatin1StringView locator);

} // namespace tarvex
