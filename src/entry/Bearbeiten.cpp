#include "Bearbeiten.h"

#include "CallSign.h"
#include "Locator.h"

namespace tarvex::Bearbeiten {

std::optional<QChar> zeichen(Feld feld, QChar getippt)
{
    const QChar c = getippt.toUpper();
    const bool buchstabe = c >= u'A' && c <= u'Z';
    const bool ziffer = c >= u'0' && c <= u'9';
    switch (feld) {
    case Feld::Call:
        return buchstabe || ziffer || c == u'/' || c == u':' ? std::optional(c) : std::nullopt;
    case Feld::Locator:
        return buchstabe || ziffer ? std::optional(c) : std::nullopt;
    case Feld::RstGeg:
    case Feld::RstErh:
        return ziffer ? std::optional(c) : std::nullopt;
    case Feld::Uhrzeit:
        return ziffer || c == u':' ? std::optional(c) : std::nullopt;
    case Feld::Sonstiges:
        break;
    }
    // A line break or tab in a stored field would break every line-based output.
    return getippt.category() == QChar::Other_Control ? std::nullopt : std::optional(getippt);
}

QString filtern(Feld feld, const QString& text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (const QChar c : text) {
        if (const std::optional<QChar> z = zeichen(feld, c))
            ergebnis.append(*z);
    }
    return ergebnis;
}

std::optional<QsoRecord> abschließen(
    QsoRecord q, const QString& eigenerLocator, const std::function<QString(const QString&)>& land)
{
    if (q.locator.size() != 6)
        return std::nullopt;
    const Strecke s = Abstand(eigenerLocator, q.locator);
    q.punkte = QString::number(s.km);
    q.winkel = QString::number(s.winkel);
    q.land = land(q.rufzeichen);
    if (q.land.isEmpty())
        q.land = QStringLiteral(" ");
    q.square = q.locator.left(4);
    q.kernCall = Kern2(q.rufzeichen);
    if (q.kommentar.isEmpty())
        q.kommentar = QStringLiteral(" ");
    return q;
}

} // namespace tarvex::Bearbeiten
