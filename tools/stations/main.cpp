// tarvex-stations: adds known stations to the STATIONS table of a CONTEST.DAT, from plain
// lists, EDI (REG1TEST) logs, ADIF files and EXP files.
//   tarvex-stations CONTEST.DAT liste.txt [log.edi ...]   ("-" reads standard input)

#include "callinfo/StationsImport.h"
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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    const QStringList argumente = QCoreApplication::arguments().mid(1);
    if (argumente.size() < 2) {
        fehler << u"Aufruf: tarvex-stations CONTEST.DAT DATEI [DATEI ...]\n"_s
               << u"DATEI: ein EDI-Log (REG1TEST), eine ADIF- oder EXP-Datei oder eine Liste mit "_s
               << u"einer Station je Zeile: \"CALL LOCATOR\" oder \"CALL,LOCATOR,...\"; "_s
               << u"\"#\" und \"//\" leiten Kommentare ein; \"-\" liest die Standardeingabe.\n"_s;
        return 2;
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
