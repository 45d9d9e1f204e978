#include "app/MainWindow.h"

#include <QStatusBar>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTitleAndReadyStatus()
    {
        tarvex::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Tarvex V3.0"));
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Bereit"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
