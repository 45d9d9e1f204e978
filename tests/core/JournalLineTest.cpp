#include "entry/JournalLine.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(JournalLine, FixedColumns)
{
    const struct {
        JournalDaten d;
        const char16_t* zeile;
    } cases[] = {
        { { u"04.12.26"_s, u"14:05"_s, u"DL1ABC"_s, u"59"_s, u"001"_s, u"59012"_s, u"JO31AB"_s, u"523"_s,
              u"144 MHz"_s },
            u"   04.12.26 14:05  DL1ABC         59 001  59 012  JO31AB    523 - 144 MHz" },
        // six-character received report: no blank inserted; 599 + 012 sent
        { { u"04.12.26"_s, u"14:05"_s, u"OE5/DL1ABC/MM"_s, u"599"_s, u"012"_s, u"599012"_s, u"JN78AA"_s,
              u"1633"_s, u"10368 MHz"_s },
            u"   04.12.26 14:05  OE5/DL1ABC/MM 599 012  599012  JN78AA   1633 - 10368 MHz" },
        // a call longer than 14 is cut, an invalid contact shows its dashes
        { { u"01.01.27"_s, u"00:30"_s, u"ABCDEFGHIJKLMNO"_s, u"59"_s, u"1000"_s, u"59A"_s, u"JO31AB"_s,
              u"-----"_s, u"50 MHz"_s },
            u"   01.01.27 00:30  ABCDEFGHIJKLMN591 000  59A  JO31AB  ----- - 50 MHz" }, // short parts are not
                                                                                        // padded
    };
    for (const auto& c : cases)
        EXPECT_EQ(journalZeile(c.d), QString::fromUtf16(c.zeile));
}

} // namespace
} // namespace tarvex
