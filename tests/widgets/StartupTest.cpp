// The program started the way main() starts it: the main frame and the logging
// window are built first, then Application::starten loads. Message boxes are real
// here and are answered by a watcher that records their titles.
#include "app/Automation.h"
#include "commands/Befehl.h"
#include "contest/ContestModel.h"
#include "contest/NewContestDialog.h"
#include "support/LaufendesProgramm.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

// Answers the message boxes only; the new-contest form is to be seen.
struct Beantworter : test::Beantworter {
    Beantworter()
    {
        bedienen = [](QWidget* w) { return !qobject_cast<QMessageBox*>(w); };
    }
};

std::unique_ptr<Settings> einstellungen(const QString& pfad, const QString& letzterContest)
{
    auto s = std::make_unique<Settings>(pfad);
    s->setRufzeichen(u"DL0XX"_s);
    s->setRst(RstVorgabe::R599);
    s->setLoggen(Speichertaste::F12);
    s->setProtokoll(true);
    s->setZeitdifferenz(1);
    s->setLetzterContest(letzterContest);
    return s;
}

bool angemeldet()
{
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus != nullptr && bus->isServiceRegistered(Automation::busName()).value();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    // Each start is a new program: the name of the one before is given back.
    void init() { QDBusConnection::sessionBus().unregisterService(Automation::busName()); }

    void stateIsShownRightAfterLoading_data()
    {
        QTest::addColumn<QString>("letzterContest");
        QTest::addColumn<QString>("call");
        QTest::addColumn<bool>("info");
        QTest::addColumn<bool>("formular");
        QTest::newRow("erster Start") << QString() << u"DL0XX"_s << true << true;
        QTest::newRow("Contest verschwunden") << u"WEG.MDB"_s << u"DL0XX"_s << false << true;
        QTest::newRow("Contest wieder offen") << u"TEST.MDB"_s << u"DK9ZZ"_s << true << false;
    }

    void stateIsShownRightAfterLoading()
    {
        QFETCH(QString, letzterContest);
        QFETCH(QString, call);
        QFETCH(bool, info);
        QFETCH(bool, formular);
        test::WorkDir dir;
        ContestDatabase::anlegen(u"TEST.mdb"_s, { u"144MHz"_s, u"432MHz"_s }, { u"DK9ZZ"_s, u"JN58AA"_s });
        Beantworter antworten;
        Application app(einstellungen(dir.pfad(u"CONTEST.ini"_s), letzterContest));
        app.starten(0);
        ContestWindow* w = app.hauptfenster().contestWindow();

        // Before the clock's next minute: the options and the station are there.
        QCOMPARE(w->anzeige(u"txtRSTgeg"_s)->text(), u"599"_s);
        QCOMPARE(w->label(u"lblCall"_s)->text(), call);
        for (const Befehl b :
            { Befehl::Rst599, Befehl::LoggenF12, Befehl::ProtokollEin, Befehl::UtcMinusEins })
            QVERIFY(app.hauptfenster().befehle()[b].isChecked());
        QVERIFY(w->label(u"Image1"_s)->isVisibleTo(w));

        // The information box, but not after the remembered file has gone; without a
        // contest the new-contest form is offered.
        const auto angeboten = [&] { return app.hauptfenster().findChild<NewContestDialog*>() != nullptr; };
        QTRY_VERIFY(formular ? angeboten() : !antworten.titel.isEmpty());
        QCOMPARE(antworten.titel.contains(u"Tarvex"_s), info);
        QCOMPARE(angeboten(), formular);
    }

    // Run under dbus-run-session: the name appears only once the contest is loaded.
    void automationIsRegisteredAfterLoading()
    {
        if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("no session bus");
        test::WorkDir dir;
        ContestDatabase::anlegen(u"TEST.mdb"_s, { u"144MHz"_s }, { u"DK9ZZ"_s, u"JN58AA"_s });
        Beantworter antworten;
        Application app(einstellungen(dir.pfad(u"CONTEST.ini"_s), u"TEST.MDB"_s));
        QVERIFY(!angemeldet());
        app.starten(0);
        QVERIFY(angemeldet());
        QCOMPARE(app.contest().lblCall(), u"DK9ZZ"_s);
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
