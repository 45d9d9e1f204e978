#include "contest/NewContestDialog.h"
#include "app/MessageBoxPrompter.h"
#include "support/ContestFixture.h"
#include "support/Kind.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace tarvex {

using namespace Qt::StringLiterals;
using test::kind;

class NewContestDialogTest : public QObject {
    Q_OBJECT

    struct Umgebung : test::Arbeitsplatz {
        ContestModel contest { prompter, clock, keystrokes, lookup, settings };
        QWidget fenster;
    };

    static NewContestDialog* offen(Umgebung& u)
    {
        NewContestDialog* d
            = NewContestDialog::anbieten(&u.fenster, u.contest, u.prompter, QDate(2026, 12, 4));
        if (!QTest::qWaitForWindowActive(d))
            qFatal("Formular nicht aktiv");
        return d;
    }

    static void ausfüllen(
        NewContestDialog* d, const QString& name, const QString& call, const QString& locator)
    {
        const std::pair<QString, QString> felder[]
            = { { u"txtName"_s, name }, { u"txtCall"_s, call }, { u"txtLocator"_s, locator } };
        for (const auto& [feld, text] : felder) {
            kind<QLineEdit>(d, feld)->clear();
            QTest::keyClicks(kind<QLineEdit>(d, feld), text);
        }
    }

private slots:
    void presetReadyToBeTypedOverAndKeptOnASecondOffer()
    {
        Umgebung u;
        NewContestDialog* d = offen(u);
        QLineEdit* name = kind<QLineEdit>(d, u"txtName"_s);
        QTRY_VERIFY(name->hasFocus());
        QCOMPARE(name->selectedText(), u"DEZ2026"_s);
        QTest::keyClicks(name, u"fd"_s);
        QCOMPARE(NewContestDialog::anbieten(&u.fenster, u.contest, u.prompter, QDate(2027, 1, 1)), d);
        QCOMPARE(name->text(), u"FD"_s);

        // A letter turned capital stays where it went in, cursor and all.
        QLineEdit* call = kind<QLineEdit>(d, u"txtCall"_s);
        QTest::keyClicks(call, u"dl0ab"_s);
        call->setCursorPosition(2);
        QTest::keyClicks(call, u"x"_s);
        QCOMPARE(call->cursorPosition(), 3);
        QCOMPARE(d->model().txtCall(), u"DLX0AB"_s);
    }

    void wrongLocatorHoldsTheFocusAndCancelNeedsAContest()
    {
        Umgebung u;
        NewContestDialog* d = offen(u);
        QVERIFY(!kind<QPushButton>(d, u"cmdAbbrechen"_s)->isEnabled());
        QTest::keyClick(d, Qt::Key_Escape);
        d->close();
        QVERIFY(d->isVisible());

        QSignalSpy created(d, &NewContestDialog::created);
        QLineEdit* locator = kind<QLineEdit>(d, u"txtLocator"_s);
        ausfüllen(d, u"TEST"_s, u"DL0AB"_s, u"1o31ab"_s);
        QTest::mouseClick(kind<QCheckBox>(d, u"chk10"_s), Qt::LeftButton);
        u.prompter.vergiss();

        // Tab, a click on OK and Enter in the field each bring the message and nothing more.
        locator->setFocus();
        QTest::keyClick(locator, Qt::Key_Tab);
        QTRY_COMPARE(u.prompter.texte().size(), 1);
        QTRY_VERIFY(locator->hasFocus());
        QTest::mouseClick(kind<QPushButton>(d, u"cmdOk"_s), Qt::LeftButton);
        QTRY_COMPARE(u.prompter.texte().size(), 2);
        QTRY_VERIFY(locator->hasFocus());
        QTest::keyClick(locator, Qt::Key_Return);
        QCOMPARE(u.prompter.texte().filter(u"Locator"_s).size(), 3);
        QVERIFY(d->isVisible());

        // Corrected, the same Enter creates.
        locator->clear();
        QTest::keyClicks(locator, u"jo31ab"_s);
        QTest::keyClick(locator, Qt::Key_Return);
        QVERIFY(!d->isVisible());
        QCOMPARE(created.size(), 1);
        QCOMPARE(u.prompter.texte().size(), 3);

        // Now there is a contest to go back to.
        d = offen(u);
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        QCOMPARE(u.contest.Datenbank(), u"TEST.MDB"_s);
    }

    // With real message boxes the form loses and regains activation around the
    // message; that must neither repeat the check nor lose the focus.
    void wrongLocatorWithARealMessageBox()
    {
        Umgebung u;
        MessageBoxPrompter echt(&u.fenster);
        NewContestDialog* d = NewContestDialog::anbieten(&u.fenster, u.contest, echt, QDate(2026, 12, 4));
        QVERIFY(QTest::qWaitForWindowActive(d));
        QLineEdit* locator = kind<QLineEdit>(d, u"txtLocator"_s);
        QTest::keyClicks(locator, u"jo3lab"_s);
        locator->setFocus();

        QStringList gesehen;
        QTimer wächter;
        connect(&wächter, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                gesehen.append(box->text());
                box->button(QMessageBox::Ok)->click();
            }
        });
        wächter.start(10);
        QTest::keyClick(locator, Qt::Key_Tab);
        QTRY_COMPARE(gesehen.size(), 1);
        QTRY_VERIFY(locator->hasFocus());
        QTest::qWait(100);
        QCOMPARE(gesehen.size(), 1);
    }

    void modalFromTheMenu()
    {
        Umgebung u;
        QTimer::singleShot(0, this, [&] {
            auto* d = qobject_cast<NewContestDialog*>(QApplication::activeModalWidget());
            if (!d)
                return;
            ausfüllen(d, u"FD"_s, u"DL0AB"_s, u"JO31AB"_s);
            QTest::mouseClick(kind<QCheckBox>(d, u"chk432"_s), Qt::LeftButton);
            QTest::mouseClick(kind<QPushButton>(d, u"cmdOk"_s), Qt::LeftButton);
        });
        QVERIFY(NewContestDialog::ausführen(&u.fenster, u.contest, u.prompter, QDate(2027, 3, 1)));
        QCOMPARE(u.contest.Datenbank(), u"FD.MDB"_s);
    }
};

} // namespace tarvex

QTEST_MAIN(tarvex::NewContestDialogTest)
#include "NewContestDialogTest.moc"
