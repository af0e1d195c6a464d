#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace quilldar::testing {

// quilldar_session_runner, the main window on the simulated engine ECM 21H2 in a separate process:
// started in a folder of the test's, with settings of a fresh installation and no screen.
class LiveSession {
public:
    // extra: variables added to the test's own environment.
    void start(const QString& folder, const QStringList& arguments,
               const QProcessEnvironment& extra = QProcessEnvironment()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(extra);
        environment.insert(QStringLiteral("QUILLDAR_SETTINGS_DIR"), settings_.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder);
        process.start(QStringLiteral(QUILLDAR_SESSION_RUNNER_PATH), QStringList{"--simulate=engine:21H2"} + arguments);
    }
    // Waits for the process to end by itself; the lines it wrote are added to lines.
    bool finish(int timeoutMs = 60000) {
        const bool ended = process.waitForFinished(timeoutMs);
        while (process.canReadLine()) lines << QString::fromUtf8(process.readLine()).trimmed();
        return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    // The lines that start with prefix.
    QStringList linesStartingWith(const QString& prefix) const {
        QStringList found;
        for (const QString& line : lines)
            if (line.startsWith(prefix)) found << line;
        return found;
    }

    QProcess process;
    QStringList lines;

private:
    QTemporaryDir settings_;
};

}  // namespace quilldar::testing
