#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"

#include <functional>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

// A change to the band while the grid shows a filtered list (earlier contacts or
// a search), then the whole list read back row by row as the grid paints it.
struct Fall {
    const char* name;
    std::function<void(test::ContestFixture&)> filter;
    std::function<void(test::ContestFixture&)> ändern;
};
// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Fall& fall, std::ostream* os)
{
    *os << fall.name;
}

class LogListTest : public test::ContestFixture, public ::testing::WithParamInterface<Fall> {
protected:
    // Every cell of every row, as the grid asks for it, against the band table.
    void listeWieTabelle()
    {
        LogList& liste = model.logList();
        ASSERT_EQ(liste.filter(), LogList::Filter::Alle);
        const QList<QsoRecord> qsos = band();
        ASSERT_EQ(liste.rowCount(), qsos.size());
        for (int row = 0; row < liste.rowCount(); ++row) {
            for (int col = 0; col < liste.columnCount(); ++col)
                liste.data(liste.index(row, col));
            EXPECT_EQ(liste.wert(row, u"Nummer"_s).toInt(), qsos[row].nummer) << "row " << row;
            EXPECT_EQ(liste.rufzeichenAt(row), qsos[row].rufzeichen) << "row " << row;
            EXPECT_EQ(liste.wert(row, u"Punkte"_s).toString(), qsos[row].punkte) << "row " << row;
            EXPECT_EQ(liste.wert(row, u"Kommentar"_s).toString(), qsos[row].kommentar) << "row " << row;
        }
    }
};

// A new station in the last contact's locator: the grid shows that contact.
void frühereDesLetzten(test::ContestFixture& t)
{
    t.zeile(u"SP1ABC JO70AA"_s);
}

// The pattern stays in the input line until the operator clears it.
void sucheG(test::ContestFixture& t)
{
    t.zeile(u"?G4*"_s);
    t.model.entry().setzeEingabe(QString());
}

TEST_P(LogListTest, ChangeWhileFilteredThenAllRowsAsStored)
{
    logge(u"DL1ABC JO62QM 59001"_s);
    logge(u"G4XYZ IO91AA 59002"_s);
    logge(u"OK1KKW JO70AA 59003"_s);
    listeWieTabelle(); // the grid has the page of these three in its cache now

    GetParam().filter(*this);
    ASSERT_NE(model.logList().filter(), LogList::Filter::Alle);
    ASSERT_GE(model.logList().rowCount(), 1);
    GetParam().ändern(*this);
    model.alleAnzeigen();
    {
        SCOPED_TRACE("after the change");
        listeWieTabelle();
    }

    // And once more after the next save, which appends to the same page.
    logge(u"PA3XYZ JO22AA 59009"_s);
    SCOPED_TRACE("after the next save");
    listeWieTabelle();
}

INSTANTIATE_TEST_SUITE_P(Filter, LogListTest,
    ::testing::Values(Fall { "SaveWhileEarlierShown", frühereDesLetzten,
                          [](test::ContestFixture& fx) { fx.zeile(QString()); } },
        Fall {
            "SaveAfterSearch", sucheG, [](test::ContestFixture& fx) { fx.logge(u"F1ABC JN18AA 59004"_s); } },
        Fall { "DeleteLastWhileEarlierShown", frühereDesLetzten,
            [](test::ContestFixture& fx) {
                fx.prompter.antworte(Meldung::Antwort::Ja);
                fx.model.letztenLöschen(0);
            } },
        Fall { "InvalidWhileEarlierShown", frühereDesLetzten,
            [](test::ContestFixture& fx) { fx.model.ungültigErklären(0); } },
        Fall { "EditWhileSearchShown", sucheG,
            [](test::ContestFixture& fx) {
                const qint64 rowid = fx.model.logList().rowidAt(0);
                QsoRecord q = fx.band()[1];
                q.kommentar = u"korr"_s;
                ASSERT_TRUE(fx.model.qsoÄndern(rowid, q));
            } }),
    [](const ::testing::TestParamInfo<Fall>& fall) { return std::string(fall.param.name); });

} // namespace
} // namespace tarvex
