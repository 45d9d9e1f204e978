#include "MailVersand.h"

#include "MailEinstellungen.h"
#include "MailSender.h"
#include "MimeNachricht.h"
#include "common/Clock.h"
#include "common/Prompter.h"
#include "common/UserError.h"

#include <QFile>
#include <QThread>
#include <utility>

namespace tarvex {

using namespace Qt::StringLiterals;

MailVersand::MailVersand(Settings& settings, MailSender& sender, Prompter& prompter, Clock& clock,
    const QString& ordner, QObject* parent)
    : QObject(parent)
    , settings_(settings)
    , sender_(sender)
    , prompter_(prompter)
    , clock_(clock)
    , postausgang_(ordner)
{
    connect(this, &MailVersand::transferDone, this, &MailVersand::fertig, Qt::QueuedConnection);
}

MailVersand::~MailVersand()
{
    if (worker_) {
        abbrechen_ = true;
        worker_->wait();
        delete worker_;
    }
}

int MailVersand::wartend() const
{
    return static_cast<int>(postausgang_.nachrichten().size());
}

bool MailVersand::eMailSenden(const QString& datei)
{
    try {
        const MailKonto konto = MailEinstellungen::lesen(settings_);
        if (const QString fehlt = MailEinstellungen::fehlendeAngaben(konto); !fehlt.isEmpty())
            throw UserError(fehlt + u"\nDie EXP-Datei %1 wurde nicht gesendet."_s.arg(datei));
        // The settings file may have been edited by hand.
        if (const QString falsch = MailEinstellungen::prüfen(konto); !falsch.isEmpty())
            throw UserError(falsch + u"\nDie EXP-Datei %1 wurde nicht gesendet."_s.arg(datei));
        QFile anhang(datei);
        if (!anhang.open(QIODevice::ReadOnly))
            throw UserError(
                u"Die Datei %1 kann nicht gelesen werden; sie wurde nicht gesendet."_s.arg(datei));
        const QByteArray nachricht = MimeNachricht::erstellen(
            konto.absender.trimmed(), konto.empfänger.trimmed(), datei, anhang.readAll(), clock_.jetzt());
        postausgang_.ablegen(nachricht, datei, clock_.jetzt());
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(e.meldung()));
        return false;
    }
    starten(Anlass::Mail);
    return true;
}

void MailVersand::postausgangSenden()
{
    if (!sendetGerade() && wartend() == 0) {
        prompter_.zeige(hinweisMeldung(u"Der Postausgang ist leer."_s));
        return;
    }
    starten(Anlass::Menü);
}

void MailVersand::beimStartSenden()
{
    if (wartend() > 0)
        starten(Anlass::Start);
}

void MailVersand::starten(Anlass anlass)
{
    if (worker_) {
        nochmal_ = true;
        // A request of the operator is reported even when the start-up run was first.
        if (anlass != Anlass::Start)
            anlass_ = anlass;
        return;
    }
    anlass_ = anlass;
    const MailKonto konto = MailEinstellungen::lesen(settings_);
    if (const QString fehlt = MailEinstellungen::fehlendeAngaben(konto); !fehlt.isEmpty()) {
        fertig(0, wartend(), fehlt);
        return;
    }
    worker_ = QThread::create([this, konto] {
        Postausgang ausgang = postausgang_;
        const Postausgang::Bericht b = ausgang.senden(sender_, konto, abbrechen_);
        emit transferDone(b.gesendet, b.übrig, b.fehler);
    });
    worker_->start();
}

void MailVersand::fertig(int gesendetJetzt, int übrig, const QString& fehler)
{
    if (worker_) {
        worker_->wait();
        delete worker_;
        worker_ = nullptr;
    }
    const Anlass anlass = anlass_;
    summe_ += gesendetJetzt;
    if (nochmal_) {
        nochmal_ = false;
        starten(anlass);
        return;
    }
    // Runs chained while one was busy are reported as one.
    const int gesendet = std::exchange(summe_, 0);
    const bool ok = fehler.isEmpty();
    if (ok) {
        if (gesendet > 0 || anlass != Anlass::Start) {
            prompter_.zeige(
                hinweisMeldung(gesendet == 1 ? u"Die E-Mail an QQ9QQ wurde gesendet."_s
                                             : u"%1 E-Mails an QQ9QQ wurden gesendet."_s.arg(gesendet)));
        }
    } else {
        const QString wiederholung = u" beim nächsten Programmstart oder mit „Postausgang senden“ "
                                     u"(Menü „Optionen“) erneut gesendet."_s;
        const QString bleibt = übrig == 1 ? u"Die E-Mail bleibt im Postausgang und wird"_s
                                          : u"%1 E-Mails bleiben im Postausgang und werden"_s.arg(übrig);
        const QString text = gesendet > 0
            ? u"%1 E-Mails wurden gesendet, dann schlug der Versand fehl: %2\n"_s.arg(
                QString::number(gesendet), fehler)
            : u"Die E-Mail konnte nicht gesendet werden: %1\n"_s.arg(fehler);
        prompter_.zeige(fehlerMeldung(text + bleibt + wiederholung));
    }
    emit reported(ok);
}

} // namespace tarvex
