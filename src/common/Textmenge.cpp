#include "Textmenge.h"

namespace tarvex {

namespace {

char16_t zeichen(QChar c)
{
    return c.unicode();
}

char16_t zeichen(char c)
{
    return static_cast<unsigned char>(c);
}

template <typename Text> std::optional<KurzerText> packen(const Text& text)
{
    if (text.size() > 16)
        return std::nullopt;
    KurzerText k;
    for (decltype(text.size()) i = 0; i < text.size(); ++i) {
        const char16_t c = zeichen(text[i]);
        if (c == 0 || c > 0x7f)
            return std::nullopt;
        const auto stelle = static_cast<int>(i);
        (stelle < 8 ? k.vorn : k.hinten) |= quint64(c) << (8 * (7 - stelle % 8));
    }
    return k;
}

} // namespace

std::optional<KurzerText> KurzerText::aus(QStringView text)
{
    return packen(text);
}

std::optional<KurzerText> KurzerText::aus(std::string_view bytes)
{
    return packen(bytes);
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
