// SPDX-License-Identifier: GPL-3.0-or-later
// Times how soon a cascading menu page becomes usable in Chromium, as a person sees it: the page
// is opened in a fresh context, the first item of its first bar is hovered as soon as it is on
// the screen (the page may still be arriving), and the time is taken at the first frame that
// shows a submenu. The time counts from the page's navigation start (performance.now() in the
// page), so it holds what of the page's download and parsing the menu waits for, its script and
// the submenu's first build.
//
// Beside it, the yardstick: a page of the same bytes held inert in one element, timed from
// navigation start to its load event, which is what the browser needs to read and parse that
// much text. The page's time is also given as a ratio to it.
//
//   node bench/menu_open.mjs [--runs N] [--tsv] PAGE
//
// Uses Debian's Chromium and the playwright-core that the browser tests install in
// tests/browser/node_modules (tools/deps installs both); nothing here downloads a browser.
import { createRequire } from 'node:module';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL, fileURLToPath } from 'node:url';

const repo = path.join(path.dirname(fileURLToPath(import.meta.url)), '..');
const { chromium } = createRequire(path.join(repo, 'tests', 'browser', 'package.json'))(
    'playwright-core');

function usage(problem) {
    console.error(`menu_open: ${problem}\nUsage: node bench/menu_open.mjs [--runs N] [--tsv] PAGE`);
    process.exit(2);
}

let runs = 3;
let tsv = false;
let page;
const args = process.argv.slice(2);
for (let i = 0; i < args.length; i++) {
    if (args[i] === '--runs') {
        runs = Number(args[++i]);
        if (!Number.isInteger(runs) || runs < 1) {
            usage('--runs takes a number of at least 1');
        }
    } else if (args[i] === '--tsv') {
        tsv = true;
    } else if (page === undefined && !args[i].startsWith('--')) {
        page = path.resolve(args[i]);
    } else {
        usage(`unexpected "${args[i]}"`);
    }
}
if (page === undefined) {
    usage('give the page to open');
}

// The same flags as the browser tests: no sandbox (CI runs as root), and nothing in the
// background that could take time from the page.
const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

// The page's bytes in one element the browser neither runs nor shows.
function writeYardstick(source) {
    const text = fs.readFileSync(source, 'latin1').replace(/<\/script/gi, '<\\/script');
    const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'menu-open-')), 'yardstick.html');
    fs.writeFileSync(file, `<html><body><script type="text/plain">${text}</script></body></html>`,
                     'latin1');
    return file;
}

async function loadOnce(file) {
    const context = await browser.newContext({ viewport: { width: 1024, height: 700 } });
    try {
        const tab = await context.newPage();
        await tab.goto(pathToFileURL(file).href, { timeout: 60000, waitUntil: 'load' });
        return (await tab.evaluate(() =>
            performance.getEntriesByType('navigation')[0].loadEventStart)) / 1000;
    } finally {
        await context.close();
    }
}

// Keeps, in the page, the time of the first frame that shows a submenu.
function watchFrames() {
    const watch = () => {
        for (const box of document.querySelectorAll('[role="menu"][data-menu]')) {
            if (box.getClientRects().length > 0 && getComputedStyle(box).visibility !== 'hidden') {
                window.firstSubmenuFrame = performance.now();
                return;
            }
        }
        requestAnimationFrame(watch);
    };
    requestAnimationFrame(watch);
}

async function openOnce() {
    const context = await browser.newContext({ viewport: { width: 1024, height: 700 } });
    try {
        const tab = await context.newPage();
        const errors = [];
        tab.on('pageerror', (error) => errors.push(error.message));
        await tab.addInitScript(watchFrames);
        await tab.goto(pathToFileURL(page).href, { timeout: 60000, waitUntil: 'commit' });
        // The pointer goes to the item once it is on the screen, in one move: each of the checks
        // a Playwright hover makes first would wait for the browser to finish what part of the
        // page it is parsing.
        const spot = await tab.waitForFunction(() => {
            const item = document.querySelector('[data-menu^="root"] > [data-item="1"]');
            const r = item && item.getBoundingClientRect();
            return r && r.width > 0 && [r.left + r.width / 2, r.top + r.height / 2];
        }, null, { polling: 'raf', timeout: 60000 });
        await tab.mouse.move(...await spot.jsonValue());
        const shown = await tab.waitForFunction(() => window.firstSubmenuFrame, null,
                                                { timeout: 60000 });
        if (errors.length > 0) {
            throw new Error(`page error: ${errors[0]}`);
        }
        return (await shown.jsonValue()) / 1000;
    } finally {
        await context.close();
    }
}

let status = 0;
try {
    const yardstick = writeYardstick(page);
    const seconds = [];
    const reading = [];
    // Alternated, so that both see the same load on a shared machine.
    for (let r = 0; r < runs; r++) {
        seconds.push(await openOnce());
        reading.push(await loadOnce(yardstick));
    }
    fs.rmSync(path.dirname(yardstick), { recursive: true, force: true });
    const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
    const best = Math.min(...seconds);
    const shown = median(seconds);
    const read = median(reading);
    if (tsv) {
        console.log(`${best.toFixed(4)}\t${shown.toFixed(4)}\t${read.toFixed(4)}`);
    } else {
        console.log(`${path.basename(page)}: first submenu shown after best ${best.toFixed(3)} s, ` +
                    `median ${shown.toFixed(3)} s of ${runs} runs (from navigation start); ` +
                    `the same bytes held inert load in ${read.toFixed(3)} s (median), ` +
                    `ratio ${(shown / read).toFixed(2)}`);
    }
} catch (error) {
    console.error(`menu_open: ${error.message.split('\n')[0]}`);
    status = 1;
} finally {
    await browser.close();
}
process.exit(status);
