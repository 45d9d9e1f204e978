#include "entry/KeystrokeLog.h"
#include "common/TextFile.h"
#include "support/TestFiles.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

TEST(KeystrokeLog, OneTokenPerLineShownWholeGoneAfterASaveFoundInAnyLetterCase)
{
    test::WorkDir dir;
    KeystrokeLog log(u"LOG.TXT"_s);
    EXPECT_FALSE(log.letzteEingaben().has_value());

    log.anhängen(u"DL1ABC"_s);
    log.anhängen(u"JO31AB"_s);
    log.anhängen(u"K:qrv"_s);
    EXPECT_EQ(test::dateiInhalt(u"LOG.TXT"_s), QByteArray("DL1ABC\r\nJO31AB\r\nK:qrv\r\n"));
    EXPECT_EQ(log.letzteEingaben(), std::optional<QString>(u"DL1ABC\nJO31AB\nK:qrv"_s));

    // Gone after a save: no window at all, not an empty one.
    log.löschen();
    EXPECT_FALSE(QFile::exists(u"LOG.TXT"_s));
    EXPECT_TRUE(log.zeilen().isEmpty());
    EXPECT_FALSE(log.letzteEingaben().has_value());

    // An existing empty file still opens the window, and a file in other letters is the log.
    writeTextFile(u"LOG.TXT"_s, {});
    EXPECT_EQ(log.letzteEingaben(), std::optional<QString>(QString()));
    ASSERT_TRUE(QFile::remove(u"LOG.TXT"_s));
    writeTextFile(u"log.txt"_s, { u"G4ABC"_s, u"Ümlaut"_s });
    EXPECT_EQ(log.letzteEingaben(), std::optional<QString>(u"G4ABC\nÜmlaut"_s));
}

} // namespace
} // namespace tarvex
