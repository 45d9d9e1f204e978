#include "app/Application.h"
#include "app/Befehl.h"
#include "app/MainWindow.h"
#include "common/Clock.h"
#include "common/TextFile.h"
#include "contest/ContestModel.h"
#include "entry/CallLookup.h"
#include "entry/KeystrokeLog.h"
#include "logout/QtPrinterSurface.h"
#include "logout/RecordingPrinterSurface.h"
#include "qsl/QslModel.h"
#include "qsl/QslWindow.h"
#include "store/ContestDatabase.h"
#include "store/ReferenceDatabase.h"
#include "store/Settings.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTreeView>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

struct FesteUhr final : Clock {
    QDateTime jetzt() const override { return QDateTime(QDate(2026, 12, 5), QTime(10, 0, 0)); }
};

// A contest with four contacts on 144 MHz, two of them marked, and the QSL
// window over it printing on a recording surface.
struct Umgebung {
    Umgebung()
    {
        ContestDatabase::anlegen(u"TEST.mdb"_s, {u"144MHz"_s}, {u"DL0XX"_s, u"JO31AA"_s});
        writeTextFile(u"TEST.txt"_s, {});
        contest.öffnen(u"TEST.MDB"_s, u"144MHz"_s);
        const struct {
            const char16_t* call;
            const char16_t* punkte;
            bool qsl;
        } zeilen[] = {{u"DL1ABC", u"123", true}, {u"F5XYZ", u"600", false}, {u"DK2XY", u"50", true},
                      {u"ON4AA", u"20", false}};
        int nummer = 0;
        for (const auto& z : zeilen) {
            QsoRecord q;
            q.nummer = ++nummer;
            q.datum = u"05.12.26"_s;
            q.zeit = u"14:05"_s;
            q.rufzeichen = q.kernCall = QString::fromUtf16(z.call);
            q.rstGeg = u"599001"_s;
            q.rstErh = u"579023"_s;
            q.punkte = QString::fromUtf16(z.punkte);
            q.qsl = z.qsl;
            contest.db()->qsoSpeichern(u"144MHz"_s, q, q.rufzeichen);
        }
    }

    QString gespeichert()
    {
        QString s;
        for (const QsoRecord& q : contest.db()->qsos(u"144MHz"_s))
            s += q.qsl ? u'x' : u'.';
        return s;
    }

    test::WorkDir dir;
    test::ScriptedPrompter prompter;
    FesteUhr uhr;
    KeystrokeLog keystrokes{u"LOG.TXT"_s};
    ContestDat contestDat;
    CallInfoDb callInfo;
    CallLookup lookup{contestDat, callInfo, prompter};
    Settings settings{dir.pfad(u"CONTEST.ini"_s)};
    ContestModel contest{prompter, uhr, keystrokes, lookup, settings};
};

template <class T>
T* kind(QWidget& w, const QString& name)
{
    T* k = w.findChild<T*>(name);
    if (!k)
        qFatal("%s fehlt", qPrintable(name));
    return k;
}

QStringList rufzeichen(QTreeView* view)
{
    QStringList calls;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        calls.append(view->model()->index(row, 0).data().toString());
    return calls;
}

} // namespace

class QslWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionsListAndActivation()
    {
        Umgebung u;
        RecordingPrinterSurface drucker;
        QslModel model(u.contest, u.settings, drucker, u.prompter);
        QslWindow w(model, u.prompter, u.uhr);
        w.resize(800, 530);
        QCOMPARE(w.objectName(), u"frmQSL"_s);
        QCOMPARE(w.windowTitle(), u"QSL-Aufkleber drucken"_s);
        const QList<std::pair<QString, QString>> knöpfe = {
            {u"cmdAlle"_s, u"A&lle markieren"_s},        {u"cmdKeine"_s, u"Markierung &löschen"_s},
            {u"cmdUmkehren"_s, u"Markierung &umkehren"_s}, {u"cmdDrucken"_s, u"&Aufkleber drucken"_s},
            {u"cmdAbbrechen"_s, u"A&bbrechen"_s},          {u"cmdVorschau"_s, u"&Vorschau"_s}};
        for (const auto& [name, text] : knöpfe)
            QCOMPARE(kind<QPushButton>(w, name)->text(), text);
        QCOMPARE(kind<QRadioButton>(w, u"optEtikettenart0"_s)->text(), u"Endlosetiketten"_s);
        QCOMPARE(kind<QRadioButton>(w, u"optEtikettenart1"_s)->text(), u"DIN A4-Bögen"_s);
        QCOMPARE(kind<QCheckBox>(w, u"chkZweiSpalten"_s)->text(), u"zweispaltig drucken"_s);
        QCOMPARE(kind<QRadioButton>(w, u"optPseQSL"_s)->text(), u"pse QSL drucken"_s);
        QCOMPARE(kind<QRadioButton>(w, u"optTnxQSL"_s)->text(), u"tnx QSL drucken"_s);
        QVERIFY(kind<QRadioButton>(w, u"optEtikettenart1"_s)->isChecked());
        QVERIFY(kind<QCheckBox>(w, u"chkZweiSpalten"_s)->isChecked());
        QVERIFY(kind<QRadioButton>(w, u"optPseQSL"_s)->isChecked());
        QStringList rahmen;
        for (const QGroupBox* g : w.findChildren<QGroupBox*>())
            rahmen.append(g->title());
        QCOMPARE(rahmen, (QStringList{u"Auswahlbedingungen"_s, u"Etiketteneigenschaften"_s}));
        QStringList beschriftungen;
        for (const QLabel* l : w.findChildren<QLabel*>())
            beschriftungen.append(l->text());
        for (const QString& text : {u"für Rufzeichen:"_s, u"Entfernungen über"_s, u"km"_s,
                                    u"Abstand vom oberen Rand"_s, u"... für die zweite Spalte"_s,
                                    u"Vertikaler Abstand zwischen den Etiketten"_s, u"Stück"_s,
                                    u"Angaben zur Station"_s})
            QVERIFY2(beschriftungen.contains(text), qPrintable(text));
        QCOMPARE(kind<QLineEdit>(w, u"txtCall"_s)->text(), u"*"_s);
        QCOMPARE(kind<QLineEdit>(w, u"txtPunkte"_s)->text(), u"0"_s);
        QCOMPARE(kind<QLineEdit>(w, u"txtLinkerAbstand2"_s)->text(), u"110.0"_s);
        QCOMPARE(kind<QMenu>(w, u"mnuDatei"_s)->title(), u"&Datei"_s);
        QCOMPARE(kind<QAction>(w, u"mnuZurück"_s)->text(), u"&zurück"_s);

        auto* liste = kind<QTreeView>(w, u"ListView1"_s);
        QCOMPARE(liste->model()->headerData(0, Qt::Horizontal).toString(), u"Rufzeichen"_s);
        QCOMPARE(liste->model()->headerData(1, Qt::Horizontal).toString(), u"Nr."_s);
        QCOMPARE(liste->model()->headerData(2, Qt::Horizontal).toString(), u"Entfernung"_s);
        QCOMPARE(liste->model()->rowCount(), 0);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(rufzeichen(liste), (QStringList{u"DL1ABC"_s, u"F5XYZ"_s, u"DK2XY"_s, u"ON4AA"_s}));
        if (!qEnvironmentVariableIsEmpty("TARVEX_BILDER"))
            w.grab().save(qEnvironmentVariable("TARVEX_BILDER") + u"/qsl.png"_s);

        // Every activation reads the band again: a mark set elsewhere shows.
        u.contest.db()->qslUmschalten(u"144MHz"_s, 2);
        w.hide();
        w.show();
        QCOMPARE(liste->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    }

    void filterTypedInCapitalsAppliedByEnter()
    {
        Umgebung u;
        RecordingPrinterSurface drucker;
        QslModel model(u.contest, u.settings, drucker, u.prompter);
        QslWindow w(model, u.prompter, u.uhr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* liste = kind<QTreeView>(w, u"ListView1"_s);
        auto* txtCall = kind<QLineEdit>(w, u"txtCall"_s);
        txtCall->selectAll();
        QTest::keyClicks(txtCall, u"d?2*"_s);
        QCOMPARE(txtCall->text(), u"D?2*"_s);
        QCOMPARE(liste->model()->rowCount(), 4); // not applied yet
        QTest::keyClick(txtCall, Qt::Key_Return);
        QCOMPARE(rufzeichen(liste), (QStringList{u"DK2XY"_s}));
        auto* txtPunkte = kind<QLineEdit>(w, u"txtPunkte"_s);
        txtPunkte->setText(u"100"_s);
        txtCall->setText(u"*"_s);
        QTest::keyClick(txtPunkte, Qt::Key_Enter);
        QCOMPARE(rufzeichen(liste), (QStringList{u"DL1ABC"_s, u"F5XYZ"_s}));
    }

    void ticksAndMarkingButtonsChangeTheStoredMarks()
    {
        Umgebung u;
        RecordingPrinterSurface drucker;
        QslModel model(u.contest, u.settings, drucker, u.prompter);
        QslWindow w(model, u.prompter, u.uhr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(u.gespeichert(), u"x.x."_s);
        auto* liste = kind<QTreeView>(w, u"ListView1"_s);
        liste->setFocus();
        liste->setCurrentIndex(liste->model()->index(1, 0));
        QTest::keyClick(liste, Qt::Key_Space);
        QCOMPARE(liste->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(u.gespeichert(), u"xxx."_s);

        QTest::mouseClick(kind<QPushButton>(w, u"cmdUmkehren"_s), Qt::LeftButton);
        QCOMPARE(u.gespeichert(), u"...x"_s);
        QCOMPARE(liste->model()->index(3, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    }

    void settingsStoredWhenLeftAndLabelStockSwitched()
    {
        Umgebung u;
        RecordingPrinterSurface drucker;
        QslModel model(u.contest, u.settings, drucker, u.prompter);
        QslWindow w(model, u.prompter, u.uhr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* höhe = kind<QLineEdit>(w, u"txtHöhe"_s);
        höhe->setFocus();
        höhe->selectAll();
        QTest::keyClicks(höhe, u"38.1"_s);
        QCOMPARE(u.settings.lesen(u"Etiketten"_s, u"Höhe"_s), QString());
        kind<QLineEdit>(w, u"txtStation"_s)->setFocus();
        QCOMPARE(u.settings.lesen(u"Etiketten"_s, u"Höhe"_s), u"38.1"_s);

        auto* anzahl = kind<QLineEdit>(w, u"txtAnzahl"_s);
        auto* zweiSpalten = kind<QCheckBox>(w, u"chkZweiSpalten"_s);
        QTest::mouseClick(kind<QRadioButton>(w, u"optEtikettenart0"_s), Qt::LeftButton);
        QCOMPARE(anzahl->text(), u"9999"_s);
        QVERIFY(!anzahl->isEnabled());
        QVERIFY(!zweiSpalten->isVisible());
        QVERIFY(!zweiSpalten->isChecked());
        QCOMPARE(drucker.seitenhöhe(), 2160);
        QTest::mouseClick(kind<QRadioButton>(w, u"optEtikettenart1"_s), Qt::LeftButton);
        QCOMPARE(anzahl->text(), u"8"_s);
        QVERIFY(anzahl->isEnabled());
        QVERIFY(zweiSpalten->isVisible());
        QVERIFY(zweiSpalten->isChecked());
        QCOMPARE(drucker.seitenhöhe(), model.Papierhöhe());
    }

    void printingAndBothWaysBack()
    {
        Umgebung u;
        RecordingPrinterSurface drucker;
        QslModel model(u.contest, u.settings, drucker, u.prompter);
        QslWindow w(model, u.prompter, u.uhr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy zurück(&w, &QslWindow::back);
        QTest::mouseClick(kind<QRadioButton>(w, u"optTnxQSL"_s), Qt::LeftButton);
        QTest::mouseClick(kind<QPushButton>(w, u"cmdDrucken"_s), Qt::LeftButton);
        QCOMPARE(zurück.count(), 1);
        QCOMPARE(drucker.abgeschlosseneDokumente(), 1);
        const QStringList texte = drucker.texte(1, 1);
        QCOMPARE(texte.count(u"tnx QSL* vy 73 de DL0XX in JO31AA"_s), 2);
        QVERIFY(texte.contains(u"DK2XY"_s));

        // A limit that is no number: a message, no print, the window stays.
        kind<QLineEdit>(w, u"txtPunkte"_s)->setText(u"viel"_s);
        QTest::mouseClick(kind<QPushButton>(w, u"cmdDrucken"_s), Qt::LeftButton);
        QCOMPARE(zurück.count(), 1);
        QCOMPARE(u.prompter.gezeigt().size(), 1);
        QCOMPARE(u.prompter.gezeigt()[0].titel, u"Fehler"_s);
        QCOMPARE(drucker.dokumente(), 1);

        QTest::mouseClick(kind<QPushButton>(w, u"cmdAbbrechen"_s), Qt::LeftButton);
        QCOMPARE(zurück.count(), 2);
        kind<QAction>(w, u"mnuZurück"_s)->trigger();
        QCOMPARE(zurück.count(), 3);
    }

    void previewShowsTheLabelsOnTheChosenStock()
    {
        Umgebung u;
        RecordingPrinterSurface drucker;
        QslModel model(u.contest, u.settings, drucker, u.prompter);
        QslWindow w(model, u.prompter, u.uhr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QPrintPreviewDialog* dialog = w.vorschau();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), u"Vorschau der QSL-Aufkleber"_s);
        auto* vorschau = dialog->findChild<QPrintPreviewWidget*>();
        QVERIFY(vorschau);
        QTRY_COMPARE(vorschau->pageCount(), 1);
        if (!qEnvironmentVariableIsEmpty("TARVEX_BILDER")) {
            dialog->resize(700, 800);
            vorschau->fitInView();
            QTest::qWait(200);
            dialog->grab().save(qEnvironmentVariable("TARVEX_BILDER") + u"/qsl-vorschau.png"_s);
        }
        dialog->close();
        QCOMPARE(drucker.dokumente(), 0); // the preview prints nothing

        // Continuous stock: one page per label.
        QTest::mouseClick(kind<QRadioButton>(w, u"optEtikettenart0"_s), Qt::LeftButton);
        dialog = w.vorschau();
        QVERIFY(dialog);
        vorschau = dialog->findChild<QPrintPreviewWidget*>();
        QTRY_COMPARE(vorschau->pageCount(), 2);
        if (!qEnvironmentVariableIsEmpty("TARVEX_BILDER")) {
            dialog->resize(700, 500);
            vorschau->fitInView();
            QTest::qWait(200);
            dialog->grab().save(qEnvironmentVariable("TARVEX_BILDER") + u"/qsl-vorschau-endlos.png"_s);
        }
        dialog->close();

        // Nothing marked: a note instead of an empty preview.
        QTest::mouseClick(kind<QPushButton>(w, u"cmdKeine"_s), Qt::LeftButton);
        QVERIFY(!w.vorschau());
        QCOMPARE(u.prompter.gezeigt().size(), 1);
        QCOMPARE(u.prompter.gezeigt()[0].text, u"Keine Verbindung der Auswahl ist für einen QSL-Aufkleber markiert."_s);
        QCOMPARE(u.prompter.gezeigt()[0].titel, u"Hinweis"_s);
    }

    void continuousLabelsAsPdfPagesOfLabelSize()
    {
        if (QtPrinterSurface::druckerVorhanden())
            QSKIP("Ein Drucker ist eingerichtet; der Test gilt der PDF-Datei ohne Drucker.");
        Umgebung u;
        QtPrinterSurface drucker(u.prompter, u.uhr);
        QslModel model(u.contest, u.settings, drucker, u.prompter);
        model.setFeld(QslModel::Feld::VertikalerAbstand, u"2"_s); // 37 mm per label
        model.etikettenartWählen(0);
        QVERIFY(model.drucken());
        model.etikettenartWählen(1);
        QVERIFY(model.drucken());
        const QStringList pdfs = QDir::current().entryList({u"*.pdf"_s}, QDir::Files, QDir::Name);
        QCOMPARE(pdfs.size(), 2);

        const auto info = [](const QString& pdf) {
            QProcess p;
            p.start(u"pdfinfo"_s, {u"-f"_s, u"1"_s, u"-l"_s, u"9"_s, pdf});
            p.waitForFinished(30000);
            return QString::fromUtf8(p.readAllStandardOutput());
        };
        // 210 × 37 mm = 595.28 × 104.88 pt, one page per marked contact.
        const QString endlos = info(pdfs[0]);
        QVERIFY2(endlos.contains(u"Pages:           2"_s), qPrintable(endlos));
        static const QRegularExpression größe(u"Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts"_s);
        auto treffer = größe.globalMatch(endlos);
        int seiten = 0;
        while (treffer.hasNext()) {
            const auto m = treffer.next();
            QVERIFY(qAbs(m.captured(1).toDouble() - 595.28) < 0.5);
            QVERIFY(qAbs(m.captured(2).toDouble() - 104.88) < 0.5);
            ++seiten;
        }
        QCOMPARE(seiten, 2);
        // The sheets again in A4.
        QVERIFY(info(pdfs[1]).contains(u"Pages:           1"_s));
        QVERIFY(info(pdfs[1]).contains(u"595.276 x 841.89"_s) || info(pdfs[1]).contains(u"(A4)"_s));

        // On a label page there is no printer edge: the label's first line
        // begins at the left margin of 5 mm from the paper's edge.
        QProcess p;
        p.start(u"pdftotext"_s, {u"-bbox"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, pdfs[0], u"-"_s});
        QVERIFY(p.waitForFinished(30000));
        const QString bbox = QString::fromUtf8(p.readAllStandardOutput());
        static const QRegularExpression to(u"xMin=\"([\\d.]+)\" yMin=\"(-?[\\d.]+)\"[^>]*>To<"_s);
        const auto m = to.match(bbox);
        QVERIFY2(m.hasMatch(), qPrintable(bbox));
        // "To" follows seven blanks of Arial 13 (8.9 mm) after x = 5 mm.
        const double xMm = m.captured(1).toDouble() * 25.4 / 72;
        QVERIFY2(xMm > 13 && xMm < 15, qPrintable(QString::number(xMm)));
        QVERIFY2(m.captured(2).toDouble() * 25.4 / 72 < 3, qPrintable(m.captured(2)));
    }

    void menuCommandOpensTheWindowWithItsOwnMenu()
    {
        test::WorkDir dir;
        ContestDatabase::anlegen(u"TEST.mdb"_s, {u"144MHz"_s}, {u"DL0XX"_s, u"JO31AA"_s});
        writeTextFile(u"TEST.txt"_s, {});
        // A first start brings the information box; it is answered at once.
        QTimer schließer;
        connect(&schließer, &QTimer::timeout, [] {
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
        schließer.start(20);
        Application app(std::make_unique<Settings>(dir.pfad(u"CONTEST.ini"_s)));
        app.starten(0);
        app.contest().öffnen(u"TEST.MDB"_s, u"144MHz"_s);
        // Without a remembered contest the new-contest form is offered; not needed here.
        QTest::qWait(100);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == u"frmNewContest"_s || w->inherits("QDialog"))
                w->close();
        MainWindow& rahmen = app.hauptfenster();
        const auto menüs = [&rahmen] {
            QStringList texte;
            for (const QAction* a : rahmen.menuBar()->actions())
                if (a->isVisible())
                    texte.append(a->text());
            return texte;
        };
        const QStringList logMenüs = menüs();
        QVERIFY(logMenüs.size() > 3);
        auto* stapel = rahmen.findChild<QStackedWidget*>();

        QAction& qsl = rahmen.befehle()[Befehl::QSL];
        QVERIFY(qsl.isEnabled());
        qsl.trigger();
        QCOMPARE(stapel->currentWidget()->objectName(), u"frmQSL"_s);
        QCOMPARE(menüs(), QStringList{u"&Datei"_s});
        QAction* zurück = stapel->currentWidget()->findChild<QAction*>(u"mnuZurück"_s);
        QVERIFY(zurück);
        zurück->trigger();
        QCOMPARE(stapel->currentWidget()->objectName(), u"frmContest"_s);
        QCOMPARE(menüs(), logMenüs);
        // Created once: the second opening shows the same window.
        QWidget* erstes = rahmen.findChild<QWidget*>(u"frmQSL"_s);
        qsl.trigger();
        QCOMPARE(stapel->currentWidget(), erstes);
    }
};

QTEST_MAIN(QslWindowTest)
#include "QslWindowTest.moc"
