#pragma once
#include <QString>

namespace tarvex {

// fsync of a directory, so that a file created or removed in it stays so after a power cut.
bool verzeichnisSichern(const QString& verzeichnis);

} // namespace tarvex
