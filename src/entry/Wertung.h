#pragma once
#include "store/Summen.h"

#include <QHash>
#include <QString>
#include <array>
#include <map>
#include <utility>
#include <vector>

namespace tarvex {

class ContestDatabase;

// The running score of one band, kept up to date by every save, deletion and
// change instead of reading the band again, so its cost does not grow with the
// log. At every step it equals what the band table gives computed afresh
// by SQL statements alone; it is loaded from the table when a band is opened.
class Wertung {
public:
    // A band's score as it is opened: its contacts read one at a time.
    static Wertung aus(ContestDatabase& db, const QString& band);
    // What the contact added that no contact before it had.
    struct Neu {
        bool land = false;
        bool großfeld = false;
    };
    Neu hinzufügen(const WertungsZeile& zeile);
    // The contact as it was stored before it was deleted or changed.
    void entfernen(const WertungsZeile& zeile);
    Summen summen() const;
    // In the order of their keys (the engine's NOCASE order for ASCII).
    QList<Gruppensumme> gruppen(Gruppierung nach) const;
    // By VAL(Punkte) descending, equal points in stored order; invalid contacts
    // count as 0 and are listed only when asked for.
    QList<Entfernung> entfernungen(bool mitUngültigen) const;
    // The hours 0..23 that have valid contacts, in order; other hours are left out.
    QList<Stundensumme> stunden() const;
    // Every contact, invalid ones included, in stored order: the QSO map's lines.
    const std::vector<Kontaktort>& orte() const { return orte_; }

    // How a country or square is counted: its key without regard to case, or
    // empty when it is blank and not counted.
    static QString zählSchlüssel(const QString& text);

private:
    void stundeZählen(const QString& zeit, double punkte, qint64 schritt);

    qint64 anzahl_ = 0;
    qint64 gültige_ = 0;
    double summe_ = 0;
    // Valid contacts by points, each in stored order: the best and its earliest contact.
    // A new contact comes last in its points: a vector by rowid costs a third of a tree node.
    using Stufe = std::vector<std::pair<qint64, Entfernung>>;
    std::map<double, Stufe> nachPunkten_;
    std::map<qint64, Entfernung> ungültige_;
    std::array<Stundensumme, 24> stunden_ {};
    QHash<QString, qint64> länder_;
    QHash<QString, qint64> großfelder_;
    // The statistics' and maps' groups, kept so that no window reads the band for them.
    QHash<QString, Gruppensumme> gültigeLänder_;
    QHash<QString, Gruppensumme> gültigeGroßfelder_;
    // 16 bytes a contact, by rowid; saves append.
    std::vector<Kontaktort> orte_;
};

} // namespace tarvex
