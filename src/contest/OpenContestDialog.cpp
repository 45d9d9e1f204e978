#include "OpenContestDialog.h"

#include "ContestOeffnen.h"

#include <QDir>
#include <QFileDialog>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

QString& letztesVerzeichnis()
{
    static QString verzeichnis;
    return verzeichnis;
}

} // namespace

std::unique_ptr<QFileDialog> OpenContestDialog::erzeugen(QWidget* parent, const QString& verzeichnis)
{
    auto dialog = std::make_unique<QFileDialog>(parent, u"Contest öffnen"_s, verzeichnis);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // Desktop file dialogs match patterns with regard to case; the brackets make
    // "TEST.MDB" and "Test.Mdb" show as well as "test.mdb".
    dialog->setNameFilter(u"Contest-Datenbanken (*.[mM][dD][bB])"_s);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    // Only Qt's own dialog takes these; a desktop dialog brings its own words.
    dialog->setLabelText(QFileDialog::LookIn, u"Suchen in:"_s);
    dialog->setLabelText(QFileDialog::FileName, u"Dateiname:"_s);
    dialog->setLabelText(QFileDialog::FileType, u"Dateityp:"_s);
    dialog->setLabelText(QFileDialog::Accept, u"Öffnen"_s);
    dialog->setLabelText(QFileDialog::Reject, u"Abbrechen"_s);
    return dialog;
}

bool OpenContestDialog::ausführen(QWidget* parent, ContestModel& model, Prompter& prompter)
{
    QString& verzeichnis = letztesVerzeichnis();
    if (verzeichnis.isEmpty())
        verzeichnis = QDir::currentPath();
    const std::unique_ptr<QFileDialog> dialog = erzeugen(parent, verzeichnis);
    if (dialog->exec() != QDialog::Accepted)
        return false;
    verzeichnis = dialog->directory().absolutePath();
    const QStringList dateien = dialog->selectedFiles();
    if (dateien.isEmpty())
        return false;
    return contestÖffnen(model, prompter, QDir::cleanPath(dateien.first()));
}

} // namespace tarvex
