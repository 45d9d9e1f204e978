#include "SmtpTestServer.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <stdexcept>

namespace tarvex::test {

using namespace Qt::StringLiterals;

SmtpTestServer::SmtpTestServer(int port, const QString& ordner, const QStringList& extra)
    : ordner_(ordner)
{
    QDir().mkpath(ordner);
    prozess_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    prozess_.start(QStringLiteral(TARVEX_PYTHON3),
        QStringList {
            QStringLiteral(TARVEX_SMTP_SERVER), u"--dir"_s, ordner, u"--port"_s, QString::number(port) }
            + extra);
    if (!prozess_.waitForStarted(10000))
        throw std::runtime_error("SMTP-Testserver startet nicht");
    while (!prozess_.canReadLine()) {
        if (!prozess_.waitForReadyRead(20000))
            throw std::runtime_error("SMTP-Testserver meldet sich nicht");
    }
    if (prozess_.readLine().trimmed() != "READY")
        throw std::runtime_error("SMTP-Testserver ist nicht bereit");
}

SmtpTestServer::~SmtpTestServer()
{
    prozess_.closeWriteChannel();
    if (!prozess_.waitForFinished(10000))
        prozess_.kill();
    prozess_.waitForFinished(2000);
}

QString SmtpTestServer::zertifikat()
{
    return QStringLiteral(TARVEX_TEST_DATA "/smtp/cert.pem");
}

QString SmtpTestServer::schlüssel()
{
    return QStringLiteral(TARVEX_TEST_DATA "/smtp/key.pem");
}

int SmtpTestServer::empfangen() const
{
    return static_cast<int>(QDir(ordner_).entryList({ u"*.json"_s }, QDir::Files).size());
}

QJsonObject SmtpTestServer::nachricht(int n) const
{
    QFile datei(QDir(ordner_).filePath(QString::number(n) + u".json"_s));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(datei.readAll()).object();
}

QByteArray SmtpTestServer::anhang(int n) const
{
    QFile datei(QDir(ordner_).filePath(QString::number(n) + u".att"_s));
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void SmtpTestServer::freigeben()
{
    QFile datei(QDir(ordner_).filePath(u"release"_s));
    datei.open(QIODevice::WriteOnly);
}

} // namespace tarvex::test
