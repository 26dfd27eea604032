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

// The bitmaps compiled into the program, by name in capitals.
const std::map<std::string, QString>& Paths()
{
    static const std::map<std::string, QString> paths = [] {
        std::map<std::string, QString> found;
        QDirIterator it(QStringLiteral(":/bitmaps"), {QStringLiteral("*.bmp")}, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            found.emplace(UpperAscii(QFileInfo(path).completeBaseName().toStdString()), path);
        }
        return found;
    }();
    return paths;
}

// Each picture is decoded the first time it is asked for; the window asks for its own many
// times at start-up, and the help pictures only when help is shown.
std::map<std::string, QImage>& Decoded()
{
    static std::map<std::string, QImage> decoded;
    return decoded;
}

}  // namespace

bool LoadPicture(std::string_view name, QImage* picture)
{
    if (picture == nullptr)
        return false;
    const std::string key = UpperAscii(name);
    auto& decoded = Decoded();
    auto cached = decoded.find(key);
    if (cached == decoded.end()) {
        const auto path = Paths().find(key);
        if (path == Paths().end())
            return false;
        QImage image(path->second, "BMP");
        if (image.isNull())
            return false;
        cached = decoded.emplace(key, std::move(image)).first;
    }
    *picture = cached->second;
    return true;
}
