#include "EdiSchreiber.h"
#include "OperatorenZeile.h"

#include "common/AtomicTextFile.h"
#include "common/Textmenge.h"
#include "common/UserError.h"
#include "common/Val.h"
#include "entry/CallSign.h"
#include "entry/Wertung.h"
#include "store/BandList.h"
#include "store/Gueltigkeit.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

bool ziffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int zweistellig(QStringView t, qsizetype i)
{
    return (t[i].unicode() - u'0') * 10 + (t[i + 1].unicode() - u'0');
}

// "dd.mm.yy" as stored; a two-digit year 00–29 is 20xx, 30–99 is 19xx.
QDate gespeichertesDatum(const QString& datum)
{
    const QStringView t = QStringView(datum).trimmed();
    if (t.size() != 8 || t[2] != u'.' || t[5] != u'.')
        return {};
    for (const qsizetype i : { 0, 1, 3, 4, 6, 7 }) {
        if (!ziffer(t[i]))
            return {};
    }
    const int jj = zweistellig(t, 6);
    return QDate(jj < 30 ? 2000 + jj : 1900 + jj, zweistellig(t, 3), zweistellig(t, 0));
}

QString ediDatum(const QString& datum)
{
    const QDate d = gespeichertesDatum(datum);
    return d.isValid() ? d.toString(u"yyMMdd"_s) : EdiSchreiber::ascii(datum);
}

QString ediZeit(const QString& zeit)
{
    return EdiSchreiber::ascii(QString(zeit).remove(u':'));
}

QString ganzzahl(double wert)
{
    return QString::number(static_cast<qint64>(std::llround(wert)));
}

// A CW report is three digits, a phone report two; the codes for the mixed
// directions keep what each side sent.
bool dreiZiffern(const QString& t)
{
    return t.size() == 3 && ziffer(t[0]) && ziffer(t[1]) && ziffer(t[2]);
}

QString modeCode(const QString& geg, const QString& erh)
{
    const bool cwGeg = dreiZiffern(geg);
    const bool cwErh = dreiZiffern(erh);
    if (cwGeg && cwErh)
        return u"2"_s;
    if (cwGeg)
        return u"4"_s;
    if (cwErh)
        return u"3"_s;
    return u"1"_s;
}

bool gültig(const QsoRecord& q)
{
    return istGültig(q.punkte);
}

WertungsZeile wertungsZeile(const QsoRecord& q, qint64 rowid)
{
    return { rowid, q.punkte, q.rufzeichen, q.land, q.square, q.zeit, q.locator };
}

QString kern(const QsoRecord& q)
{
    const QString k = q.kernCall.trimmed();
    return (k.isEmpty() ? Kern2(q.rufzeichen) : k).toUpper();
}

// Text that ascii() made: one byte per character.
void anhängen(QByteArray& aus, QStringView text)
{
    const qsizetype alt = aus.size();
    aus.resize(alt + text.size());
    char* p = aus.data() + alt;
    for (const QChar c : text)
        *p++ = static_cast<char>(c.unicode());
}

void zeileAnhängen(QByteArray& aus, QStringView zeile)
{
    while (zeile.endsWith(u' '))
        zeile.chop(1);
    anhängen(aus, zeile);
    aus.append("\r\n", 2);
}

} // namespace

QString EdiSchreiber::ascii(const QString& text)
{
    // Most texts are plain ASCII already: kept as they are, only trimmed.
    const bool schlicht = std::all_of(text.cbegin(), text.cend(),
        [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u';'; });
    if (schlicht)
        return text.trimmed();
    QString aus;
    aus.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'ä':
            aus += u"ae"_s;
            continue;
        case u'ö':
            aus += u"oe"_s;
            continue;
        case u'ü':
            aus += u"ue"_s;
            continue;
        case u'Ä':
            aus += u"Ae"_s;
            continue;
        case u'Ö':
            aus += u"Oe"_s;
            continue;
        case u'Ü':
            aus += u"Ue"_s;
            continue;
        case u'ß':
            aus += u"ss"_s;
            continue;
        case u';':
            aus += u',';
            continue;
        default:
            break;
        }
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            aus += u' ';
            continue;
        }
        if (c.unicode() < 0x80) {
            aus += c;
            continue;
        }
        // Accented letters keep their base letter; anything else becomes "?".
        const QString zerlegt = QString(c).normalized(QString::NormalizationForm_KD);
        QString basis;
        for (const QChar z : zerlegt) {
            if (z.unicode() >= 0x20 && z.unicode() < 0x7f && z != u';')
                basis += z;
        }
        aus += basis.isEmpty() ? u"?"_s : basis;
    }
    return aus.trimmed();
}

QString EdiSchreiber::bandName(const QString& band)
{
    const BandInfo* info = findeBand(band);
    return info ? info->anzeige : ascii(band);
}

EdiSchreiber::Rapport EdiSchreiber::teilen(const QString& gespeichert, qint64 laufendeNummer)
{
    const QString t = gespeichert.trimmed();
    qsizetype ziffern = 0;
    while (ziffern < t.size() && t[t.size() - 1 - ziffern].isDigit())
        ++ziffern;
    // Fewer than three trailing digits: no number, the text is the report.
    if (ziffern < 3 || t.size() <= 3)
        return { t.left(3), {} };
    qsizetype nummer = 3;
    const QString eigene
        = laufendeNummer >= 1000 && laufendeNummer <= 9999 ? QString::number(laufendeNummer) : QString();
    if (!eigene.isEmpty() && ziffern >= 4 && t.size() >= 6 && t.endsWith(eigene)) {
        nummer = eigene.size();
    } else if (ziffern == t.size()) {
        // All digits: 59+001, 599+001, 599+1001; six digits are a CW report and a
        // three-digit number unless that gives a tone 0 or number 000 (59+1000).
        if (t.size() == 7 || (t.size() == 6 && (t[2] == u'0' || t.endsWith(u"000"_s))))
            nummer = 4;
        else if (t.size() > 7)
            nummer = 4;
    } else if (ziffern >= 4 && t.size() - 3 > 3) {
        nummer = 4; // "59A1001"
    }
    // The report field holds three characters at most.
    const QString rapport = t.left(t.size() - nummer);
    return { rapport.left(3), t.right(nummer) };
}

QString EdiSchreiber::sektion(const QString& einmann, const QString& wertungsgruppe)
{
    // Only E and M are certain; anything else is written as typed.
    const QString e = ascii(einmann);
    QString art = e;
    if (e.compare(u"E"_s, Qt::CaseInsensitive) == 0)
        art = u"SINGLE"_s;
    else if (e.compare(u"M"_s, Qt::CaseInsensitive) == 0)
        art = u"MULTI"_s;
    return QString(art + u' ' + ascii(wertungsgruppe)).trimmed();
}

// What the records need of the contacts before them: the squares and countries
// counted so far (the running score's rule) for the "new" flags, the valid core
// calls for the duplicates.
struct EdiSchreiber::Aufbau::Stand {
    QSet<QString> länder, großfelder;
    Textmenge gültigeKerne;
    QDate erster, letzter;
    // Consecutive contacts share their date.
    QString datumText, ediDatum;
    QDate datum;
    // The earliest valid contact with the most points, for CODXC.
    double odxPunkte = -1;
    QString odxCall, odxLocator;
};

EdiSchreiber::Aufbau::Aufbau()
    : stand_(std::make_unique<Stand>())
{
}

EdiSchreiber::Aufbau::~Aufbau() = default;

void EdiSchreiber::Aufbau::reservieren(qsizetype anzahl)
{
    // A record is some 50 characters.
    sätze_.reserve(anzahl * 64);
    stand_->gültigeKerne.reservieren(anzahl);
}

void EdiSchreiber::Aufbau::hinzufügen(const QsoRecord& q)
{
    Stand& st = *stand_;
    const qsizetype i = anzahl_;
    if (i == 0)
        ersterDatum_ = q.datum;
    // Counted like the running score counts them, valid or not.
    const auto neu = [](QSet<QString>& gesehen, const QString& text) {
        const QString k = Wertung::zählSchlüssel(text);
        if (k.isEmpty() || gesehen.contains(k))
            return false;
        gesehen.insert(k);
        return true;
    };
    const bool neuesLand = neu(st.länder, q.land);
    const bool neuesGroßfeld = neu(st.großfelder, q.square);
    const bool ok = gültig(q);
    if (q.datum != st.datumText || i == 0) {
        st.datumText = q.datum;
        st.datum = gespeichertesDatum(q.datum);
        st.ediDatum = ediDatum(q.datum);
    }
    const Rapport geg = teilen(ascii(q.rstGeg), i + 1);
    const Rapport erh = teilen(ascii(q.rstErh));
    const QString k = kern(q);
    bool doppelt = false;
    if (ok)
        st.gültigeKerne.einfügen(k);
    else
        doppelt = st.gültigeKerne.enthält(k);
    // The fifteen fields; the exchange field stays empty.
    QByteArray& z = sätze_;
    const auto feld = [&z](QStringView text) {
        anhängen(z, text);
        z.append(';');
    };
    feld(st.ediDatum);
    feld(ediZeit(q.zeit));
    feld(ascii(q.rufzeichen));
    feld(modeCode(geg.rapport, erh.rapport));
    feld(geg.rapport);
    feld(geg.nummer);
    feld(erh.rapport);
    feld(erh.nummer);
    z.append(';');
    feld(ascii(q.locator));
    feld(ok ? ganzzahl(Val(q.punkte)) : u"0"_s);
    z.append(';');
    feld(ok && neuesGroßfeld ? u"N" : u"");
    feld(ok && neuesLand ? u"N" : u"");
    if (doppelt)
        z.append('D');
    z.append("\r\n", 2);
    ++anzahl_;
    if (ok && Val(q.punkte) > st.odxPunkte) {
        st.odxPunkte = Val(q.punkte);
        st.odxCall = q.rufzeichen;
        st.odxLocator = q.locator;
    }

    const QDate d = st.datum;
    if (d.isValid()) {
        if (!st.erster.isValid() || d < st.erster)
            st.erster = d;
        if (!st.letzter.isValid() || d > st.letzter)
            st.letzter = d;
    }
}

QByteArray EdiSchreiber::erstellen(const Angaben& a, const Station& station, const QList<QsoRecord>& qsos)
{
    Aufbau aufbau;
    Wertung wertung;
    for (qsizetype i = 0; i < qsos.size(); ++i) {
        aufbau.hinzufügen(qsos[i]);
        wertung.hinzufügen(wertungsZeile(qsos[i], i + 1));
    }
    return aufbau.fertig(a, station, wertung.summen());
}

QByteArray EdiSchreiber::Aufbau::fertig(const Angaben& a, const Station& station, const Summen& s)
{
    Stand& st = *stand_;
    QDate erster = st.erster, letzter = st.letzter;
    if (!erster.isValid()) {
        // Without contacts the contest date typed in the log window.
        const QDate d = QDate::fromString(a.datum, u"dd.MM.yyyy"_s);
        erster = letzter = d;
    }

    QString odx = u";;0"_s;
    // The contact the running score names: the earliest whose points are the maximum.
    if (s.maximum > 0 && st.odxCall == s.odxCall)
        odx = ascii(st.odxCall) + u';' + ascii(st.odxLocator) + u';' + ganzzahl(s.maximum);

    // "Postleitzahl und Wohnort": a leading postcode (optionally with a country letter) is split off.
    static const QRegularExpression plzOrt(u"^((?:[A-Za-z]{1,2}-)?\\d{4,5})\\s+(.+)$"_s);
    QString plz, ort = ascii(a.ort);
    if (const auto m = plzOrt.match(ort); m.hasMatch()) {
        plz = m.captured(1);
        ort = m.captured(2).trimmed();
    }
    QStringList empfänger;
    for (const QString& t : { ascii(a.empfänger), ascii(a.eingangsstufe) }) {
        if (!t.isEmpty())
            empfänger.append(t);
    }
    const auto tag = [](const QDate& d) { return d.isValid() ? d.toString(u"yyyyMMdd"_s) : QString(); };
    const QString call = ascii(station.rufzeichen).toUpper();
    const QString gültige = QString::number(s.gültige);
    const QString punkte = ganzzahl(s.summe);

    const std::pair<QString, QString> kopf[] = {
        { u"TName"_s, ascii(a.wettbewerb) },
        { u"TDate"_s, tag(erster) + u';' + tag(letzter) },
        { u"PCall"_s, call },
        { u"PWWLo"_s, ascii(station.locator).toUpper() },
        { u"PExch"_s, QString() },
        { u"PAdr1"_s, QString() },
        { u"PAdr2"_s, QString() },
        { u"PSect"_s, sektion(a.einmann, a.wertungsgruppe) },
        { u"PBand"_s, bandName(station.band) },
        { u"PClub"_s, ascii(a.dok) },
        { u"RName"_s, ascii(a.name) },
        { u"RCall"_s, a.rcall.trimmed().isEmpty() ? Kern2(call) : Kern2(ascii(a.rcall).toUpper()) },
        { u"RAdr1"_s, ascii(a.straße) },
        { u"RAdr2"_s, QString() },
        { u"RPoCo"_s, plz },
        { u"RCity"_s, ort },
        { u"RCoun"_s, QString() },
        { u"RPhon"_s, QString() },
        { u"RHBBS"_s, QString() },
        { u"MOpe1"_s, operatorenZeile(a.mope1) },
        { u"MOpe2"_s, operatorenZeile(a.mope2) },
        { u"STXEq"_s, ascii(a.sender) },
        { u"SPowe"_s, ascii(a.ausgangsleistung) },
        { u"SRXEq"_s, empfänger.join(u", "_s) },
        { u"SAnte"_s, ascii(a.antenne) },
        { u"SAntH"_s, ascii(a.überGrund) + u';' + ascii(a.überNN) },
        { u"CQSOs"_s, gültige + u";1"_s },
        { u"CQSOP"_s, punkte },
        { u"CWWLs"_s, QString::number(s.großfelder) + u";0;1"_s },
        { u"CWWLB"_s, u"0"_s },
        { u"CExcs"_s, u"0;0;1"_s },
        { u"CExcB"_s, u"0"_s },
        { u"CDXCs"_s, QString::number(s.länder) + u";0;1"_s },
        { u"CDXCB"_s, u"0"_s },
        { u"CToSc"_s, punkte },
        { u"CODXC"_s, odx },
    };
    QByteArray aus;
    aus.reserve(2048 + sätze_.size());
    zeileAnhängen(aus, u"[REG1TEST;1]");
    for (const auto& [schlüssel, wert] : kopf)
        zeileAnhängen(aus, QString(schlüssel + u'=' + wert));
    zeileAnhängen(aus, u"[Remarks]");
    zeileAnhängen(aus, u"[QSORecords;%1]"_s.arg(anzahl_));
    aus.append(sätze_);
    zeileAnhängen(aus, u"[END;Tarvex V3.0]");
    sätze_ = {};
    anzahl_ = 0;
    return aus;
}

QString EdiSchreiber::dateiname(const Station& station, const QList<QsoRecord>& qsos)
{
    return dateiname(station, qsos.isEmpty() ? QString() : qsos.first().datum);
}

QString EdiSchreiber::dateiname(const Station& station, const QString& ersterDatum)
{
    QString name = station.band;
    if (!ersterDatum.isEmpty()) {
        const QDate d = gespeichertesDatum(ersterDatum);
        if (d.isValid())
            name += u'-' + d.toString(u"MMyyyy"_s);
    }
    QString k = Kern2(ascii(station.rufzeichen)).toUpper();
    k.remove(u'/');
    return name + u'-' + k + u".EDI"_s;
}

void EdiSchreiber::schreiben(const QString& pfad, QByteArrayView inhalt)
{
    try {
        AtomicTextFile datei(pfad);
        datei.writeRaw(inhalt);
        datei.commit();
    } catch (const UserError& e) {
        throw UserError(u"Die EDI-Datei %1 kann nicht geschrieben werden.\n"_s.arg(pfad) + e.meldung());
    }
}

} // namespace tarvex
