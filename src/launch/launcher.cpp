#include "launch/launcher.h"

#include "base/own_environment.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>
#include <cerrno>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kOpener = "xdg-open";

struct FoundOpener {
    QString path;   // empty when none may be run
    int error = 0;  // then ENOENT, or EACCES when one exists that may not be run
};

// Looks the opener up on PATH as execvp would, so that a missing opener and one the user may
// not run are told apart by errno before anything starts: Qt reports why a start failed
// only as translated text.
FoundOpener FindOpener()
{
    QByteArray searchPath = qgetenv("PATH");
    if (searchPath.isNull())
        searchPath = "/usr/local/bin:/usr/bin:/bin";
    FoundOpener found{{}, ENOENT};
    for (const QByteArray& dir : searchPath.split(':')) {
        const QByteArray file = (dir.isEmpty() ? QByteArray(".") : dir) + '/' + kOpener;
        struct stat status {};
        if (::stat(file.constData(), &status) != 0) {
            if (errno == EACCES)
                found.error = EACCES;
            continue;
        }
        if (S_ISREG(status.st_mode) && ::access(file.constData(), X_OK) == 0)
            return {QFile::decodeName(file), 0};
        found.error = EACCES;
    }
    return found;
}

// A QProcess kills its child when it is destroyed, but the mail program or browser that the
// opener waits for must outlive the program, which ends right after a launch. So an opener
// still running is kept here, in a set that is never destroyed: if it ends while the program
// runs it is deleted then; when the program ends first, nothing kills it and it runs on.
void KeepRunning(std::unique_ptr<QProcess> process)
{
    static auto* const running = new std::set<QProcess*>;
    QProcess* kept = process.release();
    running->insert(kept);
    QObject::connect(kept, &QProcess::finished, kept, [kept] {
        running->erase(kept);
        kept->deleteLater();
    });
}

}  // namespace

LaunchOutcome RunLauncher(const std::string& url, std::chrono::milliseconds patience)
{
    const FoundOpener opener = FindOpener();
    if (opener.path.isEmpty())
        return {LaunchOutcome::End::kNotStarted, 0, opener.error};

    auto process = std::make_unique<QProcess>();
    process->setProgram(opener.path);
    process->setArguments({QString::fromLatin1(url)});
    // The opener and its program write where the game writes and read nothing: pipes to the
    // game would break when it ends, and a write to them would kill the browser.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    // The variables the game set for its sound library would name the browser as the game in
    // the desktop's mixer.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const std::string& name : OwnVariables())
        environment.remove(QString::fromStdString(name));
    process->setProcessEnvironment(environment);
    // A session of its own, as a desktop launcher gives: a hang-up or Ctrl+C meant for the
    // game's terminal does not reach the mail program or browser.
    process->setChildProcessModifier([] { ::setsid(); });

    bool ended = false;
    QEventLoop loop;
    QObject::connect(process.get(), &QProcess::finished, &loop, [&] {
        ended = true;
        loop.quit();
    });
    QObject::connect(process.get(), &QProcess::errorOccurred, &loop,
                     [&](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             ended = true;
                             loop.quit();
                         }
                     });
    QTimer patienceTimer;
    patienceTimer.setSingleShot(true);
    QObject::connect(&patienceTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
    process->start();
    if (!ended) {
        patienceTimer.start(patience);
        loop.exec();
    }

    if (!ended) {
        KeepRunning(std::move(process));
        return {LaunchOutcome::End::kStillRunning, 0, 0};
    }
    if (process->error() == QProcess::FailedToStart) {
        // The opener was there and runnable a moment ago: unless that has changed meanwhile,
        // the system could not create the process (fork or exec out of memory or process slots).
        const FoundOpener again = FindOpener();
        return {LaunchOutcome::End::kNotStarted, 0, again.path.isEmpty() ? again.error : ENOMEM};
    }
    if (process->exitStatus() == QProcess::CrashExit)
        return {LaunchOutcome::End::kCrashed, 0, 0};
    return {LaunchOutcome::End::kExited, process->exitCode(), 0};
}
