#include "qsl/QslListe.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

// A selection of 600 contacts with every third rowid: the first batch handed over,
// the rest read after it; the texts come from a fake read that counts its calls
// and leaves out one contact (deleted meanwhile).
struct QslListeTest : ::testing::Test {
    QslListeTest()
    {
        for (int i = 0; i < 600; ++i)
            marken.append({ 3 * i + 1, i % 2 == 0 });
        const auto weitere = [this](qint64 nach, qsizetype höchstens) {
            ++stapel;
            QList<QslAbfrage::Marke> m;
            for (const QslAbfrage::Marke& x : marken) {
                if (x.rowid > nach && m.size() < höchstens)
                    m.append(x);
            }
            return m;
        };
        liste.setAuswahl(marken.first(QslListe::kStapel), weitere, [this](qint64 von, qint64 bis) {
            ++lesungen;
            QList<QslAbfrage::Anzeige> a;
            for (qint64 r = von; r <= bis; r += 3) {
                if (r != 301)
                    a.append({ r, u"DL%1"_s.arg(r), QString::number(r), u"100"_s });
            }
            return a;
        });
    }
    QString text(int row, int spalte = 0) const { return liste.data(liste.index(row, spalte)).toString(); }

    QList<QslAbfrage::Marke> marken;
    QslListe liste;
    int lesungen = 0;
    int stapel = 0;
};

TEST_F(QslListeTest, EntriesAreReadInBatchesUpToTheEnd)
{
    EXPECT_EQ(liste.rowCount(), QslListe::kStapel);
    EXPECT_TRUE(liste.canFetchMore({}));
    liste.fetchMore({});
    EXPECT_EQ(liste.rowCount(), 600);
    EXPECT_EQ(liste.rowid(599), 1798);
    EXPECT_EQ(liste.rowid(QslListe::kStapel), 3 * QslListe::kStapel + 1); // the batch joins without a gap
    EXPECT_FALSE(liste.canFetchMore({}));
    liste.alleLesen();
    EXPECT_EQ(liste.rowCount(), 600);
    EXPECT_EQ(stapel, 1);
}

TEST_F(QslListeTest, TextsAreReadAPageAtATimeAndMatchedByRowid)
{
    const struct {
        int row;
        QString call;
    } fälle[] = {
        { 0, u"DL1"_s },
        { 255, u"DL766"_s }, // last of the first page
        { 256, u"DL769"_s }, // first of the second
        { 100, QString() }, // rowid 301 is gone: an empty row, the rest stays in place
        { 101, u"DL304"_s },
        { 599, u"DL1798"_s },
    };
    liste.alleLesen();
    for (const auto& f : fälle)
        EXPECT_EQ(text(f.row), f.call) << f.row;
    EXPECT_EQ(text(599, 1), u"1798"_s);
    EXPECT_EQ(lesungen, 3);
    EXPECT_EQ(liste.rowid(256), 769);
}

TEST_F(QslListeTest, TicksChangeWithoutReadingTexts)
{
    const auto tick = [&](int row) { return liste.data(liste.index(row, 0), Qt::CheckStateRole).toInt(); };
    EXPECT_EQ(tick(0), Qt::Checked);
    EXPECT_EQ(tick(1), Qt::Unchecked);
    liste.alleSetzen(QslAbfrage::Markierung::Umkehren);
    EXPECT_EQ(tick(0), Qt::Unchecked);
    EXPECT_EQ(tick(1), Qt::Checked);
    liste.alleSetzen(QslAbfrage::Markierung::Setzen);
    EXPECT_TRUE(liste.häkchen(0) && liste.häkchen(QslListe::kStapel - 1));
    EXPECT_EQ(lesungen, 0);
}

} // namespace
} // namespace tarvex
