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

import { readTree } from './read_tree.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const fixtures = path.join(here, '..', 'fixtures');
const chromiumFile = path.join(fixtures, 'chromium-profile', 'Default', 'Bookmarks');
const source = path.join(fixtures, 'firefox-profile', 'bookmarks.html');
const cli = process.env.ORVALINK_CLI;
const workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'orvalink-chromium-judge-'));
after(() => fs.rmSync(workDir, { recursive: true, force: true }));

// The nodes of a Bookmarks file as chrome.bookmarks reports them (an empty Mobile bookmarks
// folder is hidden), addresses in their canonical form as Chromium keeps them.
function fileNodes(bookmarks) {
    const folderTypes = { bookmark_bar: 'bookmarks-bar', other: 'other', synced: 'mobile' };
    const unixMs = (value) => Number((BigInt(value) - 11644473600000000n) / 1000n);
    const nodes = [];
    const walk = (node, parentId, index, folderType) => {
        nodes.push({
            id: node.id, parentId, index, title: node.name,
            url: node.url === undefined ? undefined : new URL(node.url).href,
            dateAdded: unixMs(node.date_added),
            dateGroupModified: node.type === 'folder' && node.date_modified !== '0'
                ? unixMs(node.date_modified) : undefined,
            folderType,
        });
        node.children?.forEach((child, position) => walk(child, node.id, position));
    };
    Object.entries(bookmarks.roots)
        .filter(([key, root]) => key !== 'synced' || root.children.length)
        .forEach(([key, root], position) => walk(root, '0', position, folderTypes[key]));
    return nodes.map((node) => JSON.parse(JSON.stringify(node)));
}

async function judge(file) {
    const written = JSON.parse(fs.readFileSync(file, 'utf8'));
    const { nodes, rewritten } = await readTree(file);
    assert.deepEqual(nodes.filter((node) => node.id !== '0'), fileNodes(written));
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
        '--folder', 'Imported']);
    const written = await judge(path.join(profile, 'Bookmarks'));
    const old = fileNodes(JSON.parse(fs.readFileSync(chromiumFile, 'utf8')));
    const now = fileNodes(written);
    for (const node of old)
        assert.deepEqual(now.find((candidate) => candidate.id === node.id), node);
});
