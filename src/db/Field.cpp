#include "db/Field.h"

#include "app/AppError.h"
#include "app/DateText.h"

#include <cmath>

namespace db {

FieldKind fieldKindOfDeclaredType(const QString& declaredType)
{
    const QString type = declaredType.trimmed().toUpper();
    if (type.isEmpty())
        return FieldKind::Unknown;
    if (type.startsWith(QLatin1String("LONGTEXT")) || type.startsWith(QLatin1String("MEMO")))
        return FieldKind::Memo;
    if (type.startsWith(QLatin1String("BOOL")) || type == QLatin1String("BIT"))
        return FieldKind::Boolean;
    if (type.startsWith(QLatin1String("DATE")) || type == QLatin1String("TIME"))
        return FieldKind::DateTime;
    if (type.contains(QLatin1String("BLOB")))
        return FieldKind::Blob;
    if (type.contains(QLatin1String("INT")))
        return FieldKind::Integer;
    if (type.contains(QLatin1String("DOUB")) || type.contains(QLatin1String("REAL")) ||
        type.contains(QLatin1String("FLOA")) || type.contains(QLatin1String("CURRENCY")))
        return FieldKind::Double;
    if (type.contains(QLatin1String("TEXT")) || type.contains(QLatin1String("CHAR")))
        return FieldKind::Text;
    return FieldKind::Unknown;
}

QVariant fromStored(FieldKind kind, const QVariant& stored)
{
    if (!stored.isValid() || stored.isNull())
        return QVariant();
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::AutoIncrement:
        return QVariant(stored.toLongLong());
    case FieldKind::Double:
        return QVariant(stored.toDouble());
    case FieldKind::Boolean:
        return QVariant(stored.toLongLong() != 0);
    case FieldKind::DateTime: {
        if (stored.typeId() == QMetaType::QDateTime || stored.typeId() == QMetaType::QDate)
            return stored;
        QDate date;
        QTime time;
        bool hasTime = false;
        if (!app::datetext::parseIso(stored.toString(), date, time, hasTime))
            return QVariant();
        // A plain date stays a QDate: no time zone to look up for the dates of every row.
        return hasTime ? QVariant(app::datetext::wallClock(date, time)) : QVariant(date);
    }
    case FieldKind::Text:
    case FieldKind::Memo:
        return QVariant(stored.toString());
    case FieldKind::Blob:
        return QVariant(stored.toByteArray());
    case FieldKind::Unknown:
        break;
    }
    return stored;
}

namespace {

[[noreturn]] void refuse(const FieldInfo& field, const QString& text, const QString& expected)
{
    throw app::AppError(QStringLiteral("La valeur « %1 » ne convient pas au champ %2 : %3 attendu.")
                            .arg(text, field.name, expected));
}

QVariant storedNumber(const FieldInfo& field, const QVariant& value, bool integer)
{
    if (value.typeId() == QMetaType::QString) {
        QString text = value.toString().trimmed();
        if (text.isEmpty())
            return QVariant();
        text.remove(QChar(0x00A0)).remove(QChar(0x202F)).remove(QLatin1Char(' '));
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        if (integer) {
            const qlonglong number = text.toLongLong(&ok);
            if (!ok)
                refuse(field, value.toString(), QStringLiteral("un nombre entier"));
            return QVariant(number);
        }
        const double number = text.toDouble(&ok);
        // "inf" and "nan" read as numbers, but no amount or count is infinite.
        if (!ok || !std::isfinite(number))
            refuse(field, value.toString(), QStringLiteral("un nombre"));
        return QVariant(number);
    }
    bool ok = false;
    if (integer) {
        const qlonglong number = value.toLongLong(&ok);
        if (!ok)
            refuse(field, value.toString(), QStringLiteral("un nombre entier"));
        return QVariant(number);
    }
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        refuse(field, value.toString(), QStringLiteral("un nombre"));
    return QVariant(number);
}

QVariant storedDate(const FieldInfo& field, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().isValid() ? QVariant(app::datetext::toIso(value.toDate())) : QVariant();
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? QVariant(app::datetext::toIso(value.toDateTime())) : QVariant();
    default:
        break;
    }
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return QVariant();
    const QDateTime shown = app::datetext::fromDisplayMoment(text);
    if (shown.isValid())
        return QVariant(app::datetext::toIso(shown));
    const QDateTime iso = app::datetext::fromIso(text);
    if (iso.isValid())
        return QVariant(app::datetext::toIso(iso));
    refuse(field, text, QStringLiteral("une date jj/mm/aaaa"));
}

} // namespace

QVariant toStored(const FieldInfo& field, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (field.kind) {
    case FieldKind::Integer:
    case FieldKind::AutoIncrement:
        return storedNumber(field, value, true);
    case FieldKind::Double:
        return storedNumber(field, value, false);
    case FieldKind::Boolean:
        if (value.typeId() == QMetaType::QString) {
            const QString text = value.toString().trimmed().toLower();
            if (text.isEmpty())
                return QVariant();
            return QVariant(qlonglong(text == QLatin1String("true") || text == QLatin1String("oui") ||
                                              (text.toLongLong() != 0)
                                          ? 1
                                          : 0));
        }
        return QVariant(qlonglong(value.toBool() ? 1 : 0));
    case FieldKind::DateTime:
        return storedDate(field, value);
    case FieldKind::Text:
    case FieldKind::Memo:
        return QVariant(value.toString());
    case FieldKind::Blob:
        return QVariant(value.toByteArray());
    case FieldKind::Unknown:
        break;
    }
    return value;
}

QString displayText(FieldKind kind, const QVariant& given)
{
    // Accepts stored values as well as converted ones.
    const QVariant value = kind == FieldKind::Unknown ? given : fromStored(kind, given);
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return app::datetext::toDisplay(value.toDateTime());
    case QMetaType::QDate:
        return app::datetext::toDisplay(value.toDate());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::QByteArray:
        return kind == FieldKind::Blob || kind == FieldKind::Unknown
                   ? QStringLiteral("(binaire, %1 octets)").arg(value.toByteArray().size())
                   : QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}

} // namespace db
