#pragma once
#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <functional>

class QAction;

namespace tarvex {

enum class Befehl : int; // Befehl.h

// The program's one registry of commands, owned by the main frame. Menus and the
// toolbar show the same QAction; asking for a command nobody registered is a
// programming error and throws, so a dead menu entry cannot go unnoticed.
class Befehle : public QObject {
    Q_OBJECT
public:
    explicit Befehle(QObject* parent = nullptr);

    // Creates the action of a command; a second registration throws.
    QAction& anlegen(Befehl befehl, const QString& text, const QKeySequence& taste = {});
    QAction& operator[](Befehl befehl) const;
    bool angelegt(Befehl befehl) const { return aktionen_.contains(befehl); }

    // Enables the command and runs tun on every trigger, for as long as ziel lives.
    void ausführen(Befehl befehl, QObject* ziel, std::function<void()> tun);

private:
    QHash<Befehl, QAction*> aktionen_;
};

} // namespace tarvex
