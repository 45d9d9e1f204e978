#include "ChatWindow.h"

#include "ChatModel.h"
#include "ui/Zeilenwahl.h"

#include <QBrush>
#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// Messages naming the own call stand out in bold on yellow.
class Hervorhebung : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        const bool erwähnt = QIdentityProxyModel::data(index, Verlauf::ErwaehntRolle).toBool();
        if (erwähnt && role == Qt::BackgroundRole)
            return QBrush(QColor(255, 236, 140));
        if (erwähnt && role == Qt::FontRole) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

ChatWindow::ChatWindow(ChatModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , model_(model)
    , status_(new QLabel(this))
    , verlauf_(new QListView(this))
    , nutzer_(new QTableView(this))
    , sortierung_(new QComboBox(this))
    , senden_(new QLineEdit(this))
{
    setObjectName(u"frmKstChat"_s);
    setWindowTitle(u"KST-Chat"_s);
    status_->setObjectName(u"lblStatus"_s);
    // A long status wraps instead of widening the window beyond the screen.
    status_->setWordWrap(true);
    verlauf_->setObjectName(u"lstVerlauf"_s);
    nutzer_->setObjectName(u"lstNutzer"_s);
    sortierung_->setObjectName(u"cboSortierung"_s);
    senden_->setObjectName(u"txtSenden"_s);

    auto* hervorhebung = new Hervorhebung(this);
    hervorhebung->setSourceModel(&model_.verlauf());
    verlauf_->setModel(hervorhebung);
    verlauf_->setUniformItemSizes(true);
    verlauf_->setWordWrap(false);
    verlauf_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    nutzer_->setModel(&model_.nutzer());
    nutzer_->setSelectionBehavior(QAbstractItemView::SelectRows);
    nutzer_->setSelectionMode(QAbstractItemView::SingleSelection);
    nutzer_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nutzer_->verticalHeader()->hide();
    nutzer_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    nutzer_->horizontalHeader()->setStretchLastSection(true);
    nutzer_->horizontalHeader()->resizeSection(NutzerTabelle::Rufzeichen, 90);
    nutzer_->horizontalHeader()->resizeSection(NutzerTabelle::Qso, 36);
    nutzer_->horizontalHeader()->resizeSection(NutzerTabelle::Km, 52);
    nutzer_->horizontalHeader()->resizeSection(NutzerTabelle::Richtung, 64);
    nutzer_->horizontalHeader()->resizeSection(NutzerTabelle::Locator, 70);
    new Zeilenwahl(nutzer_, [this](int zeile) { übernehmen(zeile); });
    // The list is read anew every two minutes: the station the operator is on stays chosen.
    connect(&model_.nutzer(), &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QModelIndex i = nutzer_->currentIndex();
        gewählt_ = i.isValid() ? model_.nutzer().nutzer().at(i.row()).call : QString();
    });
    connect(&model_.nutzer(), &QAbstractItemModel::modelReset, this, [this] {
        const int zeile = std::max(0, model_.nutzer().zeileVon(gewählt_));
        if (zeile < model_.nutzer().rowCount())
            nutzer_->setCurrentIndex(model_.nutzer().index(zeile, 0));
    });

    sortierung_->addItems({ u"nach Entfernung"_s, u"nach Rufzeichen"_s });
    connect(sortierung_, &QComboBox::activated, this, [this](int i) {
        model_.setSortierung(
            i == 0 ? NutzerTabelle::Sortierung::Entfernung : NutzerTabelle::Sortierung::Rufzeichen);
    });

    auto* verbinden = new QPushButton(u"&Verbinden"_s, this);
    verbinden->setObjectName(u"cmdVerbinden"_s);
    auto* trennen = new QPushButton(u"&Trennen"_s, this);
    trennen->setObjectName(u"cmdTrennen"_s);
    connect(verbinden, &QPushButton::clicked, this, [this] { model_.verbinden(); });
    connect(trennen, &QPushButton::clicked, this, [this] { model_.trennen(); });

    senden_->setPlaceholderText(u"Nachricht oder Befehl, z. B. /CQ DL1ABC sked 144.300"_s);
    connect(senden_, &QLineEdit::returnPressed, this, [this] {
        if (model_.senden(senden_->text()))
            senden_->clear();
    });

    auto* rechts = new QWidget(this);
    auto* rechtsLayout = new QVBoxLayout(rechts);
    rechtsLayout->setContentsMargins(0, 0, 0, 0);
    rechtsLayout->addWidget(sortierung_);
    rechtsLayout->addWidget(nutzer_);
    auto* teiler = new QSplitter(this);
    teiler->addWidget(verlauf_);
    teiler->addWidget(rechts);
    teiler->setStretchFactor(0, 1);
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
    connect(&model_, &ChatModel::statusChanged, this, statusZeigen);
    statusZeigen();
    // The newest message stays in sight.
    connect(&model_.verlauf(), &QAbstractItemModel::rowsInserted, verlauf_, &QListView::scrollToBottom);
    resize(900, 420);
}

void ChatWindow::übernehmen(int zeile)
{
    if (const std::optional<Uebernahme> ü = model_.übernahme(zeile))
        emit takeOver(ü->call, ü->locator);
}

} // namespace tarvex
