#include "ContestWindow.h"

#include "BearbeitenWidget.h"
#include "ContestModel.h"
#include "Infobox.h"
#include "InputLineEdit.h"
#include "LogGrid.h"
#include "commands/Befehl.h"
#include "commands/Befehle.h"
#include "common/Prompter.h"
#include "common/Speicher.h"
#include "entry/InputLine.h"
#include "store/BandList.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

QFont größer(QFont font, double faktor, bool fett = false)
{
    font.setPointSizeF(font.pointSizeF() * faktor);
    font.setBold(fett);
    return font;
}

} // namespace

ContestWindow::ContestWindow(ContestModel& model, Prompter& prompter, Befehle& befehle, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , prompter_(prompter)
    , befehle_(befehle)
{
    setObjectName(u"frmContest"_s);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);

    // Station line: clock, own call and locator, band, printer journal, next number.
    auto* kopf = new QHBoxLayout;
    QLabel* uhr = neuesLabel(u"lblUhrzeit"_s);
    uhr->setFont(größer(font(), 1.8, true));
    uhr->setToolTip(u"UTC"_s);
    kopf->addWidget(uhr);
    kopf->addSpacing(12);
    for (const QString& name : { u"lblCall"_s, u"lblLocator"_s, u"lblBand"_s }) {
        QLabel* l = neuesLabel(name);
        l->setFont(größer(font(), 1.3, true));
        kopf->addWidget(l);
        kopf->addSpacing(12);
    }
    QLabel* drucker = neuesLabel(u"Image1"_s, u"\u2399 Druckerprotokoll"_s);
    drucker->setToolTip(u"Jede gespeicherte Verbindung wird gedruckt"_s);
    kopf->addWidget(drucker);
    kopf->addStretch();
    kopf->addWidget(new QLabel(u"Nr."_s, this));
    QLabel* nummer = neuesLabel(u"lblNummer"_s);
    nummer->setFont(größer(font(), 1.8, true));
    kopf->addWidget(nummer);
    layout->addLayout(kopf);

    // Frame1: the contact being entered.
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName(u"Frame1"_s);
    auto* eingaben = new QGridLayout(frame1_);
    eingaben->setContentsMargins(6, 4, 6, 4);
    const struct {
        const char16_t* name;
        const char16_t* beschriftung;
        int zeichen;
    } anzeigen[] = {
        { u"txtCall", u"Rufzeichen", 13 },
        { u"txtRSTgeg", u"RST geg", 5 },
        { u"txtRSTerh", u"RST erh", 8 },
        { u"txtLocator", u"Locator", 7 },
        { u"txtQRB", u"km", 5 },
        { u"txtWinkel", u"Grad", 4 },
        { u"txtUhrzeit", u"Zeit", 5 },
        { u"txtKommentar", u"Kommentar", 12 },
    };
    int spalte = 0;
    for (const auto& a : anzeigen) {
        eingaben->addWidget(new QLabel(QString::fromUtf16(a.beschriftung), frame1_), 0, spalte);
        eingaben->addWidget(neueAnzeige(QString::fromUtf16(a.name), a.zeichen), 1, spalte);
        ++spalte;
        if (QStringView(a.name) == u"txtWinkel") {
            QLabel* pfeil = neuesLabel(u"lblPfeil"_s);
            pfeil->setFont(größer(font(), 1.8, true));
            pfeil->setMinimumWidth(pfeil->fontMetrics().horizontalAdvance(u'\u2197') + 4);
            eingaben->addWidget(pfeil, 1, spalte++);
        }
    }
    eingaben->addWidget(new QLabel(u"Datum"_s, frame1_), 0, spalte);
    eingaben->addWidget(neuesLabel(u"lblDatum"_s), 1, spalte++);
    chkQSL_ = new QCheckBox(u"QSL"_s, frame1_);
    chkQSL_->setObjectName(u"chkQSL"_s);
    chkQSL_->setFocusPolicy(Qt::NoFocus);
    chkQSL_->setAttribute(Qt::WA_TransparentForMouseEvents);
    eingaben->addWidget(chkQSL_, 1, spalte++);

    // Look-up results: country, information line, ready mark, locator choice.
    QLabel* land = neuesLabel(u"lblLand"_s);
    land->setFont(größer(font(), 1.15, true));
    land->setMinimumWidth(160);
    eingaben->addWidget(land, 2, 0, 1, 3);
    QLabel* info = neuesLabel(u"lblInfo"_s);
    eingaben->addWidget(info, 2, 3, 1, 6);
    cboLocator_ = new QComboBox(frame1_);
    cboLocator_->setObjectName(u"cboLocator"_s);
    cboLocator_->setToolTip(u"Bekannte Locatoren dieser Station (F8)"_s);
    eingaben->addWidget(cboLocator_, 2, 9, 1, 2);
    QLabel* ok = neuesLabel(u"lblOk"_s, u"Ok"_s);
    ok->setFont(größer(font(), 1.3, true));
    ok->setStyleSheet(u"color: #0a7a0a"_s);
    eingaben->addWidget(ok, 2, 11);
    layout->addWidget(frame1_);

    // Frame2: running score.
    auto* frame2 = new QGroupBox(this);
    frame2->setObjectName(u"Frame2"_s);
    auto* stand = new QHBoxLayout(frame2);
    stand->setContentsMargins(6, 2, 6, 2);
    const struct {
        const char16_t* name;
        const char16_t* beschriftung;
    } summen[] = { { u"txtPunkte", u"Punkte" }, { u"txtODX", u"km ODX" }, { u"txtDurchschnitt", u"km/QSO" },
        { u"txtLänder", u"Länder " }, { u"txtGroßfelder", u"Großfelder " } };
    for (const auto& s : summen) {
        stand->addWidget(new QLabel(QString::fromUtf16(s.beschriftung), frame2));
        stand->addWidget(neueAnzeige(QString::fromUtf16(s.name), 6));
        if (QStringView(s.name) == u"txtODX") {
            QLabel* odx = neuesLabel(u"lblODXCall"_s, u"Call ODX"_s);
            odx->setMinimumWidth(odx->fontMetrics().horizontalAdvance(u"( OE5/DL1ABC/P)"_s));
            stand->addWidget(odx);
        }
        stand->addSpacing(8);
    }
    stand->addStretch();
    layout->addWidget(frame2);

    txtInput_ = new InputLineEdit(model_.entry(), this);
    txtInput_->setObjectName(u"txtInput"_s);
    txtInput_->setFont(größer(font(), 1.5, true));
    layout->addWidget(txtInput_);

    // Below the input line: the log, or the country list, or the edit panel.
    unten_ = new QStackedWidget(this);
    grid_ = new LogGrid(unten_);
    grid_->setObjectName(u"DBGrid1"_s);
    grid_->setModel(&model_.logList());
    unten_->addWidget(grid_);

    fraLänder_ = new QGroupBox(u"Länderliste"_s, unten_);
    fraLänder_->setObjectName(u"fraLänder"_s);
    auto* länderLayout = new QVBoxLayout(fraLänder_);
    dbList1_ = new QListWidget(fraLänder_);
    dbList1_->setObjectName(u"DBList1"_s);
    länderLayout->addWidget(dbList1_);
    auto* länderKnöpfe = new QHBoxLayout;
    auto* ok2 = new QPushButton(u"OK"_s, fraLänder_);
    ok2->setObjectName(u"cmdOK2"_s);
    auto* abbrechen2 = new QPushButton(u"Abbrechen"_s, fraLänder_);
    abbrechen2->setObjectName(u"cmdAbbrechen2"_s);
    länderKnöpfe->addStretch();
    länderKnöpfe->addWidget(ok2);
    länderKnöpfe->addWidget(abbrechen2);
    länderLayout->addLayout(länderKnöpfe);
    unten_->addWidget(fraLänder_);

    fraUpdate_ = new BearbeitenWidget(model_.bearbeitung(), unten_);
    fraUpdate_->setObjectName(u"fraUpdate"_s);
    unten_->addWidget(fraUpdate_);
    layout->addWidget(unten_, 1);

    connect(ok2, &QPushButton::clicked, this, [this] { model_.länderlisteOk(dbList1_->currentRow()); });
    connect(dbList1_, &QListWidget::itemActivated, this,
        [this] { model_.länderlisteOk(dbList1_->currentRow()); });
    connect(abbrechen2, &QPushButton::clicked, this, [this] { model_.länderlisteAbbrechen(); });
    connect(fraUpdate_, &BearbeitenWidget::closed, this, [this] {
        txtInput_->setEnabled(true);
        zeigeUntenGrid();
        focusInput();
    });

    connect(&model_, &ContestModel::changed, this, &ContestWindow::refresh);
    connect(&model_, &ContestModel::logReset, this, &ContestWindow::scrollLogToEnd);
    connect(&model_, &ContestModel::focusInput, this, &ContestWindow::focusInput);
    connect(&model_.logList(), &QAbstractItemModel::modelReset, this,
        [this] { grid_->justieren(model_.kommentarSpalte()); });

    connect(txtInput_, &InputLineEdit::downPressed, this, [this] { grid_->setFocus(); });
    connect(txtInput_, &InputLineEdit::lineEvaluated, this, &ContestWindow::refresh);
    connect(grid_, &LogGrid::entered, this, [this] { emit statusMessage(u"Tabelle verlassen mit Esc"_s); });
    connect(grid_, &LogGrid::leaveRequested, this, [this](const QString& typed) {
        focusInput();
        emit statusMessage(u"Bereit"_s);
        if (typed.size() == 1) {
            if (const std::optional<QChar> c = eingabeZeichen(txtInput_->text(), typed.at(0)))
                txtInput_->insert(QString(*c));
        }
    });
    connect(cboLocator_, &QComboBox::activated, this, [this](int index) {
        model_.locatorGewählt(index);
        focusInput();
    });

    timer1_ = new QTimer(this);
    timer1_->setInterval(500);
    connect(timer1_, &QTimer::timeout, this, [this] { model_.uhrTick(); });
    timer1_->start();

    refresh();
}

QLabel* ContestWindow::neuesLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    felder_.insert(name, label);
    return label;
}

QLineEdit* ContestWindow::neueAnzeige(const QString& name, int breiteZeichen)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    // All typing goes through the input line.
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignCenter);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(breiteZeichen, u'0')) + 12);
    felder_.insert(name, edit);
    return edit;
}

QLabel* ContestWindow::label(const QString& name) const
{
    return qobject_cast<QLabel*>(felder_.value(name));
}

QLineEdit* ContestWindow::anzeige(const QString& name) const
{
    return qobject_cast<QLineEdit*>(felder_.value(name));
}

void ContestWindow::refresh()
{
    const EntryFields& f = model_.felder();
    const Spielstand& s = model_.spielstand();
    const std::pair<const char16_t*, QString> texte[] = {
        { u"txtCall", f.txtCall },
        { u"txtRSTgeg", f.txtRSTgeg },
        { u"txtRSTerh", f.txtRSTerh },
        { u"txtLocator", f.txtLocator },
        { u"txtQRB", f.txtQRB },
        { u"txtWinkel", f.txtWinkel },
        { u"txtUhrzeit", f.txtUhrzeit },
        { u"txtKommentar", f.txtKommentar },
        { u"txtPunkte", s.txtPunkte },
        { u"txtODX", s.txtODX },
        { u"txtDurchschnitt", s.txtDurchschnitt },
        { u"txtLänder", s.txtLänder },
        { u"txtGroßfelder", s.txtGroßfelder },
    };
    for (const auto& [name, text] : texte) {
        if (QLineEdit* e = anzeige(QString::fromUtf16(name)); e != nullptr && e->text() != text)
            e->setText(text);
    }
    const std::pair<const char16_t*, QString> labels[] = {
        { u"lblUhrzeit", f.lblUhrzeit },
        { u"lblCall", model_.lblCall() },
        { u"lblLocator", f.lblLocator },
        { u"lblBand", model_.lblBand() },
        { u"lblNummer", f.txtNummer },
        { u"lblPfeil", f.lblPfeil },
        { u"lblDatum", f.lblDatum },
        { u"lblLand", f.lblLand },
        { u"lblInfo", f.lblInfo },
        { u"lblODXCall", model_.hatContest() ? s.lblODXCall : u"Call ODX"_s },
    };
    for (const auto& [name, text] : labels)
        label(QString::fromUtf16(name))->setText(text);
    label(u"lblOk"_s)->setVisible(f.lblOk);
    label(u"Image1"_s)->setVisible(model_.Protokoll());
    chkQSL_->setChecked(f.chkQSL);

    const QStringList aktuell = [this] {
        QStringList l;
        for (int i = 0; i < cboLocator_->count(); ++i)
            l.append(cboLocator_->itemText(i));
        return l;
    }();
    if (aktuell != f.cboLocator) {
        cboLocator_->clear();
        cboLocator_->addItems(f.cboLocator);
    }
    cboLocator_->setCurrentIndex(f.cboLocatorIndex);
    cboLocator_->setVisible(f.cboLocatorSichtbar);
    cboLocator_->setEnabled(f.frame1Aktiv);
    if (befehle_.angelegt(Befehl::Locator))
        befehle_[Befehl::Locator].setVisible(f.cboLocatorSichtbar);

    // The country list is shown, with the focus, while the model offers it.
    if (model_.länderlisteSichtbar() && unten_->currentWidget() != fraLänder_) {
        showCountryList();
    } else if (!model_.länderlisteSichtbar() && unten_->currentWidget() == fraLänder_) {
        zeigeUntenGrid();
        focusInput();
    }

    for (const auto& [befehl, gewählt] : optionsHaken_) {
        if (gewählt())
            befehle_[befehl].setChecked(true);
    }
    grid_->justieren(model_.kommentarSpalte());
}

void ContestWindow::focusInput()
{
    if (txtInput_->isEnabled())
        txtInput_->setFocus();
}

void ContestWindow::showCountryList()
{
    dbList1_->clear();
    dbList1_->addItems(model_.länder());
    if (dbList1_->count() > 0)
        dbList1_->setCurrentRow(0);
    unten_->setCurrentWidget(fraLänder_);
    dbList1_->setFocus();
}

void ContestWindow::zeigeUntenGrid()
{
    unten_->setCurrentWidget(grid_);
}

void ContestWindow::scrollLogToEnd()
{
    grid_->justieren(model_.kommentarSpalte());
    if (model_.logList().rowCount() >= 1)
        grid_->zumEnde();
}

void ContestWindow::aktivieren()
{
    if (!model_.hatContest()) {
        emit newContestRequested(false);
        return;
    }
    grid_->justieren(model_.kommentarSpalte());
    model_.Punkte();
    scrollLogToEnd();
    focusInput();
    refresh();
    // After the window left has been deleted and this one drawn, not before the key is answered.
    QTimer::singleShot(300, this, [] { speicherZurückgeben(); });
}

void ContestWindow::zeigeInfo()
{
    prompter_.zeige(infoBox(model_));
}

void ContestWindow::bearbeiten()
{
    const int row = grid_->aktuelleZeile();
    if (!model_.bearbeitung().öffnen(row))
        return;
    txtInput_->setEnabled(false);
    unten_->setCurrentWidget(fraUpdate_);
    fraUpdate_->laden();
}

void ContestWindow::option(Befehl befehl, std::function<void()> wählen, std::function<bool()> gewählt)
{
    befehle_.ausführen(befehl, this, std::move(wählen));
    befehle_[befehl].setChecked(gewählt());
    optionsHaken_.emplace_back(befehl, std::move(gewählt));
}

void ContestWindow::befehleVerbinden()
{
    befehle_.ausführen(Befehl::Beenden, this, [this] { emit quitRequested(); });
    befehle_.ausführen(Befehl::Ändern, this, [this] { bearbeiten(); });
    befehle_.ausführen(Befehl::Löschen, this, [this] { model_.letztenLöschen(grid_->aktuelleZeile()); });
    befehle_.ausführen(Befehl::Ungültig, this, [this] { model_.ungültigErklären(grid_->aktuelleZeile()); });
    // F8 only from the input line: the entry is in the menu for its key, not to be seen.
    befehle_[Befehl::Locator].setVisible(false);
    befehle_.ausführen(Befehl::Locator, this, [this] {
        cboLocator_->setEnabled(true);
        cboLocator_->setFocus();
        cboLocator_->showPopup();
    });
    befehle_.ausführen(Befehl::Info, this, [this] { zeigeInfo(); });

    const auto utc = [this](Befehl befehl, int stunden) {
        option(
            befehl, [this, stunden] { model_.setZeitdifferenz(stunden); },
            [this, stunden] { return model_.UTC() == -stunden; });
    };
    utc(Befehl::UtcPcUhr, 0);
    utc(Befehl::UtcMinusEins, 1);
    utc(Befehl::UtcMinusZwei, 2);
    for (const bool ein : { false, true })
        option(
            ein ? Befehl::ProtokollEin : Befehl::ProtokollAus, [this, ein] { model_.setProtokoll(ein); },
            [this, ein] { return model_.Protokoll() == ein; });
    for (const auto& [befehl, taste] : { std::pair { Befehl::LoggenEnter, Speichertaste::Enter },
             std::pair { Befehl::LoggenF12, Speichertaste::F12 } })
        option(
            befehl, [this, taste] { model_.setLoggen(taste); },
            [this, taste] { return model_.felder().loggen == taste; });
    for (const auto& [befehl, vorgabe] :
        { std::pair { Befehl::Rst59, RstVorgabe::R59 }, std::pair { Befehl::Rst599, RstVorgabe::R599 },
            std::pair { Befehl::RstLeer, RstVorgabe::Keine } })
        option(
            befehl, [this, vorgabe] { model_.setRst(vorgabe); },
            [this, vorgabe] { return model_.felder().RST == vorgabe; });
    for (const bool sichtbar : { true, false })
        option(
            sichtbar ? Befehl::KommentarEin : Befehl::KommentarAus,
            [this, sichtbar] { model_.setKommentarSpalte(sichtbar); },
            [this, sichtbar] { return model_.kommentarSpalte() == sichtbar; });
    refresh();
}

} // namespace tarvex
