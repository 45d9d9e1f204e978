#pragma once
#include "Grossfeldraster.h"

#include <QList>
#include <QObject>
#include <QString>

namespace tarvex {

class OffenerContest;
class Prompter;

// frmLocatorText: the large squares as text, 30 lines of 18 cells of five
// characters: the square's name in black, or its valid contacts right-aligned
// in four characters, yellow (14), the own square dark red (4).
class LocatorTextModel : public QObject {
    Q_OBJECT
public:
    static constexpr int kSchwarz = 0, kDunkelrot = 4, kGelb = 14;

    struct Zelle {
        QString text; // five characters, the blank after the cell included
        int farbe = kSchwarz;
        friend bool operator==(const Zelle&, const Zelle&) = default;
    };

    LocatorTextModel(OffenerContest& contest, Prompter& prompter, QObject* parent = nullptr);

    Großfeldraster& gitter() { return gitter_; }

    // Every activation: Erzeugen, Belegen, zeigen.
    void aktivieren();
    void Erzeugen();
    void suchen(const QString& text);
    void Belegen();
    void zeigen();

    const QList<QList<Zelle>>& zeilen() const { return zeilen_; }
    // The map as plain text, one line per row of squares.
    QStringList text() const;

signals:
    void changed();

private:
    OffenerContest& contest_;
    Prompter& prompter_;
    Großfeldraster gitter_ { 17 };
    QList<QList<Zelle>> zeilen_;
};

} // namespace tarvex
