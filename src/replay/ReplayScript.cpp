#include "replay/ReplayScript.h"

#include "platform/InputLimits.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

namespace ScriptedRun {
namespace {

struct Languages
{
    const char *code;
    Language language;
};
const Languages KnownLanguages[] = {{"en", Language::English}, {"fr", Language::French}, {"es", Language::Spanish}};

bool isActionValue(const QJsonValue &value)
{
    return value.isString() || value.isBool() || value.isDouble();
}

const QString NoticeKey = QStringLiteral("notice");

// "notice": K, the saved notice a screen corrects: a whole number from 1.
QString readNoticeNumber(const QJsonValue &value, const QString &where, Screen &screen)
{
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < 1 || number != double(qint32(number)))
        return QStringLiteral("%1: \"notice\" must be the number of a saved notice (1, 2, 3...)").arg(where);
    screen.notice = qint32(number);
    return {};
}

// A file name of the script: a text the system can take as a path.
QString fileNameFault(const QString &key, const QJsonValue &value)
{
    if (!value.isString())
        return QStringLiteral("\"%1\" must be a file name").arg(key);
    if (const QString fault = platform::fileNameFault(value.toString()); !fault.isEmpty())
        return QStringLiteral("\"%1\": %2").arg(key, fault);
    return {};
}

} // namespace

const QString NoScreens = QStringLiteral("\"notices\" must be a list of at least one screen");

QString readScreen(const QJsonValue &value, int number, Screen &screen)
{
    const QString where = QStringLiteral("notice %1").arg(number);
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.key() == NoticeKey) {
                const QString fault = readNoticeNumber(it.value(), where, screen);
                if (!fault.isEmpty())
                    return fault;
                continue;
            }
            if (!isActionValue(it.value()))
                return QStringLiteral("%1: the value of \"%2\" must be a text, true, 0 or 1")
                    .arg(where, platform::inputExcerpt(it.key()));
            screen.actions.append({it.key(), it.value()});
        }
        screen.inTabOrder = true;
        return {};
    }
    if (value.isArray()) {
        const QJsonArray pairs = value.toArray();
        for (int i = 0; i < pairs.size(); ++i) {
            const QJsonArray pair = pairs.at(i).toArray();
            if (!pairs.at(i).isArray() || pair.size() != 2 || !pair.at(0).isString() || !isActionValue(pair.at(1)))
                return QStringLiteral("%1: entry %2 must be a pair [control name, text, true, 0 or 1]")
                    .arg(where)
                    .arg(i + 1);
            if (pair.at(0).toString() == NoticeKey) {
                const QString fault = readNoticeNumber(pair.at(1), where, screen);
                if (!fault.isEmpty())
                    return fault;
                continue;
            }
            screen.actions.append({pair.at(0).toString(), pair.at(1)});
        }
        screen.inTabOrder = false;
        return {};
    }
    return QStringLiteral("%1 must be an object or a list of [control, value] pairs").arg(where);
}

QString readHeader(const QJsonObject &object, Script &script)
{
    static const QStringList keys = {"form", "language", "output", "open", "notices"};
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!keys.contains(it.key()))
            return QStringLiteral("unknown key \"%1\" (known: form, language, output, open, notices)")
                .arg(platform::inputExcerpt(it.key()));
    }

    const QString form = object.value(QStringLiteral("form")).toString();
    if (form == QLatin1String("T01"))
        script.kind = FormKind::T01;
    else if (form == QLatin1String("T02"))
        script.kind = FormKind::T02;
    else
        return QStringLiteral("\"form\" must be \"T01\" or \"T02\"");

    if (object.contains(QStringLiteral("language"))) {
        const QString code = object.value(QStringLiteral("language")).toString();
        const auto known = std::find_if(std::begin(KnownLanguages), std::end(KnownLanguages),
                                        [&code](const Languages &l) { return code == QLatin1String(l.code); });
        if (known == std::end(KnownLanguages))
            return QStringLiteral("\"language\" must be \"en\", \"fr\" or \"es\"");
        script.language = known->language;
    }

    if (object.contains(QStringLiteral("output"))) {
        const QJsonValue output = object.value(QStringLiteral("output"));
        if (const QString fault = fileNameFault(QStringLiteral("output"), output); !fault.isEmpty())
            return fault;
        script.output = output.toString();
    }

    if (object.contains(QStringLiteral("open"))) {
        const QJsonValue open = object.value(QStringLiteral("open"));
        if (const QString fault = fileNameFault(QStringLiteral("open"), open); !fault.isEmpty())
            return fault;
        if (!script.output.isEmpty())
            return QStringLiteral("\"open\" names the file to continue: \"output\" cannot name another");
        script.open = open.toString();
    }
    return {};
}

QString firstScreenFault(const QJsonArray &screens)
{
    for (int i = 0; i < screens.size(); ++i) {
        Screen screen;
        const QString fault = readScreen(screens.at(i), i + 1, screen);
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}

} // namespace ScriptedRun
