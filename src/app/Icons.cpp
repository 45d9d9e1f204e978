#include "Icons.h"

#include <QApplication>
#include <QStyle>

namespace tarvex {

QIcon toolbarIcon(const QString& key)
{
    const struct {
        const char16_t* key;
        QStyle::StandardPixmap pixmap;
    } icons[] = {
        {u"Eingaben", QStyle::SP_FileDialogDetailedView}, {u"Neu", QStyle::SP_FileIcon},
        {u"Öffnen", QStyle::SP_DialogOpenButton},         {u"Löschen", QStyle::SP_TrashIcon},
        {u"Drucken", QStyle::SP_FileDialogContentsView},  {u"QSL", QStyle::SP_FileDialogInfoView},
        {u"Statistiken", QStyle::SP_FileDialogListView},  {u"Tabellen", QStyle::SP_FileDialogDetailedView},
        {u"Karte", QStyle::SP_DriveNetIcon},              {u"Bandwahl", QStyle::SP_ArrowRight},
    };
    for (const auto& i : icons) {
        if (key == QStringView(i.key))
            return QApplication::style()->standardIcon(i.pixmap);
    }
    return {};
}

} // namespace tarvex
