#include "DruckerwahlDialog.h"

#include "print/Druckerwahl.h"
#include "store/Settings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

const QString DruckerwahlDialog::kAbschnitt = u"Drucker"_s;
const QString DruckerwahlDialog::kSchlüssel = u"Name"_s;

namespace {
constexpr int namensRolle = Qt::UserRole;
} // namespace

DruckerwahlDialog::DruckerwahlDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"frmDruckerwahl"_s);
    setWindowTitle(u"Drucker wählen"_s);
    liste_ = new QListWidget;
    liste_->setObjectName(u"lstDrucker"_s);
    const QString standard = QPrinterInfo::defaultPrinterName();
    auto* erster = new QListWidgetItem(standard.isEmpty()
            ? u"Standarddrucker (zurzeit keiner: Ausdruck als PDF-Datei)"_s
            : u"Standarddrucker (zurzeit \u201E%1\u201C)"_s.arg(standard),
        liste_);
    erster->setData(namensRolle, QString());
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        (new QListWidgetItem(name, liste_))->setData(namensRolle, name);
    liste_->setCurrentRow(0);
    auto* etikett = new QLabel(u"Alle Ausdrucke gehen an diesen &Drucker:"_s);
    etikett->setBuddy(liste_);
    auto* knöpfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knöpfe->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_s);
    connect(knöpfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(liste_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(etikett);
    spalte->addWidget(liste_);
    spalte->addWidget(knöpfe);
    breiteAnpassen();
}

void DruckerwahlDialog::breiteAnpassen()
{
    const int rand = 2 * liste_->frameWidth() + liste_->verticalScrollBar()->sizeHint().width() + 16;
    const int breite = liste_->sizeHintForColumn(0) + rand;
    const QRect bildschirm = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    liste_->setMinimumWidth(std::min(breite, bildschirm.width() * 9 / 10));
}

QString DruckerwahlDialog::auswahl() const
{
    const QListWidgetItem* eintrag = liste_->currentItem();
    return eintrag ? eintrag->data(namensRolle).toString() : QString();
}

void DruckerwahlDialog::setAuswahl(const QString& drucker)
{
    for (int i = 0; i < liste_->count(); ++i)
        if (liste_->item(i)->data(namensRolle).toString() == drucker) {
            liste_->setCurrentRow(i);
            return;
        }
    // A chosen printer that has gone is still shown, so the operator sees why
    // printing fails and can choose another.
    auto* weg = new QListWidgetItem(u"%1 (nicht mehr eingerichtet)"_s.arg(drucker), liste_);
    weg->setData(namensRolle, drucker);
    liste_->setCurrentItem(weg);
    breiteAnpassen();
}

void DruckerwahlDialog::ausführen(QWidget* parent, Settings& settings, Druckerwahl& wahl)
{
    DruckerwahlDialog dialog(parent);
    dialog.setAuswahl(wahl.gewählt());
    if (dialog.exec() != QDialog::Accepted)
        return;
    settings.schreiben(kAbschnitt, kSchlüssel, dialog.auswahl());
    wahl.setGewählt(dialog.auswahl());
}

void DruckerwahlDialog::einstellungLaden(const Settings& settings, Druckerwahl& wahl)
{
    wahl.setGewählt(settings.lesen(kAbschnitt, kSchlüssel));
}

} // namespace tarvex
