// SPDX-License-Identifier: GPL-3.0-or-later
// The cascading menu page in Debian's Firefox ESR, headless and off the network, driven over
// Marionette: the pages and walks of the Chromium suite (tests/browser), in the other engine.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { generatePages } from '../browser/support/pages.mjs';
import { startServer } from '../browser/support/server.mjs';
import { walkEveryWay } from '../browser/support/walk.mjs';
import { connectWhenListening, startFirefox, writeUserPrefs } from './firefox.mjs';

let workDir;
let server;
let firefox;
let marionette;

before(async () => {
    workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'orvalink-menu-firefox-'));
    server = await startServer(await generatePages(workDir));
    const profile = path.join(workDir, 'profile');
    fs.mkdirSync(profile);
    writeUserPrefs(profile, { marionette: true, anyWindowSize: true });
    // The screen holds a 1920 x 1080 page with Firefox's toolbars above it.
    firefox = startFirefox(['--marionette', '--profile', profile],
                           { home: workDir, logFile: path.join(workDir, 'firefox.log'),
                             screen: [2560, 1600] });
    marionette = await connectWhenListening(firefox, profile, { context: 'content' });
});

// A Firefox left running would stay in the way of the tests that need none running.
after(async () => {
    try {
        await marionette?.quit();
    } finally {
        await firefox?.stop();
        await server?.close();
        if (workDir) {
            fs.rmSync(workDir, { recursive: true, force: true });
        }
    }
});

// Runs fn(arg) in the page and answers its result.
const run = (fn, arg) => marionette.evaluate(`return (${fn})(args[0]);`, [arg]);

// Uncaught errors of the open page since it loaded; an error while it loads leaves it without
// its menus, which the walks find.
const assertNoErrors = async () =>
    assert.deepEqual(await run(() => window.orvalinkErrors ?? []), [], 'errors in the page');

// Loads a page into a window of the given size, once the page before has shown no errors, and
// answers the walks' driver for it.
async function open(name, { width, height }) {
    await assertNoErrors();
    await marionette.setViewport(width, height);
    await marionette.navigate(`${server.url}/pages/${name}`);
    await run(() => {
        window.orvalinkErrors = [];
        addEventListener('error', (event) => window.orvalinkErrors.push(event.message));
    });
    return {
        evaluate: run,
        tap: (x, y) => marionette.pointAt('touch', x, y, { press: true }),
        hover: (x, y) => marionette.pointAt('mouse', x, y),
        press: (key) => marionette.press(key),
    };
}

test('every menu opens by touch on a phone, and by mouse and keyboard on a desktop', async () => {
    for (const name of ['horizontal.html', 'vertical.html']) {
        await walkEveryWay(name, (size) => open(name, size));
    }
    await assertNoErrors();
});

// Firefox here, like desktop browsers, gives an element that scrolls a scroll bar that takes
// room, where Chromium under test hides it.
test('a submenu taller than a narrow window scrolls without cutting its items', async () => {
    const page = await open('horizontal.html', { width: 390, height: 500 });
    const opener = await page.evaluate(() =>
        document.querySelector('[data-menu="root"] > [data-item="2"]').getBoundingClientRect()
            .toJSON());
    await page.tap(opener.left + 8, opener.top + opener.height / 2);
    const menu = await page.evaluate(() => {
        const box = document.querySelector('[data-menu="m6"]');
        const items = box.querySelectorAll(':scope > [data-item]');
        return {
            scrolls: box.scrollHeight > box.clientHeight,
            sideways: box.scrollWidth > box.clientWidth,
            inside: box.getBoundingClientRect().right <= document.scrollingElement.clientWidth,
            whole: Array.from(items).every((item) => item.getBoundingClientRect().right <=
                box.getBoundingClientRect().left + box.clientWidth),
        };
    });
    assert.deepEqual(menu, { scrolls: true, sideways: false, inside: true, whole: true });
    await assertNoErrors();
});
