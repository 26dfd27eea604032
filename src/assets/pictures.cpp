#include "assets/pictures.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QString>
#include <map>
#include <string>

#include "base/language.h"

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

using Folder = std::map<std::string, QString>;

// The bitmaps of one resource folder, by name in capitals; its subfolders are not its own.
Folder BitmapsIn(const QString& folder)
{
    Folder found;
    QDirIterator it(folder, {QStringLiteral("*.bmp")}, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        found.emplace(UpperAscii(QFileInfo(path).completeBaseName().toStdString()), path);
    }
    return found;
}

// The bitmaps compiled into the program: the shared set under English, and under every other
// language the pictures drawn in its words, which stand in for the shared ones of their names.
const Folder& Paths(Language language)
{
    static const std::map<Language, Folder> paths = [] {
        std::map<Language, Folder> found;
        const QString shared = QStringLiteral(":/bitmaps");
        for (Language language : kLanguages) {
            const std::string_view code = LanguageCode(language);
            const QString own =
                shared + '/' + QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size()));
            found.emplace(language, BitmapsIn(language == Language::kEnglish ? shared : own));
        }
        return found;
    }();
    return paths.at(language);
}

// The resource holding `name` (in capitals) in the game's language, or null.
const QString* PathOf(const std::string& name)
{
    for (Language language : {GameLanguage(), Language::kEnglish}) {
        const Folder& folder = Paths(language);
        const auto path = folder.find(name);
        if (path != folder.end())
            return &path->second;
    }
    return nullptr;
}

// Each picture is decoded the first time it is asked for; the window asks for its own many
// times at start-up, and the help pictures only when help is shown. Keyed by resource path, so
// a language's picture and the shared one of its name are held apart.
std::map<QString, QImage>& Decoded()
{
    static std::map<QString, QImage> decoded;
    return decoded;
}

}  // namespace

bool LoadPicture(std::string_view name, QImage* picture)
{
    if (picture == nullptr)
        return false;
    const QString* path = PathOf(UpperAscii(name));
    if (path == nullptr)
        return false;
    auto& decoded = Decoded();
    auto cached = decoded.find(*path);
    if (cached == decoded.end()) {
        QImage image(*path, "BMP");
        if (image.isNull())
            return false;
        cached = decoded.emplace(*path, std::move(image)).first;
    }
    *picture = cached->second;
    return true;
}
