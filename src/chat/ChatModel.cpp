#include "ChatModel.h"

#include "ChatEinstellungen.h"
#include "Textmuster.h"
#include "contest/OffenerContest.h"
#include "entry/Locator.h"

#include <QTimer>

namespace tarvex {

using namespace Qt::StringLiterals;

namespace {

// Lines before the first user that a list may open with (a title, a count).
constexpr int kVorspann = 5;

} // namespace

ChatModel::ChatModel(OffenerContest& contest, TelnetZeiten zeiten, QObject* parent)
    : QObject(parent)
    , contest_(contest)
    , verbindung_(zeiten)
    , gearbeitet_(contest)
    , listenUhr_(new QTimer(this))
    , listenEnde_(new QTimer(this))
{
    listenEnde_->setSingleShot(true);
    connect(listenEnde_, &QTimer::timeout, this, [this] {
        if (listeOffen_)
            listeAbschließen();
    });
    connect(&verbindung_, &TelnetVerbindung::lineReceived, this, &ChatModel::zeile);
    connect(&verbindung_, &TelnetVerbindung::stateChanged, this, [this] {
        if (verbindung_.zustand() != TelnetVerbindung::Zustand::Angemeldet)
            listenUhr_->stop();
        emit statusChanged();
    });
    connect(&verbindung_, &TelnetVerbindung::signedOn, this, [this] {
        listeAnfordern();
        listenUhr_->start(kListeMs);
    });
    connect(listenUhr_, &QTimer::timeout, this, &ChatModel::listeAnfordern);
    connect(&contest_, &OffenerContest::changed, this, [this] {
        // Most changes are keys in the input line: only a save, a band or
        // another own locator changes what the list shows.
        if (gearbeitet_.veraltet() || eigenerLocator_ != contest_.felder().lblLocator)
            anzeigen();
    });
}

QString ChatModel::rufzeichen() const
{
    const ChatEinstellungen e = ChatEinstellungen::laden(contest_.settings());
    return e.chatCall.isEmpty() ? contest_.lblCall().toUpper() : e.chatCall;
}

void ChatModel::verbinden()
{
    const ChatEinstellungen e = ChatEinstellungen::laden(contest_.settings());
    angemeldetAls_ = rufzeichen();
    verbindung_.verbinden(e.chatServer, e.chatPort, { angemeldetAls_, e.passwort, QString::number(e.raum) });
}

void ChatModel::trennen()
{
    verbindung_.trennen();
}

bool ChatModel::senden(const QString& zeile)
{
    const QString z = zeile.trimmed();
    if (z.isEmpty())
        return false;
    if (z.startsWith(u"/sh us"_s, Qt::CaseInsensitive)) {
        listeAnfordern();
        return verbindung_.zustand() == TelnetVerbindung::Zustand::Angemeldet;
    }
    return verbindung_.senden(z);
}

std::optional<Uebernahme> ChatModel::übernahme(int zeile) const
{
    if (zeile < 0 || zeile >= nutzer_.rowCount())
        return std::nullopt;
    const ChatNutzer& n = nutzer_.nutzer().at(zeile);
    return Uebernahme { n.call, n.locator };
}

void ChatModel::listeAnfordern()
{
    if (!verbindung_.senden(u"/SH US"_s))
        return;
    listeOffen_ = true;
    listeVorspann_ = 0;
    neueListe_.clear();
}

void ChatModel::zeile(const QString& text)
{
    if (const std::optional<kst::Nachricht> n = kst::nachricht(text)) {
        if (listeOffen_)
            listeAbschließen();
        const bool erwähnt = kst::erwähnt(*n, angemeldetAls_);
        verlauf_.anhängen(text, erwähnt);
        if (!bekannt_.contains(n->call)) {
            nutzerEintragen({ n->call, QString(), n->name });
            anzeigen();
        }
        if (erwähnt)
            emit mentioned(text);
        return;
    }
    const std::optional<kst::Nutzer> u = kst::nutzer(text);
    if (listeOffen_) {
        if (u) {
            neueListe_.insert(u->call, *u);
            listenEnde_->start(kListenEndeMs);
            return;
        }
        if (!neueListe_.isEmpty() || ++listeVorspann_ > kVorspann)
            listeAbschließen();
    } else if (u && !u->locator.isEmpty()) {
        // A user line outside a list: someone came in or changed the locator.
        nutzerEintragen(*u);
        anzeigen();
        return;
    }
    if (!text.trimmed().isEmpty())
        verlauf_.anhängen(text);
}

void ChatModel::nutzerEintragen(const kst::Nutzer& n)
{
    kst::Nutzer& alt = bekannt_[n.call];
    alt.call = n.call;
    if (!n.locator.isEmpty())
        alt.locator = n.locator;
    if (!n.name.isEmpty())
        alt.name = n.name;
}

void ChatModel::listeAbschließen()
{
    listeOffen_ = false;
    listenEnde_->stop();
    if (neueListe_.isEmpty())
        return;
    // The list is the truth: who is not in it has left.
    bekannt_.swap(neueListe_);
    neueListe_.clear();
    anzeigen();
}

ChatNutzer ChatModel::bewertet(const QString& call, const QString& name, const QString& locator)
{
    ChatNutzer c { call, name, locator };
    if (istLocator6(locator) && locatorGültig(eigenerLocator_) && eigenerLocator_.size() == 6) {
        const Strecke s = Abstand(eigenerLocator_, locator);
        c.km = s.km;
        c.winkel = s.winkel;
    }
    c.gearbeitet = gearbeitet_.gearbeitet(call);
    return c;
}

void ChatModel::anzeigen()
{
    eigenerLocator_ = contest_.felder().lblLocator.toUpper();
    QList<ChatNutzer> liste;
    liste.reserve(bekannt_.size());
    for (const kst::Nutzer& n : std::as_const(bekannt_))
        liste.append(bewertet(n.call, n.name, n.locator));
    nutzer_.setzen(std::move(liste));
}

} // namespace tarvex
