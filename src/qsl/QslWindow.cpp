#include "QslWindow.h"

#include "QslModel.h"
#include "common/Grossschreibung.h"
#include "common/Prompter.h"
#include "print/QtPrinterSurface.h"
#include "ui/Zurueckmenue.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTreeView>
#include <QVBoxLayout>
#include <QValidator>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// Every typed letter becomes a capital before it reaches the field.
class Großschreibung final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = großschreiben(input);
        return Acceptable;
    }
};

struct FeldText {
    const char16_t* name;
    const char16_t* beschriftung;
    const char16_t* einheit;
};

constexpr FeldText kFeldTexte[QslModel::kFeldAnzahl] = {
    { u"txtObererAbstand", u"Abstand vom oberen Rand", u"mm" },
    { u"txtLinkerAbstand", u"Abstand vom linken Rand", u"mm" },
    { u"txtLinkerAbstand2", u"... für die zweite Spalte", u"mm" },
    { u"txtHöhe", u"Höhe eines Etiketts", u"mm" },
    { u"txtVertikalerAbstand", u"Vertikaler Abstand zwischen den Etiketten", u"mm" },
    { u"txtAnzahl", u"Anzahl der Etiketten pro Spalte", u"Stück" },
    { u"txtStation", u"Angaben zur Station", u"" },
};

QPushButton* knopf(const QString& name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

QslWindow::QslWindow(
    QslModel& model, Prompter& prompter, const Clock& uhr, const Druckerwahl& wahl, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , prompter_(prompter)
    , uhr_(uhr)
    , wahl_(wahl)
{
    setObjectName(u"frmQSL"_s);
    setWindowTitle(u"QSL-Aufkleber drucken"_s);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    // A menu bar of its own: the main frame hides its menus while this window is shown.
    auto* leiste = new QMenuBar(this);
    layout->setMenuBar(leiste);
    connect(zurückMenü(leiste, u"mnuZurück"_s, u"mnuDatei"_s).zurück, &QAction::triggered, this,
        &QslWindow::back);

    auto* oben = new QHBoxLayout;
    layout->addLayout(oben, 1);

    liste_ = new QTreeView(this);
    liste_->setObjectName(u"ListView1"_s);
    liste_->setRootIsDecorated(false);
    liste_->setUniformRowHeights(true);
    liste_->setAllColumnsShowFocus(true);
    liste_->setModel(&model_.liste());
    liste_->header()->setStretchLastSection(false);
    liste_->header()->resizeSection(0, 130);
    liste_->header()->resizeSection(1, 50);
    liste_->header()->resizeSection(2, 75);
    liste_->setMinimumWidth(280);
    liste_->installEventFilter(this);
    oben->addWidget(liste_);

    auto* rechts = new QVBoxLayout;
    oben->addLayout(rechts, 1);

    auto* auswahl = new QGroupBox(u"Auswahlbedingungen"_s, this);
    auswahl->setObjectName(u"fraAuswahl"_s);
    auto* a = new QGridLayout(auswahl);
    txtCall_ = new QLineEdit(model_.txtCall(), auswahl);
    txtCall_->setObjectName(u"txtCall"_s);
    txtCall_->setValidator(new Großschreibung(txtCall_));
    txtPunkte_ = new QLineEdit(model_.txtPunkte, auswahl);
    txtPunkte_->setObjectName(u"txtPunkte"_s);
    auto* lblCall = new QLabel(u"für Rufzeichen:"_s, auswahl);
    lblCall->setBuddy(txtCall_);
    auto* lblPunkte = new QLabel(u"Entfernungen über"_s, auswahl);
    lblPunkte->setBuddy(txtPunkte_);
    a->addWidget(lblCall, 0, 0);
    a->addWidget(txtCall_, 0, 1);
    a->addWidget(lblPunkte, 1, 0);
    a->addWidget(txtPunkte_, 1, 1);
    a->addWidget(new QLabel(u"km"_s, auswahl), 1, 2);
    auto* markieren = new QHBoxLayout;
    QPushButton* cmdAlle = knopf(u"cmdAlle"_s, u"A&lle markieren"_s, auswahl);
    QPushButton* cmdKeine = knopf(u"cmdKeine"_s, u"Markierung &löschen"_s, auswahl);
    QPushButton* cmdUmkehren = knopf(u"cmdUmkehren"_s, u"Markierung &umkehren"_s, auswahl);
    markieren->addWidget(cmdAlle);
    markieren->addWidget(cmdKeine);
    markieren->addWidget(cmdUmkehren);
    a->addLayout(markieren, 2, 0, 1, 3);
    rechts->addWidget(auswahl);

    auto* eigenschaften = new QGroupBox(u"Etiketteneigenschaften"_s, this);
    eigenschaften->setObjectName(u"fraEtiketten"_s);
    auto* e = new QGridLayout(eigenschaften);
    for (int i = 0; i < QslModel::kFeldAnzahl; ++i) {
        const FeldText& t = kFeldTexte[i];
        auto* feld = new QLineEdit(model_.feld(QslModel::Feld(i)), eigenschaften);
        feld->setObjectName(QString::fromUtf16(t.name));
        feld->installEventFilter(this);
        connect(feld, &QLineEdit::textEdited, this,
            [this, i](const QString& text) { model_.setFeld(QslModel::Feld(i), text); });
        felder_[std::size_t(i)] = feld;
        auto* beschriftung = new QLabel(QString::fromUtf16(t.beschriftung), eigenschaften);
        beschriftung->setBuddy(feld);
        if (QslModel::Feld(i) == QslModel::Feld::Station) {
            e->addWidget(beschriftung, i, 0, 1, 3);
            e->addWidget(feld, i + 1, 0, 1, 3);
        } else {
            feld->setMaximumWidth(70);
            e->addWidget(beschriftung, i, 0);
            e->addWidget(feld, i, 1);
            e->addWidget(new QLabel(QString::fromUtf16(t.einheit), eigenschaften), i, 2);
        }
    }
    e->setColumnStretch(0, 1);

    auto* optionen = new QGridLayout;
    optEndlos_ = new QRadioButton(u"Endlosetiketten"_s, eigenschaften);
    optEndlos_->setObjectName(u"optEtikettenart0"_s);
    optBögen_ = new QRadioButton(u"DIN A4-Bögen"_s, eigenschaften);
    optBögen_->setObjectName(u"optEtikettenart1"_s);
    auto* art = new QButtonGroup(this);
    art->addButton(optEndlos_, 0);
    art->addButton(optBögen_, 1);
    chkZweiSpalten_ = new QCheckBox(u"zweispaltig drucken"_s, eigenschaften);
    chkZweiSpalten_->setObjectName(u"chkZweiSpalten"_s);
    optPseQsl_ = new QRadioButton(u"pse QSL drucken"_s, eigenschaften);
    optPseQsl_->setObjectName(u"optPseQSL"_s);
    optTnxQsl_ = new QRadioButton(u"tnx QSL drucken"_s, eigenschaften);
    optTnxQsl_->setObjectName(u"optTnxQSL"_s);
    auto* gruß = new QButtonGroup(this);
    gruß->addButton(optPseQsl_);
    gruß->addButton(optTnxQsl_);
    optionen->addWidget(optEndlos_, 0, 0);
    optionen->addWidget(optBögen_, 1, 0);
    optionen->addWidget(chkZweiSpalten_, 2, 0);
    optionen->addWidget(optPseQsl_, 0, 1);
    optionen->addWidget(optTnxQsl_, 1, 1);
    e->addLayout(optionen, QslModel::kFeldAnzahl + 1, 0, 1, 3);
    rechts->addWidget(eigenschaften);
    rechts->addStretch();

    auto* unten = new QHBoxLayout;
    QPushButton* cmdDrucken = knopf(u"cmdDrucken"_s, u"&Aufkleber drucken"_s, this);
    QPushButton* cmdVorschau = knopf(u"cmdVorschau"_s, u"&Vorschau"_s, this);
    cmdVorschau->setToolTip(
        u"Die Aufkleber vor dem Drucken ansehen, etwa um die Lage auf Normalpapier zu prüfen"_s);
    QPushButton* cmdAbbrechen = knopf(u"cmdAbbrechen"_s, u"A&bbrechen"_s, this);
    unten->addStretch();
    unten->addWidget(cmdDrucken);
    unten->addWidget(cmdVorschau);
    unten->addWidget(cmdAbbrechen);
    layout->addLayout(unten);

    connect(
        txtCall_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.setTxtCall(text); });
    connect(
        txtPunkte_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.txtPunkte = text; });
    connect(txtCall_, &QLineEdit::returnPressed, this, [this] { model_.auswahlAnwenden(); });
    connect(txtPunkte_, &QLineEdit::returnPressed, this, [this] { model_.auswahlAnwenden(); });
    connect(cmdAlle, &QPushButton::clicked, this, [this] { model_.alleMarkieren(); });
    connect(cmdKeine, &QPushButton::clicked, this, [this] { model_.markierungLöschen(); });
    connect(cmdUmkehren, &QPushButton::clicked, this, [this] { model_.markierungUmkehren(); });
    connect(art, &QButtonGroup::idClicked, this, [this](int id) { model_.etikettenartWählen(id); });
    connect(chkZweiSpalten_, &QCheckBox::toggled, this, [this](bool an) { model_.chkZweiSpalten = an; });
    connect(optPseQsl_, &QRadioButton::toggled, this, [this](bool an) { model_.optPseQsl = an; });
    connect(cmdDrucken, &QPushButton::clicked, this, [this] {
        if (model_.drucken())
            emit back();
    });
    connect(cmdVorschau, &QPushButton::clicked, this, &QslWindow::vorschau);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QslWindow::back);
    connect(&model_, &QslModel::changed, this, &QslWindow::anzeigen);
    anzeigen();
}

QslWindow::~QslWindow()
{
    // An open preview goes before the printer it draws on.
    qDeleteAll(findChildren<QPrintPreviewDialog*>());
}

void QslWindow::anzeigen()
{
    for (int i = 0; i < QslModel::kFeldAnzahl; ++i) {
        QLineEdit* feld = felder_[std::size_t(i)];
        const QString& text = model_.feld(QslModel::Feld(i));
        if (feld->text() != text)
            feld->setText(text);
    }
    felder_[std::size_t(QslModel::Feld::Anzahl)]->setEnabled(model_.anzahlAktiv());
    (model_.etikettenart() == 0 ? optEndlos_ : optBögen_)->setChecked(true);
    chkZweiSpalten_->setChecked(model_.chkZweiSpalten);
    chkZweiSpalten_->setVisible(model_.zweiSpaltenSichtbar());
    (model_.optPseQsl ? optPseQsl_ : optTnxQsl_)->setChecked(true);
}

void QslWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Coming to the front, not the frame being restored from the task bar.
    if (!event->spontaneous())
        model_.füllen();
}

bool QslWindow::eventFilter(QObject* objekt, QEvent* event)
{
    // End goes to the selection's last contact, not to the last one read so far.
    if (objekt == liste_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_End)
        model_.liste().alleLesen();
    if (event->type() == QEvent::FocusOut) {
        for (int i = 0; i < QslModel::kFeldAnzahl; ++i) {
            if (objekt == felder_[std::size_t(i)]) {
                model_.setFeld(QslModel::Feld(i), felder_[std::size_t(i)]->text());
                model_.feldVerlassen(QslModel::Feld(i));
            }
        }
    }
    return QWidget::eventFilter(objekt, event);
}

QPrintPreviewDialog* QslWindow::vorschau()
{
    const std::optional<QList<QsoRecord>> qsos = model_.vorschauQsos();
    if (!qsos)
        return nullptr;
    vorschauQsos_ = *qsos;
    vorschauDrucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    auto* dialog = new QPrintPreviewDialog(vorschauDrucker_.get(), this);
    dialog->setObjectName(u"frmVorschau"_s);
    dialog->setWindowTitle(u"Vorschau der QSL-Aufkleber"_s);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* drucker) {
        QtPrinterSurface fläche(prompter_, uhr_, wahl_, drucker);
        model_.vorschauDrucken(fläche, vorschauQsos_);
    });
    dialog->resize(760, 560);
    dialog->open();
    return dialog;
}

} // namespace tarvex
