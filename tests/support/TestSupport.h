#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// The build's program folder (shipped resources, executables).
QString programDir();
// The shipped empty database of the build.
QString shippedDatabase();

// A temporary folder removed at the end of the test; path() ends with "/".
class TempFolder {
public:
    TempFolder();
    QString path() const;
    QString file(const QString& relative) const { return path() + relative; }

private:
    QTemporaryDir m_dir;
};

// Copies the shipped empty database to the given path (folders created).
void copyShippedDatabase(const QString& target);

void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

struct ProcessResult {
    int exitCode = -1;
    QString out;
    QString err;
};
// Runs a program of the build folder with the given arguments and extra environment ("NAME=value").
ProcessResult runProgram(const QString& program, const QStringList& arguments,
                         const QStringList& environment = {}, int timeoutMs = 120000);

} // namespace testsupport

#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
