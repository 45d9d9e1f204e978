#include "TelnetZeilen.h"

#include <QStringDecoder>

namespace tarvex {

namespace {

constexpr unsigned char kIac = 255;
constexpr unsigned char kDont = 254;
constexpr unsigned char kDo = 253;
constexpr unsigned char kWont = 252;
constexpr unsigned char kWill = 251;
constexpr unsigned char kSb = 250;
constexpr unsigned char kSe = 240;

} // namespace

void TelnetZeilen::anhängen(const QByteArray& daten)
{
    for (const char zeichen : daten) {
        const auto b = static_cast<unsigned char>(zeichen);
        switch (zustand_) {
        case Zustand::Text:
            if (b == kIac) {
                zustand_ = Zustand::Iac;
            } else if (b == '\n' || b == '\r') {
                // "\r\n", "\n\r" and a bare "\r" all end one line.
                if (umbruch_ == 0 || umbruch_ == b) {
                    fertig_.append(zeile_);
                    fertig_.append('\n');
                    zeile_.clear();
                    umbruch_ = b;
                } else {
                    umbruch_ = 0;
                }
                continue;
            } else if (b != 0 && zeile_.size() < kLängste) {
                zeile_.append(zeichen);
            }
            break;
        case Zustand::Iac:
            if (b == kIac) {
                if (zeile_.size() < kLängste)
                    zeile_.append(zeichen);
                zustand_ = Zustand::Text;
            } else if (b == kWill || b == kWont || b == kDo || b == kDont) {
                befehl_ = b;
                zustand_ = Zustand::Option;
            } else if (b == kSb) {
                zustand_ = Zustand::Unterverhandlung;
            } else {
                zustand_ = Zustand::Text;
            }
            break;
        case Zustand::Option:
            // Refuse what is offered; a refusal needs no answer.
            if (befehl_ == kWill || befehl_ == kDo) {
                antworten_.append(char(kIac));
                antworten_.append(char(befehl_ == kWill ? kDont : kWont));
                antworten_.append(zeichen);
            }
            zustand_ = Zustand::Text;
            break;
        case Zustand::Unterverhandlung:
            if (b == kIac)
                zustand_ = Zustand::UnterIac;
            break;
        case Zustand::UnterIac:
            zustand_ = b == kSe ? Zustand::Text : Zustand::Unterverhandlung;
            break;
        }
        umbruch_ = 0;
    }
}

std::optional<QString> TelnetZeilen::nächsteZeile()
{
    const qsizetype ende = fertig_.indexOf('\n');
    if (ende < 0)
        return std::nullopt;
    const QByteArray zeile = fertig_.left(ende);
    fertig_.remove(0, ende + 1);
    return text(zeile);
}

QString TelnetZeilen::rest() const
{
    return text(zeile_);
}

QByteArray TelnetZeilen::antworten()
{
    QByteArray a;
    a.swap(antworten_);
    return a;
}

void TelnetZeilen::leeren()
{
    *this = TelnetZeilen();
}

QString TelnetZeilen::text(const QByteArray& zeile)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString t = utf8.decode(zeile);
    if (!utf8.hasError())
        return t;
    return QString::fromLatin1(zeile);
}

} // namespace tarvex
