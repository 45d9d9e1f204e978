#include "CopyrightDialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

QString CopyrightDialog::autorZeile()
{
    return u"Tarvex V3.0 – geschrieben von den Tarvex-Entwicklern für die Funkamateure "
           u"im UKW-, UHF- und Mikrowellen-Contest"_s;
}

QString CopyrightDialog::nutzungsbedingungen()
{
    return u"Nutzungsbedingungen\n"
           u"\n"
           u"Tarvex ist für Funkamateure frei. Sie dürfen das Programm ohne Gebühr benutzen, "
           u"kopieren und an andere Funkamateure weitergeben: für Conteste, Fielddays, "
           u"Clubstationen und den Betrieb zu Hause.\n"
           u"\n"
           u"1. Die Nutzung kostet nichts. Wer Tarvex weitergibt, gibt es vollständig, "
           u"kostenlos und mit diesen Bedingungen weiter.\n"
           u"\n"
           u"2. Tarvex darf nicht verkauft und nicht mit Waren oder Diensten gebündelt werden, "
           u"für die Geld verlangt wird.\n"
           u"\n"
           u"3. Ihre Contest-Dateien, Journale und Ausdrucke gehören Ihnen. Tarvex schickt "
           u"keine Daten an Dritte; es sendet nur dann eine E-Mail, wenn Sie die Einsendung "
           u"selbst auslösen.\n"
           u"\n"
           u"4. Tarvex wird ohne jede Gewähr geliefert. Die Entwickler haften nicht für "
           u"verlorene Verbindungen, Punkte oder Platzierungen. Sichern Sie nach jedem Contest "
           u"die Contest-Datei (NAME.mdb) und ihr Journal (NAME.txt).\n"
           u"\n"
           u"5. Für die Richtigkeit der Einsendung ist der Teilnehmer verantwortlich, nicht "
           u"das Programm. Prüfen Sie das Log, bevor Sie es abschicken.\n"
           u"\n"
           u"6. Die mitgelieferten Referenzdaten (Präfixe, Länder je Großfeld, bekannte "
           u"Stationen) sind eine Hilfe und können veraltet sein. Sie beruhen auf den "
           u"Country-Files von AD1C (MIT-Lizenz) und auf Natural Earth (gemeinfrei).\n"
           u"\n"
           u"Fehlerberichte und Wünsche nehmen die Entwickler gern entgegen.\n"
           u"\n"
           u"73 und viel Erfolg im Contest!"_s;
}

CopyrightDialog::CopyrightDialog(QWidget* parent)
    : QDialog(parent)
    , text1_(new QPlainTextEdit(nutzungsbedingungen(), this))
{
    setObjectName(u"frmCopyright"_s);
    setWindowTitle(u"Urheberrechte"_s);

    auto* autor = new QLabel(autorZeile(), this);
    autor->setObjectName(u"lblAutor"_s);
    autor->setWordWrap(true);
    QFont fett = autor->font();
    fett.setBold(true);
    autor->setFont(fett);

    text1_->setObjectName(u"Text1"_s);
    text1_->setReadOnly(true);
    // Moving the mouse over the text removes any selection in it.
    text1_->viewport()->setMouseTracking(true);
    text1_->viewport()->installEventFilter(this);

    auto* command1 = new QPushButton(u"Schließen"_s, this);
    command1->setObjectName(u"Command1"_s);
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* knöpfe = new QHBoxLayout;
    knöpfe->addStretch();
    knöpfe->addWidget(command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(autor);
    layout->addWidget(text1_);
    layout->addLayout(knöpfe);
    resize(520, 440);
    command1->setFocus();
}

void CopyrightDialog::zeigen(QWidget* parent)
{
    CopyrightDialog dialog(parent);
    dialog.exec();
}

bool CopyrightDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == text1_->viewport() && event->type() == QEvent::MouseMove) {
        QTextCursor cursor = text1_->textCursor();
        if (cursor.hasSelection()) {
            cursor.clearSelection();
            text1_->setTextCursor(cursor);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tarvex
