#include "BearbeitenWidget.h"

#include "BearbeitenModel.h"
#include "ZeichenValidator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

struct FeldInfo {
    const char16_t* name;
    const char16_t* beschriftung;
    Bearbeiten::Feld art;
};

constexpr FeldInfo kFelder[] = {
    { u"txtLfdNummer", u"Nr.", Bearbeiten::Feld::Sonstiges },
    { u"txtDatum", u"Datum", Bearbeiten::Feld::Sonstiges },
    { u"txtUhrzeit2", u"Zeit", Bearbeiten::Feld::Uhrzeit },
    { u"txtCall2", u"Rufzeichen", Bearbeiten::Feld::Call },
    { u"txtRSTgeg2", u"RST geg", Bearbeiten::Feld::RstGeg },
    { u"txtRSTerh2", u"RST erh", Bearbeiten::Feld::RstErh },
    { u"txtLocator2", u"Locator", Bearbeiten::Feld::Locator },
    { u"txtQRB2", u"Punkte", Bearbeiten::Feld::Sonstiges },
    { u"txtWinkel2", u"Winkel", Bearbeiten::Feld::Sonstiges },
    { u"txtKernCall", u"KernCall", Bearbeiten::Feld::Sonstiges },
    { u"txtSquare", u"Großfeld", Bearbeiten::Feld::Sonstiges },
    { u"txtLand", u"Land", Bearbeiten::Feld::Sonstiges },
    { u"txtKommentar2", u"Kommentar", Bearbeiten::Feld::Sonstiges },
};

} // namespace

BearbeitenWidget::BearbeitenWidget(BearbeitenModel& model, QWidget* parent)
    : QGroupBox(u"Bearbeiten"_s, parent)
    , model_(model)
{
    auto* layout = new QGridLayout(this);
    int i = 0;
    for (const FeldInfo& info : kFelder) {
        auto* label = new QLabel(QString::fromUtf16(info.beschriftung), this);
        QLineEdit* edit = neuesFeld(QString::fromUtf16(info.name), info.art);
        label->setBuddy(edit);
        layout->addWidget(label, (i / 5) * 2, i % 5);
        layout->addWidget(edit, (i / 5) * 2 + 1, i % 5);
        ++i;
    }
    chkQSL2_ = new QCheckBox(u"QSL"_s, this);
    chkQSL2_->setObjectName(u"chkQSL2"_s);
    layout->addWidget(chkQSL2_, (i / 5) * 2 + 1, i % 5);

    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(u"Abbrechen"_s, this);
    abbrechen->setObjectName(u"cmdAbbrechen"_s);
    layout->addWidget(ok, 6, 3);
    layout->addWidget(abbrechen, 6, 4);
    connect(ok, &QPushButton::clicked, this, [this] { bestätigen(); });
    connect(abbrechen, &QPushButton::clicked, this, [this] {
        model_.abbrechen();
        emit closed();
    });
}

QLineEdit* BearbeitenWidget::neuesFeld(const QString& name, Bearbeiten::Feld art)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    // Keys and pastes alike: the field keeps only what it may hold.
    if (art != Bearbeiten::Feld::Sonstiges)
        edit->setValidator(
            new ZeichenValidator([art](const QString& t) { return Bearbeiten::filtern(art, t); }, edit));
    connect(edit, &QLineEdit::returnPressed, this, [this] { bestätigen(); });
    felder_.append(edit);
    return edit;
}

QLineEdit* BearbeitenWidget::feld(const QString& name) const
{
    for (QLineEdit* f : felder_) {
        if (f->objectName() == name)
            return f;
    }
    return nullptr;
}

void BearbeitenWidget::laden()
{
    const QsoRecord& q = model_.qso();
    const QString werte[] = { QString::number(q.nummer), q.datum, q.zeit, q.rufzeichen, q.rstGeg, q.rstErh,
        q.locator, q.punkte, q.winkel, q.kernCall, q.square, q.land, q.kommentar };
    for (qsizetype i = 0; i < felder_.size(); ++i)
        felder_[i]->setText(werte[i]);
    chkQSL2_->setChecked(q.qsl);
    felder_[2]->setFocus();
    felder_[2]->selectAll();
}

void BearbeitenWidget::bestätigen()
{
    übernehmen();
    model_.ok();
    if (!model_.offen())
        emit closed();
}

void BearbeitenWidget::übernehmen()
{
    QsoRecord& q = model_.qso();
    q.nummer = felder_[0]->text().toInt();
    q.datum = felder_[1]->text();
    q.zeit = felder_[2]->text();
    q.rufzeichen = felder_[3]->text();
    q.rstGeg = felder_[4]->text();
    q.rstErh = felder_[5]->text();
    q.locator = felder_[6]->text();
    q.punkte = felder_[7]->text();
    q.winkel = felder_[8]->text();
    q.kernCall = felder_[9]->text();
    q.square = felder_[10]->text();
    q.land = felder_[11]->text();
    q.kommentar = felder_[12]->text();
    q.qsl = chkQSL2_->isChecked();
}

} // namespace tarvex
