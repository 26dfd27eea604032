#include "assets/game_icon.h"

#include <QDirIterator>

QIcon GameIcon()
{
    QIcon icon;
    QDirIterator it(QStringLiteral(":/hicolor"), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        icon.addFile(it.next());
    return icon;
}
