#include "Stationsanschluss.h"

#include "MainWindow.h"
#include "commands/Befehl.h"
#include "contest/ContestModel.h"
#include "contest/ContestWindow.h"
#include "station/StationsDialog.h"

#include <QLabel>
#include <QStatusBar>

namespace tarvex {

using namespace Qt::StringLiterals;

Stationsanschluss::Stationsanschluss(
    MainWindow& rahmen, ContestModel& contest, Settings& settings, Prompter& prompter)
    : QObject(&rahmen)
    , rahmen_(rahmen)
    , contest_(contest)
    , steuerung_(settings, prompter)
{
    transceiverText_ = new QLabel(rahmen_.statusBar());
    transceiverText_->setObjectName(u"StatusBar1Transceiver"_s);
    rotorText_ = new QLabel(rahmen_.statusBar());
    rotorText_->setObjectName(u"StatusBar1Rotor"_s);
    for (QLabel* l : { transceiverText_, rotorText_ }) {
        l->setContentsMargins(8, 0, 8, 0);
        rahmen_.statusBar()->addPermanentWidget(l);
        l->hide();
    }

    Befehle& befehle = rahmen_.befehle();
    befehle.ausführen(Befehl::AntenneDrehen, this,
        [this] { melden(steuerung_.antenneDrehen(contest_.felder().txtWinkel, false)); });
    befehle.ausführen(Befehl::AntenneLangerWeg, this,
        [this] { melden(steuerung_.antenneDrehen(contest_.felder().txtWinkel, true)); });
    befehle.ausführen(Befehl::RotorAnhalten, this, [this] { melden(steuerung_.rotorAnhalten()); });
    befehle.ausführen(
        Befehl::TransceiverUndRotor, this, [this] { StationsDialog::ausführen(&rahmen_, steuerung_); });

    contest_.setSpeichernFreigabe(
        [this](const QString& band) { return steuerung_.speichernFreigeben(band); });
    connect(&steuerung_, &Stationssteuerung::changed, this, &Stationsanschluss::zeigen);
}

Stationsanschluss::~Stationsanschluss()
{
    contest_.setSpeichernFreigabe({});
}

void Stationsanschluss::starten()
{
    steuerung_.laden();
}

void Stationsanschluss::zeigen()
{
    const std::pair<QLabel*, QString> texte[] = { { transceiverText_, steuerung_.transceiver().statusText() },
        { rotorText_, steuerung_.rotor().statusText() } };
    for (const auto& [label, text] : texte) {
        if (label->text() != text)
            label->setText(text);
        label->setVisible(!text.isEmpty());
    }
    // As the RST option would: only a change of the preset is written.
    if (const std::optional<RstVorgabe> rst = steuerung_.rapportVorgabe();
        rst && *rst != contest_.felder().RST)
        contest_.setRst(*rst);
}

void Stationsanschluss::melden(const QString& text)
{
    emit rahmen_.contestWindow()->statusMessage(text);
}

} // namespace tarvex
