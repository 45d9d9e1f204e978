#pragma once
#include <QValidator>
#include <functional>

namespace tarvex {

// Puts every change of a line edit (key, paste, middle click, context menu)
// through the core's accepted-character rule for that field, so no way of
// entering text bypasses it. The rule maps a whole text to what the field takes.
class ZeichenValidator : public QValidator {
    Q_OBJECT
public:
    using Regel = std::function<QString(const QString&)>;
    explicit ZeichenValidator(Regel regel, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    Regel regel_;
};

} // namespace tarvex
