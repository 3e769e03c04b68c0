// SPDX-License-Identifier: GPL-3.0-or-later
// Regenerates tests/fixtures/chromium-profile: the Bookmarks file and Local State that Chromium
// itself wrote, for the tests of our reader and writer of Chromium's bookmarks.
//
// Headless Chromium starts on a new user-data folder with the test extension, which creates the
// collection below through chrome.bookmarks; Chromium then quits cleanly, saving its Bookmarks.
// The Mobile bookmarks folder stays empty: Chromium hides it from extensions while it is empty,
// so nothing can be created in it.
//
// Usage: node tests/chromium/make_profile.mjs [--keep]  (--keep leaves the work folder in place)
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

import { withChromium } from './chromium.mjs';

const { values: args } = parseArgs({ options: { keep: { type: 'boolean' } } });
const here = path.dirname(fileURLToPath(import.meta.url));
const fixture = path.join(here, '..', 'fixtures', 'chromium-profile');

// Created in this order, so ids and dates follow it.
const bookmarksBar = [
    { title: 'Hacker News', url: 'https://news.ycombinator.com/' },
    { title: 'Café Müller — Bücher & „Zitate“ 日本語 🎉',
      url: 'https://bücher.example/straße?q=日本&x=<1>' },
    { title: `<b>Bold</b> & "double" 'single'`,
      url: `https://example.com/markup?q=<b>&a='1'&b="x"` },
    {
        title: 'Daily',
        children: [
            { title: 'LWN.net', url: 'https://lwn.net/' },
            { title: 'Languages', children: [
                { title: 'C++', children: [
                    { title: 'cppreference', url: 'https://en.cppreference.com/w/' },
                ] },
                { title: 'Python 3', url: 'https://docs.python.org/3/' },
            ] },
            { title: 'Debian', url: 'https://www.debian.org/' },
        ],
    },
    { title: 'Empty folder', children: [] },
    { title: '', url: 'https://example.org/untitled' },
];
const otherBookmarks = [
    { title: 'Read later', children: [
        { title: 'Write-Ahead Logging', url: 'https://www.sqlite.org/wal.html' },
    ] },
    { title: 'Example', url: 'https://example.net/' },
];

const workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'orvalink-chromium-profile-'));
const created = await withChromium(workDir, async (evaluate) => [
    ...(await evaluate(`createBookmarks('1', ${JSON.stringify(bookmarksBar)})`)),
    ...(await evaluate(`createBookmarks('2', ${JSON.stringify(otherBookmarks)})`)),
]);

const bookmarks = fs.readFileSync(path.join(workDir, 'Default', 'Bookmarks'), 'utf8');
const saved = new Set(Array.from(bookmarks.matchAll(/"id": "(\d+)"/g), ([, id]) => id));
const missing = created.filter((id) => !saved.has(id));
if (missing.length)
    throw new Error(`Chromium saved no node with the id ${missing.join(', ')}`);

fs.rmSync(fixture, { recursive: true, force: true });
fs.mkdirSync(path.join(fixture, 'Default'), { recursive: true });
fs.writeFileSync(path.join(fixture, 'Default', 'Bookmarks'), bookmarks);
fs.copyFileSync(path.join(workDir, 'Local State'), path.join(fixture, 'Local State'));

if (args.keep)
    console.log(`Work folder: ${workDir}`);
else
    fs.rmSync(workDir, { recursive: true, force: true });
console.log(`Wrote ${path.relative(process.cwd(), fixture)}`);
