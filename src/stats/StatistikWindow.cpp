#include "StatistikWindow.h"

#include "ui/Zurueckmenue.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;
using Option = StatistikModel::Option;

namespace {

// Top to bottom as the form shows them.
constexpr std::array kReihenfolge { Option::Option1, Option::Option2, Option::Option4, Option::Option5,
    Option::Option3 };

QString objektName(Option option)
{
    return u"Option"_s + QString::number(static_cast<int>(option) + 1);
}

// 1950 twips at 15 twips per pixel.
constexpr int kSpaltenbreite = 130;

} // namespace

StatistikWindow::StatistikWindow(OffenerContest& contest, Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , model_(contest, prompter)
{
    setObjectName(u"frmStatistik"_s);
    setWindowTitle(u"Statistiken (Tabellen)"_s);

    auto* menü = new QMenuBar(this);
    menü->setNativeMenuBar(false);
    connect(
        zurückMenü(menü, u"mnuZurück"_s).zurück, &QAction::triggered, this, &StatistikWindow::backRequested);

    auto* überschrift = new QLabel(windowTitle(), this);
    überschrift->setObjectName(u"lblTitel"_s);
    QFont groß = überschrift->font();
    groß.setBold(true);
    groß.setPointSizeF(groß.pointSizeF() * 1.2);
    überschrift->setFont(groß);

    auto* links = new QVBoxLayout;
    for (const Option option : kReihenfolge) {
        auto* knopf = new QRadioButton(StatistikModel::beschriftung(option), this);
        knopf->setObjectName(objektName(option));
        knopf->installEventFilter(this);
        connect(knopf, &QRadioButton::clicked, this, [this, option] {
            model_.wählen(option);
            justieren();
        });
        optionen_[static_cast<size_t>(option)] = knopf;
        links->addWidget(knopf);
    }
    links->addSpacing(16);
    auto* cmdKopieren = new QPushButton(u"&Kopieren"_s, this);
    cmdKopieren->setObjectName(u"cmdKopieren"_s);
    connect(cmdKopieren, &QPushButton::clicked, this, &StatistikWindow::kopieren);
    auto* cmdAbbrechen = new QPushButton(u"&Abbrechen"_s, this);
    cmdAbbrechen->setObjectName(u"cmdAbbrechen"_s);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &StatistikWindow::backRequested);
    for (QPushButton* b : { cmdKopieren, cmdAbbrechen }) {
        b->setAutoDefault(true); // Enter on a focused button presses it
        links->addWidget(b);
    }
    links->addStretch(1);
    auto* label1 = new QLabel(u"weiter mit Enter Abbrechen mit Esc"_s, this);
    label1->setObjectName(u"Label1"_s);

    grid_ = new QTableView(this);
    grid_->setObjectName(u"DBGrid1"_s);
    grid_->setModel(&model_);
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setAlternatingRowColors(true);
    QHeaderView* köpfe = grid_->horizontalHeader();
    köpfe->setSectionsClickable(true);
    köpfe->setSortIndicatorShown(true);
    köpfe->setSortIndicator(-1, Qt::DescendingOrder);
    connect(köpfe, &QHeaderView::sortIndicatorChanged, &model_,
        [this](int spalte, Qt::SortOrder folge) { model_.sort(spalte, folge); });
    // A new view starts in its own order.
    connect(&model_, &QAbstractItemModel::modelReset, this, [köpfe] {
        const QSignalBlocker stumm(köpfe);
        köpfe->setSortIndicator(-1, Qt::DescendingOrder);
    });

    auto* inhalt = new QHBoxLayout;
    inhalt->addLayout(links);
    inhalt->addWidget(grid_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menü);
    layout->addWidget(überschrift);
    layout->addLayout(inhalt, 1);
    layout->addWidget(label1);

    auto* esc = new QShortcut(Qt::Key_Escape, this, this, &StatistikWindow::backRequested);
    esc->setContext(Qt::WidgetWithChildrenShortcut);

    model_.laden();
    knopf(model_.gewählt())->setChecked(true);
    justieren();
    setFocusProxy(grid_);
    grid_->setFocus();
}

QRadioButton* StatistikWindow::knopf(Option option) const
{
    return optionen_[static_cast<size_t>(option)];
}

void StatistikWindow::justieren()
{
    // Both columns share the grid's width, never narrower than the form's 1950 twips.
    grid_->horizontalHeader()->setMinimumSectionSize(kSpaltenbreite);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

bool StatistikWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            for (const Option option : kReihenfolge) {
                if (watched != knopf(option))
                    continue;
                QRadioButton* nächster = knopf(StatistikModel::nächste(option));
                nächster->setFocus();
                nächster->click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void StatistikWindow::kopieren()
{
    QClipboard* ablage = QGuiApplication::clipboard();
    ablage->clear();
    ablage->setText(model_.kopieren());
}

} // namespace tarvex
