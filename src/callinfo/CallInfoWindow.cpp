#include "CallInfoWindow.h"

#include "CallInfoModel.h"
#include "ui/Zurueckmenue.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

QLineEdit* zeile(QWidget* parent, const QString& name, int länge)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(länge);
    return edit;
}

// Sets a field without moving the cursor when the text is already there.
void setzeText(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    const int cursor = edit->cursorPosition();
    edit->setText(text);
    edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
}

} // namespace

CallInfoWindow::CallInfoWindow(CallInfoModel& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
{
    setObjectName(u"frmCallInfo"_s);
    setWindowTitle(u"Call Info"_s);

    auto* layout = new QVBoxLayout(this);
    auto* menü = new QMenuBar(this);
    connect(zurückMenü(menü, u"mnuZurück"_s, u"mnuDatei"_s).zurück, &QAction::triggered, &model_,
        &CallInfoModel::cmdAbbrechen);
    layout->setMenuBar(menü);

    auto* titel = new QLabel(u"Call Info"_s, this);
    QFont groß = titel->font();
    groß.setPointSizeF(groß.pointSizeF() * 1.4);
    groß.setBold(true);
    titel->setFont(groß);
    layout->addWidget(titel);

    auto* felder = new QFormLayout;
    txtCall_ = zeile(this, u"txtCall"_s, CallInfoModel::kCallLänge);
    txtName_ = zeile(this, u"txtName"_s, CallInfoModel::kNameLänge);
    txtDOK_ = zeile(this, u"txtDOK"_s, CallInfoModel::kDokLänge);
    txtOrt_ = zeile(this, u"txtOrt"_s, CallInfoModel::kOrtLänge);
    txtNotiz_ = new QPlainTextEdit(this);
    txtNotiz_->setObjectName(u"txtNotiz"_s);
    txtNotiz_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotiz_->setTabChangesFocus(true);
    txtNotiz_->setMinimumHeight(120);
    felder->addRow(u"Rufzeichen"_s, txtCall_);
    felder->addRow(u"Name"_s, txtName_);
    felder->addRow(u"DOK"_s, txtDOK_);
    felder->addRow(u"Ort"_s, txtOrt_);
    felder->addRow(u"Notiz"_s, txtNotiz_);
    layout->addLayout(felder);

    auto* qsl = new QHBoxLayout;
    check1_ = new QCheckBox(u"QSL gesendet"_s, this);
    check1_->setObjectName(u"Check1"_s);
    check2_ = new QCheckBox(u"QSL erhalten"_s, this);
    check2_->setObjectName(u"Check2"_s);
    qsl->addWidget(check1_);
    qsl->addWidget(check2_);
    qsl->addStretch();
    layout->addLayout(qsl);

    // Data1: first, previous, the position, next, last.
    data1_ = new QWidget(this);
    data1_->setObjectName(u"Data1"_s);
    auto* nav = new QHBoxLayout(data1_);
    nav->setContentsMargins(0, 0, 0, 0);
    const auto knopf = [this, nav](const QString& name, const QString& text, const QString& tipp,
                           void (CallInfoModel::*tun)()) {
        auto* b = new QToolButton(data1_);
        b->setObjectName(name);
        b->setText(text);
        b->setToolTip(tipp);
        b->setAutoRaise(false);
        b->setMinimumWidth(34);
        connect(b, &QToolButton::clicked, &model_, tun);
        nav->addWidget(b);
    };
    knopf(u"data1Erster"_s, u"|◀"_s, u"erster Eintrag"_s, &CallInfoModel::erster);
    knopf(u"data1Voriger"_s, u"◀"_s, u"voriger Eintrag"_s, &CallInfoModel::voriger);
    data1Caption_ = new QLabel(data1_);
    data1Caption_->setObjectName(u"data1Caption"_s);
    data1Caption_->setAlignment(Qt::AlignCenter);
    data1Caption_->setFrameShape(QFrame::StyledPanel);
    nav->addWidget(data1Caption_, 1);
    knopf(u"data1Nächster"_s, u"▶"_s, u"nächster Eintrag"_s, &CallInfoModel::nächster);
    knopf(u"data1Letzter"_s, u"▶|"_s, u"letzter Eintrag"_s, &CallInfoModel::letzter);
    layout->addWidget(data1_);

    auto* knöpfe = new QHBoxLayout;
    const auto befehl
        = [this, knöpfe](const QString& name, const QString& text, void (CallInfoModel::*tun)()) {
              auto* b = new QPushButton(text, this);
              b->setObjectName(name);
              b->setAutoDefault(false);
              connect(b, &QPushButton::clicked, &model_, tun);
              knöpfe->addWidget(b);
              return b;
          };
    cmdNeu_ = befehl(u"cmdNeu"_s, u"&neu"_s, &CallInfoModel::cmdNeu);
    cmdEdit_ = befehl(u"cmdEdit"_s, u"&bearbeiten"_s, &CallInfoModel::cmdEdit);
    cmdSpeichern_ = befehl(u"cmdSpeichern"_s, u"&speichern"_s, &CallInfoModel::cmdSpeichern);
    cmdSuchen_ = befehl(u"cmdSuchen"_s, u"s&uchen"_s, &CallInfoModel::cmdSuchen);
    cmdAbbrechen_ = befehl(u"cmdAbbrechen"_s, u"&Abbrechen"_s, &CallInfoModel::cmdAbbrechen);
    layout->addLayout(knöpfe);
    layout->addStretch();

    connect(txtCall_, &QLineEdit::textEdited, &model_, &CallInfoModel::setTxtCall);
    connect(txtName_, &QLineEdit::textEdited, &model_, &CallInfoModel::setTxtName);
    connect(txtDOK_, &QLineEdit::textEdited, &model_, &CallInfoModel::setTxtDOK);
    connect(txtOrt_, &QLineEdit::textEdited, &model_, &CallInfoModel::setTxtOrt);
    connect(txtNotiz_, &QPlainTextEdit::textChanged, this, [this] {
        if (txtNotiz_->toPlainText() != model_.eintrag().notiz)
            model_.setTxtNotiz(txtNotiz_->toPlainText());
    });
    connect(check1_, &QCheckBox::clicked, &model_, &CallInfoModel::setCheck1);
    connect(check2_, &QCheckBox::clicked, &model_, &CallInfoModel::setCheck2);
    connect(&model_, &CallInfoModel::changed, this, &CallInfoWindow::zeigen);
    zeigen();
}

void CallInfoWindow::aktivieren()
{
    model_.aktivieren();
    if (model_.bearbeitung())
        txtCall_->setFocus();
    else
        cmdSuchen_->setFocus();
}

void CallInfoWindow::zeigen()
{
    const CallInfoEintrag& e = model_.eintrag();
    setzeText(txtCall_, e.rufzeichen);
    setzeText(txtName_, e.name);
    setzeText(txtDOK_, e.dok);
    setzeText(txtOrt_, e.ort);
    if (txtNotiz_->toPlainText() != e.notiz)
        txtNotiz_->setPlainText(e.notiz);
    check1_->setChecked(e.qslGesendet);
    check2_->setChecked(e.qslErhalten);

    const bool bearbeitung = model_.felderAktiv();
    for (QWidget* w :
        std::initializer_list<QWidget*> { txtCall_, txtName_, txtDOK_, txtOrt_, txtNotiz_, check1_, check2_ })
        w->setEnabled(bearbeitung);
    cmdSpeichern_->setEnabled(model_.speichernAktiv());
    cmdEdit_->setEnabled(model_.bearbeitenAktiv());
    data1_->setEnabled(model_.Data1Aktiv());
    data1Caption_->setText(model_.Data1Caption());
    // Editing starts in the first field; afterwards the focus must not stay on a disabled one.
    if (bearbeitung && !warBearbeitung_)
        txtCall_->setFocus();
    else if (!bearbeitung && warBearbeitung_)
        cmdSuchen_->setFocus();
    warBearbeitung_ = bearbeitung;
}

void CallInfoWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        model_.escape();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tarvex
