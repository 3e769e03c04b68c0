// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menu_page/menu_scripts.h"

#include <QList>

namespace orvalink {

namespace embedded {
// From the generated source (see forms/menu_page/embed_scripts.cmake).
extern const unsigned char MenuEngine[];
extern const qsizetype MenuEngineSize;
extern const unsigned char MenuEvents[];
extern const qsizetype MenuEventsSize;
extern const unsigned char MenuShadows[];
extern const qsizetype MenuShadowsSize;
} // namespace embedded

namespace {

QByteArrayView view(const unsigned char* bytes, qsizetype size)
{
    return QByteArrayView(reinterpret_cast<const char*>(bytes), size);
}

QByteArray withCrLf(QByteArrayView source)
{
    QByteArray lines;
    lines.reserve(source.size() + source.size() / 16 + 2);
    qsizetype start = 0;
    while (start < source.size()) {
        qsizetype end = source.indexOf('\n', start);
        const qsizetype next = end < 0 ? source.size() : end + 1;
        if (end < 0)
            end = source.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && source[lineEnd - 1] == '\r')
            --lineEnd;
        lines += source.sliced(start, lineEnd - start);
        lines += "\r\n";
        start = next;
    }
    return lines;
}

} // namespace

QByteArrayView menuScriptSource(MenuScript script)
{
    switch (script) {
    case MenuScript::Engine:
        return view(embedded::MenuEngine, embedded::MenuEngineSize);
    case MenuScript::Events:
        return view(embedded::MenuEvents, embedded::MenuEventsSize);
    case MenuScript::Shadows:
        return view(embedded::MenuShadows, embedded::MenuShadowsSize);
    }
    return {};
}

const QByteArray& menuScriptLines(MenuScript script)
{
    // Converted once: the blocks never change while the program runs.
    static const QList<QByteArray> blocks = {withCrLf(menuScriptSource(MenuScript::Engine)),
                                             withCrLf(menuScriptSource(MenuScript::Events)),
                                             withCrLf(menuScriptSource(MenuScript::Shadows))};
    return blocks[static_cast<int>(script)];
}

void WriteMenuEngine(QByteArray& page)
{
    page += "<script language=\"JavaScript1.2\"><!--\r\n";
    page += menuScriptLines(MenuScript::Engine);
}

void WriteMenuEvents(QByteArray& page)
{
    page += menuScriptLines(MenuScript::Events);
}

void WriteMenuShadows(QByteArray& page)
{
    page += menuScriptLines(MenuScript::Shadows);
}

} // namespace orvalink
