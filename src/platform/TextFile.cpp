#include "TextFile.h"

#include <QFile>
#include <QStringEncoder>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

TextFileFaults::Values g_faults;

constexpr const char *kEncoding = "windows-1252";

// Stateless: a text that ends inside a surrogate pair is an error at once,
// not a beginning kept for the next call.
QStringEncoder encoder()
{
    return QStringEncoder(kEncoding, QStringConverter::Flag::Stateless);
}

// Whether the encoding can represent the whole text. The encoder works only
// when its result is turned into bytes.
bool encodes(const QString &text)
{
    QStringEncoder encoding = encoder();
    const QByteArray bytes = encoding.encode(text);
    return !encoding.hasError();
}

// Runs one system call, or fails it with the injected error number.
template <typename Call>
auto callOrFail(const std::optional<int> &fault, Call call) -> decltype(call())
{
    if (fault) {
        errno = *fault;
        return -1;
    }
    return call();
}

QString reason()
{
    return qt_error_string(errno);
}

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// Writes every byte; written counts the bytes that reached the file, also
// when the write fails part-way.
bool writeAll(int descriptor, const QByteArray &bytes, qsizetype &written)
{
    written = 0;
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t count =
            callOrFail(g_faults.write, [&] { return ::write(descriptor, data, size_t(left)); });
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += count;
        left -= count;
        written += count;
    }
    return true;
}

bool syncToDisk(int descriptor)
{
    if (callOrFail(g_faults.sync, [&] { return ::fsync(descriptor); }) == 0)
        return true;
    // A device or pipe named as the output (/dev/null, a terminal) takes the
    // bytes but has nothing to sync: that is not a failure to write.
    return errno == EINVAL || errno == EROFS;
}

} // namespace

QString textFileEncodingName()
{
    return QStringLiteral("Windows-1252");
}

qsizetype findUnencodable(const QString &text)
{
    if (encodes(text))
        return -1;
    for (qsizetype i = 0; i < text.size();) {
        const QString character = characterAt(text, i);
        if (!encodes(character))
            return i;
        i += character.size();
    }
    return -1;
}

QString characterAt(const QString &text, qsizetype position)
{
    const bool pair = text.at(position).isHighSurrogate() && position + 1 < text.size()
                      && text.at(position + 1).isLowSurrogate();
    return text.mid(position, pair ? 2 : 1);
}

QString describeCharacter(const QString &text, qsizetype position)
{
    const QString character = characterAt(text, position);
    const char32_t code = character.size() == 2
                              ? QChar::surrogateToUcs4(character.at(0), character.at(1))
                              : character.at(0).unicode();
    const QString hex = QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return quoted(character) + QStringLiteral(" (U+") + hex + QLatin1Char(')');
}

TextFile::~TextFile()
{
    if (isOpen())
        ::close(m_descriptor);
}

bool TextFile::create(const QString &name, QString *error)
{
    if (isOpen()) {
        if (error)
            *error = QStringLiteral("Cannot create the file %1: the file %2 is still open.")
                         .arg(quoted(name), quoted(m_name));
        return false;
    }
    if (!encoder().isValid()) {
        if (error)
            *error = QStringLiteral("Cannot create the file %1: the %2 encoding is not available.")
                         .arg(quoted(name), textFileEncodingName());
        return false;
    }
    const QByteArray path = QFile::encodeName(name);
    int descriptor = -1;
    do {
        descriptor = callOrFail(g_faults.create, [&] {
            return ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        });
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) {
        m_lastReason = reason();
        if (error)
            *error = QStringLiteral("Cannot create the file %1: %2.").arg(quoted(name), m_lastReason);
        return false;
    }
    m_descriptor = descriptor;
    m_name = name;
    return true;
}

bool TextFile::writeLine(const QString &text, QString *error)
{
    if (!isOpen()) {
        if (error)
            *error = QStringLiteral("Cannot write: no file is open.");
        return false;
    }
    const QString line = text + QLatin1String("\r\n");
    const qsizetype bad = findUnencodable(line);
    if (bad >= 0) {
        if (error)
            *error = QStringLiteral("Cannot write to the file %1: the text holds the character %2, "
                                    "which %3 cannot represent.")
                         .arg(quoted(m_name), describeCharacter(line, bad), textFileEncodingName());
        return false;
    }
    QStringEncoder encoding = encoder();
    const QByteArray bytes = encoding.encode(line);
    const off_t before = ::lseek(m_descriptor, 0, SEEK_CUR);
    qsizetype written = 0;
    if (!writeAll(m_descriptor, bytes, written) || !syncToDisk(m_descriptor)) {
        m_lastReason = reason();
        // A write that fails half-way, or whose sync fails, has left part or
        // all of the line in the file: cut it off again, so that a later write
        // of the same line does not stand after a fragment or a copy of itself.
        const bool undone = written == 0
                            || (before >= 0 && ::ftruncate(m_descriptor, before) == 0
                                && ::lseek(m_descriptor, before, SEEK_SET) == before);
        if (error) {
            *error = QStringLiteral("Cannot write to the file %1: %2.").arg(quoted(m_name), m_lastReason);
            if (!undone)
                *error += QStringLiteral(" Part of the line may remain in the file.");
        }
        return false;
    }
    return true;
}

QString TextFile::lastReason() const
{
    return m_lastReason;
}

bool TextFile::close(QString *error)
{
    if (!isOpen()) {
        if (error)
            *error = QStringLiteral("Cannot close: no file is open.");
        return false;
    }
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    // POSIX leaves the descriptor released even when close fails (EINTR
    // included), so it is never closed twice.
    int result = ::close(descriptor);
    if (g_faults.close) {
        errno = *g_faults.close;
        result = -1;
    }
    if (result != 0) {
        m_lastReason = reason();
        if (error)
            *error = QStringLiteral("Cannot close the file %1: %2.").arg(quoted(m_name), m_lastReason);
        return false;
    }
    return true;
}

bool TextFile::isOpen() const
{
    return m_descriptor >= 0;
}

QString TextFile::fileName() const
{
    return m_name;
}

TextFileFaults::TextFileFaults()
    : m_saved(g_faults)
{
}

TextFileFaults::~TextFileFaults()
{
    g_faults = m_saved;
}

void TextFileFaults::failCreate(int errorNumber)
{
    g_faults.create = errorNumber;
}

void TextFileFaults::failWrite(int errorNumber)
{
    g_faults.write = errorNumber;
}

void TextFileFaults::failSync(int errorNumber)
{
    g_faults.sync = errorNumber;
}

void TextFileFaults::failClose(int errorNumber)
{
    g_faults.close = errorNumber;
}

} // namespace platform
