#pragma once
#include "common/Prompter.h"

class QWidget;

namespace tarvex {

// Shows the core's messages as native modal message boxes.
class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr);
    Meldung::Antwort zeige(const Meldung& meldung) override;
    std::optional<QString> frage(const Eingabefrage& frage) override;
    void setParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_;
};

} // namespace tarvex
