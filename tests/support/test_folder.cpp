#include "test_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace support {

QString TestFolder()
{
    static QString emptiedFor;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    QString name = test ? QStringLiteral("%1.%2").arg(test->test_suite_name(), test->name())
                        : QStringLiteral("outside-tests");
    name.replace('/', '_');
    const QFileInfo program(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget());
    const QString folder = program.absolutePath() + QStringLiteral("/test-output/") + program.fileName() + '/' + name;
    if (emptiedFor != folder) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        emptiedFor = folder;
    }
    return folder;
}

QString TestFile(const QString& name)
{
    return TestFolder() + '/' + name;
}

}  // namespace support
