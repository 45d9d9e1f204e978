#pragma once
#include "QtPrinters.h"
#include "common/Prompter.h"

#include <QList>
#include <functional>

namespace tarvex::test {

// Answers message boxes from a script (default: the box's default button) and
// remembers every box shown, so tests can check texts, titles and icons.
class ScriptedPrompter final : public Prompter {
public:
    Meldung::Antwort zeige(const Meldung& meldung) override;
    // Input boxes take the scripted answers in turn (default: the preset);
    // std::nullopt stands for Cancel.
    std::optional<QString> frage(const Eingabefrage& frage) override;
    void antworteEingabe(std::optional<QString> antwort) { eingaben_.append(std::move(antwort)); }
    const QList<Eingabefrage>& gefragt() const { return gefragt_; }
    // File dialogs take the scripted paths in turn (default: cancelled).
    std::optional<QString> dateiWählen(const Dateiwahl& frage) override;
    void antworteDatei(std::optional<QString> pfad) { dateien_.append(std::move(pfad)); }
    const QList<Dateiwahl>& dateiFragen() const { return dateiFragen_; }

    void antworte(Meldung::Antwort antwort) { antworten_.append(antwort); }
    const QList<Meldung>& gezeigt() const { return gezeigt_; }
    QStringList texte() const;
    // The one box shown: with none or several a GoogleTest test fails here,
    // naming their texts, and gets an empty box.
    Meldung einzige() const;
    void vergiss() { gezeigt_.clear(); }
    // Called as each box appears, to look at the window behind it.
    std::function<void(const Meldung&)> beimZeigen;

private:
    QList<Meldung::Antwort> antworten_;
    QList<Meldung> gezeigt_;
    QList<std::optional<QString>> eingaben_;
    QList<Eingabefrage> gefragt_;
    QList<std::optional<QString>> dateien_;
    QList<Dateiwahl> dateiFragen_;
};

} // namespace tarvex::test
