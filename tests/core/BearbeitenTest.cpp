#include "entry/Bearbeiten.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;
using Feld = Bearbeiten::Feld;

// What each field of the edit panel keeps of a typed or pasted text.
TEST(Bearbeiten, FieldsKeepOnlyTheirCharactersLettersInCapitals)
{
    const struct {
        Feld feld;
        QString text;
        QString ergebnis;
    } fälle[] = {
        { Feld::Call, u"dl1abc-p/pä:"_s, u"DL1ABCP/P:"_s },
        { Feld::Locator, u"jo62-qm"_s, u"JO62QM"_s },
        { Feld::RstGeg, u"59 a012"_s, u"59012"_s },
        { Feld::RstErh, u"5/9-1"_s, u"591"_s },
        { Feld::Uhrzeit, u"14.05 Uhr:"_s, u"1405:"_s },
        { Feld::Sonstiges, u"it's ok, Öl"_s, u"it's ok, Öl"_s },
        { Feld::Sonstiges, u"\"04.12.26\r\n\t05"_s, u"\"04.12.2605"_s },
    };
    for (const auto& f : fälle)
        EXPECT_EQ(Bearbeiten::filtern(f.feld, f.text), f.ergebnis);
}

} // namespace
} // namespace tarvex
