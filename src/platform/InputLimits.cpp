#include "platform/InputLimits.h"

#include "platform/TextFile.h"

#include <QFile>

namespace platform {

QString inputExcerpt(const QString &text)
{
    constexpr qsizetype Longest = 80;
    if (text.size() <= Longest)
        return text;
    return text.left(Longest - 3) + QStringLiteral("...");
}

QString fileNameFault(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("the file name is empty or blank");
    const QByteArray encoded = QFile::encodeName(name);
    if (encoded.size() > LongestPathBytes) {
        return QStringLiteral("the file name \"%1\" is %2 bytes long: the system takes at most %3")
            .arg(inputExcerpt(name))
            .arg(encoded.size())
            .arg(LongestPathBytes);
    }
    for (const QByteArray &part : encoded.split('/')) {
        if (part.size() > LongestNameBytes) {
            return QStringLiteral("the file name \"%1\" holds a name of %2 bytes: the system takes at most %3")
                .arg(inputExcerpt(name))
                .arg(part.size())
                .arg(LongestNameBytes);
        }
    }
    return {};
}

bool isSameExistingFile(const QString &name, const QString &other)
{
    const std::optional<FileIdentity> first = fileIdentity(name);
    const std::optional<FileIdentity> second = fileIdentity(other);
    return first && second && first->isSameFile(*second);
}

} // namespace platform
