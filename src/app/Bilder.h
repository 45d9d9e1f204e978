#pragma once
#include <QIcon>
#include <QPixmap>
#include <QStringList>

namespace tarvex {

// Our own drawings, compiled in as SVG and rendered sharp at any size.

// The ten toolbar keys in toolbar order: "Eingaben", "Neu", ... "Bandwahl".
QStringList toolbarSchlüssel();
// The icon of a toolbar key; a null icon for a key we do not know.
QIcon toolbarIcon(const QString& key);
// The start window's picture, 480 x 300 logical pixels.
QPixmap startbild();

} // namespace tarvex
