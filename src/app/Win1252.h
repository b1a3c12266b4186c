#pragma once

#include <QByteArray>
#include <QString>

// Text files in the Windows ANSI code page (settings, db.ini, scripts, exports).
namespace app::win1252 {

QString decode(const QByteArray& bytes);
// Characters outside the code page become "?".
QByteArray encode(const QString& text);

// Reads a text file: valid UTF-8 (with or without a byte-order mark) as UTF-8, anything else as
// Windows-1252. Throws AppError with a French text when the file cannot be read.
QString readTextFile(const QString& path);
// Writes the text as Windows-1252 through a temporary file, so a failed write leaves the old file.
void writeTextFile(const QString& path, const QString& text);

} // namespace app::win1252
