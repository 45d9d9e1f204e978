#pragma once
#include <QList>
#include <QString>
#include <array>

namespace tarvex {

// The running totals of one band before they are formatted for the window.
// Points are read with the VAL rule; countries and squares are counted without
// regard to case, and a blank or empty one is not counted.
struct Summen {
    qint64 anzahl = 0; // all contacts, valid or not
    qint64 gültige = 0; // contacts whose Punkte is not "-----"
    double summe = 0; // points of the valid contacts
    double maximum = 0; // best distance of a valid contact
    QString odxCall; // earliest valid contact with that distance; empty when the maximum is not above 0
    qint64 länder = 0;
    qint64 großfelder = 0;

    friend bool operator==(const Summen&, const Summen&) = default;
};

// The valid contacts of one country or large square. Names are compared without
// regard to case; a blank or empty name is a group of its own.
enum class Gruppierung { Land, Square };
struct Gruppensumme {
    QString name; // as the first of them was stored
    qint64 anzahl = 0;
    double punkte = 0;

    friend bool operator==(const Gruppensumme&, const Gruppensumme&) = default;
};

// One contact of the distance list: Punkte as stored and the call.
struct Entfernung {
    QString punkte;
    QString rufzeichen;

    friend bool operator==(const Entfernung&, const Entfernung&) = default;
};

// The valid contacts of one UTC hour of Zeit (the date ignored).
struct Stundensumme {
    int stunde = 0;
    qint64 anzahl = 0;
    double punkte = 0;

    friend bool operator==(const Stundensumme&, const Stundensumme&) = default;
};

// What the running score needs of one stored contact.
struct WertungsZeile {
    qint64 rowid = 0;
    QString punkte;
    QString rufzeichen;
    QString land;
    QString square;
    QString zeit;
    QString locator;
};

// Where a contact is on the maps: its Locator when it is six ASCII characters as
// stored, else zeros (no map point can be made of anything else).
struct Kontaktort {
    qint64 rowid = 0;
    std::array<char, 6> locator {};

    friend bool operator==(const Kontaktort&, const Kontaktort&) = default;
};

} // namespace tarvex
