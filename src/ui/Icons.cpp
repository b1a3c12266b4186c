#include "ui/Icons.h"

#include "app/Globals.h"

#include <QFile>
#include <QHash>

namespace ui {

namespace {

// Read once per name: the tree asks for the same images at every rebuild.
QIcon loadIcon(const QString& fileName) {
    static QHash<QString, QIcon> cache;
    const QString folder = IconFolder();
    const QString key = folder + fileName;
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value();
    QIcon icon;
    for (const char* size : {"16/", "32/"}) {
        const QString path = folder + QLatin1String(size) + fileName;
        if (QFile::exists(path))
            icon.addFile(path);
    }
    cache.insert(key, icon);
    return icon;
}

} // namespace

QString IconFolder() {
    return app::globals().programDir + QStringLiteral("icons/");
}

QIcon TreeImage(int index) {
    if (index < 0 || index >= TreeImageCount)
        return {};
    return loadIcon(QStringLiteral("tree_%1.png").arg(index, 2, 10, QLatin1Char('0')));
}

QIcon ButtonIcon(const QString& name) {
    // Only plain names: a name never reaches outside the icon folder.
    for (const QChar c : name)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_')))
            return {};
    if (name.isEmpty())
        return {};
    return loadIcon(QStringLiteral("btn_") + name + QStringLiteral(".png"));
}

} // namespace ui
