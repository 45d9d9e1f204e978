#include "StationsEintrag.h"

#include "CallSign.h"

#include <QRegularExpression>

namespace tarvex {

using namespace Qt::StringLiterals;

QString stationsCall(const QString& call)
{
    const QString c = call.trimmed().toUpper();
    return präfixTeil(c) + Kern2(c);
}

bool sechsstelligerLocator(const QString& locator)
{
    static const QRegularExpression muster(u"^[A-R]{2}[0-9]{2}[A-X]{2}$"_s);
    return muster.match(locator).hasMatch();
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
    return locators.join(u' ');
}

} // namespace tarvex
