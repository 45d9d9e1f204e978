#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CONTEST"));
    QApplication::setOrganizationName(QStringLiteral("CONTEST"));
    tarvex::MainWindow window;
    window.show();
    return QApplication::exec();
}
