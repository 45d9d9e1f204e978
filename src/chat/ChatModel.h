#pragma once
#include "Gearbeitet.h"
#include "KstZeile.h"
#include "NutzerTabelle.h"
#include "TelnetVerbindung.h"
#include "Verlauf.h"

#include <QHash>
#include <QObject>
#include <optional>

class QTimer;

namespace tarvex {

class OffenerContest;

// A call and the locator known for it, for the input line.
struct Uebernahme {
    QString call;
    QString locator;
};

// The KST chat window's state: the session, the messages (own call
// highlighted), the user list with distance and bearing from the own locator
// and the mark for stations worked on the current band.
class ChatModel : public QObject {
    Q_OBJECT
public:
    // The user list is asked for again this often; the chat tells no changes.
    static constexpr int kListeMs = 120000;
    static constexpr int kListenEndeMs = 1000;

    ChatModel(OffenerContest& contest, TelnetZeiten zeiten = {}, QObject* parent = nullptr);

    // Connects with the settings of section Chat.
    void verbinden();
    void trennen();
    QString status() const { return verbindung_.status(); }
    TelnetVerbindung& verbindung() { return verbindung_; }
    // The call signed on with: the setting, or the contest's own.
    QString rufzeichen() const;

    Verlauf& verlauf() { return verlauf_; }
    NutzerTabelle& nutzer() { return nutzer_; }
    void setSortierung(NutzerTabelle::Sortierung s) { nutzer_.setSortierung(s); }

    // A line typed by the operator, a message or a command ("/CQ DL1ABC sked?").
    bool senden(const QString& zeile);
    // The station of a row of the user list.
    std::optional<Uebernahme> übernahme(int zeile) const;

signals:
    void statusChanged();
    // A message named the own call.
    void mentioned(const QString& zeile);

private:
    void zeile(const QString& text);
    void listeAnfordern();
    void nutzerEintragen(const kst::Nutzer& n);
    void listeAbschließen();
    ChatNutzer bewertet(const QString& call, const QString& name, const QString& locator);
    void anzeigen();

    OffenerContest& contest_;
    TelnetVerbindung verbindung_;
    Verlauf verlauf_;
    NutzerTabelle nutzer_;
    Gearbeitet gearbeitet_;
    QTimer* listenUhr_;
    // A list that ends without a closing line is complete after this pause.
    QTimer* listenEnde_;
    // Users by call in arrival order; the table shows them sorted.
    QHash<QString, kst::Nutzer> bekannt_;
    QString eigenerLocator_;
    // Read once per sign-on, not for every line.
    QString angemeldetAls_;
    // Between "/SH US" and the first line after the list.
    bool listeOffen_ = false;
    int listeVorspann_ = 0;
    QHash<QString, kst::Nutzer> neueListe_;
};

} // namespace tarvex
