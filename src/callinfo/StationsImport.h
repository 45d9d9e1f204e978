#pragma once
#include "formats/Stationsliste.h"
#include "store/Connection.h"
#include "store/StationenAbfrage.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace tarvex {

// Adds known stations to the STATIONS table of CONTEST.DAT, collected from a plain
// list, an EDI (REG1TEST) log, an ADIF file or one of our EXP files. Locators of one
// call, from the file and from the table, are merged into one LOCATORS text.
class StationsImport {
public:
    using Station = Stationsliste::Station;
    using Übersprungen = Stationsliste::Übersprungen;
    using Liste = Stationsliste;
    struct Ergebnis {
        int neueStationen = 0;
        int ergänzteStationen = 0;
        int neueLocatoren = 0;
    };

    enum class Format { Liste, Edi, Adif, Exp };

    // The (call, locator) pairs of a file, told apart by content and then by the
    // file name's extension. From a log: its valid contacts and, of an EDI log, its
    // own station. Lines of a list it cannot use are listed, never an error; a
    // damaged log is a UserError naming the file, and yields nothing.
    static Liste lesenDatei(const QByteArray& inhalt, const QString& name, Format* format = nullptr);

    // The one way into STATIONS: calls and locators in capitals, calls as the look-up
    // asks for them, locators merged in order of first appearance, never one twice.
    // One transaction: either the whole list is in the table or nothing changed.
    static Ergebnis einfügen(Connection& contestDat, const QList<Station>& stationen);
    // The same for the contacts of a contest: lesen hands them over pair by pair as
    // they were stored, and the pairs are not kept.
    using Kontakte = std::function<void(const StationenAbfrage::JePaar&)>;
    static Ergebnis kontakteEinfügen(Connection& contestDat, const Kontakte& lesen);
};

} // namespace tarvex
