#include "ScriptedPrompter.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace tarvex::test {

Meldung::Antwort ScriptedPrompter::zeige(const Meldung& meldung)
{
    gezeigt_.append(meldung);
    if (beimZeigen)
        beimZeigen(meldung);
    return antworten_.isEmpty() ? meldung.standard : antworten_.takeFirst();
}

std::optional<QString> ScriptedPrompter::frage(const Eingabefrage& frage)
{
    gefragt_.append(frage);
    return eingaben_.isEmpty() ? std::optional<QString>(frage.vorgabe) : eingaben_.takeFirst();
}

std::optional<QString> ScriptedPrompter::dateiWählen(const Dateiwahl& frage)
{
    dateiFragen_.append(frage);
    return dateien_.isEmpty() ? std::nullopt : dateien_.takeFirst();
}

QStringList ScriptedPrompter::texte() const
{
    QStringList result;
    for (const Meldung& m : gezeigt_)
        result.append(m.text);
    return result;
}

Meldung ScriptedPrompter::einzige() const
{
    if (gezeigt_.size() == 1)
        return gezeigt_.front();
    ADD_FAILURE() << gezeigt_.size() << " Meldungen statt einer: " << texte().join(u" | ").toStdString();
    return {};
}

} // namespace tarvex::test
