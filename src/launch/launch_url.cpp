#include "launch/launch_url.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

#include "base/product.h"

namespace {

// The program's texts are Windows-1252. Where the converter lacks that code page, Latin-1
// reads all but the bytes 0x80..0x9F alike.
QString FromWindows1252(std::string_view bytes)
{
    QStringDecoder decoder("windows-1252");
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return decoder.isValid() ? QString(decoder(view)) : QString::fromLatin1(view);
}

}  // namespace

std::string LaunchUrl(std::string_view target)
{
    static const QRegularExpression mailScheme(QStringLiteral("^mailto:[ \\t]*"),
                                               QRegularExpression::CaseInsensitiveOption);
    // A scheme (a letter, then letters, digits, '+', '-' or '.') followed by "://".
    static const QRegularExpression schemeAndAuthority(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    static const QRegularExpression escape(QStringLiteral("%[0-9A-Fa-f]{2}"));
    // What a URL carries as it is besides the unreserved characters: the reserved ones.
    static const QByteArray kReserved = ":/?#[]@!$&'()*+,;=";

    QString text = FromWindows1252(target);
    QString url;
    if (const QRegularExpressionMatch mail = mailScheme.match(text); mail.hasMatch()) {
        url = QStringLiteral("mailto:");
        text.remove(0, mail.capturedLength());
    } else if (!schemeAndAuthority.match(text).hasMatch()) {
        url = QStringLiteral("https://");
    }
    // Escapes already in the target stay as they are; everything between them is encoded.
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : escape.globalMatch(text)) {
        url += QString::fromLatin1(QUrl::toPercentEncoding(text.mid(done, match.capturedStart() - done), kReserved));
        url += match.captured();
        done = match.capturedEnd();
    }
    url += QString::fromLatin1(QUrl::toPercentEncoding(text.mid(done), kReserved));
    return url.toStdString();
}

std::string MailTarget()
{
    return std::string("mailTo: ") + kContactEmail + "?subject=About Game Glimmerjig";
}
