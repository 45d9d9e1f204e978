#include "InputLine.h"

namespace tarvex {

std::optional<QChar> eingabeZeichen(const QString& zeileBisher, QChar getippt)
{
    QChar c = getippt;
    if (!zeileBisher.startsWith(u"K.") && !zeileBisher.startsWith(u"K:"))
        c = c.toUpper();
    if (c == u'-')
        c = u'/';
    const char16_t u = c.unicode();
    const bool erlaubt = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9')
        || u == u'/' || u == u':' || u == u'.' || u == u'*' || u == u'?' || u == u'+' || u == u' ';
    if (!erlaubt)
        return std::nullopt;
    return c;
}

QString eingabeFiltern(const QString& zeile)
{
    QString ergebnis;
    ergebnis.reserve(zeile.size());
    for (const QChar c : zeile) {
        if (const std::optional<QChar> z = eingabeZeichen(ergebnis, c))
            ergebnis.append(*z);
    }
    return ergebnis;
}

QStringList zeileZerlegen(const QString& zeile)
{
    if (zeile.isEmpty())
        return { QString() };
    QStringList tokens;
    QString rest = zeile;
    while (!rest.isEmpty()) {
        const qsizetype blank = rest.indexOf(u' ');
        if (blank < 0) {
            tokens.append(rest);
            break;
        }
        tokens.append(rest.left(blank));
        rest = rest.mid(blank + 1);
    }
    return tokens;
}

QString rstText(RstVorgabe rst)
{
    switch (rst) {
    case RstVorgabe::R59:
        return QStringLiteral("59");
    case RstVorgabe::R599:
        return QStringLiteral("599");
    case RstVorgabe::Keine:
        break;
    }
    return {};
}

QString plusKürzel(const QString& token, RstVorgabe rst)
{
    if (!token.startsWith(u'+'))
        return token;
    QString nummer = token.mid(1);
    if (nummer.size() < 3)
        nummer = nummer.rightJustified(nummer.isEmpty() ? 2 : 3, u'0');
    return rstText(rst) + nummer;
}

} // namespace tarvex
