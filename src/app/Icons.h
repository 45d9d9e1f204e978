#pragma once
#include <QIcon>
#include <QPixmap>

namespace tarvex {

// The toolbar's icon for a button key ("Neu", "Öffnen", …).
QIcon toolbarIcon(const QString& key);

} // namespace tarvex
