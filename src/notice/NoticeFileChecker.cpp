#include "NoticeFileChecker.h"

using NoticeKeys::Key;

QString ParsedSection::value(Key key) const
{
    const QString text = NoticeKeys::text(key);
    for (const NoticeKeyLine &line : keyLines) {
        if (line.key == text)
            return line.value;
    }
    return {};
}

QString noticeSummary(const ParsedNotice &notice)
{
    QStringList items;
    for (Key key : {Key::NoticeNo, Key::NoticeType, Key::Action, Key::Fragment, Key::FreqAssgn, Key::SiteName})
        items.append(notice.value(key));
    return items.join(QLatin1Char('\t'));
}
