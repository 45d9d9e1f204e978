#include "contest/BandwahlDialog.h"
#include "store/Settings.h"
#include "support/TestFiles.h"

#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using tarvex::Bandwahl;
using tarvex::BandwahlDialog;

// Which buttons are enabled and shown is the core's; here the dialog follows it
// and the keyboard finds its way through.
class BandwahlDialogTest : public QObject {
    Q_OBJECT
private slots:
    void keyboardSkipsTheOtherBandsAndChoosesOne()
    {
        tarvex::test::WorkDir dir;
        tarvex::Settings settings(dir.pfad(u"CONTEST.ini"_s));
        settings.setBänder({ u"144MHz"_s, u"432MHz"_s, u"10368MHz"_s });
        BandwahlDialog dialog(Bandwahl::knöpfe(settings), u"432MHz"_s);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!dialog.findChild<QPushButton*>(u"cmd1296MHz"_s)->isEnabled());
        QVERIFY(!dialog.findChild<QPushButton*>(u"cmd50MHz"_s)->isVisible());
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
