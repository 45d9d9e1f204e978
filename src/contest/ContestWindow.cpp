#include "ContestWindow.h"

#include "BearbeitenWidget.h"
#include "ContestModel.h"
#include "InputLineEdit.h"
#include "LogGrid.h"
#include "app/Befehl.h"
#include "app/Befehle.h"
#include "common/Prompter.h"
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

QAction* dazu(QMenu* menu, QAction* action)
{
    menu->addAction(action);
    return action;
}

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
}

void ContestWindow::zeigeInfo()
{
    prompter_.zeige(model_.infoBox());
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

QAction* ContestWindow::neuerBefehl(Befehl befehl, const QString& text, const QKeySequence& taste)
{
    return &befehle_.anlegen(befehl, text, taste);
}

void ContestWindow::optionsGruppe(QMenu* menu, std::initializer_list<Option> optionen)
{
    auto* gruppe = new QActionGroup(this);
    gruppe->setExclusive(true);
    for (const Option& o : optionen) {
        QAction* a = neuerBefehl(o.befehl, o.text);
        a->setCheckable(true);
        a->setChecked(o.gewählt());
        gruppe->addAction(a);
        menu->addAction(a);
        connect(a, &QAction::triggered, this, o.wählen);
        optionsHaken_.emplace_back(o.befehl, o.gewählt);
    }
}

void ContestWindow::baueMenüs(QMenuBar* bar)
{
    // Entries whose windows are wired by the application start disabled.
    const auto später = [](QAction* a) {
        a->setEnabled(false);
        return a;
    };

    QMenu* datei = bar->addMenu(u"&Datei"_s);
    datei->setObjectName(u"mnuDatei"_s);
    dazu(datei, später(neuerBefehl(Befehl::Neu, u"&Neuer Contest"_s)));
    dazu(datei, später(neuerBefehl(Befehl::Öffnen, u"Contest &öffnen"_s)));
    datei->addSeparator();
    dazu(datei, später(neuerBefehl(Befehl::ContestLöschen, u"Contest &löschen"_s)));
    datei->addSeparator();
    dazu(datei, später(neuerBefehl(Befehl::Log, u"&Log drucken"_s)));
    datei->addSeparator();
    dazu(datei, später(neuerBefehl(Befehl::QSL, u"&QSL-Aufkleber"_s)));
    datei->addSeparator();
    connect(dazu(datei, neuerBefehl(Befehl::Beenden, u"Be&enden"_s)), &QAction::triggered, this,
        &ContestWindow::quitRequested);

    QMenu* bearbeiten = bar->addMenu(u"&Bearbeiten"_s);
    bearbeiten->setObjectName(u"mnuBearbeiten"_s);
    connect(dazu(bearbeiten, neuerBefehl(Befehl::Ändern, u"&Ändern"_s, Qt::Key_F2)), &QAction::triggered,
        this, [this] { this->bearbeiten(); });
    connect(dazu(bearbeiten, neuerBefehl(Befehl::Löschen, u"&Löschen"_s, Qt::Key_F3)), &QAction::triggered,
        this, [this] { model_.letztenLöschen(grid_->aktuelleZeile()); });
    connect(dazu(bearbeiten, neuerBefehl(Befehl::Ungültig, u"&Ungültig"_s, Qt::Key_F4)), &QAction::triggered,
        this, [this] { model_.ungültigErklären(grid_->aktuelleZeile()); });
    bearbeiten->addSeparator();
    dazu(bearbeiten, später(neuerBefehl(Befehl::Bandwechseln, u"&Band wechseln"_s, Qt::Key_F6)));
    QAction* locator = neuerBefehl(Befehl::Locator, u"Locator &wählen"_s, Qt::Key_F8);
    locator->setVisible(false);
    connect(dazu(bearbeiten, locator), &QAction::triggered, this, [this] {
        cboLocator_->setEnabled(true);
        cboLocator_->setFocus();
        cboLocator_->showPopup();
    });
    bearbeiten->addSeparator();
    dazu(bearbeiten,
        später(neuerBefehl(Befehl::LetzteEingaben, u"letzte &Eingaben"_s, QKeySequence(u"Ctrl+L"_s))));

    QMenu* optionen = bar->addMenu(u"&Optionen"_s);
    optionen->setObjectName(u"mnuOptionen"_s);
    const auto utc = [this](Befehl befehl, const QString& text, int stunden) {
        return Option { befehl, text, [this, stunden] { model_.setZeitdifferenz(stunden); },
            [this, stunden] { return model_.UTC() == -stunden; } };
    };
    optionsGruppe(optionen->addMenu(u"&Zeit"_s),
        { utc(Befehl::UtcPcUhr, u"UTC = &PC-Uhr"_s, 0),
            utc(Befehl::UtcMinusEins, u"UTC = PC-Uhr - &1 Stunde"_s, 1),
            utc(Befehl::UtcMinusZwei, u"UTC = PC-Uhr - &2 Stunden"_s, 2) });
    optionen->addSeparator();
    const auto protokoll = [this](Befehl befehl, const QString& text, bool ein) {
        return Option { befehl, text, [this, ein] { model_.setProtokoll(ein); },
            [this, ein] { return model_.Protokoll() == ein; } };
    };
    optionsGruppe(optionen->addMenu(u"&Druckerprotokoll"_s),
        { protokoll(Befehl::ProtokollAus, u"&aus"_s, false),
            protokoll(Befehl::ProtokollEin, u"&ein"_s, true) });
    optionen->addSeparator();
    const auto loggen = [this](Befehl befehl, const QString& text, Speichertaste taste) {
        return Option { befehl, text, [this, taste] { model_.setLoggen(taste); },
            [this, taste] { return model_.felder().loggen == taste; } };
    };
    optionsGruppe(optionen->addMenu(u"&QSO loggen"_s),
        { loggen(Befehl::LoggenEnter, u"mit &Enter"_s, Speichertaste::Enter),
            loggen(Befehl::LoggenF12, u"mit &F12"_s, Speichertaste::F12) });
    optionen->addSeparator();
    const auto rst = [this](Befehl befehl, const QString& text, RstVorgabe vorgabe) {
        return Option { befehl, text, [this, vorgabe] { model_.setRst(vorgabe); },
            [this, vorgabe] { return model_.felder().RST == vorgabe; } };
    };
    optionsGruppe(optionen->addMenu(u"&RST-Vorbelegung"_s),
        { rst(Befehl::Rst59, u"59 (&SSB)"_s, RstVorgabe::R59),
            rst(Befehl::Rst599, u"599 (&CW)"_s, RstVorgabe::R599),
            rst(Befehl::RstLeer, u"&leer"_s, RstVorgabe::Keine) });
    optionen->addSeparator();
    const auto kommentar = [this](Befehl befehl, const QString& text, bool sichtbar) {
        return Option { befehl, text, [this, sichtbar] { model_.setKommentarSpalte(sichtbar); },
            [this, sichtbar] { return model_.kommentarSpalte() == sichtbar; } };
    };
    optionsGruppe(optionen->addMenu(u"&Kommentarspalte"_s),
        { kommentar(Befehl::KommentarEin, u"an&zeigen"_s, true),
            kommentar(Befehl::KommentarAus, u"&ausblenden"_s, false) });
    optionen->addSeparator();
    dazu(optionen, später(neuerBefehl(Befehl::EMailEinstellungen, u"E-&Mail-Einstellungen"_s)));
    dazu(optionen, später(neuerBefehl(Befehl::PostausgangSenden, u"&Postausgang senden"_s)));
    optionen->addSeparator();
    dazu(optionen, später(neuerBefehl(Befehl::DruckerWählen, u"Drucker &wählen …"_s)));

    QMenu* statistik = bar->addMenu(u"&Statistik"_s);
    statistik->setObjectName(u"mnuStatistik"_s);
    dazu(statistik, später(neuerBefehl(Befehl::Tabellen, u"&Tabellen"_s, QKeySequence(u"Ctrl+T"_s))));
    dazu(statistik, später(neuerBefehl(Befehl::Grafiken, u"&Grafiken"_s)));
    statistik->addSeparator();
    dazu(statistik, später(neuerBefehl(Befehl::Karte, u"&Karte zeigen"_s, Qt::Key_F9)));
    dazu(statistik, später(neuerBefehl(Befehl::QSOKarte, u"&QSO-Karte"_s)));
    QMenu* großfelder = statistik->addMenu(u"Groß&felder"_s);
    dazu(großfelder, später(neuerBefehl(Befehl::KarteText, u"Karte (&Text)"_s, QKeySequence(u"Ctrl+K"_s))));
    dazu(großfelder,
        später(neuerBefehl(Befehl::KarteGrafik, u"Karte (&Grafik)"_s, QKeySequence(u"Ctrl+G"_s))));

    QMenu* spezial = bar->addMenu(u"S&pezial"_s);
    spezial->setObjectName(u"mnuSpezial"_s);
    dazu(spezial, später(neuerBefehl(Befehl::CallInfo, u"Call-&Info"_s, Qt::Key_F7)));
    spezial->addSeparator();
    dazu(spezial, später(neuerBefehl(Befehl::Locatorsuche, u"&Locatorsuche"_s)));
    spezial->addSeparator();
    dazu(spezial, später(neuerBefehl(Befehl::Import, u"E&XP-Datei importieren"_s)));
    dazu(spezial, später(neuerBefehl(Befehl::EdiAlleBänder, u"&EDI-Datei für alle Bänder"_s)));
    spezial->addSeparator();
    dazu(spezial,
        später(neuerBefehl(Befehl::BekannteStationenÜbernehmen, u"Bekannte Stationen &übernehmen"_s)));
    dazu(spezial,
        später(neuerBefehl(Befehl::BekannteStationenImportieren, u"Bekannte Stationen i&mportieren …"_s)));

    QMenu* hilfe = bar->addMenu(u"&Hilfe"_s);
    hilfe->setObjectName(u"mnuHilfe"_s);
    connect(dazu(hilfe, neuerBefehl(Befehl::Info, u"I&nfo"_s)), &QAction::triggered, this,
        &ContestWindow::zeigeInfo);
    hilfe->addSeparator();
    dazu(hilfe, später(neuerBefehl(Befehl::Copyright, u"&Copyright"_s)));
    hilfe->addSeparator();
    dazu(hilfe, später(neuerBefehl(Befehl::Anleitung, u"&Anleitung"_s, QKeySequence::HelpContents)));
    refresh();
}

} // namespace tarvex
