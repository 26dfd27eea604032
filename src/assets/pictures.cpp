#include "assets/pictures.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QString>
#include <map>
#include <string>

namespace {

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

// Every bitmap compiled into the program, decoded once, keyed by its name in capitals.
// The pictures are few and small, and the window asks for them many times at start-up.
const std::map<std::string, QImage>& Pictures()
{
    static const std::map<std::string, QImage> pictures = [] {
        std::map<std::string, QImage> loaded;
        QDirIterator it(QStringLiteral(":/bitmaps"), {QStringLiteral("*.bmp")}, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            QImage image(path, "BMP");
            if (!image.isNull())
                loaded.emplace(UpperAscii(QFileInfo(path).completeBaseName().toStdString()), image);
        }
        return loaded;
    }();
    return pictures;
}

}  // namespace

bool LoadPicture(std::string_view name, QImage* picture)
{
    if (picture == nullptr)
        return false;
    const auto& pictures = Pictures();
    const auto found = pictures.find(UpperAscii(name));
    if (found == pictures.end())
        return false;
    *picture = found->second;
    return true;
}
