#include "StationsImport.h"

#include "common/UserError.h"

#include <QHash>
#include <QRegularExpression>
#include <SQLiteCpp/Transaction.h>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

const QRegularExpression& locatorMuster()
{
    static const QRegularExpression muster(u"^[A-R]{2}[0-9]{2}[A-X]{2}$"_s);
    return muster;
}

const QRegularExpression& callMuster()
{
    static const QRegularExpression muster(u"^[A-Z0-9/]{3,15}$"_s);
    return muster;
}

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

void ergänzen(QStringList& locators, const QStringList& neue)
{
    for (const QString& loc : neue) {
        if (!locators.contains(loc))
            locators.append(loc);
    }
}

} // namespace

StationsImport::Liste StationsImport::lesen(const QString& text)
{
    static const QRegularExpression trenner(u"[,;\\s]+"_s);
    Liste liste;
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
            liste.übersprungen.append({static_cast<int>(nr + 1), zeilen[nr].trimmed(), grund});
        };
        if (!callMuster().match(felder[0]).hasMatch()) {
            überspringen(u"kein Rufzeichen am Zeilenanfang"_s);
            continue;
        }
        QStringList locators;
        for (qsizetype i = 1; i < felder.size(); ++i) {
            if (locatorMuster().match(felder[i]).hasMatch() && !locators.contains(felder[i]))
                locators.append(felder[i]);
        }
        if (locators.isEmpty()) {
            überspringen(u"kein sechsstelliger Locator"_s);
            continue;
        }
        const auto it = index.constFind(felder[0]);
        if (it == index.cend()) {
            index.insert(felder[0], liste.stationen.size());
            liste.stationen.append({felder[0], locators});
        } else {
            ergänzen(liste.stationen[*it].locators, locators);
        }
    }
    return liste;
}

QStringList StationsImport::zerlegen(const QString& locators)
{
    // Whatever the separator, the n-th locator begins at character 7(n-1)+1.
    QStringList liste;
    for (qsizetype i = 0; i + 6 <= locators.size(); i += 7) {
        const QString loc = locators.mid(i, 6).toUpper();
        if (!liste.contains(loc))
            liste.append(loc);
    }
    return liste;
}

QString StationsImport::zusammensetzen(const QStringList& locators)
{
    return locators.join(u' ');
}

StationsImport::Ergebnis StationsImport::einfügen(Connection& contestDat, const QList<Station>& stationen)
{
    if (contestDat.scalar(u"SELECT name FROM sqlite_master WHERE type='table' AND name='STATIONS'"_s).isNull())
        throw UserError(u"%1 hat keine Tabelle STATIONS; ist das eine CONTEST.DAT?"_s.arg(contestDat.pfad()));
    Ergebnis ergebnis;
    contestDat.guarded([&] {
        SQLite::Transaction transaktion(contestDat.db());
        for (const Station& station : stationen) {
            const Rows zeilen = contestDat.select(
                u"SELECT rowid, LOCATORS FROM STATIONS WHERE CALL=? ORDER BY rowid"_s, {station.call});
            if (zeilen.zeilen.isEmpty()) {
                contestDat.execute(u"INSERT INTO STATIONS(CALL, LOCATORS) VALUES(?, ?)"_s,
                                   {station.call, zusammensetzen(station.locators)});
                ++ergebnis.neueStationen;
                ergebnis.neueLocatoren += static_cast<int>(station.locators.size());
                continue;
            }
            // Several rows of one call (from older lists) become one.
            QStringList vorher;
            for (const QVariantList& zeile : zeilen.zeilen)
                ergänzen(vorher, zerlegen(zeile.value(1).toString()));
            QStringList nachher = vorher;
            ergänzen(nachher, station.locators);
            const qint64 erste = zeilen.zeilen.first().value(0).toLongLong();
            const QString text = zusammensetzen(nachher);
            if (zeilen.zeilen.size() > 1 || text != zeilen.zeilen.first().value(1).toString()) {
                contestDat.execute(u"UPDATE STATIONS SET LOCATORS=? WHERE rowid=?"_s, {text, erste});
                contestDat.execute(u"DELETE FROM STATIONS WHERE CALL=? AND rowid<>?"_s, {station.call, erste});
            }
            if (nachher.size() > vorher.size()) {
                ++ergebnis.ergänzteStationen;
                ergebnis.neueLocatoren += static_cast<int>(nachher.size() - vorher.size());
            }
        }
        transaktion.commit();
    });
    return ergebnis;
}

} // namespace tarvex
