#include "Stationsliste.h"

#include "entry/Klasse.h"
#include "entry/StationsEintrag.h"

#include <QHash>
#include <QRegularExpression>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

qsizetype kommentarAnfang(const QString& zeile)
{
    const qsizetype raute = zeile.indexOf(u'#');
    const qsizetype striche = zeile.indexOf(u"//"_s);
    if (raute < 0)
        return striche;
    if (striche < 0)
        return raute;
    return std::min(raute, striche);
}

} // namespace

Stationsliste Stationsliste::lesen(const QString& text)
{
    static const QRegularExpression trenner(u"[,;\\s]+"_s);
    Stationsliste liste;
    QHash<QString, qsizetype> index;
    const QStringList zeilen = text.split(u'\n');
    for (qsizetype nr = 0; nr < zeilen.size(); ++nr) {
        QString zeile = zeilen[nr];
        if (const qsizetype k = kommentarAnfang(zeile); k >= 0)
            zeile.truncate(k);
        const QStringList felder = zeile.toUpper().split(trenner, Qt::SkipEmptyParts);
        if (felder.isEmpty())
            continue;
        const auto überspringen = [&](const QString& grund) {
            liste.übersprungen.append({ static_cast<int>(nr + 1), zeilen[nr].trimmed(), grund });
        };
        if (!istRufzeichen(felder[0])) {
            überspringen(u"kein Rufzeichen am Zeilenanfang"_s);
            continue;
        }
        QStringList locators;
        for (qsizetype i = 1; i < felder.size(); ++i) {
            if (sechsstelligerLocator(felder[i]) && !locators.contains(felder[i]))
                locators.append(felder[i]);
        }
        if (locators.isEmpty()) {
            überspringen(u"kein sechsstelliger Locator"_s);
            continue;
        }
        const auto it = index.constFind(felder[0]);
        if (it == index.cend()) {
            index.insert(felder[0], liste.stationen.size());
            liste.stationen.append({ felder[0], locators });
        } else {
            for (const QString& loc : locators) {
                if (!liste.stationen[*it].locators.contains(loc))
                    liste.stationen[*it].locators.append(loc);
            }
        }
    }
    return liste;
}

} // namespace tarvex
