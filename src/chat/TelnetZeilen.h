#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace tarvex {

// Turns what a telnet server sends into text lines. Option negotiation (IAC
// sequences) is taken out and every offer refused, so the server falls back to
// the plain line mode both the chat and the clusters use. A line longer than
// kLängste is cut there: a server that never sends a line end cannot make the
// buffer grow without end.
class TelnetZeilen {
public:
    static constexpr qsizetype kLängste = 2048;

    void anhängen(const QByteArray& daten);
    // The next complete line without its end ("\r\n", "\n\r", "\n", "\r"), or nothing yet.
    std::optional<QString> nächsteZeile();
    // What has come since the last line end: a prompt ("Login: ") has none.
    QString rest() const;
    void restVerwerfen() { zeile_.clear(); }
    // Refusals for the options the server offered; the caller sends them back.
    QByteArray antworten();
    void leeren();

    // UTF-8 when the bytes are valid UTF-8, Latin-1 otherwise.
    static QString text(const QByteArray& zeile);

private:
    enum class Zustand { Text, Iac, Option, Unterverhandlung, UnterIac };

    Zustand zustand_ = Zustand::Text;
    unsigned char befehl_ = 0;
    QByteArray zeile_;
    QByteArray fertig_; // complete lines, each ending in '\n'
    QByteArray antworten_;
    unsigned char umbruch_ = 0; // the line end just seen, so its partner is not a second one
};

} // namespace tarvex
