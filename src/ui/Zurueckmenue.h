#pragma once
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace tarvex {

// "&Datei" with "&zurück" as its last entry, the way out of every window the
// main frame swaps in. A window that offers more in the file menu inserts it
// before zurück.
struct Zurückmenü {
    QMenu* datei;
    QAction* zurück;
};

// The menu gets dateiName as object name when one is given; the action always
// gets zurückName, which tests and automation look it up by.
Zurückmenü zurückMenü(QMenuBar* leiste, const QString& zurückName, const QString& dateiName = {});

} // namespace tarvex
