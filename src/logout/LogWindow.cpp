#include "LogWindow.h"

#include "LogFelder.h"
#include "LogModel.h"
#include "common/Prompter.h"
#include "common/UserError.h"
#include "print/QtPrinterSurface.h"
#include "print/SingleJobPrinterSurface.h"
#include "ui/Feldverlassen.h"
#include "ui/Zurueckmenue.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// Without a printer the preview and the PDF get a printer's paper and edge.
void ohneDruckerEinrichten(QPrinter& drucker)
{
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    drucker.setDocName(u"Tarvex"_s);
    drucker.setCreator(u"Tarvex"_s);
}

QCheckBox* kästchen(const QString& name, const QString& text, const QString& hinweis = {})
{
    auto* k = new QCheckBox(text);
    k->setObjectName(name);
    if (!hinweis.isEmpty())
        k->setToolTip(hinweis);
    return k;
}

} // namespace

LogWindow::LogWindow(
    LogModel& model, Prompter& prompter, PrinterSurface& drucker, const Druckerwahl& wahl, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , prompter_(prompter)
    , drucker_(drucker)
    , wahl_(wahl)
{
    setObjectName(u"frmLog"_s);
    setWindowTitle(u"Log drucken"_s);

    menüleiste_ = new QMenuBar(this);
    connect(zurückMenü(menüleiste_, u"mnuZurück2"_s, u"mnuDatei"_s).zurück, &QAction::triggered, &model_,
        &LogModel::abbrechen);

    auto* deckblatt = new QGroupBox(u"Daten des Deckblatts"_s);
    auto* raster = new QGridLayout(deckblatt);
    raster->setVerticalSpacing(2);
    lblStationsdaten_ = new QLabel;
    lblStationsdaten_->setObjectName(u"lblStationsdaten"_s);
    lblStationsdaten_->setWordWrap(true);
    lblStationsdaten_->setStyleSheet(u"QLabel { color: #a00000; font-weight: bold; }"_s);
    lblStationsdaten_->hide();
    raster->addWidget(lblStationsdaten_, 0, 0, 1, 2);
    int zeile = 1;
    for (const LogFeldDefinition& d : LogFelder::definitionen()) {
        auto* feld = new QLineEdit;
        feld->setObjectName(QString::fromUtf16(d.name));
        feld->setMaxLength(d.länge);
        auto* etikett = new QLabel(QString::fromUtf16(d.beschriftung));
        etikett->setBuddy(feld);
        raster->addWidget(etikett, zeile, 0);
        if (d.länge >= 20) {
            raster->addWidget(feld, zeile, 1);
        } else {
            // Short fields are as wide as their text, with the unit beside them.
            feld->setFixedWidth(feld->fontMetrics().averageCharWidth() * (d.länge + 3) + 12);
            auto* neben = new QHBoxLayout;
            neben->addWidget(feld);
            if (d.einheit)
                neben->addWidget(new QLabel(QString::fromUtf16(d.einheit)));
            neben->addStretch(1);
            raster->addLayout(neben, zeile, 1);
        }
        const LogFeld f = d.feld;
        connect(
            feld, &QLineEdit::textEdited, this, [this, f](const QString& text) { feldGeändert(f, text); });
        felder_.insert(f, feld);
        ++zeile;
    }
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(zeile, 1);

    chkDeckblatt_ = kästchen(u"chkDeckblatt"_s, u"Deckblatt drucken"_s);
    chkLog_ = kästchen(u"chkLog"_s, u"Log drucken"_s);
    chkInDatei_ = kästchen(u"chkInDatei"_s, u"Ausgabe in Datei"_s);
    chkExportieren_ = kästchen(u"chkExportieren"_s, u"Datenbank in EXP-Datei speichern"_s,
        u"die erstellte EXP-Datei bitte an QQ9QQ senden"_s);
    chkADIF_ = kästchen(u"chkADIF"_s, u"ADIF-Exportdatei erstellen"_s);
    chkEMail_ = kästchen(u"chkEMail"_s, u"EXP-Datei sofort als e-Mail senden"_s,
        u"kommt keine Verbindung ins Internet zustande bleibt die Mail im Postausgang stehen"_s);
    chkEDI_ = kästchen(u"chkEDI"_s, u"EDI-Datei (REG1TEST) erstellen"_s);
    connect(chkDeckblatt_, &QCheckBox::clicked, &model_, &LogModel::setDeckblatt);
    connect(chkLog_, &QCheckBox::clicked, &model_, &LogModel::setLog);
    connect(chkInDatei_, &QCheckBox::clicked, this, [this](bool an) {
        model_.setInDatei(an);
        if (an)
            txtDateiName_->setFocus(Qt::OtherFocusReason);
    });
    connect(chkExportieren_, &QCheckBox::clicked, this, [this](bool an) {
        model_.setExportieren(an);
        anzeigen();
    });
    connect(chkADIF_, &QCheckBox::clicked, &model_, &LogModel::setADIF);
    connect(chkEMail_, &QCheckBox::clicked, &model_, &LogModel::setEMail);
    connect(chkEDI_, &QCheckBox::clicked, &model_, &LogModel::setEDI);

    lblDateiname_ = new QLabel(u"Dateiname"_s);
    lblDateiname_->setObjectName(u"lblDateiname"_s);
    txtDateiName_ = new QLineEdit;
    txtDateiName_->setObjectName(u"txtDateiName"_s);
    txtDateiName_->setMaxLength(LogModel::dateinameLänge);
    lblDateiname_->setBuddy(txtDateiName_);
    connect(txtDateiName_, &QLineEdit::textEdited, this, [this](const QString& text) {
        // File names are typed in capitals.
        const int cursor = txtDateiName_->cursorPosition();
        model_.setTxtDateiName(text.toUpper());
        if (txtDateiName_->text() != model_.txtDateiName()) {
            txtDateiName_->setText(model_.txtDateiName());
            txtDateiName_->setCursorPosition(cursor);
        }
    });

    txtExportname_ = new QLineEdit;
    txtExportname_->setObjectName(u"txtExportname"_s);
    txtExportname_->setReadOnly(true);
    txtExportname_->setFocusPolicy(Qt::NoFocus);
    txtEdiname_ = new QLineEdit;
    txtEdiname_->setObjectName(u"txtEdiname"_s);
    txtEdiname_->setReadOnly(true);
    txtEdiname_->setFocusPolicy(Qt::NoFocus);

    auto* ausgabe = new QGroupBox(u"Ausgabe"_s);
    auto* spalte = new QVBoxLayout(ausgabe);
    spalte->addWidget(chkDeckblatt_);
    spalte->addWidget(chkLog_);
    spalte->addWidget(chkInDatei_);
    auto* dateiZeile = new QHBoxLayout;
    dateiZeile->addWidget(lblDateiname_);
    dateiZeile->addWidget(txtDateiName_);
    spalte->addLayout(dateiZeile);
    spalte->addSpacing(8);
    spalte->addWidget(chkExportieren_);
    spalte->addWidget(chkADIF_);
    spalte->addWidget(chkEMail_);
    auto* lblExportname = new QLabel(u"Exportdatei"_s);
    lblExportname->setBuddy(txtExportname_);
    spalte->addWidget(lblExportname);
    spalte->addWidget(txtExportname_);
    spalte->addWidget(chkEDI_);
    auto* lblEdiname = new QLabel(u"EDI-Datei"_s);
    lblEdiname->setBuddy(txtEdiname_);
    spalte->addWidget(lblEdiname);
    spalte->addWidget(txtEdiname_);
    spalte->addStretch(1);

    cmdDrucken_ = new QPushButton(u"&Drucken"_s);
    cmdDrucken_->setObjectName(u"cmdDrucken"_s);
    cmdDrucken_->setDefault(true);
    cmdVorschau_ = new QPushButton(u"&Vorschau"_s);
    cmdVorschau_->setObjectName(u"cmdVorschau"_s);
    cmdVorschau_->setToolTip(u"Deckblatt und Log vor dem Drucken ansehen"_s);
    cmdAbbrechen_ = new QPushButton(u"&Abbrechen"_s);
    cmdAbbrechen_->setObjectName(u"cmdAbbrechen"_s);
    datumVerlassen_ = new Feldverlassen(
        this, felder_.value(LogFeld::Datum), cmdAbbrechen_, [this] { model_.datumVerlassen(); });
    connect(cmdDrucken_, &QPushButton::clicked, this, &LogWindow::drucken);
    connect(cmdVorschau_, &QPushButton::clicked, this, &LogWindow::vorschau);
    connect(cmdAbbrechen_, &QPushButton::clicked, &model_, &LogModel::abbrechen);
    // "Drucken" looks like the default button, so Enter in a field prints. Esc is "Abbrechen".
    const auto enterDruckt
        = [this](QLineEdit* feld) { connect(feld, &QLineEdit::returnPressed, this, &LogWindow::drucken); };
    for (QLineEdit* feld : std::as_const(felder_))
        enterDruckt(feld);
    enterDruckt(txtDateiName_);
    // "&Datei" and "&Drucken" share Alt+D, which Qt then gives to neither; here
    // it prints, and the menu opens with F10 or Alt alone.
    qApp->installEventFilter(this);
    auto* esc = new QShortcut(QKeySequence::Cancel, this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, &model_, &LogModel::abbrechen);
    auto* knöpfe = new QHBoxLayout;
    knöpfe->addWidget(cmdDrucken_);
    knöpfe->addWidget(cmdVorschau_);
    knöpfe->addWidget(cmdAbbrechen_);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(ausgabe, 1);
    rechts->addLayout(knöpfe);

    auto* haupt = new QHBoxLayout;
    haupt->addWidget(deckblatt, 2);
    haupt->addLayout(rechts, 1);
    auto* außen = new QVBoxLayout(this);
    außen->setMenuBar(menüleiste_);
    außen->addLayout(haupt);

    connect(&model_, &LogModel::changed, this, &LogWindow::anzeigen);
    connect(&model_, &LogModel::closeRequested, this, &LogWindow::backRequested);
    connect(&model_, &LogModel::focusDatum, this,
        [this] { felder_.value(LogFeld::Datum)->setFocus(Qt::OtherFocusReason); });
    connect(
        &model_, &LogModel::focusDateiName, this, [this] { txtDateiName_->setFocus(Qt::OtherFocusReason); });
    anzeigen();
}

void LogWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown by the program, not merely restored with the main frame.
    if (event->spontaneous())
        return;
    datumVerlassen_->setOffen(false);
    model_.aktivieren();
    felder_.value(LogFeld::Wettbewerb)->setFocus(Qt::OtherFocusReason);
}

void LogWindow::anzeigen()
{
    for (auto it = felder_.cbegin(); it != felder_.cend(); ++it)
        if (it.value()->text() != model_.text(it.key()))
            it.value()->setText(model_.text(it.key()));
    chkDeckblatt_->setChecked(model_.chkDeckblatt());
    chkLog_->setChecked(model_.chkLog());
    chkInDatei_->setChecked(model_.chkInDatei());
    chkExportieren_->setChecked(model_.chkExportieren());
    chkADIF_->setChecked(model_.chkADIF());
    chkEMail_->setChecked(model_.chkEMail());
    chkEDI_->setChecked(model_.chkEDI());
    lblDateiname_->setVisible(model_.dateinameSichtbar());
    txtDateiName_->setVisible(model_.dateinameSichtbar());
    if (txtDateiName_->text() != model_.txtDateiName())
        txtDateiName_->setText(model_.txtDateiName());
    txtExportname_->setText(model_.txtExportname());
    txtEdiname_->setText(model_.txtEdiname());
    lblStationsdaten_->setText(model_.stationsdatenHinweis());
    lblStationsdaten_->setVisible(!model_.stationsdatenHinweis().isEmpty());
}

void LogWindow::feldGeändert(LogFeld feld, const QString& text)
{
    QLineEdit* edit = felder_.value(feld);
    const int cursor = edit->cursorPosition();
    model_.setText(feld, text);
    // The model may have turned a comma into a full stop; the cursor stays put.
    if (edit->text() != model_.text(feld)) {
        edit->setText(model_.text(feld));
        edit->setCursorPosition(cursor);
    }
}

bool LogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        if (taste->key() == Qt::Key_D && taste->modifiers() == Qt::AltModifier && w && isVisible()
            && (w == this || isAncestorOf(w)) && cmdDrucken_->isEnabled()) {
            taste->accept();
            if (event->type() == QEvent::KeyPress)
                cmdDrucken_->animateClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool LogWindow::datumPrüfen()
{
    if (!datumVerlassen_->offen())
        return true;
    datumVerlassen_->setOffen(false);
    return model_.datumVerlassen();
}

void LogWindow::drucken()
{
    // Enter or Alt+D in the date field: the date is checked as on leaving it.
    if (felder_.value(LogFeld::Datum)->hasFocus())
        datumVerlassen_->setOffen(true);
    if (!datumPrüfen())
        return;
    switch (const LogModel::Druckweg weg = model_.druckweg(wahl_)) {
    case LogModel::Druckweg::Direkt:
        model_.drucken(drucker_);
        break;
    case LogModel::Druckweg::PdfOhneDrucker:
    case LogModel::Druckweg::PdfStattDrucker:
        alsPdfDrucken(weg);
        break;
    case LogModel::Druckweg::Nichts:
        break;
    }
}

void LogWindow::alsPdfDrucken(LogModel::Druckweg weg)
{
    // One PDF file for the whole log rather than one file and one message per page.
    const QString pfad = model_.pdfAnlegen(weg);
    if (pfad.isEmpty())
        return;
    QPrinter pdf(QPrinter::HighResolution);
    ohneDruckerEinrichten(pdf);
    // In place of a failing printer the pages look as they would have on it.
    if (weg == LogModel::Druckweg::PdfStattDrucker)
        pdf.setPageMargins(QtPrinterSurface::druckerRänder(wahl_.ziel()), QPageLayout::Millimeter);
    pdf.setOutputFileName(pfad);
    SingleJobPrinterSurface fläche(pdf);
    model_.drucken(fläche);
}

void LogWindow::vorschau()
{
    if (!datumPrüfen())
        return;
    QPrinter drucker(QPrinter::HighResolution);
    if (wahl_.ziel().isEmpty())
        ohneDruckerEinrichten(drucker);
    QPrintPreviewDialog dialog(&drucker, this);
    dialog.setObjectName(u"Vorschau"_s);
    dialog.setWindowTitle(u"Vorschau: Log drucken"_s);
    dialog.resize(800, 600);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* ziel) {
        try {
            SingleJobPrinterSurface fläche(*ziel);
            model_.vorschau(fläche);
        } catch (const UserError& e) {
            prompter_.zeige(fehlerMeldung(e.meldung()));
        }
    });
    dialog.exec();
}

} // namespace tarvex
