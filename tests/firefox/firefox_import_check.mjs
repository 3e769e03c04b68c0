// SPDX-License-Identifier: GPL-3.0-or-later
// Proves that Firefox imports the bookmark files orvalink-cli writes with every folder, title
// and URL intact: for each case, headless firefox-esr imports the written file into a fresh
// profile at start-up, and the tree it stored in places.sqlite must equal the tree
// "orvalink-cli list --json" reads from the same file. A Firefox-shaped export carried through
// a hotlist or a Favorites folder and back must give Firefox what the export itself gave it,
// as far as the middle form holds it.
//
// Usage: node firefox_import_check.mjs --cli PATH/orvalink-cli --source-dir REPO [--keep]
// (--keep leaves the work folder with files, profiles and listings in place).
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { parseArgs } from 'node:util';

import { queryDatabase, run, startFirefox, waitForImport, writeUserPrefs } from './firefox.mjs';

const { values: args } = parseArgs({
    options: { cli: { type: 'string' }, 'source-dir': { type: 'string' },
               keep: { type: 'boolean' } },
});
if (!args.cli || !args['source-dir']) {
    console.error('usage: firefox_import_check.mjs --cli PATH --source-dir REPO [--keep]');
    process.exit(2);
}
const cli = path.resolve(args.cli);
const repo = path.resolve(args['source-dir']);

const unusual = 'tests/firefox/unusual_names.adr';
const cases = [
    { name: 'favorites', from: 'ie', source: 'examples/Favorites' },
    { name: 'hotlist', from: 'opera', source: unusual },
    // A file shaped as Firefox exports it (toolbar and unfiled folders, separators, icons, a bare
    // "</DL>" at the end) gets a new folder appended.
    {
        name: 'merge_into_firefox_file',
        from: 'opera',
        source: 'tests/fixtures/hotlist/opera_linux/input.adr',
        existing: 'tests/fixtures/bookmark-file/firefox_export/input.html',
        options: ['--folder', `Aus Opera & "Co" <über> 'neu'`, '--no-backup'],
    },
];

// Runs Firefox on a fresh profile until it has imported the file; returns the profile folder.
async function importWithFirefox(bookmarkFile, caseDir) {
    const profile = path.join(caseDir, 'profile');
    const home = path.join(caseDir, 'home');
    fs.mkdirSync(profile, { recursive: true });
    fs.mkdirSync(home, { recursive: true });
    writeUserPrefs(profile, { bookmarkFile });
    const firefox = startFirefox(['--profile', profile],
                                 { home, logFile: path.join(caseDir, 'firefox.log') });
    try {
        await waitForImport(firefox, profile);
    } finally {
        // Once imported, the bookmarks are committed, if perhaps only to the write-ahead log.
        await firefox.stop();
    }
    return profile;
}

// The bookmark roots as Firefox stored them: folders as {title, children}, links as
// {title, url, added, modified, keyword} (dates in seconds), separators as {separator: true}.
// With withSeparators false they are left out, for comparisons about folders and links.
function readPlaces(profile, { withSeparators = false } = {}) {
    const rows = queryDatabase(path.join(profile, 'places.sqlite'),
        `SELECT b.id, b.parent, b.type, b.guid, IFNULL(b.title, '') AS title, p.url,
                b.dateAdded / 1000000 AS added, b.lastModified / 1000000 AS modified,
                k.keyword
           FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk
                LEFT JOIN moz_keywords k ON k.place_id = b.fk
          ORDER BY b.parent, b.position`);
    const build = (row) => {
        if (row.type === 3)
            return { separator: true };
        if (row.type !== 2)
            return { title: row.title, url: row.url, added: row.added, modified: row.modified,
                     keyword: row.keyword ?? undefined };
        return { title: row.title, children: rows.filter((c) => c.parent === row.id &&
                                                        (withSeparators || c.type !== 3))
                                                 .map(build) };
    };
    const root = (guid) => build(rows.find((row) => row.guid === guid)).children;
    return { menu: root('menu________'), toolbar: root('toolbar_____'),
             unfiled: root('unfiled_____') };
}

// The tree we read from the file, laid out as Firefox lays it out. Firefox files the top-level
// folders marked PERSONAL_TOOLBAR_FOLDER and UNFILED_BOOKMARKS_FOLDER as its own toolbar and
// unfiled roots, and stores URLs parsed: non-ASCII (IRIs) and quotes percent-encoded, the host
// lower-cased and punycoded, a default port dropped, an empty path made "/". Node's URL parser
// follows the same standard, so expected URLs go through it; anything else must match as is.
function expectedRoots(listing, fileText) {
    const entities = { amp: '&', lt: '<', gt: '>', quot: '"', '#39': "'" };
    const special = (attribute) =>
        new RegExp(`<H3[^>]*\\b${attribute}="true"[^>]*>([^<]*)</H3>`, 'i').exec(fileText)?.[1]
            .replace(/&(amp|lt|gt|quot|#39);/g, (all, name) => entities[name]);
    const toolbarTitle = special('PERSONAL_TOOLBAR_FOLDER');
    const unfiledTitle = special('UNFILED_BOOKMARKS_FOLDER');
    // Separators are left out here as on Firefox's side.
    const entries = (nodes) => nodes.filter((node) => !node.separator).map(normalise);
    const normalise = (node) => {
        if (node.children)
            return { title: node.title, children: entries(node.children) };
        try {
            return { title: node.title, url: new URL(node.url).href };
        } catch {
            return node; // not a URL Node can parse: Firefox must keep it as written
        }
    };
    const roots = { menu: [], toolbar: [], unfiled: [] };
    for (const node of entries(listing.children)) {
        if (node.children && node.title === toolbarTitle && !roots.toolbar.length)
            roots.toolbar = node.children;
        else if (node.children && node.title === unfiledTitle && !roots.unfiled.length)
            roots.unfiled = node.children;
        else
            roots.menu.push(node);
    }
    return roots;
}

// One line per folder or link, indented by depth, with titles and URLs quoted so that white
// space and invisible characters show.
function outline(roots) {
    const walk = (nodes, indent) => nodes.flatMap((node) => node.children
        ? [`${indent}folder ${JSON.stringify(node.title)}`, ...walk(node.children, `${indent}  `)]
        : [`${indent}link ${JSON.stringify(node.title)} ${JSON.stringify(node.url)}`]);
    return Object.entries(roots).flatMap(([name, nodes]) => [`${name}:`, ...walk(nodes, '  ')])
        .join('\n') + '\n';
}

// The tree orvalink-cli reads from a bookmark file.
const listed = (file) => JSON.parse(run(cli, ['list', '--from', 'firefox', file, '--json']));

// Writes the case's bookmark file and reads it back; answers its folder and the outline Firefox
// must store. orvalink-cli refuses to write a bookmark
// file while Firefox runs, so every file is written before the first Firefox starts.
function writeCase(testCase, workDir) {
    const caseDir = path.join(workDir, testCase.name);
    fs.mkdirSync(caseDir, { recursive: true });
    const file = path.join(caseDir, 'bookmarks.html');
    if (testCase.existing)
        fs.copyFileSync(path.join(repo, testCase.existing), file);
    run(cli, ['convert', '--from', testCase.from, path.join(repo, testCase.source), '--to',
              'firefox', file, ...(testCase.options || [])]);
    // Firefox gets a copy: the file we compare against stays exactly as we wrote it.
    fs.copyFileSync(file, path.join(caseDir, 'imported.html'));
    const expected = outline(expectedRoots(listed(file), fs.readFileSync(file, 'utf8')));
    return { caseDir, expected };
}

async function checkCase({ caseDir, expected }) {
    const profile = await importWithFirefox(path.join(caseDir, 'imported.html'), caseDir);
    const diff = compare(expected, outline(readPlaces(profile)), caseDir, 'places');
    if (diff)
        throw new Error(`Firefox differs from our reading:\n${diff}`);
    return true;
}

// A Firefox-shaped export carried to a middle form and back to a bookmark file. What each middle
// form holds of what Firefox imports: order and separators, the link date it keeps (a hotlist
// the added date, a Favorites folder the file's last write), keywords and the toolbar; and of
// what only our reader sees, descriptions and folder dates.
const firefoxExport = 'tests/firefox/firefox_export.html';
const hotlistHolds = { order: true, linkDate: 'added', keyword: true, toolbar: true,
                       description: true, folderDate: 'added' };
const favoritesHolds = { order: false, linkDate: 'modified', keyword: false, toolbar: false,
                         description: false, folderDate: 'changed',
                         // characters a file name refuses
                         title: (title) => title.replace(/[/\\:*?<>|"]/g, '-') };
const chains = [
    { name: 'export_through_hotlist', via: 'opera', middle: 'middle.adr', keepOrder: true,
      holds: hotlistHolds },
    { name: 'export_through_favorites', via: 'ie', middle: 'Favorites', keepOrder: true,
      holds: favoritesHolds },
    { name: 'export_through_hotlist_sorted', via: 'opera', middle: 'middle.adr',
      keepOrder: false, holds: hotlistHolds },
];

// Each folder's entries as the chain leaves them: in order, separators included (keep-order);
// sorted as the writers sort, folders first, then links, each by name without regard to case;
// or, for a middle form without order, in one fixed order on both sides.
function arrange(nodes, how, side) {
    const title = side === 'expected' && how.holds.title ? how.holds.title : (t) => t;
    const kept = nodes.filter((node) => !node.separator || (how.keepOrder && how.holds.order))
        .map((node) => ({ ...node, title: node.separator ? undefined : title(node.title),
                          children: node.children && arrange(node.children, how, side) }));
    const byName = (a, b) => Number(!a.children) - Number(!b.children) ||
        (a.title.toLowerCase() < b.title.toLowerCase() ? -1 :
         a.title.toLowerCase() > b.title.toLowerCase() ? 1 : 0);
    if (!how.holds.order)
        return kept.sort((a, b) => byName(a, b) || (a.title < b.title ? -1 : a.title > b.title) ||
                                   (a.url ?? '').localeCompare(b.url ?? ''));
    return side === 'expected' && !how.keepOrder ? kept.sort(byName) : kept;
}

// One line per entry with what Firefox stored that the middle form holds.
function placesOutline(roots, toolbarTitle, how, side) {
    const all = { ...roots };
    // A middle form without a toolbar brings the toolbar back as a folder of the menu.
    if (side === 'expected' && !how.holds.toolbar) {
        all.menu = [...roots.menu, { title: toolbarTitle, children: roots.toolbar }];
        all.toolbar = [];
    }
    const line = (node) => node.separator ? '----' : node.children
        ? `folder ${JSON.stringify(node.title)}`
        : `link ${JSON.stringify(node.title)} ${JSON.stringify(node.url)}` +
              ` ${node[how.holds.linkDate]}${how.holds.keyword && node.keyword
                  ? ` keyword=${node.keyword}` : ''}`;
    const walk = (nodes, indent) => nodes.flatMap((node) =>
        [indent + line(node), ...(node.children ? walk(node.children, `${indent}  `) : [])]);
    return Object.entries(all).flatMap(([name, nodes]) =>
        [`${name}:`, ...walk(arrange(nodes, how, side), '  ')]).join('\n') + '\n';
}

// The descriptions and folder dates our own reader finds, where the middle form holds them.
function listingOutline(listing, how, side) {
    const folderDate = (node) => how.holds.folderDate === 'changed'
        ? node.modified ?? node.added : node[how.holds.folderDate];
    const walk = (nodes, indent) => nodes.flatMap((node) => node.separator ? [`${indent}----`] : [
        `${indent}${JSON.stringify(node.title)}` +
            (node.children ? ` date=${folderDate(node)}` : '') +
            (how.holds.description && node.description ? ` ${JSON.stringify(node.description)}`
                                                       : ''),
        ...(node.children ? walk(node.children, `${indent}  `) : [])]);
    return walk(arrange(listing.children, how, side), '').join('\n') + '\n';
}

function writeChain(chain, workDir) {
    const caseDir = path.join(workDir, chain.name);
    fs.mkdirSync(caseDir, { recursive: true });
    const order = chain.keepOrder ? ['--keep-order'] : [];
    const middle = path.join(caseDir, chain.middle);
    const back = path.join(caseDir, 'imported.html');
    if (chain.via === 'ie')
        fs.mkdirSync(middle);
    // A Favorites folder holds no order to keep.
    run(cli, ['convert', '--from', 'firefox', path.join(repo, firefoxExport), '--to', chain.via,
              middle, ...(chain.via === 'ie' ? ['--where', 'root'] : order)]);
    run(cli, ['convert', '--from', chain.via, middle, '--to', 'firefox', back, ...order]);
    const diff = compare(listingOutline(listed(path.join(repo, firefoxExport)), chain, 'expected'),
                         listingOutline(listed(back), chain, 'actual'), caseDir, 'listing');
    if (diff)
        throw new Error(`our reader misses what the middle form holds:\n${diff}`);
    return caseDir;
}

// The unified diff of two texts, or '' when they are equal.
function compare(expected, actual, caseDir, name) {
    fs.writeFileSync(path.join(caseDir, `${name}.expected.txt`), expected);
    fs.writeFileSync(path.join(caseDir, `${name}.actual.txt`), actual);
    const diff = spawnSync('diff', ['-u', path.join(caseDir, `${name}.expected.txt`),
                                    path.join(caseDir, `${name}.actual.txt`)],
                           { encoding: 'utf8' });
    return diff.status === 0 ? '' : diff.stdout + diff.stderr;
}

async function checkChain(chain, caseDir, original) {
    const profile = await importWithFirefox(path.join(caseDir, 'imported.html'), caseDir);
    const exported = fs.readFileSync(path.join(repo, firefoxExport), 'utf8');
    const toolbarTitle = /PERSONAL_TOOLBAR_FOLDER="true">([^<]*)</.exec(exported)[1];
    const diff = compare(placesOutline(original, toolbarTitle, chain, 'expected'),
                         placesOutline(readPlaces(profile, { withSeparators: true }),
                                       toolbarTitle, chain, 'actual'), caseDir, 'places');
    if (diff)
        throw new Error(`Firefox holds other bookmarks than from the export itself:\n${diff}`);
    return true;
}

const workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'orvalink-firefox-'));
let failed = 0;
// Runs one step of a case; a failure is reported and counted, and gives undefined.
async function step(name, work) {
    try {
        return await work();
    } catch (error) {
        console.log(`${name}: FAILED, ${error.message}`);
        ++failed;
    }
}
const caseDirs = [];
for (const testCase of cases)
    caseDirs.push([testCase.name, await step(testCase.name, () => writeCase(testCase, workDir))]);
const chainDirs = [];
for (const chain of chains)
    chainDirs.push([chain, await step(chain.name, () => writeChain(chain, workDir))]);
for (const [name, written] of caseDirs)
    if (written && (await step(name, () => checkCase(written))))
        console.log(`${name}: passed`);
// What Firefox makes of the export itself is what the chains must give it again.
const original = await step('firefox_export', async () => {
    const caseDir = path.join(workDir, 'firefox_export');
    fs.mkdirSync(caseDir);
    fs.copyFileSync(path.join(repo, firefoxExport), path.join(caseDir, 'imported.html'));
    const profile = await importWithFirefox(path.join(caseDir, 'imported.html'), caseDir);
    return readPlaces(profile, { withSeparators: true });
});
for (const [chain, caseDir] of chainDirs)
    if (original && caseDir && (await step(chain.name, () => checkChain(chain, caseDir, original))))
        console.log(`${chain.name}: passed`);
if (args.keep || failed)
    console.log(`Files, profiles and listings are in ${workDir}`);
else
    fs.rmSync(workDir, { recursive: true, force: true });
console.log(`${cases.length + chains.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
