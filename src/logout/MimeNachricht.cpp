#include "MimeNachricht.h"

#include <QList>
#include <QLocale>
#include <QRandomGenerator>
#include <QTimeZone>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

QByteArray adresse(const QByteArray& kopf, const QByteArray& nachricht)
{
    const qsizetype ende = nachricht.indexOf("\r\n\r\n");
    for (const QByteArray& zeile : nachricht.left(ende).split('\n')) {
        if (!zeile.startsWith(kopf))
            continue;
        const qsizetype auf = zeile.lastIndexOf('<');
        const qsizetype zu = zeile.lastIndexOf('>');
        if (auf >= 0 && zu > auf)
            return zeile.mid(auf + 1, zu - auf - 1);
    }
    return {};
}

} // namespace

const QString MimeNachricht::kBetreff = u"Tarvex Log-Datei"_s;
const QString MimeNachricht::kEmpfängerName = u"QQ9QQ"_s;

QByteArray MimeNachricht::erstellen(const QString& von, const QString& an, const QString& anhangName,
                                    const QByteArray& anhang, const QDateTime& jetzt)
{
    const QByteArray zufall = QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    const QByteArray grenze = "tarvex-" + zufall;
    const QByteArray name = anhangName.toUtf8();
    const QByteArray datum =
        QLocale::c().toString(jetzt.toUTC(), u"ddd, dd MMM yyyy hh:mm:ss '+0000'"_s).toLatin1();
    const QByteArray domäne = von.mid(von.indexOf(u'@') + 1).toUtf8();

    QByteArray m;
    m += "From: <" + von.toUtf8() + ">\r\n";
    m += "To: \"" + kEmpfängerName.toUtf8() + "\" <" + an.toUtf8() + ">\r\n";
    m += "Subject: " + kBetreff.toUtf8() + "\r\n";
    m += "Date: " + datum + "\r\n";
    m += "Message-ID: <" + QByteArray::number(jetzt.toSecsSinceEpoch()) + '.' + zufall + '@' + domäne + ">\r\n";
    m += "MIME-Version: 1.0\r\n";
    m += "X-Mailer: Tarvex V3.0\r\n";
    m += "Content-Type: multipart/mixed; boundary=\"" + grenze + "\"\r\n";
    m += "\r\n";
    m += "--" + grenze + "\r\n";
    m += "Content-Type: text/plain; charset=utf-8\r\n";
    m += "Content-Transfer-Encoding: 7bit\r\n\r\n";
    m += kBetreff.toUtf8() + "\r\n";
    m += "--" + grenze + "\r\n";
    // The exchange file is Windows-1252 text; base64 keeps its bytes and CR LF.
    m += "Content-Type: text/plain; charset=windows-1252; name=\"" + name + "\"\r\n";
    m += "Content-Transfer-Encoding: base64\r\n";
    m += "Content-Disposition: attachment; filename=\"" + name + "\"\r\n\r\n";
    const QByteArray b64 = anhang.toBase64();
    for (qsizetype i = 0; i < b64.size(); i += 76)
        m += b64.mid(i, 76) + "\r\n";
    m += "--" + grenze + "--\r\n";
    return m;
}

MimeNachricht::Umschlag MimeNachricht::umschlag(const QByteArray& nachricht)
{
    return {QString::fromUtf8(adresse("From:", nachricht)), QString::fromUtf8(adresse("To:", nachricht))};
}

} // namespace tarvex
