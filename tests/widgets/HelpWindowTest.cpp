#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "support/ContestFixture.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
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
        return QDir(u":/hilfe"_s).entryList({ u"*.html"_s }, QDir::Files, QDir::Name);
    }

private slots:
    void everyLinkLeadsToAPage()
    {
        const QStringList alle = seiten();
        QVERIFY(alle.size() >= 7);
        QSet<QString> erreicht { u"index.html"_s };
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
    // input with an example, every menu command and the files.
    void coversKeysTokensMenusAndFiles()
    {
        HelpWindow fenster;
        QString text;
        for (const QString& seite : seiten()) {
            fenster.browser()->setSource(QUrl(u"qrc:/hilfe/"_s + seite));
            text += fenster.browser()->toPlainText() + u'\n';
        }
        // The keys, the input line's tokens and the files.
        QStringList muss = { u"Enter"_s, u"Esc"_s, u"F12"_s, u"Pfeil ab"_s, u"Pfeil auf"_s, u"F2"_s, u"F3"_s,
            u"F4"_s, u"F6"_s, u"F7"_s, u"F5"_s, u"Umschalt+F5"_s, u"Strg+F5"_s, u"F8"_s, u"F9"_s, u"Strg+L"_s,
            u"Strg+T"_s, u"Strg+K"_s, u"Strg+G"_s, u"DL1ABC/P"_s, u"OE/DL1ABC"_s, u"C:"_s, u"JO31AB"_s,
            u"PA57XY"_s, u"2CD"_s, u"42CD"_s, u"59001"_s, u"599012"_s, u"+7"_s, u"59S"_s, u"59A012"_s,
            u"1430"_s, u"14:30"_s, u"2530"_s, u"01.12.26"_s, u"K:qrv"_s, u"?DL1*"_s, u"NAME.mdb"_s,
            u"NAME.txt"_s, u"LOG.TXT"_s, u"~/.config/CONTEST/CONTEST.ini"_s, u"CONTEST.DAT"_s,
            u"CALLINFO.MDB"_s, u"Ausdruck_JJJJ-MM-TT_hh-mm-ss.pdf"_s, u".EXP"_s, u".EDI"_s, u"Postausgang"_s,
            u".adi"_s };
        test::Arbeitsplatz a;
        ContestModel model { a.prompter, a.clock, a.keystrokes, a.lookup, a.settings };
        MainWindow rahmen(model, a.prompter);
        const std::function<void(const QList<QAction*>&)> menüs = [&](const QList<QAction*>& einträge) {
            for (const QAction* eintrag : einträge) {
                if (!eintrag->isSeparator())
                    muss.append(eintrag->text().remove(u'&'));
                if (eintrag->menu())
                    menüs(eintrag->menu()->actions());
            }
        };
        const qsizetype ohneMenüs = muss.size();
        menüs(rahmen.menuBar()->actions());
        QVERIFY(muss.size() > ohneMenüs + 30);
        for (const QString& wort : std::as_const(muss))
            QVERIFY2(text.contains(wort), qPrintable(wort));
    }

    void navigationAndClosing()
    {
        HelpWindow* fenster = HelpWindow::zeigen(nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        QCOMPARE(fenster->windowTitle(), u"Tarvex – Anleitung"_s);
        QTextBrowser* b = fenster->browser();
        QCOMPARE(b->documentTitle(), u"Tarvex – Anleitung"_s);

        // The keys of the browser's history.
        b->setSource(QUrl(u"qrc:/hilfe/tasten.html"_s));
        QTest::keyClick(b, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(b->documentTitle(), u"Tarvex – Anleitung"_s);
        QTest::keyClick(b, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(b->documentTitle(), u"Die Tasten"_s);

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
