#pragma once
#include <QObject>
#include <functional>

class QAbstractItemView;

namespace tarvex {

// A list whose row is taken with Enter or a double click, as an operator picks
// a station from it; the view's own Enter (editing, moving on) never runs.
class Zeilenwahl final : public QObject {
public:
    Zeilenwahl(QAbstractItemView* liste, std::function<void(int zeile)> nehmen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* liste_;
    std::function<void(int)> nehmen_;
};

} // namespace tarvex
