#include "picture_control/windows1252.h"

#include <QStringDecoder>

QString FromWindows1252(std::string_view text)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}
