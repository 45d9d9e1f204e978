#include "MimeNachricht.h"

#include "common/UserError.h"

#include <QList>
#include <QLocale>
#include <QRandomGenerator>
#include <QTimeZone>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

QByteArray adresse(const QByteArray& kopf, const QByteArray& nachricht)
{
    // Folded header lines (long encoded names) are read as one.
    QByteArray köpfe = nachricht.left(nachricht.indexOf("\r\n\r\n"));
    köpfe.replace("\r\n ", " ").replace("\r\n\t", " ");
    for (const QByteArray& zeile : köpfe.split('\n')) {
        if (!zeile.startsWith(kopf))
            continue;
        const qsizetype auf = zeile.lastIndexOf('<');
        const qsizetype zu = zeile.lastIndexOf('>');
        if (auf >= 0 && zu > auf)
            return zeile.mid(auf + 1, zu - auf - 1);
    }
    return {};
}

// A line break in a header value would start a header line of its own (a Bcc:).
void ohneSteuerzeichen(const QString& text, const QString& was)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            throw UserError(u"%1 enthält einen Zeilenumbruch oder ein anderes Steuerzeichen; "
                            u"die E-Mail wurde nicht erstellt."_s.arg(was));
    }
}

bool nurAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7e)
            return false;
    }
    return true;
}

// RFC 2047: UTF-8 in base64 words of 64 characters at most (a parameter's line
// stays within 78), never splitting a character.
QList<QByteArray> kodierteWörter(const QString& text)
{
    QList<QByteArray> wörter;
    QByteArray stück;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray zeichen = text.mid(i, n).toUtf8();
        i += n - 1;
        if (stück.size() + zeichen.size() > 39) {
            wörter.append("=?UTF-8?B?" + stück.toBase64() + "?=");
            stück.clear();
        }
        stück += zeichen;
    }
    if (!stück.isEmpty())
        wörter.append("=?UTF-8?B?" + stück.toBase64() + "?=");
    return wörter;
}

// A quoted string of RFC 5322: quote and backslash get a backslash.
QByteArray inAnführungszeichen(const QString& text)
{
    QByteArray q = text.toLatin1();
    q.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + q + '"';
}

// A display name: plain when it is one atom, quoted when it holds specials or
// blanks, encoded words when it is not ASCII.
QByteArray anzeigename(const QString& name)
{
    if (!nurAscii(name))
        return kodierteWörter(name).join("\r\n ");
    static const QString besondere = u"()<>[]:;@\\,.\" "_s;
    for (const QChar c : name) {
        if (besondere.contains(c))
            return inAnführungszeichen(name);
    }
    return name.isEmpty() ? QByteArray("\"\"") : name.toLatin1();
}

// A parameter value (the attachment's name) always stands in quotes; one that is
// not ASCII holds encoded words there, as mail programs read them.
QByteArray parameterwert(const QString& wert)
{
    return nurAscii(wert) ? inAnführungszeichen(wert) : '"' + kodierteWörter(wert).join("\r\n ") + '"';
}

QByteArray unstrukturiert(const QString& text)
{
    return nurAscii(text) ? text.toLatin1() : kodierteWörter(text).join("\r\n ");
}

} // namespace

const QString MimeNachricht::kBetreff = u"Tarvex Log-Datei"_s;
const QString MimeNachricht::kEmpfängerName = u"QQ9QQ"_s;

QByteArray MimeNachricht::erstellen(const QString& von, const QString& an, const QString& anhangName,
    const QByteArray& anhang, const QDateTime& jetzt)
{
    ohneSteuerzeichen(von, u"Die Absenderadresse"_s);
    ohneSteuerzeichen(an, u"Die Empfängeradresse"_s);
    for (const auto& [wert, was] :
        { std::pair { von, u"Absenderadresse"_s }, std::pair { an, u"Empfängeradresse"_s } }) {
        if (wert.contains(u'<') || wert.contains(u'>') || wert.contains(u' '))
            throw UserError(
                u"Die %1 „%2“ ist keine E-Mail-Adresse; die E-Mail wurde nicht erstellt."_s.arg(was, wert));
    }
    ohneSteuerzeichen(anhangName, u"Der Name der angehängten Datei"_s);
    const QByteArray zufall = QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    const QByteArray grenze = "tarvex-" + zufall;
    const QByteArray name = parameterwert(anhangName);
    const QByteArray datum
        = QLocale::c().toString(jetzt.toUTC(), u"ddd, dd MMM yyyy hh:mm:ss '+0000'"_s).toLatin1();
    const QByteArray domäne = von.mid(von.indexOf(u'@') + 1).toUtf8();

    QByteArray m;
    m += "From: <" + von.toUtf8() + ">\r\n";
    m += "To: " + anzeigename(kEmpfängerName) + " <" + an.toUtf8() + ">\r\n";
    m += "Subject: " + unstrukturiert(kBetreff) + "\r\n";
    m += "Date: " + datum + "\r\n";
    m += "Message-ID: <" + QByteArray::number(jetzt.toSecsSinceEpoch()) + '.' + zufall + '@' + domäne
        + ">\r\n";
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
    m += "Content-Type: text/plain; charset=windows-1252;\r\n name=" + name + "\r\n";
    m += "Content-Transfer-Encoding: base64\r\n";
    m += "Content-Disposition: attachment;\r\n filename=" + name + "\r\n\r\n";
    const QByteArray b64 = anhang.toBase64();
    for (qsizetype i = 0; i < b64.size(); i += 76)
        m += b64.mid(i, 76) + "\r\n";
    m += "--" + grenze + "--\r\n";
    return m;
}

MimeNachricht::Umschlag MimeNachricht::umschlag(const QByteArray& nachricht)
{
    return { QString::fromUtf8(adresse("From:", nachricht)), QString::fromUtf8(adresse("To:", nachricht)) };
}

} // namespace tarvex
