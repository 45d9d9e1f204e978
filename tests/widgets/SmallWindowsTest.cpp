#include "app/CopyrightDialog.h"
#include "app/LastInputsDialog.h"
#include "entry/KeystrokeLog.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace tarvex {

using namespace Qt::StringLiterals;

// The last-inputs window and the terms-of-use window.
class SmallWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void lastInputsOnlyWhenTheLogExists()
    {
        test::WorkDir dir;
        KeystrokeLog log(u"LOG.TXT"_s);
        bool geöffnet = false;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                geöffnet = true;
                w->close();
            }
        });
        QVERIFY(!LastInputsDialog::zeigen(nullptr, log));
        QCoreApplication::processEvents();
        QVERIFY(!geöffnet);

        log.anhängen(u"DL1ABC"_s);
        log.anhängen(u"59001"_s);
        QString inhalt;
        bool nurLesen = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w)
                return;
            auto* text = w->findChild<QPlainTextEdit*>(u"txtLastInput"_s);
            inhalt = text->toPlainText();
            nurLesen = text->isReadOnly();
            QTest::mouseClick(w->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
        });
        QVERIFY(LastInputsDialog::zeigen(nullptr, log));
        QCOMPARE(inhalt, u"DL1ABC\n59001"_s);
        QVERIFY(nurLesen);
    }

    void copyrightTextLosesItsSelectionUnderTheMouse()
    {
        CopyrightDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* text1 = dialog.findChild<QPlainTextEdit*>(u"Text1"_s);
        QVERIFY(text1->isReadOnly());
        text1->selectAll();
        QVERIFY(text1->textCursor().hasSelection());
        const QPointF mitte = text1->viewport()->rect().center();
        QMouseEvent bewegung(QEvent::MouseMove, mitte, text1->viewport()->mapToGlobal(mitte), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(text1->viewport(), &bewegung);
        QVERIFY(!text1->textCursor().hasSelection());

        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }
};

} // namespace tarvex

QTEST_MAIN(tarvex::SmallWindowsTest)
#include "SmallWindowsTest.moc"
