#include "LocatorTextWindow.h"

#include "KartenZeichner.h"
#include "LocatorTextModel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtMath>

namespace tarvex {

using namespace Qt::StringLiterals;

LocatorTextWindow::LocatorTextWindow(LocatorTextModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , model_(model)
{
    setObjectName(u"frmLocatorText"_s);
    setWindowTitle(u"Tarvex"_s);
    QFont schrift;
    schrift.setFamilies({ u"Courier New"_s, u"Liberation Mono"_s, u"DejaVu Sans Mono"_s });
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setPointSizeF(8.25);

    text_ = new QTextEdit(this);
    text_->setObjectName(u"txtKarte"_s);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QTextEdit::NoWrap);
    text_->setFont(schrift);
    text_->setFrameShape(QFrame::NoFrame);
    QPalette p = text_->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    text_->setPalette(p);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    cmdAbbrechen_ = new QPushButton(u"Abbrechen"_s, this);
    cmdAbbrechen_->setObjectName(u"cmdAbbrechen"_s);
    connect(cmdAbbrechen_, &QPushButton::clicked, this, &QWidget::close);
    connect(&model_, &LocatorTextModel::changed, this, &LocatorTextWindow::zeigen);

    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(cmdAbbrechen_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(unten);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void LocatorTextWindow::zeigen()
{
    text_->clear();
    QTextCursor cursor(text_->document());
    bool erste = true;
    for (const QList<LocatorTextModel::Zelle>& zeile : model_.zeilen()) {
        if (!erste)
            cursor.insertBlock();
        erste = false;
        for (const LocatorTextModel::Zelle& zelle : zeile) {
            QTextCharFormat format;
            format.setForeground(KartenZeichner::farbe(zelle.farbe));
            // Yellow and dark red are the counts' colours; a background makes them readable.
            if (zelle.farbe == LocatorTextModel::kGelb)
                format.setBackground(Qt::black);
            else if (zelle.farbe == LocatorTextModel::kDunkelrot)
                format.setBackground(KartenZeichner::farbe(LocatorTextModel::kGelb));
            // The blank between the cells stays on the window's background.
            cursor.insertText(zelle.text.chopped(1), format);
            cursor.insertText(zelle.text.right(1), QTextCharFormat());
        }
    }
    text_->moveCursor(QTextCursor::Start);
    // The whole map is always in view: the box takes the size of its text.
    QTextDocument* doc = text_->document();
    const int rand = 2 * text_->frameWidth() + 2;
    text_->setFixedSize(qCeil(doc->idealWidth()) + rand, qCeil(doc->size().height()) + rand);
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
