#pragma once
#include <QString>
#include <QStringList>

namespace tarvex {

class Prompter;

// Deleting a contest from the working directory: the database with its journal
// and every other file of the same base name, but never the open contest.
class ContestLöschen {
public:
    // datenbank: path of the open contest ("" when none); verzeichnis: where the
    // contests are listed and deleted, the working directory by default.
    ContestLöschen(QString datenbank, Prompter& prompter, QString verzeichnis = {});

    // The directory's contest files ("*.mdb" in any letter case), sorted by name.
    QStringList dateien() const;

    // Refuses a name that occurs anywhere in the open contest's path, otherwise
    // asks and on Yes deletes every NAME.* of the directory, matched without
    // regard to case. Returns the names of the files deleted.
    QStringList löschen(const QString& auswahl);

private:
    QString datenbank_;
    Prompter& prompter_;
    QString verzeichnis_;
};

} // namespace tarvex
