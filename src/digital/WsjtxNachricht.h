#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <variant>

namespace tarvex {

// The datagrams WSJT-X sends to its UDP server, as far as the log needs them.
// Big-endian QDataStream encoding: magic, schema (2 or 3), type, id, fields.
namespace wsjtx {

constexpr quint32 kMagie = 0xadbccbda;
constexpr quint16 kStandardPort = 2237;
// Longer datagrams are dropped unread; a contact takes a few hundred bytes.
constexpr qsizetype kGrößte = 16 * 1024;

enum Art : quint32 {
    Herzschlag = 0,
    Status = 1,
    QsoGeloggt = 5,
    Ende = 6,
    AdifGeloggt = 12,
};

struct HerzschlagNachricht {
    QString id;
};

struct StatusNachricht {
    QString id;
    quint64 frequenz = 0; // dial frequency, Hz
    QString mode;
    QString dxCall;
    QString dxGrid; // empty when an older sender has no such field
};

// A contact the operator accepted in WSJT-X's log dialog.
struct Kontakt {
    QString id;
    QDateTime zeitEnde; // UTC
    QString dxCall;
    QString dxGrid;
    quint64 frequenz = 0; // Tx frequency, Hz
    QString mode;
    QString rapportGesendet;
    QString rapportErhalten;
    QString kommentar;
    QString austauschGesendet; // empty when the sender predates the field
    QString austauschErhalten;
};

struct EndeNachricht {
    QString id;
};

using Nachricht = std::variant<HerzschlagNachricht, StatusNachricht, Kontakt, EndeNachricht>;

// Nothing for a datagram that is not one of these, is damaged or is too long;
// unknown types and fields after the known ones are ignored as the format asks.
// The ADIF record WSJT-X sends beside each contact is one of the ignored: the
// contact comes once, from its own message.
std::optional<Nachricht> lesen(const QByteArray& datagramm);

} // namespace wsjtx
} // namespace tarvex
