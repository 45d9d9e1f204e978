#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace tarvex {

// A modal message box as the core describes it; the program shows it with
// QMessageBox, tests answer it from a script and check text and title.
struct Meldung {
    enum class Symbol { Keins, Information, Frage, Ausrufezeichen, Kritisch };
    enum class Knöpfe { Ok, OkAbbrechen, JaNein, JaNeinAbbrechen };
    enum class Antwort { Ok, Abbrechen, Ja, Nein };

    QString text;
    QString titel;
    Symbol symbol = Symbol::Keins;
    Knöpfe knöpfe = Knöpfe::Ok;
    Antwort standard = Antwort::Ok;
};

// A modal input box: prompt, title and the preset answer.
struct Eingabefrage {
    QString text;
    QString titel;
    QString vorgabe;
};

// A file to open or to save under, or a folder: the program shows the desktop's
// file dialog, tests answer from a script.
struct Dateiwahl {
    enum class Art { Öffnen, Speichern, Ordner };
    QString titel;
    QString vorgabe; // a folder, or a file name suggested in a folder
    QString filter; // "PNG-Bilder (*.png)"
    Art art = Art::Speichern;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Meldung::Antwort zeige(const Meldung& meldung) = 0;
    // The typed answer, or nothing when the box was cancelled.
    virtual std::optional<QString> frage(const Eingabefrage& frage) = 0;
    // The chosen file's path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> dateiWählen(const Dateiwahl& frage) = 0;
    // Several files to open at once; none when the dialog was cancelled.
    virtual QStringList dateienWählen(const Dateiwahl& frage)
    {
        const std::optional<QString> eine = dateiWählen(frage);
        return eine ? QStringList { *eine } : QStringList();
    }
};

// The usual shapes of the program's messages.
inline Meldung fehlerMeldung(const QString& text)
{
    return { text, QStringLiteral("Fehler"), Meldung::Symbol::Ausrufezeichen, Meldung::Knöpfe::Ok,
        Meldung::Antwort::Ok };
}

inline Meldung hinweisMeldung(const QString& text)
{
    return { text, QStringLiteral("Hinweis"), Meldung::Symbol::Information, Meldung::Knöpfe::Ok,
        Meldung::Antwort::Ok };
}

} // namespace tarvex
