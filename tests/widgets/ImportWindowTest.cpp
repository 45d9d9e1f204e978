// frmImport over a real contest: the list shows the EXP files, the buttons and
// a double click reach the import, "abbrechen" changes nothing.
#include "common/TextFile.h"
#include "contest/ContestModel.h"
#include "entry/CallLookup.h"
#include "entry/KeystrokeLog.h"
#include "logout/ExpImport.h"
#include "logout/ImportModel.h"
#include "logout/ImportWindow.h"
#include "store/ContestDatabase.h"
#include "store/ReferenceDatabase.h"
#include "store/Settings.h"
#include "support/ContestFixture.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

class ImportWindowTest : public QObject {
    Q_OBJECT
private:
    struct Umgebung {
        test::WorkDir dir;
        test::ScriptedPrompter prompter;
        test::FixedClock clock;
        KeystrokeLog keystrokes{u"LOG.TXT"_s};
        ContestDat contestDat;
        CallInfoDb callInfo;
        CallLookup lookup{contestDat, callInfo, prompter};
        Settings settings{dir.pfad(u"CONTEST.ini"_s)};
        std::unique_ptr<ContestModel> model;
        std::unique_ptr<ExpImport> import;
        std::unique_ptr<ImportModel> fensterModel;

        Umgebung()
        {
            test::schreibeContestDat(u"CONTEST.DAT"_s, {});
            test::schreibeCallInfo(u"CALLINFO.MDB"_s, {});
            ContestDatabase::anlegen(u"TEST.mdb"_s, {u"144MHz"_s, u"432MHz"_s}, {u"DL0XX"_s, u"JO31AA"_s});
            model = std::make_unique<ContestModel>(prompter, clock, keystrokes, lookup, settings);
            model->öffnen(u"TEST.MDB"_s, u"144MHz"_s);
            import = std::make_unique<ExpImport>(*model, prompter);
            fensterModel = std::make_unique<ImportModel>(*import, prompter);
            writeTextFile(u"432MHz-052002-DL1ABC.EXP"_s,
                          {u"*** Tarvex V3 Exportdatei ***"_s, u"DL1ABC"_s, u"JO62QM"_s, u"432MHz"_s, u"200205"_s,
                           u"06.05.02,12:01,DK2XY,599001,579012,JO62QM,512,87,DK2XY,JO62,Deutschland"_s});
            writeTextFile(u"alt.exp"_s, {});
            writeTextFile(u"notiz.txt"_s, {});
        }
        int zeilen(const QString& band) { return static_cast<int>(model->datenbank()->qsos(band).size()); }
    };

private slots:
    void listsTheExpFilesAndImportsTheSelectedOne()
    {
        Umgebung u;
        ImportWindow fenster(*u.fensterModel);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QCOMPARE(fenster.windowTitle(), u"EXP-Datei importieren"_s);
        auto* liste = fenster.findChild<QListWidget*>(u"File1"_s);
        QStringList namen;
        for (int i = 0; i < liste->count(); ++i)
            namen << liste->item(i)->text();
        QCOMPARE(namen, (QStringList{u"432MHz-052002-DL1ABC.EXP"_s, u"alt.exp"_s}));
        fenster.grab().save(u"/tmp/frmImport.png"_s);

        liste->setCurrentRow(0);
        QTest::mouseClick(fenster.findChild<QPushButton*>(u"importieren"_s), Qt::LeftButton);
        QCOMPARE(fenster.result(), int(QDialog::Accepted));
        QCOMPARE(u.zeilen(u"432MHz"_s), 1);
        QCOMPARE(u.model->Band(), u"432MHz"_s);
        QCOMPARE(u.prompter.gezeigt().last().titel, u"Hinweis"_s);
    }

    void enterImportsOnceAndCancelChangesNothing()
    {
        Umgebung u;
        {
            ImportWindow fenster(*u.fensterModel);
            fenster.show();
            QVERIFY(QTest::qWaitForWindowExposed(&fenster));
            auto* liste = fenster.findChild<QListWidget*>(u"File1"_s);
            liste->setCurrentRow(0);
            QTest::mouseClick(fenster.findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
            QCOMPARE(fenster.result(), int(QDialog::Rejected));
            QCOMPARE(u.zeilen(u"432MHz"_s), 0);
            QVERIFY(u.prompter.gezeigt().isEmpty());
        }
        ImportWindow fenster(*u.fensterModel);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        auto* liste = fenster.findChild<QListWidget*>(u"File1"_s);
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(fenster.result(), int(QDialog::Accepted));
        QCOMPARE(u.zeilen(u"432MHz"_s), 1);
        QCOMPARE(u.prompter.gezeigt().size(), 1);
    }

    void doubleClickImports()
    {
        Umgebung u;
        ImportWindow fenster(*u.fensterModel);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        auto* liste = fenster.findChild<QListWidget*>(u"File1"_s);
        const QRect zeile = liste->visualItemRect(liste->item(0));
        // A view takes a double click only on the row its press went to.
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
        QCOMPARE(fenster.result(), int(QDialog::Accepted));
        QCOMPARE(u.zeilen(u"432MHz"_s), 1);
    }

    void withoutASelectionTheWindowStaysOpen()
    {
        Umgebung u;
        ImportWindow fenster(*u.fensterModel);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        fenster.findChild<QListWidget*>(u"File1"_s)->clearSelection();
        QTest::mouseClick(fenster.findChild<QPushButton*>(u"importieren"_s), Qt::LeftButton);
        QVERIFY(fenster.isVisible());
        QCOMPARE(u.prompter.texte(), QStringList{u"Bitte zuerst eine EXP-Datei auswählen."_s});
    }
};

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
