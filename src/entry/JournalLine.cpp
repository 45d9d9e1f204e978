#include "JournalLine.h"

namespace tarvex {

using namespace Qt::StringLiterals;

// Both run once per contact in every output: no string in between.
void rechtsbündigAnhängen(QString& aus, QStringView wert, qsizetype breite)
{
    if (wert.size() >= breite) {
        aus += wert.right(breite);
        return;
    }
    aus.resize(aus.size() + breite - wert.size(), u' ');
    aus += wert;
}

void linksbündigAnhängen(QString& aus, QStringView wert, qsizetype breite)
{
    aus += wert.left(breite);
    if (wert.size() < breite)
        aus.resize(aus.size() + breite - wert.size(), u' ');
}

QString rechtsbündig(const QString& wert, qsizetype breite)
{
    if (wert.size() >= breite)
        return wert.right(breite);
    QString aus;
    rechtsbündigAnhängen(aus, wert, breite);
    return aus;
}

QString linksbündig(const QString& wert, qsizetype breite)
{
    if (wert.size() >= breite)
        return wert.left(breite);
    QString aus;
    linksbündigAnhängen(aus, wert, breite);
    return aus;
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
