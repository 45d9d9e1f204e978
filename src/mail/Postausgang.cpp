#include "Postausgang.h"

#include "MailKonto.h"
#include "MailSender.h"
#include "MimeNachricht.h"
#include "common/AtomicTextFile.h"
#include "common/SystemFehler.h"
#include "common/UserError.h"
#include "common/VerzeichnisSichern.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <cerrno>

namespace tarvex {

using namespace Qt::StringLiterals;

const QString Postausgang::kOrdner = u"Postausgang"_s;

Postausgang::Postausgang(const QString& ordner)
    : ordner_(QDir(ordner).absolutePath())
{
}

QString Postausgang::ablegen(const QByteArray& nachricht, const QString& anhangName, const QDateTime& jetzt)
{
    QDir dir(ordner_);
    if (!dir.exists() && !QDir().mkpath(ordner_))
        throw UserError(
            u"Der Postausgang %1 kann nicht angelegt werden."_s.arg(QDir::toNativeSeparators(ordner_)));
    const QString stamm = jetzt.toString(u"yyyyMMdd-hhmmss"_s) + u'-' + anhangName;
    QString pfad = dir.filePath(stamm + u".eml"_s);
    for (int n = 2; QFile::exists(pfad); ++n)
        pfad = dir.filePath(stamm + u'-' + QString::number(n) + u".eml"_s);
    // Filed means on disk: the file is synced before it gets its name, and its
    // name is synced with the folder; a message that might be lost is not filed.
    const QString nichtAbgelegt = u"\nDie E-Mail wurde nicht im Postausgang abgelegt und nicht gesendet."_s;
    try {
        AtomicTextFile datei(pfad);
        datei.writeRaw(nachricht);
        datei.commit();
    } catch (const UserError& e) {
        throw UserError(e.meldung() + nichtAbgelegt);
    }
    if (!verzeichnisSichern(ordner_)) {
        const int errnum = errno;
        QFile::remove(pfad);
        throw UserError(u"Der Postausgang %1 kann nicht gesichert werden: %2."_s.arg(
                            QDir::toNativeSeparators(ordner_), systemFehler(errnum))
            + nichtAbgelegt);
    }
    return pfad;
}

QStringList Postausgang::nachrichten() const
{
    const QDir dir(ordner_);
    QStringList result;
    for (const QString& name : dir.entryList({ u"*.eml"_s }, QDir::Files, QDir::Name))
        result.append(dir.filePath(name));
    return result;
}

Postausgang::Bericht Postausgang::senden(
    MailSender& sender, const MailKonto& konto, const std::atomic_bool& abbrechen)
{
    Bericht bericht;
    // A second Tarvex sending the same folder would deliver messages twice.
    QLockFile sperre(QDir(ordner_).filePath(u".senden.lock"_s));
    if (QDir(ordner_).exists() && !sperre.tryLock(0)) {
        bericht.übrig = static_cast<int>(nachrichten().size());
        bericht.fehler = u"Der Postausgang wird gerade von einem anderen Tarvex gesendet."_s;
        return bericht;
    }
    const QStringList offen = nachrichten();
    for (qsizetype i = 0; i < offen.size(); ++i) {
        try {
            QFile datei(offen[i]);
            if (!datei.open(QIODevice::ReadOnly))
                throw UserError(u"Die Nachricht %1 kann nicht gelesen werden."_s.arg(offen[i]));
            const QByteArray nachricht = datei.readAll();
            datei.close();
            const MimeNachricht::Umschlag umschlag = MimeNachricht::umschlag(nachricht);
            sender.senden(konto, umschlag.von, umschlag.an, nachricht, abbrechen);
            if (!QFile::remove(offen[i]))
                throw UserError(
                    u"Die gesendete Nachricht %1 kann nicht aus dem Postausgang entfernt werden."_s.arg(
                        offen[i]));
            ++bericht.gesendet;
        } catch (const UserError& e) {
            bericht.fehler = e.meldung();
            bericht.übrig = static_cast<int>(offen.size() - i);
            break;
        }
    }
    return bericht;
}

} // namespace tarvex
