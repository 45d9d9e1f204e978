#include "KarteWindow.h"

#include "KarteModel.h"
#include "KartenAnsicht.h"
#include "Kartenbildspeicher.h"
#include "common/Prompter.h"
#include "ui/Bildspeichern.h"
#include "ui/Zurueckmenue.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

KarteWindow::KarteWindow(KarteModel& model, Prompter& prompter, Kartenbildspeicher& bilder, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , prompter_(prompter)
    , bilder_(bilder)
{
    setObjectName(u"frmKarte"_s);
    setWindowTitle(u"Karte"_s);

    auto* menüs = new QMenuBar(this);
    menüs->setObjectName(u"mnuLeiste"_s);
    const Zurückmenü datei = zurückMenü(menüs, u"mnuZurück"_s, u"mnuDatei"_s);
    connect(datei.zurück, &QAction::triggered, &model_, &KarteModel::zurück);
    auto* speichernBefehl = new QAction(u"Karte &speichern …"_s, datei.datei);
    speichernBefehl->setObjectName(u"mnuSpeichern"_s);
    connect(speichernBefehl, &QAction::triggered, this, &KarteWindow::speichernUnter);
    datei.datei->insertAction(datei.zurück, speichernBefehl);
    datei.datei->insertSeparator(datei.zurück);

    ansicht_ = new KartenAnsicht(model_, bilder_, this);
    auto* knöpfe = new QVBoxLayout;
    knöpfe->setSpacing(6);
    connect(neuerKnopf(u"Command1"_s, u"Q&TH"_s), &QPushButton::clicked, &model_, &KarteModel::qth);
    connect(neuerKnopf(u"Command2"_s, u"Q&SOs"_s), &QPushButton::clicked, &model_, &KarteModel::qsos);
    connect(
        neuerKnopf(u"Command3"_s, u"&Großfelder"_s), &QPushButton::clicked, &model_, &KarteModel::großfelder);
    connect(neuerKnopf(u"Command4"_s, u"&zurück"_s), &QPushButton::clicked, &model_, &KarteModel::zurück);
    connect(neuerKnopf(u"cmdSpeichern"_s, u"Karte speichern …"_s), &QPushButton::clicked, this,
        &KarteWindow::speichernUnter);
    for (const QString& name :
        { u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command4"_s, u"cmdSpeichern"_s }) {
        knöpfe->addWidget(knopf(name));
        if (name == u"Command4"_s)
            knöpfe->addSpacing(18);
    }
    knöpfe->addStretch();
    knopf(u"Command3"_s)->setDefault(true);

    auto* reihe = new QHBoxLayout;
    reihe->setContentsMargins(4, 4, 4, 4);
    reihe->addWidget(ansicht_, 0, Qt::AlignTop);
    reihe->addLayout(knöpfe);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menüs);
    layout->addLayout(reihe);
    layout->addStretch();
}

QPushButton* KarteWindow::neuerKnopf(const QString& name, const QString& text)
{
    auto* knopf = new QPushButton(text, this);
    knopf->setObjectName(name);
    QFont arial;
    arial.setFamilies({ u"Arial"_s, u"Liberation Sans"_s });
    arial.setPointSize(9);
    knopf->setFont(arial);
    knopf->setMinimumWidth(110);
    return knopf;
}

QPushButton* KarteWindow::knopf(const QString& name) const
{
    return findChild<QPushButton*>(name);
}

void KarteWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        knopf(u"Command4"_s)->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A button with the focus is pressed itself, otherwise the default one.
        if (auto* fokus = qobject_cast<QPushButton*>(focusWidget()))
            fokus->click();
        else
            knopf(u"Command3"_s)->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void KarteWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    knopf(u"Command3"_s)->setFocus();
}

bool KarteWindow::speichern(const QString& pfad)
{
    return pngSpeichern(
        bilder_.bild(model_.zeichnung(), devicePixelRatioF()), pfad, u"Die Karte"_s, prompter_);
}

void KarteWindow::speichernUnter()
{
    const std::optional<QString> gewählt
        = prompter_.dateiWählen({ u"Karte speichern"_s, QDir::current().filePath(model_.dateiVorschlag()),
            u"PNG-Bilder (*.png)"_s, Dateiwahl::Art::Speichern });
    if (!gewählt)
        return;
    QString pfad = *gewählt;
    if (!pfad.endsWith(u".png"_s, Qt::CaseInsensitive))
        pfad += u".png"_s;
    speichern(pfad);
}

} // namespace tarvex
