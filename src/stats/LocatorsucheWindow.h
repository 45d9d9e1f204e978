#pragma once
#include <QWidget>

class QLineEdit;
class QPushButton;
class QTableView;

namespace tarvex {

class LocatorsucheModel;

// frmLocatorsuche ("Tarvex"), not modal: the pattern field, "Stationen suchen",
// "Abbrechen" and the result grid. Searches once when it is shown.
class LocatorsucheWindow : public QWidget {
    Q_OBJECT
public:
    explicit LocatorsucheWindow(LocatorsucheModel& model, QWidget* parent = nullptr);

    QLineEdit* txtLocator() const { return txtLocator_; }
    QTableView* grid() const { return dbGrid1_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void suchen();

    LocatorsucheModel& model_;
    QLineEdit* txtLocator_ = nullptr;
    QPushButton* cmdSuchen_ = nullptr;
    QPushButton* cmdAbbrechen_ = nullptr;
    QTableView* dbGrid1_ = nullptr;
};

} // namespace tarvex
