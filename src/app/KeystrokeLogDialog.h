#pragma once
#include <QDialog>

class QPlainTextEdit;

namespace tarvex {

class KeystrokeLog;

// frmEinga, "letzte Eingaben": the tokens typed for the contact in progress,
// read-only, so a lost entry can be typed again.
class KeystrokeLogDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeystrokeLogDialog(const QString& text, QWidget* parent = nullptr);

    // The menu command: modal; opens nothing when the keystroke log does not
    // exist. True when the window was shown.
    static bool zeigen(QWidget* parent, const KeystrokeLog& log);

private:
    QPlainTextEdit* txtLastInput_;
};

} // namespace tarvex
