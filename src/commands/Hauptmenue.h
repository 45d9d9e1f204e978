#pragma once
#include <QKeySequence>
#include <QString>
#include <vector>

class QMenuBar;

namespace tarvex {

enum class Befehl : int; // Befehl.h
class Befehle;

// The main frame's menus in one table: captions, order, separators, submenus
// and keys. Building them creates every command's action in the registry,
// disabled until the window that offers the command wires it with
// Befehle::ausführen; a window never builds menus of its own.
class Hauptmenü {
public:
    struct Zeile {
        enum class Art {
            Menü, // a menu of the bar; name is its object name
            Untermenü, // opens a submenu, closed by UntermenüEnde
            UntermenüEnde,
            Befehl,
            Auswahl, // a checkable command; the consecutive ones of a submenu exclude each other
            Trenner,
        };
        Art art;
        QString text;
        tarvex::Befehl befehl {};
        QKeySequence taste {};
        QString name {};
    };

    static const std::vector<Zeile>& zeilen();
    static void bauen(QMenuBar* bar, Befehle& befehle);
};

} // namespace tarvex
