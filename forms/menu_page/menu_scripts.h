// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace orvalink {

// The three fixed script blocks a menu page carries: the menu engine, its events and the drop
// shadows, from the files resources/menu/engine.js, events.js and shadows.js.
//
// The files are embedded when the core library is built: forms/menu_page/embed_scripts.cmake turns
// them into a generated source of plain byte arrays, rebuilt whenever a file changes. Nothing is
// registered or initialised at run time, so the blocks are there in every program and test that
// links the static core library (Qt resources in a static library need an explicit init call in
// each program, and are silently missing without it).
enum class MenuScript { Engine, Events, Shadows };

// The file's bytes as they stand.
QByteArrayView menuScriptSource(MenuScript script);

// The block as a page carries it: the file's lines, each ended by CR LF, whatever line ends the
// file has. A file that does not end with a line end still gets one after its last line.
const QByteArray& menuScriptLines(MenuScript script);

// Append the blocks to a page. The engine block first opens the script element and the HTML
// comment that hides the script from browsers that do not run it.
void WriteMenuEngine(QByteArray& page);
void WriteMenuEvents(QByteArray& page);
void WriteMenuShadows(QByteArray& page);

} // namespace orvalink
