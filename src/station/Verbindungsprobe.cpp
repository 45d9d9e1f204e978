#include "Verbindungsprobe.h"

namespace tarvex {

using namespace Qt::StringLiterals;

Verbindungsprobe::Verbindungsprobe(HamlibZeiten zeiten, QObject* parent)
    : QObject(parent)
    , client_(zeiten)
{
    connect(&client_, &HamlibClient::stateChanged, this, [this] {
        if (!läuft_)
            return;
        if (client_.zustand() == HamlibClient::Zustand::Verbunden) {
            client_.senden("_", 1, [this](const HamlibAntwort& a) {
                switch (a.art) {
                case HamlibAntwort::Art::Werte:
                    fertig(u"%1 antwortet: „%2“"_s.arg(gerät_, a.werte.join(u' ').trimmed()));
                    break;
                case HamlibAntwort::Art::Fehler:
                    fertig(u"%1 antwortet: RPRT %2"_s.arg(gerät_).arg(a.code));
                    break;
                default:
                    fertig(u"%1 nicht erreichbar: %2"_s.arg(gerät_, client_.letzterFehler()));
                    break;
                }
            });
        } else if (client_.zustand() == HamlibClient::Zustand::Getrennt) {
            fertig(u"%1 nicht erreichbar: %2"_s.arg(gerät_, client_.letzterFehler()));
        }
    });
}

void Verbindungsprobe::prüfen(const QString& name, const QString& host, quint16 port)
{
    gerät_ = name;
    läuft_ = true;
    client_.verbinden(host, port, false);
}

void Verbindungsprobe::fertig(const QString& text)
{
    if (!läuft_)
        return;
    läuft_ = false;
    client_.trennen();
    emit finished(text);
}

} // namespace tarvex
