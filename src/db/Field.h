#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace db {

// The kinds of column the program distinguishes, from the declared type of the table column.
enum class FieldKind { Integer, AutoIncrement, Double, Text, Memo, Boolean, DateTime, Blob, Unknown };

FieldKind fieldKindOfDeclaredType(const QString& declaredType);
// Memo and blob columns are read only when a row's value is asked for.
inline bool isLongKind(FieldKind kind) { return kind == FieldKind::Memo || kind == FieldKind::Blob; }

struct FieldInfo {
    QString name;       // as the result names it (the alias when there is one)
    QString column;     // the table column behind it; empty for expressions
    FieldKind kind = FieldKind::Unknown;
    QString declaredType;
};

// Turns a stored value into the program's form: QDate for dates (QDateTime when a time was stored), bool for
// yes/no, qlonglong, double,
// QString, QByteArray; a null QVariant for NULL.
QVariant fromStored(FieldKind kind, const QVariant& stored);
// The reverse: ISO text for dates, 1/0 for yes/no; text typed into a number column is converted
// (French decimal comma accepted) or refused with a French AppError naming the field.
QVariant toStored(const FieldInfo& field, const QVariant& value);

// How a value prints in the command-line tool and lists: dates dd/mm/yyyy (time only when not midnight),
// numbers with a point, yes/no as 1/0, NULL empty.
QString displayText(FieldKind kind, const QVariant& value);

} // namespace db
