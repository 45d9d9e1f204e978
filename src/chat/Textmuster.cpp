#include "Textmuster.h"

#include <QList>

namespace tarvex {

namespace {

bool buchstabe(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

bool ziffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool alnum(QChar c)
{
    return ziffer(c) || (c.toUpper() >= u'A' && c.toUpper() <= u'Z');
}

} // namespace

bool istRufzeichen(QStringView text)
{
    if (text.size() < 3 || text.size() > 15 || text.startsWith(u'/') || text.endsWith(u'/'))
        return false;
    bool hatBuchstabe = false;
    bool hatZiffer = false;
    for (QChar c : text) {
        if (buchstabe(c))
            hatBuchstabe = true;
        else if (ziffer(c))
            hatZiffer = true;
        else if (c != u'/')
            return false;
    }
    return hatBuchstabe && hatZiffer;
}

bool istLocator6(QStringView text)
{
    if (text.size() != 6)
        return false;
    const auto in = [](QChar c, char16_t von, char16_t bis) {
        const QChar g = c.toUpper();
        return g >= QChar(von) && g <= QChar(bis);
    };
    return in(text[0], u'A', u'R') && in(text[1], u'A', u'R') && ziffer(text[2]) && ziffer(text[3])
        && in(text[4], u'A', u'X') && in(text[5], u'A', u'X');
}

QString locatorIn(QStringView text)
{
    // Words are runs of letters and digits; "<" and ">" are remembered so that
    // the locator after "<TR>" wins over the spotter's before it.
    QString erster;
    bool nachKlammer = false;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == u'>')
            nachKlammer = true;
        if (!alnum(text[i])) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < text.size() && alnum(text[j]))
            ++j;
        const QStringView wort = text.mid(i, j - i);
        if (istLocator6(wort)) {
            if (nachKlammer)
                return wort.toString().toUpper();
            if (erster.isEmpty())
                erster = wort.toString().toUpper();
        }
        i = j;
    }
    return erster;
}

} // namespace tarvex
