#include "test_desktop.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "poll.h"
#include "tool_run.h"

namespace {

void WriteFile(const QString& path, const QByteArray& text, bool executable)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(text);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

}  // namespace

CTestDesktop::CTestDesktop(const QByteArray& display)
{
    for (const char* dir : {"data/applications", "config", "system", "runtime"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(dir));
    QFile::setPermissions(Path("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ::mkfifo(QFile::encodeName(Path("gate")).constData(), 0600);
    Set("XDG_DATA_HOME", QFile::encodeName(Path("data")));
    Set("XDG_CONFIG_HOME", QFile::encodeName(Path("config")));
    Set("XDG_DATA_DIRS", QFile::encodeName(Path("system")));
    Set("XDG_CONFIG_DIRS", QFile::encodeName(Path("system")));
    Set("XDG_RUNTIME_DIR", QFile::encodeName(Path("runtime")));
    Set("DISPLAY", display);
    Set("BROWSER", "false");
    Set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(Path("no-bus")));
    for (const char* name : {"XDG_CURRENT_DESKTOP", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                             "MATE_DESKTOP_SESSION_ID", "LXQT_SESSION_CONFIG", "DESKTOP_SESSION",
                             "DESKTOP", "WAYLAND_DISPLAY"})
        Unset(name);
}

CTestDesktop::~CTestDesktop()
{
    if (m_bGateShut)
        support::PollUntil([this] { return OpenGate(); }, std::chrono::seconds(5));
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
        if (it->second.first)
            qputenv(it->first, it->second.second);
        else
            qunsetenv(it->first);
    }
}

void CTestDesktop::RegisterHandler(const QString& then)
{
    const QString program = Path("handler");
    WriteFile(program,
              "#!/bin/sh\nprintf '%s' \"$1\" > '" + QFile::encodeName(Path("recorded")) + "'\n"
                  + then.toUtf8() + "\n",
              true);
    WriteFile(Path("data/applications/glimmerjig-test-handler.desktop"),
              "[Desktop Entry]\nType=Application\nName=Test handler\nExec="
                  + QFile::encodeName(program) + " %u\n",
              false);
    support::RunTool(QStringLiteral("xdg-mime"),
                     {QStringLiteral("default"), QStringLiteral("glimmerjig-test-handler.desktop"),
                      QStringLiteral("x-scheme-handler/mailto"), QStringLiteral("x-scheme-handler/https")});
}

void CTestDesktop::FailingDesktopOpener()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("bin"));
    WriteFile(Path("bin/gio"),
              "#!/bin/sh\n[ \"$1\" = help ] && exit 0\n"
              "echo \"gio: $2: No application is registered as handling this file\" >&2\nexit 2\n",
              true);
    Set("PATH", QFile::encodeName(Path("bin")) + ':' + qgetenv("PATH"));
    Set("XDG_CURRENT_DESKTOP", "GNOME");
}

QString CTestDesktop::WaitAtGate()
{
    m_bGateShut = true;
    // Opening a FIFO for reading blocks until a writer opens it; the writer's close is the
    // end of file that lets the reader go on.
    return QStringLiteral("read line < '%1' || true").arg(Path("gate"));
}

bool CTestDesktop::OpenGate()
{
    const int gate = ::open(QFile::encodeName(Path("gate")).constData(), O_WRONLY | O_NONBLOCK);
    if (gate < 0)
        return false;
    ::close(gate);
    m_bGateShut = false;
    return true;
}

QString CTestDesktop::Recorded() const
{
    QFile file(Path("recorded"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString CTestDesktop::Path(const QString& name) const
{
    return m_dir.filePath(name);
}

void CTestDesktop::Set(const char* name, const QByteArray& value)
{
    Remember(name);
    qputenv(name, value);
}

void CTestDesktop::Unset(const char* name)
{
    Remember(name);
    qunsetenv(name);
}

void CTestDesktop::Remember(const char* name)
{
    m_saved.push_back({name, {qEnvironmentVariableIsSet(name), qgetenv(name)}});
}
