#include "app/Globals.h"

namespace app {

QString UpdateScriptName()
{
    QString digits = ProductVersion;
    digits.remove(QLatin1Char('.'));
    return QStringLiteral("BD_") + digits + QStringLiteral(".maj");
}

Globals& globals()
{
    static Globals instance;
    return instance;
}

QString withSlash(const QString& folder)
{
    QString path = folder;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace app
