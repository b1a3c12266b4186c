#include "cli/Console.h"

#include <cstdio>

namespace cli {

void printLine(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void printError(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", shown.toUtf8().constData());
}

} // namespace cli
