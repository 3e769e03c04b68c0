// SPDX-License-Identifier: GPL-3.0-or-later
// The cascading menu page in headless Chromium: pages that orvalink-cli generates from the
// sources in sources/, driven as a person would drive them.
//
// horizontal.html: menu.adr with News, Reference and Documentation and Unsorted on the bar,
//   "more..." after 9 entries, links in the same window, with shadows and "Show URL".
// vertical.html: menu.html with Daily work, Home and Travel down the side, no breaks, links in
//   a new window, no shadows, no "Show URL".
// vertical-more.html: menu.adr as horizontal.html, but down the side and with new windows.
// big.html: 100,000 links in 5,000 folders, everything exported.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { generatePages } from './support/pages.mjs';
import { startServer } from './support/server.mjs';
import { walkEveryWay } from './support/walk.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const screenshotDir = process.env.ORVALINK_SCREENSHOT_DIR ||
    path.join(here, '..', '..', 'build', 'browser-screenshots');

let workDir;
let pagesDir;
let browser;
let server;

before(async () => {
    workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'orvalink-menu-pages-'));
    // Debian's Chromium, never a browser of the tool's own. Playwright starts it with a fresh
    // temporary profile (its own --user-data-dir) and removes that afterwards.
    browser = await chromium.launch({
        executablePath: '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
    pagesDir = await generatePages(workDir);
    server = await startServer(pagesDir);
});

after(async () => {
    await browser?.close();
    await server?.close();
    if (workDir) {
        fs.rmSync(workDir, { recursive: true, force: true });
    }
});

const pageText = (name) => fs.readFileSync(path.join(pagesDir, name), 'utf8');

// Opens a page in a fresh context and fails the test on any console or page error.
async function open(t, name, { width = 1024, height = 700, doctype, hasTouch, waitUntil } = {}) {
    const context = await browser.newContext({ viewport: { width, height }, hasTouch: !!hasTouch });
    const page = await context.newPage();
    const errors = [];
    page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
    page.on('pageerror', (error) => errors.push(error.message));
    t.after(async () => {
        await context.close();
        assert.deepEqual(errors, [], 'console or page errors');
    });
    await page.goto(`${server.url}/pages/${name}${doctype ? '?doctype' : ''}`, { waitUntil });
    return page;
}

const item = (menuName, n) => `[data-menu="${menuName}"] > [data-item="${n}"]`;

// Opens a page as open() does and points at the nth item of its bar.
async function openAt(t, name, n, options) {
    const page = await open(t, name, options);
    await page.hover(item('root', n));
    return page;
}

// Where a menu stands in the page, or null while it is not shown.
function menuBox(page, name) {
    return page.evaluate((menuName) => {
        const box = document.querySelector(`[data-menu="${menuName}"]`);
        if (!box || getComputedStyle(box).display === 'none') {
            return null;
        }
        const r = box.getBoundingClientRect();
        return { x: r.left + scrollX, y: r.top + scrollY, width: r.width, height: r.height };
    }, name);
}

async function assertAt(page, name, x, y) {
    const box = await menuBox(page, name);
    assert.ok(box, `${name} is shown`);
    assert.deepEqual([box.x, box.y], [x, y], `${name} position`);
}

// Each item of a menu as [left, top, width, height] in the window.
function itemRects(page, menuName) {
    return page.$$eval(`[data-menu="${menuName}"] > [data-item]`, (items) => items.map((e) => {
        const r = e.getBoundingClientRect();
        return [r.left, r.top, r.width, r.height];
    }));
}

function screenshot(page, name) {
    fs.mkdirSync(screenshotDir, { recursive: true });
    return page.screenshot({ path: path.join(screenshotDir, `${name}.png`) });
}

// Independent pages in separate contexts: these run side by side.
describe('menu pages', { concurrency: true }, () => {
    test('nothing inside the script elements of a page ends one early', () => {
        // The engine, its events and shadows, and every item with its name and address: the
        // elements are the ones the page opens, each whole.
        for (const name of ['horizontal.html', 'vertical.html']) {
            const text = pageText(name).toLowerCase();
            const opened = text.match(/<script\b/g).length;
            const bodies = [...text.matchAll(/<script[^>]*>(?:<!--)?([^]*?)(?:\/\/ end hide -->\r\n)?<\/script>/g)];
            assert.equal(bodies.length, opened, `${name} closes every script element`);
            assert.ok(bodies.some((body) => body[1].includes('additem(')), `${name} has its items`);
            for (const [, body] of bodies) {
                for (const forbidden of ['<!--', '-->', '<script', '</script']) {
                    assert.ok(!body.includes(forbidden), `${name} contains ${forbidden}`);
                }
            }
        }
    });

    test('both layouts load cleanly in quirks and standards mode', async (t) => {
        for (const doctype of [false, true]) {
            const top = await open(t, 'horizontal.html', { doctype });
            assert.equal(await top.evaluate(() => document.compatMode),
                         doctype ? 'CSS1Compat' : 'BackCompat');
            assert.deepEqual(await itemRects(top, 'root'),
                             [[10, 0, 80, 17], [94, 0, 230, 17], [328, 0, 80, 17]]);
            const left = await open(t, 'vertical.html', { doctype });
            assert.deepEqual(await itemRects(left, 'root'),
                             [[0, 16, 230, 22], [0, 40, 230, 22], [0, 64, 230, 22]]);
        }
        // Exporting the selection with nothing ticked leaves an empty bar: the generator then
        // writes the bar's line and no item.
        server.addPage('empty.html', pageText('horizontal.html').replace(
            /(startMenu\('root'.*\r\n)[^]*?(?=hideDelay=)/, '$1'));
        const empty = await open(t, 'empty.html');
        assert.equal(await empty.locator('[data-menu="root"] > [data-item]').count(), 0);
        // A page edited by hand beyond the lines the generator writes still shows its items.
        const rootItems = async (page) =>
            page.locator('[data-menu="root"] > [data-item]').allTextContents();
        server.addPage('edited.html', pageText('horizontal.html')
            .replace(/\n addItem\('([^']*)'/, '\n addItem("$1"')
            .replace('hideDelay=1500;', 'hideDelay = 1500; window.editedLineRan = true;'));
        const edited = await open(t, 'edited.html');
        assert.deepEqual(await rootItems(edited), await rootItems(await open(t, 'horizontal.html')));
        assert.equal(await edited.evaluate(() => window.editedLineRan), true);
    });

    test('the bar works while the page arrives: a submenu opens once its lines have', async (t) => {
        const text = pageText('horizontal.html');
        // Everything up to the menu after m2, which alone shows where m2's lines end.
        const next = text.indexOf('startMenu(', text.indexOf("startMenu('m2'") + 1);
        const release = server.addHeldPage('arriving.html', text, next);
        const page = await openAt(t, 'arriving.html', 1, { waitUntil: 'commit' });
        assert.equal(await menuBox(page, 'm2'), null);
        release();
        await page.waitForSelector('[data-menu="m2"]', { state: 'visible' });
        assert.equal(await page.locator('[data-menu="m2"] > [data-item]').count(), 5);
    });

    test('"more..." opens its continuation lifted so that its last item lines up', async (t) => {
        // Across the top and down the side: where each menu of the chain opens, and where the
        // "more..." item of the first stands.
        const layouts = [
            ['horizontal.html', [94, 20], 209, [321, 20], [548, 83]],
            ['vertical-more.html', [227, 40], 229, [454, 40], [681, 103]],
        ];
        for (const [name, first, moreTop, second, third] of layouts) {
            const page = await openAt(t, name, 2);
            await assertAt(page, 'm6', ...first);
            const top = async (menuName, n) => (await page.locator(item(menuName, n)).boundingBox()).y;
            assert.equal(await top('m6', 10), moreTop);
            await page.hover(item('m6', 10));
            await assertAt(page, 'mmo6_8', ...second);
            assert.equal(await top('mmo6_8', 10), moreTop);
            await page.hover(item('mmo6_8', 10));
            await assertAt(page, 'mmo6_17', ...third);
            assert.equal(await top('mmo6_17', 7), moreTop);
            assert.equal(await page.locator(item('mmo6_17', 8)).count(), 0);
            await screenshot(page, `${name.slice(0, -5)}-chain`);
        }
    });

    test('items act by type: "" follows, "nw:" opens a window, "js:" runs', async (t) => {
        const page = await openAt(t, 'horizontal.html', 1);
        await page.click(item('m2', 3));
        // The bookmarklet returns a text: the page stays, rather than showing it.
        await page.waitForFunction(() => window.bookmarkletRuns === 1);
        await page.waitForTimeout(200);
        assert.match(page.url(), /horizontal\.html$/);
        assert.equal(await page.locator('[data-menu="root"]').count(), 1, 'the page stays');
        assert.equal(await menuBox(page, 'm2'), null, 'a chosen item closes the menus');
        // A folder named like markup shows its name and breaks nothing.
        assert.equal(await page.locator('b').count(), 0);
        // With "Show URL" pointing at a link shows its address in the status line, at a folder
        // nothing.
        await page.hover(item('root', 1));
        await page.hover(item('m2', 4));
        assert.equal(await page.evaluate(() => window.status), 'target.html?local');
        await page.hover(item('m2', 2));
        assert.equal(await page.evaluate(() => window.status), '');
        await Promise.all([page.waitForURL(/target\.html\?local$/), page.click(item('m2', 4))]);

        const left = await openAt(t, 'vertical.html', 1);
        const [popup] = await Promise.all([left.context().waitForEvent('page'),
                                           left.click(item('m2', 2))]);
        await popup.waitForURL(/target\.html\?intranet$/);
        assert.match(left.url(), /vertical\.html$/);
        await left.hover(item('root', 1));
        await left.click(item('m2', 3));
        await left.waitForFunction(() => window.scriptRuns === 1);
        await left.waitForTimeout(200);
        assert.equal(await left.locator('[data-menu="root"]').count(), 1, 'the page stays');
    });

    test('shadows lie behind submenus only, and only when the page asks for them', async (t) => {
        const page = await openAt(t, 'horizontal.html', 1);
        const box = await menuBox(page, 'm2');
        assert.deepEqual([box.width, box.height], [235, 111]); // 5 items of 21 px and 1, plus 5
        // Right of the items, inside the menu's grown size, lies the darkest layer in front.
        const shade = await page.evaluate(([x, y]) => {
            const e = document.elementFromPoint(x, y);
            return [e.parentNode.getAttribute('data-menu'), getComputedStyle(e).opacity];
        }, [box.x + 230, box.y + 50]);
        assert.deepEqual(shade, ['m2', '0.55']);
        assert.equal(await page.locator('[data-menu="root"] > div').count(), 0);
        assert.equal(await page.locator('[data-menu="m2"] > div').count(), 3);

        const left = await openAt(t, 'vertical.html', 1);
        const plain = await menuBox(left, 'm2');
        assert.deepEqual([plain.width, plain.height], [230, 64]); // 3 items, no shadow
        assert.equal(await left.locator('[data-menu="m2"] > div').count(), 0);
    });

    test('wide windows: submenus stay inside, also while the page scrolls and resizes', async (t) => {
        const page = await openAt(t, 'vertical.html', 1, { width: 600, height: 300 });
        await page.hover(item('m2', 1));
        await assertAt(page, 'm3', 8, 20); // left of its parent and 4 px lower
        await page.hover(item('m3', 1));
        await assertAt(page, 'm4', 235, 20);
        await screenshot(page, 'right-edge');
        await page.hover(item('root', 3));
        await assertAt(page, 'm6', 227, 27); // 12 items end 20 px above the window's bottom
        await page.hover(item('root', 2));
        await assertAt(page, 'm5', 227, 16); // taller than the window: 16 px from the top

        const tall = await open(t, 'vertical.html');
        await tall.evaluate(() => {
            document.querySelector('td[valign]').style.height = '3000px';
        });
        await tall.hover(item('root', 1));
        await tall.hover(item('m2', 1));
        await assertAt(tall, 'm3', 454, 16);
        await tall.evaluate(() => new Promise((resolve) => {
            addEventListener('scroll', () => requestAnimationFrame(resolve), { once: true });
            scrollTo(0, 500);
        }));
        await assertAt(tall, 'root', 0, 516);
        await assertAt(tall, 'm3', 454, 516);
        await tall.setViewportSize({ width: 600, height: 700 });
        await tall.waitForFunction(() => innerWidth === 600);
        await assertAt(tall, 'm3', 8, 520);
    });


    // The driver the walks use (support/walk.mjs), over a Playwright page.
    const driverOf = (page) => ({
        evaluate: (fn, arg) => page.evaluate(fn, arg),
        tap: (x, y) => page.touchscreen.tap(x, y),
        hover: (x, y) => page.mouse.move(x, y),
        press: (key) => page.keyboard.press(key),
    });

    test('every menu opens by touch on a phone, and by mouse and keyboard on a desktop',
         async (t) => {
        for (const name of ['horizontal.html', 'vertical.html']) {
            const pages = [];
            await walkEveryWay(name, async ({ width, height, touch }) => {
                pages.push(await open(t, name, { width, height, hasTouch: touch }));
                return driverOf(pages[pages.length - 1]);
            });
            await screenshot(pages[0], `${name.slice(0, -5)}-phone`);
        }
    });

    test('a submenu that opens under a pointer that has not moved opens nothing more',
         async (t) => {
        // Too short for "Reference and Documentation": its continuation moves up over the
        // "more..." item the pointer is on, and a "more..." item of its own lands there.
        const page = await open(t, 'horizontal.html', { width: 390, height: 500 });
        const center = async (selector) => {
            const r = await page.locator(selector).boundingBox();
            return [r.x + r.width / 2, r.y + r.height / 2];
        };
        await page.mouse.move(...await center(item('root', 2)));
        const [x, y] = await center(item('m6', 10));
        await page.mouse.move(x, y);
        await page.waitForFunction(() => document.querySelector('[data-menu="mmo6_8"]'));
        const under = await page.evaluate(([px, py]) =>
            document.elementFromPoint(px, py).closest('[data-item]').id, [x, y]);
        assert.equal(under, 'pMenu-mmo6_8-10', 'the continuation lies under the pointer');
        await page.waitForTimeout(300);
        assert.equal(await menuBox(page, 'mmo6_17'), null);
        await page.mouse.move(x + 1, y);
        await page.waitForSelector('[data-menu="mmo6_17"]', { state: 'visible' });
    });

    test('the bar is one Tab stop: arrows move in it, letters find items', async (t) => {
        const page = await open(t, 'horizontal.html');
        const focused = () => page.evaluate(() => document.activeElement.id);
        await page.keyboard.press('Tab');
        assert.equal(await focused(), 'pMenu-root-1');
        await page.keyboard.press('u');
        assert.equal(await focused(), 'pMenu-root-3');
        await page.keyboard.press('Shift+Tab');
        await page.keyboard.press('Tab');
        assert.equal(await focused(), 'pMenu-root-3', 'Tab comes back where the focus was');
        assert.deepEqual(await page.$$eval('[tabindex="0"]', (e) => e.map((x) => x.id)),
                         ['pMenu-root-3']);
        await page.keyboard.press('ArrowRight');
        await page.keyboard.press('ArrowRight');
        await page.keyboard.press('ArrowDown');
        // Typed together, letters narrow the search; a letter typed again moves on.
        for (const [keys, expected] of [['l', 'pMenu-m6-2'], ['ll', 'pMenu-m6-4'],
                                        ['m', 'pMenu-m6-10'], ['li', 'pMenu-m6-1']]) {
            await page.waitForTimeout(800);
            await page.keyboard.type(keys);
            assert.equal(await focused(), expected, keys);
        }
        const bar = await page.evaluate(() => {
            const e = document.querySelector('[data-menu="root"]');
            return [e.getAttribute('role'), e.getAttribute('aria-label'), document.documentElement.lang];
        });
        assert.deepEqual(bar, ['menubar', 'Test & Bookmarks', 'en']);
    });
});

// Checks of time run alone, after the others.
describe('menu timing', () => {
    test('an abandoned submenu hides after hideDelay and not before', async (t) => {
        const page = await open(t, 'horizontal.html');
        const shown = () => menuBox(page, 'm2');
        await page.hover(item('root', 1));
        await page.mouse.move(700, 500);
        await page.waitForTimeout(700);
        await page.hover(item('m2', 4)); // back in time: the clock starts again
        await page.mouse.move(700, 500);
        const left = Date.now();
        await page.waitForTimeout(1100);
        assert.ok(await shown(), 'still open 1.1 s after leaving');
        await page.waitForFunction(() =>
            getComputedStyle(document.querySelector('[data-menu="m2"]')).display === 'none');
        assert.ok(Date.now() - left >= 1450, `hidden after ${Date.now() - left} ms`);
    });

    // How fast it opens is measured by the benchmarks; here it must simply work.
    test('a page of 100,000 links in 5,000 folders opens its submenus', async (t) => {
        const page = await openAt(t, 'big.html', 1);
        await page.waitForSelector('[data-menu="m1"]', { state: 'visible' });
        // Only what was shown has been built.
        assert.equal(await page.locator('[data-menu]').count(), 2);
        await page.hover(item('m1', 50));
        await assertAt(page, 'm4902', 237, 16); // 119 items: taller than the window
    });
});
