// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/source_file.h"

#include "platform/text_decoding.h"

#include <QCoreApplication>
#include <cstring>

namespace orvalink {

namespace {

bool isBlank(QByteArrayView text)
{
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\f' && c != '\v')
            return false;
    }
    return true;
}

} // namespace

int countByte(QByteArrayView text, char byte)
{
    int count = 0;
    const char* const end = text.data() + text.size();
    for (const char* at = text.data(); at < end; ++count) {
        at = static_cast<const char*>(std::memchr(at, byte, static_cast<size_t>(end - at)));
        if (!at)
            break;
        ++at;
    }
    return count;
}

UserMessage readFailure(const QString& reason)
{
    return UserMessage{QCoreApplication::translate("orvalink::SourceFile", "Error"),
                       {reason},
                       MessageIcon::Critical};
}

Result<void, UserMessage> openSourceFile(FileContents& contents, const QString& path,
                                         const ContentTest& test)
{
    if (Result<void> opened = contents.open(path); !opened)
        return readFailure(opened.error());
    QByteArray converted;
    const QByteArrayView text = textBytes(contents.bytes(), converted);
    if (isBlank(text) || test.isContent(text))
        return {};
    return test.refusal(path);
}

bool holdsSourceContent(const QString& path, const ContentTest& test)
{
    FileContents contents;
    if (!contents.open(path))
        return false;
    QByteArray converted;
    const QByteArrayView text = textBytes(contents.bytes(), converted);
    return !isBlank(text) && test.isContent(text);
}

Result<std::unique_ptr<BookmarkModel>, UserMessage>
loadSourceFile(const QString& path, const ContentTest& test, SourceParser parse, Progress& progress)
{
    progress.start(1);
    FileContents contents;
    if (Result<void, UserMessage> opened = openSourceFile(contents, path, test); !opened)
        return opened.failure();
    std::unique_ptr<BookmarkModel> model = parse(contents.bytes(), path);
    progress.step(1);
    progress.finish();
    return model;
}

} // namespace orvalink
