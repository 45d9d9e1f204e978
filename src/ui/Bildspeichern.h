#pragma once
#include <QString>

class QImage;

namespace tarvex {

class Prompter;

// The picture as PNG at pfad, replaced as a whole; on failure the operator is
// told why and false returned. was starts the message ("Die Karte").
bool pngSpeichern(const QImage& bild, const QString& pfad, const QString& was, Prompter& prompter);

} // namespace tarvex
