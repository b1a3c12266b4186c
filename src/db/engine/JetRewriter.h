#pragma once

#include "db/engine/JetTokenizer.h"

namespace db::jet {

class EngineSyntax;

// Rewrites the expressions and clauses of a Jet statement (names, literals, functions, &, TOP n) into
// the engine's forms; the statement's own words and spacing stay as written.
class Rewriter {
  public:
    Rewriter(const Tokens& tokens, const EngineSyntax& syntax) : m_tokens(tokens), m_syntax(syntax) {}

    // Rewrites tokens [begin, end).
    QString rewrite(qsizetype begin, qsizetype end) const;
    QString rewriteAll() const { return rewrite(0, m_tokens.size()); }

    // The index of the ")" that closes the "(" at open, or end when it is not closed before end.
    qsizetype closing(qsizetype open, qsizetype end) const;

  private:
    struct Piece {
        QString text;
        qsizetype token = -1;  // the source token; -1 for a parenthesised group
        bool nullFree = false; // a literal, which & need not guard against Null
    };
    using Pieces = QList<Piece>;

    Pieces pieces(qsizetype begin, qsizetype end) const;
    QString wordText(qsizetype index, qsizetype end, const Pieces& before) const;
    bool isWord(const Piece& piece, const char* word) const;
    bool isSymbol(const Piece& piece, const char* symbol) const;
    bool isBoundary(const Piece& piece) const;
    QString takeTop(Pieces& list) const;
    void rewriteConcatenations(Pieces& list) const;
    void collateTerms(Pieces& list) const;

    const Tokens& m_tokens;
    const EngineSyntax& m_syntax;
};

} // namespace db::jet
