#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace tarvex {

// Replaces the file at pfad with inhalt as a whole: written beside it and
// renamed at the end, so a failed save leaves an older file as it was. On
// failure the German message for the operator, "<was> konnte nicht in <pfad>
// gespeichert werden: <Grund>."; empty inhalt (a picture that could not be
// encoded) fails too, and nothing is written.
std::optional<QString> ganzSpeichern(const QString& pfad, const QByteArray& inhalt, const QString& was);

} // namespace tarvex
