#pragma once
#include <QString>

namespace tarvex {

// One row of a band table, fields in stored order. All text except Nummer and QSL.
struct QsoRecord {
    int nummer = 0;
    QString datum; // "dd.mm.yy"
    QString zeit; // "hh:mm"
    QString rufzeichen;
    QString rstGeg; // report sent followed by the serial number sent
    QString rstErh; // report received followed by the serial number received
    QString locator;
    QString punkte; // km as digits, or "-----" for an invalid contact
    QString winkel;
    QString kernCall;
    QString square; // first four characters of the locator, " " when invalid
    QString land; // " " when invalid
    QString kommentar;
    bool qsl = false;

    friend bool operator==(const QsoRecord&, const QsoRecord&) = default;
};

// Field names and maximum widths of a band table, in stored order.
struct FeldDefinition {
    const char16_t* name;
    const char* typ; // SQL type as created
    int breite; // maximum characters; 0 for numbers and yes/no
};

inline constexpr FeldDefinition kBandFelder[] = {
    { u"Nummer", "INTEGER", 0 },
    { u"Datum", "TEXT(8)", 8 },
    { u"Zeit", "TEXT(5)", 5 },
    { u"Rufzeichen", "TEXT(15)", 15 },
    { u"RST geg", "TEXT(8)", 8 },
    { u"RST erh", "TEXT(8)", 8 },
    { u"Locator", "TEXT(6)", 6 },
    { u"Punkte", "TEXT(5)", 5 },
    { u"Winkel", "TEXT(3)", 3 },
    { u"KernCall", "TEXT(9)", 9 },
    { u"Square", "TEXT(4)", 4 },
    { u"Land", "TEXT(20)", 20 },
    { u"Kommentar", "TEXT(12)", 12 },
    { u"QSL", "BOOLEAN", 0 },
};

inline constexpr int kRufzeichenBreite = 15;
inline constexpr int kKommentarBreite = 12;
inline const QString kUngültigePunkte = QStringLiteral("-----");

} // namespace tarvex
