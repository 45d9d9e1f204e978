#pragma once
#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tarvex {

// "Wartende Verbindungen": the contacts from the network that need the
// operator, worked through with the keyboard. Enter takes the selected one
// into the input line, Alt+S stores it as it is, Alt+D as a duplicate, Entf
// discards it; Esc closes the list. It only shows rows and reports choices.
class WartendeWindow : public QWidget {
    Q_OBJECT
public:
    struct Zeile {
        QString zeit;
        QString verbindung;
        QString grund;
        bool doppelt = false;
    };

    explicit WartendeWindow(QWidget* parent = nullptr);

    void setZeilen(const QList<Zeile>& zeilen);
    int aktuelle() const;
    QTreeWidget* liste() const { return liste_; }

signals:
    void eintragen(int index);
    void speichern(int index);
    void doppeltSpeichern(int index);
    void verwerfen(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void knöpfeZeigen();
    void wähle(void (WartendeWindow::*signal)(int));

    QTreeWidget* liste_ = nullptr;
    QLabel* leer_ = nullptr;
    QPushButton* vervollständigen_ = nullptr;
    QPushButton* speichern_ = nullptr;
    QPushButton* doppel_ = nullptr;
    QPushButton* verwerfen_ = nullptr;
    QList<Zeile> zeilen_;
};

} // namespace tarvex
