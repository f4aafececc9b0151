#include "form/ScreenDraft.h"

#include "form/ControlNames.h"
#include "form/FieldCatalogue.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Why a draft cannot be read or written, shown to the operator.
class DraftText
{
    Q_DECLARE_TR_FUNCTIONS(DraftText)
};

const QString CheckBoxesKey = QStringLiteral("checkBoxes");
const QString ValueKey = QStringLiteral("value");
const QString CheckedKey = QStringLiteral("checked");
const QString SelectedKey = QStringLiteral("selected");

// The controls a draft holds: the notice as typed or chosen. Not the file
// name and the counter, which belong to the output file, nor the check boxes,
// which are kept apart.
bool isKept(const ControlSpec &spec)
{
    if (spec.name == Control::Txt_Filename || spec.name == Control::Txt_Ntc_Number)
        return false;
    switch (spec.kind) {
    case ControlKind::TextBox:
    case ControlKind::DropDownList:
    case ControlKind::OptionButton: return true;
    default: return false;
    }
}

// The order in which the controls go back on the screen: the options first,
// whose rules clear what they hide, then the lists, then the boxes.
int restoreStage(ControlKind kind)
{
    switch (kind) {
    case ControlKind::OptionButton: return 0;
    case ControlKind::DropDownList: return 1;
    default: return 2;
    }
}

} // namespace

ScreenDraft ScreenDraft::ofScreen(const ScreenReader &screen, FormKind kind)
{
    ScreenDraft draft;
    draft.kind = kind;
    for (const ControlSpec &spec : controlTable(kind)) {
        if (!isKept(spec))
            continue;
        QJsonObject entry;
        switch (spec.kind) {
        case ControlKind::TextBox: entry.insert(ValueKey, screen.text(spec.name)); break;
        case ControlKind::DropDownList: entry.insert(SelectedKey, QJsonArray{screen.text(spec.name)}); break;
        default: entry.insert(CheckedKey, screen.isSelected(spec.name)); break;
        }
        draft.controls.insert(spec.name, entry);
    }
    return draft;
}

QStringList ScreenDraft::putOnScreen(ScreenWriter &screen) const
{
    QStringList refused;
    for (const QString &name : controls.keys()) {
        const ControlSpec *spec = findControl(kind, name);
        if (!spec || !isKept(*spec))
            refused << name;
    }
    for (int stage = 0; stage <= 2; ++stage) {
        for (const ControlSpec &spec : controlTable(kind)) {
            if (!isKept(spec) || restoreStage(spec.kind) != stage || !controls.contains(spec.name))
                continue;
            const QJsonObject entry = controls.value(spec.name).toObject();
            bool taken = true;
            switch (spec.kind) {
            case ControlKind::TextBox: taken = screen.setText(spec.name, entry.value(ValueKey).toString()); break;
            case ControlKind::DropDownList:
                taken = screen.setText(spec.name, entry.value(SelectedKey).toArray().first().toString());
                break;
            default: screen.setSelected(spec.name, entry.value(CheckedKey).toBool()); break;
            }
            if (!taken)
                refused << spec.name;
        }
    }
    return refused;
}

QByteArray ScreenDraft::toJson() const
{
    QJsonObject root{
        {QStringLiteral("format"), Format},         {QStringLiteral("form"), QLatin1String(formName(kind))},
        {QStringLiteral("output"), outputFile},     {QStringLiteral("written"), written.toString(Qt::ISODate)},
        {QStringLiteral("correcting"), correcting}, {QStringLiteral("controls"), controls},
    };
    QJsonObject ticked;
    for (auto it = checkBoxes.constBegin(); it != checkBoxes.constEnd(); ++it)
        ticked.insert(it.key(), it.value());
    if (!ticked.isEmpty())
        root.insert(CheckBoxesKey, ticked);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<ScreenDraft> ScreenDraft::fromJson(const QByteArray &bytes, QString *error)
{
    const auto refuse = [error](const QString &why) -> std::optional<ScreenDraft> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (!document.isObject())
        return refuse(parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                   : DraftText::tr("not a JSON object"));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toInt() != Format)
        return refuse(DraftText::tr("a format this version does not know"));
    ScreenDraft draft;
    const QString form = root.value(QStringLiteral("form")).toString();
    if (form == QLatin1String(formName(FormKind::T01)))
        draft.kind = FormKind::T01;
    else if (form == QLatin1String(formName(FormKind::T02)))
        draft.kind = FormKind::T02;
    else
        return refuse(DraftText::tr("a form this version does not know"));
    draft.outputFile = root.value(QStringLiteral("output")).toString();
    draft.written = QDateTime::fromString(root.value(QStringLiteral("written")).toString(), Qt::ISODate);
    draft.correcting = root.value(QStringLiteral("correcting")).toInt();
    const QJsonValue controls = root.value(QStringLiteral("controls"));
    if (draft.outputFile.isEmpty() || !draft.written.isValid() || draft.correcting < 0 || !controls.isObject())
        return refuse(DraftText::tr("it is incomplete"));
    draft.controls = controls.toObject();
    // Each control's entry of the shape its kind writes.
    for (auto it = draft.controls.constBegin(); it != draft.controls.constEnd(); ++it) {
        const QJsonObject entry = it.value().toObject();
        const bool shaped = entry.value(ValueKey).isString() || entry.value(CheckedKey).isBool()
            || (entry.value(SelectedKey).isArray() && entry.value(SelectedKey).toArray().size() == 1
                && entry.value(SelectedKey).toArray().first().isString());
        if (!shaped)
            return refuse(DraftText::tr("one of its entries is damaged"));
    }
    const QJsonValue ticked = root.value(CheckBoxesKey);
    if (!ticked.isUndefined() && !ticked.isObject())
        return refuse(DraftText::tr("it is incomplete"));
    const QJsonObject tickedBoxes = ticked.toObject();
    for (auto it = tickedBoxes.constBegin(); it != tickedBoxes.constEnd(); ++it) {
        if (!it.value().isBool())
            return refuse(DraftText::tr("one of its entries is damaged"));
        draft.checkBoxes.insert(it.key(), it.value().toBool());
    }
    return draft;
}

namespace DraftFiles {

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/drafts");
}

QString pathFor(const QString &outputFile)
{
    const QByteArray key = QFileInfo(outputFile).absoluteFilePath().toUtf8();
    return folder() + QLatin1Char('/')
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex())
        + QStringLiteral(".json");
}

bool write(const ScreenDraft &draft, QString *error)
{
    if (!QDir().mkpath(folder())) {
        if (error)
            *error = DraftText::tr("the folder %1 cannot be made").arg(folder());
        return false;
    }
    QSaveFile file(pathFor(draft.outputFile));
    if (file.open(QIODevice::WriteOnly) && file.write(draft.toJson()) >= 0 && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

std::optional<ScreenDraft> read(const QString &draftPath, QString *error)
{
    QFile file(draftPath);
    // A draft is a few tens of kilobytes; anything much larger is not one.
    constexpr qint64 Largest = 4 * 1024 * 1024;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > Largest) {
        if (error)
            *error = DraftText::tr("it is too large to be a draft");
        return std::nullopt;
    }
    return ScreenDraft::fromJson(file.readAll(), error);
}

void remove(const QString &outputFile)
{
    QFile::remove(pathFor(outputFile));
}

QStringList all()
{
    const QFileInfoList found = QDir(folder()).entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Time);
    QStringList paths;
    for (const QFileInfo &info : found)
        paths << info.absoluteFilePath();
    return paths;
}

} // namespace DraftFiles
