#include "LocatorTextWindow.h"

#include "LocatorTextModel.h"
#include "Textkarte.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

LocatorTextWindow::LocatorTextWindow(LocatorTextModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , model_(model)
{
    setObjectName(u"frmLocatorText"_s);
    setWindowTitle(u"Tarvex"_s);
    karte_ = new Textkarte(this);
    karte_->setObjectName(u"txtKarte"_s);

    cmdAbbrechen_ = new QPushButton(u"Abbrechen"_s, this);
    cmdAbbrechen_->setObjectName(u"cmdAbbrechen"_s);
    connect(cmdAbbrechen_, &QPushButton::clicked, this, &QWidget::close);
    connect(&model_, &LocatorTextModel::changed, this, &LocatorTextWindow::zeigen);

    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(cmdAbbrechen_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(karte_);
    layout->addLayout(unten);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void LocatorTextWindow::zeigen()
{
    karte_->setZeilen(model_.zeilen());
}

bool LocatorTextWindow::event(QEvent* event)
{
    // Shown without becoming active (some window managers) it must not stay empty.
    if (event->type() == QEvent::WindowActivate || (event->type() == QEvent::Show && !isActiveWindow()))
        model_.aktivieren();
    return QWidget::event(event);
}

void LocatorTextWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        cmdAbbrechen_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tarvex
