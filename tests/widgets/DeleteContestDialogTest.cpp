#include "contest/ContestDeletion.h"
#include "contest/DeleteContestDialog.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QListWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

class DeleteContestDialogTest : public QObject {
    Q_OBJECT
private slots:
    void doubleClickDeletesTheContestAndClosesTheForm()
    {
        tarvex::test::WorkDir dir;
        for (const QString& name : {u"b.MDB"_s, u"a.mdb"_s, u"a.txt"_s, u"c.txt"_s}) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        tarvex::test::ScriptedPrompter prompter;
        prompter.antworte(tarvex::Meldung::Antwort::Ja);
        tarvex::ContestLöschen löschen(u"/logs/X.MDB"_s, prompter);
        tarvex::DeleteContestDialog dialog(löschen);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        auto* liste = dialog.findChild<QListWidget*>(u"File1"_s);
        QCOMPARE(liste->count(), 2);
        QCOMPARE(liste->item(0)->text(), u"a.mdb"_s);
        QCOMPARE(liste->item(1)->text(), u"b.MDB"_s);
        QCOMPARE(liste->currentRow(), 0);

        const QRect zeile = liste->visualItemRect(liste->item(0));
        // A view takes a double click only on the row its press went to.
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
        QCOMPARE(prompter.texte(), QStringList{u"Soll die Datenbank A.MDB wirklich gelöscht werden?"_s});
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(QDir().entryList(QDir::Files, QDir::Name), (QStringList{u"b.MDB"_s, u"c.txt"_s}));
    }
};

QTEST_MAIN(DeleteContestDialogTest)
#include "DeleteContestDialogTest.moc"
