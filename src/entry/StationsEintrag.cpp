#include "StationsEintrag.h"

#include "CallSign.h"

namespace tarvex {

using namespace Qt::StringLiterals;

QString stationsCall(const QString& call)
{
    const QString c = call.trimmed().toUpper();
    return präfixTeil(c) + Kern2(c);
}

namespace {

// Asked once per contact of an import: a character test, not a pattern.
template <typename Text> bool sechsstellig(const Text& locator)
{
    const auto in = [&](qsizetype i, char16_t von, char16_t bis) {
        const char16_t c = locator[i].unicode();
        return c >= von && c <= bis;
    };
    return locator.size() == 6 && in(0, u'A', u'R') && in(1, u'A', u'R') && in(2, u'0', u'9')
        && in(3, u'0', u'9') && in(4, u'A', u'X') && in(5, u'A', u'X');
}

} // namespace

bool sechsstelligerLocator(const QString& locator)
{
    return sechsstellig(locator);
}

bool sechsstelligerLocator(QLatin1StringView locator)
{
    return sechsstellig(locator);
}

QStringList locatorsZerlegen(const QString& locators)
{
    QStringList liste;
    for (qsizetype i = 0; i < locators.size(); i += 7) {
        const QString loc = locators.mid(i, 6).toUpper();
        if (sechsstelligerLocator(loc) && !liste.contains(loc))
            liste.append(loc);
    }
    return liste;
}

QString locatorsZusammensetzen(const QStringList& locators)
{
    // Most stations have one: then it is the text itself, without a copy.
    if (locators.size() == 1)
        return locators.first();
    return locators.join(u' ');
}

std::optional<QString> bekannteLocators(
    const std::optional<QString>& stations, const std::optional<QString>& importiert)
{
    if (!importiert)
        return stations;
    if (!stations)
        return importiert;
    QStringList locators = locatorsZerlegen(*stations);
    const qsizetype vorher = locators.size();
    // The look-up offers three: imported ones fill up what the stored row leaves free.
    for (const QString& loc : locatorsZerlegen(*importiert)) {
        if (locators.size() >= 3)
            break;
        if (!locators.contains(loc))
            locators.append(loc);
    }
    // The stored text stays as it is when the import adds nothing.
    return locators.size() == vorher ? stations : locatorsZusammensetzen(locators);
}

} // namespace tarvex
