#include "DeleteContestDialog.h"

#include "ContestLoeschen.h"
#include "ContestModel.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

DeleteContestDialog::DeleteContestDialog(ContestLöschen& löschen, QWidget* parent)
    : QDialog(parent)
    , löschen_(löschen)
    , liste_(new QListWidget(this))
{
    setWindowTitle(u"Contest löschen"_s);
    liste_->setObjectName(u"File1"_s);
    liste_->addItems(löschen_.dateien());
    if (liste_->count() > 0)
        liste_->setCurrentRow(0);

    auto* knöpfe = new QDialogButtonBox(this);
    QPushButton* cmdOk = knöpfe->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    cmdOk->setObjectName(u"cmdOk"_s);
    cmdOk->setDefault(true);
    QPushButton* abbrechen = knöpfe->addButton(u"Abbrechen"_s, QDialogButtonBox::RejectRole);
    abbrechen->setObjectName(u"cmdAbbrechen"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(liste_);
    layout->addWidget(knöpfe);

    connect(knöpfe, &QDialogButtonBox::accepted, this, [this] { ok(); });
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this] { ok(); });
    liste_->setFocus();
}

void DeleteContestDialog::ok()
{
    if (const QListWidgetItem* item = liste_->currentItem())
        löschen_.löschen(item->text());
    accept();
}

void DeleteContestDialog::ausführen(QWidget* parent, ContestModel& model, Prompter& prompter)
{
    ContestLöschen löschen(model.Datenbank(), prompter);
    DeleteContestDialog dialog(löschen, parent);
    dialog.exec();
}

} // namespace tarvex
