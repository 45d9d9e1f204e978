#include "Cp1252.h"

#include <array>

namespace tarvex {
namespace {

// 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC,
    0,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0,
    0x017D,
    0,
    0,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0,
    0x017E,
    0x0178,
};

char encodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        if (kHighBlock[i] == c && c != 0)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

void appendCp1252(QByteArray& out, QStringView text)
{
    // One byte per character: the bytes are written in place, not appended one by one.
    const qsizetype alt = out.size();
    out.resize(alt + text.size());
    char* p = out.data() + alt;
    const char16_t* c = text.utf16();
    const char16_t* const ende = c + text.size();
    // Log lines are ASCII almost always: that run is copied in a loop the compiler widens.
    while (c != ende) {
        while (c != ende && *c < 0x80)
            *p++ = static_cast<char>(*c++);
        if (c != ende)
            *p++ = encodeOne(*c++);
    }
}

QByteArray toCp1252(QStringView text)
{
    QByteArray out;
    appendCp1252(out, text);
    return out;
}

QString fromCp1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u < 0xA0) {
            const char16_t mapped = kHighBlock[u - 0x80];
            out.append(QChar(mapped != 0 ? mapped : char16_t(0xFFFD)));
        } else {
            out.append(QChar(char16_t(u)));
        }
    }
    return out;
}

} // namespace tarvex
