#include "LogGrid.h"

#include "LogColumns.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

namespace tarvex {

LogGrid::LogGrid(QWidget* parent)
    : QTableView(parent)
{
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
}

void LogGrid::justieren(bool kommentarSichtbar)
{
    if (model() == nullptr)
        return;
    for (int c = 0; c < model()->columnCount(); ++c) {
        const int breite = logSpaltenbreite(c, kommentarSichtbar);
        setColumnHidden(c, breite == 0);
        if (breite > 0)
            setColumnWidth(c, breite);
    }
}

void LogGrid::updateGeometries()
{
    QTableView::updateGeometries();
    // Scrolling goes on until the last contact is the top row, empty space below it.
    if (model() != nullptr && model()->rowCount() > 0)
        verticalScrollBar()->setMaximum(rowViewportPosition(model()->rowCount() - 1) + verticalOffset());
}

void LogGrid::zumEnde()
{
    if (model() == nullptr || model()->rowCount() == 0)
        return;
    const QModelIndex letzte = model()->index(model()->rowCount() - 1, 0);
    selectionModel()->setCurrentIndex(
        letzte, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    updateGeometries();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

int LogGrid::aktuelleZeile() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void LogGrid::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Up && aktuelleZeile() <= 0) {
        emit leaveRequested(QString());
        return;
    }
    const bool navigation = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp
        || key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_Left
        || key == Qt::Key_Right || key == Qt::Key_Tab || key == Qt::Key_Backtab
        || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) || event->text().isEmpty();
    if (key == Qt::Key_Escape) {
        emit leaveRequested(QString());
        return;
    }
    if (!navigation) {
        emit leaveRequested(event->text());
        return;
    }
    QTableView::keyPressEvent(event);
}

void LogGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    emit entered();
}

} // namespace tarvex
