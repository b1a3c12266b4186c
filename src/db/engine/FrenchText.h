#pragma once

#include <QString>

// Text comparison as a French user expects it: case never counts, accents only break ties.
namespace db::french {

// Orders first on the text with case and accents removed (é è ê ë -> e, ç -> c, œ -> oe, ß -> ss, ...
// over Latin-1 and Latin Extended-A), then on the case-folded text with its accents, so that
// "Eric" < "Éric" < "Erica" < "Zoé" and "ÉLISE" equals "élise". Returns <0, 0 or >0.
// Works on UTF-8 without allocating; bytes that are not UTF-8 still order consistently.
int compare(const char* a, qsizetype aBytes, const char* b, qsizetype bBytes) noexcept;
int compare(const QString& a, const QString& b) noexcept;
inline bool lessThan(const QString& a, const QString& b) noexcept
{
    return compare(a, b) < 0;
}

// SQL LIKE without regard to case (accents count): "%" any characters, "_" one character; escape (0 for
// none) makes the next pattern character literal.
bool like(const char* pattern, qsizetype patternBytes, const char* text, qsizetype textBytes,
          char32_t escape = 0) noexcept;
bool like(const QString& pattern, const QString& text, QChar escape = QChar()) noexcept;

// The text with case and accents removed, as the first level of compare() sees it ("Œuvre" -> "oeuvre").
QString foldedKey(const QString& text);

} // namespace db::french
