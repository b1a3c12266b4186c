#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <stdexcept>

namespace testsupport {

QString programDir() { return QStringLiteral(CONTRATS_PROGRAM_DIR "/"); }

QString shippedDatabase() { return programDir() + QStringLiteral("Ressources/DB/Data/Access/CONTRACT.MDB"); }

TempFolder::TempFolder()
{
    if (!m_dir.isValid())
        throw std::runtime_error("temporary folder");
}

QString TempFolder::path() const { return m_dir.path() + QLatin1Char('/'); }

void copyShippedDatabase(const QString& target)
{
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    if (!QFile::copy(shippedDatabase(), target))
        throw std::runtime_error("cannot copy the shipped database");
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

ProcessResult runProgram(const QString& program, const QStringList& arguments, const QStringList& environment,
                         int timeoutMs)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& pair : environment)
        env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start(programDir() + program, arguments);
    ProcessResult result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("timeout");
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace testsupport
