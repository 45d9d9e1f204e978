#pragma once
#include <QString>
#include <stdexcept>

namespace tarvex {

// A failure the operator must be told about, carrying the German message to show.
// Thrown by the store and file code; caught where a window can show it.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& meldung)
        : std::runtime_error(meldung.toStdString())
        , meldung_(meldung)
    {
    }
    const QString& meldung() const noexcept { return meldung_; }

private:
    QString meldung_;
};

// A piece of a damaged file as a message quotes it: short, and every character
// that cannot be shown replaced, so binary junk never fills the box.
inline QString auszug(const QString& text, qsizetype höchstens = 20)
{
    QString ergebnis;
    for (const QChar c : text.left(höchstens))
        ergebnis += c.isPrint() ? c : QChar(u'?');
    return text.size() > höchstens ? ergebnis + u'…' : ergebnis;
}

} // namespace tarvex
