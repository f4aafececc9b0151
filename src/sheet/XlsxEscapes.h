#pragma once

#include <QRegularExpression>
#include <QString>

// Text in a workbook escapes what XML cannot hold as "_xHHHH_" (a UTF-16
// code unit in hexadecimal): control characters, and a carriage return,
// which XML would read as a line feed. The underscore of a text that reads
// as such an escape is itself escaped ("_x005F_"), so that every text reads
// back as written.
namespace XlsxEscapes {

inline QString decode(const QString &text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString decoded;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = escape.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        decoded += QStringView(text).mid(from, match.capturedStart() - from);
        decoded += QChar(char16_t(match.capturedView(1).toUShort(nullptr, 16)));
        from = match.capturedEnd();
    }
    decoded += QStringView(text).mid(from);
    return decoded;
}

inline QString encode(const QString &text)
{
    static const QRegularExpression underscoreOfEscape(QStringLiteral("_(?=x[0-9A-Fa-f]{4}_)"));
    const QString underscoresEscaped = text.contains(QLatin1String("_x"))
        ? QString(text).replace(underscoreOfEscape, QStringLiteral("_x005F_"))
        : text;
    QString encoded;
    encoded.reserve(underscoresEscaped.size());
    for (const QChar c : underscoresEscaped) {
        if ((c < u' ' && c != u'\t' && c != u'\n') || c == QChar(0xFFFE) || c == QChar(0xFFFF))
            encoded += QString::asprintf("_x%04X_", unsigned(c.unicode()));
        else
            encoded += c;
    }
    return encoded;
}

} // namespace XlsxEscapes
