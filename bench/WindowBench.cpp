// The windows and commands of the running program at 1,000, 10,000 and 50,000
// contacts on the band: the program as main() starts it, on the offscreen
// platform, each window opened through its command until it is drawn, each
// output run from its button to the last message, and Esc back to the logging
// window. Message boxes are answered as they appear. Prints one table with the
// budgets at 50,000, and the resident memory after every window was visited.
#include "LaufendesProgramm.h"
#include "Zufallsdaten.h"
#include "commands/Befehl.h"
#include "commands/Befehle.h"
#include "common/TextFile.h"
#include "contest/ContestModel.h"
#include "entry/Locator.h"
#include "formats/ExpDatei.h"
#include "store/Connection.h"
#include "store/ContestDat.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <algorithm>
#include <cstdio>
#include <map>
#include <random>

using namespace tarvex;
using namespace Qt::StringLiterals;

namespace {

using bench::locator;
using bench::rufzeichen;
using bench::wahl;

const QStringList kLänder { u"Deutschland"_s, u"England"_s, u"Frankreich"_s, u"Niederlande"_s, u"Belgien"_s,
    u"Tschechien"_s, u"Österreich"_s, u"Polen"_s, u"Dänemark"_s, u"Schweden"_s, u"Schweiz"_s, u"Italien"_s,
    u"Litauen"_s, u"Lettland"_s, u"Estland"_s, u"Slowenien"_s, u"Kroatien"_s, u"Ungarn"_s, u"Rumänien"_s,
    u"Bulgarien"_s, u"Slowakei"_s, u"Norwegen"_s, u"Spanien"_s };

// The band table filled in one transaction, as a contest of that size leaves it.
void füllen(int anzahl)
{
    Connection c(u"TEST.mdb"_s, Connection::Zugriff::LesenSchreiben);
    c.exec(u"BEGIN"_s);
    for (int i = 1; i <= anzahl; ++i) {
        const QString call = rufzeichen();
        const QString loc = locator();
        const Strecke s = Abstand(u"JO31AA"_s, loc);
        const QString nummer = QString::number(i).rightJustified(3, u'0');
        c.execute(u"INSERT INTO \"144MHz\"(\"Nummer\",\"Datum\",\"Zeit\",\"Rufzeichen\",\"RST geg\","
                  u"\"RST erh\",\"Locator\",\"Punkte\",\"Winkel\",\"KernCall\",\"Square\",\"Land\","
                  u"\"Kommentar\",\"QSL\") VALUES(?,'05.12.26',?,?,?,'59001',?,?,?,?,?,?,'',?)"_s,
            QVariantList { i, u"%1:%2"_s.arg(14 + i / 3000 % 10).arg(i / 50 % 60, 2, 10, QChar(u'0')), call,
                QString(u"59"_s + nummer), loc, QString::number(s.km), QString::number(s.winkel), call,
                loc.left(4), kLänder[wahl(int(kLänder.size()))], i % 3 == 0 ? 1 : 0 });
    }
    c.exec(u"COMMIT"_s);
}

// 100,000 known stations, and a copy to put back before each run of the merge.
void stationen()
{
    Connection c(u"CONTEST.DAT"_s, Connection::Zugriff::LesenSchreiben);
    c.exec(u"BEGIN"_s);
    for (int i = 0; i < 100000; ++i) {
        c.execute(u"INSERT INTO STATIONS(CALL,LOCATORS) VALUES(?,?)"_s, { rufzeichen(), locator() });
    }
    c.exec(u"CREATE TABLE BENCH_STATIONS AS SELECT * FROM STATIONS"_s);
    c.exec(u"COMMIT"_s);
}

void stationenZurücksetzen()
{
    Connection c(u"CONTEST.DAT"_s, Connection::Zugriff::LesenSchreiben);
    c.exec(u"BEGIN"_s);
    c.exec(u"DELETE FROM STATIONS"_s);
    c.exec(u"INSERT INTO STATIONS SELECT * FROM BENCH_STATIONS"_s);
    c.exec(u"COMMIT"_s);
}

// An exchange file of other contacts for the import.
void importDatei(int anzahl)
{
    QStringList z = ExpDatei::kopf(u"DL0YY"_s, u"JO42AA"_s, u"144MHz"_s, u"05.12.26"_s);
    for (int i = 1; i <= anzahl; ++i) {
        QsoRecord q;
        q.nummer = i;
        q.datum = u"05.12.26"_s;
        q.zeit = u"15:00"_s;
        q.rufzeichen = u"DF%1XY"_s.arg(i);
        q.rstGeg = u"59001"_s;
        q.rstErh = u"59001"_s;
        q.locator = locator();
        q.punkte = QString::number(Abstand(u"JO42AA"_s, q.locator).km);
        q.land = u"Deutschland"_s;
        z.append(ExpDatei::qsoZeile(q));
    }
    writeTextFile(u"IMPORT.EXP"_s, z);
}

// Answers each modal window as soon as it is shown: a message box with its
// default button, the import window by starting the import.
class Antworten : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Show)
            return false;
        if (auto* box = qobject_cast<QMessageBox*>(o)) {
            if (qEnvironmentVariableIsSet("TARVEX_BENCH_MELDUNGEN"))
                std::fprintf(stderr, "%s: %s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
            QMetaObject::invokeMethod(
                box,
                [box] {
                    if (QAbstractButton* b = box->defaultButton())
                        b->click();
                    else
                        box->accept();
                },
                Qt::QueuedConnection);
        } else if (o->objectName() == u"frmImport"_s) {
            auto* d = static_cast<QDialog*>(o);
            QMetaObject::invokeMethod(
                d, [d] { d->findChild<QAbstractButton*>(u"importieren"_s)->click(); }, Qt::QueuedConnection);
        }
        return false;
    }
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void ruhen()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

class Lauf {
public:
    explicit Lauf(test::LaufendesProgramm& p)
        : p_(p)
    {
    }

    QWidget* sichtbar() { return p_.rahmen().findChild<QStackedWidget*>()->currentWidget(); }

    // Until the window is on screen and drawn.
    void zeichnen()
    {
        ruhen();
        QWidget* w = QApplication::activeModalWidget();
        (w ? w : &p_.rahmen())->grab();
    }

    double befehl(Befehl b)
    {
        QElapsedTimer t;
        t.start();
        p_.rahmen().befehle()[b].trigger();
        zeichnen();
        return t.nsecsElapsed() / 1e6;
    }

    double klick(const QString& knopf)
    {
        auto* b = sichtbar()->findChild<QAbstractButton*>(knopf);
        if (!b) {
            std::fprintf(stderr, "no button %s\n", qPrintable(knopf));
            std::exit(1);
        }
        QElapsedTimer t;
        t.start();
        b->click();
        zeichnen();
        return t.nsecsElapsed() / 1e6;
    }

    double esc()
    {
        QWidget* ziel = QApplication::focusWidget();
        if (!ziel)
            ziel = sichtbar();
        QElapsedTimer t;
        t.start();
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(ziel, &druck);
        QKeyEvent los(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(ziel, &los);
        zeichnen();
        return t.nsecsElapsed() / 1e6;
    }

    // Back to the logging window without timing it.
    void zurück()
    {
        if (sichtbar() != p_.rahmen().contestWindow())
            esc();
    }

private:
    test::LaufendesProgramm& p_;
};

long rssKb()
{
    QFile f(u"/proc/self/status"_s);
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& zeile : f.readAll().split('\n')) {
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

} // namespace

namespace {

const std::vector<std::pair<QString, double>> kZeilen {
    { u"\"&Drucken\" to file (cover, log, EXP, ADIF, EDI)"_s, 300 },
    { u"\"Bekannte Stationen übernehmen\""_s, 100 },
    { u"EXP import of 2,000 contacts"_s, 100 },
    { u"QSL list"_s, 100 },
    { u"QSO map"_s, 100 },
    { u"text map (Ctrl+K)"_s, 100 },
    { u"graphic map"_s, 100 },
    { u"tables: open (distances)"_s, 100 },
    { u"tables: countries"_s, 100 },
    { u"tables: squares"_s, 100 },
    { u"charts: open"_s, 100 },
    { u"charts: a button"_s, 100 },
    { u"log window"_s, 100 },
    { u"Esc back to the logging window (worst window)"_s, 20 },
};
constexpr std::size_t kZurück = 13;

// One size in this process: prints the medians and the resident memory in kB.
int messen(int anzahl)
{
    constexpr int wiederholungen = 5;
    test::LaufendesProgramm programm([&](Settings&) {
        QFile::copy(QStringLiteral(TARVEX_REFERENZ_DIR "/CONTEST.DAT"), u"CONTEST.DAT"_s);
        QFile::copy(QStringLiteral(TARVEX_REFERENZ_DIR "/CALLINFO.MDB"), u"CALLINFO.MDB"_s);
        QFile::setPermissions(u"CONTEST.DAT"_s, QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(u"CALLINFO.MDB"_s, QFile::ReadOwner | QFile::WriteOwner);
        füllen(anzahl);
        stationen();
    });
    programm.app->contest().bandWechseln(u"144MHz"_s);
    Lauf lauf(programm);
    lauf.zeichnen();
    std::vector<std::vector<double>> mess(kZeilen.size());
    const auto fenster = [&](std::size_t zeile, Befehl b) {
        mess[zeile].push_back(lauf.befehl(b));
        mess[kZurück].push_back(lauf.esc());
    };
    for (int w = 0; w < wiederholungen; ++w) {
        // The log window: opened, then everything written into one file.
        mess[12].push_back(lauf.befehl(Befehl::Log));
        QWidget* log = lauf.sichtbar();
        for (const QString& k : { u"chkDeckblatt"_s, u"chkLog"_s, u"chkInDatei"_s, u"chkExportieren"_s,
                 u"chkADIF"_s, u"chkEDI"_s }) {
            auto* b = log->findChild<QAbstractButton*>(k);
            if (!b->isChecked())
                b->click();
        }
        auto* chkEMail = log->findChild<QAbstractButton*>(u"chkEMail"_s);
        if (chkEMail->isChecked())
            chkEMail->click();
        auto* name = log->findChild<QLineEdit*>(u"txtDateiName"_s);
        name->setText(u"AUSGABE.TXT"_s);
        emit name->textEdited(name->text());
        mess[0].push_back(lauf.klick(u"cmdDrucken"_s));
        lauf.zurück();

        stationenZurücksetzen();
        // The reset is another program's write, which the operator's next key would find and
        // check; the merge itself does not pay for that between two runs of the program's own.
        programm.app->contestDat().connection();
        mess[1].push_back(lauf.befehl(Befehl::BekannteStationenÜbernehmen));
        // The QSL window with every mark inverted: Esc back must not read the score again.
        mess[3].push_back(lauf.befehl(Befehl::QSL));
        lauf.klick(u"cmdUmkehren"_s);
        mess[kZurück].push_back(lauf.esc());
        fenster(4, Befehl::QSOKarte);
        fenster(5, Befehl::KarteText);
        fenster(6, Befehl::KarteGrafik);
        mess[7].push_back(lauf.befehl(Befehl::Tabellen));
        mess[8].push_back(lauf.klick(u"Option1"_s));
        mess[9].push_back(lauf.klick(u"Option2"_s));
        mess[kZurück].push_back(lauf.esc());
        mess[10].push_back(lauf.befehl(Befehl::Grafiken));
        mess[11].push_back(lauf.klick(u"Command2"_s));
        mess[kZurück].push_back(lauf.esc());
    }
    // Back in the logging window for a moment, as the operator would be.
    QElapsedTimer warten;
    warten.start();
    while (warten.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const long rss = rssKb();
    // Last, as it adds to the band; the exported files must not be offered first.
    for (const QString& f : QDir().entryList({ u"*.EXP"_s }))
        QFile::remove(f);
    importDatei(2000);
    mess[2].push_back(lauf.befehl(Befehl::Import));
    for (std::size_t i = 0; i < kZeilen.size(); ++i)
        std::printf(
            "%.2f ", i == kZurück ? *std::max_element(mess[i].begin(), mess[i].end()) : median(mess[i]));
    std::printf("%ld\n", rss);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on window hints it ignores.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (!text.startsWith(u"This plugin does not support"_s))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    Antworten antworten;
    app.installEventFilter(&antworten);
    if (argc > 1)
        return messen(std::atoi(argv[1]));

    // Each size in a process of its own, so the memory is that of one contest.
    std::map<int, QList<double>> werte;
    for (const int anzahl : { 1000, 10000, 50000 }) {
        QProcess kind;
        kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        kind.start(QCoreApplication::applicationFilePath(), { QString::number(anzahl) });
        kind.waitForFinished(-1);
        for (const QByteArray& w : kind.readAllStandardOutput().trimmed().split(' '))
            werte[anzahl].append(w.toDouble());
        if (kind.exitCode() != 0 || werte[anzahl].size() != qsizetype(kZeilen.size() + 1)) {
            std::fprintf(stderr, "the run with %d contacts failed\n", anzahl);
            return 1;
        }
    }
    std::printf("\n%-52s %10s %10s %10s %12s\n", "window / command (ms, median of 5)", "1,000", "10,000",
        "50,000", "budget");
    for (std::size_t i = 0; i < kZeilen.size(); ++i) {
        const auto& [name, budget] = kZeilen[i];
        const double bei50k = werte[50000][qsizetype(i)];
        std::printf("%-52s %10.1f %10.1f %10.1f %9.0f %s\n", qPrintable(name), werte[1000][qsizetype(i)],
            werte[10000][qsizetype(i)], bei50k, budget, bei50k <= budget ? "ok" : "OVER");
    }
    const double mb = werte[50000].last() / 1024.0;
    std::printf("%-52s %10.1f %10.1f %10.1f %9d %s\n", "resident memory (MB) after every window",
        werte[1000].last() / 1024.0, werte[10000].last() / 1024.0, mb, 80, mb <= 80 ? "ok" : "OVER");
    return 0;
}
