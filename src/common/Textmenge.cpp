#include "Textmenge.h"

namespace tarvex {

std::optional<KurzerText> KurzerText::aus(QStringView text)
{
    if (text.size() > 16)
        return std::nullopt;
    KurzerText k;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == 0 || c > 0x7f)
            return std::nullopt;
        (i < 8 ? k.vorn : k.hinten) |= quint64(c) << (8 * (7 - i % 8));
    }
    return k;
}

std::string KurzerText::text() const
{
    std::string t;
    for (int i = 0; i < 16; ++i) {
        const auto c = static_cast<char>(((i < 8 ? vorn : hinten) >> (8 * (7 - i % 8))) & 0xff);
        if (c == 0)
            break;
        t += c;
    }
    return t;
}

void Textmenge::einfügen(const QString& text)
{
    if (const std::optional<KurzerText> k = KurzerText::aus(text))
        kurz_.insert(*k);
    else
        lang_.insert(text);
}

bool Textmenge::enthält(const QString& text) const
{
    if (const std::optional<KurzerText> k = KurzerText::aus(text))
        return kurz_.contains(*k);
    return lang_.contains(text);
}

} // namespace tarvex
