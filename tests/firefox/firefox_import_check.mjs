// Proves that Firefox imports the bookmark files orvalink-cli writes with every folder, title
// and URL intact: for each case, headless firefox-esr imports the written file into a fresh
// profile at start-up, and the tree it stored in places.sqlite must equal the tree
// "orvalink-cli list --json" reads from the same file.
//
// Usage: node firefox_import_check.mjs --cli PATH/orvalink-cli --source-dir REPO [--keep]
// (--keep leaves the work folder with files, profiles and listings in place).
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { parseArgs } from 'node:util';

import { run, startFirefox, waitForImport, writeUserPrefs } from './firefox.mjs';

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
    { name: 'hotlist_links_before', from: 'opera', source: unusual, options: ['--links-before'] },
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
// {title, url}. Separators are left out: the comparison is about folders and links.
function readPlaces(profile) {
    const rows = JSON.parse(run('sqlite3', ['-json', path.join(profile, 'places.sqlite'),
        `SELECT b.id, b.parent, b.type, b.guid, IFNULL(b.title, '') AS title, p.url
           FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk
          ORDER BY b.parent, b.position`]) || '[]');
    const build = (row) => row.type !== 2 ? { title: row.title, url: row.url } : {
        title: row.title,
        children: rows.filter((c) => c.parent === row.id && c.type !== 3).map(build),
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

// Writes the case's bookmark file and reads it back. orvalink-cli refuses to write a bookmark
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
    const listing = JSON.parse(run(cli, ['list', '--from', 'firefox', file, '--json']));
    fs.writeFileSync(path.join(caseDir, 'expected.txt'),
                     outline(expectedRoots(listing, fs.readFileSync(file, 'utf8'))));
    return caseDir;
}

async function checkCase(caseDir) {
    const profile = await importWithFirefox(path.join(caseDir, 'imported.html'), caseDir);
    fs.writeFileSync(path.join(caseDir, 'firefox.txt'), outline(readPlaces(profile)));
    const diff = spawnSync('diff', ['-u', '--label', 'read by orvalink', '--label',
                                    'stored by Firefox', path.join(caseDir, 'expected.txt'),
                                    path.join(caseDir, 'firefox.txt')], { encoding: 'utf8' });
    if (diff.status !== 0)
        throw new Error(`Firefox differs from our reading:\n${diff.stdout}${diff.stderr}`);
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
for (const [name, caseDir] of caseDirs)
    if (caseDir && (await step(name, () => checkCase(caseDir))))
        console.log(`${name}: passed`);
if (args.keep || failed)
    console.log(`Files, profiles and listings are in ${workDir}`);
else
    fs.rmSync(workDir, { recursive: true, force: true });
console.log(`${cases.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
