#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace bench {

// Resident memory of this process (VmRSS of /proc/self/status), in bytes; -1 when unreadable.
qint64 residentBytes();

// The shortest of several runs of the work, in seconds.
double bestOf(int runs, const std::function<void()>& work);

// Runs a program with its standard output thrown away; throws std::runtime_error when it fails.
void runQuietly(const QString& program, const QStringList& arguments);

QString seconds(double value);   // "0.123 s"
QString megabytes(qint64 bytes); // "12.3 MB"

} // namespace bench
