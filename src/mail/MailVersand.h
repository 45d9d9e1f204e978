#pragma once
#include "Postausgang.h"

#include <QObject>
#include <QString>
#include <atomic>

class QThread;

namespace tarvex {

class Clock;
class MailSender;
class Prompter;
class Settings;

// Mailing the exchange file (`eMailSenden`) and the outbox without blocking
// the window: the message is filed in the outbox at once, the transfer runs on
// a worker thread, and its result comes back to the UI thread through a queued
// signal, where the operator is told whether the mail went out or stays in the
// outbox. One transfer at a time; a request during a transfer runs after it.
class MailVersand : public QObject {
    Q_OBJECT
public:
    MailVersand(Settings& settings, MailSender& sender, Prompter& prompter, Clock& clock,
        const QString& ordner = Postausgang::kOrdner, QObject* parent = nullptr);
    // Ends a running transfer early and waits for the worker.
    ~MailVersand() override;

    // Files a message to QQ9QQ with the given file (relative to the working
    // directory) attached, then sends the outbox. Returns false (and tells the
    // operator why) when the mail settings are incomplete or the file cannot be read.
    bool eMailSenden(const QString& datei);
    // The menu entry "Postausgang senden"; tells the operator when it is empty.
    void postausgangSenden();
    // At start-up: sends waiting messages and says nothing when there are none.
    void beimStartSenden();

    int wartend() const;
    bool sendetGerade() const { return worker_ != nullptr; }

signals:
    // Worker → UI thread (queued).
    void transferDone(int sent, int left, const QString& error);
    // After the operator has been told; ok = nothing left in the outbox.
    void reported(bool ok);

private:
    enum class Anlass { Mail, Menü, Start };
    void starten(Anlass anlass);
    void fertig(int gesendet, int übrig, const QString& fehler);

    Settings& settings_;
    MailSender& sender_;
    Prompter& prompter_;
    Clock& clock_;
    Postausgang postausgang_;
    QThread* worker_ = nullptr;
    std::atomic_bool abbrechen_ { false };
    Anlass anlass_ = Anlass::Mail;
    bool nochmal_ = false;
    int summe_ = 0;
};

} // namespace tarvex
