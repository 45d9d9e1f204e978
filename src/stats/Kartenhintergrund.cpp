#include "Kartenhintergrund.h"

// The resource lives in a static library: without this call the linker may drop it.
static void ressourceAnmelden()
{
    Q_INIT_RESOURCE(karte);
}

namespace tarvex {

using namespace Qt::StringLiterals;

QString Kartenhintergrund::ressource()
{
    static const bool angemeldet = (ressourceAnmelden(), true);
    Q_UNUSED(angemeldet);
    return u":/karte/kartenhintergrund.png"_s;
}

QImage Kartenhintergrund::bild()
{
    return QImage(ressource());
}

} // namespace tarvex
