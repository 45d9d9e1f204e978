// The call-info window with real keys: mnemonics, typing and the focus reach
// the model; its rules are tested on the headless model.
#include "callinfo/CallInfoWindow.h"
#include "callinfo/CallInfoModel.h"
#include "store/Connection.h"
#include "support/ContestFixture.h"
#include "support/Kind.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace tarvex;
using test::kind;

class CallInfoWindowTest : public QObject {
    Q_OBJECT
private:
    // The logging model the window reads the typed call from, over small reference files.
    struct Umgebung : test::Arbeitsplatz {
        Umgebung()
        {
            test::schreibeContestDat(u"CONTEST.DAT"_s, {});
            test::schreibeCallInfo(u"CALLINFO.MDB"_s,
                { { u"QQ9QQ"_s, u"Tarvex"_s }, { u"DL1ABC"_s, u"Hans"_s }, { u"DK2XY"_s, u"Eva"_s } });
            window.show();
            window.activateWindow();
            if (!QTest::qWaitForWindowActive(&window))
                qFatal("Call-Info-Fenster nicht aktiv");
            window.aktivieren();
        }
        ContestModel contest { prompter, clock, keystrokes, lookup, settings };
        CallInfoModel model { contest, callInfo, prompter };
        CallInfoWindow window { model };
    };

    // A mnemonic, typed where the focus is, as the operator does. The button
    // shows itself pressed for a moment and clicks afterwards.
    static void alt(Qt::Key taste)
    {
        QTest::keyClick(QApplication::focusWidget(), taste, Qt::AltModifier);
        QTest::qWait(200);
    }

private slots:
    void editingWithRealKeysStoresTheEntry()
    {
        Umgebung u;
        CallInfoWindow& w = u.window;
        auto* txtCall = kind<QLineEdit>(&w, u"txtCall"_s);
        auto* txtName = kind<QLineEdit>(&w, u"txtName"_s);
        auto* caption = kind<QLabel>(&w, u"data1Caption"_s);
        QCOMPARE(txtCall->text(), u"QQ9QQ"_s);
        QCOMPARE(caption->text(), u"0"_s);
        // The own entry stays locked.
        alt(Qt::Key_B);
        QVERIFY(!txtName->isEnabled());

        QTest::mouseClick(kind<QToolButton>(&w, u"data1Nächster"_s), Qt::LeftButton);
        QCOMPARE(caption->text(), u"1"_s);
        QCOMPARE(txtName->text(), u"Hans"_s);
        alt(Qt::Key_B);
        QVERIFY(txtName->isEnabled());
        // Editing starts in the call field.
        QCOMPARE(QApplication::focusWidget(), txtCall);
        txtCall->selectAll();
        QTest::keyClicks(txtCall, u"dl1abd"_s);
        QCOMPARE(txtCall->text(), u"DL1ABD"_s);
        txtName->setFocus();
        txtName->selectAll();
        QTest::keyClicks(txtName, u"Hans Peter"_s);
        QTest::mouseClick(kind<QCheckBox>(&w, u"Check1"_s), Qt::LeftButton);
        QTest::keyClicks(kind<QPlainTextEdit>(&w, u"txtNotiz"_s), u"2 m und 70 cm"_s);
        alt(Qt::Key_S);

        QVERIFY(!txtName->isEnabled());
        QCOMPARE(QApplication::focusWidget(), kind<QPushButton>(&w, u"cmdSuchen"_s));
        Connection c(u"CALLINFO.MDB"_s, Connection::Zugriff::NurLesen);
        const Rows rows
            = c.select(u"SELECT Rufzeichen, Name, Notiz, QSLgesendet FROM CALLINFO WHERE rowid=2"_s);
        QCOMPARE(rows.zeilen.value(0),
            (QVariantList { u"DL1ABD"_s, u"Hans Peter"_s, u"2 m und 70 cm"_s, qlonglong(1) }));
    }

    void searchByMnemonicAndEscUndoesIt()
    {
        Umgebung u;
        u.prompter.antworteEingabe(u"DK*"_s);
        alt(Qt::Key_U);
        QCOMPARE(kind<QLineEdit>(&u.window, u"txtCall"_s)->text(), u"DK2XY"_s);
        QTest::keyClick(&u.window, Qt::Key_Escape);
        QCOMPARE(u.model.anzahl(), 3);
    }
};

QTEST_MAIN(CallInfoWindowTest)
#include "CallInfoWindowTest.moc"
