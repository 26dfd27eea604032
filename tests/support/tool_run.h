#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>
#include <vector>

namespace support {

using namespace std::chrono_literals;

struct ToolOptions {
    std::vector<int> accepted{0};  // exit codes that mean the tool did its job
    std::optional<QProcessEnvironment> environment;  // the test's own when none
    QString workingDirectory;
    std::chrono::milliseconds limit{15s};
};

struct ToolRun {
    bool ok = false;     // started, ended by itself within the limit, with an accepted code
    int exitCode = -1;
    QString output;      // standard output, trimmed; standard error goes to the test's
};

// Runs an external tool (xdotool, import, a screenshooter, xdg-mime, ...) to its end. A tool
// that does not start, crashes, outlasts the limit or exits with a code not accepted fails
// the test, with its command line and code in the report.
ToolRun RunTool(const QString& program, const QStringList& arguments, const ToolOptions& options = {});

}  // namespace support
