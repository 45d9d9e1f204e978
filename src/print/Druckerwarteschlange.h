#pragma once
#include "print/Druckerwahl.h"

#include <QSizeF>
#include <QString>

namespace tarvex {

// The printing system's queue of one printer (CUPS): whether it takes jobs, and
// handing it a finished PDF as one job. Qt's own printing drops a refused job
// without a word; here the refusal comes back, so nothing is lost.
class Druckerwarteschlange {
public:
    using Zustand = Druckerwahl::Zustand;
    struct Ergebnis {
        int auftrag = 0; // the queue's job number, 0 when refused
        QString grund; // the printing system's reason for a refusal
    };

    static Zustand zustand(const QString& drucker);
    // One job of the given paper size; the PDF is read before this returns.
    static Ergebnis drucken(
        const QString& drucker, const QString& pdf, const QString& titel, QSizeF papierMm);
};

} // namespace tarvex
