#pragma once
#include <QHash>
#include <QSet>
#include <QString>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace tarvex {

// Up to sixteen ASCII characters packed big-endian into two numbers, zero-padded: equal,
// ordered and hashed as the text is byte by byte, without a text of its own.
struct KurzerText {
    quint64 vorn = 0;
    quint64 hinten = 0;

    // Nothing for a longer text or one with a character beyond ASCII or a NUL.
    static std::optional<KurzerText> aus(QStringView text);
    static std::optional<KurzerText> aus(std::string_view bytes);
    std::string text() const;

    friend auto operator<=>(const KurzerText&, const KurzerText&) = default;
    friend size_t qHash(const KurzerText& k, size_t seed = 0) noexcept
    {
        return qHashMulti(seed, k.vorn, k.hinten);
    }
};

// A set of texts for many short calls: those that pack are kept as numbers, so the set
// neither copies nor holds on to the texts it is given.
class Textmenge {
public:
    void reservieren(qsizetype anzahl) { kurz_.reserve(anzahl); }
    void einfügen(const QString& text);
    bool enthält(const QString& text) const;

private:
    QSet<KurzerText> kurz_;
    QSet<QString> lang_;
};

} // namespace tarvex
