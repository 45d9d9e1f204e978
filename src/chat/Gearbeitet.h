#pragma once
#include <QHash>
#include <QString>

namespace tarvex {

class OffenerContest;

// Whether a station was worked on the current band, asked of the store's
// look-up of earlier contacts by core call (valid contacts only). Answers are
// kept until the contest, the band or the number of contacts changes, so a
// user list of hundreds asks the file once per call and save.
class Gearbeitet {
public:
    explicit Gearbeitet(OffenerContest& contest);

    bool gearbeitet(const QString& call);
    // Whether the answers may have changed since the last call of this.
    bool veraltet();

private:
    struct Stand {
        QString datenbank;
        QString band;
        qint64 anzahl = -1;
        qint64 gültige = -1;
        bool operator==(const Stand&) const = default;
    };
    Stand jetzt() const;

    OffenerContest& contest_;
    Stand stand_;
    Stand gemeldet_;
    int spalte_ = -1;
    QHash<QString, bool> antworten_;
};

} // namespace tarvex
