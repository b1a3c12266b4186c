#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <csignal>
#include <gtest/gtest.h>

namespace {

// The value of a key in the program's ini file (Windows-1252, CR LF); empty when absent.
QString iniValue(const QString& path, const QString& section, const QString& key) {
    const QStringList lines = QString::fromLatin1(testsupport::readFile(path)).split(QStringLiteral("\r\n"));
    bool inSection = false;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('[')))
            inSection = line.compare(QLatin1Char('[') + section + QLatin1Char(']'), Qt::CaseInsensitive) == 0;
        else if (inSection && line.section(QLatin1Char('='), 0, 0).compare(key, Qt::CaseInsensitive) == 0)
            return line.section(QLatin1Char('='), 1);
    }
    return {};
}

// The real program, unattended (messages on stderr, questions answered No), on its own data folder and
// its own temporary folder (where the single-instance lock lives).
class RunningProgram {
  public:
    RunningProgram(const QString& dataDir, const QString& tmpDir) : m_dataDir(dataDir) {
        m_environment = {QStringLiteral("CONTRATS_DIALOGS=console"), QStringLiteral("TMPDIR=") + tmpDir,
                         QStringLiteral("QT_QPA_PLATFORM=offscreen")};
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& pair : m_environment)
            env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        m_process.setProcessEnvironment(env);
        m_process.start(testsupport::programDir() + QStringLiteral("contrats"), arguments());
    }
    ~RunningProgram() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    QStringList arguments() const { return {QStringLiteral("--data-dir"), m_dataDir}; }
    const QStringList& environment() const { return m_environment; }
    QString settingsFile() const { return m_dataDir + QStringLiteral("/contrats.ini"); }
    bool running() const { return m_process.state() == QProcess::Running; }

    // The main window exists once its creation has written FirstLaunch=0.
    bool waitForMainWindow() {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 60000) {
            if (iniValue(settingsFile(), QStringLiteral("Properties"), QStringLiteral("FirstLaunch")) == "0")
                return true;
            if (m_process.waitForFinished(100))
                return false;
        }
        return false;
    }

    // What a session logout does; returns the exit code, -1 for a crash or no exit.
    int terminate() {
        ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
        if (!m_process.waitForFinished(60000) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }

    QString standardError() { return QString::fromUtf8(m_process.readAllStandardError()); }

  private:
    QString m_dataDir;
    QStringList m_environment;
    QProcess m_process;
};

TEST(ProgramRun, FirstStartBuildsTheDataFolderAndLogoutSavesTheWindowPlacement) {
    testsupport::TempFolder temp;
    const QString dataDir = temp.file(QStringLiteral("data"));
    QDir().mkpath(temp.file(QStringLiteral("tmp")));
    RunningProgram first(dataDir, temp.file(QStringLiteral("tmp")));
    ASSERT_TRUE(first.waitForMainWindow()) << first.standardError().toStdString();

    // A second copy gives way and leaves the first one running.
    const testsupport::ProcessResult second =
        testsupport::runProgram(QStringLiteral("contrats"), first.arguments(), first.environment());
    EXPECT_TRUE(second.err.contains(QStringLiteral("Mantivo Zadovada est déjà en exécution.")))
        << second.err.toStdString();
    EXPECT_NE(second.exitCode, 0);
    EXPECT_TRUE(first.running());

    EXPECT_EQ(first.terminate(), 0);
    for (const char* folder : {"Export", "Html", "Backup", "Data/Access", "Data/Images", "Data/Files"})
        EXPECT_TRUE(QFileInfo(dataDir + QLatin1Char('/') + QLatin1String(folder)).isDir()) << folder;
    EXPECT_TRUE(QFileInfo(dataDir + QStringLiteral("/Data/Access/CONTRACT.MDB")).size() > 0);

    // Nothing was saved before: 800 x 600, centred, not maximised, no dossier's keys written.
    const QString ini = first.settingsFile();
    EXPECT_EQ(iniValue(ini, "Windows", "Width"), "800");
    EXPECT_EQ(iniValue(ini, "Windows", "Height"), "600");
    EXPECT_GE(iniValue(ini, "Windows", "Left").toInt(), 0);
    EXPECT_GE(iniValue(ini, "Windows", "Top").toInt(), 0);
    EXPECT_EQ(iniValue(ini, "Windows", "State"), "wsNormal");
    EXPECT_EQ(iniValue(ini, "Properties", "FirstLaunch"), "0");
    // The offscreen screen has the normal 96 dpi: the large-fonts notice is silenced for good.
    EXPECT_EQ(iniValue(ini, "Properties", "HideBigFontMsg"), "1");
    EXPECT_FALSE(testsupport::readFile(ini).contains("#0="));
}

struct SavedWindowCase {
    const char* name;
    const char* state;
    const char* expectedState;
};

TEST(ProgramRun, SavedPlacementIsRestoredAndRememberedAgain) {
    const SavedWindowCase cases[] = {
        {"normal window", "wsNormal", "wsNormal"},
        // Maximised: the normal rectangle is kept for the next restore.
        {"maximised window", "wsMaximized", "wsMaximized"},
    };
    for (const SavedWindowCase& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempFolder temp;
        const QString dataDir = temp.file(QStringLiteral("data"));
        QDir().mkpath(temp.file(QStringLiteral("tmp")));
        testsupport::writeFile(
            dataDir + QStringLiteral("/contrats.ini"),
            QByteArray("[Properties]\r\nFirstLaunch=1\r\nHideBigFontMsg=1\r\n"
                       "[Windows]\r\nLeft=10\r\nTop=20\r\nWidth=500\r\nHeight=400\r\nState=") +
                c.state + "\r\n");
        RunningProgram program(dataDir, temp.file(QStringLiteral("tmp")));
        ASSERT_TRUE(program.waitForMainWindow()) << program.standardError().toStdString();
        EXPECT_EQ(program.terminate(), 0);

        const QString ini = program.settingsFile();
        EXPECT_EQ(iniValue(ini, "Windows", "Left"), "10");
        EXPECT_EQ(iniValue(ini, "Windows", "Top"), "20");
        EXPECT_EQ(iniValue(ini, "Windows", "Width"), "500");
        EXPECT_EQ(iniValue(ini, "Windows", "Height"), "400");
        EXPECT_EQ(iniValue(ini, "Windows", "State"), c.expectedState);
    }
}

} // namespace
