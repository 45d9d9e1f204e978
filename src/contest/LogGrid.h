#pragma once
#include <QTableView>

namespace tarvex {

// DBGrid1: the log of the current band. Up on the first row or any typed key
// hands the focus back to the input line; receiving the focus tells the status bar.
class LogGrid : public QTableView {
    Q_OBJECT
public:
    explicit LogGrid(QWidget* parent = nullptr);

    // Column widths and alignment for the band table's columns.
    void justieren(bool kommentarSichtbar);
    // The last contact becomes the top visible row.
    void zumEnde();
    // Selected data row, or -1.
    int aktuelleZeile() const;

signals:
    // typed: the character that sent the focus back, to be typed into the input line.
    void leaveRequested(const QString& typed);
    void entered();

protected:
    void updateGeometries() override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace tarvex
