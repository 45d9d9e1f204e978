// The working windows in the running program's main frame: a command (menu or
// toolbar) shows its window in place of the logging window and its menus, and
// every way back leads to the logging window. Windows kept for the next time
// come back as they were, the others are built afresh. The text map and the
// locator search, which open beside the frame, are tested here in full.
#include "commands/Befehl.h"
#include "contest/ContestModel.h"
#include "stats/LocatorTextWindow.h"
#include "stats/LocatorsucheWindow.h"
#include "stats/Textkarte.h"
#include "support/LaufendesProgramm.h"
#include "support/StatistikKontakte.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
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

// Captions the windows are given with that share a key. Alt+D prints in the log
// window (its own test); in the others Qt moves between the two, as it does.
const QStringList kVorgegebenePaare = {
    u"&Datei / &Drucken"_s,
    u"A&lle markieren / Markierung &löschen"_s,
    u"&Datei: &Log drucken / Contest &löschen"_s,
};

// The access key of a caption ("Be&enden" → 'e'), or 0.
QChar zugriffstaste(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// Access keys Alt reaches in what the frame shows now: the menu titles and the
// visible buttons and labelled fields of the current window. A key used twice
// does nothing in Qt, so each one found twice is a fault; returned as text.
QStringList doppelteZugriffstasten(MainWindow& rahmen, QWidget* fenster)
{
    QMultiHash<QChar, QString> belegt;
    // A window with menus of its own shows them in place of the frame's.
    QMenuBar* leiste = fenster->findChild<QMenuBar*>();
    if (!leiste)
        leiste = rahmen.menuBar();
    for (const QAction* a : leiste->actions())
        if (a->isVisible() && !zugriffstaste(a->text()).isNull())
            belegt.insert(zugriffstaste(a->text()), a->text());
    for (const QAbstractButton* b : fenster->findChildren<QAbstractButton*>())
        if (b->isVisible() && !zugriffstaste(b->text()).isNull())
            belegt.insert(zugriffstaste(b->text()), b->text());
    for (const QLabel* l : fenster->findChildren<QLabel*>())
        if (l->isVisible() && l->buddy() && !zugriffstaste(l->text()).isNull())
            belegt.insert(zugriffstaste(l->text()), l->text());
    QStringList doppelt;
    for (const QChar k : belegt.uniqueKeys()) {
        if (belegt.count(k) < 2)
            continue;
        QStringList texte = belegt.values(k);
        texte.sort();
        const QString paar = texte.join(u" / "_s);
        if (!kVorgegebenePaare.contains(paar))
            doppelt.append(paar);
    }
    return doppelt;
}

// Every entry of a menu, its submenus too, has an access key of its own in that menu.
QStringList menüOhneZugriffstaste(const QMenu* menü)
{
    QStringList fehler;
    QHash<QChar, QString> belegt;
    for (const QAction* a : menü->actions()) {
        if (a->isSeparator() || !a->isVisible())
            continue;
        const QChar k = zugriffstaste(a->text());
        if (k.isNull())
            fehler.append(menü->title() + u": ohne Taste: "_s + a->text());
        else if (belegt.contains(k)) {
            QStringList paar { belegt[k], a->text() };
            paar.sort();
            const QString text = menü->title() + u": "_s + paar.join(u" / "_s);
            if (!kVorgegebenePaare.contains(text))
                fehler.append(u"doppelt: "_s + text);
        } else
            belegt.insert(k, a->text());
        if (a->menu())
            fehler += menüOhneZugriffstaste(a->menu());
    }
    return fehler;
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
        zeile("Log", Befehl::Log, u"Toolbar1_Drucken", u"frmLog",
            { u"cmdAbbrechen"_s, u"mnuZurück2"_s, u"Esc"_s }, true);
        zeile("QSL", Befehl::QSL, u"Toolbar1_QSL", u"frmQSL", { u"cmdAbbrechen"_s, u"mnuZurück"_s }, true);
        zeile("Call-Info", Befehl::CallInfo, u"", u"frmCallInfo",
            { u"Esc"_s, u"cmdAbbrechen"_s, u"mnuZurück"_s }, true);
        zeile("Tabellen", Befehl::Tabellen, u"Toolbar1_Tabellen", u"frmStatistik",
            { u"Esc"_s, u"cmdAbbrechen"_s, u"mnuZurück"_s }, false);
        zeile("Grafiken", Befehl::Grafiken, u"Toolbar1_Statistiken", u"frmStatistik2",
            { u"Esc"_s, u"cmdAbbrechen"_s, u"mnuZurück1"_s }, false);
        zeile("Karte", Befehl::Karte, u"Toolbar1_Karte", u"frmKarte",
            { u"Esc"_s, u"Command4"_s, u"mnuZurück"_s }, false);
        zeile("Karte (Grafik)", Befehl::KarteGrafik, u"", u"frmKarte", { u"Esc"_s }, false);
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
        QVERIFY(programm.bereit());
        MainWindow& rahmen = programm.rahmen();
        auto* stapel = rahmen.findChild<QStackedWidget*>();
        const QStringList logMenüs = menüs(rahmen);
        QVERIFY(logMenüs.size() > 3);
        QPointer<QWidget> erstes;
        for (const QString& weg : wege) {
            if (weg == wege.first() && !symbol.isEmpty())
                rahmen.findChild<QAction*>(symbol)->trigger();
            else
                rahmen.befehle()[Befehl(befehl)].trigger();
            QPointer<QWidget> w = stapel->currentWidget();
            QCOMPARE(w->objectName(), fenster);
            QTRY_VERIFY(w->isVisible());
            QVERIFY(!rahmen.contestWindow()->isVisible());
            QVERIFY(menüs(rahmen) != logMenüs);
            const QStringList doppelt = doppelteZugriffstasten(rahmen, w);
            QVERIFY2(doppelt.isEmpty(), qPrintable(doppelt.join(u"; "_s)));
            if (bleibt && erstes)
                QCOMPARE(w, erstes);
            erstes = w;

            zurück(w, weg);
            QTRY_COMPARE(stapel->currentWidget(), rahmen.contestWindow());
            QCOMPARE(menüs(rahmen), logMenüs);
            if (!bleibt)
                QTRY_VERIFY(w.isNull());
        }
        QCOMPARE(programm.antworten.titel, QStringList { u"Tarvex"_s }); // no message since the start
    }

    // Every command of the logging window's menus is one access key away, and no
    // key is taken twice there or among the window's own buttons.
    void everyMenuEntryHasAnAccessKeyOfItsOwn()
    {
        test::LaufendesProgramm programm;
        QVERIFY(programm.bereit());
        MainWindow& rahmen = programm.rahmen();
        QStringList fehler;
        for (const QAction* a : rahmen.menuBar()->actions())
            if (a->isVisible() && a->menu())
                fehler += menüOhneZugriffstaste(a->menu());
        fehler += doppelteZugriffstasten(rahmen, rahmen.contestWindow());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u"; "_s)));
    }

    // The text map and the locator search open beside the frame without
    // blocking it. The map shows the counts in their colours and counts again
    // when it is activated; the search takes capitals, Enter and its button and
    // moves on to "Abbrechen". Esc closes both.
    void textMapAndLocatorSearchWorkBesideTheFrame()
    {
        test::LaufendesProgramm programm;
        test::ContestDatInhalt inhalt;
        inhalt.stationen = { { u"DL1ABC"_s, u"JO31AB JO32CD"_s }, { u"PA0X"_s, u"JO21AA JO31EC"_s } };
        test::schreibeContestDat(u"CONTEST.DAT"_s, inhalt);
        QVERIFY(programm.bereit());
        MainWindow& rahmen = programm.rahmen();
        const auto kontakte = [&](const QString& square, int anzahl) {
            const test::Kontakt k { u"14:05"_s, u"DL1X"_s, u"50"_s, square, u"Deutschland"_s };
            test::schreibeKontakte(
                *programm.app->contest().db(), u"144MHz"_s, QList<test::Kontakt>(anzahl, k));
        };
        kontakte(u"JO31"_s, 5);
        kontakte(u"JO30"_s, 3);

        rahmen.befehle()[Befehl::KarteText].trigger();
        QPointer<LocatorTextWindow> karte = rahmen.findChild<LocatorTextWindow*>();
        QVERIFY(karte);
        QTRY_VERIFY(karte->isVisible());
        QVERIFY(!karte->isModal() && rahmen.contestWindow()->isVisible());
        const auto zeile = [&](int r) { return karte->karte()->text().split(u'\n').value(r); };
        // Text colour at line r (0 = row 5), column x.
        const auto farbe = [&](int r, int x) { return karte->karte()->schrift(r, x); };
        QCOMPARE(zeile(13).mid(35, 15), u"JO21    5 JO41 "_s);
        QCOMPARE(farbe(13, 43), QColor(128, 0, 0)); // own square: dark red
        QCOMPARE(farbe(14, 43), QColor(255, 255, 0)); // yellow
        QCOMPARE(karte->karte()->hintergrund(14, 43), QColor(Qt::black)); // readable on black
        QCOMPARE(karte->karte()->hintergrund(14, 44), QColor(Qt::white)); // the blank between the cells
        QCOMPARE(farbe(13, 35), QColor(0, 0, 0)); // names in black
        kontakte(u"JO30"_s, 1);
        QEvent aktiv(QEvent::WindowActivate);
        QApplication::sendEvent(karte, &aktiv);
        QCOMPARE(zeile(14).mid(40, 5), u"   4 "_s);
        QTest::keyClick(karte, Qt::Key_Escape);
        QTRY_VERIFY(karte.isNull());

        rahmen.befehle()[Befehl::Locatorsuche].trigger();
        QPointer<LocatorsucheWindow> suche = rahmen.findChild<LocatorsucheWindow*>();
        QVERIFY(suche);
        QTRY_VERIFY(suche->isVisible());
        QVERIFY(!suche->isModal());
        QAbstractItemModel* gefunden = suche->findChild<QTableView*>(u"DBGrid1"_s)->model();
        auto* abbrechen = suche->findChild<QPushButton*>(u"cmdAbbrechen"_s);
        QLineEdit* feld = suche->txtLocator();
        feld->setFocus();
        QTest::keyClicks(feld, u"jo31*"_s);
        QCOMPARE(feld->text(), u"JO31*"_s);
        QTest::keyClick(feld, Qt::Key_Return);
        QCOMPARE(gefunden->rowCount(), 1);
        QCOMPARE(gefunden->index(0, 1).data().toString(), u"JO31AB JO32CD"_s);
        QCOMPARE(suche->focusWidget(), abbrechen);
        feld->setText(u"*JO31EC*"_s);
        QTest::mouseClick(suche->findChild<QPushButton*>(u"cmdSuchen"_s), Qt::LeftButton);
        QCOMPARE(gefunden->index(0, 0).data().toString(), u"PA0X"_s);
        QCOMPARE(suche->focusWidget(), abbrechen);
        QTest::keyClick(suche, Qt::Key_Escape);
        QTRY_VERIFY(suche.isNull());
        QCOMPARE(programm.antworten.titel, QStringList { u"Tarvex"_s }); // no message since the start
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
