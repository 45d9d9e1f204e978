#include "ImportWindow.h"

#include "ExpImport.h"
#include "ImportModel.h"
#include "common/Prompter.h"
#include "contest/OffenerContest.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

ImportWindow::ImportWindow(ImportModel& model, QWidget* parent)
    : QDialog(parent)
    , model_(model)
{
    setObjectName(u"frmImport"_s);
    setWindowTitle(u"EXP-Datei importieren"_s);
    auto* layout = new QVBoxLayout(this);
    File1_ = new QListWidget(this);
    File1_->setObjectName(u"File1"_s);
    File1_->addItems(ImportModel::File1());
    File1_->setMinimumSize(320, 220);
    if (File1_->count() > 0)
        File1_->setCurrentRow(0);
    layout->addWidget(File1_);

    auto* knöpfe = new QHBoxLayout;
    auto* importieren = new QPushButton(u"importieren"_s, this);
    importieren->setObjectName(u"importieren"_s);
    importieren->setDefault(true);
    auto* abbrechen = new QPushButton(u"abbrechen"_s, this);
    abbrechen->setObjectName(u"Command1"_s);
    knöpfe->addStretch();
    knöpfe->addWidget(importieren);
    knöpfe->addWidget(abbrechen);
    layout->addLayout(knöpfe);

    connect(importieren, &QPushButton::clicked, this, &ImportWindow::importieren);
    // Not itemActivated: Enter activates the item and then reaches the default
    // button too, which would import the file twice.
    connect(File1_, &QListWidget::itemDoubleClicked, this, &ImportWindow::importieren);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    File1_->setFocus();
}

void ImportWindow::importieren()
{
    const QListWidgetItem* item = File1_->currentItem();
    const QString datei = item != nullptr && item->isSelected() ? item->text() : QString();
    if (model_.importieren(datei))
        accept();
}

bool ImportWindow::ausführen(QWidget* parent, OffenerContest& contest, Prompter& prompter)
{
    if (!contest.hatContest()) {
        prompter.zeige(hinweisMeldung(u"Bitte zuerst einen Contest anlegen oder öffnen."_s));
        return false;
    }
    ExpImport import(contest, prompter);
    ImportModel model(import, prompter);
    ImportWindow fenster(model, parent);
    fenster.exec();
    return model.importiert();
}

} // namespace tarvex
