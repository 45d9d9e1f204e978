#pragma once
#include "store/QsoRecord.h"

#include <QList>
#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPrinter;
class QPrintPreviewDialog;
class QRadioButton;
class QTreeView;

namespace tarvex {

class Druckerwahl;

class Clock;
class Prompter;
class QslModel;

// frmQSL, "QSL-Aufkleber drucken": a thin view of the QslModel. Every time it
// comes to the front the list is filled again. It does not block the logging
// window; back(), after printing or on "A&bbrechen" / "&zurück", asks the main
// frame to show the logging window.
class QslWindow : public QWidget {
    Q_OBJECT
public:
    QslWindow(QslModel& model, Prompter& prompter, const Clock& uhr, const Druckerwahl& wahl,
        QWidget* parent = nullptr);
    ~QslWindow() override;

    // "&Vorschau": the labels a print would give now, in a print preview.
    // Opened window-modal; the dialog deletes itself when closed.
    QPrintPreviewDialog* vorschau();

signals:
    void back();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void anzeigen();

    QslModel& model_;
    Prompter& prompter_;
    const Clock& uhr_;
    const Druckerwahl& wahl_;
    QTreeView* liste_ = nullptr;
    QLineEdit* txtCall_ = nullptr;
    QLineEdit* txtPunkte_ = nullptr;
    std::array<QLineEdit*, 7> felder_ {};
    QRadioButton* optEndlos_ = nullptr;
    QRadioButton* optBögen_ = nullptr;
    QCheckBox* chkZweiSpalten_ = nullptr;
    QRadioButton* optPseQsl_ = nullptr;
    QRadioButton* optTnxQsl_ = nullptr;
    std::unique_ptr<QPrinter> vorschauDrucker_;
    QList<QsoRecord> vorschauQsos_;
};

} // namespace tarvex
