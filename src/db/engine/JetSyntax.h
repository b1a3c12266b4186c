#pragma once

#include <QString>
#include <QStringList>

// What the Jet translator writes differs from one engine to the next only in these forms; the reading
// of Jet text and the shape of the rewriting stay the same for any engine behind the program.
namespace db::jet {

class EngineSyntax {
  public:
    virtual ~EngineSyntax() = default;

    virtual QString quoteName(const QString& name) const = 0;
    virtual QString textLiteral(const QString& text) const = 0;
    // iso is "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS".
    virtual QString dateLiteral(const QString& iso) const = 0;
    virtual QString boolLiteral(bool value) const = 0;
    // Jet's & : a Null operand counts as an empty text. An operand that cannot be Null says so.
    struct Operand {
        QString text;
        bool mayBeNull = true;
    };
    virtual QString concatenation(const QList<Operand>& operands) const = 0;
    // The engine's name for a Jet function (given in upper case, without a trailing $); empty when the
    // function is not one of Jet's.
    virtual QString functionName(const QString& jetName) const = 0;
    // Appended to the statement in place of Jet's TOP n.
    virtual QString limitClause(const QString& count) const = 0;
    // Appended to an ORDER BY or GROUP BY expression so that text compares as Jet compares it.
    virtual QString caseBlindCollation() const = 0;
    // The declared type for a Jet column type (upper case, no spaces) and its size or precision ("" if
    // none); empty when the type is not one of Jet's.
    virtual QString columnType(const QString& jetType, const QStringList& size) const = 0;
    virtual bool isAutoIncrement(const QString& jetType) const = 0;
    // Index names are per table in Jet, per database in most engines.
    virtual QString indexName(const QString& table, const QString& index) const = 0;
};

// The embedded engine's forms.
const EngineSyntax& sqliteSyntax();

} // namespace db::jet
