#pragma once
#include <QString>
#include <QStringList>

namespace tarvex {

// CONTEST.DAT and CALLINFO.MDB ship with the program, but it reads them from the working
// directory, where the operator keeps his own copies (CALLINFO.MDB grows with his notes).
// A file missing there is copied from the first source directory that has it.
class Referenzdateien {
public:
    struct Ergebnis {
        QStringList kopiert; // file names now copied into the working directory
        QStringList fehlend; // found in no source directory
        QStringList fehlgeschlagen; // "NAME: reason" for a copy that failed
    };

    static QStringList dateinamen();
    // $TARVEX_DATADIR when set, then beside the program (bin/../share/tarvex).
    static QStringList standardQuellen(const QString& programmVerzeichnis);

    explicit Referenzdateien(QStringList quellen);
    Ergebnis bereitstellen(const QString& arbeitsverzeichnis) const;

    // The one German note for the operator; empty when there is nothing to tell.
    static QString meldung(const Ergebnis& ergebnis, const QString& arbeitsverzeichnis);

private:
    QString quelleFür(const QString& dateiname) const;

    QStringList quellen_;
};

} // namespace tarvex
