// Every test that reads the wall clock carries the label realtime, whatever it then compares:
// on a busy machine such a test fails for want of CPU, not for a fault, and the package build
// leaves the label out. Tests that judge by events or samples need no label.
//
// What is scanned: the sources of each test program built under tests/ (as CMake lists them,
// TEST_PROGRAMS), and any file under tests/ that a test's command names (scripts). The shared
// harness (tests/support, linked libraries) is not: its clock reads are deadlines, which only
// end a wait that failed anyway.
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>
#include <gtest/gtest.h>

#include "tool_run.h"

namespace {

// A clock read in C++, shell or CMake; bash's SECONDS as $SECONDS, ${SECONDS} or inside an
// arithmetic (( )). The brackets keep these patterns from matching themselves in this file.
const QRegularExpression kClockRead(QStringLiteral(
    R"(::[n]ow\s*\(|\bQElapsed[T]imer\b|\bQDeadline[T]imer\b|\bQ(Date)?Time::[c]urrent|\bclock_[g]ettime\b|)"
    R"(\bgettimeof[d]ay\b|\bdate\s+\+%[s]|\$\{?[S]ECONDS\b|\(\([^)]*\b[S]ECONDS\b|)"
    R"(string\s*\(\s*[T]IMESTAMP)"));

const QString kRealtime = QStringLiteral("realtime");

// "file:line: text" for each line of the file that reads the clock.
QStringList ClockReads(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {path + QStringLiteral(": cannot be read")};
    QStringList reads;
    QTextStream stream(&file);
    for (int line = 1; !stream.atEnd(); ++line) {
        const QString text = stream.readLine();
        if (kClockRead.match(text).hasMatch())
            reads << QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(text.trimmed());
    }
    return reads;
}

// Each test program's sources, by the program's path.
QHash<QString, QStringList> TestPrograms()
{
    QFile file(QStringLiteral(TEST_PROGRAMS));
    QHash<QString, QStringList> programs;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return programs;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QStringList fields = line.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        const QString program = fields.takeFirst();
        programs.insert(program, fields);
    }
    return programs;
}

struct RegisteredTest {
    QString name;
    QStringList command;
    bool realtime = false;
};

std::vector<RegisteredTest> RegisteredTests()
{
    support::ToolOptions options;
    options.limit = std::chrono::seconds(60);
    const support::ToolRun listing = support::RunTool(
        QStringLiteral(CTEST_COMMAND),
        {QStringLiteral("--test-dir"), QStringLiteral(BUILD_DIR), QStringLiteral("--show-only=json-v1")}, options);
    std::vector<RegisteredTest> tests;
    for (const QJsonValue& entry : QJsonDocument::fromJson(listing.output.toUtf8())[QStringLiteral("tests")].toArray()) {
        RegisteredTest test{entry[QStringLiteral("name")].toString(), {}, false};
        for (const QJsonValue& argument : entry[QStringLiteral("command")].toArray())
            test.command << argument.toString();
        for (const QJsonValue& property : entry[QStringLiteral("properties")].toArray()) {
            if (property[QStringLiteral("name")].toString() == QLatin1String("LABELS"))
                test.realtime = property[QStringLiteral("value")].toArray().contains(kRealtime);
        }
        tests.push_back(test);
    }
    return tests;
}

// The files a test runs that belong to tests/: its program's sources, or a script it names.
QStringList FilesOf(const RegisteredTest& test, const QHash<QString, QStringList>& programs)
{
    QStringList files;
    for (const QString& argument : test.command) {
        if (programs.contains(argument))
            files << programs.value(argument);
        else if (argument.startsWith(QStringLiteral(TESTS_DIR "/")) && QFile::exists(argument))
            files << argument;
    }
    return files;
}

TEST(RealtimeLabel, ClockReadsAreFoundAndDeadlinesAreNot)
{
    struct Line {
        const char* text;
        bool read;
    };
    const Line lines[] = {
        {"const auto before = Clock::now();", true},
        {"EXPECT_LT(std::chrono::steady_clock::now() - quiet, 1ms);", true},
        {"QElapsedTimer clock;", true},
        {"const qint64 t = QDateTime::currentMSecsSinceEpoch();", true},
        {"start=$(date +%s)", true},
        {"string(TIMESTAMP now \"%s\")", true},
        {"clock_gettime(CLOCK_MONOTONIC, &now);", true},
        {"const QDeadlineTimer deadline(5000);", true},
        {"gettimeofday(&now, nullptr);", true},
        {"start=$SECONDS", true},
        {"echo \"took ${SECONDS}s\"", true},
        {"elapsed=$((SECONDS - start))", true},
        {"echo \"$SECONDS_LEFT\"", false},
        {"# runs each for SECONDS (default 60)", false},
        {"ASSERT_TRUE(support::PollUntil([&] { return done; }, 5s));", false},
        {"support::LetIntervalPass(300ms);", false},
        {"const std::clock_t cpuBefore = std::clock();", false},
        {"bool nowShown = false;", false},
    };
    for (const Line& line : lines)
        EXPECT_EQ(kClockRead.match(QString::fromLatin1(line.text)).hasMatch(), line.read) << line.text;
}

TEST(RealtimeLabel, EveryTestThatReadsTheClockCarriesIt)
{
    const QHash<QString, QStringList> programs = TestPrograms();
    ASSERT_FALSE(programs.isEmpty()) << "no test programs listed in " TEST_PROGRAMS;
    const std::vector<RegisteredTest> tests = RegisteredTests();
    ASSERT_FALSE(tests.empty()) << "ctest lists no tests in " BUILD_DIR;

    QHash<QString, QStringList> unlabelled;  // clock reads by the tests that need the label
    int labelledReaders = 0;
    for (const RegisteredTest& test : tests) {
        QStringList reads;
        for (const QString& file : FilesOf(test, programs)) {
            // This file's examples of clock reads are text, not reads.
            if (file != QLatin1String(THIS_SOURCE))
                reads << ClockReads(file);
        }
        if (reads.isEmpty())
            continue;
        if (test.realtime)
            ++labelledReaders;
        else
            unlabelled.insert(test.name, reads);
    }
    for (auto it = unlabelled.cbegin(); it != unlabelled.cend(); ++it)
        ADD_FAILURE() << it.key().toStdString() << " reads the wall clock without the label realtime:\n  "
                      << it.value().join(QStringLiteral("\n  ")).toStdString();
    // The cue tests on SDL's real-time drivers read the clock: a scan that finds none there
    // would find none anywhere.
    EXPECT_GT(labelledReaders, 0);
}

}  // namespace
