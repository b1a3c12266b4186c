#include "db/engine/JetFunctions.h"

#include "app/AppError.h"
#include "db/engine/EngineErrors.h"
#include "db/engine/FrenchText.h"
#include "db/engine/JetFunctionSupport.h"

namespace db {

namespace {

int frenchCollation(void*, int aBytes, const void* a, int bBytes, const void* b)
{
    return french::compare(static_cast<const char*>(a), aBytes, static_cast<const char*>(b), bBytes);
}

// like(pattern, text[, escape]): the engine calls it for "text LIKE pattern [ESCAPE escape]".
void caseBlindLike(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    }
    char32_t escape = 0;
    if (argc == 3) {
        const QString text = jetfn::text(argv[2]);
        if (text.toUcs4().size() != 1) {
            jetfn::resultError(context, QStringLiteral("ESCAPE expression must be a single character"));
            return;
        }
        escape = text.toUcs4().first();
    }
    const auto* pattern = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int patternBytes = sqlite3_value_bytes(argv[0]);
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    const int textBytes = sqlite3_value_bytes(argv[1]);
    sqlite3_result_int(context, french::like(pattern, patternBytes, text, textBytes, escape) ? 1 : 0);
}

void collation(sqlite3* handle, const char* name)
{
    const int rc = sqlite3_create_collation_v2(handle, name, SQLITE_UTF8, nullptr, frenchCollation, nullptr);
    if (rc != SQLITE_OK)
        throw app::AppError(engineErrorText(handle, rc));
}

} // namespace

void registerJetExtensions(sqlite3* handle)
{
    collation(handle, "NOCASE");
    collation(handle, "FRENCH");
    jetfn::define(handle, "like", 2, caseBlindLike);
    jetfn::define(handle, "like", 3, caseBlindLike);
    jetfn::registerDateFunctions(handle);
    jetfn::registerTextFunctions(handle);
}

} // namespace db
