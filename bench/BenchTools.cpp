#include "BenchTools.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <limits>
#include <stdexcept>

namespace bench {

qint64 residentBytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
}

double bestOf(int runs, const std::function<void()>& work) {
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}

void runQuietly(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw std::runtime_error((program + QStringLiteral(" a échoué : ") +
                                  QString::fromLocal8Bit(process.readAllStandardError()))
                                     .toStdString());
}

QString seconds(double value) {
    return QStringLiteral("%1 s").arg(value, 0, 'f', 3);
}

QString megabytes(qint64 bytes) {
    return QStringLiteral("%1 MB").arg(double(bytes) / 1e6, 0, 'f', 1);
}

} // namespace bench
