#pragma once
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tarvex {

class CallInfoModel;

// frmCallInfo ("Call Info"): shows one entry of the model with the data control
// Data1 below it; keys and clicks go to the model. Created once and then shown
// and hidden, so its state survives between uses.
class CallInfoWindow : public QWidget {
    Q_OBJECT
public:
    explicit CallInfoWindow(CallInfoModel& model, QWidget* parent = nullptr);

    // Called each time the main frame shows the window.
    void aktivieren();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void zeigen();

    CallInfoModel& model_;
    QLineEdit* txtCall_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtDOK_ = nullptr;
    QLineEdit* txtOrt_ = nullptr;
    QPlainTextEdit* txtNotiz_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QWidget* data1_ = nullptr;
    QLabel* data1Caption_ = nullptr;
    QPushButton* cmdNeu_ = nullptr;
    QPushButton* cmdEdit_ = nullptr;
    QPushButton* cmdSpeichern_ = nullptr;
    QPushButton* cmdSuchen_ = nullptr;
    QPushButton* cmdAbbrechen_ = nullptr;
    bool warBearbeitung_ = false;
};

} // namespace tarvex
