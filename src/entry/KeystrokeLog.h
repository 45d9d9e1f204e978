#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace tarvex {

// "LOG.TXT": every token typed for the contact in progress, one per line.
// Deleted after each save; read by the last-inputs window.
class KeystrokeLog {
public:
    explicit KeystrokeLog(QString pfad);
    // The log in the working directory.
    static QString standardPfad();

    void anhängen(const QString& token);
    void löschen();
    QStringList zeilen() const;
    // What the last-inputs window shows: the whole log, one token a line; nothing
    // when the file does not exist (right after a save), so no window opens.
    std::optional<QString> letzteEingaben() const;
    const QString& pfad() const { return pfad_; }

private:
    QString pfad_;
};

} // namespace tarvex
