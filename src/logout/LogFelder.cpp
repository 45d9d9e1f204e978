#include "LogFelder.h"

#include "store/Settings.h"

namespace tarvex {

const std::array<LogFeldDefinition, LogFelder::anzahl>& LogFelder::definitionen()
{
    using F = LogFeld;
    static const std::array<LogFeldDefinition, anzahl> felder { {
        { F::Wettbewerb, u"txtWettbewerb", u"Wettbewerb", 25, false, u"Wettbewerb", nullptr },
        { F::Datum, u"txtDatum", u"Datum", 10, false, u"Datum", nullptr },
        { F::Wertungsgruppe, u"txtWertungsgruppe", u"Wertungsgruppe", 2, true, u"Wertungsgruppe", nullptr },
        { F::Lizenzklasse, u"txtLizenzklasse", u"Genehmigungsklasse", 2, true, u"Lizenzklasse", nullptr },
        { F::DOK, u"txtDOK", u"DOK", 8, false, u"DOK", nullptr },
        { F::Einmann, u"txtEinmann", u"Einmann/Mehrmann", 1, true, u"Einmann", nullptr },
        { F::Name, u"txtName", u"Name des verantwortlichen Funkamateurs", 40, true, u"Name", nullptr },
        { F::RCall, u"txtRCall", u"Rufzeichen des Verantwortlichen (RCall)", 15, true, u"RCall", nullptr },
        { F::MOpe1, u"txtMOpe1", u"Operatoren (MOpe1)", 60, true, u"MOpe1", nullptr },
        { F::MOpe2, u"txtMOpe2", u"weitere Operatoren (MOpe2)", 60, true, u"MOpe2", nullptr },
        { F::Straße, u"txtStraße", u"Straße und Hausnummer", 40, true, u"Straße", nullptr },
        { F::Ort, u"txtOrt", u"Postleitzahl und Wohnort", 40, true, u"Ort", nullptr },
        { F::Sender, u"txtSender", u"Sender", 20, true, u"Sender", nullptr },
        { F::Empfänger, u"txtEmpfänger", u"Empfänger", 20, true, u"Empfänger", nullptr },
        { F::Eingangsstufe, u"txtEingangsstufe", u"Eingangsstufe", 20, true, u"Eingangsstufe", nullptr },
        { F::Antenne, u"txtAntenne", u"Antenne", 20, true, u"Antenne", nullptr },
        { F::Ausgangsleistung, u"txtAusgangsleistung", u"Ausgangsleistung", 4, true, u"Ausgangsleistung",
            u"W" },
        { F::ÜberGrund, u"txtÜberGrund", u"Antenne über Grund", 3, true, u"ÜberGrund", u"m" },
        { F::ÜberNN, u"txtÜberNN", u"Antenne über NN", 4, true, u"ÜberNN", u"m" },
    } };
    return felder;
}

const LogFeldDefinition& LogFelder::definition(LogFeld feld)
{
    return definitionen()[std::size_t(feld)];
}

const std::array<LogFeld, LogFelder::anzahl>& LogFelder::speicherfolge()
{
    using F = LogFeld;
    static const std::array<LogFeld, anzahl> folge {
        F::Wettbewerb,
        F::Datum,
        F::DOK,
        F::Lizenzklasse,
        F::Einmann,
        F::Wertungsgruppe,
        F::Name,
        F::Straße,
        F::Ort,
        F::Sender,
        F::Empfänger,
        F::Eingangsstufe,
        F::Antenne,
        F::Ausgangsleistung,
        F::ÜberGrund,
        F::ÜberNN,
        F::RCall,
        F::MOpe1,
        F::MOpe2,
    };
    return folge;
}

QString LogFelder::abschnitt(LogFeld feld, const QString& band)
{
    return definition(feld).proBand ? Settings::logAbschnitt(band) : QStringLiteral("Log");
}

void LogFelder::setText(LogFeld feld, const QString& text)
{
    texte_[std::size_t(feld)] = text.left(definition(feld).länge);
}

bool LogFelder::lesen(const Settings& settings, const QString& band)
{
    bool eigene = false;
    for (const LogFeld feld : speicherfolge()) {
        const QString wert
            = settings.lesen(abschnitt(feld, band), QString::fromUtf16(definition(feld).schlüssel));
        if (!wert.isEmpty()) {
            setText(feld, wert);
            eigene = eigene || definition(feld).proBand;
        }
    }
    return eigene;
}

bool LogFelder::hatStationsdaten() const
{
    for (const LogFeldDefinition& d : definitionen())
        if (d.proBand && !text(d.feld).isEmpty())
            return true;
    return false;
}

void LogFelder::speichern(Settings& settings, const QString& band) const
{
    for (const LogFeld feld : speicherfolge())
        settings.schreiben(abschnitt(feld, band), QString::fromUtf16(definition(feld).schlüssel), text(feld));
}

} // namespace tarvex
