#pragma once
#include "Grossfeldraster.h"
#include "Kartenzeichnung.h"

#include <QObject>
#include <QPoint>

namespace tarvex {

class OffenerContest;
class Prompter;

// frmKarte: the graphic map of the current band. Three views drawn over the
// background picture: the valid contacts per large square, the own location
// with the station being entered (KarteZeigen) and lines to the logged
// contacts (QSOKarte). Reads the logging model; writes nothing but TMP.
class KarteModel : public QObject {
    Q_OBJECT
public:
    // Colours of the 16-colour table used here.
    static constexpr int kMagenta = 5, kHellcyan = 11, kGelb = 14, kWeiß = 15;
    // Twips across and down the background picture; 15 twips per pixel.
    static constexpr int kBreite = 9600, kHöhe = 7200, kTwipsProPixel = 15;

    KarteModel(OffenerContest& contest, Prompter& prompter, QObject* parent = nullptr);

    Großfeldraster& gitter() { return gitter_; }
    const Kartenzeichnung& zeichnung() const { return zeichnung_; }

    // The square view's procedures.
    void Erzeugen();
    void suchen(const QString& text);
    void Belegen();
    void zeigen();

    // The logging window's views: they add to the drawing without clearing it.
    void KarteZeigen();
    void QSOKarte();

    // Buttons: "Q&TH", "Q&SOs", "&Großfelder" (Enter), "&zurück" (Esc).
    void qth();
    void qsos();
    void großfelder();
    void zurück();

    // File name offered when the map is saved: "Karte_144MHz.png".
    QString dateiVorschlag() const;

    // Hover text for a pixel of the picture: the square's name and its valid
    // contacts on the band; empty off the grid.
    QString hinweis(QPoint pixel);

signals:
    void changed();
    // The map window is to be shown (every view shows it first).
    void showRequested();
    // "&zurück": back to the logging window, the map goes away.
    void backRequested();

private:
    QString eigenerSquare() const;

    OffenerContest& contest_;
    Prompter& prompter_;
    Großfeldraster gitter_ { 19 };
    Kartenzeichnung zeichnung_;
    // Counts for the hover text, read once per view.
    Großfeldraster hinweisGitter_ { 19 };
    bool hinweisGezählt_ = false;
};

} // namespace tarvex
