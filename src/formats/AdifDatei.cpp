#include "AdifDatei.h"

#include "ExpDatei.h"
#include "common/UserError.h"

#include <QLocale>
#include <QRegularExpression>
#include <iterator>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

// A field whose length the format fixes. A shorter value is padded with blanks:
// a reader takes exactly that many characters and would otherwise swallow the
// beginning of the next field.
void festAnhängen(QString& aus, QStringView wert, qsizetype länge)
{
    const QStringView teil = wert.left(länge);
    aus += teil;
    for (qsizetype i = teil.size(); i < länge; ++i)
        aus += u' ';
}

void zahlAnhängen(QString& aus, qsizetype n)
{
    char16_t ziffern[20];
    std::size_t i = std::size(ziffern);
    do {
        ziffern[--i] = static_cast<char16_t>(u'0' + n % 10);
        n /= 10;
    } while (n > 0);
    aus += QStringView(ziffern + i, ziffern + std::size(ziffern));
}

void tagAnhängen(QString& aus, QStringView name, QStringView wert)
{
    aus += u'<';
    aus += name;
    aus += u':';
    zahlAnhängen(aus, wert.size());
    aus += u'>';
    aus += wert;
}

// "dd.mm.yy" → "yyyymmdd".
void datumAnhängen(QString& aus, QStringView d)
{
    if (d.size() < 8)
        return festAnhängen(aus, d, 8);
    zahlAnhängen(aus, ExpDatei::jahr(d.mid(6, 2).toInt()));
    aus += d.mid(3, 2);
    aus += d.left(2);
}

QStringView adifBand(QStringView band)
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
            return adif;
    }
    return {};
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
    QString s;
    if (const QStringView adif = adifBand(band); !adif.isNull())
        tagAnhängen(s, u"BAND", adif);
    return s;
}

QString AdifDatei::satz(const QsoRecord& q, const QString& band)
{
    const bool cw = q.rstGeg.size() >= 6 && q.rstErh.size() >= 6;
    const int rst = cw ? 3 : 2;
    const QStringView freq = QStringView(band).chopped(3);
    // Appended in place: one record per contact of the band.
    QString s;
    s.reserve(200);
    tagAnhängen(s, u"call", q.rufzeichen);
    s += u"<qso_date:8:d>";
    datumAnhängen(s, q.datum);
    s += u"<time_on:4>";
    // "hh:mm" → "hhmm", padded like any fixed field.
    const QStringView zeit(q.zeit);
    const qsizetype vorher = s.size();
    s += zeit.left(2);
    s += zeit.mid(3, 2);
    festAnhängen(s, {}, 4 - (s.size() - vorher));
    s += cw ? u"<mode:2>CW<RST_RCVD:3>"_s : u"<mode:3>SSB<RST_RCVD:2>"_s;
    festAnhängen(s, q.rstErh, rst);
    s += cw ? u"<RST_SENT:3>"_s : u"<RST_SENT:2>"_s;
    festAnhängen(s, q.rstGeg, rst);
    s += u"<GRIDSQUARE:6>"_s;
    festAnhängen(s, q.locator, 6);
    s += u"<STX:3>"_s;
    festAnhängen(s, QStringView(q.rstGeg).right(3), 3);
    s += u"<SRX:3>"_s;
    festAnhängen(s, QStringView(q.rstErh).right(3), 3);
    tagAnhängen(s, u"FREQ", freq);
    if (const QStringView adif = adifBand(band); !adif.isNull())
        tagAnhängen(s, u"BAND", adif);
    s += u"<eor>";
    return s;
}

QList<AdifDatei::Satz> AdifDatei::lesen(const QString& text)
{
    QList<Satz> sätze;
    qsizetype i = 0;
    // A file that does not begin with a tag has a header up to <EOH>.
    if (!text.trimmed().startsWith(u'<')) {
        static const QRegularExpression eoh(u"<eoh>"_s, QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = eoh.match(text);
        if (!m.hasMatch())
            throw UserError(u"das Ende des Kopfes <EOH> fehlt"_s);
        i = m.capturedEnd();
    }
    Satz satz;
    while (true) {
        const qsizetype auf = text.indexOf(u'<', i);
        if (auf < 0)
            break;
        const qsizetype zu = text.indexOf(u'>', auf);
        if (zu < 0)
            throw UserError(u"ein Feld bei Zeichen %1 wird nicht geschlossen"_s.arg(auf + 1));
        const QStringList teile = text.mid(auf + 1, zu - auf - 1).split(u':');
        const QString name = teile[0].trimmed().toUpper();
        if (teile.size() == 1) {
            if (name == u"EOR"_s) {
                if (!satz.isEmpty())
                    sätze.append(satz);
                satz.clear();
            } else if (name != u"EOH"_s) {
                throw UserError(u"das Feld <%1> hat keine Länge"_s.arg(teile[0]));
            }
            i = zu + 1;
            continue;
        }
        bool ok = false;
        const qsizetype länge = teile[1].trimmed().toLongLong(&ok);
        if (!ok || länge < 0)
            throw UserError(u"das Feld <%1> hat keine gültige Länge"_s.arg(teile.join(u':')));
        // Compared without adding: a length near the integer range must not overflow.
        if (länge > text.size() - (zu + 1))
            throw UserError(u"das Feld <%1> reicht über das Dateiende hinaus"_s.arg(teile.join(u':')));
        satz.insert(name, text.mid(zu + 1, länge));
        i = zu + 1 + länge;
    }
    if (!satz.isEmpty())
        throw UserError(u"der letzte Datensatz endet nicht mit <EOR>"_s);
    return sätze;
}

} // namespace tarvex
