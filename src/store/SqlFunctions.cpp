#include "SqlFunctions.h"

#include "LikePattern.h"
#include "common/Val.h"

#include <QString>
#include <cmath>
#include <sqlite3.h>

namespace tarvex {
namespace {

QString argText(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

void resultNumber(sqlite3_context* ctx, double number)
{
    // Whole numbers stay integers so that SUM(VAL(Punkte)) reads "550", not "550.0".
    if (std::trunc(number) == number && std::abs(number) < 9.0e15)
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(number));
    else
        sqlite3_result_double(ctx, number);
}

void valFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    resultNumber(ctx, Val(QByteArrayView(text, sqlite3_value_bytes(argv[0]))));
}

void hourFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int(ctx, Stunde(argText(argv[0])));
}

// SQLite calls like(pattern, text) for "text LIKE pattern".
void likeFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // The pattern is the same for every row of a statement: decode it once.
    auto* pattern = static_cast<QString*>(sqlite3_get_auxdata(ctx, 0));
    if (pattern == nullptr) {
        pattern = new QString(argText(argv[0]));
        sqlite3_set_auxdata(ctx, 0, pattern, [](void* p) { delete static_cast<QString*>(p); });
        pattern = static_cast<QString*>(sqlite3_get_auxdata(ctx, 0));
        if (pattern == nullptr) { // auxdata refused (out of memory): fall back to a local copy
            const QString local = argText(argv[0]);
            sqlite3_result_int(ctx, likeMatches(local, argText(argv[1])) ? 1 : 0);
            return;
        }
    }
    // The QSL list's default "*" takes every call: no need to decode each one.
    if (*pattern == u"*")
        sqlite3_result_int(ctx, 1);
    else
        sqlite3_result_int(ctx, likeMatches(*pattern, argText(argv[1])) ? 1 : 0);
}

void check(int rc, sqlite3* db)
{
    if (rc != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
}

} // namespace

void registerSqlFunctions(sqlite3* db)
{
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    check(
        sqlite3_create_function_v2(db, "VAL", 1, flags, nullptr, valFunction, nullptr, nullptr, nullptr), db);
    check(sqlite3_create_function_v2(db, "HOUR", 1, flags, nullptr, hourFunction, nullptr, nullptr, nullptr),
        db);
    check(sqlite3_create_function_v2(db, "LIKE", 2, flags, nullptr, likeFunction, nullptr, nullptr, nullptr),
        db);
}

} // namespace tarvex
