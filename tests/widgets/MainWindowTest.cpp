// The working windows in the running program's main frame: a command (menu or
// toolbar) shows its window in place of the logging window and its menus, and
// every way back leads to the logging window. Windows kept for the next time
// come back as they were, the others are built afresh.
#include "app/Befehl.h"
#include "support/LaufendesProgramm.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <QPointer>
#include <QStackedWidget>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

// The menu titles the frame shows.
QStringList menüs(MainWindow& rahmen)
{
    QStringList texte;
    if (rahmen.menuBar()->isVisible())
        for (const QAction* a : rahmen.menuBar()->actions())
            if (a->isVisible())
                texte.append(a->text());
    return texte;
}

// Esc, or a button or menu entry of the window by its object name.
void zurück(QWidget* fenster, const QString& weg)
{
    if (weg == u"Esc"_s) {
        // Where the focus is: a window that does not take it cannot be left with Esc.
        const auto drin = [fenster] {
            QWidget* fokus = QApplication::focusWidget();
            return fokus && (fokus == fenster || fenster->isAncestorOf(fokus));
        };
        QTRY_VERIFY(drin());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else if (auto* knopf = fenster->findChild<QAbstractButton*>(weg)) {
        QTest::mouseClick(knopf, Qt::LeftButton);
    } else {
        fenster->findChild<QAction*>(weg)->trigger();
    }
}

// Once the start's information box is answered, the frame is the active window.
bool bereit(test::LaufendesProgramm& programm)
{
    if (!QTest::qWaitFor([&] { return programm.antworten.titel == QStringList{u"Tarvex"_s}; }))
        return false;
    programm.rahmen().activateWindow();
    return QTest::qWaitForWindowActive(&programm.rahmen());
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void commandsShowTheirWindowInsteadOfTheLoggingWindow_data()
    {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<QString>("symbol"); // the toolbar button used the first time
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QStringList>("wege");
        QTest::addColumn<bool>("bleibt");
        const auto zeile = [](const char* name, Befehl b, const char16_t* symbol, const char16_t* fenster,
                              const QStringList& wege, bool bleibt) {
            QTest::newRow(name) << int(b) << QString::fromUtf16(symbol) << QString::fromUtf16(fenster) << wege
                                << bleibt;
        };
        zeile("Log", Befehl::Log, u"Toolbar1_Drucken", u"frmLog", {u"cmdAbbrechen"_s, u"mnuZurück2"_s}, true);
        zeile("QSL", Befehl::QSL, u"Toolbar1_QSL", u"frmQSL", {u"cmdAbbrechen"_s, u"mnuZurück"_s}, true);
        zeile("Call-Info", Befehl::CallInfo, u"", u"frmCallInfo", {u"Esc"_s, u"cmdAbbrechen"_s, u"mnuZurück"_s},
              true);
        zeile("Tabellen", Befehl::Tabellen, u"Toolbar1_Tabellen", u"frmStatistik",
              {u"Esc"_s, u"cmdAbbrechen"_s, u"mnuZurück"_s}, false);
        zeile("Grafiken", Befehl::Grafiken, u"Toolbar1_Statistiken", u"frmStatistik2",
              {u"Esc"_s, u"cmdAbbrechen"_s, u"mnuZurück1"_s}, false);
        zeile("Karte", Befehl::Karte, u"Toolbar1_Karte", u"frmKarte", {u"Esc"_s, u"Command4"_s, u"mnuZurück"_s},
              false);
        zeile("Karte (Grafik)", Befehl::KarteGrafik, u"", u"frmKarte", {u"Esc"_s}, false);
    }

    void commandsShowTheirWindowInsteadOfTheLoggingWindow()
    {
        QFETCH(int, befehl);
        QFETCH(QString, symbol);
        QFETCH(QString, fenster);
        QFETCH(QStringList, wege);
        QFETCH(bool, bleibt);
        test::LaufendesProgramm programm;
        test::schreibeCallInfo(u"CALLINFO.MDB"_s, {});
        QVERIFY(bereit(programm));
        MainWindow& rahmen = programm.rahmen();
        auto* stapel = rahmen.findChild<QStackedWidget*>();
        const QStringList logMenüs = menüs(rahmen);
        QVERIFY(logMenüs.size() > 3);
        QPointer<QWidget> erstes;
        for (const QString& weg : wege) {
            if (!erstes && !symbol.isEmpty())
                rahmen.findChild<QAction*>(symbol)->trigger();
            else
                rahmen.befehle()[Befehl(befehl)].trigger();
            QPointer<QWidget> w = stapel->currentWidget();
            QCOMPARE(w->objectName(), fenster);
            QTRY_VERIFY(w->isVisible());
            QVERIFY(!rahmen.contestWindow()->isVisible());
            QVERIFY(menüs(rahmen) != logMenüs);
            if (bleibt && erstes)
                QCOMPARE(w, erstes);
            erstes = w;

            zurück(w, weg);
            QTRY_COMPARE(stapel->currentWidget(), rahmen.contestWindow());
            QCOMPARE(menüs(rahmen), logMenüs);
            if (!bleibt)
                QTRY_VERIFY(w.isNull());
        }
        QCOMPARE(programm.antworten.titel, QStringList{u"Tarvex"_s}); // no message since the start
    }

    // The text map and the locator search open beside the frame without
    // blocking it; Esc closes them.
    void textMapAndLocatorSearchOpenBesideTheFrame()
    {
        test::LaufendesProgramm programm;
        test::schreibeContestDat(u"CONTEST.DAT"_s, {});
        QVERIFY(bereit(programm));
        MainWindow& rahmen = programm.rahmen();
        for (const auto& [befehl, name] : {std::pair{Befehl::KarteText, u"frmLocatorText"_s},
                                           std::pair{Befehl::Locatorsuche, u"frmLocatorsuche"_s}}) {
            rahmen.befehle()[befehl].trigger();
            QPointer<QWidget> w = rahmen.findChild<QWidget*>(name);
            QVERIFY(w);
            QTRY_VERIFY(w->isVisible());
            QVERIFY(!w->isModal());
            QVERIFY(rahmen.contestWindow()->isVisible());
            QTest::keyClick(w, Qt::Key_Escape);
            QTRY_VERIFY(w.isNull());
        }
        QCOMPARE(programm.antworten.titel, QStringList{u"Tarvex"_s}); // no message since the start
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
