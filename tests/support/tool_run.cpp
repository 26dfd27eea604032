#include "tool_run.h"

#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>

namespace support {

ToolRun RunTool(const QString& program, const QStringList& arguments, const ToolOptions& options)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (options.environment)
        tool.setProcessEnvironment(*options.environment);
    if (!options.workingDirectory.isEmpty())
        tool.setWorkingDirectory(options.workingDirectory);
    tool.start(program, arguments);
    const std::string command = (QStringList{program} + arguments).join(' ').toStdString();
    ToolRun run;
    if (!tool.waitForFinished(static_cast<int>(options.limit.count()))) {
        ADD_FAILURE() << command << ": " << (tool.state() == QProcess::NotRunning ? "did not start" : "did not end in time");
        tool.kill();
        tool.waitForFinished();
        return run;
    }
    run.output = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    if (tool.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << command << ": crashed";
        return run;
    }
    run.exitCode = tool.exitCode();
    run.ok = std::find(options.accepted.begin(), options.accepted.end(), run.exitCode) != options.accepted.end();
    if (!run.ok)
        ADD_FAILURE() << command << ": exit code " << run.exitCode;
    return run;
}

}  // namespace support
