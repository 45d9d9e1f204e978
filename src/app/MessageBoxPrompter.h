#pragma once
#include "common/Prompter.h"

#include <QList>

class QWidget;

namespace tarvex {

// Shows the core's messages as native modal message boxes.
class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr);
    Meldung::Antwort zeige(const Meldung& meldung) override;
    std::optional<QString> frage(const Eingabefrage& frage) override;
    std::optional<QString> dateiWählen(const Dateiwahl& frage) override;
    QStringList dateienWählen(const Dateiwahl& frage) override;
    void setParent(QWidget* parent) { parent_ = parent; }

    // Boxes open now (nested through their event loops) and the notes waiting for them.
    int offen() const { return offen_; }

private:
    Meldung::Antwort zeigeJetzt(const Meldung& meldung);

    QWidget* parent_;
    int offen_ = 0;
    QList<Meldung> später_;
};

} // namespace tarvex
