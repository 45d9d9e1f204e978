#include "Score.h"

#include "store/ContestDatabase.h"

#include <cmath>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {
QString text(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}
} // namespace

QString laufendeNummer(qint64 n)
{
    return n < 1000 ? u"%1"_s.arg(n, 3, 10, QChar(u'0')) : QString::number(n);
}

Spielstand Punkte(ContestDatabase& db, const QString& band)
{
    Connection& c = db.connection();
    const QString table = quoteIdentifier(band);
    Spielstand s;

    const Rows totals = c.select(u"SELECT count(Nummer),Sum(val(Punkte)),Max(val(Punkte)) FROM "_s + table
                                 + u" WHERE Punkte<>'-----'"_s);
    const QVariantList row = totals.zeilen.value(0);
    s.gültige = row.value(0).toInt();
    const QVariant summe = row.value(1);
    const QVariant maximum = row.value(2);

    QString call;
    if (maximum.toDouble() > 0) {
        call = text(c.scalar(u"SELECT Rufzeichen FROM "_s + table + u" WHERE Punkte=? ORDER BY rowid LIMIT 1"_s,
                             {maximum.toString()}));
    }
    s.txtPunkte = text(summe);
    if (s.gültige > 0)
        s.txtDurchschnitt = QString::number(static_cast<qint64>(std::round(summe.toDouble() / s.gültige)));
    s.txtODX = text(maximum);
    s.lblODXCall = u"( "_s + call + u')';

    const qint64 anzahl = c.scalar(u"SELECT count(*) FROM "_s + table).toLongLong();
    s.txtNummer = laufendeNummer(anzahl + 1);

    s.Länder = c.scalar(u"SELECT count(*) FROM (SELECT DISTINCT Land FROM "_s + table + u" WHERE Land<>' ')"_s)
                   .toInt();
    s.GroßFelder =
        c.scalar(u"SELECT count(*) FROM (SELECT DISTINCT Square FROM "_s + table + u" WHERE Square<>' ')"_s)
            .toInt();
    s.txtLänder = QString::number(s.Länder);
    s.txtGroßfelder = QString::number(s.GroßFelder);
    return s;
}

} // namespace tarvex
