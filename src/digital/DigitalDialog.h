#pragma once
#include "DigitalEinstellungen.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace tarvex {

// "Digitale Betriebsarten …": receiving on/off, UDP port and multicast group.
// Values that cannot be used are named in the form; OK stays there until
// they are corrected.
class DigitalDialog : public QDialog {
    Q_OBJECT
public:
    explicit DigitalDialog(const DigitalEinstellungen& e, QWidget* parent = nullptr);

    DigitalEinstellungen einstellungen() const;
    void accept() override;

    // The new settings after OK, nothing after Abbrechen.
    static std::optional<DigitalEinstellungen> ausführen(QWidget* parent, const DigitalEinstellungen& e);

private:
    QCheckBox* ein_ = nullptr;
    QSpinBox* port_ = nullptr;
    QLineEdit* gruppe_ = nullptr;
    QLabel* fehler_ = nullptr;
};

} // namespace tarvex
