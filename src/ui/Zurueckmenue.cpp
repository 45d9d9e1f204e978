#include "Zurueckmenue.h"

#include <QMenu>
#include <QMenuBar>

namespace tarvex {

using namespace Qt::StringLiterals;

Zurückmenü zurückMenü(QMenuBar* leiste, const QString& zurückName, const QString& dateiName)
{
    QMenu* datei = leiste->addMenu(u"&Datei"_s);
    if (!dateiName.isEmpty())
        datei->setObjectName(dateiName);
    QAction* zurück = datei->addAction(u"&zurück"_s);
    zurück->setObjectName(zurückName);
    return { datei, zurück };
}

} // namespace tarvex
