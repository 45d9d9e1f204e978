#include "CurlMailSender.h"

#include "common/UserError.h"

#include <cstring>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

struct Upload {
    const QByteArray* daten;
    qsizetype gelesen = 0;
};

size_t lesen(char* puffer, size_t größe, size_t anzahl, void* userdata)
{
    auto* upload = static_cast<Upload*>(userdata);
    const qsizetype rest = upload->daten->size() - upload->gelesen;
    const auto n = static_cast<qsizetype>(std::min<size_t>(größe * anzahl, static_cast<size_t>(rest)));
    std::memcpy(puffer, upload->daten->constData() + upload->gelesen, static_cast<size_t>(n));
    upload->gelesen += n;
    return static_cast<size_t>(n);
}

int fortschritt(void* userdata, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<const std::atomic_bool*>(userdata)->load() ? 1 : 0;
}

QString curlGrund(CURLcode code)
{
    switch (code) {
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return u"die Antwort des Servers blieb aus"_s;
    case CURLE_SEND_ERROR:
        return u"das Senden brach ab"_s;
    case CURLE_WEIRD_SERVER_REPLY:
        return u"unverständliche Antwort des Servers"_s;
    case CURLE_REMOTE_ACCESS_DENIED:
        return u"der Server verweigert den Zugang"_s;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return u"Serveradresse ungültig"_s;
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_PEER_FAILED_VERIFICATION:
        return u"das Zertifikat des Servers ist nicht vertrauenswürdig"_s;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_USE_SSL_FAILED:
        return u"der Server bietet keine Verschlüsselung an oder sie schlug fehl"_s;
    case CURLE_SSL_CACERT_BADFILE:
        return u"die Zertifikate dieses Rechners fehlen"_s;
    default:
        return u"Fehler %1 der Verbindung"_s.arg(static_cast<int>(code));
    }
}

QString meldung(CURLcode code, const MailKonto& k, long antwort)
{
    // The server's reply code says more to the operator than libcurl's text.
    // libcurl's own texts are English; the operator gets the kind of failure.
    const QString detail = antwort >= 400 ? u"Antwort %1"_s.arg(antwort) : curlGrund(code);
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return u"Der Mailserver %1 wurde nicht gefunden."_s.arg(k.server);
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
        return u"Keine Verbindung zum Mailserver %1 (Port %2)."_s.arg(k.server).arg(k.port);
    case CURLE_LOGIN_DENIED:
        return u"Der Mailserver %1 hat die Anmeldung abgelehnt. Bitte Benutzername und Passwort prüfen."_s
            .arg(k.server);
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        return u"Die verschlüsselte Verbindung zum Mailserver %1 kam nicht zustande (%2)."_s.arg(
            k.server, detail);
    case CURLE_ABORTED_BY_CALLBACK:
        return u"Der Versand wurde abgebrochen."_s;
    default:
        return u"Der Mailserver %1 hat die Nachricht nicht angenommen (%2)."_s.arg(k.server, detail);
    }
}

} // namespace

CurlMailSender::CurlMailSender()
{
    // Not thread-safe in older libcurl: done once, before any worker starts.
    static std::once_flag einmal;
    std::call_once(einmal, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

void CurlMailSender::senden(const MailKonto& k, const QString& von, const QString& an,
    const QByteArray& nachricht, const std::atomic_bool& abbrechen)
{
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl)
        throw UserError(u"Der E-Mail-Versand kann nicht gestartet werden."_s);
    CURL* c = curl.get();

    const bool smtps = k.verschlüsselung == MailKonto::Verschlüsselung::SslTls;
    const QByteArray url = (smtps ? u"smtps://"_s : u"smtp://"_s).toUtf8() + k.server.trimmed().toUtf8() + ':'
        + QByteArray::number(k.port);
    const QByteArray mailFrom = '<' + von.toUtf8() + '>';
    const QByteArray rcptText = '<' + an.toUtf8() + '>';
    const QByteArray user = k.benutzer.toUtf8();
    const QByteArray pass = k.passwort.toUtf8();
    const QByteArray ca = k.caDatei.toUtf8();
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> rcpt(
        curl_slist_append(nullptr, rcptText.constData()), curl_slist_free_all);

    Upload upload { &nachricht };
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L); // runs in a worker thread
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 20L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, 300L);
    if (k.verschlüsselung == MailKonto::Verschlüsselung::StartTls)
        curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (!ca.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, ca.constData());
    if (!user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, pass.constData());
    }
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, mailFrom.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt.get());
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(nachricht.size()));
    curl_easy_setopt(c, CURLOPT_READFUNCTION, lesen);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, fortschritt);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, const_cast<std::atomic_bool*>(&abbrechen));

    const CURLcode code = curl_easy_perform(c);
    if (code != CURLE_OK) {
        long antwort = 0;
        curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &antwort);
        throw UserError(meldung(code, k, antwort));
    }
}

} // namespace tarvex
