#pragma once
#include <QWidget>

class QPushButton;

namespace tarvex {

class KarteModel;
class KartenAnsicht;
class Kartenbildspeicher;
class Prompter;

// frmKarte ("Karte"): the map picture with the buttons to its right and the
// menu "&Datei". Shows the model and forwards clicks and keys to it.
class KarteWindow : public QWidget {
    Q_OBJECT
public:
    // The pictures outlive the window: the next one paints on from them.
    KarteWindow(KarteModel& model, Prompter& prompter, Kartenbildspeicher& bilder, QWidget* parent = nullptr);

    KartenAnsicht* ansicht() const { return ansicht_; }
    QPushButton* knopf(const QString& name) const;
    // Writes the map as drawn into a PNG file; a German message when it fails,
    // and a file already there stays as it was.
    bool speichern(const QString& pfad);
    // "Karte speichern …": asks for the file name.
    void speichernUnter();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* neuerKnopf(const QString& name, const QString& text);

    KarteModel& model_;
    Prompter& prompter_;
    Kartenbildspeicher& bilder_;
    KartenAnsicht* ansicht_ = nullptr;
};

} // namespace tarvex
