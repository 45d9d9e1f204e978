#include "Digitalanschluss.h"

#include "MainWindow.h"
#include "commands/Befehl.h"
#include "contest/ContestModel.h"
#include "contest/ContestWindow.h"
#include "contest/InputLineEdit.h"
#include "digital/DigitalDialog.h"
#include "digital/WartendeWindow.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTreeWidget>
#include <utility>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// WSJT-X logs a contact every 15 s at most; more than this is a flood.
constexpr qsizetype kHöchstensAufgeschoben = 1000;

} // namespace

Digitalanschluss::Digitalanschluss(
    MainWindow& rahmen, ContestModel& contest, Settings& settings, Fragensperre& fragen)
    : QObject(&rahmen)
    , rahmen_(rahmen)
    , contest_(contest)
    , settings_(settings)
    , betrieb_(contest, fragen)
{
    gearbeitet_ = new QLabel(rahmen_.statusBar());
    gearbeitet_->setObjectName(u"StatusBar1Digital"_s);
    gearbeitet_->setContentsMargins(8, 0, 8, 0);
    rahmen_.statusBar()->addPermanentWidget(gearbeitet_);
    gearbeitet_->hide();

    Befehle& befehle = rahmen_.befehle();
    befehle.ausführen(Befehl::DigitaleBetriebsarten, this, [this] {
        if (const std::optional<DigitalEinstellungen> e
            = DigitalDialog::ausführen(&rahmen_, DigitalEinstellungen::laden(settings_))) {
            e->speichern(settings_);
            einstellen();
        }
    });
    befehle.ausführen(Befehl::WartendeVerbindungen, this, [this] { listeZeigen(true); });

    connect(&empfang_, &WsjtxEmpfang::empfangen, this, &Digitalanschluss::empfangen);
    nachholen_.setInterval(200);
    connect(&nachholen_, &QTimer::timeout, this, &Digitalanschluss::nachholen);
    connect(&betrieb_, &Digitalbetrieb::gemeldet, this, &Digitalanschluss::melden);
    connect(&betrieb_, &Digitalbetrieb::listeNeu, this, [this] {
        listeFüllen();
        // A new waiting contact shows the list without taking the keyboard
        // from the entry the operator is typing in.
        if (!betrieb_.wartende().isEmpty())
            listeZeigen(false);
    });
    connect(&betrieb_, &Digitalbetrieb::gearbeitetNeu, this, [this] {
        gearbeitet_->setText(
            betrieb_.gearbeitet().isEmpty() ? QString() : u"arbeitet: "_s + betrieb_.gearbeitet());
        gearbeitet_->setVisible(!betrieb_.gearbeitet().isEmpty());
    });
}

Digitalanschluss::~Digitalanschluss() = default;

void Digitalanschluss::empfangen(const wsjtx::Nachricht& n)
{
    // A box runs its own event loop, perhaps in the middle of the operator's
    // save: a contact taken into the input line now would change the fields
    // under it. It waits until no box is open.
    if (std::holds_alternative<wsjtx::Kontakt>(n)
        && (QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr
            || !aufgeschoben_.isEmpty())) {
        if (aufgeschoben_.size() < kHöchstensAufgeschoben)
            aufgeschoben_.append(n);
        nachholen_.start();
        return;
    }
    betrieb_.empfangen(n);
}

void Digitalanschluss::nachholen()
{
    if (QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr)
        return;
    nachholen_.stop();
    const QList<wsjtx::Nachricht> liste = std::exchange(aufgeschoben_, {});
    for (const wsjtx::Nachricht& n : liste)
        betrieb_.empfangen(n);
}

void Digitalanschluss::starten()
{
    einstellen();
}

void Digitalanschluss::einstellen()
{
    const DigitalEinstellungen e = DigitalEinstellungen::laden(settings_);
    if (const QString fehler = empfang_.starten(e); !fehler.isEmpty())
        melden(fehler);
    else if (e.ein)
        melden(u"Digitalbetrieb: empfängt auf UDP-Port %1"_s.arg(empfang_.port()));
}

void Digitalanschluss::listeZeigen(bool aktivieren)
{
    if (liste_.isNull()) {
        liste_ = new WartendeWindow(&rahmen_);
        connect(liste_, &WartendeWindow::eintragen, this, [this](int i) {
            betrieb_.vervollständigen(i);
            // The operator completes it in the logging window; what is left
            // to type (a locator's first four characters) is in the line.
            rahmen_.activateWindow();
            rahmen_.contestWindow()->aktivieren();
            rahmen_.contestWindow()->eingabe()->setText(contest_.felder().txtInput);
        });
        connect(liste_, &WartendeWindow::speichern, &betrieb_, &Digitalbetrieb::speichern);
        connect(liste_, &WartendeWindow::doppeltSpeichern, &betrieb_, &Digitalbetrieb::alsDoppelSpeichern);
        connect(liste_, &WartendeWindow::verwerfen, &betrieb_, &Digitalbetrieb::verwerfen);
        listeFüllen();
        // Beside the logging window, never over the input line.
        const QRect r = rahmen_.frameGeometry();
        const QRect schirm = rahmen_.screen()->availableGeometry();
        QPoint ort(r.right() + 1, r.top());
        if (ort.x() + liste_->frameGeometry().width() > schirm.right())
            ort = QPoint(
                std::max(schirm.left(), r.right() - liste_->frameGeometry().width()), r.bottom() + 1);
        if (ort.y() + liste_->frameGeometry().height() > schirm.bottom())
            ort.setY(std::max(schirm.top(), schirm.bottom() - liste_->frameGeometry().height()));
        liste_->move(ort);
    }
    if (!aktivieren) {
        liste_->setAttribute(Qt::WA_ShowWithoutActivating, !liste_->isVisible());
        liste_->show();
        return;
    }
    liste_->show();
    liste_->raise();
    liste_->activateWindow();
    liste_->liste()->setFocus();
}

void Digitalanschluss::listeFüllen()
{
    if (liste_.isNull())
        return;
    QList<WartendeWindow::Zeile> zeilen;
    for (const Digitalbetrieb::Wartend& w : betrieb_.wartende())
        zeilen.append({ w.kontakt.zeit, w.kontakt.bezeichnung(), w.grund, w.doppelt });
    liste_->setZeilen(zeilen);
}

void Digitalanschluss::melden(const QString& text)
{
    emit rahmen_.contestWindow()->statusMessage(text);
}

} // namespace tarvex
