#include "CallInfoDb.h"

#include <QDir>
#include <QFileInfo>
#include <SQLiteCpp/Transaction.h>

namespace tarvex {

using namespace Qt::StringLiterals;

CallInfoDb::CallInfoDb(QString verzeichnis)
    : file_(u"CALLINFO.MDB"_s, std::move(verzeichnis), { u"SELECT Rufzeichen, Name FROM CALLINFO"_s })
{
}

QString CallInfoDb::name(const QString& rufzeichen)
{
    const QVariant name = file_.lesen([&](Connection& c) {
        return c.scalar(
            u"SELECT Name FROM CALLINFO WHERE Rufzeichen=? ORDER BY rowid LIMIT 1"_s, { rufzeichen });
    });
    return name.isNull() ? QString() : name.toString();
}

namespace {

QStringList spaltenVon(Connection& c)
{
    QStringList spalten;
    for (const QVariantList& zeile : c.select(u"PRAGMA table_info(CALLINFO)"_s).zeilen)
        spalten.append(zeile.value(1).toString().toLower());
    if (spalten.isEmpty())
        throw UserError(u"%1 hat keine Tabelle CALLINFO; ist das eine CALLINFO.MDB?"_s.arg(
            QDir::toNativeSeparators(c.pfad())));
    return spalten;
}

const QString kQslSpalten[] = { u"QSLgesendet"_s, u"QSLerhalten"_s };

// Files of earlier versions lack the two QSL columns; they are added on the first save,
// so that browsing never needs to write (a full disk, a read-only folder).
void qslSpaltenSicherstellen(Connection& c)
{
    const QStringList spalten = spaltenVon(c);
    for (const QString& spalte : kQslSpalten) {
        if (!spalten.contains(spalte.toLower()))
            c.exec(u"ALTER TABLE CALLINFO ADD COLUMN "_s + spalte + u" INTEGER NOT NULL DEFAULT 0"_s);
    }
}

// The select list; a QSL column the file does not have yet reads as not ticked.
QString callInfoSpalten(Connection& c)
{
    const QStringList spalten = spaltenVon(c);
    QString liste = u"rowid, Rufzeichen, Name, DOK, Ort, Notiz"_s;
    for (const QString& spalte : kQslSpalten)
        liste += spalten.contains(spalte.toLower()) ? u", "_s + spalte : u", 0"_s;
    return liste;
}

QString text(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}

} // namespace

bool CallInfoDb::anlegenWennFehlend()
{
    const QString datei = pfad();
    if (QFileInfo::exists(datei))
        return false;
    Connection c(datei, Connection::Zugriff::Anlegen);
    c.guarded([&] {
        SQLite::Transaction transaktion(c.db());
        c.exec(u"CREATE TABLE CALLINFO(Rufzeichen TEXT, Name TEXT, DOK TEXT, Ort TEXT, Notiz TEXT, "
               u"QSLgesendet INTEGER NOT NULL DEFAULT 0, QSLerhalten INTEGER NOT NULL DEFAULT 0)"_s);
        c.exec(u"CREATE INDEX CALLINFO_RUFZEICHEN ON CALLINFO(Rufzeichen)"_s);
        transaktion.commit();
    });
    return true;
}

QList<CallInfoEintrag> CallInfoDb::einträge(const std::optional<QString>& muster)
{
    const Rows rows = file_.lesen([&](Connection& c) {
        const QString auswahl = u"SELECT "_s + callInfoSpalten(c) + u" FROM CALLINFO"_s;
        return muster ? c.select(auswahl + u" WHERE Rufzeichen LIKE ? ORDER BY rowid"_s, { *muster })
                      : c.select(auswahl + u" ORDER BY rowid"_s);
    });
    QList<CallInfoEintrag> result;
    result.reserve(rows.zeilen.size());
    for (const QVariantList& z : rows.zeilen) {
        result.append({ z.value(0).toLongLong(), text(z.value(1)), text(z.value(2)), text(z.value(3)),
            text(z.value(4)), text(z.value(5)), z.value(6).toInt() != 0, z.value(7).toInt() != 0 });
    }
    return result;
}

qint64 CallInfoDb::speichern(const CallInfoEintrag& e)
{
    Connection c(file_.connection().pfad(), Connection::Zugriff::LesenSchreiben);
    struct Danach {
        Referenzdatei& datei;
        ~Danach() { datei.eigeneÄnderungÜbernehmen(); }
    } danach { file_ };
    qslSpaltenSicherstellen(c);
    const QVariantList werte { e.rufzeichen, e.name, e.dok, e.ort, e.notiz, e.qslGesendet ? 1 : 0,
        e.qslErhalten ? 1 : 0 };
    if (e.rowid < 0) {
        c.execute(u"INSERT INTO CALLINFO(Rufzeichen, Name, DOK, Ort, Notiz, QSLgesendet, QSLerhalten) "
                  u"VALUES(?, ?, ?, ?, ?, ?, ?)"_s,
            werte);
        return c.db().getLastInsertRowid();
    }
    QVariantList mitRowid = werte;
    mitRowid.append(e.rowid);
    if (c.execute(u"UPDATE CALLINFO SET Rufzeichen=?, Name=?, DOK=?, Ort=?, Notiz=?, QSLgesendet=?, "
                  u"QSLerhalten=? WHERE rowid=?"_s,
            mitRowid)
        == 0)
        throw UserError(u"Der Eintrag %1 steht nicht mehr in %2; er wurde nicht gespeichert."_s.arg(
            e.rufzeichen, QDir::toNativeSeparators(c.pfad())));
    return e.rowid;
}

} // namespace tarvex
