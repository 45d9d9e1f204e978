#include "Bildspeichern.h"

#include "common/GanzeDatei.h"
#include "common/Prompter.h"

#include <QBuffer>
#include <QImage>

namespace tarvex {

bool pngSpeichern(const QImage& bild, const QString& pfad, const QString& was, Prompter& prompter)
{
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "PNG"))
        png.clear();
    if (const std::optional<QString> meldung = ganzSpeichern(pfad, png, was)) {
        prompter.zeige(fehlerMeldung(*meldung));
        return false;
    }
    return true;
}

} // namespace tarvex
