#include "Grossschreibung.h"

namespace tarvex {

QString großschreiben(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A letter beyond the first plane is one pair; a lone half stays as it is.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t groß = QChar::toUpper(QChar::surrogateToUcs4(c, text[i + 1]));
            result += QChar::highSurrogate(groß);
            result += QChar::lowSurrogate(groß);
            ++i;
            continue;
        }
        result += c.toUpper();
    }
    return result;
}

} // namespace tarvex
