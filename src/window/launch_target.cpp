#include "window/launch_target.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "launch/launch_outcome.h"
#include "launch/launch_url.h"
#include "launch/launcher.h"

namespace {

QString ApplicationTitle()
{
    const QString name = QFileInfo(QCoreApplication::arguments().value(0)).fileName();
    return name.isEmpty() ? QCoreApplication::applicationName() : name;
}

void ShowLaunchFailure(QWidget* owner, const char* code)
{
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), QString::fromLatin1(code),
                    QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace

void LaunchTarget(QWidget* owner, std::string_view target)
{
    if (const char* code = LaunchFailureCode(RunLauncher(LaunchUrl(target))))
        ShowLaunchFailure(owner, code);
}
