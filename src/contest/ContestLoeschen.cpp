#include "ContestLoeschen.h"

#include "common/Prompter.h"

#include <QDir>
#include <QFile>

namespace tarvex {

using namespace Qt::StringLiterals;

ContestLöschen::ContestLöschen(QString datenbank, Prompter& prompter, QString verzeichnis)
    : datenbank_(std::move(datenbank))
    , prompter_(prompter)
    , verzeichnis_(verzeichnis.isEmpty() ? QDir::currentPath() : std::move(verzeichnis))
{
}

QStringList ContestLöschen::dateien() const
{
    // QDir matches name filters without regard to case unless told otherwise.
    return QDir(verzeichnis_).entryList({ u"*.mdb"_s }, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QStringList ContestLöschen::löschen(const QString& auswahl)
{
    if (auswahl.isEmpty())
        return {};
    const QString cur = datenbank_.toUpper();
    const QString sel = auswahl.toUpper();
    // A plain substring test: it also refuses names that merely occur in the
    // open contest's path, which errs on the safe side.
    if (cur.contains(sel)) {
        prompter_.zeige({ u"Die aktuelle Datenbank kann nicht gelöscht werden!"_s, u"Fehler"_s,
            Meldung::Symbol::Kritisch, Meldung::Knöpfe::Ok, Meldung::Antwort::Ok });
        return {};
    }
    const Meldung frage { u"Soll die Datenbank "_s + sel + u" wirklich gelöscht werden?"_s, u"Frage"_s,
        Meldung::Symbol::Frage, Meldung::Knöpfe::JaNein, Meldung::Antwort::Nein };
    if (prompter_.zeige(frage) != Meldung::Antwort::Ja)
        return {};

    // "TEST.mdb" without its last three characters: every "TEST.*". A bare
    // ".mdb" would make that every hidden file, so it deletes nothing.
    const QString stamm = auswahl.left(std::max<qsizetype>(0, auswahl.size() - 3));
    if (stamm.size() < 2)
        return {};
    QDir dir(verzeichnis_);
    QStringList gelöscht;
    QStringList geblieben;
    const QStringList alle = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : alle) {
        if (!name.startsWith(stamm, Qt::CaseInsensitive))
            continue;
        (dir.remove(name) ? gelöscht : geblieben).append(name);
    }
    if (!geblieben.isEmpty())
        prompter_.zeige(
            fehlerMeldung(u"Diese Dateien konnten nicht gelöscht werden:\n"_s + geblieben.join(u'\n')));
    return gelöscht;
}

} // namespace tarvex
