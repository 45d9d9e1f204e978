#include "MainWindow.h"

#include <QLabel>
#include <QStatusBar>

namespace tarvex {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Tarvex V3.0"));
    auto* platzhalter = new QLabel(QStringLiteral("Tarvex V3.0"), this);
    platzhalter->setAlignment(Qt::AlignCenter);
    setCentralWidget(platzhalter);
    statusBar()->showMessage(QStringLiteral("Bereit"));
    resize(800, 600);
}

} // namespace tarvex
