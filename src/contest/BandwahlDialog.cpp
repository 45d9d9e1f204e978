#include "BandwahlDialog.h"

#include "ContestModel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>

namespace tarvex {

using namespace Qt::StringLiterals;

BandwahlDialog::BandwahlDialog(const QList<BandKnopf>& knöpfe, const QString& aktuellesBand, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(u"Band auswählen"_s);
    auto* layout = new QGridLayout(this);
    // In a group the arrow keys move the focus to the neighbouring button.
    auto* gruppe = new QButtonGroup(this);
    gruppe->setExclusive(false);

    QPushButton* fokus = nullptr;
    int i = 0;
    for (const BandKnopf& k : knöpfe) {
        auto* knopf = new QPushButton(k.caption, this);
        knopf->setObjectName(k.name);
        knopf->setEnabled(k.aktiv);
        if (!k.sichtbar)
            knopf->hide();
        knopf->setMinimumWidth(110);
        gruppe->addButton(knopf);
        // Two columns, lower bands first; 50 MHz alone in the last row.
        layout->addWidget(knopf, i / 2, i % 2);
        ++i;
        connect(knopf, &QPushButton::clicked, this, [this, band = k.band] {
            gewählt_ = band;
            accept();
        });
        if (k.aktiv && (fokus == nullptr || k.band == aktuellesBand))
            fokus = knopf;
    }
    if (fokus != nullptr) {
        fokus->setDefault(true);
        fokus->setFocus();
    }
}

bool BandwahlDialog::ausführen(
    QWidget* parent, ContestModel& model, Prompter& prompter, const QString& transceiverBand)
{
    if (!model.hatContest())
        return false;
    const QList<BandKnopf> knöpfe = Bandwahl::knöpfe(model.settings());
    BandwahlDialog dialog(knöpfe, Bandwahl::vorschlag(knöpfe, transceiverBand, model.Band()), parent);
    // The form is gone before the switch, so the carry-over question stands alone.
    if (dialog.exec() != QDialog::Accepted || dialog.gewählt().isEmpty())
        return false;
    return Bandwahl(model, prompter).BandSetzen(dialog.gewählt());
}

} // namespace tarvex
