#pragma once
#include "store/Summen.h"

#include <QString>

namespace tarvex {

// The running totals of one band as the logging window shows them.
struct Spielstand {
    QString txtPunkte; // sum of the points of the valid contacts
    QString txtODX; // best distance
    QString lblODXCall = QStringLiteral("Call ODX");
    QString txtDurchschnitt; // km per valid contact, rounded half away from zero
    QString txtLänder;
    QString txtGroßfelder;
    QString txtNummer; // serial number of the next contact
    qint64 gültige = 0;
    qint64 Länder = 0;
    qint64 GroßFelder = 0;

    // The displays for these totals; empty points, distance and average while
    // there is no valid contact.
    static Spielstand aus(const Summen& summen);
};

// "001".."999", then four digits; beyond 9999 the whole number (never wraps).
QString laufendeNummer(qint64 n);

} // namespace tarvex
