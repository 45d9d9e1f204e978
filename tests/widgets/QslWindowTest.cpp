// The QSL window over a real contest: keys, ticks and buttons reach the model,
// the list and the preview show what it selected. The selection and label
// rules themselves are tested on the headless model.
#include "qsl/QslWindow.h"
#include "print/CupsDruckerwahl.h"
#include "qsl/QslModel.h"
#include "support/Kind.h"
#include "support/RecordingPrinterSurface.h"
#include "support/StatistikUmgebung.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QSignalSpy>
#include <QTreeView>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

// A contest with four contacts on 144 MHz, the first and third marked, and the
// QSL window over it printing on a recording surface, shown.
struct Umgebung : test::StatistikUmgebung {
    Umgebung()
        : StatistikUmgebung({ { u"14:05"_s, u"DL1ABC"_s, u"123"_s, u"JO31"_s, u"Deutschland"_s },
            { u"14:06"_s, u"F5XYZ"_s, u"600"_s, u"JN18"_s, u"Frankreich"_s },
            { u"14:07"_s, u"DK2XY"_s, u"50"_s, u"JO62"_s, u"Deutschland"_s },
            { u"14:08"_s, u"ON4AA"_s, u"20"_s, u"JO20"_s, u"Belgien"_s } })
    {
        for (const qint64 rowid : { 1, 3 })
            model.db()->qslUmschalten(u"144MHz"_s, rowid);
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qFatal("QSL-Fenster nicht sichtbar");
    }

    template <class T> T* kind(const QString& name) { return test::kind<T>(&w, name); }
    void klick(const QString& name) { QTest::mouseClick(kind<QAbstractButton>(name), Qt::LeftButton); }
    QStringList rufzeichen()
    {
        QStringList calls;
        for (int row = 0; row < liste->model()->rowCount(); ++row)
            calls.append(liste->model()->index(row, 0).data().toString());
        return calls;
    }
    bool angehakt(int row)
    {
        return liste->model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
    }
    // The stored marks of the band, in stored order.
    QString gespeichert()
    {
        QString s;
        for (const QsoRecord& q : model.db()->qsos(u"144MHz"_s))
            s += q.qsl ? u'x' : u'.';
        return s;
    }

    RecordingPrinterSurface drucker;
    QslModel qsl { model, settings, drucker, prompter };
    CupsDruckerwahl wahl;
    QslWindow w { qsl, prompter, clock, wahl };
    QTreeView* liste = kind<QTreeView>(u"ListView1"_s);
};

} // namespace

class QslWindowTest : public QObject {
    Q_OBJECT
private slots:
    void everyActivationReadsTheBandAgain()
    {
        Umgebung u;
        QCOMPARE(u.rufzeichen(), (QStringList { u"DL1ABC"_s, u"F5XYZ"_s, u"DK2XY"_s, u"ON4AA"_s }));
        QVERIFY(u.angehakt(0) && !u.angehakt(1));
        u.model.db()->qslUmschalten(u"144MHz"_s, 2); // a mark set elsewhere
        u.w.hide();
        u.w.show();
        QVERIFY(u.angehakt(1));
    }

    void filterTypedInCapitalsAppliedByEnter()
    {
        Umgebung u;
        auto* txtCall = u.kind<QLineEdit>(u"txtCall"_s);
        txtCall->selectAll();
        QTest::keyClicks(txtCall, u"d?2*"_s);
        QCOMPARE(txtCall->text(), u"D?2*"_s);
        QCOMPARE(u.rufzeichen().size(), 4); // not applied yet
        QTest::keyClick(txtCall, Qt::Key_Return);
        QCOMPARE(u.rufzeichen(), (QStringList { u"DK2XY"_s }));
        auto* txtPunkte = u.kind<QLineEdit>(u"txtPunkte"_s);
        txtPunkte->setText(u"100"_s);
        txtCall->setText(u"*"_s);
        QTest::keyClick(txtPunkte, Qt::Key_Enter);
        QCOMPARE(u.rufzeichen(), (QStringList { u"DL1ABC"_s, u"F5XYZ"_s }));
    }

    void spaceAndMarkingButtonsChangeTheStoredMarks()
    {
        Umgebung u;
        u.liste->setFocus();
        u.liste->setCurrentIndex(u.liste->model()->index(1, 0));
        QTest::keyClick(u.liste, Qt::Key_Space);
        QVERIFY(u.angehakt(1));
        QCOMPARE(u.gespeichert(), u"xxx."_s);
        u.klick(u"cmdUmkehren"_s);
        QCOMPARE(u.gespeichert(), u"...x"_s);
        QVERIFY(u.angehakt(3));
    }

    void fieldStoredWhenLeftAndStockSwitchShowsItsFields()
    {
        Umgebung u;
        auto* höhe = u.kind<QLineEdit>(u"txtHöhe"_s);
        höhe->setFocus();
        höhe->selectAll();
        QTest::keyClicks(höhe, u"38.1"_s);
        QCOMPARE(u.settings.lesen(u"Etiketten"_s, u"Höhe"_s), QString());
        u.kind<QLineEdit>(u"txtStation"_s)->setFocus();
        QCOMPARE(u.settings.lesen(u"Etiketten"_s, u"Höhe"_s), u"38.1"_s);

        auto* anzahl = u.kind<QLineEdit>(u"txtAnzahl"_s);
        auto* zweiSpalten = u.kind<QCheckBox>(u"chkZweiSpalten"_s);
        for (const bool bögen : { false, true }) {
            u.klick(bögen ? u"optEtikettenart1"_s : u"optEtikettenart0"_s);
            QCOMPARE(anzahl->isEnabled(), bögen);
            QCOMPARE(zweiSpalten->isVisible(), bögen);
            QCOMPARE(zweiSpalten->isChecked(), bögen);
        }
    }

    void printingGoesBackAndAWrongLimitIsShown()
    {
        Umgebung u;
        QSignalSpy zurück(&u.w, &QslWindow::back);
        u.klick(u"optTnxQSL"_s);
        u.klick(u"cmdDrucken"_s);
        QCOMPARE(zurück.count(), 1);
        QCOMPARE(u.drucker.abgeschlosseneDokumente(), 1);
        QCOMPARE(u.drucker.texte(1, 1).count(u"tnx QSL* vy 73 de DL0XX in JO31AA"_s), 2);

        // A limit that is no number: the window stays.
        u.kind<QLineEdit>(u"txtPunkte"_s)->setText(u"viel"_s);
        u.klick(u"cmdDrucken"_s);
        QCOMPARE(zurück.count(), 1);
        QCOMPARE(u.prompter.gezeigt().size(), 1);
    }

    void previewShowsTheLabelsOnTheChosenStock()
    {
        Umgebung u;
        // Sheets: both labels on one page; continuous stock: a page per label.
        for (const auto& [stock, seiten] :
            { std::pair { u"optEtikettenart1"_s, 1 }, std::pair { u"optEtikettenart0"_s, 2 } }) {
            u.klick(stock);
            QPrintPreviewDialog* dialog = u.w.vorschau();
            QVERIFY(dialog);
            auto* vorschau = dialog->findChild<QPrintPreviewWidget*>();
            QVERIFY(vorschau);
            QTRY_COMPARE(vorschau->pageCount(), seiten);
            dialog->close();
        }
        QCOMPARE(u.drucker.dokumente(), 0); // the preview prints nothing

        // Nothing marked: a note instead of an empty preview.
        u.klick(u"cmdKeine"_s);
        QVERIFY(!u.w.vorschau());
        QCOMPARE(u.prompter.texte(),
            QStringList { u"Keine Verbindung der Auswahl ist für einen QSL-Aufkleber markiert."_s });
    }
};

QTEST_MAIN(QslWindowTest)
#include "QslWindowTest.moc"
