#include "app/CopyrightDialog.h"
#include "app/DruckerwahlDialog.h"
#include "app/KeystrokeLogDialog.h"
#include "app/MessageBoxPrompter.h"
#include "contest/ContestLoeschen.h"
#include "contest/DeleteContestDialog.h"
#include "contest/OpenContestDialog.h"
#include "entry/KeystrokeLog.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

namespace tarvex {

using namespace Qt::StringLiterals;

// The last-inputs window, the terms-of-use window and the two contest file forms.
class SmallWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // A note that comes while a box is open (the mail's result during the reminder)
    // waits for it; a question is asked at once, as its caller needs the answer.
    void notesWaitForTheOpenBoxQuestionsDoNot()
    {
        MessageBoxPrompter prompter;
        QStringList gesehen;
        int höchstensOffen = 0;
        QTimer wächter;
        connect(&wächter, &QTimer::timeout, this, [&] {
            int offen = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                offen += qobject_cast<QMessageBox*>(w) != nullptr && w->isVisible();
            höchstensOffen = std::max(höchstensOffen, offen);
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || (!gesehen.isEmpty() && gesehen.last() == box->text()))
                return;
            gesehen.append(box->text());
            if (box->text() == u"Erinnerung"_s) {
                // Arrives while the reminder is open; then a question, then the reminder is closed.
                QTimer::singleShot(0, this, [&] { prompter.zeige(hinweisMeldung(u"Mail gesendet"_s)); });
                QTimer::singleShot(50, this, [&] {
                    const Meldung frage { u"Wirklich?"_s, u"Frage"_s, Meldung::Symbol::Frage,
                        Meldung::Knöpfe::JaNein, Meldung::Antwort::Ja };
                    QCOMPARE(prompter.zeige(frage), Meldung::Antwort::Nein);
                    gesehen.append(u"beantwortet"_s);
                    qobject_cast<QMessageBox*>(QApplication::activeModalWidget())
                        ->button(QMessageBox::Ok)
                        ->click();
                });
            } else if (box->text() == u"Wirklich?"_s) {
                box->button(QMessageBox::No)->click();
            } else {
                box->button(QMessageBox::Ok)->click();
            }
        });
        wächter.start(5);
        QCOMPARE(prompter.zeige(hinweisMeldung(u"Erinnerung"_s)), Meldung::Antwort::Ok);
        QCOMPARE(
            gesehen, (QStringList { u"Erinnerung"_s, u"Wirklich?"_s, u"beantwortet"_s, u"Mail gesendet"_s }));
        QCOMPARE(prompter.offen(), 0);
        // The question was the only time two boxes were open.
        QCOMPARE(höchstensOffen, 2);
    }

    // The printer choice shows its longest entry without a scroll bar.
    void printerChoiceIsWideEnoughForItsEntries()
    {
        DruckerwahlDialog dialog;
        dialog.setAuswahl(u"Ein Drucker mit einem sehr langen Namen im Keller neben der Antenne"_s);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* liste = dialog.findChild<QListWidget*>(u"lstDrucker"_s);
        QVERIFY(liste);
        QCOMPARE(liste->horizontalScrollBar()->maximum(), 0);
        QVERIFY(liste->viewport()->width() >= liste->sizeHintForColumn(0));
    }

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
        QVERIFY(!KeystrokeLogDialog::zeigen(nullptr, log));
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
        QVERIFY(KeystrokeLogDialog::zeigen(nullptr, log));
        QCOMPARE(inhalt, u"DL1ABC\n59001"_s);
        QVERIFY(nurLesen);
    }

    void copyrightTextLosesItsSelectionUnderTheMouse()
    {
        CopyrightDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* text1 = dialog.findChild<QPlainTextEdit*>(u"Text1"_s);
        text1->selectAll();
        const QPointF mitte = text1->viewport()->rect().center();
        QMouseEvent bewegung(QEvent::MouseMove, mitte, text1->viewport()->mapToGlobal(mitte), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(text1->viewport(), &bewegung);
        QVERIFY(!text1->textCursor().hasSelection());

        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }

    // Which files are listed is the core's; here the double click and the closing form.
    void doubleClickDeletesTheContestAndClosesTheForm()
    {
        test::WorkDir dir;
        for (const QString& name : { u"b.MDB"_s, u"a.mdb"_s, u"a.txt"_s, u"c.txt"_s })
            QVERIFY(QFile(name).open(QIODevice::WriteOnly));
        test::ScriptedPrompter prompter;
        prompter.antworte(Meldung::Antwort::Ja);
        ContestLöschen löschen(u"/logs/X.MDB"_s, prompter);
        DeleteContestDialog dialog(löschen);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        auto* liste = dialog.findChild<QListWidget*>(u"File1"_s);
        QCOMPARE(liste->currentRow(), 0);

        const QRect zeile = liste->visualItemRect(liste->item(0));
        // A view takes a double click only on the row its press went to.
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
        QCOMPARE(prompter.texte().size(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(QDir().entryList(QDir::Files, QDir::Name), (QStringList { u"b.MDB"_s, u"c.txt"_s }));
    }

    void showsContestFilesInAnyLetterCase()
    {
        test::WorkDir dir;
        for (const QString& name : { u"test.mdb"_s, u"ALT.MDB"_s, u"Mai.Mdb"_s, u"test.txt"_s, u"mdb.bak"_s })
            QVERIFY(QFile(name).open(QIODevice::WriteOnly));
        const auto dialog = OpenContestDialog::erzeugen(nullptr, dir.root());
        dialog->setOption(QFileDialog::DontUseNativeDialog);

        auto* model = dialog->findChild<QFileSystemModel*>();
        QVERIFY(model != nullptr);
        const QModelIndex wurzel = model->index(dir.root());
        QStringList gezeigt;
        const auto lesen = [&] {
            gezeigt.clear();
            for (int i = 0; i < model->rowCount(wurzel); ++i)
                gezeigt.append(model->index(i, 0, wurzel).data().toString());
            gezeigt.sort(Qt::CaseInsensitive);
            return gezeigt;
        };
        QTRY_COMPARE(lesen(), (QStringList { u"ALT.MDB"_s, u"Mai.Mdb"_s, u"test.mdb"_s }));
    }
};

} // namespace tarvex

QTEST_MAIN(tarvex::SmallWindowsTest)
#include "SmallWindowsTest.moc"
