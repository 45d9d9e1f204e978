#include "JournalLine.h"

namespace tarvex {

using namespace Qt::StringLiterals;

// Both run once per contact in every output: no string in between.
QString rechtsbündig(const QString& wert, qsizetype breite)
{
    return wert.size() >= breite ? wert.right(breite) : QString(breite - wert.size(), u' ') + wert;
}

QString linksbündig(const QString& wert, qsizetype breite)
{
    return wert.size() >= breite ? wert.left(breite) : wert + QString(breite - wert.size(), u' ');
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
