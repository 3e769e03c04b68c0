// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Orvalink developers (the notice is in the menu engine above)
//
// Drop shadows under the submenus (the menus drawn in the subM style). Netscape 4 and the old
// Opera get two layers, every other browser three; a layer is (opacity in percent, colour, left,
// top, extra width, extra height).
if (isNS4 || isOp) addDropShadow(pMenu, subM, [50, '#000000', 9, 9, -8, -8], [40, '#333333', 7, 7, -4, -4]);
else addDropShadow(pMenu, subM, [55, '#000000', 9, 9, -8, -8], [35, '#000000', 7, 7, -4, -4], [20, '#000000', 5, 5, 0, 0]);

// Puts one block per layer behind every menu of the set drawn in the given item style: of the
// layer's colour and opacity, at (left, top) from the menu's corner, as large as the menu plus
// the extra width and height, the first layer in front. The menu then counts as larger by the
// most any layer reaches past its right and bottom edges, so that the engine keeps the shadow,
// too, inside the window.
function addDropShadow(menuSet, style) {
    var layers = Array.prototype.slice.call(arguments, 2);
    // A menu's size is known once its items are read, which waits until the menu is built.
    menuSet.whenDescribed(function (header) {
        if (header.itemSty !== style) {
            return;
        }
        var blocks = '';
        var growW = 0;
        var growH = 0;
        // Later markup is drawn on top of earlier markup, so the layers go in back to front.
        for (var i = layers.length - 1; i >= 0; i--) {
            var layer = layers[i];
            var left = Number(layer[2]);
            var top = Number(layer[3]);
            var extraW = Number(layer[4]);
            var extraH = Number(layer[5]);
            blocks += '<div style="position:absolute;left:' + left + 'px;top:' + top + 'px;width:' +
                Math.max(0, header.menuW + extraW) + 'px;height:' +
                Math.max(0, header.menuH + extraH) + 'px;background-color:' + layer[1] +
                ';opacity:' + Number(layer[0]) / 100 + '"></div>';
            growW = Math.max(growW, left + extraW);
            growH = Math.max(growH, top + extraH);
        }
        // Shadows lie behind anything else the menu carries.
        header.extraHTML = blocks + header.extraHTML;
        header.menuW += growW;
        header.menuH += growH;
    });
}
