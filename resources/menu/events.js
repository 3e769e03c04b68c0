// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Orvalink developers (the notice is in the menu engine above)
//
// Window events of the menu page: the bars appear as soon as their lines have arrived, the menus
// keep their place in the window while the page scrolls or the window changes size, and whatever
// is open closes when the page is left, so that a page brought back from the browser's history
// shows only its bars.
(function (global) {
    'use strict';

    function forEachSet(method) {
        return function () {
            global.PopupMenu.sets.forEach(function (set) {
                set[method]();
            });
        };
    }

    forEachSet('start')();
    global.addEventListener('scroll', forEachSet('follow'), { passive: true });
    global.addEventListener('resize', forEachSet('follow'));
    // pagehide rather than unload: it also fires for pages kept in the back/forward cache, and
    // an unload handler would keep the page out of that cache.
    global.addEventListener('pagehide', forEachSet('release'));
})(window);
