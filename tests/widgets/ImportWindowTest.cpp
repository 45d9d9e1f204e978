// frmImport over a real contest: the list shows the EXP files, the buttons and
// a double click reach the import, "abbrechen" changes nothing.
#include "app/Application.h"
#include "app/Befehl.h"
#include "app/MainWindow.h"
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

#include <QAction>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

class ImportWindowTest : public QObject {
    Q_OBJECT
private:
    struct Umgebung : test::Arbeitsplatz {
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
        int zeilen(const QString& band) { return static_cast<int>(model->db()->qsos(band).size()); }
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

    // The menu entries of the application open the import window and the mail
    // settings, and "Postausgang senden" reports an empty outbox.
    void theApplicationsMenuReachesImportMailSettingsAndOutbox()
    {
        test::WorkDir dir;
        test::schreibeContestDat(u"CONTEST.DAT"_s, {});
        test::schreibeCallInfo(u"CALLINFO.MDB"_s, {});
        ContestDatabase::anlegen(u"TEST.mdb"_s, {u"144MHz"_s}, {u"DL0XX"_s, u"JO31AA"_s});
        auto settings = std::make_unique<Settings>(dir.pfad(u"CONTEST.ini"_s));
        settings->setLetzterContest(u"TEST.MDB"_s);
        settings->setLetztesBand(u"144MHz"_s);

        // Message boxes are answered at once and remembered.
        QStringList meldungen;
        QTimer schließer;
        connect(&schließer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                meldungen << box->text();
                box->close();
            }
        });
        schließer.start(20);

        Application app(std::move(settings));
        app.starten(0);
        MainWindow& rahmen = app.hauptfenster();
        QVERIFY(QTest::qWaitForWindowExposed(&rahmen));

        const auto öffnen = [&](Befehl befehl, const QString& knopf) {
            QString titel;
            QTimer::singleShot(0, this, [&] {
                QWidget* w = QApplication::activeModalWidget();
                QVERIFY(w);
                titel = w->windowTitle();
                w->findChild<QPushButton*>(knopf)->click();
            });
            QAction& aktion = rahmen.befehle()[befehl];
            [&] { QVERIFY(aktion.isEnabled()); }();
            aktion.trigger();
            return titel;
        };
        QCOMPARE(öffnen(Befehl::Import, u"Command1"_s), u"EXP-Datei importieren"_s);
        QCOMPARE(öffnen(Befehl::EMailEinstellungen, u"cmdAbbrechen"_s), u"E-Mail-Einstellungen"_s);
        QVERIFY(rahmen.befehle()[Befehl::PostausgangSenden].isEnabled());
        rahmen.befehle()[Befehl::PostausgangSenden].trigger();
        QTRY_VERIFY(meldungen.contains(u"Der Postausgang ist leer."_s));
    }
};

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
