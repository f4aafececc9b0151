#include "replay/ScriptFileScreens.h"

#include "platform/InputLimits.h"

#include <QBuffer>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>

namespace ScriptedRun {
namespace {

// Parses the text of one element of "notices". It is wrapped in two arrays, so
// that it lies as deep as in the script ({"notices": [element]}) and the
// parser's limit on nesting treats it alike; any value may so be parsed.
std::optional<QJsonValue> parseElement(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson("[[" + text + "]]", &error);
    if (error.error != QJsonParseError::NoError || !document.isArray() || document.array().size() != 1)
        return std::nullopt;
    const QJsonArray inner = document.array().at(0).toArray();
    if (inner.size() != 1)
        return std::nullopt;
    return inner.at(0);
}

// The value of a key's text, quotes and escapes included. A key without
// escapes is its bytes between the quotes; only the others go to the parser.
std::optional<QString> parseKey(const QByteArray &text)
{
    if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"') && !text.contains('\\'))
        return QString::fromUtf8(text.sliced(1, text.size() - 2));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson("[" + text + "]", &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1 || !document.array().at(0).isString())
        return std::nullopt;
    return document.array().at(0).toString();
}

QString givenTwice(const QString &key)
{
    return QStringLiteral("\"%1\" is given twice").arg(platform::inputExcerpt(key));
}

// The first key that the text of a screen object gives twice; nothing when
// each key comes once or the text is no object.
std::optional<QString> keyGivenTwice(const QByteArray &text)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    JsonValueCutter stream(&buffer, text.size());
    stream.skipWhitespace();
    if (!stream.take('{'))
        return std::nullopt;
    QSet<QString> keys;
    for (;;) {
        stream.skipWhitespace();
        QByteArray keyText;
        if (stream.peek() != '"' || !stream.readValue(&keyText))
            return std::nullopt;
        const std::optional<QString> key = parseKey(keyText);
        if (!key)
            return std::nullopt;
        if (keys.contains(*key))
            return key;
        keys.insert(*key);
        stream.skipWhitespace();
        if (!stream.take(':') || !stream.readValue(nullptr))
            return std::nullopt;
        stream.skipWhitespace();
        if (!stream.take(','))
            return std::nullopt;
    }
}

// The file was read through and found whole before the run: it changed since.
QString changed(int number)
{
    return QStringLiteral("notice %1 can no longer be read: the script changed during the run").arg(number);
}

} // namespace

bool scanScriptFile(QIODevice &file, ScannedScript &scanned)
{
    JsonValueCutter stream(&file);
    QByteArray header = "{";
    stream.skipWhitespace();
    if (!stream.take('{'))
        return false;
    stream.skipWhitespace();
    if (!stream.take('}')) {
        bool noticesSeen = false;
        QSet<QString> keys;
        for (bool first = true;; first = false) {
            stream.skipWhitespace();
            if (stream.peek() != '"')
                return false;
            QByteArray keyText;
            if (!stream.readValue(&keyText))
                return false;
            const std::optional<QString> key = parseKey(keyText);
            stream.skipWhitespace();
            if (!key || !stream.take(':'))
                return false;
            if (keys.contains(*key) && scanned.keyFault.isEmpty())
                scanned.keyFault = givenTwice(*key);
            keys.insert(*key);
            const bool isNotices = *key == QLatin1String("notices");
            const bool noticesAgain = isNotices && noticesSeen;
            noticesSeen = noticesSeen || isNotices;
            if (!first)
                header += ',';
            header += keyText + ':';

            stream.skipWhitespace();
            if (noticesAgain) {
                // A fault already: only read past, to find where the script ends.
                header += "null";
                if (!stream.readValue(nullptr))
                    return false;
            } else if (isNotices && stream.take('[')) {
                header += "[]";
                scanned.noticesOffset = stream.offset();
                stream.startInsideArray();
                QByteArray element;
                for (;;) {
                    const JsonValueCutter::Result result = stream.nextElement(element);
                    if (result == JsonValueCutter::Result::End)
                        break;
                    if (result == JsonValueCutter::Result::Malformed)
                        return false;
                    const std::optional<QJsonValue> value = parseElement(element);
                    if (!value)
                        return false;
                    ++scanned.screenCount;
                    if (scanned.screenFault.isEmpty()) {
                        Screen screen;
                        scanned.screenFault = readScreen(*value, scanned.screenCount, screen);
                    }
                    if (scanned.screenFault.isEmpty() && value->isObject()) {
                        if (const std::optional<QString> key = keyGivenTwice(element))
                            scanned.screenFault
                                = QStringLiteral("notice %1: %2").arg(scanned.screenCount).arg(givenTwice(*key));
                    }
                }
            } else if (!stream.readValue(&header)) {
                return false;
            }

            stream.skipWhitespace();
            if (stream.take(','))
                continue;
            if (stream.take('}'))
                break;
            return false;
        }
    }
    stream.skipWhitespace();
    if (!stream.atEnd())
        return false;
    header += '}';

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(header, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    scanned.header = document.object();
    return true;
}

QString FileScreens::next(int number, Screen &screen)
{
    if (!m_stream) {
        if (!m_file.seek(m_offset))
            return changed(number);
        m_stream.emplace(&m_file);
        m_stream->startInsideArray();
    }
    QByteArray text;
    if (m_stream->nextElement(text) != JsonValueCutter::Result::Value)
        return changed(number);
    const std::optional<QJsonValue> value = parseElement(text);
    if (!value)
        return changed(number);
    return readScreen(*value, number, screen);
}

} // namespace ScriptedRun
