#include "ClusterWindow.h"

#include "ClusterModel.h"
#include "ui/Zeilenwahl.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

ClusterWindow::ClusterWindow(ClusterModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , model_(model)
    , status_(new QLabel(this))
    , spots_(new QTableView(this))
    , verlauf_(new QListView(this))
    , senden_(new QLineEdit(this))
{
    setObjectName(u"frmDxCluster"_s);
    setWindowTitle(u"DX-Cluster"_s);
    status_->setObjectName(u"lblStatus"_s);
    // A long status wraps instead of widening the window beyond the screen.
    status_->setWordWrap(true);
    spots_->setObjectName(u"lstSpots"_s);
    verlauf_->setObjectName(u"lstVerlauf"_s);
    senden_->setObjectName(u"txtSenden"_s);

    spots_->setModel(&model_.spots());
    spots_->setSelectionBehavior(QAbstractItemView::SelectRows);
    spots_->setSelectionMode(QAbstractItemView::SingleSelection);
    spots_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    spots_->verticalHeader()->hide();
    spots_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    spots_->horizontalHeader()->setStretchLastSection(true);
    spots_->horizontalHeader()->resizeSection(SpotTabelle::Zeit, 44);
    spots_->horizontalHeader()->resizeSection(SpotTabelle::Frequenz, 96);
    spots_->horizontalHeader()->resizeSection(SpotTabelle::Rufzeichen, 90);
    spots_->horizontalHeader()->resizeSection(SpotTabelle::Qso, 36);
    spots_->horizontalHeader()->resizeSection(SpotTabelle::Km, 52);
    spots_->horizontalHeader()->resizeSection(SpotTabelle::Locator, 70);
    spots_->horizontalHeader()->resizeSection(SpotTabelle::Spotter, 80);
    new Zeilenwahl(spots_, [this](int zeile) { übernehmen(zeile); });
    // Without a chosen spot Enter takes the newest.
    const auto ersterGewählt = [this] {
        if (!spots_->currentIndex().isValid() && model_.spots().rowCount() > 0)
            spots_->setCurrentIndex(model_.spots().index(0, 0));
    };
    connect(&model_.spots(), &QAbstractItemModel::modelReset, this, ersterGewählt);
    connect(&model_.spots(), &QAbstractItemModel::rowsInserted, this, ersterGewählt);

    verlauf_->setModel(&model_.verlauf());
    verlauf_->setUniformItemSizes(true);
    verlauf_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(&model_.verlauf(), &QAbstractItemModel::rowsInserted, verlauf_, &QListView::scrollToBottom);

    auto* verbinden = new QPushButton(u"&Verbinden"_s, this);
    verbinden->setObjectName(u"cmdVerbinden"_s);
    auto* trennen = new QPushButton(u"&Trennen"_s, this);
    trennen->setObjectName(u"cmdTrennen"_s);
    connect(verbinden, &QPushButton::clicked, this, [this] { model_.verbinden(); });
    connect(trennen, &QPushButton::clicked, this, [this] { model_.trennen(); });
    senden_->setPlaceholderText(u"Befehl an den Cluster, z. B. sh/dx 144"_s);
    connect(senden_, &QLineEdit::returnPressed, this, [this] {
        if (model_.senden(senden_->text()))
            senden_->clear();
    });

    auto* teiler = new QSplitter(Qt::Vertical, this);
    teiler->addWidget(spots_);
    teiler->addWidget(verlauf_);
    teiler->setStretchFactor(0, 3);
    teiler->setStretchFactor(1, 1);
    auto* unten = new QHBoxLayout;
    unten->addWidget(senden_, 1);
    unten->addWidget(verbinden);
    unten->addWidget(trennen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(teiler, 1);
    layout->addLayout(unten);

    const auto statusZeigen = [this] { status_->setText(model_.status()); };
    connect(&model_, &ClusterModel::statusChanged, this, statusZeigen);
    statusZeigen();
    resize(820, 420);
}

void ClusterWindow::übernehmen(int zeile)
{
    if (const std::optional<Uebernahme> ü = model_.übernahme(zeile))
        emit takeOver(ü->call, ü->locator);
}

} // namespace tarvex
