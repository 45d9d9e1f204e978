#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace tarvex {

// The message to QQ9QQ as it is stored in the outbox and sent: RFC 5322 with
// CR LF, a plain text part and the exchange file attached in base64, so the
// attachment arrives byte for byte. Names and the subject are encoded (RFC 2047,
// quoted where RFC 5322 asks for it); a line break in an address or a name is
// refused with a UserError, so no value can add a header line.
class MimeNachricht {
public:
    static const QString kBetreff; // "Tarvex Log-Datei", also the text
    static const QString kEmpfängerName; // "QQ9QQ"

    static QByteArray erstellen(const QString& von, const QString& an, const QString& anhangName,
        const QByteArray& anhang, const QDateTime& jetzt);

    // Sender and recipient address as written into From and To.
    struct Umschlag {
        QString von;
        QString an;
    };
    static Umschlag umschlag(const QByteArray& nachricht);
};

} // namespace tarvex
