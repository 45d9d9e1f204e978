#include "Bilder.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

// The resource lives in a static library: without this call the linker may drop it.
static void bilderAnmelden()
{
    Q_INIT_RESOURCE(bilder);
}

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

struct Symbol {
    QString key;
    QString datei;
};

const QList<Symbol>& symbole()
{
    static const bool angemeldet = (bilderAnmelden(), true);
    Q_UNUSED(angemeldet);
    static const QList<Symbol> liste = {
        { u"Eingaben"_s, u"eingaben"_s },
        { u"Neu"_s, u"neu"_s },
        { u"Öffnen"_s, u"oeffnen"_s },
        { u"Löschen"_s, u"loeschen"_s },
        { u"Drucken"_s, u"drucken"_s },
        { u"QSL"_s, u"qsl"_s },
        { u"Statistiken"_s, u"statistiken"_s },
        { u"Tabellen"_s, u"tabellen"_s },
        { u"Karte"_s, u"karte"_s },
        { u"Bandwahl"_s, u"bandwahl"_s },
        { u"Antenne"_s, u"antenne"_s },
        { u"Chat"_s, u"chat"_s },
    };
    return liste;
}

QPixmap zeichne(QSvgRenderer& renderer, QSize größe, qreal dpr)
{
    QPixmap pixmap(größe * dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

qreal bildschirmDpr()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

QStringList toolbarSchlüssel()
{
    QStringList keys;
    for (const Symbol& s : symbole())
        keys.append(s.key);
    return keys;
}

QIcon toolbarIcon(const QString& key)
{
    for (const Symbol& s : symbole()) {
        if (s.key != key)
            continue;
        QSvgRenderer renderer(u":/bilder/"_s + s.datei + u".svg"_s);
        if (!renderer.isValid())
            return {};
        // The sizes toolbars and menus ask for; QIcon scales from the nearest.
        QIcon icon;
        for (const int seite : { 16, 22, 24, 32, 48, 64 })
            icon.addPixmap(zeichne(renderer, { seite, seite }, 1.0));
        return icon;
    }
    return {};
}

QPixmap startbild()
{
    symbole();
    QSvgRenderer renderer(u":/bilder/start.svg"_s);
    if (!renderer.isValid())
        return {};
    return zeichne(renderer, { 480, 300 }, bildschirmDpr());
}

} // namespace tarvex
