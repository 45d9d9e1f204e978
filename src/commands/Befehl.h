#pragma once

// moc cannot read identifiers with umlauts and has no use for this enum.
#ifndef Q_MOC_RUN
namespace tarvex {

// Every menu and toolbar command of the program. A window registers the ones
// it offers in the main frame's registry and triggers them through it.
enum class Befehl : int {
    // Datei
    Neu,
    Öffnen,
    ContestLöschen,
    Log,
    QSL,
    Beenden,
    // Bearbeiten
    Ändern,
    Löschen,
    Ungültig,
    Bandwechseln,
    Locator,
    AntenneDrehen,
    AntenneLangerWeg,
    RotorAnhalten,
    LetzteEingaben,
    // Optionen
    UtcPcUhr,
    UtcMinusEins,
    UtcMinusZwei,
    ProtokollAus,
    ProtokollEin,
    LoggenEnter,
    LoggenF12,
    Rst59,
    Rst599,
    RstLeer,
    KommentarEin,
    KommentarAus,
    EMailEinstellungen,
    PostausgangSenden,
    DruckerWählen,
    TransceiverUndRotor,
    DigitaleBetriebsarten,
    WartendeVerbindungen,
    // Statistik
    Tabellen,
    Grafiken,
    Karte,
    QSOKarte,
    KarteText,
    KarteGrafik,
    // Spezial
    CallInfo,
    Locatorsuche,
    Import,
    BekannteStationenÜbernehmen,
    BekannteStationenImportieren,
    BekannteStationenHinzufügen,
    EdiAlleBänder,
    KstChat,
    DxCluster,
    ChatEinstellen,
    // Hilfe
    Info,
    Copyright,
    Anleitung,
};

} // namespace tarvex
#endif
