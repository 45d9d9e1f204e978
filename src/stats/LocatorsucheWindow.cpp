#include "LocatorsucheWindow.h"

#include "LocatorsucheModel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {
constexpr int kTwipsProPixel = 15;
}

LocatorsucheWindow::LocatorsucheWindow(LocatorsucheModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , model_(model)
{
    setObjectName(u"frmLocatorsuche"_s);
    setWindowTitle(u"Tarvex"_s);

    auto* label = new QLabel(u"Locator"_s, this);
    txtLocator_ = new QLineEdit(this);
    txtLocator_->setObjectName(u"txtLocator"_s);
    label->setBuddy(txtLocator_);
    cmdSuchen_ = new QPushButton(u"Stationen suchen"_s, this);
    cmdSuchen_->setObjectName(u"cmdSuchen"_s);
    cmdAbbrechen_ = new QPushButton(u"Abbrechen"_s, this);
    cmdAbbrechen_->setObjectName(u"cmdAbbrechen"_s);
    dbGrid1_ = new QTableView(this);
    dbGrid1_->setObjectName(u"DBGrid1"_s);
    dbGrid1_->setModel(&model_);
    dbGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbGrid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbGrid1_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    dbGrid1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed); // fast with 100,000 rows
    dbGrid1_->verticalHeader()->hide();
    dbGrid1_->horizontalHeader()->setStretchLastSection(false);
    dbGrid1_->setMinimumSize(
        (LocatorsucheModel::kBreiteRufzeichen + LocatorsucheModel::kBreiteLocator) / kTwipsProPixel + 24,
        260);

    // Letters become capitals as they are typed; the cursor stays where it was.
    connect(txtLocator_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setTxtLocator(text);
        if (model_.txtLocator() != text) {
            const int cursor = txtLocator_->cursorPosition();
            txtLocator_->setText(model_.txtLocator());
            txtLocator_->setCursorPosition(cursor);
        }
    });
    connect(txtLocator_, &QLineEdit::returnPressed, this, &LocatorsucheWindow::suchen);
    connect(cmdSuchen_, &QPushButton::clicked, this, &LocatorsucheWindow::suchen);
    connect(cmdAbbrechen_, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(txtLocator_, 0, 1);
    layout->addWidget(cmdSuchen_, 0, 2);
    layout->addWidget(dbGrid1_, 1, 0, 1, 3);
    layout->addWidget(cmdAbbrechen_, 2, 2);
    layout->setColumnStretch(1, 1);

    txtLocator_->setText(model_.txtLocator());
    model_.suchen();
}

void LocatorsucheWindow::suchen()
{
    model_.setTxtLocator(txtLocator_->text());
    model_.suchen();
    cmdAbbrechen_->setFocus();
}

bool LocatorsucheWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        dbGrid1_->setColumnWidth(0, LocatorsucheModel::kBreiteRufzeichen / kTwipsProPixel);
        dbGrid1_->setColumnWidth(1, LocatorsucheModel::kBreiteLocator / kTwipsProPixel);
    }
    return QWidget::event(event);
}

void LocatorsucheWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        cmdAbbrechen_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tarvex
