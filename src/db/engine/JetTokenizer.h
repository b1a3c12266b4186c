#pragma once

#include <QList>
#include <QString>

// The lexical forms of Jet SQL: [bracketed] names, 'text' and "text" literals, #m/d/yyyy# dates.
namespace db::jet {

enum class TokenKind {
    Space,      // blanks and line breaks, kept so that a translation reads like its source
    Word,       // a name or keyword as written (Custom00144243, Left$, SELECT)
    Identifier, // a quoted name: [Title], `Title`; value holds the bare name
    String,     // 'it''s' or "it's"; value holds the text itself
    Date,       // #3/25/2007#; value holds the ISO form ("2007-03-25" or "2007-03-25 10:20:00")
    Number,     // 12, 1.5, 2E3
    Parameter,  // ?, :name, @name
    Symbol,     // ( ) , ; . and operators (<>, <=, >=, &, +, ...)
};

struct Token {
    TokenKind kind = TokenKind::Symbol;
    QString text;  // the source text
    QString value; // see TokenKind

    bool isSpace() const { return kind == TokenKind::Space; }
    bool isSymbol(const char* symbol) const
    {
        return kind == TokenKind::Symbol && text == QLatin1String(symbol);
    }
    // A keyword or unquoted name, compared without regard to case.
    bool isWord(const char* word) const
    {
        return kind == TokenKind::Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isName() const { return kind == TokenKind::Word || kind == TokenKind::Identifier; }
    // A name without its quoting.
    QString name() const { return kind == TokenKind::Identifier ? value : text; }
};

using Tokens = QList<Token>;

// Throws app::AppError (French text) on an unclosed literal, name or date, or an impossible date.
Tokens tokenize(const QString& sql);

// Index of the next token that is not a space at or after from (tokens.size() when none).
qsizetype nextSolid(const Tokens& tokens, qsizetype from, qsizetype end = -1);

// Reads the inside of a Jet date literal (m/d/yyyy, yyyy-mm-dd, with or without a time, or a time alone)
// into its ISO form; empty when it is not a date.
QString jetDateToIso(const QString& inside);

} // namespace db::jet
