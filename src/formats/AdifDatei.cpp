#include "AdifDatei.h"

#include "ExpDatei.h"
#include "common/UserError.h"

#include <QLocale>
#include <QRegularExpression>

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

void festAnhängen(QString& aus, QStringView wert, qsizetype länge)
{
    const QStringView teil = wert.left(länge);
    aus += teil;
    for (qsizetype i = teil.size(); i < länge; ++i)
        aus += u' ';
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
    const QStringView freq = QStringView(band).chopped(3);
    // Appended in place: one record per contact of the band.
    QString s;
    s.reserve(200);
    s += u"<call:"_s + QString::number(q.rufzeichen.size()) + u'>' + q.rufzeichen;
    s += u"<qso_date:8:d>"_s + datum(q.datum) + u"<time_on:4>"_s;
    const QStringView zeit(q.zeit);
    festAnhängen(s, QString(zeit.left(2) + zeit.mid(3, 2)), 4);
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
    s += u"<FREQ:"_s + QString::number(freq.size()) + u'>' + freq;
    s += bandFeld(band) + u"<eor>"_s;
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
