#include "MessageBoxPrompter.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tarvex {

MessageBoxPrompter::MessageBoxPrompter(QWidget* parent)
    : parent_(parent)
{
}

namespace {

QMessageBox::Icon icon(Meldung::Symbol symbol)
{
    switch (symbol) {
    case Meldung::Symbol::Information:
        return QMessageBox::Information;
    case Meldung::Symbol::Frage:
        return QMessageBox::Question;
    case Meldung::Symbol::Ausrufezeichen:
        return QMessageBox::Warning;
    case Meldung::Symbol::Kritisch:
        return QMessageBox::Critical;
    case Meldung::Symbol::Keins:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttons(Meldung::Knöpfe knöpfe)
{
    switch (knöpfe) {
    case Meldung::Knöpfe::Ok:
        return QMessageBox::Ok;
    case Meldung::Knöpfe::OkAbbrechen:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Meldung::Knöpfe::JaNein:
        return QMessageBox::Yes | QMessageBox::No;
    case Meldung::Knöpfe::JaNeinAbbrechen:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton button(Meldung::Antwort antwort)
{
    switch (antwort) {
    case Meldung::Antwort::Ok:
        return QMessageBox::Ok;
    case Meldung::Antwort::Abbrechen:
        return QMessageBox::Cancel;
    case Meldung::Antwort::Ja:
        return QMessageBox::Yes;
    case Meldung::Antwort::Nein:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

} // namespace

Meldung::Antwort MessageBoxPrompter::zeige(const Meldung& meldung)
{
    // A note that comes while a box is open (a mail's result during the reminder)
    // would cover it; it follows once the operator has closed the box. A question
    // cannot wait: its caller needs the answer.
    if (offen_ > 0 && meldung.knöpfe == Meldung::Knöpfe::Ok) {
        später_.append(meldung);
        return Meldung::Antwort::Ok;
    }
    ++offen_;
    const Meldung::Antwort antwort = zeigeJetzt(meldung);
    --offen_;
    while (offen_ == 0 && !später_.isEmpty())
        zeige(später_.takeFirst());
    return antwort;
}

Meldung::Antwort MessageBoxPrompter::zeigeJetzt(const Meldung& meldung)
{
    QMessageBox box(icon(meldung.symbol), meldung.titel, meldung.text, buttons(meldung.knöpfe), parent_);
    box.setDefaultButton(button(meldung.standard));
    // German captions regardless of the desktop's language.
    const std::pair<QMessageBox::StandardButton, const char16_t*> captions[] = { { QMessageBox::Yes, u"&Ja" },
        { QMessageBox::No, u"&Nein" }, { QMessageBox::Cancel, u"Abbrechen" }, { QMessageBox::Ok, u"OK" } };
    for (const auto& [which, caption] : captions) {
        if (QAbstractButton* b = box.button(which))
            b->setText(QString::fromUtf16(caption));
    }
    // The window behind shows what the question is about before the box appears.
    if (parent_ != nullptr)
        parent_->window()->repaint();
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Meldung::Antwort::Abbrechen;
    case QMessageBox::Yes:
        return Meldung::Antwort::Ja;
    case QMessageBox::No:
        return Meldung::Antwort::Nein;
    default:
        return Meldung::Antwort::Ok;
    }
}

std::optional<QString> MessageBoxPrompter::frage(const Eingabefrage& frage)
{
    QInputDialog box(parent_);
    box.setWindowTitle(frage.titel);
    box.setLabelText(frage.text);
    box.setTextValue(frage.vorgabe);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

std::optional<QString> MessageBoxPrompter::dateiWählen(const Dateiwahl& frage)
{
    QString pfad;
    switch (frage.art) {
    case Dateiwahl::Art::Öffnen:
        pfad = QFileDialog::getOpenFileName(parent_, frage.titel, frage.vorgabe, frage.filter);
        break;
    case Dateiwahl::Art::Speichern:
        pfad = QFileDialog::getSaveFileName(parent_, frage.titel, frage.vorgabe, frage.filter);
        break;
    case Dateiwahl::Art::Ordner: {
        QFileDialog dialog(parent_, frage.titel, frage.vorgabe);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        // Only Qt's own dialog takes these; a desktop dialog brings its own words.
        dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
        dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Ordner:"));
        dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
        dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Wählen"));
        dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            pfad = dialog.selectedFiles().first();
        break;
    }
    }
    if (pfad.isEmpty())
        return std::nullopt;
    return pfad;
}

QStringList MessageBoxPrompter::dateienWählen(const Dateiwahl& frage)
{
    return QFileDialog::getOpenFileNames(parent_, frage.titel, frage.vorgabe, frage.filter);
}

} // namespace tarvex
