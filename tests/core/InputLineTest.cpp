#include "entry/InputLine.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(InputLine, KeyFilter)
{
    const struct {
        const char16_t* line;
        char16_t typed;
        char16_t expected; // 0 = dropped
    } cases[] = {
        { u"", u'd', u'D' },
        { u"DL1", u'-', u'/' },
        { u"K:", u'q', u'q' },
        { u"K.", u'r', u'r' }, // comments keep their case
        { u"K", u'q', u'Q' }, // only a complete "K:" or "K." opens a comment
        { u"", u'ä', 0 },
        { u"", u',', 0 },
        { u"", u'#', 0 },
        { u"K:", u'!', 0 },
        { u"", u'*', u'*' },
        { u"", u'?', u'?' },
        { u"", u'+', u'+' },
        { u"", u':', u':' },
        { u"", u'.', u'.' },
        { u"", u' ', u' ' },
    };
    for (const auto& c : cases) {
        const std::optional<QChar> got = eingabeZeichen(QString::fromUtf16(c.line), QChar(c.typed));
        EXPECT_EQ(got.value_or(QChar()), QChar(c.expected)) << int(c.typed);
    }
}

TEST(InputLine, WholeTextReadsAsIfTyped)
{
    const std::pair<QString, QString> cases[] = {
        { u"dl1abc-p jo31ab"_s, u"DL1ABC/P JO31AB"_s },
        { u"k:qrv ab 9 Uhr"_s, u"K:qrv ab 9 Uhr"_s }, // a comment from its second character on
        { u"59 k:qrv"_s, u"59 K:QRV"_s }, // only a line that begins with it
        { u"ä€;#_!59"_s, u"59"_s },
        { u""_s, u""_s },
    };
    for (const auto& [text, zeile] : cases)
        EXPECT_EQ(eingabeFiltern(text), zeile) << text.toStdString();
}

TEST(InputLine, SplitYieldsEmptyTokensAsSaveRequests)
{
    const std::pair<QString, QStringList> cases[] = {
        { u""_s, { u""_s } },
        { u"DL1ABC"_s, { u"DL1ABC"_s } },
        { u"DL1ABC JO31AB 59001"_s, { u"DL1ABC"_s, u"JO31AB"_s, u"59001"_s } },
        { u" DL1ABC"_s, { u""_s, u"DL1ABC"_s } },
        { u"DL1ABC  G4XYZ"_s, { u"DL1ABC"_s, u""_s, u"G4XYZ"_s } },
        { u"DL1ABC "_s, { u"DL1ABC"_s } },
        { u" "_s, { u""_s } },
    };
    for (const auto& [zeile, tokens] : cases)
        EXPECT_EQ(zeileZerlegen(zeile), tokens) << zeile.toStdString();
}

TEST(InputLine, PlusShortcut)
{
    const struct {
        const char16_t* token;
        RstVorgabe rst;
        const char16_t* expected;
    } cases[] = {
        { u"+7", RstVorgabe::R599, u"599007" },
        { u"+7", RstVorgabe::R59, u"59007" },
        { u"+7", RstVorgabe::Keine, u"007" },
        { u"+123", RstVorgabe::R59, u"59123" },
        { u"+1234", RstVorgabe::R59, u"591234" },
        { u"+", RstVorgabe::R59, u"5900" },
        { u"+12", RstVorgabe::R599, u"599012" },
        { u"DL1ABC", RstVorgabe::R59, u"DL1ABC" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(plusKürzel(QString::fromUtf16(c.token), c.rst), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.token).toStdString() << " preset " << static_cast<int>(c.rst);
}

} // namespace
} // namespace tarvex
