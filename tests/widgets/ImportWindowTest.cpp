// frmImport over a real contest: the list shows the EXP files, the buttons and
// a double click reach the import, "abbrechen" changes nothing.
#include "logout/ImportWindow.h"
#include "commands/Befehl.h"
#include "common/TextFile.h"
#include "contest/ContestModel.h"
#include "logout/ExpImport.h"
#include "logout/ImportModel.h"
#include "store/ContestDatabase.h"
#include "support/ContestFixture.h"
#include "support/LaufendesProgramm.h"

#include <QAction>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

class ImportWindowTest : public QObject {
    Q_OBJECT
private:
    struct Umgebung : test::Arbeitsplatz {
        Umgebung()
        {
            ContestDatabase::anlegen(
                u"TEST.mdb"_s, { u"144MHz"_s, u"432MHz"_s }, { u"DL0XX"_s, u"JO31AA"_s });
            model.öffnen(u"TEST.MDB"_s, u"144MHz"_s);
            writeTextFile(u"432MHz-052002-DL1ABC.EXP"_s,
                { u"*** Tarvex V3 Exportdatei ***"_s, u"DL1ABC"_s, u"JO62QM"_s, u"432MHz"_s, u"200205"_s,
                    u"06.05.02,12:01,DK2XY,599001,579012,JO62QM,512,87,DK2XY,JO62,Deutschland"_s });
            fenster = std::make_unique<ImportWindow>(fensterModel);
            fenster->show();
            if (!QTest::qWaitForWindowExposed(fenster.get()))
                qFatal("Importfenster nicht sichtbar");
            liste = fenster->findChild<QListWidget*>(u"File1"_s);
        }
        int zeilen(const QString& band) { return static_cast<int>(model.db()->qsos(band).size()); }
        void klick(QString k) { QTest::mouseClick(fenster->findChild<QPushButton*>(k), Qt::LeftButton); }

        ContestModel model { prompter, clock, keystrokes, lookup, settings };
        ExpImport import { model, prompter };
        ImportModel fensterModel { import, prompter };
        std::unique_ptr<ImportWindow> fenster; // lists the files when it is built
        QListWidget* liste = nullptr;
    };

private slots:
    void theListShowsTheExpFilesAndEachWayImportsTheChosenOne_data()
    {
        QTest::addColumn<QString>("weg");
        QTest::newRow("Knopf") << u"importieren"_s;
        QTest::newRow("Enter") << u"Enter"_s;
        QTest::newRow("Doppelklick") << u"Doppelklick"_s;
    }

    void theListShowsTheExpFilesAndEachWayImportsTheChosenOne()
    {
        QFETCH(QString, weg);
        Umgebung u;
        // Which files are listed is ExpImportTest's; here the list shows them.
        QCOMPARE(u.liste->count(), 1);
        QCOMPARE(u.liste->item(0)->text(), u"432MHz-052002-DL1ABC.EXP"_s);
        if (weg == u"Doppelklick"_s) {
            const QRect zeile = u.liste->visualItemRect(u.liste->item(0));
            // A view takes a double click only on the row its press went to.
            QTest::mouseClick(u.liste->viewport(), Qt::LeftButton, {}, zeile.center());
            QTest::mouseDClick(u.liste->viewport(), Qt::LeftButton, {}, zeile.center());
        } else if (weg == u"Enter"_s) {
            u.liste->setFocus();
            QTest::keyClick(u.liste, Qt::Key_Return);
        } else {
            u.liste->setCurrentRow(0);
            u.klick(weg);
        }
        QCOMPARE(u.fenster->result(), int(QDialog::Accepted));
        QCOMPARE(u.zeilen(u"432MHz"_s), 1);
        QCOMPARE(u.model.Band(), u"432MHz"_s);
        QCOMPARE(u.prompter.gezeigt().size(), 1);
    }

    void cancelChangesNothingAndWithoutASelectionTheWindowStays()
    {
        Umgebung u;
        u.liste->clearSelection();
        u.klick(u"importieren"_s);
        QVERIFY(u.fenster->isVisible());
        QCOMPARE(u.prompter.texte(), QStringList { u"Bitte zuerst eine EXP-Datei auswählen."_s });

        u.liste->setCurrentRow(0);
        u.klick(u"Command1"_s);
        QCOMPARE(u.fenster->result(), int(QDialog::Rejected));
        QCOMPARE(u.zeilen(u"432MHz"_s), 0);
    }

    // The application's commands open the import window and the mail settings,
    // and "Postausgang senden" reports an empty outbox.
    void theApplicationsMenuReachesImportMailSettingsAndOutbox()
    {
        QStringList geöffnet;
        test::LaufendesProgramm programm({}, [&](QWidget* w) {
            if (!qobject_cast<QMessageBox*>(w))
                geöffnet.append(QString::fromLatin1(w->metaObject()->className()));
            return false;
        });
        Befehle& befehle = programm.rahmen().befehle();
        for (const Befehl b : { Befehl::Import, Befehl::EMailEinstellungen, Befehl::PostausgangSenden })
            befehle[b].trigger();
        QCOMPARE(geöffnet, (QStringList { u"tarvex::ImportWindow"_s, u"tarvex::MailEinstellungenDialog"_s }));
        QTRY_VERIFY(programm.antworten.texte.contains(u"Der Postausgang ist leer."_s));
    }
};

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
