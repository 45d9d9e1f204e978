// tarvex-stations: adds known stations to the STATIONS table of a CONTEST.DAT, from plain
// lists, EDI (REG1TEST) logs, ADIF files and EXP files.
//   tarvex-stations CONTEST.DAT liste.txt [log.edi ...]   ("-" reads standard input)
//   tarvex-stations CONTEST.DAT --ordner LOGS [--bis144 N] [--ueber144 N]
// The second form is the bulk import of published logs into LOGSTATIONS.

#include "callinfo/BekannteStationen.h"
#include "callinfo/Sammelimport.h"
#include "callinfo/StationsImport.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "store/Connection.h"
#include "store/FilePaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

using namespace Qt::StringLiterals;
using tarvex::StationsImport;

namespace {

QByteArray lies(const QString& datei)
{
    QFile f;
    const bool offen = datei == u"-"_s ? f.open(stdin, QIODevice::ReadOnly)
                                       : (f.setFileName(datei), f.open(QIODevice::ReadOnly));
    if (!offen)
        throw tarvex::UserError(u"Die Liste %1 kann nicht gelesen werden: %2"_s.arg(datei, f.errorString()));
    return f.readAll();
}

// The bulk import: the report as the menu command gives it, damaged files on stderr.
int ordnerImportieren(const QStringList& argumente, QTextStream& aus, QTextStream& fehler)
{
    QString ordner;
    tarvex::Sammelimport::Schwellen schwellen;
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        const QString wert = argumente.value(i + 1);
        bool ok = false;
        if (a == u"--ordner"_s && i + 1 < argumente.size()) {
            ordner = wert;
        } else if (a == u"--bis144"_s || a == u"--ueber144"_s) {
            const int n = wert.toInt(&ok);
            if (!ok || n < 1 || n > 99) {
                fehler << a << u": eine ganze Zahl von 1 bis 99 erwartet\n"_s;
                return 2;
            }
            (a == u"--bis144"_s ? schwellen.bis144 : schwellen.darüber) = n;
        } else {
            fehler << u"unbekanntes Argument: "_s << a << u'\n';
            return 2;
        }
        ++i;
    }
    const QStringList pfade = tarvex::Sammelimport::ediDateien(ordner);
    if (pfade.isEmpty()) {
        fehler << u"Im Ordner "_s << ordner << u" ist keine EDI-Datei.\n"_s;
        return 1;
    }
    tarvex::Connection contestDat(
        tarvex::resolveCaseInsensitive(argumente[0]), tarvex::Connection::Zugriff::LesenSchreiben);
    const tarvex::Sammelimport::Bericht b
        = tarvex::Sammelimport::importieren(contestDat, pfade, schwellen, {});
    const tarvex::Meldung m = tarvex::BekannteStationen::sammelBericht(b, ordner);
    (b.beschädigt.isEmpty() ? aus : fehler) << m.text << u'\n';
    return b.beschädigt.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    const QStringList argumente = QCoreApplication::arguments().mid(1);
    if (argumente.size() < 2) {
        fehler
            << u"Aufruf: tarvex-stations CONTEST.DAT DATEI [DATEI ...]\n"_s
            << u"       tarvex-stations CONTEST.DAT --ordner ORDNER [--bis144 N] [--ueber144 N]\n"_s
            << u"DATEI: ein EDI-Log (REG1TEST), eine ADIF- oder EXP-Datei oder eine Liste mit "_s
            << u"einer Station je Zeile: \"CALL LOCATOR\" oder \"CALL,LOCATOR,...\"; "_s
            << u"\"#\" und \"//\" leiten Kommentare ein; \"-\" liest die Standardeingabe.\n"_s
            << u"--ordner: alle EDI-Logs des Ordners und seiner Unterordner; ein Paar aus Rufzeichen und "_s
            << u"Locator zählt, wenn es in mindestens N verschiedenen Logs steht (Vorgabe 3 bis 144 MHz, "_s
            << u"2 darüber).\n"_s;
        return 2;
    }
    if (argumente[1] == u"--ordner"_s) {
        try {
            return ordnerImportieren(argumente, aus, fehler);
        } catch (const tarvex::UserError& e) {
            fehler << e.meldung() << u'\n';
            return 1;
        }
    }
    int rc = 0;
    try {
        tarvex::Connection contestDat(
            tarvex::resolveCaseInsensitive(argumente[0]), tarvex::Connection::Zugriff::LesenSchreiben);
        for (const QString& datei : argumente.mid(1)) {
            StationsImport::Liste liste;
            try {
                liste = StationsImport::lesenDatei(lies(datei), datei);
            } catch (const tarvex::UserError& e) {
                // A damaged file is left out whole; the others still count.
                fehler << e.meldung() << u'\n';
                rc = 1;
                continue;
            }
            for (const StationsImport::Übersprungen& z : liste.übersprungen)
                fehler << datei << u':' << z.zeile << u": übersprungen ("_s << z.grund << u"): "_s << z.text
                       << u'\n';
            const StationsImport::Ergebnis e = StationsImport::einfügen(contestDat, liste.stationen);
            aus << datei << u": "_s << e.neueStationen << u" neue Stationen, "_s << e.ergänzteStationen
                << u" ergänzte Stationen, "_s << e.neueLocatoren << u" neue Locatoren, "_s
                << liste.übersprungen.size() << u" Zeilen übersprungen\n"_s;
        }
    } catch (const tarvex::UserError& e) {
        fehler << e.meldung() << u'\n';
        return 1;
    }
    return rc;
}
