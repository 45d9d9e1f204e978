#include "app/Application.h"
#include "store/Referenzdateien.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CONTEST"));
    QApplication::setOrganizationName(QStringLiteral("CONTEST"));

    // Missing reference files come from the installation, and the operator hears of it once.
    const QString arbeitsverzeichnis = QDir::currentPath();
    const tarvex::Referenzdateien referenzdateien(
        tarvex::Referenzdateien::standardQuellen(QCoreApplication::applicationDirPath()));
    const QString hinweis = tarvex::Referenzdateien::meldung(
        referenzdateien.bereitstellen(arbeitsverzeichnis), arbeitsverzeichnis);
    if (!hinweis.isEmpty())
        QMessageBox::information(nullptr, QStringLiteral("Hinweis"), hinweis);

    tarvex::Application tarvex;
    tarvex.starten();
    return QApplication::exec();
}
