#pragma once

#include <QString>

namespace cli {

// Output of the tool: UTF-8 lines on stdout, messages on stderr ("\r" in a message is a line break).
void printLine(const QString& text);
void printError(const QString& text);

} // namespace cli
