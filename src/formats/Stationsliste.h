#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace tarvex {

// A plain list of known stations: one station a line, "CALL LOCATOR" or
// "CALL,LOCATOR,...", with "#" and "//" starting a comment; every six-character
// locator after the call counts.
struct Stationsliste {
    struct Station {
        QString call;
        QStringList locators;
    };
    struct Übersprungen {
        int zeile = 0; // counted from 1
        QString text;
        QString grund;
    };
    QList<Station> stationen; // one per call, in order of first appearance
    QList<Übersprungen> übersprungen;

    // Lines it cannot use are listed, never an error.
    static Stationsliste lesen(const QString& text);
};

} // namespace tarvex
