#include "forms/source_file.h"

#include "platform/text_decoding.h"

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

UserMessage readFailure(const QString& reason)
{
    return UserMessage{QStringLiteral("Error"), {reason}, MessageIcon::Critical};
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

} // namespace orvalink
