#include "InputLineEdit.h"

#include "ZeichenValidator.h"
#include "entry/EntryModel.h"
#include "entry/InputLine.h"

#include <QKeyEvent>

namespace tarvex {

InputLineEdit::InputLineEdit(EntryModel& model, QWidget* parent)
    : QLineEdit(parent)
    , model_(model)
{
    setPlaceholderText(QStringLiteral("Alle Eingaben erfolgen hier!"));
    setValidator(new ZeichenValidator(&eingabeFiltern, this));
    // While a line is evaluated the model may ask a question: the line shows
    // what is left of it by then.
    connect(&model_, &EntryModel::changed, this, [this] {
        if (auswertend_)
            setText(model_.felder().txtInput);
    });
}

void InputLineEdit::auswerten(bool f12)
{
    model_.setzeEingabe(text());
    auswertend_ = true;
    if (f12)
        model_.f12();
    else
        model_.enter();
    auswertend_ = false;
    setText(model_.felder().txtInput);
    emit lineEvaluated();
}

bool InputLineEdit::event(QEvent* event)
{
    // Ctrl+K is the text map's key, not the line editor's "delete to the end":
    // the menu gets it even while the operator types.
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::DeleteEndOfLine)) {
        event->ignore();
        return false;
    }
    return QLineEdit::event(event);
}

void InputLineEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        auswerten(false);
        return;
    case Qt::Key_F12:
        if (model_.felder().loggen == Speichertaste::F12)
            auswerten(true);
        return;
    case Qt::Key_Escape:
        model_.andereTaste();
        model_.escape();
        setText(model_.felder().txtInput);
        emit lineEvaluated();
        return;
    case Qt::Key_Down:
        model_.andereTaste();
        emit downPressed();
        return;
    default:
        break;
    }
    model_.andereTaste();
    // Typed characters, pastes and editing keys alike pass the validator's rule.
    QLineEdit::keyPressEvent(event);
}

} // namespace tarvex
