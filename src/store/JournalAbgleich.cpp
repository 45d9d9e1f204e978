#include "JournalAbgleich.h"

#include "common/Cp1252.h"
#include "common/UserError.h"

#include <QDir>
#include <SQLiteCpp/Transaction.h>
#include <algorithm>

namespace tarvex {
namespace {

using namespace Qt::StringLiterals;

// Lines older than this are not needed: a power cut loses only the last few.
constexpr int kJournalZeilen = 1000;

QString shown(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

} // namespace

JournalAbgleich::JournalAbgleich(Connection& connection, Journal& journal)
    : connection_(connection)
    , journal_(journal)
{
}

void JournalAbgleich::tabelleAnlegen(Connection& c)
{
    c.exec(u"CREATE TABLE IF NOT EXISTS JOURNAL([Nr] INTEGER PRIMARY KEY,[Zeile] TEXT,[Ende] INTEGER)"_s);
}

void JournalAbgleich::zeileEintragen(Connection& c, const QString& zeile, qint64 ende)
{
    c.execute(u"INSERT INTO JOURNAL(Zeile,Ende) VALUES(?,?)"_s, { zeile, ende });
    c.execute(u"DELETE FROM JOURNAL WHERE Nr<=?"_s,
        { static_cast<qint64>(c.db().getLastInsertRowid()) - kJournalZeilen });
}

void JournalAbgleich::stelleEintragen(Connection& c, qint64 ende)
{
    c.execute(u"INSERT INTO JOURNAL(Zeile,Ende) VALUES(NULL,?)"_s, { ende });
}

std::optional<QString> JournalAbgleich::abgleichen(Art art)
{
    const qint64 größe = journal_.größe();
    if (art == Art::NurEnde
        && größe == connection_.scalar(u"SELECT Ende FROM JOURNAL ORDER BY Nr DESC LIMIT 1"_s).toLongLong())
        return std::nullopt;

    struct Eintrag {
        qint64 nr = 0;
        std::optional<QByteArray> zeile; // none: the file up to ende was taken as it was
        qint64 ende = 0;
        qint64 anfang() const { return zeile ? ende - zeile->size() : ende; }
    };
    QList<Eintrag> einträge;
    for (const QVariantList& z :
        connection_.select(u"SELECT Nr,Zeile,Ende FROM JOURNAL ORDER BY Nr"_s).zeilen) {
        Eintrag e { z.value(0).toLongLong(), std::nullopt, z.value(2).toLongLong() };
        if (!z.value(1).isNull())
            e.zeile = toCp1252(z.value(1).toString()) + QByteArrayLiteral("\r\n");
        einträge.append(std::move(e));
    }
    const QString datei = shown(journal_.pfad());

    // A power cut may leave anything where the last lines were written: holes of
    // NUL bytes, lost lines with later ones kept. So every recorded line is
    // compared with the file byte for byte; from the first one that differs the
    // file is written again from the recorded lines.
    const qint64 basis = einträge.isEmpty() ? 0 : std::max<qint64>(0, einträge.first().anfang());
    const QByteArray inhalt = journal_.endeAb(std::min(basis, größe));
    const auto stimmt = [&](const Eintrag& e) {
        if (!e.zeile)
            return e.ende <= größe;
        const qint64 anfang = e.anfang();
        return anfang >= basis && e.ende <= größe
            && QByteArrayView(inhalt).sliced(anfang - basis, e.zeile->size()) == *e.zeile;
    };
    const auto erste = std::find_if_not(einträge.begin(), einträge.end(), stimmt);

    if (erste == einträge.end()) {
        const qint64 ende = einträge.isEmpty() ? 0 : einträge.last().ende;
        if (größe == ende)
            return std::nullopt;
        const QByteArray rest = journal_.endeAb(ende);
        const bool sauber = !rest.contains('\0') && rest.endsWith("\r\n");
        if (sauber && rest.count("\r\n") > 1) {
            // Whole lines nobody recorded: written by someone else, and kept.
            stelleEintragen(connection_, größe);
            return std::nullopt;
        }
        // What a save left that never reached its commit, or what the file
        // system left after the last line.
        journal_.kürzen(ende);
        if (!sauber)
            return u"Das Journal %1 endete mit dem Rest einer Zeile, die bei einem Absturz nicht fertig "
                   u"geschrieben wurde. Der Rest wurde entfernt."_s.arg(datei);
        return u"Das Journal %1 endete mit der Zeile einer Verbindung, die wegen eines Absturzes während des "
               u"Speicherns nicht gespeichert wurde. Die Zeile wurde entfernt:\n\n%2"_s.arg(
                   datei, fromCp1252(rest.chopped(2)).trimmed());
    }

    // Where the rewrite starts. When even the oldest recorded line lies beyond
    // the file, older lines are lost for good: the file keeps its whole lines
    // up to the first hole.
    qint64 schnitt = erste->anfang();
    const bool ältereVerloren = schnitt > größe;
    if (ältereVerloren) {
        const QByteArray alles = journal_.endeAb(0).left(größe);
        const qsizetype loch = alles.indexOf('\0');
        const QByteArray heil = loch < 0 ? alles : alles.left(loch);
        const qsizetype zeilenende = heil.lastIndexOf("\r\n");
        schnitt = zeilenende < 0 ? 0 : zeilenende + 2;
    }
    journal_.kürzen(schnitt);
    qsizetype geschrieben = 0;
    qint64 ende = schnitt;
    connection_.guarded([&] {
        SQLite::Transaction transaction(connection_.db());
        for (auto e = erste; e != einträge.end(); ++e) {
            if (e->zeile) {
                journal_.anhängen(fromCp1252(e->zeile->chopped(2)));
                ende += e->zeile->size();
                ++geschrieben;
            }
            if (e->ende != ende)
                connection_.execute(u"UPDATE JOURNAL SET Ende=? WHERE Nr=?"_s, { ende, e->nr });
        }
        journal_.sichern();
        transaction.commit();
    });
    const QString zeilen = geschrieben == 1 ? u"eine Zeile"_s : u"%1 Zeilen"_s.arg(geschrieben);
    if (ältereVerloren)
        return u"Im Journal %1 fehlen nach einem Absturz Zeilen älterer Verbindungen, die sich nicht "
               u"wiederherstellen lassen; die Verbindungen selbst sind vollständig gespeichert. Die letzten "
               u"gespeicherten Verbindungen (%2) wurden nachgetragen."_s.arg(datei, zeilen);
    return u"Im Journal %1 waren nach einem Absturz die Zeilen der letzten gespeicherten Verbindungen "
           u"verloren oder beschädigt. Sie wurden neu geschrieben (%2)."_s.arg(datei, zeilen);
}

} // namespace tarvex
