#pragma once
#include "TestFiles.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "common/TextFile.h"
#include "contest/ContestWindow.h"
#include "store/ContestDatabase.h"
#include "store/Settings.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtCore/qtestsupport_core.h>
#include <QtWidgets/qtestsupport_widgets.h>
#include <functional>
#include <memory>

namespace tarvex::test {

// Answers every modal window of the running program as it appears, unless
// `bedienen` takes care of it: a message box is accepted, any other window
// closed. Keeps the message boxes' titles and texts.
class Beantworter {
public:
    Beantworter()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || (bedienen && bedienen(w)))
                return;
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                titel.append(box->windowTitle());
                texte.append(box->text());
                box->accept();
            } else {
                w->close();
            }
        });
        timer_.start(20);
    }

    std::function<bool(QWidget*)> bedienen;
    QStringList titel;
    QStringList texte;

private:
    QTimer timer_;
};

// The program as main() starts it, in a scratch directory with a contest
// TEST.mdb (144 MHz, DL0XX in JO31AA) that it opens at the start; its modal
// windows are answered. `einstellen` may change the settings before the start.
struct LaufendesProgramm {
    explicit LaufendesProgramm(const std::function<void(Settings&)>& einstellen = {},
        const std::function<bool(QWidget*)>& bedienen = {})
    {
        antworten.bedienen = bedienen;
        ContestDatabase::anlegen(QStringLiteral("TEST.mdb"), { QStringLiteral("144MHz") },
            { QStringLiteral("DL0XX"), QStringLiteral("JO31AA") });
        writeTextFile(QStringLiteral("TEST.txt"), {});
        auto settings = std::make_unique<Settings>(dir.pfad(QStringLiteral("CONTEST.ini")));
        settings->setLetzterContest(QStringLiteral("TEST.MDB"));
        settings->setLetztesBand(QStringLiteral("144MHz"));
        if (einstellen)
            einstellen(*settings);
        app = std::make_unique<Application>(std::move(settings));
        app->starten(0);
        static_cast<void>(QTest::qWaitFor([this] { return rahmen().contestWindow()->isVisible(); }, 10000));
    }

    MainWindow& rahmen() { return app->hauptfenster(); }

    // Once the start's information box is answered, the frame is the active window.
    bool bereit()
    {
        if (!QTest::qWaitFor([&] { return antworten.titel == QStringList { QStringLiteral("Tarvex") }; }))
            return false;
        rahmen().activateWindow();
        return QTest::qWaitForWindowActive(&rahmen());
    }

    WorkDir dir;
    Beantworter antworten;
    std::unique_ptr<Application> app;
};

} // namespace tarvex::test
