// The statistics tables over a real contest: option buttons, Enter cycle,
// Esc, the copy on the clipboard and sorting by a heading click.
#include "app/Application.h"
#include "app/Befehl.h"
#include "app/MainWindow.h"
#include "contest/ContestModel.h"
#include "contest/ContestWindow.h"
#include "entry/CallLookup.h"
#include "entry/KeystrokeLog.h"
#include "stats/StatistikGrafikWindow.h"
#include "stats/StatistikWindow.h"
#include "store/ReferenceDatabase.h"
#include "store/Settings.h"
#include "support/ContestFixture.h"
#include "support/StatistikKontakte.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {
// Screenshots for a look by eye, when TARVEX_BILDER names a directory.
template <class Bild>
void ablegen(const Bild& bild, const QString& name)
{
    const QString ziel = qEnvironmentVariable("TARVEX_BILDER");
    if (!ziel.isEmpty())
        bild.save(ziel + u'/' + name + u".png"_s);
}
} // namespace
using Option = StatistikModel::Option;

class StatistikWindowTest : public QObject, public test::Arbeitsplatz {
    Q_OBJECT
private:
    std::unique_ptr<ContestModel> model;

    std::unique_ptr<StatistikWindow> öffnen()
    {
        auto w = std::make_unique<StatistikWindow>(*model, prompter);
        w->resize(780, 520);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        return w;
    }
    static QTableView* grid(StatistikWindow& w) { return w.findChild<QTableView*>(u"DBGrid1"_s); }
    static QString kopf(StatistikWindow& w, int spalte)
    {
        return grid(w)->model()->headerData(spalte, Qt::Horizontal).toString();
    }

private slots:
    void initTestCase()
    {
        test::schreibeContestDat(u"CONTEST.DAT"_s, {});
        test::schreibeCallInfo(u"CALLINFO.MDB"_s, {});
        ContestDatabase::anlegen(u"TEST.mdb"_s, {u"144MHz"_s}, {u"DL0XX"_s, u"JO31AA"_s});
        model = std::make_unique<ContestModel>(prompter, clock, keystrokes, lookup, settings);
        model->öffnen(u"TEST.MDB"_s, u"144MHz"_s);
        test::schreibeKontakte(*model->db(), u"144MHz"_s,
                               {{u"14:05"_s, u"DL1AA"_s, u"500"_s, u"JO31"_s, u"Deutschland"_s},
                                {u"14:40"_s, u"G4FF"_s, u"-----"_s, {}, {}},
                                {u"15:10"_s, u"OE1CC"_s, u"800"_s, u"JN78"_s, u"Österreich"_s},
                                {u"15:20"_s, u"F1BB"_s, u"300"_s, u"JN18"_s, u"Frankreich"_s}});
    }

    void opensOnAllContactsWithTheGridFocusedAndNoTextCut()
    {
        auto w = öffnen();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), u"Statistiken (Tabellen)"_s);
        QVERIFY(w->knopf(Option::Option3)->isChecked());
        QTRY_COMPARE(QApplication::focusWidget(), grid(*w));
        QCOMPARE(grid(*w)->model()->rowCount(), 4);
        QCOMPARE(grid(*w)->model()->index(3, 0).data().toString(), u"-----"_s);
        QVERIFY(grid(*w)->columnWidth(0) >= 130);
        QCOMPARE(w->findChild<QLabel*>(u"Label1"_s)->text(), u"weiter mit Enter Abbrechen mit Esc"_s);
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (b->isVisible())
                QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
        }
        const QLabel* hinweis = w->findChild<QLabel*>(u"Label1"_s);
        QVERIFY(hinweis->width() >= hinweis->sizeHint().width());
        ablegen(w->grab(), u"statistik-tabellen"_s);
    }

    void enterOnAnOptionMovesToTheNextView()
    {
        auto w = öffnen();
        QVERIFY(w);
        QTest::mouseClick(w->knopf(Option::Option1), Qt::LeftButton);
        QCOMPARE(kopf(*w, 1), u"Länder"_s);
        const struct {
            Option option;
            const char16_t* kopf0;
        } folge[] = {{Option::Option2, u"Anzahl"}, {Option::Option4, u"Punkte"}, {Option::Option5, u"Länder"},
                     {Option::Option3, u"Punkte"}, {Option::Option1, u"Anzahl"}};
        for (const auto& schritt : folge) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), w->knopf(schritt.option));
            QVERIFY(w->knopf(schritt.option)->isChecked());
            QCOMPARE(w->model().gewählt(), schritt.option);
            QCOMPARE(kopf(*w, 0), QString::fromUtf16(schritt.kopf0));
        }
        // "Entfernungen" on the way left out the invalid contact.
        QCOMPARE(grid(*w)->model()->rowCount(), 3);
    }

    void copyPutsTheGridOnTheClipboard()
    {
        auto w = öffnen();
        QVERIFY(w);
        QTest::mouseClick(w->knopf(Option::Option5), Qt::LeftButton);
        QTest::mouseClick(w->findChild<QAbstractButton*>(u"cmdKopieren"_s), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 u"Länder\tPunkte\t\r\nÖsterreich\t800\t\r\nDeutschland\t500\t\r\nFrankreich\t300\t\r\n"_s);
    }

    void headingClickSortsAndANewViewStartsInItsOwnOrder()
    {
        auto w = öffnen();
        QVERIFY(w);
        QTest::mouseClick(w->knopf(Option::Option5), Qt::LeftButton);
        QHeaderView* köpfe = grid(*w)->horizontalHeader();
        const QPoint länder(köpfe->sectionViewportPosition(0) + 10, köpfe->height() / 2);
        QTest::mouseClick(köpfe->viewport(), Qt::LeftButton, {}, länder);
        QCOMPARE(grid(*w)->model()->index(0, 0).data().toString(), u"Deutschland"_s);
        QTest::mouseClick(köpfe->viewport(), Qt::LeftButton, {}, länder);
        QCOMPARE(grid(*w)->model()->index(0, 0).data().toString(), u"Österreich"_s);
        QCOMPARE(grid(*w)->model()->index(2, 0).data().toString(), u"Deutschland"_s);
        QTest::mouseClick(w->knopf(Option::Option1), Qt::LeftButton);
        QCOMPARE(köpfe->sortIndicatorSection(), -1);
        QCOMPARE(grid(*w)->model()->index(0, 1).data().toString(), u"Deutschland"_s);
    }

    void escButtonAndMenuLeaveTheWindow()
    {
        auto w = öffnen();
        QVERIFY(w);
        QSignalSpy zurück(w.get(), &StatistikWindow::backRequested);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::mouseClick(w->findChild<QAbstractButton*>(u"cmdAbbrechen"_s), Qt::LeftButton);
        w->findChild<QAction*>(u"mnuZurück"_s)->trigger();
        QCOMPARE(zurück.count(), 3);
        QVERIFY(prompter.gezeigt().isEmpty());
    }

    void menuAndToolbarShowTheWindowsInTheFrameAndEscReturnsToTheLog()
    {
        Application app(std::make_unique<Settings>(dir.pfad(u"APP.ini"_s)));
        app.contest().öffnen(u"TEST.MDB"_s, u"144MHz"_s);
        MainWindow& rahmen = app.hauptfenster();
        rahmen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rahmen));
        auto* fläche = rahmen.findChild<QStackedWidget*>();
        QVERIFY(rahmen.befehle()[Befehl::Tabellen].isEnabled());

        rahmen.befehle()[Befehl::Tabellen].trigger();
        QPointer<QWidget> tabellen = fläche->currentWidget();
        QCOMPARE(tabellen->objectName(), u"frmStatistik"_s);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"DBGrid1"_s);
        ablegen(rahmen.grab(), u"statistik-rahmen-tabellen"_s);

        // The toolbar button builds the chart window afresh; the tables go.
        rahmen.findChild<QAction*>(u"Toolbar1_Statistiken"_s)->trigger();
        QCOMPARE(fläche->currentWidget()->objectName(), u"frmStatistik2"_s);
        QTRY_VERIFY(tabellen.isNull());
        QTest::mouseClick(fläche->currentWidget()->findChild<QAbstractButton*>(u"Command1"_s), Qt::LeftButton);
        QTest::qWait(50); // the chart lays itself out in posted events
        ablegen(rahmen.grab(), u"statistik-rahmen-grafik"_s);

        QPointer<QWidget> grafik = fläche->currentWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(fläche->currentWidget(), rahmen.contestWindow());
        QTRY_VERIFY(grafik.isNull());
    }
};

QTEST_MAIN(StatistikWindowTest)
#include "StatistikWindowTest.moc"
