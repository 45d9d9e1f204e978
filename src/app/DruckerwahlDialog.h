#pragma once
#include <QDialog>

class QListWidget;

namespace tarvex {

class Druckerwahl;
class Settings;

// "Drucker wählen …": the printer every printout goes to, or the system's
// default printer. The choice is kept in the settings (section "Drucker", key
// "Name"; empty: the default printer) and holds from the next printout on.
class DruckerwahlDialog : public QDialog {
    Q_OBJECT
public:
    static const QString kAbschnitt;
    static const QString kSchlüssel;

    explicit DruckerwahlDialog(QWidget* parent = nullptr);

    // Empty: the default printer.
    QString auswahl() const;
    void setAuswahl(const QString& drucker);

    // Shows the dialog; OK stores the choice and makes it the printer's choice.
    static void ausführen(QWidget* parent, Settings& settings, Druckerwahl& wahl);
    // At start-up: the stored choice.
    static void einstellungLaden(const Settings& settings, Druckerwahl& wahl);

private:
    // Wide enough for the longest entry, so no name hides behind a scroll bar.
    void breiteAnpassen();

    QListWidget* liste_ = nullptr;
};

} // namespace tarvex
