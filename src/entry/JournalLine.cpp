#include "JournalLine.h"

namespace tarvex {

using namespace Qt::StringLiterals;

QString rechtsbündig(const QString& wert, qsizetype breite)
{
    return QString(QString(breite, u' ') + wert).right(breite);
}

QString linksbündig(const QString& wert, qsizetype breite)
{
    return QString(wert + QString(breite, u' ')).left(breite);
}

QString journalZeile(const JournalDaten& d)
{
    QString gesendet = d.rstGeg + d.nummer;
    if (gesendet.size() >= 3)
        gesendet.insert(gesendet.size() - 3, u' ');
    QString empfangen = d.rstErh;
    if (empfangen.size() == 5)
        empfangen.insert(2, u' ');

    return u"   "_s + d.datum + u' ' + d.uhrzeit + u"  "_s + linksbündig(d.call, 14)
        + QString(u' ' + gesendet).right(7) + QString(u"  "_s + empfangen).right(8) + u"  "_s + d.locator
        + rechtsbündig(d.punkte, 7) + u" - "_s + d.band;
}

} // namespace tarvex
