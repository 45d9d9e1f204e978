#pragma once

struct sqlite3;

namespace tarvex {

// Registers VAL(text), HOUR("hh:mm") and the operator's LIKE (see LikePattern.h)
// on a connection. Every connection the program opens gets them.
void registerSqlFunctions(sqlite3* db);

} // namespace tarvex
