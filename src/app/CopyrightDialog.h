#pragma once
#include <QDialog>

class QPlainTextEdit;

namespace tarvex {

// frmCopyright, "Urheberrechte": who wrote Tarvex and the terms of use.
class CopyrightDialog : public QDialog {
    Q_OBJECT
public:
    explicit CopyrightDialog(QWidget* parent = nullptr);

    // The Help menu's "&Copyright": modal.
    static void zeigen(QWidget* parent);

    static QString autorZeile();
    static QString nutzungsbedingungen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* text1_;
};

} // namespace tarvex
