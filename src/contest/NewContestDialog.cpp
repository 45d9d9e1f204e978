#include "NewContestDialog.h"

#include "common/Grossschreibung.h"
#include "store/BandList.h"
#include "ui/Feldverlassen.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>
#include <memory>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// The form's tick boxes keep the names they have always had ("chk144", "chk13").
QString kästchenName(const QString& tabelle)
{
    static const QHash<QString, QString> namen {
        { u"50MHz"_s, u"chk50"_s },
        { u"144MHz"_s, u"chk144"_s },
        { u"432MHz"_s, u"chk432"_s },
        { u"1296MHz"_s, u"chk13"_s },
        { u"2320MHz"_s, u"chk23"_s },
        { u"3400MHz"_s, u"chk34"_s },
        { u"5760MHz"_s, u"chk57"_s },
        { u"10368MHz"_s, u"chk10"_s },
        { u"24192MHz"_s, u"chk24"_s },
        { u"47088MHz"_s, u"chk47"_s },
        { u"76032MHz"_s, u"chk76"_s },
    };
    return namen.value(tabelle);
}

const QString k50MHz = u"50MHz"_s;

// Turns every typed letter into a capital before it reaches the field; going
// through the validator keeps the field's undo and cursor intact.
class Großschreibung final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = großschreiben(input);
        return Acceptable;
    }
};

QLineEdit* feld(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(new Großschreibung(edit));
    return edit;
}

} // namespace

NewContestDialog::NewContestDialog(ContestModel& contest, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , model_(contest, prompter)
{
    setObjectName(u"frmNeu"_s);
    setWindowTitle(u"Neuen Contest anlegen"_s);

    auto* menuBar = new QMenuBar(this);
    QMenu* optionen = menuBar->addMenu(u"Optionen"_s);
    optionen->setObjectName(u"mnuOption"_s);
    mnu50MHz_ = optionen->addAction(u"50 MHz Option"_s);
    mnu50MHz_->setObjectName(u"mnu50MHz"_s);
    mnu50MHz_->setCheckable(true);

    txtName_ = feld(u"txtName"_s, this);
    txtCall_ = feld(u"txtCall"_s, this);
    txtLocator_ = feld(u"txtLocator"_s, this);
    auto* felder = new QFormLayout;
    felder->addRow(u"Dateiname"_s, txtName_);
    felder->addRow(u"Rufzeichen"_s, txtCall_);
    felder->addRow(u"Locator"_s, txtLocator_);

    // 50 MHz on a row of its own, so hiding it leaves no hole; the others in two columns.
    auto* rahmen = new QGroupBox(u"Bänder"_s, this);
    rahmen->setObjectName(u"fraBänder"_s);
    auto* raster = new QGridLayout(rahmen);
    int index = 0;
    for (const BandInfo& band : alleBänder()) {
        auto* box = new QCheckBox(band.anzeige, rahmen);
        box->setObjectName(kästchenName(band.tabelle));
        bänder_.insert(band.tabelle, box);
        if (band.tabelle == k50MHz) {
            raster->addWidget(box, 0, 0);
        } else {
            raster->addWidget(box, 1 + index % 5, index / 5);
            ++index;
        }
        const QString tabelle = band.tabelle;
        connect(
            box, &QCheckBox::toggled, this, [this, tabelle](bool an) { model_.setBandGewählt(tabelle, an); });
    }

    cmdOk_ = new QPushButton(u"OK"_s, this);
    cmdOk_->setObjectName(u"cmdOk"_s);
    cmdOk_->setDefault(true);
    cmdAbbrechen_ = new QPushButton(u"Abbrechen"_s, this);
    cmdAbbrechen_->setObjectName(u"cmdAbbrechen"_s);
    locatorVerlassen_ = new Feldverlassen(this, txtLocator_, cmdAbbrechen_, [this] { locatorPrüfen(); });
    auto* knöpfe = new QHBoxLayout;
    knöpfe->addStretch();
    knöpfe->addWidget(cmdOk_);
    knöpfe->addWidget(cmdAbbrechen_);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(felder);
    layout->addWidget(rahmen);
    layout->addLayout(knöpfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Keyboard order: the fields, the bands in band-list order, then the buttons.
    QWidget* vorher = txtLocator_;
    setTabOrder(txtName_, txtCall_);
    setTabOrder(txtCall_, txtLocator_);
    for (const BandInfo& band : alleBänder()) {
        setTabOrder(vorher, bänder_.value(band.tabelle));
        vorher = bänder_.value(band.tabelle);
    }
    setTabOrder(vorher, cmdOk_);
    setTabOrder(cmdOk_, cmdAbbrechen_);

    connect(txtName_, &QLineEdit::textChanged, this, [this](const QString& t) { model_.setTxtName(t); });
    connect(txtCall_, &QLineEdit::textChanged, this, [this](const QString& t) { model_.setTxtCall(t); });
    connect(
        txtLocator_, &QLineEdit::textChanged, this, [this](const QString& t) { model_.setTxtLocator(t); });
    connect(mnu50MHz_, &QAction::triggered, this, [this] {
        model_.option50MHzUmschalten();
        anzeigen();
    });
    connect(cmdOk_, &QPushButton::clicked, this, &NewContestDialog::ok);
    connect(cmdAbbrechen_, &QPushButton::clicked, this, &NewContestDialog::reject);

    anzeigen();
}

NewContestDialog* NewContestDialog::instanz(QWidget* parent, ContestModel& contest, Prompter& prompter)
{
    if (parent) {
        if (auto* vorhanden = parent->findChild<NewContestDialog*>(QString(), Qt::FindDirectChildrenOnly))
            return vorhanden;
    }
    return new NewContestDialog(contest, prompter, parent);
}

bool NewContestDialog::ausführen(
    QWidget* parent, ContestModel& contest, Prompter& prompter, const QDate& heute)
{
    NewContestDialog* dialog = instanz(parent, contest, prompter);
    std::unique_ptr<NewContestDialog> ohneEltern(parent ? nullptr : dialog);
    // A form offered without blocking is shown again, modal this time.
    dialog->hide();
    dialog->vorbereiten(heute);
    return dialog->exec() == QDialog::Accepted;
}

NewContestDialog* NewContestDialog::anbieten(
    QWidget* parent, ContestModel& contest, Prompter& prompter, const QDate& heute)
{
    NewContestDialog* dialog = instanz(parent, contest, prompter);
    if (!parent)
        dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (!dialog->isVisible()) {
        dialog->vorbereiten(heute);
        dialog->setModal(false);
        dialog->show();
    }
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

void NewContestDialog::vorbereiten(const QDate& heute)
{
    model_.vorbelegen(heute);
    anzeigen();
    txtName_->setFocus();
    txtName_->selectAll();
}

void NewContestDialog::anzeigen()
{
    txtName_->setText(model_.txtName());
    txtCall_->setText(model_.txtCall());
    txtLocator_->setText(model_.txtLocator());
    for (auto it = bänder_.cbegin(); it != bänder_.cend(); ++it) {
        const QSignalBlocker still(it.value());
        it.value()->setChecked(model_.bandGewählt(it.key()));
    }
    bänder_.value(k50MHz)->setVisible(model_.chk50Sichtbar());
    mnu50MHz_->setChecked(model_.option50MHz());
    cmdAbbrechen_->setEnabled(model_.abbrechenMöglich());
}

void NewContestDialog::ok()
{
    // A click that took the focus out of a wrong locator only shows that message.
    if (locatorVerlassen_->unterwegs())
        return;
    // Enter in the locator field leaves it as well.
    if (txtLocator_->hasFocus() && !model_.locatorVerlassen()) {
        zurückNachMeldung();
        return;
    }
    if (!model_.anlegen()) {
        zurückNachMeldung();
        return;
    }
    accept();
    emit created();
}

void NewContestDialog::reject()
{
    if (model_.abbrechenMöglich())
        QDialog::reject();
}

void NewContestDialog::locatorPrüfen()
{
    if (!model_.locatorVerlassen()) {
        cmdOk_->setDown(false);
        zurückNachMeldung();
        txtLocator_->setFocus(Qt::OtherFocusReason);
    }
}

void NewContestDialog::zurückNachMeldung()
{
    // A message box hands the activation to its own parent, which need not be
    // this form; the operator's next key belongs here.
    if (isVisible())
        activateWindow();
}

} // namespace tarvex
