#pragma once
#include <QMainWindow>

namespace tarvex {

// The main frame. For now it shows the program's title and an empty working area;
// the logging window moves in here.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace tarvex
