// SPDX-License-Identifier: GPL-3.0-or-later
// Chromium as the judge of a Bookmarks file: what does the real browser load from it, and what
// does it write back?
//
// readTree(file) copies the file into a new user-data folder's Default/, lets headless Chromium
// load it, asks the test extension for chrome.bookmarks.getTree(), quits Chromium cleanly and
// answers { nodes, rewritten }: every node in tree order with its id, parentId, index, title,
// url, dateAdded, dateGroupModified and folderType where Chromium gives them (dates in whole ms
// since 1970; the root "0" exists only in the API), and the Bookmarks file as Chromium rewrote
// it on exit, parsed, or null when Chromium left the file as it was.
//
// Usage: node read_tree.mjs --bookmarks FILE [--out JSON] [--chromium PATH] [--timeout SECONDS]
// prints that answer as JSON (or writes it to --out); exits 1 with the reason and Chromium's log
// when Chromium cannot start, the extension does not answer in time or Chromium does not quit.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { parseArgs } from 'node:util';

import { withChromium } from './chromium.mjs';

const nodeFields = ['id', 'parentId', 'index', 'title', 'url', 'dateAdded', 'dateGroupModified',
                    'folderType'];

// The nodes of a Bookmarks file as chrome.bookmarks reports them, without the API's root "0";
// Chromium hides an empty Mobile bookmarks folder. With canonicalUrls, addresses in the
// canonical form Chromium keeps of what another program wrote.
export function fileNodes(bookmarks, { canonicalUrls = false } = {}) {
    const folderTypes = { bookmark_bar: 'bookmarks-bar', other: 'other', synced: 'mobile' };
    const unixMs = (value) => Number((BigInt(value) - 11644473600000000n) / 1000n);
    const nodes = [];
    const walk = (node, parentId, index, folderType) => {
        nodes.push({
            id: node.id, parentId, index, title: node.name,
            url: node.url === undefined || !canonicalUrls ? node.url : new URL(node.url).href,
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
    return nodes.map((node) => JSON.parse(JSON.stringify(node))); // drops what is undefined
}

// readTree's nodes without the API's root, as fileNodes gives them.
export const withoutRoot = (nodes) => nodes.filter((node) => node.id !== '0');

export async function readTree(bookmarksFile, { executable, timeoutMs } = {}) {
    const original = fs.readFileSync(bookmarksFile);
    const userDataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'orvalink-chromium-judge-'));
    try {
        const profileFile = path.join(userDataDir, 'Default', 'Bookmarks');
        fs.mkdirSync(path.dirname(profileFile));
        fs.writeFileSync(profileFile, original);
        const tree = await withChromium(userDataDir, (evaluate) => evaluate('readBookmarks()'),
                                        { executable, timeoutMs });
        const nodes = tree.map((node) => Object.fromEntries(
            nodeFields.filter((field) => field in node).map((field) => [field, node[field]])));
        const written = fs.readFileSync(profileFile);
        return { nodes, rewritten: written.equals(original) ? null : JSON.parse(written) };
    } finally {
        fs.rmSync(userDataDir, { recursive: true, force: true });
    }
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
    const { values: args } = parseArgs({
        options: { bookmarks: { type: 'string' }, out: { type: 'string' },
                   chromium: { type: 'string' }, timeout: { type: 'string' } },
    });
    if (!args.bookmarks) {
        console.error('usage: read_tree.mjs --bookmarks FILE [--out JSON] [--chromium PATH] ' +
                      '[--timeout SECONDS]');
        process.exit(2);
    }
    try {
        const answer = await readTree(args.bookmarks, {
            executable: args.chromium,
            timeoutMs: args.timeout ? Number(args.timeout) * 1000 : undefined,
        });
        const text = `${JSON.stringify(answer, null, 2)}\n`;
        if (args.out)
            fs.writeFileSync(args.out, text);
        else
            process.stdout.write(text);
    } catch (error) {
        console.error(`read_tree: ${error.message}`);
        process.exit(1);
    }
}
