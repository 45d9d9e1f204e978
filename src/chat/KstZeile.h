#pragma once
#include <QString>
#include <QStringView>
#include <optional>

namespace tarvex {

// The lines of the ON4KST chat's telnet access and the prompts of both the chat
// and the DX clusters.
namespace kst {

// The chat's published telnet access.
inline const QString kServer = QStringLiteral("www.on4kst.info");
constexpr quint16 kPort = 23000;
// Room 2 is 144/432 MHz, the one most VHF/UHF contests use.
constexpr int kRaum = 2;

enum class Aufforderung {
    Keine,
    Rufzeichen, // "Login:", "login:", "Please enter your call:"
    Passwort, // "Password:"
    Raum, // "Your choice :" below the list of rooms
};
// What a prompt asks for; the prompt may be a line or the rest without line end.
Aufforderung aufforderung(QStringView zeile);

// "1342Z DL1ABC Hans> text" or, addressed with "/CQ DL2XYZ text",
// "1342Z DL1ABC Hans> (DL2XYZ) text".
struct Nachricht {
    QString zeit; // "1342"
    QString call;
    QString name;
    QString an; // the addressee of a "/CQ", or ""
    QString text;
};
std::optional<Nachricht> nachricht(QStringView zeile);

// One line of the user list "/SH US" asks for: the call first, then locator
// and name as the user set them ("DL1ABC JO31AB Hans", "DL1ABC Hans (JO31AB)").
// The locator may be missing; outside a list only a line with one counts.
struct Nutzer {
    QString call;
    QString locator; // upper case, or ""
    QString name;
};
std::optional<Nutzer> nutzer(QStringView zeile);

// Does the message name the own call, as addressee or anywhere in the text as a
// word? Compared without portable prefix or suffix ("DL1ABC/P" is DL1ABC).
bool erwähnt(const Nachricht& n, const QString& eigenerCall);

} // namespace kst
} // namespace tarvex
