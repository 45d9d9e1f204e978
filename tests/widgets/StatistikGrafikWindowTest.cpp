// The per-hour chart over a real contest: buttons and Enter fill the bars, the
// picture goes to the clipboard and into a PNG file, a bar tells its value.
#include "contest/ContestModel.h"
#include "entry/CallLookup.h"
#include "entry/KeystrokeLog.h"
#include "stats/StatistikGrafikWindow.h"
#include "store/ReferenceDatabase.h"
#include "store/Settings.h"
#include "support/ContestFixture.h"
#include "support/StatistikKontakte.h"

#include <QAbstractButton>
#include <QAction>
#include <QBarSet>
#include <QClipboard>
#include <QImage>
#include <QSignalSpy>
#include <QToolTip>
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

class StatistikGrafikWindowTest : public QObject, public test::Arbeitsplatz {
    Q_OBJECT
private:
    std::unique_ptr<ContestModel> model;

    std::unique_ptr<StatistikGrafikWindow> öffnen()
    {
        auto w = std::make_unique<StatistikGrafikWindow>(*model, prompter);
        w->resize(780, 520);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        return w;
    }
    static void klick(QWidget& w, const QString& name)
    {
        QTest::mouseClick(w.findChild<QAbstractButton*>(name), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        test::schreibeContestDat(u"CONTEST.DAT"_s, {});
        test::schreibeCallInfo(u"CALLINFO.MDB"_s, {});
        ContestDatabase::anlegen(u"TEST.mdb"_s, {u"144MHz"_s}, {u"DL0XX"_s, u"JO31AA"_s});
        model = std::make_unique<ContestModel>(prompter, clock, keystrokes, lookup, settings);
        model->öffnen(u"TEST.MDB"_s, u"144MHz"_s);
        QList<test::Kontakt> kontakte{{u"14:05"_s, u"DL1AA"_s, u"500"_s, u"JO31"_s, u"Deutschland"_s},
                                      {u"14:40"_s, u"F1BB"_s, u"300"_s, u"JN18"_s, u"Frankreich"_s},
                                      {u"15:10"_s, u"OE1CC"_s, u"800"_s, u"JN78"_s, u"Österreich"_s},
                                      {u"23:10"_s, u"G4FF"_s, u"-----"_s, {}, {}}};
        for (int i = 0; i < 40; ++i)
            kontakte.append({u"%1:%2"_s.arg((14 + i / 3) % 24, 2, 10, QChar(u'0')).arg(i, 2, 10, QChar(u'0')),
                             u"DL%1XX"_s.arg(i), u"%1"_s.arg(100 + 37 * i), u"JO40"_s, u"Deutschland"_s});
        test::schreibeKontakte(*model->db(), u"144MHz"_s, kontakte);
    }

    void buttonsAndEnterFillTheBarsNoTextCut()
    {
        auto w = öffnen();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), u"Tarvex - Statistik"_s);
        QCOMPARE(w->balken()->count(), 0);
        klick(*w, u"Command3"_s);
        QCOMPARE(w->balken()->count(), 24);
        QCOMPARE(w->balken()->at(0), 5.0);
        QCOMPARE(w->balken()->at(23), 43.0);
        klick(*w, u"Command2"_s);
        QCOMPARE(w->balken()->at(0), 1211.0);
        klick(*w, u"Command4"_s);
        QCOMPARE(w->balken()->at(0), 1211.0);
        QCOMPARE(w->balken()->at(23), static_cast<qreal>(w->model().werte().last()));
        QVERIFY(w->balken()->at(23) > 20000);
        // Command1 is the default: Enter outside the buttons shows contacts per hour.
        QWidget* grafik = w->findChild<QWidget*>(u"Grafik"_s);
        grafik->setFocus();
        QTest::keyClick(grafik, Qt::Key_Return);
        QCOMPARE(w->model().reihe(), StatistikGrafikModel::Reihe::QSOsNachZeit);
        QCOMPARE(w->balken()->at(1), 4.0);
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
        klick(*w, u"Command4"_s);
        ablegen(w->bild(), u"statistik-grafik"_s);
        klick(*w, u"Command1"_s);
        ablegen(w->bild(), u"statistik-grafik2"_s);
    }

    void copyLeavesOnlyTheChartPictureOnTheClipboard()
    {
        auto w = öffnen();
        QVERIFY(w);
        klick(*w, u"Command1"_s);
        QGuiApplication::clipboard()->setText(u"alt"_s);
        klick(*w, u"cmdDrucken"_s);
        const QImage bild = QGuiApplication::clipboard()->image();
        QVERIFY(!bild.isNull());
        QCOMPARE(bild.size(), w->bild().size());
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void saveWritesAPngAndTellsWhenItCannot()
    {
        auto w = öffnen();
        QVERIFY(w);
        klick(*w, u"Command2"_s);
        QStringList vorschläge;
        QString antwort = dir.pfad(u"punkte"_s);
        w->dateiWählen = [&](const QString& vorschlag) {
            vorschläge.append(vorschlag);
            return antwort;
        };
        klick(*w, u"cmdSpeichern"_s);
        QCOMPARE(vorschläge, QStringList{dir.pfad(u"TEST_144MHz_Punkte_nach_Zeit.png"_s)});
        QImage gespeichert(dir.pfad(u"punkte.png"_s));
        QCOMPARE(gespeichert.size(), w->bild().size());

        antwort.clear(); // cancelled
        klick(*w, u"cmdSpeichern"_s);
        antwort = dir.pfad(u"fehlt/bild.png"_s);
        klick(*w, u"cmdSpeichern"_s);
        QCOMPARE(prompter.gezeigt().size(), 1);
        QCOMPARE(prompter.gezeigt()[0].titel, u"Fehler"_s);
        QCOMPARE(prompter.gezeigt()[0].text,
                 u"Die Grafik konnte nicht als %1 gespeichert werden. Bitte Verzeichnis und freien Platz prüfen."_s
                     .arg(dir.pfad(u"fehlt/bild.png"_s)));
        prompter.vergiss();
    }

    void aBarTellsItsValueOnHover()
    {
        auto w = öffnen();
        QVERIFY(w);
        klick(*w, u"Command1"_s);
        emit w->balken()->hovered(true, 1);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), u"15:00–16:00 UTC: 4 QSOs"_s);
        emit w->balken()->hovered(false, 1);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void escButtonAndMenuLeaveTheWindow()
    {
        auto w = öffnen();
        QVERIFY(w);
        QSignalSpy zurück(w.get(), &StatistikGrafikWindow::backRequested);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w.get(), Qt::Key_Escape);
        klick(*w, u"cmdAbbrechen"_s);
        w->findChild<QAction*>(u"mnuZurück1"_s)->trigger();
        QCOMPARE(zurück.count(), 3);
    }
};

QTEST_MAIN(StatistikGrafikWindowTest)
#include "StatistikGrafikWindowTest.moc"
