#include "EdiLeser.h"

#include "common/TextFile.h"
#include "common/UserError.h"

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

constexpr int kQsoFelder = 15;

[[noreturn]] void fehler(qsizetype nr, const QString& was)
{
    throw UserError(u"EDI-Datei, Zeile %1: %2"_s.arg(nr + 1).arg(was));
}

} // namespace

EdiDatei EdiLeser::lesen(const QStringList& zeilen)
{
    EdiDatei datei;
    enum class Teil { Anfang, Kopf, Bemerkungen, Qsos, Ende } teil = Teil::Anfang;
    qsizetype erwartet = -1;
    for (qsizetype nr = 0; nr < zeilen.size(); ++nr) {
        const QString& zeile = zeilen[nr];
        if (teil == Teil::Anfang) {
            if (zeile.trimmed().isEmpty())
                continue;
            if (zeile.trimmed().compare(u"[REG1TEST;1]"_s, Qt::CaseInsensitive) != 0)
                fehler(nr, u"die Datei beginnt nicht mit [REG1TEST;1]"_s);
            teil = Teil::Kopf;
            continue;
        }
        if (zeile.startsWith(u'[')) {
            const QString abschnitt = zeile.trimmed();
            if (abschnitt.compare(u"[Remarks]"_s, Qt::CaseInsensitive) == 0 && teil == Teil::Kopf) {
                teil = Teil::Bemerkungen;
            } else if (abschnitt.startsWith(u"[QSORecords;"_s, Qt::CaseInsensitive)
                && abschnitt.endsWith(u']') && (teil == Teil::Kopf || teil == Teil::Bemerkungen)) {
                bool ok = false;
                erwartet = abschnitt.mid(12, abschnitt.size() - 13).toLongLong(&ok);
                if (!ok || erwartet < 0)
                    fehler(nr, u"die Anzahl der QSOs fehlt"_s);
                teil = Teil::Qsos;
            } else if (abschnitt.startsWith(u"[END"_s, Qt::CaseInsensitive) && teil == Teil::Qsos) {
                teil = Teil::Ende;
                break;
            } else {
                fehler(nr, u"unerwarteter Abschnitt %1"_s.arg(abschnitt));
            }
            continue;
        }
        switch (teil) {
        case Teil::Kopf: {
            if (zeile.trimmed().isEmpty())
                continue;
            const qsizetype gleich = zeile.indexOf(u'=');
            if (gleich <= 0)
                fehler(nr, u"Kopfzeile ohne \"=\""_s);
            datei.kopf.append({ zeile.left(gleich).trimmed(), zeile.mid(gleich + 1).trimmed() });
            break;
        }
        case Teil::Bemerkungen:
            datei.bemerkungen.append(zeile);
            break;
        case Teil::Qsos: {
            if (zeile.trimmed().isEmpty())
                continue;
            const QStringList f = zeile.split(u';');
            if (f.size() != kQsoFelder)
                fehler(nr, u"%1 statt %2 Felder"_s.arg(f.size()).arg(kQsoFelder));
            datei.qsos.append({ f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11],
                f[12], f[13], f[14] });
            break;
        }
        default:
            break;
        }
    }
    if (teil == Teil::Anfang)
        throw UserError(u"Die EDI-Datei ist leer."_s);
    if (teil != Teil::Ende)
        throw UserError(u"Der EDI-Datei fehlt die Zeile [END;…]."_s);
    if (datei.qsos.size() != erwartet)
        throw UserError(
            u"Die EDI-Datei kündigt %1 QSOs an und enthält %2."_s.arg(erwartet).arg(datei.qsos.size()));
    return datei;
}

EdiDatei EdiLeser::lesenDatei(const QString& pfad)
{
    return lesen(readTextLines(pfad));
}

} // namespace tarvex
