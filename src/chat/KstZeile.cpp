#include "KstZeile.h"

#include "Textmuster.h"
#include "entry/CallSign.h"

#include <QList>

namespace tarvex::kst {

using namespace Qt::StringLiterals;

namespace {

QList<QStringView> wörter(QStringView text)
{
    QList<QStringView> w;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        qsizetype j = i;
        while (j < text.size() && !text[j].isSpace())
            ++j;
        if (j > i)
            w.append(text.mid(i, j - i));
        i = j;
    }
    return w;
}

bool zeit(QStringView w)
{
    if (w.size() != 5 || (w[4] != u'Z' && w[4] != u'z'))
        return false;
    for (int i = 0; i < 4; ++i) {
        if (!w[i].isDigit() || w[i].unicode() > u'9')
            return false;
    }
    return w.left(2).toInt() < 24 && w.mid(2, 2).toInt() < 60;
}

} // namespace

Aufforderung aufforderung(QStringView zeile)
{
    const QString t = zeile.trimmed().toString().toLower();
    if (t.isEmpty() || t.size() > 80)
        return Aufforderung::Keine;
    if (t.startsWith(u"your choice"_s))
        return Aufforderung::Raum;
    if (t.endsWith(u"password:"_s))
        return Aufforderung::Passwort;
    if (t.endsWith(u"login:"_s) || t.endsWith(u"your call:"_s) || t.endsWith(u"callsign:"_s))
        return Aufforderung::Rufzeichen;
    return Aufforderung::Keine;
}

std::optional<Nachricht> nachricht(QStringView zeile)
{
    const QStringView t = zeile.trimmed();
    const qsizetype raum1 = t.indexOf(u' ');
    if (raum1 != 5 || !zeit(t.left(5)))
        return std::nullopt;
    const QStringView nachZeit = t.mid(raum1).trimmed();
    qsizetype raum2 = nachZeit.indexOf(u' ');
    const qsizetype pfeil = nachZeit.indexOf(u'>');
    if (pfeil < 0)
        return std::nullopt;
    // "DL1ABC>" without name: the call ends at the arrow.
    if (raum2 < 0 || raum2 > pfeil)
        raum2 = pfeil;
    Nachricht n;
    n.zeit = t.left(4).toString();
    n.call = nachZeit.left(raum2).toString();
    if (!istRufzeichen(n.call))
        return std::nullopt;
    n.name = nachZeit.mid(raum2, pfeil - raum2).trimmed().toString();
    QStringView text = nachZeit.mid(pfeil + 1).trimmed();
    if (text.startsWith(u'(')) {
        const qsizetype zu = text.indexOf(u')');
        if (zu > 0 && istRufzeichen(text.mid(1, zu - 1))) {
            n.an = text.mid(1, zu - 1).toString();
            text = text.mid(zu + 1).trimmed();
        }
    }
    n.text = text.toString();
    return n;
}

std::optional<Nutzer> nutzer(QStringView zeile)
{
    const QList<QStringView> w = wörter(zeile);
    if (w.isEmpty() || !istRufzeichen(w[0]))
        return std::nullopt;
    Nutzer u;
    u.call = w[0].toString();
    // The locator is the first word that is one, brackets around it or not;
    // the other words are the name, in whichever order the list gives them.
    QStringList name;
    for (qsizetype i = 1; i < w.size(); ++i) {
        QStringView wort = w[i];
        while (!wort.isEmpty() && (wort.front() == u'(' || wort.front() == u'['))
            wort = wort.mid(1);
        while (!wort.isEmpty() && (wort.back() == u')' || wort.back() == u']'))
            wort.chop(1);
        if (u.locator.isEmpty() && istLocator6(wort))
            u.locator = wort.toString().toUpper();
        else
            name.append(w[i].toString());
    }
    u.name = name.join(u' ');
    return u;
}

bool erwähnt(const Nachricht& n, const QString& eigenerCall)
{
    const QString kern = Kern2(eigenerCall.toUpper());
    if (kern.isEmpty())
        return false;
    if (!n.an.isEmpty() && Kern2(n.an.toUpper()) == kern)
        return true;
    // Words in the text are split at anything that cannot be part of a call.
    const QString text = n.text.toUpper();
    qsizetype i = 0;
    while (i < text.size()) {
        const auto teil = [&](qsizetype k) {
            const QChar c = text[k];
            return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'/';
        };
        if (!teil(i)) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < text.size() && teil(j))
            ++j;
        if (Kern2(text.mid(i, j - i)) == kern)
            return true;
        i = j;
    }
    return false;
}

} // namespace tarvex::kst
