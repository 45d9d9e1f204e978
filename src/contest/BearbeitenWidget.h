#pragma once
#include "entry/Bearbeiten.h"

#include <QGroupBox>

class QCheckBox;
class QLineEdit;

namespace tarvex {

class BearbeitenModel;

// fraUpdate ("Bearbeiten"): the fields of one stored contact, OK and cancel.
class BearbeitenWidget : public QGroupBox {
    Q_OBJECT
public:
    BearbeitenWidget(BearbeitenModel& model, QWidget* parent = nullptr);

    // Fills the fields from the contact being edited and focuses the time.
    void laden();
    QLineEdit* feld(const QString& name) const;

signals:
    void closed();

private:
    void übernehmen();
    void bestätigen();
    QLineEdit* neuesFeld(const QString& name, Bearbeiten::Feld art);

    BearbeitenModel& model_;
    QList<QLineEdit*> felder_;
    QCheckBox* chkQSL2_ = nullptr;
};

} // namespace tarvex
