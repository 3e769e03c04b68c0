// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/csetting.h"

#include "platform/special_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <limits>
#include <optional>
#include <variant>

namespace orvalink {

namespace {

// What went wrong underneath an operation: a number and a text, which the operation's failure
// quotes in its message.
struct Cause
{
    int number = 0;
    QString description;
};

constexpr int kInvalidArgument = 5;
constexpr int kOverflow = 6;
constexpr int kPermissionDenied = 70;
constexpr int kFileAccessError = 75;
constexpr int kPathNotFound = 76;

Failure failure(qint32 code, const char* operation, const char* text, const Cause& cause)
{
    return Failure{QStringLiteral("%1(%2, %3)")
                       .arg(QLatin1String(text), QString::number(cause.number), cause.description),
                   code, QStringLiteral("CSetting.") + QLatin1String(operation)};
}

Cause invalidArgument()
{
    return {kInvalidArgument, QCoreApplication::translate("orvalink::CSetting",
                                                          "Invalid procedure call or argument")};
}

QString storePath(const QString& appName, const QString& programFolder)
{
    QString name = appName.trimmed();
    if (name.isEmpty())
        name = kProgramName.toString();
    if (name.contains(u'/') || name.contains(u'\\'))
        return name;
    return optionsFolder(programFolder) + u'/' + name + QStringLiteral(".ini");
}

// The file's document, or an empty one when there is no file yet.
std::variant<IniDocument, Cause> readDocument(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return IniDocument();
    if (!file.open(QIODevice::ReadOnly))
        return Cause{kFileAccessError, file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Cause{kFileAccessError, file.errorString()};
    return IniDocument::parse(bytes);
}

// Replaces the file as a whole, so that a failure at any point leaves the old file as it was.
std::optional<Cause> saveDocument(const QString& path, const IniDocument& document)
{
    const QFileInfo info(path);
    // A file without write permission is protected, as the read-only attribute protects it on
    // Windows; checked here because renaming over it would succeed, and always would for root.
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (info.exists() && !(info.permissions() & anyWrite))
        return Cause{kPermissionDenied,
                     QCoreApplication::translate("orvalink::CSetting", "Permission denied")};
    if (!QDir().mkpath(info.absolutePath()))
        return Cause{kPathNotFound,
                     QCoreApplication::translate("orvalink::CSetting", "Path not found")};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Cause{kFileAccessError, file.errorString()};
    file.write(document.toBytes());
    if (!file.commit())
        return Cause{kFileAccessError, file.errorString()};
    return std::nullopt;
}

// Keeps other processes from changing the file between this one's read and its write. The lock
// file stands beside the options file; one left behind by a crashed process goes stale.
class StoreLock
{
public:
    explicit StoreLock(const QString& path)
        : m_folder(QFileInfo(path).absolutePath())
        , m_lock(path + QStringLiteral(".lock"))
    {}

    std::optional<Cause> acquire()
    {
        if (!QDir().mkpath(m_folder))
            return Cause{kPathNotFound,
                         QCoreApplication::translate("orvalink::CSetting", "Path not found")};
        constexpr int kWaitMilliseconds = 10000;
        if (!m_lock.tryLock(kWaitMilliseconds))
            return Cause{kFileAccessError,
                         QCoreApplication::translate("orvalink::CSetting",
                                                     "The file is in use by another program")};
        return std::nullopt;
    }

private:
    QString m_folder;
    QLockFile m_lock;
};

// The number a Windows profile integer read gives: an optional minus and the leading digits.
std::optional<qint32> leadingNumber(QStringView text)
{
    qsizetype i = 0;
    const bool negative = text.startsWith(u'-');
    if (negative)
        ++i;
    qint64 number = 0;
    constexpr qint64 limit = qint64(std::numeric_limits<qint32>::max()) + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        number = number * 10 + (text[i].unicode() - u'0');
        if (number > limit)
            return std::nullopt;
    }
    if (negative)
        number = -number;
    if (number > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(number);
}

// An integer setting as the Windows profile functions read it: the leading number of the value,
// the default for a missing key or an empty value; fails for a number beyond 32 bits.
Result<qint32> intValue(const IniDocument& document, const QString& section, const QString& key,
                        qint32 defaultValue)
{
    const std::optional<QString> text = document.value(section, key);
    if (!text || text->isEmpty())
        return defaultValue;
    const std::optional<qint32> number = leadingNumber(*text);
    if (!number)
        return Failure();
    return *number;
}

} // namespace

void CSetting::Init(const QString& appName, const QString& programFolder)
{
    m_iniPath = storePath(appName, programFolder);
}

QString CSetting::iniPath() const
{
    return m_iniPath.isEmpty() ? storePath(QString(), QString()) : m_iniPath;
}

Result<QString> CSetting::GetSettingStr(const QString& section, const QString& key,
                                        const QString& defaultValue) const
{
    auto document = readDocument(iniPath());
    if (auto* cause = std::get_if<Cause>(&document))
        return failure(SettingReadingError, "GetSettingStr", "Error reading Setting ", *cause);
    return std::get<IniDocument>(document).value(section, key).value_or(defaultValue);
}

Result<qint32> CSetting::GetSettingInt(const QString& section, const QString& key,
                                       qint32 defaultValue) const
{
    auto document = readDocument(iniPath());
    if (auto* cause = std::get_if<Cause>(&document))
        return failure(SettingReadingError, "GetSettingInt", "Error reading Setting ", *cause);
    const Result<qint32> number =
        intValue(std::get<IniDocument>(document), section, key, defaultValue);
    if (!number) {
        return failure(SettingReadingError, "GetSettingInt", "Error reading Setting ",
                       {kOverflow, QStringLiteral("Overflow")});
    }
    return number;
}

Result<QList<SettingEntry>> CSetting::GetSettingAll(const QString& section) const
{
    auto document = readDocument(iniPath());
    if (auto* cause = std::get_if<Cause>(&document))
        return failure(SectionReadingError, "GetSettingAll", "Error reading Section ", *cause);
    return std::get<IniDocument>(document).entries(section);
}

Result<QStringList> CSetting::GetSectionNames() const
{
    auto document = readDocument(iniPath());
    if (auto* cause = std::get_if<Cause>(&document))
        return failure(SectionReadingError, "GetSectionNames", "Error reading Section ", *cause);
    return std::get<IniDocument>(document).sectionNames();
}

Result<void> CSetting::SaveSettingStr(const QString& section, const QString& key,
                                      const QString& value)
{
    return write({{section, key, value}}, "SaveSettingStr");
}

Result<void> CSetting::SaveSettingInt(const QString& section, const QString& key, qint32 value)
{
    return write({{section, key, QString::number(value)}}, "SaveSettingInt");
}

Result<void> CSetting::SaveSettings(const QList<Write>& writes)
{
    return write(writes, "SaveSettings");
}

Result<void> CSetting::write(const QList<Write>& writes, const char* operation)
{
    static constexpr char kText[] = "Error writing Setting ";
    const QString path = iniPath();
    StoreLock lock(path);
    if (const auto cause = lock.acquire())
        return failure(WritingError, operation, kText, *cause);
    auto document = readDocument(path);
    if (auto* cause = std::get_if<Cause>(&document))
        return failure(WritingError, operation, kText, *cause);
    IniDocument& ini = std::get<IniDocument>(document);
    for (const Write& change : writes) {
        if (!IniDocument::canStore(change.section, change.key, change.value))
            return failure(WritingError, operation, kText, invalidArgument());
    }
    for (const Write& change : writes)
        ini.setValue(change.section, change.key, change.value);
    if (const auto cause = saveDocument(path, ini))
        return failure(WritingError, operation, kText, *cause);
    return {};
}

Result<qint32>
CSetting::UpdateSettingInt(const QString& section, const QString& key, qint32 defaultValue,
                           const std::function<std::optional<qint32>(qint32)>& change)
{
    static constexpr char kText[] = "Error writing Setting ";
    const QString path = iniPath();
    StoreLock lock(path);
    if (const auto cause = lock.acquire())
        return failure(WritingError, "UpdateSettingInt", kText, *cause);
    auto document = readDocument(path);
    if (auto* cause = std::get_if<Cause>(&document))
        return failure(SettingReadingError, "UpdateSettingInt", "Error reading Setting ", *cause);
    IniDocument& ini = std::get<IniDocument>(document);
    const Result<qint32> current = intValue(ini, section, key, defaultValue);
    if (!current)
        return failure(SettingReadingError, "UpdateSettingInt", "Error reading Setting ",
                       {kOverflow, QStringLiteral("Overflow")});
    const std::optional<qint32> changed = change(current.value());
    if (!changed)
        return current.value();
    if (!ini.setValue(section, key, QString::number(*changed)))
        return failure(WritingError, "UpdateSettingInt", kText, invalidArgument());
    if (const auto cause = saveDocument(path, ini))
        return failure(WritingError, "UpdateSettingInt", kText, *cause);
    return *changed;
}

Result<void> CSetting::DeleteKey(const QString& section, const QString& key)
{
    static constexpr char kText[] = "Error Deleting Key ";
    const QString path = iniPath();
    StoreLock lock(path);
    if (const auto cause = lock.acquire())
        return failure(DeletingError, "DeleteKey", kText, *cause);
    auto document = readDocument(path);
    if (auto* cause = std::get_if<Cause>(&document))
        return failure(DeletingError, "DeleteKey", kText, *cause);
    IniDocument& ini = std::get<IniDocument>(document);
    const bool changed =
        key.trimmed().isEmpty() ? ini.removeSection(section) : ini.removeKey(section, key);
    if (!changed)
        return {};
    if (saveDocument(path, ini)) {
        // The refusal is reported inside the operation's own failure, as callers have always
        // received it.
        const Cause refused{DeletingError, QCoreApplication::translate(
                                               "orvalink::CSetting",
                                               "Error Deleting Key (check if file is protected)")};
        return failure(DeletingError, "DeleteKey", kText, refused);
    }
    return {};
}

} // namespace orvalink
