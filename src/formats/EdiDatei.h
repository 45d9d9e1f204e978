#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace tarvex {

// One QSO record of an EDI file, its fifteen fields in the file's order.
struct EdiQso {
    QString datum; // YYMMDD
    QString zeit; // HHMM, UTC
    QString rufzeichen;
    QString mode; // "1" SSB, "2" CW, "3" SSB sent/CW received, "4" CW sent/SSB received
    QString rstGeg;
    QString nummerGeg;
    QString rstErh;
    QString nummerErh;
    QString austausch; // received exchange
    QString locator;
    QString punkte;
    QString neuerAustausch; // "N" or empty
    QString neuerLocator; // "N" on the first valid contact in a large square
    QString neuesLand; // "N" on the first valid contact in a country
    QString doppelt; // "D" or empty

    friend bool operator==(const EdiQso&, const EdiQso&) = default;
};

// An EDI (REG1TEST) log of one band: the header lines in their order, the
// remark lines and the QSO records. Written by EdiSchreiber, read by EdiLeser.
struct EdiDatei {
    QList<std::pair<QString, QString>> kopf; // key, value
    QStringList bemerkungen;
    QList<EdiQso> qsos;

    // The value of a header key (keys compared without regard to case), or empty;
    // of a key given twice the later line counts.
    QString wert(const QString& schlüssel) const
    {
        for (auto it = kopf.crbegin(); it != kopf.crend(); ++it) {
            if (it->first.compare(schlüssel, Qt::CaseInsensitive) == 0)
                return it->second;
        }
        return {};
    }

    friend bool operator==(const EdiDatei&, const EdiDatei&) = default;
};

} // namespace tarvex
