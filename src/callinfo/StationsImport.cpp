#include "StationsImport.h"

#include "common/UserError.h"
#include "entry/CallSign.h"
#include "entry/Klasse.h"
#include "store/BandList.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <SQLiteCpp/Transaction.h>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

const QRegularExpression& locatorMuster()
{
    static const QRegularExpression muster(u"^[A-R]{2}[0-9]{2}[A-X]{2}$"_s);
    return muster;
}

qsizetype kommentarAnfang(const QString& zeile)
{
    const qsizetype raute = zeile.indexOf(u'#');
    const qsizetype striche = zeile.indexOf(u"//"_s);
    if (raute < 0)
        return striche;
    if (striche < 0)
        return raute;
    return std::min(raute, striche);
}

void ergänzen(QStringList& locators, const QStringList& neue)
{
    for (const QString& loc : neue) {
        if (!locators.contains(loc))
            locators.append(loc);
    }
}

const QString kExpKopf = u"*** Tarvex V3 Exportdatei ***"_s;

// Gathers (call, locator) pairs of a log: one station per call in order of first
// appearance; pairs without a call or a six-character locator are passed over.
class Sammler {
public:
    void add(const QString& call, const QString& locator)
    {
        const QString c = call.trimmed().toUpper();
        // An eight-character locator names a part of the six-character one.
        const QString l = locator.trimmed().toUpper().left(6);
        if (!istRufzeichen(c) || !locatorMuster().match(l).hasMatch())
            return;
        const auto it = index_.constFind(c);
        if (it == index_.cend()) {
            index_.insert(c, liste_.stationen.size());
            liste_.stationen.append({ c, { l } });
        } else {
            ergänzen(liste_.stationen[*it].locators, { l });
        }
    }
    StationsImport::Liste liste() const { return liste_; }

private:
    StationsImport::Liste liste_;
    QHash<QString, qsizetype> index_;
};

QStringList zeilenVon(const QString& text)
{
    QStringList zeilen = text.split(u'\n');
    for (QString& z : zeilen) {
        if (z.endsWith(u'\r'))
            z.chop(1);
    }
    return zeilen;
}

// Items of one line of an EXP file: an item ends at a comma; blanks around it are
// dropped; an item beginning with a double quote runs to the next one.
QStringList expItems(const QString& zeile)
{
    QStringList items;
    qsizetype i = 0;
    while (true) {
        while (i < zeile.size() && zeile[i] == u' ')
            ++i;
        QString item;
        if (i < zeile.size() && zeile[i] == u'"') {
            const qsizetype ende = zeile.indexOf(u'"', i + 1);
            if (ende < 0)
                throw UserError(u"ein Anführungszeichen wird nicht geschlossen"_s);
            item = zeile.mid(i + 1, ende - i - 1);
            i = ende + 1;
            const qsizetype komma = zeile.indexOf(u',', i);
            i = komma < 0 ? zeile.size() : komma;
        } else {
            const qsizetype komma = zeile.indexOf(u',', i);
            const qsizetype ende = komma < 0 ? zeile.size() : komma;
            item = zeile.mid(i, ende - i).trimmed();
            i = ende;
        }
        items.append(item);
        if (i >= zeile.size())
            break;
        ++i; // the comma
    }
    return items;
}

} // namespace

StationsImport::Liste StationsImport::lesenEdi(const QString& text)
{
    if (!text.trimmed().startsWith(u"[REG1TEST"_s, Qt::CaseInsensitive))
        throw UserError(u"die erste Zeile ist nicht [REG1TEST;1]"_s);
    const QStringList zeilen = zeilenVon(text);
    Sammler sammler;
    bool kopf = false;
    bool qsos = false;
    bool qsoListe = false;
    // The log's own station is a known station too, whatever the order of its header lines.
    QString pCall;
    QString pWwlo;
    const auto eigeneStation = [&] {
        sammler.add(pCall, pWwlo);
        pCall.clear();
        pWwlo.clear();
    };
    for (qsizetype nr = 0; nr < zeilen.size(); ++nr) {
        const QString zeile = zeilen[nr].trimmed();
        if (zeile.isEmpty())
            continue;
        if (zeile.startsWith(u'[')) {
            eigeneStation();
            // A file may hold several bands, each a [REG1TEST;1] block.
            const QString abschnitt = zeile.mid(1).section(u';', 0, 0).section(u']', 0, 0).toUpper();
            kopf = abschnitt == u"REG1TEST"_s;
            qsos = abschnitt == u"QSORECORDS"_s;
            qsoListe = qsoListe || qsos;
            continue;
        }
        if (kopf) {
            const QString schlüssel = zeile.section(u'=', 0, 0).trimmed().toUpper();
            const QString wert = zeile.section(u'=', 1).trimmed();
            if (schlüssel == u"PCALL"_s)
                pCall = wert;
            else if (schlüssel == u"PWWLO"_s)
                pWwlo = wert;
        } else if (qsos) {
            const QStringList f = zeile.split(u';');
            if (f.size() < 10)
                throw UserError(u"Zeile %1 hat nur %2 Felder"_s.arg(nr + 1).arg(f.size()));
            // Zero points without the duplicate mark: a contact the log's owner did not count.
            const bool ungültig = f.value(10).trimmed() == u"0"_s && f.value(14).trimmed() != u"D"_s;
            if (!ungültig)
                sammler.add(f[2], f[9]);
        }
    }
    eigeneStation();
    if (!qsoListe)
        throw UserError(u"der Abschnitt [QSORecords] fehlt"_s);
    return sammler.liste();
}

StationsImport::Liste StationsImport::lesenAdif(const QString& text)
{
    Sammler sammler;
    qsizetype i = 0;
    // A file that does not begin with a tag has a header up to <EOH>.
    if (!text.trimmed().startsWith(u'<')) {
        static const QRegularExpression eoh(u"<eoh>"_s, QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = eoh.match(text);
        if (!m.hasMatch())
            throw UserError(u"das Ende des Kopfes <EOH> fehlt"_s);
        i = m.capturedEnd();
    }
    QString call;
    QString locator;
    bool imDatensatz = false;
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
                sammler.add(call, locator);
                call.clear();
                locator.clear();
                imDatensatz = false;
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
        const QString wert = text.mid(zu + 1, länge);
        if (name == u"CALL"_s)
            call = wert;
        else if (name == u"GRIDSQUARE"_s)
            locator = wert;
        imDatensatz = true;
        i = zu + 1 + länge;
    }
    if (imDatensatz)
        throw UserError(u"der letzte Datensatz endet nicht mit <EOR>"_s);
    return sammler.liste();
}

StationsImport::Liste StationsImport::lesenExp(const QString& text)
{
    QList<QStringList> zeilen;
    QList<int> nummern;
    const QStringList roh = zeilenVon(text);
    for (qsizetype nr = 0; nr < roh.size(); ++nr) {
        if (!roh[nr].trimmed().isEmpty()) {
            zeilen.append(expItems(roh[nr]));
            nummern.append(static_cast<int>(nr + 1));
        }
    }
    // Heading, call, locator, band and (with contacts) the month; or call, locator, band.
    qsizetype erste = 3;
    if (!zeilen.isEmpty() && zeilen[0].value(0) == kExpKopf) {
        erste = 4;
        if (zeilen.size() > 4 && zeilen[4].size() == 1 && zeilen[4][0].size() == 6)
            erste = 5;
    }
    if (zeilen.size() < erste || !istBandTabelle(zeilen[erste == 3 ? 2 : 3].value(0)))
        throw UserError(u"der Kopf mit Rufzeichen, Locator und Band fehlt"_s);
    Sammler sammler;
    for (qsizetype z = erste; z < zeilen.size(); ++z) {
        const QStringList& f = zeilen[z];
        if (f.size() != 11)
            throw UserError(u"Zeile %1 hat %2 statt 11 Feldern"_s.arg(nummern[z]).arg(f.size()));
        if (f[6] != u"-----"_s)
            sammler.add(f[2], f[5]);
    }
    return sammler.liste();
}

StationsImport::Liste StationsImport::lesenDatei(
    const QByteArray& inhalt, const QString& name, Format* format)
{
    // Calls and locators are ASCII; Latin-1 keeps any other byte harmless.
    const QString text = QString::fromLatin1(inhalt);
    const QString anfang = text.trimmed();
    const QString endung = QFileInfo(name).suffix().toLower();
    Format f = Format::Liste;
    if (anfang.startsWith(u"[REG1TEST"_s, Qt::CaseInsensitive) || endung == u"edi"_s)
        f = Format::Edi;
    else if (anfang.startsWith(kExpKopf) || endung == u"exp"_s)
        f = Format::Exp;
    else if (endung == u"adi"_s || endung == u"adif"_s || text.contains(u"<eor>"_s, Qt::CaseInsensitive))
        f = Format::Adif;
    if (format)
        *format = f;
    try {
        if (inhalt.contains('\0'))
            throw UserError(u"sie ist keine Textdatei"_s);
        switch (f) {
        case Format::Edi:
            return lesenEdi(text);
        case Format::Adif:
            return lesenAdif(text);
        case Format::Exp:
            return lesenExp(text);
        case Format::Liste:
            break;
        }
        return lesen(text);
    } catch (const UserError& e) {
        throw UserError(u"Die Datei %1 ist beschädigt: %2. Aus ihr wurde nichts übernommen."_s.arg(
            QFileInfo(name).fileName(), e.meldung()));
    }
}

StationsImport::Liste StationsImport::lesen(const QString& text)
{
    static const QRegularExpression trenner(u"[,;\\s]+"_s);
    Liste liste;
    QHash<QString, qsizetype> index;
    const QStringList zeilen = text.split(u'\n');
    for (qsizetype nr = 0; nr < zeilen.size(); ++nr) {
        QString zeile = zeilen[nr];
        if (const qsizetype k = kommentarAnfang(zeile); k >= 0)
            zeile.truncate(k);
        const QStringList felder = zeile.toUpper().split(trenner, Qt::SkipEmptyParts);
        if (felder.isEmpty())
            continue;
        const auto überspringen = [&](const QString& grund) {
            liste.übersprungen.append({ static_cast<int>(nr + 1), zeilen[nr].trimmed(), grund });
        };
        if (!istRufzeichen(felder[0])) {
            überspringen(u"kein Rufzeichen am Zeilenanfang"_s);
            continue;
        }
        QStringList locators;
        for (qsizetype i = 1; i < felder.size(); ++i) {
            if (locatorMuster().match(felder[i]).hasMatch() && !locators.contains(felder[i]))
                locators.append(felder[i]);
        }
        if (locators.isEmpty()) {
            überspringen(u"kein sechsstelliger Locator"_s);
            continue;
        }
        const auto it = index.constFind(felder[0]);
        if (it == index.cend()) {
            index.insert(felder[0], liste.stationen.size());
            liste.stationen.append({ felder[0], locators });
        } else {
            ergänzen(liste.stationen[*it].locators, locators);
        }
    }
    return liste;
}

QStringList StationsImport::zerlegen(const QString& locators)
{
    // Whatever the separator, the n-th locator begins at character 7(n-1)+1.
    QStringList liste;
    for (qsizetype i = 0; i + 6 <= locators.size(); i += 7) {
        const QString loc = locators.mid(i, 6).toUpper();
        if (!liste.contains(loc))
            liste.append(loc);
    }
    return liste;
}

QString StationsImport::zusammensetzen(const QStringList& locators)
{
    return locators.join(u' ');
}

QString StationsImport::stationsCall(const QString& call)
{
    const QString c = call.trimmed().toUpper();
    return präfixTeil(c) + Kern2(c);
}

StationsImport::Ergebnis StationsImport::einfügen(Connection& contestDat, const QList<Station>& stationen)
{
    if (contestDat.scalar(u"SELECT name FROM sqlite_master WHERE type='table' AND name='STATIONS'"_s)
            .isNull())
        throw UserError(u"%1 hat keine Tabelle STATIONS; ist das eine CONTEST.DAT?"_s.arg(contestDat.pfad()));
    Ergebnis ergebnis;
    contestDat.guarded([&] {
        // One entry per call as the look-up asks for it, so that the counts are per station.
        QList<Station> gesammelt;
        QHash<QString, qsizetype> index;
        for (const Station& roh : stationen) {
            const QString call = stationsCall(roh.call);
            QStringList locators;
            for (const QString& loc : roh.locators) {
                const QString l = loc.trimmed().toUpper();
                if (locatorMuster().match(l).hasMatch())
                    ergänzen(locators, { l });
            }
            if (!istRufzeichen(call) || locators.isEmpty())
                continue;
            const auto it = index.constFind(call);
            if (it == index.cend()) {
                index.insert(call, gesammelt.size());
                gesammelt.append({ call, locators });
            } else {
                ergänzen(gesammelt[*it].locators, locators);
            }
        }
        SQLite::Transaction transaktion(contestDat.db());
        // Without an index on CALL every station below is a scan of the whole table.
        if (contestDat
                .scalar(u"SELECT count(*) FROM pragma_index_list('STATIONS') l, pragma_index_info(l.name) i "
                        "WHERE i.seqno=0 AND i.name='CALL' COLLATE NOCASE"_s)
                .toInt()
            == 0)
            contestDat.execute(u"CREATE INDEX STATIONS_CALL ON STATIONS(CALL)"_s);
        for (const Station& station : gesammelt) {
            const Rows zeilen = contestDat.select(
                u"SELECT rowid, LOCATORS FROM STATIONS WHERE CALL=? ORDER BY rowid"_s, { station.call });
            if (zeilen.zeilen.isEmpty()) {
                contestDat.execute(u"INSERT INTO STATIONS(CALL, LOCATORS) VALUES(?, ?)"_s,
                    { station.call, zusammensetzen(station.locators) });
                ++ergebnis.neueStationen;
                ergebnis.neueLocatoren += static_cast<int>(station.locators.size());
                continue;
            }
            // Several rows of one call (from older lists) become one.
            QStringList vorher;
            for (const QVariantList& zeile : zeilen.zeilen)
                ergänzen(vorher, zerlegen(zeile.value(1).toString()));
            QStringList nachher = vorher;
            ergänzen(nachher, station.locators);
            const qint64 erste = zeilen.zeilen.first().value(0).toLongLong();
            const QString text = zusammensetzen(nachher);
            if (zeilen.zeilen.size() > 1 || text != zeilen.zeilen.first().value(1).toString()) {
                contestDat.execute(u"UPDATE STATIONS SET LOCATORS=? WHERE rowid=?"_s, { text, erste });
                contestDat.execute(
                    u"DELETE FROM STATIONS WHERE CALL=? AND rowid<>?"_s, { station.call, erste });
            }
            if (nachher.size() > vorher.size()) {
                ++ergebnis.ergänzteStationen;
                ergebnis.neueLocatoren += static_cast<int>(nachher.size() - vorher.size());
            }
        }
        transaktion.commit();
    });
    return ergebnis;
}

} // namespace tarvex
