// The statistics tables over a real contest: option buttons, Enter cycle,
// the copy on the clipboard and sorting by a heading click. What each view
// holds is tested on the headless model.
#include "stats/StatistikWindow.h"
#include "support/StatistikUmgebung.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;
using Option = StatistikModel::Option;

class StatistikWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::StatistikUmgebung> u;

    static QTableView* grid(StatistikWindow& w) { return w.findChild<QTableView*>(u"DBGrid1"_s); }
    static QString zelle(StatistikWindow& w, int zeile, int spalte)
    {
        return grid(w)->model()->index(zeile, spalte).data().toString();
    }

private slots:
    void initTestCase()
    {
        u = std::make_unique<test::StatistikUmgebung>(
            QList<test::Kontakt> { { u"14:05"_s, u"DL1AA"_s, u"500"_s, u"JO31"_s, u"Deutschland"_s },
                { u"14:40"_s, u"G4FF"_s, u"-----"_s, {}, {} },
                { u"15:10"_s, u"OE1CC"_s, u"800"_s, u"JN78"_s, u"Österreich"_s },
                { u"15:20"_s, u"F1BB"_s, u"300"_s, u"JN18"_s, u"Frankreich"_s } });
    }
    void cleanupTestCase() { u.reset(); }

    void opensOnAllContactsWithTheGridFocused()
    {
        auto w = u->öffnen<StatistikWindow>();
        QVERIFY(w);
        QTRY_COMPARE(QApplication::focusWidget(), grid(*w));
        QCOMPARE(grid(*w)->model()->rowCount(), 4);
    }

    void enterOnAnOptionMovesToTheNextView()
    {
        auto w = u->öffnen<StatistikWindow>();
        QVERIFY(w);
        // Which view comes next is the model's (StatistikModelTest).
        QTest::mouseClick(w->knopf(Option::Option3), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w->knopf(Option::Option1));
        QVERIFY(w->knopf(Option::Option1)->isChecked());
        QCOMPARE(w->model().gewählt(), Option::Option1);
        QCOMPARE(grid(*w)->model()->headerData(0, Qt::Horizontal).toString(), u"Anzahl"_s);
    }

    // On the countries view: the copy button, then a heading click sorts; a
    // new view starts in its own order.
    void copyAndSortingByAHeadingClick()
    {
        auto w = u->öffnen<StatistikWindow>();
        QVERIFY(w);
        QTest::mouseClick(w->knopf(Option::Option5), Qt::LeftButton);
        QTest::mouseClick(w->findChild<QAbstractButton*>(u"cmdKopieren"_s), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
            u"Länder\tPunkte\t\r\nÖsterreich\t800\t\r\nDeutschland\t500\t\r\nFrankreich\t300\t\r\n"_s);

        QHeaderView* köpfe = grid(*w)->horizontalHeader();
        const QPoint länder(köpfe->sectionViewportPosition(0) + 10, köpfe->height() / 2);
        QTest::mouseClick(köpfe->viewport(), Qt::LeftButton, {}, länder);
        QCOMPARE(zelle(*w, 0, 0), u"Deutschland"_s);
        QTest::mouseClick(w->knopf(Option::Option1), Qt::LeftButton);
        QCOMPARE(köpfe->sortIndicatorSection(), -1);
        QCOMPARE(zelle(*w, 0, 1), u"Deutschland"_s);
    }
};

QTEST_MAIN(StatistikWindowTest)
#include "StatistikWindowTest.moc"
