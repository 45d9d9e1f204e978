#include "AdifDatei.h"

#include "ExpDatei.h"

#include <QLocale>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

QString tag(const QString& name, const QString& wert)
{
    return u'<' + name + u':' + QString::number(wert.size()) + u'>' + wert;
}

// A field whose length the format fixes. A shorter value is padded with blanks:
// a reader takes exactly that many characters and would otherwise swallow the
// beginning of the next field.
QString fest(const QString& wert, int länge)
{
    return wert.left(länge).leftJustified(länge, u' ');
}

// "dd.mm.yy" → "yyyymmdd".
QString datum(const QString& d)
{
    if (d.size() < 8)
        return fest(d, 8);
    return QString::number(ExpDatei::jahr(d.mid(6, 2).toInt())) + d.mid(3, 2) + d.left(2);
}

} // namespace

QString AdifDatei::dateiname(const QString& expName)
{
    return expName.chopped(3) + u"adi"_s;
}

QStringList AdifDatei::kopf(const QDateTime& jetzt)
{
    const QLocale locale;
    return {
        u"This data was exported using QQ9QQ Tarvex V3.0"_s,
        u"Logs generated on "_s + locale.toString(jetzt.date(), QLocale::ShortFormat)
            + locale.toString(jetzt.time(), QLocale::ShortFormat),
        u"Tarvex V3.0 (c) %1 Tarvex-Projekt"_s.arg(jetzt.date().year()),
        u"Support: Anleitung im Programm (Hilfe, Anleitung)"_s,
        u"Support per Packet-Radio: keiner"_s,
        u"Homepage: siehe README des Tarvex-Projekts"_s,
        u"<eoh>"_s,
    };
}

QString AdifDatei::bandFeld(const QString& band)
{
    static const std::pair<const char16_t*, const char16_t*> kBänder[] = {
        { u"50MHz", u"6m" },
        { u"144MHz", u"2m" },
        { u"432MHz", u"70cm" },
        { u"1296MHz", u"23cm" },
        { u"2320MHz", u"13cm" },
        { u"3400MHz", u"9cm" },
        { u"5760MHz", u"6cm" },
        { u"10368MHz", u"3cm" },
        { u"24192MHz", u"1.25cm" },
        { u"47088MHz", u"6mm" },
        { u"76032MHz", u"4mm" },
    };
    for (const auto& [tabelle, adif] : kBänder) {
        if (band == QStringView(tabelle))
            return tag(u"BAND"_s, QString::fromUtf16(adif));
    }
    return {};
}

QString AdifDatei::satz(const QsoRecord& q, const QString& band)
{
    const bool cw = q.rstGeg.size() >= 6 && q.rstErh.size() >= 6;
    const int rst = cw ? 3 : 2;
    const QString freq = band.chopped(3);
    return tag(u"call"_s, q.rufzeichen) + u"<qso_date:8:d>"_s + datum(q.datum) + u"<time_on:4>"_s
        + fest(q.zeit.left(2) + q.zeit.mid(3, 2), 4) + (cw ? u"<mode:2>CW"_s : u"<mode:3>SSB"_s)
        + u"<RST_RCVD:%1>"_s.arg(rst) + fest(q.rstErh, rst) + u"<RST_SENT:%1>"_s.arg(rst)
        + fest(q.rstGeg, rst) + u"<GRIDSQUARE:6>"_s + fest(q.locator, 6) + u"<STX:3>"_s
        + fest(q.rstGeg.right(3), 3) + u"<SRX:3>"_s + fest(q.rstErh.right(3), 3) + tag(u"FREQ"_s, freq)
        + bandFeld(band) + u"<eor>"_s;
}

} // namespace tarvex
