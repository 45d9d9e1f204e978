#pragma once
#include <QString>

#include <array>

namespace tarvex {

class Settings;

// The cover-sheet and EDI header fields of the log window, in the window's order.
// Hidden from moc, which cannot read the umlauts of the values.
#ifndef Q_MOC_RUN
enum class LogFeld : int {
    Wettbewerb,
    Datum,
    Wertungsgruppe,
    Lizenzklasse,
    DOK,
    Einmann,
    Name,
    RCall,
    MOpe1,
    MOpe2,
    Straße,
    Ort,
    Sender,
    Empfänger,
    Eingangsstufe,
    Antenne,
    Ausgangsleistung,
    ÜberGrund,
    ÜberNN,
};
#else
enum class LogFeld : int;
#endif

struct LogFeldDefinition {
    LogFeld feld;
    const char16_t* name; // control name, "txtWettbewerb"
    const char16_t* beschriftung; // label in the window
    int länge; // maximum characters
    bool proBand; // section "Log" + band table name, else "Log"
    const char16_t* schlüssel; // settings key
    const char16_t* einheit; // shown after the field, or null
};

// The texts of the log window's fields and where each is kept in the settings:
// three in section "Log", the others per band, so each band keeps its station data.
class LogFelder {
public:
    static constexpr int anzahl = 19;
    // In the window's order.
    static const std::array<LogFeldDefinition, anzahl>& definitionen();
    static const LogFeldDefinition& definition(LogFeld feld);
    // The order in which the fields are read and saved.
    static const std::array<LogFeld, anzahl>& speicherfolge();
    static QString abschnitt(LogFeld feld, const QString& band);

    const QString& text(LogFeld feld) const { return texte_[std::size_t(feld)]; }
    // Cut to the field's maximum length.
    void setText(LogFeld feld, const QString& text);

    // A stored value replaces the field's text; an empty one leaves it.
    // True when the band has station data of its own stored.
    bool lesen(const Settings& settings, const QString& band);
    // Some per-band field holds a text.
    bool hatStationsdaten() const;
    void speichern(Settings& settings, const QString& band) const;

private:
    std::array<QString, anzahl> texte_;
};

} // namespace tarvex
