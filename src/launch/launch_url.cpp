#include "launch/launch_url.h"

#include <QByteArray>
#include <QRegularExpression>

#include "base/product.h"

std::string LaunchUrl(std::string_view target)
{
    static const QRegularExpression mailScheme(QStringLiteral("^mailto:[ \\t]*"),
                                               QRegularExpression::CaseInsensitiveOption);
    // A scheme (a letter, then letters, digits, '+', '-' or '.') followed by "://".
    static const QRegularExpression schemeAndAuthority(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    static const QRegularExpression escape(QStringLiteral("%[0-9A-Fa-f]{2}"));
    // What a URL carries as it is besides the unreserved characters: the reserved ones.
    static const QByteArray kReserved = ":/?#[]@!$&'()*+,;=";

    // The target is UTF-8 and is encoded from its bytes as they are. The URL's syntax is all
    // ASCII, so it is looked for in the bytes read one byte to a character, which keeps every
    // position a byte's.
    QByteArray bytes(target.data(), static_cast<qsizetype>(target.size()));
    QByteArray url;
    if (const QRegularExpressionMatch mail = mailScheme.match(QString::fromLatin1(bytes)); mail.hasMatch()) {
        url = "mailto:";
        bytes.remove(0, mail.capturedLength());
    } else if (!schemeAndAuthority.match(QString::fromLatin1(bytes)).hasMatch()) {
        url = "https://";
    }
    // Escapes already in the target stay as they are; everything between them is encoded.
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : escape.globalMatch(QString::fromLatin1(bytes))) {
        url += bytes.mid(done, match.capturedStart() - done).toPercentEncoding(kReserved);
        url += match.captured().toLatin1();
        done = match.capturedEnd();
    }
    url += bytes.mid(done).toPercentEncoding(kReserved);
    return url.toStdString();
}

std::string MailTarget()
{
    return std::string("mailTo: ") + kContactEmail + "?subject=About Game Glimmerjig";
}
