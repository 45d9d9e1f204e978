// The per-hour chart over a real contest: buttons and Enter fill the bars, the
// picture goes to the clipboard and into a PNG file, a bar tells its value.
// The sums per hour are tested on the headless model.
#include "stats/StatistikGrafikWindow.h"
#include "support/StatistikUmgebung.h"

#include <QAbstractButton>
#include <QBarSet>
#include <QClipboard>
#include <QImage>
#include <QToolTip>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

class StatistikGrafikWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::StatistikUmgebung> u;

    static void klick(QWidget& w, const QString& name)
    {
        QTest::mouseClick(w.findChild<QAbstractButton*>(name), Qt::LeftButton);
    }
    static QList<qreal> balken(StatistikGrafikWindow& w)
    {
        QList<qreal> werte;
        for (int i = 0; i < w.balken()->count(); ++i)
            werte.append(w.balken()->at(i));
        return werte;
    }

private slots:
    void initTestCase()
    {
        QList<test::Kontakt> kontakte { { u"14:05"_s, u"DL1AA"_s, u"500"_s, u"JO31"_s, u"Deutschland"_s },
            { u"14:40"_s, u"F1BB"_s, u"300"_s, u"JN18"_s, u"Frankreich"_s },
            { u"15:10"_s, u"OE1CC"_s, u"800"_s, u"JN78"_s, u"Österreich"_s },
            { u"23:10"_s, u"G4FF"_s, u"-----"_s, {}, {} } };
        for (int i = 0; i < 40; ++i)
            kontakte.append(
                { u"%1:%2"_s.arg((14 + i / 3) % 24, 2, 10, QChar(u'0')).arg(i, 2, 10, QChar(u'0')),
                    u"DL%1XX"_s.arg(i), u"%1"_s.arg(100 + 37 * i), u"JO40"_s, u"Deutschland"_s });
        u = std::make_unique<test::StatistikUmgebung>(kontakte);
    }
    void cleanupTestCase() { u.reset(); }

    void buttonsAndEnterShowTheModelsRow()
    {
        auto w = u->öffnen<StatistikGrafikWindow>();
        QVERIFY(w);
        QCOMPARE(w->balken()->count(), 0);
        for (const char16_t* knopf : { u"Command3", u"Command2", u"Command4" }) {
            const auto vorher = w->model().reihe();
            klick(*w, QString::fromUtf16(knopf));
            QVERIFY(w->model().reihe() != vorher);
            QList<qreal> werte;
            for (const qint64 wert : w->model().werte())
                werte.append(qreal(wert));
            QCOMPARE(werte.size(), 24);
            QCOMPARE(balken(*w), werte);
        }
        // Command1 is the default: Enter outside the buttons shows contacts per hour.
        QWidget* grafik = w->findChild<QWidget*>(u"Grafik"_s);
        grafik->setFocus();
        QTest::keyClick(grafik, Qt::Key_Return);
        QCOMPARE(w->model().reihe(), StatistikGrafikModel::Reihe::QSOsNachZeit);
        QCOMPARE(balken(*w)[1], 4.0);
    }

    void copyLeavesOnlyTheChartPictureOnTheClipboard()
    {
        auto w = u->öffnen<StatistikGrafikWindow>();
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
        auto w = u->öffnen<StatistikGrafikWindow>();
        QVERIFY(w);
        klick(*w, u"Command2"_s);
        u->prompter.antworteDatei(u->dir.pfad(u"punkte"_s));
        klick(*w, u"cmdSpeichern"_s);
        QCOMPARE(u->prompter.dateiFragen().size(), 1);
        const Dateiwahl frage = u->prompter.dateiFragen()[0];
        QCOMPARE(frage.vorgabe, u->dir.pfad(u"TEST_144MHz_Punkte_nach_Zeit.png"_s));
        QCOMPARE(frage.titel, u"Grafik speichern"_s);
        QCOMPARE(frage.filter, u"PNG-Bilder (*.png)"_s);
        QVERIFY(frage.art == Dateiwahl::Art::Speichern);
        QCOMPARE(QImage(u->dir.pfad(u"punkte.png"_s)).size(), w->bild().size());

        u->prompter.antworteDatei(std::nullopt); // cancelled
        klick(*w, u"cmdSpeichern"_s);
        const QString antwort = u->dir.pfad(u"fehlt/bild.png"_s);
        u->prompter.antworteDatei(antwort);
        klick(*w, u"cmdSpeichern"_s);
        QCOMPARE(u->prompter.gezeigt().size(), 1);
        QVERIFY(u->prompter.gezeigt()[0].text.startsWith(u"Die Grafik konnte nicht in "_s + antwort));
        u->prompter.vergiss();
    }

    void aBarTellsItsValueOnHover()
    {
        auto w = u->öffnen<StatistikGrafikWindow>();
        QVERIFY(w);
        klick(*w, u"Command1"_s);
        emit w->balken()->hovered(true, 1);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), u"15:00–16:00 UTC: 4 QSOs"_s);
        emit w->balken()->hovered(false, 1);
        QTRY_VERIFY(!QToolTip::isVisible());
    }
};

QTEST_MAIN(StatistikGrafikWindowTest)
#include "StatistikGrafikWindowTest.moc"
