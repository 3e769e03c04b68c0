// SPDX-License-Identifier: GPL-3.0-or-later
// Opens every menu of a page as a person would, by touch, mouse or keyboard, and checks each
// submenu as it opens. The browser is reached through a small driver, so that Chromium
// (Playwright) and Firefox (Marionette) run the same walks:
//   evaluate(fn, arg)  runs fn(arg) in the page and answers its result;
//   tap(x, y), hover(x, y)  a finger or the mouse at a point of the window;
//   press(key)  one key, by its KeyboardEvent.key name.
import assert from 'node:assert/strict';

// What a person can see of a menu and its items, and what the page tells assistive technology
// about them. Runs in the page.
function describeMenu(name) {
    const box = document.querySelector(`[data-menu="${name}"]`);
    if (!box || getComputedStyle(box).display === 'none') {
        return null;
    }
    const rect = (e) => {
        const r = e.getBoundingClientRect();
        return { left: r.left, top: r.top, width: r.width, height: r.height };
    };
    const opener = box.getAttribute('aria-labelledby') &&
        document.getElementById(box.getAttribute('aria-labelledby'));
    const scroller = document.scrollingElement;
    return {
        id: box.id,
        role: box.getAttribute('role'),
        rect: rect(box),
        windowWidth: scroller.clientWidth,
        scrollsSideways: scroller.scrollWidth > scroller.clientWidth,
        opener: opener && { id: opener.id, controls: opener.getAttribute('aria-controls'),
                            expanded: opener.getAttribute('aria-expanded') },
        items: Array.from(box.querySelectorAll(':scope > [data-item]'), (item) => {
            const label = item.firstChild;
            return {
                n: Number(item.dataset.item),
                role: item.getAttribute('role'),
                text: label.textContent,
                submenu: item.getAttribute('aria-haspopup') ? item.getAttribute('aria-controls')
                    .slice(box.id.length - box.dataset.menu.length) : null,
                rect: rect(item),
                // A label cut where the page kept it whole.
                cut: !label.textContent.endsWith('...') && label.scrollWidth > label.clientWidth,
            };
        }),
    };
}

function focusedItem() {
    const e = document.activeElement;
    const box = e && e.parentNode && e.parentNode.dataset && e.parentNode.dataset.menu;
    return box ? [box, Number(e.dataset.item)] : null;
}

// Checks a menu that has just opened from the given item; answers its description.
async function checkOpened(driver, name, openerId, { narrow }) {
    const menu = await driver.evaluate(describeMenu, name);
    assert.ok(menu, `${name} opened`);
    assert.equal(menu.role, 'menu');
    assert.deepEqual(menu.opener, { id: openerId, controls: menu.id, expanded: 'true' },
                     `${name} is named after its item and linked to it`);
    assert.ok(menu.rect.left >= 0 && menu.rect.left + menu.rect.width <= menu.windowWidth + 0.5,
              `${name} lies inside the window: ${JSON.stringify(menu.rect)}`);
    assert.ok(!menu.scrollsSideways, `${name} makes the page scroll sideways`);
    for (const item of menu.items) {
        assert.equal(item.role, 'menuitem');
        assert.ok(!item.cut, `${name}: "${item.text}" is cut`);
        if (narrow) {
            assert.ok(item.rect.height >= 44, `${name}: "${item.text}" is ${item.rect.height} high`);
        }
    }
    return menu;
}

const bar = (driver) => driver.evaluate(describeMenu, 'root');

// A point of an item that its own submenus leave free: near its left edge, half-way down.
const pointOf = (item) => [item.rect.left + 8, item.rect.top + item.rect.height / 2];

// Taps (touch) or points at (mouse) every folder item, depth first, and checks each submenu;
// answers the names of the menus opened.
async function walkByPointer(driver, { touch, narrow }) {
    const opened = [];
    const act = (item) => (touch ? driver.tap : driver.hover)(...pointOf(item));
    const visit = async (menu) => {
        for (const item of menu.items.filter((i) => i.submenu)) {
            // What lies at the point is the item itself, not a menu over it.
            const hit = await driver.evaluate(([x, y, id]) => {
                const e = document.elementFromPoint(x, y);
                return !!e && !!e.closest(`[id="${id}"]`);
            }, [...pointOf(item), `${menu.id}-${item.n}`]);
            assert.ok(hit, `"${item.text}" can be reached`);
            await act(item);
            opened.push(item.submenu);
            await visit(await checkOpened(driver, item.submenu, `${menu.id}-${item.n}`,
                                          { narrow }));
        }
    };
    const root = await bar(driver);
    for (const item of root.items) {
        assert.ok(!item.cut, `root: "${item.text}" is cut`);
        if (narrow) {
            assert.ok(item.rect.height >= 44, `root: "${item.text}" is ${item.rect.height} high`);
        }
        assert.ok(item.rect.left + item.rect.width <= root.windowWidth, `root: "${item.text}"`);
    }
    await visit(root);
    return opened;
}

// Walks every menu with the arrow keys from the bar's one Tab stop: into each folder and back
// out with Escape; answers the names of the menus opened.
async function walkByKeyboard(driver) {
    const opened = [];
    await driver.press('Tab');
    const visit = async (menu, vertical) => {
        for (const item of menu.items) {
            assert.deepEqual(await driver.evaluate(focusedItem), [menu.id.split('-').pop(), item.n]);
            if (item.submenu) {
                await driver.press(vertical ? 'ArrowRight' : 'ArrowDown');
                opened.push(item.submenu);
                const sub = await checkOpened(driver, item.submenu, `${menu.id}-${item.n}`,
                                              { narrow: false });
                await visit(sub, true);
                await driver.press('Escape');
                assert.equal(await driver.evaluate(describeMenu, item.submenu), null);
            }
            if (item !== menu.items[menu.items.length - 1]) {
                await driver.press(vertical ? 'ArrowDown' : 'ArrowRight');
            }
        }
    };
    const root = await bar(driver);
    await visit(root, (await driver.evaluate(() =>
        document.querySelector('[data-menu="root"]').getAttribute('aria-orientation'))) ===
        'vertical');
    return opened;
}

// Every folder menu of a page, by the names its items open.
function allSubmenus(driver) {
    return driver.evaluate(() => Object.keys(pMenu.menu).filter((name) => name !== 'root'));
}

// Opens every menu of the page `name` by touch on a phone, and by mouse and by keyboard on a
// desktop. open({ width, height, touch }) answers a driver of the page freshly loaded in a window
// of that many CSS pixels (touch: with a touch screen).
export async function walkEveryWay(name, open) {
    const phone = await open({ width: 390, height: 844, touch: true });
    const all = (await allSubmenus(phone)).sort();
    assert.deepEqual((await walkByPointer(phone, { touch: true, narrow: true })).sort(), all,
                     `${name} by touch`);
    const desktop = await open({ width: 1920, height: 1080 });
    assert.deepEqual((await walkByPointer(desktop, { narrow: false })).sort(), all,
                     `${name} by mouse`);
    const keyboard = await open({ width: 1920, height: 1080 });
    assert.deepEqual((await walkByKeyboard(keyboard)).sort(), all, `${name} by keyboard`);
}
