#include "EdiLeser.h"

#include "common/UserError.h"

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

constexpr int kQsoFelder = 15;
// Up to the locator: fewer leave nothing a record is read for.
constexpr int kMindestens = 10;

} // namespace

QList<EdiDatei> EdiLeser::lesen(const QString& text)
{
    if (!text.trimmed().startsWith(u"[REG1TEST"_s, Qt::CaseInsensitive))
        throw UserError(u"die erste Zeile ist nicht [REG1TEST;1]"_s);
    QList<EdiDatei> blöcke;
    enum class Teil { Kopf, Bemerkungen, Qsos, Anderes } teil = Teil::Anderes;
    bool qsoListe = false;
    const QStringList zeilen = text.split(u'\n');
    for (qsizetype nr = 0; nr < zeilen.size(); ++nr) {
        const QString zeile = zeilen[nr].trimmed();
        if (zeile.isEmpty())
            continue;
        if (zeile.startsWith(u'[')) {
            const QString abschnitt = zeile.mid(1).section(u';', 0, 0).section(u']', 0, 0).toUpper();
            if (abschnitt == u"REG1TEST"_s) {
                blöcke.append(EdiDatei {});
                teil = Teil::Kopf;
            } else if (abschnitt == u"REMARKS"_s) {
                teil = Teil::Bemerkungen;
            } else if (abschnitt == u"QSORECORDS"_s) {
                teil = Teil::Qsos;
                qsoListe = true;
            } else {
                teil = Teil::Anderes;
            }
            continue;
        }
        EdiDatei& block = blöcke.last();
        switch (teil) {
        case Teil::Kopf:
            block.kopf.append({ zeile.section(u'=', 0, 0).trimmed(), zeile.section(u'=', 1).trimmed() });
            break;
        case Teil::Bemerkungen:
            block.bemerkungen.append(zeile);
            break;
        case Teil::Qsos: {
            const QStringList f = zeile.split(u';');
            if (f.size() < kMindestens)
                throw UserError(u"Zeile %1 hat nur %2 Felder"_s.arg(nr + 1).arg(f.size()));
            QString w[kQsoFelder];
            for (int i = 0; i < kQsoFelder; ++i)
                w[i] = f.value(i).trimmed();
            block.qsos.append({ w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7], w[8], w[9], w[10], w[11],
                w[12], w[13], w[14] });
            break;
        }
        case Teil::Anderes:
            break;
        }
    }
    if (!qsoListe)
        throw UserError(u"der Abschnitt [QSORecords] fehlt"_s);
    return blöcke;
}

} // namespace tarvex
