#pragma once
#include "common/Optionen.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tarvex {

// What a typed character becomes in the input line, given the line so far:
// upper case unless the line is a comment ("K." or "K:"), "-" turns into "/",
// and only letters, digits, "/ : . * ? +" and blank get through.
std::optional<QChar> eingabeZeichen(const QString& zeileBisher, QChar getippt);

// The whole line as if each of its characters had been typed in order: the
// rule of eingabeZeichen, for text that arrives by paste as much as by key.
QString eingabeFiltern(const QString& zeile);

// Splits the line at blanks. An empty line, a leading blank and two blanks in a
// row give empty tokens (save requests); a trailing blank gives nothing.
QStringList zeileZerlegen(const QString& zeile);

// The report a new contact starts with: "59", "599" or nothing.
QString rstText(RstVorgabe rst);

// The "+" shortcut: "+7" → "59007", "599007" or "007" after the report preset.
// Other tokens are returned unchanged.
QString plusKürzel(const QString& token, RstVorgabe rst);

} // namespace tarvex
