#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace quilldar::testing {

// One run of quilldar-tool as a separate process.
struct ToolRun {
    int exitCode;
    QByteArray out;
    QString err;
};

inline ToolRun runTool(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILLDAR_TOOL_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// The same with the settings of a fresh installation: the tool reads the stored settings (units,
// language, chart channels), and what other tests stored must not change its defaults.
inline ToolRun runTool(const QStringList& arguments) {
    QTemporaryDir settings;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLDAR_SETTINGS_DIR"), settings.path());
    return runTool(arguments, environment);
}

}  // namespace quilldar::testing
