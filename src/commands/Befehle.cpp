#include "Befehle.h"
#include "Befehl.h"

#include <QAction>
#include <stdexcept>

namespace tarvex {

Befehle::Befehle(QObject* parent)
    : QObject(parent)
{
}

QAction& Befehle::anlegen(Befehl befehl, const QString& text, const QKeySequence& taste)
{
    if (aktionen_.contains(befehl))
        throw std::logic_error("command registered twice: " + std::to_string(static_cast<int>(befehl)));
    auto* action = new QAction(text, this);
    if (!taste.isEmpty())
        action->setShortcut(taste);
    aktionen_.insert(befehl, action);
    return *action;
}

QAction& Befehle::operator[](Befehl befehl) const
{
    QAction* action = aktionen_.value(befehl);
    if (action == nullptr)
        throw std::logic_error("command not registered: " + std::to_string(static_cast<int>(befehl)));
    return *action;
}

void Befehle::ausführen(Befehl befehl, QObject* ziel, std::function<void()> tun)
{
    QAction& action = (*this)[befehl];
    action.setEnabled(true);
    connect(&action, &QAction::triggered, ziel, std::move(tun));
}

} // namespace tarvex
