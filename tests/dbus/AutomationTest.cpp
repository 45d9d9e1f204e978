// Reads the automation object the way another program would: with gdbus, on
// the session bus of dbus-run-session. Our process serves the calls from its
// event loop, so every client call waits in a local loop, never blocking.
#include "app/Automation.h"
#include "support/ContestFixture.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

struct Ausgabe {
    int exitCode = -1;
    QString text;
};

Ausgabe gdbus(const QStringList& argumente)
{
    QProcess p;
    QEventLoop loop;
    QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    p.start(u"gdbus"_s, argumente);
    if (!p.waitForStarted(5000)) {
        ADD_FAILURE() << "gdbus cannot be started (package libglib2.0-bin)";
        return {};
    }
    if (p.state() != QProcess::NotRunning)
        loop.exec();
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "gdbus did not finish: " << argumente.join(u' ').toStdString();
        return {};
    }
    return { p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).trimmed() };
}

// One property, read with org.freedesktop.DBus.Properties.Get: "(<'DL0XX'>,)".
QString lies(const QString& name)
{
    const Ausgabe a = gdbus({ u"call"_s, u"--session"_s, u"--dest"_s, Automation::busName(),
        u"--object-path"_s, Automation::objektPfad(), u"--method"_s, u"org.freedesktop.DBus.Properties.Get"_s,
        Automation::schnittstelle(), name });
    EXPECT_EQ(a.exitCode, 0) << name.toStdString();
    static const QRegularExpression form(u"^\\(<'(.*)'>,\\)$"_s);
    const QRegularExpressionMatch m = form.match(a.text);
    EXPECT_TRUE(m.hasMatch()) << a.text.toStdString();
    return m.captured(1);
}

const QStringList kNamen = { u"EigenesRufzeichen"_s, u"EigenerLocator"_s, u"Locator"_s, u"Winkel"_s,
    u"Rufzeichen"_s, u"Band"_s, u"Rapport"_s, u"LaufendeNummer"_s, u"Rotor"_s };

QStringList alleLesen()
{
    QStringList werte;
    for (const QString& name : kNamen)
        werte.append(lies(name));
    return werte;
}

void abmelden()
{
    QDBusConnection::sessionBus().unregisterService(Automation::busName());
}

class WithContest : public test::ContestFixture {
protected:
    ~WithContest() override { abmelden(); }
};

TEST_F(WithContest, ReadsTheContactBeingEnteredInTheInterfacesOrder)
{
    ASSERT_TRUE(automationAnmelden(model));
    zeile(u"dl1abc jo62qm 59012"_s);
    EXPECT_EQ(alleLesen(),
        (QStringList { u"DL0XX"_s, u"JO31AA"_s, u"JO62QM"_s, u"69"_s, u"DL1ABC"_s, u"144 MHz"_s, u"59"_s,
            u"001"_s,
            // No rotator without a station control.
            QString() }));

    // Read at the moment of the call: after saving the entry is empty again.
    zeile(QString());
    EXPECT_EQ(lies(u"Rufzeichen"_s), u""_s);
    EXPECT_EQ(lies(u"LaufendeNummer"_s), u"002"_s);
}

TEST_F(WithContest, ChangesOfTheEntryAreSignalled)
{
    ASSERT_TRUE(automationAnmelden(model));
    QProcess monitor;
    monitor.start(u"gdbus"_s,
        { u"monitor"_s, u"--session"_s, u"--dest"_s, Automation::busName(), u"--object-path"_s,
            Automation::objektPfad() });
    ASSERT_TRUE(monitor.waitForStarted(5000));
    QString gesehen;
    const auto warteAuf = [&](const QString& text) {
        QEventLoop loop;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
            gesehen += QString::fromUtf8(monitor.readAllStandardOutput());
            if (gesehen.contains(text))
                loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        tick.start(20);
        loop.exec();
        return gesehen.contains(text);
    };
    // gdbus says whom it watches once it has subscribed.
    ASSERT_TRUE(warteAuf(u"is owned by"_s)) << gesehen.toStdString();

    zeile(u"jo62qm"_s);
    EXPECT_TRUE(warteAuf(u"'Winkel': <'69'>"_s)) << gesehen.toStdString();
    EXPECT_TRUE(gesehen.contains(u"'Locator': <'JO62QM'>"_s)) << gesehen.toStdString();
    EXPECT_FALSE(gesehen.contains(u"'EigenesRufzeichen'"_s)) << "only what changed is sent";

    monitor.kill();
    monitor.waitForFinished();
}

TEST_F(WithContest, ASecondTarvexLeavesTheNameToTheFirst)
{
    QDBusConnection erste = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"erste"_s);
    ASSERT_TRUE(erste.registerService(Automation::busName()));
    EXPECT_FALSE(automationAnmelden(model));
    zeile(u"dl1abc"_s);
    EXPECT_EQ(f().txtCall, u"DL1ABC"_s);
    erste.unregisterService(Automation::busName());
    QDBusConnection::disconnectFromBus(u"erste"_s);
}

// Run by ctest with the bus variables removed; under dbus-run-session it has
// nothing to check.
TEST_F(WithContest, NoSessionBusAtAll)
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        GTEST_SKIP() << "a session bus is there";
    EXPECT_FALSE(automationAnmelden(model));
    logge(u"dl1abc jo62qm 59012"_s);
    EXPECT_EQ(band().size(), 1);
}

} // namespace
} // namespace tarvex

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
