// The log window over a real contest: fields and ticks reach the model, the
// date check brings its message and the focus back, printing without a printer
// gives one PDF whose words are the words of the text file, and the preview
// shows cover sheet and log pages.
#include "logout/LogWindow.h"
#include "logout/Deckblatt.h"
#include "logout/LogFelder.h"
#include "logout/LogSeiten.h"
#include "print/CupsDruckerwahl.h"
#include "support/LogFixture.h"
#include "support/PdfDatei.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;
namespace pdf = tarvex::test::pdf;

namespace {

struct Umgebung : test::LogFixture {
    void TestBody() override { }
    using LogFixture::clock;
    using LogFixture::deckblattFüllen;
    using LogFixture::drucker;
    using LogFixture::kontakte;
    using LogFixture::log;
    using LogFixture::prompter;
    using LogFixture::settings;

    Umgebung() { fenster.resize(800, 520); }
    bool zeigen()
    {
        fenster.show();
        return QTest::qWaitForWindowExposed(&fenster);
    }

    CupsDruckerwahl wahl;
    LogWindow fenster { log, prompter, drucker, wahl };

    template <typename T> T* kind(const QString& name) const { return fenster.findChild<T*>(name); }
    QLineEdit* feld(const QString& name) const { return kind<QLineEdit>(name); }
    QCheckBox* box(const QString& name) const { return kind<QCheckBox>(name); }
    QPushButton* knopf(const QString& name) const { return kind<QPushButton>(name); }
    // On the box itself: a wide check box takes clicks only near its text.
    void klicke(const QString& name) const
    {
        QCheckBox* b = box(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
};

} // namespace

class LogWindowTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAndTicksReachTheModel()
    {
        Umgebung u;
        u.settings.schreiben(u"Log"_s, u"Wettbewerb"_s, u"Gespeichert"_s);
        QVERIFY(u.zeigen());
        QCOMPARE(u.feld(u"txtWettbewerb"_s)->text(), u"Gespeichert"_s);
        QTRY_VERIFY(u.feld(u"txtWettbewerb"_s)->hasFocus());
        QTest::keyClicks(u.feld(u"txtName"_s), u"Erika"_s);
        QCOMPARE(u.log.text(LogFeld::Name), u"Erika"_s);
        QVERIFY(!u.feld(u"txtDateiName"_s)->isVisible());

        // The export box springs back at once.
        u.klicke(u"chkExportieren"_s);
        QVERIFY(u.box(u"chkExportieren"_s)->isChecked());

        // The file name appears with the box, typed in capitals.
        u.klicke(u"chkInDatei"_s);
        QVERIFY(u.feld(u"txtDateiName"_s)->isVisible());
        QVERIFY(u.kind<QLabel>(u"lblDateiname"_s)->isVisible());
        QTRY_VERIFY(u.feld(u"txtDateiName"_s)->hasFocus());
        QTest::keyClicks(u.feld(u"txtDateiName"_s), u"log.txt"_s);
        QCOMPARE(u.log.txtDateiName(), u"LOG.TXT"_s);
        u.klicke(u"chkInDatei"_s);
        QVERIFY(!u.feld(u"txtDateiName"_s)->isVisible());

        u.klicke(u"chkADIF"_s);
        QVERIFY(u.log.chkADIF());
        u.klicke(u"chkEDI"_s);
        QVERIFY(!u.log.chkEDI());
    }

    // A wrong date stops the printout whichever way its field is left: its
    // message comes and the focus goes back to it.
    void aWrongDateIsCheckedHoweverItsFieldIsLeft_data()
    {
        QTest::addColumn<QString>("weg");
        for (const char* weg : { "Tab", "Enter", "Alt+D", "Drucken" })
            QTest::newRow(weg) << QString::fromLatin1(weg);
    }

    void aWrongDateIsCheckedHoweverItsFieldIsLeft()
    {
        QFETCH(QString, weg);
        Umgebung u;
        QVERIFY(u.zeigen());
        QLineEdit* datum = u.feld(u"txtDatum"_s);
        datum->setFocus();
        QTRY_VERIFY(datum->hasFocus());
        QTest::keyClicks(datum, u"31,02,2002"_s);
        QCOMPARE(datum->text(), u"31.02.2002"_s);
        if (weg == u"Tab"_s)
            QTest::keyClick(datum, Qt::Key_Tab);
        else if (weg == u"Enter"_s)
            QTest::keyClick(datum, Qt::Key_Return);
        else if (weg == u"Alt+D"_s)
            QTest::keyClick(datum, Qt::Key_D, Qt::AltModifier);
        else
            QTest::mouseClick(u.knopf(u"cmdDrucken"_s), Qt::LeftButton);
        QTRY_COMPARE(u.prompter.texte(), QStringList { u"Bitte Datum in der Form 'TT.MM.JJJJ' eingeben"_s });
        QTRY_VERIFY(datum->hasFocus());
        QCOMPARE(u.drucker.dokumente(), 0);
        QVERIFY(pdf::dateien().isEmpty());
    }

    // "Abbrechen" and Esc go back without checking the date.
    void cancelAndEscLeaveWithoutTheCheck()
    {
        for (const bool esc : { false, true }) {
            Umgebung u;
            QVERIFY(u.zeigen());
            QLineEdit* datum = u.feld(u"txtDatum"_s);
            datum->setFocus();
            QTRY_VERIFY(datum->hasFocus());
            QTest::keyClicks(datum, u"31.02.2002"_s);
            QSignalSpy zurück(&u.fenster, &LogWindow::backRequested);
            if (esc)
                QTest::keyClick(u.feld(u"txtName"_s), Qt::Key_Escape);
            else
                QTest::mouseClick(u.knopf(u"cmdAbbrechen"_s), Qt::LeftButton);
            QCOMPARE(zurück.count(), 1);
            QTest::qWait(50);
            QVERIFY(u.prompter.gezeigt().isEmpty());
        }
    }

    void withoutPrinterOnePdfHoldsTheWordsOfTheTextFile()
    {
        if (!CupsDruckerwahl().ziel().isEmpty())
            QSKIP("Ein Drucker ist eingerichtet; dieser Test gilt der PDF-Datei ohne Drucker.");
        Umgebung u;
        u.kontakte(51);
        u.deckblattFüllen();
        QVERIFY(u.zeigen());
        QSignalSpy zurück(&u.fenster, &LogWindow::backRequested);
        QTest::mouseClick(u.knopf(u"cmdDrucken"_s), Qt::LeftButton);

        const QStringList dateien = pdf::dateien();
        QCOMPARE(dateien, QStringList { u"Ausdruck_2026-12-04_14-05-00.pdf"_s });
        QCOMPARE(u.prompter.gezeigt().size(), 2);
        QVERIFY(u.prompter.gezeigt()[0].text.endsWith(QDir::current().absoluteFilePath(dateien[0])));
        QCOMPARE(zurück.count(), 1);
        // The export ran and shows its files.
        QCOMPARE(u.feld(u"txtExportname"_s)->text(), u"144MHz-122026-DL0XX.EXP"_s);
        QCOMPARE(u.feld(u"txtEdiname"_s)->text(), u"144MHz-122026-DL0XX.EDI"_s);

        const QStringList text = Deckblatt::text(u.log.deckblatt()) + LogSeiten::text(u.log.logSeiten());
        QCOMPARE(pdf::wörter(dateien[0]), pdf::wörterDerZeilen(text));
    }

    void previewShowsCoverSheetAndLogPages()
    {
        Umgebung u;
        u.kontakte(51);
        u.deckblattFüllen();
        QVERIFY(u.zeigen());

        int seiten = -1;
        bool gesehen = false;
        QTimer::singleShot(0, &u.fenster, [&] {
            auto* dialog = u.fenster.findChild<QPrintPreviewDialog*>(u"Vorschau"_s);
            QTRY_VERIFY(dialog && dialog->isVisible());
            auto* vorschau = dialog->findChild<QPrintPreviewWidget*>();
            QTRY_VERIFY(vorschau && vorschau->pageCount() > 0);
            seiten = vorschau->pageCount();
            gesehen = true;
            dialog->reject();
        });
        QTest::mouseClick(u.knopf(u"cmdVorschau"_s), Qt::LeftButton);
        QVERIFY(gesehen);
        // As many pages as the printer gets (A4 with the same 5 mm edge).
        RecordingPrinterSurface papier(5);
        u.log.vorschau(papier);
        QCOMPARE(seiten, papier.seiten(1) + papier.seiten(2) + papier.seiten(3));
        // A look only: nothing printed, saved or reminded.
        QCOMPARE(u.drucker.dokumente(), 0);
        QVERIFY(u.prompter.gezeigt().isEmpty());
        QCOMPARE(u.settings.lesen(u"Log"_s, u"Wettbewerb"_s), QString());
    }
};

QTEST_MAIN(LogWindowTest)
#include "LogWindowTest.moc"
