#include "app/HelpWindow.h"

#include <QDir>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

namespace tarvex {

using namespace Qt::StringLiterals;

class HelpWindowTest : public QObject {
    Q_OBJECT

    static QString roh(const QString& seite)
    {
        QFile f(u":/hilfe/"_s + seite);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll());
    }

    static QStringList seiten()
    {
        HelpWindow::startseite(); // registers the resource
        return QDir(u":/hilfe"_s).entryList({u"*.html"_s}, QDir::Files, QDir::Name);
    }

private slots:
    void everyLinkLeadsToAPage()
    {
        const QStringList alle = seiten();
        QVERIFY(alle.size() >= 7);
        QSet<QString> erreicht{u"index.html"_s};
        const QRegularExpression verweis(uR"(href="([^"#]+)(#[^"]*)?")"_s);
        for (const QString& seite : alle) {
            const QString html = roh(seite);
            QVERIFY2(html.contains(u"<title>"_s), qPrintable(seite));
            for (const QRegularExpressionMatch& m : verweis.globalMatch(html)) {
                const QString ziel = m.captured(1);
                QVERIFY2(QFile::exists(u":/hilfe/"_s + ziel), qPrintable(seite + u" → "_s + ziel));
                erreicht.insert(ziel);
            }
        }
        for (const QString& seite : alle)
            QVERIFY2(erreicht.contains(seite), qPrintable(seite + u" ist von keiner Seite verlinkt"_s));
    }

    // What an operator looks up must be in the manual: every key, every kind of
    // input with an example, the menus and the files.
    void coversKeysTokensMenusAndFiles()
    {
        HelpWindow fenster;
        QString text;
        for (const QString& seite : seiten()) {
            fenster.browser()->setSource(QUrl(u"qrc:/hilfe/"_s + seite));
            text += fenster.browser()->toPlainText() + u'\n';
        }
        const QStringList muss = {
            // keys
            u"Enter"_s, u"Esc"_s, u"F12"_s, u"Pfeil ab"_s, u"Pfeil auf"_s, u"F2"_s, u"F3"_s, u"F4"_s, u"F6"_s,
            u"F7"_s, u"F8"_s, u"F9"_s, u"Strg+L"_s, u"Strg+T"_s, u"Strg+K"_s, u"Strg+G"_s,
            // input line
            u"DL1ABC/P"_s, u"OE/DL1ABC"_s, u"C:"_s, u"JO31AB"_s, u"PA57XY"_s, u"2CD"_s, u"42CD"_s,
            u"59001"_s, u"599012"_s, u"+7"_s, u"59007"_s, u"599007"_s, u"59S"_s, u"59A012"_s, u"1430"_s,
            u"14:30"_s, u"2530"_s, u"01.12.26"_s, u"K:qrv"_s, u"K:QRV 73"_s, u"/P"_s, u"OE/"_s, u"XYZ"_s,
            u"DL1XYZ"_s, u"G4ABC"_s, u"PA3ABC"_s, u"?DL1*"_s,
            // menus and toolbar
            u"Neuer Contest"_s, u"Contest öffnen"_s, u"Contest löschen"_s, u"Log drucken"_s,
            u"QSL-Aufkleber"_s, u"Beenden"_s, u"Ändern"_s, u"Ungültig"_s, u"Band wechseln"_s,
            u"Locator wählen"_s, u"letzte Eingaben"_s, u"UTC = PC-Uhr - 2 Stunden"_s, u"Druckerprotokoll"_s,
            u"mit F12"_s, u"599 (CW)"_s, u"Kommentarspalte"_s, u"Tabellen"_s, u"Grafiken"_s,
            u"QSO-Karte"_s, u"Karte (Text)"_s, u"Karte (Grafik)"_s, u"Call-Info"_s, u"Locatorsuche"_s,
            u"EXP-Datei importieren"_s, u"EDI-Datei für alle Bänder"_s, u"EDI-Datei (REG1TEST) erstellen"_s, u"E-Mail-Einstellungen"_s, u"Postausgang senden"_s, u"Copyright"_s, u"Anleitung"_s, u"Kontest Eingaben"_s,
            u"Band auswählen"_s,
            // files
            u"NAME.mdb"_s, u"NAME.txt"_s, u"LOG.TXT"_s, u"~/.config/CONTEST/CONTEST.ini"_s, u"CONTEST.DAT"_s,
            u"CALLINFO.MDB"_s, u"Ausdruck_JJJJ-MM-TT_hh-mm-ss.pdf"_s, u".EXP"_s, u".EDI"_s,
            u"Postausgang"_s, u".adi"_s,
            // the new-contest messages
            u"ungültiger Locator"_s, u"Bitte einen Namen für die Datenbank eingeben"_s,
            u"Bitte Contest-Rufzeichen eingeben"_s, u"Bitte Locator eingeben"_s,
            u"Eine Datenbank dieses Names existiert schon!"_s, u"Bitte mindestens ein Band auswählen"_s,
        };
        for (const QString& wort : muss)
            QVERIFY2(text.contains(wort), qPrintable(wort));
    }

    void navigationAndClosing()
    {
        HelpWindow* fenster = HelpWindow::zeigen(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        QCOMPARE(fenster->windowTitle(), u"Tarvex – Anleitung"_s);
        QTextBrowser* b = fenster->browser();
        QCOMPARE(b->documentTitle(), u"Tarvex – Anleitung"_s);

        b->setSource(QUrl(u"qrc:/hilfe/tasten.html"_s));
        QCOMPARE(b->documentTitle(), u"Die Tasten"_s);
        QTest::keyClick(b, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(b->documentTitle(), u"Tarvex – Anleitung"_s);
        QTest::keyClick(b, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(b->documentTitle(), u"Die Tasten"_s);
        QTest::keyClick(b, Qt::Key_Home, Qt::AltModifier);
        QCOMPARE(b->documentTitle(), u"Tarvex – Anleitung"_s);

        QPointer<HelpWindow> bleibt(fenster);
        QTest::keyClick(b, Qt::Key_Escape);
        QTRY_VERIFY(bleibt.isNull()); // without a parent it goes when closed
    }

    void oneWindowPerParent()
    {
        QWidget eltern;
        HelpWindow* erstes = HelpWindow::zeigen(&eltern);
        erstes->browser()->setSource(QUrl(u"qrc:/hilfe/dateien.html"_s));
        erstes->close();
        HelpWindow* zweites = HelpWindow::zeigen(&eltern);
        QCOMPARE(zweites, erstes);
        QVERIFY(zweites->isVisible());
        QCOMPARE(zweites->browser()->documentTitle(), u"Die Dateien"_s);
    }
};

} // namespace tarvex

QTEST_MAIN(tarvex::HelpWindowTest)
#include "HelpWindowTest.moc"
