#include "ZeichenValidator.h"

namespace tarvex {

ZeichenValidator::ZeichenValidator(Regel regel, QObject* parent)
    : QValidator(parent)
    , regel_(std::move(regel))
{
}

QValidator::State ZeichenValidator::validate(QString& input, int& pos) const
{
    // The rules decide each character by what precedes it, so the text before
    // the cursor maps onto the start of the result and the cursor stays put.
    const QString gefiltert = regel_(input);
    if (gefiltert != input) {
        pos = static_cast<int>(regel_(input.left(pos)).size());
        input = gefiltert;
    }
    return Acceptable;
}

void ZeichenValidator::fixup(QString& input) const
{
    input = regel_(input);
}

} // namespace tarvex
