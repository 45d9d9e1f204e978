#include "StatistikGrafikWindow.h"

#include "common/Prompter.h"
#include "ui/Bildspeichern.h"
#include "ui/Zurueckmenue.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace tarvex {

using namespace Qt::StringLiterals;

StatistikGrafikWindow::StatistikGrafikWindow(OffenerContest& contest, Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , model_(contest, prompter)
    , prompter_(prompter)
{
    setObjectName(u"frmStatistik2"_s);
    setWindowTitle(u"Tarvex - Statistik"_s);

    auto* menü = new QMenuBar(this);
    menü->setNativeMenuBar(false);
    connect(zurückMenü(menü, u"mnuZurück1"_s).zurück, &QAction::triggered, this,
        &StatistikGrafikWindow::backRequested);

    // The series takes the set, the chart the series.
    balken_ = new QBarSet(QString());
    balken_->setColor(QColor(0x2e, 0x6d, 0xb4));
    balken_->setBorderColor(QColor(0x1d, 0x4a, 0x7e));
    reihe_ = new QBarSeries;
    reihe_->append(balken_);
    reihe_->setBarWidth(0.8);
    reihe_->setLabelsVisible(true);
    reihe_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    reihe_->setLabelsPrecision(12); // whole numbers of any size, never "1.2e+06"

    auto* chart = new QChart;
    chart->addSeries(reihe_);
    chart->legend()->hide();
    // After addSeries, which gives the set the theme's label colour (light, meant for inside the bars).
    balken_->setLabelColor(QColor(0x20, 0x20, 0x28));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    stunden_ = new QBarCategoryAxis(chart);
    stunden_->append(model_.kategorien());
    stunden_->setTitleText(u"Stunde (UTC)"_s);
    werte_ = new QValueAxis(chart);
    werte_->setLabelFormat(u"%.0f"_s);
    werte_->setTickType(QValueAxis::TicksDynamic);
    werte_->setTickAnchor(0);
    werte_->setTickInterval(2);
    werte_->setRange(0, 10);
    chart->addAxis(stunden_, Qt::AlignBottom);
    chart->addAxis(werte_, Qt::AlignLeft);
    reihe_->attachAxis(stunden_);
    reihe_->attachAxis(werte_);

    grafik_ = new QChartView(chart, this);
    grafik_->setObjectName(u"Grafik"_s);
    grafik_->setRenderHint(QPainter::Antialiasing);
    grafik_->setMinimumHeight(300);

    // Shown at once, so it also appears while the window is not active (no tooltip
    // events then); the view's own tooltip event would hide it again, as the bars
    // have no tooltip of their own, so the filter answers that event with the text.
    connect(balken_, &QBarSet::hovered, this, [this](bool über, int index) {
        unterDerMaus_ = über ? index : -1;
        if (über)
            QToolTip::showText(QCursor::pos(), model_.wertText(index + 1), grafik_->viewport());
        else
            QToolTip::hideText();
    });
    grafik_->viewport()->installEventFilter(this);

    const struct {
        const char16_t* name;
        const char16_t* text;
        void (StatistikGrafikModel::*tun)();
    } befehle[] = {
        { u"Command1", u"&QSOs nach Zeit", &StatistikGrafikModel::QSOsNachZeit },
        { u"Command2", u"&Punkte nach Zeit", &StatistikGrafikModel::PunkteNachZeit },
        { u"Command3", u"Q&SOs kumuliert", &StatistikGrafikModel::QSOsKumuliert },
        { u"Command4", u"P&unkte kumuliert", &StatistikGrafikModel::PunkteKumuliert },
    };
    auto* knöpfe = new QGridLayout;
    int spalte = 0;
    for (const auto& b : befehle) {
        auto* knopf = new QPushButton(QString::fromUtf16(b.text), this);
        knopf->setObjectName(QString::fromUtf16(b.name));
        knopf->setAutoDefault(true);
        connect(knopf, &QPushButton::clicked, &model_, [this, tun = b.tun] { (model_.*tun)(); });
        knöpfe->addWidget(knopf, 0, spalte++);
        if (command1_ == nullptr)
            command1_ = knopf;
    }
    command1_->setDefault(true);
    auto* cmdDrucken = new QPushButton(u"Grafik &kopieren"_s, this);
    cmdDrucken->setObjectName(u"cmdDrucken"_s);
    connect(cmdDrucken, &QPushButton::clicked, this, &StatistikGrafikWindow::kopieren);
    auto* cmdSpeichern = new QPushButton(u"&Grafik speichern …"_s, this);
    cmdSpeichern->setObjectName(u"cmdSpeichern"_s);
    connect(cmdSpeichern, &QPushButton::clicked, this, &StatistikGrafikWindow::speichern);
    auto* cmdAbbrechen = new QPushButton(u"&Abbrechen"_s, this);
    cmdAbbrechen->setObjectName(u"cmdAbbrechen"_s);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &StatistikGrafikWindow::backRequested);
    for (QPushButton* knopf : { cmdDrucken, cmdSpeichern, cmdAbbrechen })
        knopf->setAutoDefault(true);
    knöpfe->addWidget(cmdDrucken, 1, 0);
    knöpfe->addWidget(cmdSpeichern, 1, 1);
    knöpfe->addWidget(cmdAbbrechen, 1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menü);
    layout->addWidget(grafik_, 1);
    layout->addLayout(knöpfe);

    auto* esc = new QShortcut(Qt::Key_Escape, this, this, &StatistikGrafikWindow::backRequested);
    esc->setContext(Qt::WidgetWithChildrenShortcut);

    connect(&model_, &StatistikGrafikModel::changed, this, &StatistikGrafikWindow::zeigen);
    setFocusProxy(command1_);
}

void StatistikGrafikWindow::zeigen()
{
    const QList<qint64>& werte = model_.werte();
    QList<qreal> balken;
    balken.reserve(werte.size());
    qint64 höchster = 0;
    for (const qint64 wert : werte) {
        balken.append(static_cast<qreal>(wert));
        höchster = std::max(höchster, wert);
    }
    // Long numbers stand upright so that neighbouring bars' labels never overlap;
    // upright labels need more room above the highest bar.
    const bool aufrecht = QString::number(höchster).size() > 3;
    // The series only labels bars it knows when its labels are switched on.
    reihe_->setLabelsVisible(false);
    reihe_->setLabelsAngle(aufrecht ? -90 : 0);
    balken_->remove(0, balken_->count());
    balken_->append(balken);
    reihe_->setLabelsVisible(true);
    // Whole-number ticks at 1, 2 or 5 times a power of ten, about five of them.
    const double oben = static_cast<double>(std::max<qint64>(höchster, 1)) * (aufrecht ? 1.25 : 1.12);
    double schritt = 1;
    while (oben / schritt > 6) {
        const double nächster = QString::number(schritt).startsWith(u'2') ? schritt * 2.5 : schritt * 2;
        schritt = nächster;
    }
    werte_->setTickAnchor(0);
    werte_->setTickInterval(schritt);
    werte_->setRange(0, std::ceil(oben / schritt) * schritt);
    grafik_->chart()->setTitle(model_.titel());
}

QImage StatistikGrafikWindow::bild() const
{
    // The chart lays itself out in posted events; the picture must show the new values.
    QCoreApplication::sendPostedEvents();
    return grafik_->grab().toImage();
}

void StatistikGrafikWindow::kopieren()
{
    QClipboard* ablage = QGuiApplication::clipboard();
    ablage->clear();
    ablage->setImage(bild());
}

void StatistikGrafikWindow::speichern()
{
    const std::optional<QString> gewählt = prompter_.dateiWählen({ u"Grafik speichern"_s,
        model_.dateiVorschlag(), u"PNG-Bilder (*.png)"_s, Dateiwahl::Art::Speichern });
    if (!gewählt || gewählt->isEmpty())
        return;
    const QString pfad = StatistikGrafikModel::mitPngEndung(*gewählt);
    pngSpeichern(bild(), pfad, u"Die Grafik"_s, prompter_);
}

bool StatistikGrafikWindow::eventFilter(QObject* objekt, QEvent* event)
{
    if (objekt == grafik_->viewport() && event->type() == QEvent::ToolTip && unterDerMaus_ >= 0) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), model_.wertText(unterDerMaus_ + 1),
            grafik_->viewport());
        return true;
    }
    return QWidget::eventFilter(objekt, event);
}

void StatistikGrafikWindow::keyPressEvent(QKeyEvent* event)
{
    // Command1 is the default button: Enter anywhere else shows contacts per hour.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        command1_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tarvex
