#include "WartendeWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarvex {

using namespace Qt::StringLiterals;

WartendeWindow::WartendeWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool)
{
    setObjectName(u"frmWartend"_s);
    setWindowTitle(u"Wartende Verbindungen"_s);
    auto* layout = new QVBoxLayout(this);
    liste_ = new QTreeWidget(this);
    liste_->setObjectName(u"lstWartend"_s);
    liste_->setHeaderLabels({ u"Zeit"_s, u"Verbindung"_s, u"Grund"_s });
    liste_->setRootIsDecorated(false);
    liste_->setAllColumnsShowFocus(true);
    liste_->header()->setStretchLastSection(true);
    layout->addWidget(liste_);
    leer_ = new QLabel(u"Keine wartenden Verbindungen."_s, this);
    layout->addWidget(leer_);
    auto* knöpfe = new QHBoxLayout;
    const auto knopf = [&](const QString& text, const QString& name, void (WartendeWindow::*signal)(int)) {
        auto* k = new QPushButton(text, this);
        k->setObjectName(name);
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, [this, signal] { wähle(signal); });
        knöpfe->addWidget(k);
        return k;
    };
    // A tool window hands the main menu bar's Alt letters (D, B, O, S, P, H) on
    // to the main window, so the buttons use others.
    vervollständigen_
        = knopf(u"V&ervollständigen (Enter)"_s, u"cmdVervollstaendigen"_s, &WartendeWindow::eintragen);
    speichern_ = knopf(u"Spei&chern"_s, u"cmdSpeichern"_s, &WartendeWindow::speichern);
    doppel_ = knopf(u"als Doppe&l speichern"_s, u"cmdDoppel"_s, &WartendeWindow::doppeltSpeichern);
    verwerfen_ = knopf(u"Ver&werfen (Entf)"_s, u"cmdVerwerfen"_s, &WartendeWindow::verwerfen);
    layout->addLayout(knöpfe);
    connect(liste_, &QTreeWidget::currentItemChanged, this, &WartendeWindow::knöpfeZeigen);
    resize(560, 260);
    knöpfeZeigen();
}

void WartendeWindow::setZeilen(const QList<Zeile>& zeilen)
{
    const int vorher = aktuelle();
    zeilen_ = zeilen;
    liste_->clear();
    for (const Zeile& z : zeilen)
        liste_->addTopLevelItem(new QTreeWidgetItem({ z.zeit, z.verbindung, z.grund }));
    liste_->resizeColumnToContents(0);
    liste_->resizeColumnToContents(1);
    if (!zeilen.isEmpty())
        liste_->setCurrentItem(liste_->topLevelItem(std::clamp(vorher, 0, int(zeilen.size()) - 1)));
    knöpfeZeigen();
}

int WartendeWindow::aktuelle() const
{
    QTreeWidgetItem* i = liste_->currentItem();
    return i != nullptr ? liste_->indexOfTopLevelItem(i) : -1;
}

void WartendeWindow::knöpfeZeigen()
{
    const int i = aktuelle();
    const bool gewählt = i >= 0 && i < zeilen_.size();
    leer_->setVisible(zeilen_.isEmpty());
    for (QPushButton* k : { vervollständigen_, speichern_, verwerfen_ })
        k->setEnabled(gewählt);
    doppel_->setEnabled(gewählt && zeilen_.at(i).doppelt);
}

void WartendeWindow::wähle(void (WartendeWindow::*signal)(int))
{
    const int i = aktuelle();
    if (i < 0 || i >= zeilen_.size())
        return;
    if (signal == &WartendeWindow::doppeltSpeichern && !zeilen_.at(i).doppelt)
        return;
    emit(this->*signal)(i);
}

void WartendeWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        wähle(&WartendeWindow::eintragen);
        return;
    case Qt::Key_Delete:
        wähle(&WartendeWindow::verwerfen);
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace tarvex
