#include "KeystrokeLogDialog.h"

#include "entry/KeystrokeLog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

KeystrokeLogDialog::KeystrokeLogDialog(const QString& text, QWidget* parent)
    : QDialog(parent)
    , txtLastInput_(new QPlainTextEdit(text, this))
{
    setObjectName(u"frmEinga"_s);
    setWindowTitle(u"letzte Eingaben"_s);
    txtLastInput_->setObjectName(u"txtLastInput"_s);
    txtLastInput_->setReadOnly(true);
    // Tokens line up like they were typed.
    txtLastInput_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* command1 = new QPushButton(u"Schließen"_s, this);
    command1->setObjectName(u"Command1"_s);
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* knöpfe = new QHBoxLayout;
    knöpfe->addStretch();
    knöpfe->addWidget(command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtLastInput_);
    layout->addLayout(knöpfe);
    resize(320, 360);
    // Enter or Esc closes at once; the button has the focus, not the text.
    command1->setFocus();
}

bool KeystrokeLogDialog::zeigen(QWidget* parent, const KeystrokeLog& log)
{
    const std::optional<QString> text = log.letzteEingaben();
    if (!text)
        return false;
    KeystrokeLogDialog dialog(*text, parent);
    dialog.exec();
    return true;
}

} // namespace tarvex
