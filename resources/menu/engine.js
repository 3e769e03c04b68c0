// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Orvalink developers
//
// Permission is hereby granted, free of charge, to any person obtaining a copy of this software
// and associated documentation files (the "Software"), to deal in the Software without
// restriction, including without limitation the rights to use, copy, modify, merge, publish,
// distribute, sublicense, and/or sell copies of the Software, and to permit persons to whom the
// Software is furnished to do so, subject to the following conditions:
//
// The above copyright notice and this permission notice shall be included in all copies or
// substantial portions of the Software.
//
// THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING
// BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND
// NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM,
// DAMAGES OR OTHER LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,
// OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE SOFTWARE.
//
// Orvalink's cascading menu engine.
//
// The page describes its menus with startMenu() and addItem() calls inside `with (pMenu) {...}`,
// in a script element of type text/x-orvalink-menus that the browser does not run: compiling a
// hundred thousand calls takes a browser seconds, while this script reads them as lines in a
// fraction of that (readDescriptions below). It reads them as they arrive, so the bars and their
// first menus work before the page has finished loading, keeps them as plain data and builds a
// menu's elements only when the menu is first shown: a page of a hundred thousand links opens
// about as fast as a small one. It is written for current browsers and behaves the same in
// quirks mode (the page has no doctype) as in standards mode.
//
// The page's own code (its item styles, its status hook, a description block that runs as a
// script) uses `with`, which strict mode forbids, so the strict code lives inside the function
// below and hands the page only the names it calls: isNS4, isIE, isOp, ItemStyle and PopupMenu.

(function (global) {
    'use strict';

    // The page picks its item styles and shadow layers by browser family. The families it
    // names (Netscape 4, Internet Explorer, the old Opera with its window.opera) are gone;
    // every current browser answers "none of them", which the page treats as standards-based.
    global.isNS4 = !!document.layers;
    global.isOp = !!global.opera;
    global.isIE = !global.isOp && /\bMSIE |\bTrident\//.test(navigator.userAgent);

    // Open submenus stack above the bars, and deeper ones above shallower ones.
    var Z_BASE = 1000;
    var TEXT_INSET = 3;
    // Below this window width two menus cannot stand side by side: the menus are then laid out
    // for a finger, with items at least TOUCH_LENGTH pixels high, and a submenu that finds no
    // room beside its parent covers it but for NARROW_INDENT pixels, which stay tappable.
    var NARROW_WIDTH = 480;
    var TOUCH_LENGTH = 44;
    var NARROW_INDENT = 24;
    // Letters typed within this many milliseconds of each other search together.
    var TYPE_AHEAD_MS = 700;

    function toNumber(value) {
        var number = Number(value);
        return isFinite(number) ? number : 0;
    }

    function isRootName(name) {
        return name.lastIndexOf('root', 0) === 0;
    }

    function isScriptUrl(target) {
        return /^\s*javascript:/i.test(target);
    }

    // The script a "js:" item runs: a javascript: address is percent-decoded as a browser would
    // before running it; any other target is script as it stands.
    function scriptOf(target) {
        var match = /^\s*javascript:([^]*)$/i.exec(target);
        if (!match) {
            return target;
        }
        try {
            return decodeURIComponent(match[1]);
        } catch (malformed) {
            return match[1];
        }
    }

    // "hand" is the pointing hand under its old Internet Explorer name.
    function cssCursor(name) {
        return name === 'hand' ? 'pointer' : name || 'default';
    }

    // The visible part of the page in page coordinates. In quirks mode the body, not the root
    // element, reports the size of the window; the scrolling element is whichever of the two
    // does.
    function viewport() {
        var scroller = document.scrollingElement || document.documentElement;
        return {
            left: global.pageXOffset,
            top: global.pageYOffset,
            width: scroller.clientWidth || global.innerWidth,
            height: scroller.clientHeight || global.innerHeight
        };
    }

    // The item of a menu element that a node lies in, as its number (0: none). Only the given
    // menu's own element and what lies inside it count.
    function itemIndex(box, node) {
        for (; node && node !== box; node = node.parentNode) {
            if (node.nodeType === 1 && node.hasAttribute('data-item')) {
                return box.contains(node) ? Number(node.getAttribute('data-item')) : 0;
            }
        }
        return 0;
    }

    // How items look. The length is an item's height in a vertical menu and its width in a
    // horizontal one; the popup indicator (markup) marks items that open a submenu,
    // popupPosition pixels from their right edge; the alphas are opacities in percent (null:
    // opaque).
    function ItemStyle(length, spacing, popupIndicator, popupPosition, padding, outColor,
                       overColor, outClass, overClass, outBorder, overBorder, outAlpha,
                       overAlpha, normalCursor, nullCursor) {
        this.length = toNumber(length);
        this.spacing = toNumber(spacing);
        this.popupIndicator = popupIndicator ? String(popupIndicator) : '';
        this.popupPosition = toNumber(popupPosition);
        this.padding = toNumber(padding);
        this.outColor = outColor || '';
        this.overColor = overColor || '';
        this.outClass = outClass || '';
        this.overClass = overClass || '';
        this.outBorder = outBorder || '';
        this.overBorder = overBorder || '';
        this.outAlpha = outAlpha;
        this.overAlpha = overAlpha;
        // Items that do something when clicked show the normal cursor; folder items, which
        // open by being pointed at, show the null one.
        this.normalCursor = cssCursor(normalCursor);
        this.nullCursor = cssCursor(nullCursor);
    }

    // Used when a page starts a menu without a style, so that its items still have a size.
    var PLAIN_STYLE = new ItemStyle(22, 0, '&gt;', -15, 2, '#FFFFFF', '#DDDDDD', '', '', '', '',
                                    null, null, 'hand', 'default');

    // Item 0 of every menu. The shadow block reads and changes itemSty, extraHTML, menuW and
    // menuH; the rest is the engine's own.
    function MenuHeader(name, vertical, left, top, width, style) {
        this.name = name;
        this.vertical = vertical;
        this.left = left;
        this.top = top;
        this.width = width; // across the items: the width of a vertical menu, the height of a bar
        this.itemSty = style;
        this.extraHTML = ''; // markup shown behind the items
        this.menuW = vertical ? width : 0;
        this.menuH = vertical ? 0 : width;
        this.extent = 0; // along the items: where the last one ends
        // Where the item lines wait in the page's description block until the menu is built.
        this.unread = null;
        // While the menu is on the page:
        this.element = null;
        this.x = 0;
        this.y = 0;
        this.parentMenu = null; // the menu and item that opened it
        this.parentIndex = 0;
        this.active = 0; // the highlighted item, 0 for none
        this.tabItem = 1; // a bar's one item that Tab reaches
        // Where the pointer stood when the menu appeared: until it moves, the item that came
        // to lie under it is not pointed at.
        this.shownAt = null;
        // How the elements are laid out: null before they are built, 0 for a wide window, else
        // the width of the narrow window; and the size of the menu's element in that layout.
        this.layout = null;
        this.boxW = 0;
        this.boxH = 0;
        this.fitted = false; // whether the labels got their room in this layout
    }

    // The page's hook reads `type` and `href` of an item inside `with`, and then assigns the
    // window's `status`: an item must never have a property of that name.
    function MenuItem(text, href, type, style, length, pos) {
        this.text = text;
        this.href = href;
        this.type = type;
        this.itemSty = style;
        this.length = length;
        this.pos = pos; // offset from the menu's top (vertical) or left edge (horizontal)
        this.element = null;
        // Where the element stands in its menu, in the current layout.
        this.x = 0;
        this.y = 0;
        this.w = 0;
        this.h = 0;
    }

    function itemType(type) {
        return type === 'sm:' || type === 'js:' || type === 'nw:' ? type : '';
    }

    // One set of menus: menu[name][0] is a menu's header, menu[name][n] its n-th item. The page
    // calls startMenu, addItem and hideDelay through `with`, and its hook reads `menu` the same
    // way, so a set has no property that could hide one of the page's own names (hBar, subM,
    // status); the engine's working state is kept under names starting with "_".
    function PopupMenu(name) {
        this.name = String(name);
        this.menu = Object.create(null);
        this.hideDelay = 500; // milliseconds an abandoned submenu stays open
        this._current = null; // the menu that addItem() fills
        this._describedHooks = []; // callbacks of whenDescribed()
        this._roots = []; // names of the menus shown as bars
        this._open = []; // submenus on the screen, outermost first; they form one chain
        this._hovered = null; // the item element under a mouse or pen
        this._hideTimer = 0;
        this._shown = false;
        this._complete = false; // whether every description has arrived and been read
        this._awaited = null; // the item whose submenu opens once its lines have arrived
        this._pointerAt = null; // [x, y] of the mouse or pen in the window, once it moved
        this._typed = ''; // the letters of the current type-ahead search
        this._typedAt = 0;
        PopupMenu.sets.push(this);
    }

    // Every set of the page, for the window events that show, move and release them.
    PopupMenu.sets = [];

    // Hooks the page may replace: onmouseover(menuName, itemNumber) when the pointer or the
    // keyboard focus comes onto an item, onmouseout() when it leaves.
    PopupMenu.prototype.onmouseover = function () {};
    PopupMenu.prototype.onmouseout = function () {};

    PopupMenu.prototype.startMenu = function (name, vertical, left, top, width, style) {
        name = String(name);
        var old = this.menu[name];
        if (old) {
            this._discard(old);
        } else if (isRootName(name)) {
            this._roots.push(name);
        }
        var items = [new MenuHeader(name, !!vertical, toNumber(left), toNumber(top),
                                    toNumber(width), style || PLAIN_STYLE)];
        this.menu[name] = items;
        this._current = items;
    };

    // Items are only recorded here: their elements wait until their menu is first shown.
    PopupMenu.prototype.addItem = function (text, target, type, style, length) {
        var items = this._current;
        if (!items) {
            return;
        }
        var header = items[0];
        // The page passes '' to keep the menu's style.
        var sty = style instanceof ItemStyle ? style : header.itemSty;
        var size = toNumber(length) > 0 ? toNumber(length) : sty.length;
        // Neighbouring items share one pixel, so that touching items (spacing 0) show one border
        // line between them. A 22-pixel item thus advances 21 pixels, which is what the page's
        // continuation menus count on when they lift themselves by 21 pixels an item.
        var pos = items.length > 1 ? header.extent + sty.spacing - 1 : 0;
        var grown = pos + size - header.extent;
        header.extent = pos + size;
        if (header.vertical) {
            header.menuH += grown;
        } else {
            header.menuW += grown;
        }
        items.push(new MenuItem(text == null ? '' : String(text),
                                target == null ? '' : String(target), itemType(type), sty, size,
                                pos));
    };

    var DESCRIPTIONS_TYPE = 'text/x-orvalink-menus';
    // While the page arrives, what came of its descriptions is read this often (milliseconds).
    var READ_INTERVAL_MS = 10;
    // One argument of a described call and the comma or parenthesis after it: a quoted string,
    // a number, a literal, or the name of one of the page's variables (its item styles).
    var ARGUMENT = /\s*(?:'((?:[^'\\]|\\[^])*)'|(-?\d+(?:\.\d+)?)|(true|false|null)|([A-Za-z_$][\w$]*))\s*([,)])/y;
    var ESCAPE = /\\(x[0-9A-Fa-f]{2}|u[0-9A-Fa-f]{4}|[^])/g;
    var ESCAPED = { n: '\n', r: '\r', t: '\t', b: '\b', f: '\f', v: '\v', 0: '\0' };

    function unescapeString(text) {
        if (text.indexOf('\\') < 0) {
            return text;
        }
        return text.replace(ESCAPE, function (match, escape) {
            if (escape.length > 1) {
                return String.fromCharCode(parseInt(escape.slice(1), 16));
            }
            return ESCAPED[escape] || escape;
        });
    }

    // The arguments of the call whose parenthesis opens at index start of line, or null when the
    // line is not a call of plain arguments followed by ";".
    function callArguments(line, start) {
        var args = [];
        ARGUMENT.lastIndex = start + 1;
        if (line.charAt(ARGUMENT.lastIndex) === ')') {
            ARGUMENT.lastIndex++;
        } else {
            for (;;) {
                var match = ARGUMENT.exec(line);
                if (!match) {
                    return null;
                }
                if (match[1] !== undefined) {
                    args.push(unescapeString(match[1]));
                } else if (match[2] !== undefined) {
                    args.push(Number(match[2]));
                } else if (match[3] !== undefined) {
                    args.push(match[3] === 'true' ? true : match[3] === 'false' ? false : null);
                } else {
                    args.push(global[match[4]]);
                }
                if (match[5] === ')') {
                    break;
                }
            }
        }
        return /^\s*;?\s*$/.test(line.slice(ARGUMENT.lastIndex)) ? args : null;
    }

    var ITEM_LINE = ' addItem(';
    var START_LINE = /^\s*startMenu\s*\(/;
    var DELAY_LINE = /^\s*hideDelay\s*=\s*(\d+)\s*;?\s*$/;
    var FRAME_LINE = /^\s*(with\s*\(\s*[\w$]+\s*\)|[{}];?)?\s*$/;
    var OWNER_LINE = /^\s*with\s*\(\s*([\w$]+)\s*\)/;

    // Runs a line of a description block that is not in one of the shapes the page writes (a
    // page edited by hand) as the script it is, in the set's scope.
    PopupMenu.prototype._runLine = function (line) {
        /* jshint evil: true */
        new Function('set', 'with (set) {\n' + line + '\n}')(this);
    };

    // What has been read of one description block. A block that opens with `with (name)`
    // describes the set of that name; one that opens otherwise goes on describing the set of the
    // block before it, so that a page may spread its lines over several blocks.
    function BlockReader(owner) {
        this.owner = owner; // the name of the set, null for none
        // The block's text as far as it has arrived, shared with the unread ranges of its menus.
        this.source = { text: '' };
        this.at = 0; // where the first line not read yet starts
        this.header = null; // the menu whose item lines are still arriving
        this.done = false;
    }

    // Whether all of a menu's item lines have arrived.
    function isDescribed(items) {
        var unread = items[0].unread;
        return !unread || unread.to >= 0;
    }

    // Takes in what arrived of the page's description blocks for this set since the last call.
    // Only the menus' headers are read now: a menu's item lines wait until the menu is built
    // (fill), so that the page's hundred thousand links cost nothing until their menus open.
    // While the page is still arriving, a block's last line may be cut short: it is read by a
    // later call, and so is the range of the menu it belongs to.
    PopupMenu.prototype.readDescriptions = function () {
        var loading = document.readyState === 'loading';
        var blocks = document.querySelectorAll('script[type="' + DESCRIPTIONS_TYPE + '"]');
        var owner = null;
        for (var i = 0; i < blocks.length; i++) {
            var block = blocks[i];
            // The parser only adds to the block it is in, the last one so far.
            var whole = !loading || !!block.nextSibling;
            var reader = block.orvalinkReader;
            if (!reader) {
                var opening = /^\s*([^\n]*)(\n)?/.exec(block.text);
                if (!opening[2] && !whole) {
                    break; // whose block it is shows once its first line is whole
                }
                var named = OWNER_LINE.exec(opening[1]);
                reader = block.orvalinkReader = new BlockReader(named ? named[1] : owner);
            }
            owner = reader.owner;
            if (!reader.done && owner && global[owner] === this) {
                this._readBlock(reader, block.text, whole);
            }
        }
        this._complete = !loading;
        this._openAwaited();
    };

    PopupMenu.prototype._readBlock = function (reader, text, whole) {
        reader.source.text = text;
        var stop = whole ? text.length : text.lastIndexOf('\n') + 1;
        var at = reader.at;
        while (at < stop) {
            var end = text.indexOf('\n', at);
            if (end < 0) {
                end = text.length;
            }
            if (!text.startsWith(ITEM_LINE, at)) {
                var line = text.slice(at, end);
                var args = START_LINE.test(line) ? callArguments(line, line.indexOf('(')) : null;
                var delay = DELAY_LINE.exec(line);
                if (args) {
                    this._endMenu(reader, at);
                    this.startMenu.apply(this, args);
                    reader.header = this._current[0];
                    reader.header.unread = { source: reader.source, from: end + 1, to: -1 };
                } else if (delay) {
                    this.hideDelay = Number(delay[1]);
                } else if (!FRAME_LINE.test(line)) {
                    this._runLine(line);
                }
            }
            at = end + 1;
        }
        reader.at = at;
        if (whole) {
            this._endMenu(reader, text.length);
            reader.done = true;
        }
    };

    // The item lines of the menu being read end at the given index of its block.
    PopupMenu.prototype._endMenu = function (reader, to) {
        if (reader.header) {
            reader.header.unread.to = to;
            reader.header = null;
        }
    };

    // Reads the item lines of a menu whose header is read.
    PopupMenu.prototype._fill = function (items) {
        var header = items[0];
        var unread = header.unread;
        if (!unread) {
            return;
        }
        header.unread = null;
        var before = this._current;
        this._current = items;
        var text = unread.source.text;
        for (var at = unread.from; at < unread.to;) {
            var end = text.indexOf('\n', at);
            if (end < 0 || end > unread.to) {
                end = unread.to;
            }
            if (text.startsWith(ITEM_LINE, at)) {
                var line = text.slice(at, end);
                var args = callArguments(line, ITEM_LINE.length - 1);
                if (args) {
                    this.addItem.apply(this, args);
                } else {
                    this._runLine(line);
                }
            }
            at = end + 1;
        }
        this._current = before;
        for (var i = 0; i < this._describedHooks.length; i++) {
            this._describedHooks[i](header);
        }
    };

    // Calls back with the header of every menu once its items are read: at once for those read
    // already, later for the others.
    PopupMenu.prototype.whenDescribed = function (callback) {
        this._describedHooks.push(callback);
        for (var name in this.menu) {
            if (!this.menu[name][0].unread) {
                callback(this.menu[name][0]);
            }
        }
    };

    // Shows the bars as soon as their lines have arrived and reads the rest of the descriptions
    // as it arrives: a browser takes seconds to receive a page of a hundred thousand links, and
    // its first menus need not wait for the last.
    PopupMenu.prototype.start = function () {
        var self = this;
        var read = function () {
            self.show();
            if (!self._complete) {
                global.setTimeout(read, READ_INTERVAL_MS);
            }
        };
        if (document.readyState === 'loading') {
            // The last lines are read the moment the page has all arrived, before it counts as
            // loaded.
            document.addEventListener('DOMContentLoaded', function () {
                self.show();
            });
        }
        read();
    };

    // Builds and places the bars whose lines have arrived.
    PopupMenu.prototype.show = function () {
        this.readDescriptions();
        if (!document.body) {
            return;
        }
        if (!this._shown) {
            this._shown = true;
            this._listenToDocument();
        }
        for (var i = 0; i < this._roots.length; i++) {
            var items = this.menu[this._roots[i]];
            if (!items[0].element && isDescribed(items)) {
                this._build(items);
                items[0].element.style.display = 'block';
                this._place(items);
            }
        }
    };

    // Opens the submenu chosen before its lines arrived, once they have, if its item is still
    // the chosen one.
    PopupMenu.prototype._openAwaited = function () {
        var awaited = this._awaited;
        if (!awaited) {
            return;
        }
        var items = awaited.items;
        var sub = this.menu[items[awaited.index].href];
        if (!this._complete && !(sub && isDescribed(sub))) {
            return;
        }
        this._awaited = null;
        if (items[0].active === awaited.index && items[0].element &&
            items[0].element.style.display !== 'none') {
            this._openSubmenu(items, awaited.index, awaited.focusFirst);
        }
    };

    // Keeps the bars at their place in the window, and the open submenus beside their items,
    // after the page scrolled or the window changed size.
    PopupMenu.prototype.follow = function () {
        for (var i = 0; i < this._roots.length; i++) {
            var items = this.menu[this._roots[i]];
            if (items[0].element) {
                this._place(items);
            }
        }
        for (var j = 0; j < this._open.length; j++) {
            this._place(this._open[j]);
        }
    };

    // The page is being left: nothing may stay open or pending, so that a page brought back
    // from the browser's history shows only its bars.
    PopupMenu.prototype.release = function () {
        this.hideAll();
    };

    PopupMenu.prototype.hideAll = function () {
        this._cancelHide();
        this._awaited = null;
        while (this._open.length) {
            this._close(this._open.pop());
        }
    };

    PopupMenu.prototype._listenToDocument = function () {
        var self = this;
        // Where the mouse or pen is, known before any menu handles the event that opens one.
        var track = function (event) {
            if (event.pointerType !== 'touch') {
                self._pointerAt = [event.clientX, event.clientY];
            }
        };
        document.addEventListener('pointerover', track, true);
        document.addEventListener('pointermove', track, true);
        // A press anywhere else (a tap on a touch screen above all) closes the submenus at once.
        document.addEventListener('pointerdown', function (event) {
            if (!self._owns(event.target)) {
                self.hideAll();
            }
        }, true);
        document.addEventListener('keydown', function (event) {
            if (event.key === 'Escape' && self._open.length && !self._owns(event.target)) {
                self.hideAll();
            }
        });
    };

    // A restarted menu loses what it had on the page; its new items are built when it is next
    // shown.
    PopupMenu.prototype._discard = function (items) {
        var at = this._open.indexOf(items);
        if (at >= 0) {
            while (this._open.length > at) {
                this._close(this._open.pop());
            }
        }
        var box = items[0].element;
        if (box && box.parentNode) {
            box.parentNode.removeChild(box);
        }
        if (this._current === items) {
            this._current = null;
        }
    };

    // The id of a menu's element, by which its items and opener refer to it.
    PopupMenu.prototype._menuId = function (menuName) {
        return this.name + '-' + menuName;
    };

    PopupMenu.prototype._build = function (items) {
        this._fill(items);
        var header = items[0];
        var root = isRootName(header.name);
        var box = document.createElement('div');
        box.id = this._menuId(header.name);
        box.setAttribute('data-menu', header.name);
        box.setAttribute('role', root ? 'menubar' : 'menu');
        box.setAttribute('aria-orientation', header.vertical ? 'vertical' : 'horizontal');
        if (root) {
            box.setAttribute('aria-label', document.title || this.name);
        }
        box.style.cssText = 'position:absolute;display:none;margin:0;padding:0;border:0;' +
            'text-align:left;left:0;top:0;z-index:' + Z_BASE;
        if (header.extraHTML) {
            box.innerHTML = header.extraHTML; // the page's own markup (the shadow layers)
        }
        var fragment = document.createDocumentFragment();
        for (var i = 1; i < items.length; i++) {
            fragment.appendChild(this._buildItem(items, i));
        }
        box.appendChild(fragment); // after the extra markup, so the items lie in front of it
        this._listen(box, items);
        // The bars go first in the page, so that Tab reaches them before anything else.
        document.body.insertBefore(box, root ? document.body.firstChild : null);
        header.element = box;
    };

    PopupMenu.prototype._buildItem = function (items, index) {
        var header = items[0];
        var item = items[index];
        var sty = item.itemSty;
        var folder = item.type === 'sm:';
        var element = document.createElement('a');
        element.id = this._menuId(header.name) + '-' + index;
        element.setAttribute('data-item', String(index));
        element.setAttribute('role', 'menuitem');
        // A bar is one Tab stop, its item tabItem; the arrow keys move inside the menus.
        element.tabIndex = isRootName(header.name) && index === header.tabItem ? 0 : -1;
        element.style.cssText = 'position:absolute;box-sizing:border-box;display:flex;' +
            'align-items:center;overflow:hidden;white-space:nowrap;margin:0;' +
            'padding:' + sty.padding + 'px;' +
            'cursor:' + (folder ? sty.nullCursor : sty.normalCursor);
        if (folder) {
            element.setAttribute('aria-haspopup', 'menu');
            element.setAttribute('aria-expanded', 'false');
            element.setAttribute('aria-controls', this._menuId(item.href));
        } else if (item.type !== 'js:' && !isScriptUrl(item.href)) {
            // A real link: the browser follows it, and it can be opened in a tab or copied.
            // Script items have no address, as following one would replace the page with what
            // the script returns.
            element.setAttribute('href', item.href);
            if (item.type === 'nw:') {
                element.target = '_blank';
                element.rel = 'noopener';
            }
        }
        // The text keeps a few pixels from the borders where it has room for them (see
        // _fitLabels).
        var label = document.createElement('span');
        label.style.cssText = 'flex:1 1 auto;min-width:0;overflow:hidden;text-overflow:ellipsis;' +
            'padding:0 ' + TEXT_INSET + 'px';
        label.textContent = item.text; // a bookmark's name is text, never markup
        element.appendChild(label);
        if (folder && sty.popupIndicator) {
            var indicator = document.createElement('span');
            indicator.setAttribute('aria-hidden', 'true');
            indicator.style.cssText = 'position:absolute;top:0;bottom:0;display:flex;' +
                'align-items:center;left:calc(100% + ' + sty.popupPosition + 'px)';
            indicator.innerHTML = sty.popupIndicator; // the style's marker is markup ("&gt;")
            element.appendChild(indicator);
            label.style.paddingRight = Math.max(TEXT_INSET, -sty.popupPosition) + 'px';
        }
        item.element = element;
        this._paint(items, index, false);
        return element;
    };

    PopupMenu.prototype._paint = function (items, index, over) {
        var item = items[index];
        var sty = item.itemSty;
        var element = item.element;
        if (!element) {
            return;
        }
        element.className = ((over ? sty.overBorder : sty.outBorder) + ' ' +
                             (over ? sty.overClass : sty.outClass)).trim();
        element.style.backgroundColor = over ? sty.overColor : sty.outColor;
        var alpha = over ? sty.overAlpha : sty.outAlpha;
        element.style.opacity = alpha == null || alpha === '' ? '' : String(toNumber(alpha) / 100);
        // Neighbours overlap by a pixel: the highlighted item's border goes on top.
        element.style.zIndex = over ? '1' : '';
    };

    // Lays a built menu's items out for a wide window, as the page describes them, or for a
    // narrow one: items at least TOUCH_LENGTH high, no wider than the window, a bar's items
    // wrapping into rows, and no shadows.
    PopupMenu.prototype._layout = function (items, narrowWidth) {
        var header = items[0];
        var narrow = narrowWidth > 0;
        var box = header.element;
        var across = header.width;
        var room = Math.max(1, narrowWidth - (header.parentMenu ? 0 : header.left));
        var x = 0;
        var y = 0;
        var right = 0;
        var bottom = 0;
        if (narrow) {
            across = Math.max(across, TOUCH_LENGTH);
        }
        for (var i = 1; i < items.length; i++) {
            var item = items[i];
            var gap = i > 1 ? item.itemSty.spacing - 1 : 0;
            if (!narrow) {
                item.x = header.vertical ? 0 : item.pos;
                item.y = header.vertical ? item.pos : 0;
                item.w = header.vertical ? header.width : item.length;
                item.h = header.vertical ? item.length : header.width;
            } else if (header.vertical) {
                item.x = 0;
                item.y = y + gap;
                item.w = Math.min(header.width, room);
                item.h = Math.max(item.length, TOUCH_LENGTH);
                y = item.y + item.h;
            } else {
                item.w = Math.min(item.length, room);
                item.h = across;
                if (i > 1 && x + gap + item.w > room) {
                    x = 0;
                    y = bottom - 1;
                    gap = 0;
                }
                item.x = x + gap;
                item.y = y;
                x = item.x + item.w;
            }
            right = Math.max(right, item.x + item.w);
            bottom = Math.max(bottom, item.y + item.h);
            var style = item.element.style;
            style.left = item.x + 'px';
            style.top = item.y + 'px';
            style.width = item.w + 'px';
            style.height = item.h + 'px';
        }
        header.layout = narrowWidth;
        header.boxW = narrow ? right : header.menuW;
        header.boxH = narrow ? bottom : header.menuH;
        header.fitted = false;
        box.style.width = header.boxW + 'px';
        box.style.height = header.boxH + 'px';
        for (var child = box.firstElementChild; child; child = child.nextElementSibling) {
            if (!child.hasAttribute('data-item')) {
                child.style.display = narrow ? 'none' : '';
            }
        }
    };

    // A label the page kept short enough for its item shows whole: where the text inset would
    // cut it, the text uses the inset too, up to the popup indicator.
    PopupMenu.prototype._fitLabels = function (items) {
        var cut = [];
        for (var i = 1; i < items.length; i++) {
            var label = items[i].element.firstChild;
            if (label.scrollWidth > label.clientWidth) {
                cut.push(i);
            }
        }
        for (var j = 0; j < cut.length; j++) {
            var item = items[cut[j]];
            var style = item.element.firstChild.style;
            var indicated = item.type === 'sm:' && item.itemSty.popupIndicator;
            style.paddingLeft = '0';
            style.paddingRight = indicated ?
                Math.max(0, -item.itemSty.popupPosition - item.itemSty.padding) + 'px' : '0';
        }
        items[0].fitted = true;
    };

    PopupMenu.prototype._listen = function (box, items) {
        var self = this;
        box.addEventListener('pointerover', function (event) { self._pointerOver(items, event); });
        box.addEventListener('pointermove', function (event) { self._pointerOver(items, event); });
        box.addEventListener('pointerout', function (event) { self._pointerOut(items, event); });
        box.addEventListener('click', function (event) { self._click(items, event); });
        box.addEventListener('keydown', function (event) { self._key(items, event); });
        box.addEventListener('focusin', function (event) { self._focusIn(items, event); });
        box.addEventListener('focusout', function (event) { self._focusOut(items, event); });
    };

    // Whether a node lies in one of this set's menus.
    PopupMenu.prototype._owns = function (node) {
        for (; node; node = node.parentNode) {
            if (node.nodeType === 1 && node.hasAttribute('data-menu')) {
                var items = this.menu[node.getAttribute('data-menu')];
                return !!items && items[0].element === node;
            }
        }
        return false;
    };

    // The submenu that the given item has open, if any.
    PopupMenu.prototype._childOf = function (items, index) {
        var child = this._open[this._depth(items) + 1];
        var opened = child && child[0].parentMenu === items && child[0].parentIndex === index;
        return opened ? child : null;
    };

    // A bar's depth is -1, that of the n-th open submenu n - 1.
    PopupMenu.prototype._depth = function (items) {
        return items[0].parentMenu ? this._open.indexOf(items) : -1;
    };

    // Closes everything open below a menu, except the chain that the given item opened.
    PopupMenu.prototype._closeBelow = function (items, keepIndex) {
        var depth = this._depth(items);
        if (keepIndex && this._childOf(items, keepIndex)) {
            return;
        }
        while (this._open.length > depth + 1) {
            this._close(this._open.pop());
        }
    };

    PopupMenu.prototype._close = function (items) {
        var header = items[0];
        if (header.active) {
            this._paint(items, header.active, false);
            header.active = 0;
        }
        header.element.style.display = 'none';
        var parent = header.parentMenu;
        if (parent) {
            parent[header.parentIndex].element.setAttribute('aria-expanded', 'false');
            this._fade(parent, header.parentIndex);
        }
    };

    // Highlights an item and closes the submenus of its neighbours.
    PopupMenu.prototype._activate = function (items, index) {
        var header = items[0];
        this._awaited = null;
        this._closeBelow(items, index);
        if (header.active && header.active !== index) {
            this._paint(items, header.active, false);
        }
        header.active = index;
        this._paint(items, index, true);
    };

    // Ends an item's highlight, unless its submenu is open, the pointer is on it or it has the
    // keyboard focus.
    PopupMenu.prototype._fade = function (items, index) {
        var element = items[index].element;
        if (items[0].active !== index || this._childOf(items, index) || element === this._hovered ||
            element === document.activeElement) {
            return;
        }
        this._paint(items, index, false);
        items[0].active = 0;
    };

    // Opens the submenu of an item; with focusFirst its first item takes the focus. A submenu
    // whose lines are still arriving opens when they have arrived.
    PopupMenu.prototype._openSubmenu = function (items, index, focusFirst) {
        var item = items[index];
        var sub = item.type === 'sm:' ? this.menu[item.href] : null;
        if (item.type === 'sm:' && !this._complete && !(sub && isDescribed(sub))) {
            this._awaited = { items: items, index: index, focusFirst: !!focusFirst };
            return;
        }
        var shown = this._showSubmenu(items, index, sub);
        if (focusFirst && shown && shown.length > 1) {
            this._focus(shown, 1);
        }
    };

    // Shows the submenu of an item, and answers it.
    PopupMenu.prototype._showSubmenu = function (items, index, sub) {
        var item = items[index];
        if (!sub || sub === items || isRootName(sub[0].name)) {
            return null;
        }
        this._closeBelow(items, index);
        var header = sub[0];
        if (this._open.indexOf(sub) >= 0) {
            // Open already: beside this very item, or higher up the chain (a page whose menus
            // name each other in a circle), where it stays.
            return this._childOf(items, index);
        }
        if (!header.element) {
            this._build(sub);
        }
        header.parentMenu = items;
        header.parentIndex = index;
        header.shownAt = this._pointerAt;
        header.element.setAttribute('aria-labelledby', item.element.id);
        this._open.push(sub);
        header.element.style.zIndex = String(Z_BASE + this._open.length);
        header.element.style.display = 'block';
        this._place(sub);
        item.element.setAttribute('aria-expanded', 'true');
        return sub;
    };

    // A bar stands at (left, top) of the window. A submenu stands at (left, top) from the item
    // that opened it; when it would stick out on the right it goes to the left of its parent
    // instead, 4 pixels lower; it never reaches lower than 20 pixels above the window's
    // bottom (5 in Internet Explorer) nor higher than 16 pixels from the top of the page.
    // A submenu that opens below its bar item (left 0) would still stick out after moving
    // "left", so it is pulled back until its right edge meets the window's.
    PopupMenu.prototype._place = function (items) {
        var header = items[0];
        var view = viewport();
        var narrow = view.width < NARROW_WIDTH;
        if (header.layout !== (narrow ? view.width : 0)) {
            this._layout(items, narrow ? view.width : 0);
        }
        var x;
        var y;
        if (!header.parentMenu) {
            x = view.left + header.left;
            y = view.top + header.top;
        } else if (narrow) {
            var spot = this._narrowSpot(items, view);
            x = spot[0];
            y = spot[1];
        } else {
            var parent = header.parentMenu[0];
            var opener = header.parentMenu[header.parentIndex];
            var baseX = parent.x + opener.x;
            var baseY = parent.y + opener.y;
            var toLeft = false;
            x = header.left + baseX;
            if (x + header.menuW > view.left + view.width) {
                x = baseX - header.left + 8;
                if (x + header.menuW > view.left + view.width) {
                    x = view.left + view.width - header.menuW;
                }
                x = Math.max(view.left, x);
                toLeft = true;
            }
            y = Math.min(header.top + baseY,
                         view.top + view.height - header.menuH - (global.isIE ? 5 : 20));
            y = Math.max(y, 16);
            if (toLeft) {
                y += 4;
            }
        }
        var box = header.element;
        var style = box.style;
        // In a narrow window a menu taller than the window scrolls inside itself. A scroll bar
        // that takes room (rather than lying over the items, as on a phone) would narrow the
        // items and make them scroll sideways: the menu grows by its width, inside the window.
        var shownH = narrow ? Math.min(header.boxH, view.top + view.height - y) : header.boxH;
        var scrolls = shownH < header.boxH;
        style.width = header.boxW + 'px';
        style.height = shownH + 'px';
        style.overflowY = scrolls ? 'auto' : '';
        style.overflowX = scrolls ? 'hidden' : '';
        if (scrolls && box.offsetWidth > box.clientWidth) {
            var width = header.boxW + box.offsetWidth - box.clientWidth;
            style.width = width + 'px';
            x = Math.max(view.left, Math.min(x, view.left + view.width - width));
        }
        header.x = x;
        header.y = y;
        style.left = x + 'px';
        style.top = y + 'px';
        if (!header.fitted && style.display !== 'none') {
            this._fitLabels(items);
        }
    };

    // In a narrow window a submenu opens below a horizontal bar, all of whose rows stay free,
    // and beside an item of a vertical menu where there is room, else over its parent but for
    // the parent's left strip, just below the item; it stays inside the window.
    PopupMenu.prototype._narrowSpot = function (items, view) {
        var header = items[0];
        var parent = header.parentMenu[0];
        var opener = header.parentMenu[header.parentIndex];
        var x = parent.x + opener.x;
        var y = parent.y + (parent.vertical ? opener.y + opener.h : parent.boxH) - 1;
        if (parent.vertical) {
            x += opener.w - 1;
            if (x + header.boxW <= view.left + view.width) {
                y = parent.y + opener.y;
            } else {
                x = parent.x + NARROW_INDENT;
            }
        }
        x = Math.max(view.left, Math.min(x, view.left + view.width - header.boxW));
        // A menu that does not fit below moves up, but never over the bar it hangs from; what
        // still does not fit scrolls inside the menu.
        if (parent.vertical) {
            y = Math.max(view.top, Math.min(y, view.top + view.height - header.boxH));
        }
        return [x, y];
    };

    PopupMenu.prototype._startHide = function () {
        var self = this;
        this._cancelHide();
        if (!this._open.length) {
            return;
        }
        this._hideTimer = global.setTimeout(function () {
            self._hideTimer = 0;
            self.hideAll();
        }, toNumber(this.hideDelay));
    };

    PopupMenu.prototype._cancelHide = function () {
        if (this._hideTimer) {
            global.clearTimeout(this._hideTimer);
            this._hideTimer = 0;
        }
    };

    // Pointer over and pointer moves: an item is pointed at when the pointer came onto it, and
    // when it moves on an item that the pointer only lay on because the menu appeared there.
    PopupMenu.prototype._pointerOver = function (items, event) {
        // A finger cannot hover: a tap arrives as a click.
        if (event.pointerType === 'touch') {
            return;
        }
        this._cancelHide();
        var header = items[0];
        if (header.shownAt) {
            // A menu that opened under a pointer that has not moved since (one that found no room
            // beside its parent, say) must not open what lies there by itself.
            if (event.clientX === header.shownAt[0] && event.clientY === header.shownAt[1]) {
                return;
            }
            header.shownAt = null;
        }
        var index = itemIndex(header.element, event.target);
        if (!index || items[index].element === this._hovered) {
            return;
        }
        this._hovered = items[index].element;
        this._activate(items, index);
        this.onmouseover(items[0].name, index);
        this._openSubmenu(items, index);
    };

    PopupMenu.prototype._pointerOut = function (items, event) {
        if (event.pointerType === 'touch') {
            return;
        }
        var to = event.relatedTarget;
        var index = itemIndex(items[0].element, event.target);
        if (index && !(to && items[index].element.contains(to))) {
            this._hovered = null;
            this.onmouseout();
            this._fade(items, index);
        }
        if (!this._owns(to)) {
            this._startHide();
        }
    };

    PopupMenu.prototype._click = function (items, event) {
        var index = itemIndex(items[0].element, event.target);
        if (!index) {
            return;
        }
        var item = items[index];
        if (item.type === 'sm:') {
            // What a mouse did by pointing, a tap on a touch screen does here.
            event.preventDefault();
            this._cancelHide();
            this._activate(items, index);
            this._openSubmenu(items, index);
            return;
        }
        // A chosen link ends the visit to the menus, whether the page changes or not.
        this.hideAll();
        if (item.type === 'js:' || isScriptUrl(item.href)) {
            event.preventDefault();
            // The page's own script, run as the page would; what it returns is dropped, where
            // following a javascript: address would show it in place of the page.
            (0, global.eval)(scriptOf(item.href));
        }
    };

    PopupMenu.prototype._key = function (items, event) {
        var header = items[0];
        var index = itemIndex(header.element, event.target);
        if (!index || event.altKey || event.ctrlKey || event.metaKey) {
            return;
        }
        var item = items[index];
        var count = items.length - 1;
        var key = event.key;
        var next = header.vertical ? 'ArrowDown' : 'ArrowRight';
        var previous = header.vertical ? 'ArrowUp' : 'ArrowLeft';
        var into = header.vertical ? 'ArrowRight' : 'ArrowDown';
        if (key === next) {
            this._focus(items, index % count + 1);
        } else if (key === previous) {
            this._focus(items, (index + count - 2) % count + 1);
        } else if (key === 'Home') {
            this._focus(items, 1);
        } else if (key === 'End') {
            this._focus(items, count);
        } else if (item.type === 'sm:' && (key === into || key === 'Enter' || key === ' ')) {
            this._activate(items, index);
            this._openSubmenu(items, index, true);
        } else if (key === ' ' || key === 'Enter' && !item.element.hasAttribute('href')) {
            item.element.click(); // a link with an address follows Enter by itself
        } else if (key === 'Escape' ||
                   key === 'ArrowLeft' && header.vertical && header.parentMenu) {
            this._back(items);
        } else if (key.length === 1 && key !== ' ') {
            this._typeAhead(items, index, key.toLowerCase());
        } else {
            return;
        }
        event.preventDefault();
    };

    // Moves to the next item whose text starts with the letters typed so far; the same letter
    // typed again moves on to the next item starting with it.
    PopupMenu.prototype._typeAhead = function (items, index, letter) {
        var now = Date.now();
        var typed = now - this._typedAt < TYPE_AHEAD_MS ? this._typed + letter : letter;
        this._typed = typed;
        this._typedAt = now;
        var repeated = typed.split(letter).join('') === '';
        var prefix = repeated ? letter : typed;
        var count = items.length - 1;
        // One letter looks from the next item on; more letters may still match the current one.
        var from = prefix.length === 1 ? index % count + 1 : index;
        for (var n = 0; n < count; n++) {
            var at = (from - 1 + n) % count + 1;
            if (items[at].text.toLowerCase().lastIndexOf(prefix, 0) === 0) {
                this._focus(items, at);
                return;
            }
        }
    };

    // Escape: a submenu closes and its item gets the focus back; on a bar, its submenus close.
    PopupMenu.prototype._back = function (items) {
        var header = items[0];
        if (!header.parentMenu) {
            this._closeBelow(items, 0);
            return;
        }
        var parent = header.parentMenu;
        var at = header.parentIndex;
        this._closeBelow(parent, 0);
        this._focus(parent, at);
    };

    PopupMenu.prototype._focus = function (items, index) {
        var element = items[index] && items[index].element;
        if (element) {
            element.focus({ preventScroll: true });
        }
    };

    PopupMenu.prototype._focusIn = function (items, event) {
        var index = itemIndex(items[0].element, event.target);
        if (!index) {
            return;
        }
        this._cancelHide();
        var header = items[0];
        if (header.active !== index) {
            this._activate(items, index);
        }
        // Tab comes back to the bar's item that had the focus last.
        if (isRootName(header.name) && header.tabItem !== index) {
            items[header.tabItem].element.tabIndex = -1;
            items[index].element.tabIndex = 0;
            header.tabItem = index;
        }
        this.onmouseover(items[0].name, index); // the status line follows the keyboard too
    };

    PopupMenu.prototype._focusOut = function (items, event) {
        var index = itemIndex(items[0].element, event.target);
        var to = event.relatedTarget;
        if (!index || to && items[index].element.contains(to)) {
            return;
        }
        this.onmouseout();
        this._fade(items, index);
        if (!this._owns(to)) {
            this._startHide();
        }
    };

    global.ItemStyle = ItemStyle;
    global.PopupMenu = PopupMenu;
})(window);
