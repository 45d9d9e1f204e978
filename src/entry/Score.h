#pragma once
#include <QString>

namespace tarvex {

class ContestDatabase;

// The running totals of one band, as the logging window shows them. Recomputed
// from the band table on every call; nothing is accumulated in memory.
struct Spielstand {
    QString txtPunkte;        // sum of the points of the valid contacts
    QString txtODX;           // best distance
    QString lblODXCall = QStringLiteral("Call ODX");
    QString txtDurchschnitt;  // km per valid contact, rounded half away from zero
    QString txtLänder;
    QString txtGroßfelder;
    QString txtNummer;        // serial number of the next contact
    int gültige = 0;
    int Länder = 0;
    int GroßFelder = 0;
};

Spielstand Punkte(ContestDatabase& db, const QString& band);

// "001".."999", then four digits; beyond 9999 the whole number (never wraps).
QString laufendeNummer(qint64 n);

} // namespace tarvex
