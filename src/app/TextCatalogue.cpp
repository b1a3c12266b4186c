#include "app/TextCatalogue.h"

namespace app {

QString GetText(const QString& section, const QString& key, const QString& text) {
    // The entry's own text is the only source: the section and key keep the index of the texts.
    Q_UNUSED(section);
    Q_UNUSED(key);
    QString result = text;
    result.replace(QStringLiteral("{CR}"), QStringLiteral("\r"));
    return result;
}

} // namespace app
