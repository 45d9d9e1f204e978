#pragma once
#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tarvex::test {

// The local SMTP server of the mail tests (tests/support/smtp_test_server.py on
// aiosmtpd), listening on 127.0.0.1 while the object lives.
class SmtpTestServer {
public:
    // extra: further options of the script (--user, --tls, --refuse-first, --hold).
    SmtpTestServer(int port, const QString& ordner, const QStringList& extra = {});
    ~SmtpTestServer();

    static QString zertifikat();
    static QString schlüssel();

    int empfangen() const;
    QJsonObject nachricht(int n) const; // 1-based
    QByteArray anhang(int n) const;
    // Lets a server started with --hold answer.
    void freigeben();

private:
    QString ordner_;
    QProcess prozess_;
};

} // namespace tarvex::test
