#pragma once
#include <QList>
#include <QPoint>
#include <QString>

namespace tarvex {

// What is drawn on the graphic map over its background picture, in drawing order:
// texts (top-left corner at the point), lines and circles, in twips from the
// picture's top-left corner, colours as indexes of the 16-colour table. The
// widget repaints from it, so covering the window loses nothing.
class Kartenzeichnung {
public:
    struct Element {
        enum class Art { Text, Linie, Kreis };
        Art art = Art::Text;
        QPoint a; // text position, line start, circle centre
        QPoint b; // line end
        int radius = 0; // twips
        QString text;
        int farbe = 0;
        friend bool operator==(const Element&, const Element&) = default;
    };

    void löschen()
    {
        elemente_.clear();
        ++stand_;
    }
    // Room for that many more elements: a contest's lines are added without regrowing.
    void reservieren(qsizetype anzahl) { elemente_.reserve(elemente_.size() + anzahl); }
    void text(QPoint p, const QString& text, int farbe)
    {
        elemente_.append({ Element::Art::Text, p, {}, 0, text, farbe });
        ++stand_;
    }
    void linie(QPoint von, QPoint bis, int farbe)
    {
        elemente_.append({ Element::Art::Linie, von, bis, 0, {}, farbe });
        ++stand_;
    }
    void kreis(QPoint mitte, int radius, int farbe)
    {
        elemente_.append({ Element::Art::Kreis, mitte, {}, radius, {}, farbe });
        ++stand_;
    }

    const QList<Element>& elemente() const { return elemente_; }
    // Grows with every change: a cached rendering is stale when it differs.
    quint64 stand() const { return stand_; }

private:
    QList<Element> elemente_;
    quint64 stand_ = 0;
};

} // namespace tarvex
