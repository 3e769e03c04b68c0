// SPDX-License-Identifier: GPL-3.0-or-later
// Chromium judges the Bookmarks files orvalink-cli writes: written anew, and merged into the
// file Chromium made itself. It must load exactly the tree we wrote, with our ids, and either
// leave the file alone or write back the checksum we wrote.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { fileNodes, readTree, withoutRoot } from './read_tree.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const fixtures = path.join(here, '..', 'fixtures');
const chromiumFile = path.join(fixtures, 'chromium-profile', 'Default', 'Bookmarks');
const source = path.join(fixtures, 'firefox-profile', 'bookmarks.html');
const cli = process.env.ORVALINK_CLI;
const workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'orvalink-chromium-judge-'));
after(() => fs.rmSync(workDir, { recursive: true, force: true }));

const canonicalNodes = (bookmarks) => fileNodes(bookmarks, { canonicalUrls: true });

async function judge(file) {
    const written = JSON.parse(fs.readFileSync(file, 'utf8'));
    const { nodes, rewritten } = await readTree(file);
    assert.deepEqual(withoutRoot(nodes), canonicalNodes(written));
    if (rewritten !== null)
        assert.equal(rewritten.checksum, written.checksum);
    return written;
}

test('Chromium loads a new file exactly as written', async () => {
    const file = path.join(workDir, 'new', 'Bookmarks');
    fs.mkdirSync(path.dirname(file));
    execFileSync(cli, ['convert', '--from', 'firefox', source, '--to', 'chromium', file]);
    await judge(file);
});

test('Chromium loads a merge into its own file with every old id kept', async () => {
    const profile = path.join(workDir, 'merged');
    fs.mkdirSync(profile);
    fs.copyFileSync(chromiumFile, path.join(profile, 'Bookmarks'));
    execFileSync(cli, ['convert', '--from', 'firefox', source, '--to', 'chromium', profile,
        '--top-level']);
    const written = await judge(path.join(profile, 'Bookmarks'));
    const old = canonicalNodes(JSON.parse(fs.readFileSync(chromiumFile, 'utf8')));
    const now = canonicalNodes(written);
    for (const node of old)
        assert.deepEqual(now.find((candidate) => candidate.id === node.id), node);
    // Merged at the top level, the toolbar's entries follow the bar's own.
    const barTitles = (nodes) => nodes.filter((node) => node.parentId === '1')
        .map((node) => node.title);
    assert.deepEqual(barTitles(now).slice(0, barTitles(old).length), barTitles(old));
    assert.ok(barTitles(now).slice(barTitles(old).length).includes('HTML (again)'));
});

// Firefox's places backup as the tree Chromium should show after the profile came over with
// --keep-order: the toolbar's entries on the bar, the other bookmarks' at the top of "Other
// bookmarks" after the menu's folder, the mobile ones in "Mobile bookmarks"; no separators, no
// tags. Dates to the second, which is what the conversion keeps.
function expectedFromFirefox(places) {
    const seconds = (microseconds) => Math.floor(microseconds / 1e6);
    const entry = (node) => node.type === 1
        ? { title: node.title ?? '', url: new URL(node.uri ?? node.url).href,
            added: seconds(node.dateAdded) }
        : { title: node.title, added: seconds(node.dateAdded),
            modified: seconds(node.lastModified), children: entries(node) };
    const entries = (node) => (node.children ?? []).filter((child) => child.type !== 3).map(entry);
    const root = (guid) => places.children.find((child) => child.guid === guid);
    const menu = { ...entry(root('menu________')), title: 'Bookmarks Menu' };
    return {
        bar: entries(root('toolbar_____')),
        other: [menu, ...entries(root('unfiled_____'))],
        mobile: entries(root('mobile______')),
    };
}

// Chromium's answer as the same shape, permanent folders by their type.
function shownByChromium(nodes) {
    const seconds = (milliseconds) => Math.floor(milliseconds / 1000);
    const childrenOf = (id) => nodes.filter((node) => node.parentId === id)
        .sort((a, b) => a.index - b.index).map((node) => (node.url !== undefined
            ? { title: node.title, url: node.url, added: seconds(node.dateAdded) }
            : { title: node.title, added: seconds(node.dateAdded),
                modified: seconds(node.dateGroupModified), children: childrenOf(node.id) }));
    const permanent = (type) => childrenOf(nodes.find((node) => node.folderType === type).id);
    return { bar: permanent('bookmarks-bar'), other: permanent('other'),
             mobile: permanent('mobile') };
}

test('A Firefox profile found in a home comes into Chromium whole, its toolbar on the bar',
     async () => {
    const home = path.join(workDir, 'home');
    fs.cpSync(path.join(fixtures, 'firefox-profile', 'home'), home, { recursive: true });
    fs.cpSync(path.join(fixtures, 'chromium-profile'), path.join(home, '.config', 'chromium'),
              { recursive: true });
    const env = { ...process.env, HOME: home };
    delete env.XDG_CONFIG_HOME;
    const found = JSON.parse(execFileSync(cli, ['discover', '--json'], { env }));
    const firefox = found.find((entry) => entry.form === 'firefox');
    assert.ok(firefox, JSON.stringify(found));
    assert.ok(found.some((entry) => entry.form === 'chromium'), JSON.stringify(found));

    const file = path.join(workDir, 'from-firefox', 'Default', 'Bookmarks');
    fs.mkdirSync(path.dirname(file), { recursive: true });
    execFileSync(cli, ['convert', '--from', 'firefox', path.dirname(firefox.path), '--to',
        'chromium', file, '--keep-order'], { env });
    const { nodes } = await readTree(file);
    const places = JSON.parse(fs.readFileSync(path.join(fixtures, 'firefox-profile',
                                                        'places.json'), 'utf8'));
    assert.deepEqual(shownByChromium(nodes), expectedFromFirefox(places));
});
