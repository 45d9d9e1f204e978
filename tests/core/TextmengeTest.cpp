// Short calls packed into numbers: the packing keeps the texts' identity and byte order,
// and texts that do not pack are still members.
#include "common/Textmenge.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tarvex;
using namespace Qt::StringLiterals;

TEST(Textmenge, PackedTextsKeepTheirOrderAndTheRestStaysInTheSet)
{
    // Sorted byte by byte, as the call index is.
    const std::vector<QString> geordnet { u""_s, u"/P"_s, u"9A1AA"_s, u"DL1A"_s, u"DL1A/P"_s, u"DL1AB"_s,
        u"DL1B"_s, u"OE3ABCDEFGHIJKLM"_s };
    for (std::size_t i = 0; i < geordnet.size(); ++i) {
        SCOPED_TRACE(geordnet[i].toStdString());
        const std::optional<KurzerText> k = KurzerText::aus(geordnet[i]);
        ASSERT_TRUE(k);
        EXPECT_EQ(k->text(), geordnet[i].toStdString());
        if (i > 0) {
            EXPECT_LT(*KurzerText::aus(geordnet[i - 1]), *k);
        }
    }
    for (const QString& zuLang : { u"OE3ABCDEFGHIJKLMN"_s, u"DLÖAB"_s, QString(u"DL\0A"_s) })
        EXPECT_FALSE(KurzerText::aus(zuLang)) << zuLang.toStdString();

    Textmenge menge;
    for (const QString& t : { u"DL1AB"_s, u"OE3ABCDEFGHIJKLMNOP"_s, u"SÖ1X"_s })
        menge.einfügen(t);
    for (const auto& [text, drin] :
        { std::pair { u"DL1AB"_s, true }, std::pair { u"OE3ABCDEFGHIJKLMNOP"_s, true },
            std::pair { u"SÖ1X"_s, true }, std::pair { u"DL1A"_s, false }, std::pair { u"DL1ABC"_s, false },
            std::pair { u"OE3ABCDEFGHIJKLMN"_s, false }, std::pair { u"dl1ab"_s, false } })
        EXPECT_EQ(menge.enthält(text), drin) << text.toStdString();
}
