#pragma once

#include "support/TestSupport.h"

#include <QStringList>

namespace clitest {

// Runs the command-line tool on a data folder.
inline testsupport::ProcessResult runCli(const QString& dataDir, const QStringList& arguments,
                                         const QStringList& environment = {}) {
    return testsupport::runProgram(QStringLiteral("contrats-cli"),
                                   QStringList{QStringLiteral("--data-dir"), dataDir} + arguments,
                                   environment);
}

// The lines the tool printed, without the final empty one.
inline QStringList outputLines(const testsupport::ProcessResult& result) {
    QStringList lines = result.out.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The database file that start-up puts in a data folder with the default db.ini.
inline QString databaseFile(const QString& dataDir) {
    return dataDir + QStringLiteral("Data/Access/CONTRACT.MDB");
}

} // namespace clitest
