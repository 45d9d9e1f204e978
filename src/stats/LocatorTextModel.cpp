#include "LocatorTextModel.h"

#include "common/Prompter.h"
#include "common/UserError.h"
#include "contest/OffenerContest.h"
#include "entry/JournalLine.h"
#include "store/ContestDatabase.h"

namespace tarvex {

using namespace Qt::StringLiterals;

LocatorTextModel::LocatorTextModel(OffenerContest& contest, Prompter& prompter, QObject* parent)
    : QObject(parent)
    , contest_(contest)
    , prompter_(prompter)
{
}

void LocatorTextModel::aktivieren()
{
    Erzeugen();
    Belegen();
    zeigen();
}

void LocatorTextModel::Erzeugen()
{
    gitter_.Erzeugen();
}

void LocatorTextModel::suchen(const QString& text)
{
    gitter_.suchen(text);
}

void LocatorTextModel::Belegen()
{
    ContestDatabase* db = contest_.db();
    if (!db)
        return;
    try {
        db->tmpLeeren();
    } catch (const UserError& e) {
        prompter_.zeige(fehlerMeldung(e.meldung()));
    }
    gitter_.Belegen(contest_.gruppen(Gruppierung::Square), contest_.felder().lblLocator.left(4));
}

void LocatorTextModel::zeigen()
{
    zeilen_.clear();
    for (int r = Großfeldraster::kErsteZeile; r <= Großfeldraster::kLetzteZeile; ++r) {
        QList<Zelle> zeile;
        for (int c = 0; c <= gitter_.letzteSpalte(); ++c) {
            const QString& inhalt = gitter_.zelle(r, c);
            bool zahl = false;
            const int n = inhalt.toInt(&zahl);
            if (!zahl)
                zeile.append({ inhalt + u' ', kSchwarz });
            else if (n > 0)
                zeile.append({ rechtsbündig(QString::number(n), 4) + u' ', kGelb });
            else
                zeile.append({ rechtsbündig(QString::number(-n), 4) + u' ', kDunkelrot });
        }
        zeilen_.append(zeile);
    }
    emit changed();
}

QStringList LocatorTextModel::text() const
{
    QStringList result;
    for (const QList<Zelle>& zeile : zeilen_) {
        QString s;
        for (const Zelle& z : zeile)
            s += z.text;
        result.append(s);
    }
    return result;
}

} // namespace tarvex
