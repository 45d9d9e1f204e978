#include "contest/BandwahlDialog.h"
#include "store/Settings.h"
#include "support/TestFiles.h"

#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using tarvex::BandwahlDialog;
using tarvex::Bandwahl;

class BandwahlDialogTest : public QObject {
    Q_OBJECT
private:
    QList<tarvex::BandKnopf> knöpfe(const QStringList& bänder)
    {
        tarvex::Settings settings(dir.pfad(u"CONTEST.ini"_s));
        settings.setBänder(bänder);
        return Bandwahl::knöpfe(settings);
    }
    tarvex::test::WorkDir dir;

private slots:
    void onlyTheContestsBandsCanBeChosen()
    {
        BandwahlDialog dialog(knöpfe({u"144MHz"_s, u"10368MHz"_s}), u"144MHz"_s);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QStringList aktiv;
        for (const QPushButton* b : dialog.findChildren<QPushButton*>()) {
            if (b->isEnabled())
                aktiv.append(b->objectName());
        }
        aktiv.sort();
        QCOMPARE(aktiv, (QStringList{u"cmd10368MHz"_s, u"cmd144MHz"_s}));
        QVERIFY(!dialog.findChild<QPushButton*>(u"cmd50MHz"_s)->isVisible());
    }

    void keyboardMovesToTheNextBandAndChoosesIt()
    {
        BandwahlDialog dialog(knöpfe({u"144MHz"_s, u"432MHz"_s, u"10368MHz"_s}), u"432MHz"_s);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"cmd432MHz"_s);
        // 432 MHz stands right of 144 MHz; the disabled buttons are skipped.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"cmd144MHz"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"cmd10368MHz"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.gewählt(), u"10368MHz"_s);
    }
};

QTEST_MAIN(BandwahlDialogTest)
#include "BandwahlDialogTest.moc"
