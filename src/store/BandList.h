#pragma once
#include <QString>
#include <QStringList>
#include <span>

namespace tarvex {

// One of the eleven bands. The table name is the band's identity everywhere:
// current band, settings, SQL.
struct BandInfo {
    QString tabelle; // "144MHz"
    QString anzeige; // how the operator reads it on forms and in files, "144 MHz", "1,3 GHz"
    QString schlüssel; // key in settings section Bänder, "Band1"
};

// The bands in the order the new-contest command creates their tables (50 MHz first).
std::span<const BandInfo> alleBänder();
const BandInfo* findeBand(QStringView tabelle);
bool istBandTabelle(QStringView name);

// lblBand's rule: a text not ending in " MHz" loses its last three characters
// and gets " MHz" ("10368MHz" → "10368 MHz").
QString bandAnzeige(const QString& text);

} // namespace tarvex
