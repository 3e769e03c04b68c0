// Proves that Firefox imports the bookmark files orvalink-cli writes with every folder, title
// and URL intact.
//
// For each case: orvalink-cli converts a source into a bookmark file, a fresh Firefox profile
// is told to import that file at start-up, headless Firefox (Debian's firefox-esr) runs until
// the import has landed and is then asked to quit, and the tree it stored in places.sqlite is
// compared with the tree "orvalink-cli list --json" reads from the same file.
//
// Usage: node firefox_import_check.mjs --cli PATH/orvalink-cli --source-dir REPO [--keep]
// --keep leaves the work folder (files, profiles, listings) in place for inspection.
import { spawn, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { parseArgs } from 'node:util';

const { values: args } = parseArgs({
    options: {
        cli: { type: 'string' },
        'source-dir': { type: 'string' },
        keep: { type: 'boolean', default: false },
    },
});
if (!args.cli || !args['source-dir']) {
    console.error('usage: firefox_import_check.mjs --cli PATH --source-dir REPO [--keep]');
    process.exit(2);
}
const cli = path.resolve(args.cli);
const repo = path.resolve(args['source-dir']);

// How long Firefox may take to start and import, and to quit, before the case fails.
const importTimeoutMs = 90_000;
const quitTimeoutMs = 30_000;

const cases = [
    { name: 'favorites', from: 'ie', source: 'examples/Favorites' },
    { name: 'hotlist', from: 'opera', source: 'tests/firefox/unusual_names.adr' },
    {
        name: 'hotlist_links_before',
        from: 'opera',
        source: 'tests/firefox/unusual_names.adr',
        options: ['--links-before'],
    },
    {
        // A file shaped as Firefox exports it (toolbar and unfiled folders, separators, icons,
        // a bare "</DL>" at the end) gets a new folder appended.
        name: 'merge_into_firefox_file',
        from: 'opera',
        source: 'tests/fixtures/hotlist/opera_linux/input.adr',
        existing: 'tests/fixtures/bookmark-file/firefox_export/input.html',
        options: ['--folder', `Aus Opera & "Co" <über> 'neu'`, '--no-backup'],
    },
];

// Prefs of the throw-away profile: import the file at start-up, and keep Firefox off the
// network (no updates, telemetry, studies, remote settings, safe-browsing lists, captive portal
// or connectivity checks, and no DNS at all) and away from first-run pages.
function profilePrefs(bookmarkFile) {
    return {
        'browser.places.importBookmarksHTML': true,
        'browser.bookmarks.file': bookmarkFile,
        'marionette.port': 0, // any free port; Firefox writes it to MarionetteActivePort
        'network.dns.disabled': true,
        'network.captive-portal-service.enabled': false,
        'network.connectivity-service.enabled': false,
        'network.prefetch-next': false,
        'network.dns.disablePrefetch': true,
        'network.http.speculative-parallel-limit': 0,
        'network.trr.mode': 5,
        'app.update.auto': false,
        'app.normandy.enabled': false,
        'app.shield.optoutstudies.enabled': false,
        'services.settings.server': 'data:,',
        'toolkit.telemetry.enabled': false,
        'toolkit.telemetry.unified': false,
        'toolkit.telemetry.archive.enabled': false,
        'datareporting.policy.dataSubmissionEnabled': false,
        'datareporting.healthreport.uploadEnabled': false,
        'browser.safebrowsing.malware.enabled': false,
        'browser.safebrowsing.phishing.enabled': false,
        'browser.safebrowsing.downloads.enabled': false,
        'browser.safebrowsing.update.enabled': false,
        'extensions.update.enabled': false,
        'extensions.getAddons.cache.enabled': false,
        'extensions.systemAddon.update.enabled': false,
        'media.gmp-manager.url': 'data:,',
        'geo.provider.network.url': 'data:,',
        'browser.region.network.url': '',
        'browser.topsites.contile.enabled': false,
        'browser.newtabpage.enabled': false,
        'browser.aboutwelcome.enabled': false,
        'browser.shell.checkDefaultBrowser': false,
        'browser.startup.page': 0,
        'browser.startup.homepage': 'about:blank',
        'browser.startup.homepage_override.mstone': 'ignore',
        'startup.homepage_welcome_url': '',
        'datareporting.policy.firstRunURL': '',
    };
}

function run(command, commandArgs, options = {}) {
    const result = spawnSync(command, commandArgs, { encoding: 'utf8', ...options });
    if (result.error)
        throw new Error(`${command}: ${result.error.message}`);
    if (result.status !== 0)
        throw new Error(`${command} ${commandArgs.join(' ')} exited with ${result.status}:\n` +
                        `${result.stdout}${result.stderr}`);
    return result.stdout;
}

function sleep(ms) {
    return new Promise((resolve) => setTimeout(resolve, ms));
}

// Asks Firefox to quit through Marionette, as a user closing it would: Places closes its
// database properly, so places.sqlite is complete without its write-ahead log. A signal would
// stop Firefox without that.
function marionetteQuit(port) {
    return new Promise((resolve, reject) => {
        const socket = net.connect(port, '127.0.0.1');
        let buffer = Buffer.alloc(0);
        let sent = 0;
        const send = (command, params) => {
            const body = Buffer.from(JSON.stringify([0, ++sent, command, params]));
            socket.write(`${body.length}:`);
            socket.write(body);
        };
        socket.on('data', (chunk) => {
            buffer = Buffer.concat([buffer, chunk]);
            // Messages are "length:json"; the first is the server's greeting.
            for (;;) {
                const colon = buffer.indexOf(':');
                if (colon < 0)
                    return;
                const length = Number(buffer.subarray(0, colon).toString());
                if (buffer.length < colon + 1 + length)
                    return;
                const message = JSON.parse(buffer.subarray(colon + 1, colon + 1 + length));
                buffer = buffer.subarray(colon + 1 + length);
                if (Array.isArray(message) && message[2])
                    return reject(new Error(`Marionette: ${JSON.stringify(message[2])}`));
                if (sent === 0)
                    send('WebDriver:NewSession', {});
                else if (sent === 1)
                    send('Marionette:Quit', {});
                else
                    resolve();
            }
        });
        // Firefox may drop the connection while it quits, before it answers.
        socket.on('close', () => (sent === 2 ? resolve() : reject(new Error('Marionette closed'))));
        socket.on('error', reject);
    });
}

// Runs Firefox on a fresh profile until it has imported the file; returns the profile folder.
async function importWithFirefox(bookmarkFile, caseDir) {
    const profile = path.join(caseDir, 'profile');
    const home = path.join(caseDir, 'home');
    fs.mkdirSync(profile, { recursive: true });
    fs.mkdirSync(home, { recursive: true });
    const prefs = Object.entries(profilePrefs(bookmarkFile))
        .map(([name, value]) => `user_pref(${JSON.stringify(name)}, ${JSON.stringify(value)});\n`)
        .join('');
    fs.writeFileSync(path.join(profile, 'user.js'), prefs);

    const log = fs.openSync(path.join(caseDir, 'firefox.log'), 'w');
    const child = spawn('firefox-esr',
                        ['--headless', '--no-remote', '--marionette', '--profile', profile], {
                            env: { ...process.env, HOME: home, MOZ_CRASHREPORTER_DISABLE: '1' },
                            stdio: ['ignore', log, log],
                        });
    let exited = null;
    const exit = new Promise((resolve) => {
        child.on('exit', (code, signal) => resolve((exited = signal || code)));
        child.on('error', (error) => resolve((exited = error.message)));
    });
    const failure = (message) =>
        new Error(`${message}\n${fs.readFileSync(path.join(caseDir, 'firefox.log'), 'utf8')}`);

    try {
        // Firefox turns the import pref off once the import has finished, and saves prefs.js
        // soon after; that is the sign the bookmarks have all landed.
        const prefsFile = path.join(profile, 'prefs.js');
        const done = 'user_pref("browser.places.importBookmarksHTML", false);';
        const deadline = Date.now() + importTimeoutMs;
        while (!(fs.existsSync(prefsFile) && fs.readFileSync(prefsFile, 'utf8').includes(done))) {
            if (exited !== null)
                throw failure(`Firefox ended (${exited}) before importing`);
            if (Date.now() > deadline)
                throw failure(`Firefox did not import within ${importTimeoutMs / 1000} s`);
            await sleep(200);
        }
        const port = Number(fs.readFileSync(path.join(profile, 'MarionetteActivePort'), 'utf8'));
        await marionetteQuit(port);
        const timeout = sleep(quitTimeoutMs).then(() => 'timeout');
        if ((await Promise.race([exit, timeout])) === 'timeout')
            throw failure(`Firefox did not quit within ${quitTimeoutMs / 1000} s`);
    } finally {
        if (exited === null) {
            child.kill('SIGKILL');
            await exit;
        }
        fs.closeSync(log);
    }
    return profile;
}

// The bookmark roots as Firefox stored them: folders as {title, children}, links as
// {title, url}. Separators are left out: the comparison is about folders and links.
function readPlaces(profile) {
    const database = path.join(profile, 'places.sqlite');
    const rows = JSON.parse(run('sqlite3', ['-json', database,
        `SELECT b.id, b.parent, b.type, b.guid, IFNULL(b.title, '') AS title, p.url
           FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk
          ORDER BY b.parent, b.position`]) || '[]');
    const children = new Map();
    for (const row of rows) {
        if (!children.has(row.parent))
            children.set(row.parent, []);
        children.get(row.parent).push(row);
    }
    const build = (row) => row.type === 2
        ? { title: row.title, children: (children.get(row.id) || []).filter((c) => c.type !== 3)
                                                                        .map(build) }
        : { title: row.title, url: row.url };
    const root = (guid) => build(rows.find((row) => row.guid === guid)).children;
    return { menu: root('menu________'), toolbar: root('toolbar_____'),
             unfiled: root('unfiled_____') };
}

const entityValues = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
function decodeEntities(text) {
    return text.replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (all, name) => {
        if (name[0] === '#')
            return String.fromCodePoint(name[1] === 'x' || name[1] === 'X'
                ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10));
        return entityValues[name.toLowerCase()] ?? all;
    });
}

// The tree we read from the file, laid out as Firefox lays it out. Firefox files the
// top-level folders marked PERSONAL_TOOLBAR_FOLDER and UNFILED_BOOKMARKS_FOLDER as its own
// toolbar and unfiled roots, and stores URLs parsed: non-ASCII (IRIs) and quotes
// percent-encoded, the host lower-cased and punycoded, a default port dropped, an empty path
// made "/". Node's URL parser follows the same standard, so expected URLs go through it;
// anything else must match as is.
function expectedRoots(listing, fileText) {
    const special = (attribute) => {
        const match = new RegExp(`<H3[^>]*\\b${attribute}="true"[^>]*>([^<]*)</H3>`, 'i')
            .exec(fileText);
        return match ? decodeEntities(match[1]) : null;
    };
    const toolbarTitle = special('PERSONAL_TOOLBAR_FOLDER');
    const unfiledTitle = special('UNFILED_BOOKMARKS_FOLDER');
    const normalise = (node) => {
        if (node.children)
            return { title: node.title, children: node.children.map(normalise) };
        let url = node.url;
        try {
            url = new URL(url).href;
        } catch {
            // Not a URL Node can parse: Firefox must keep it as written.
        }
        return { title: node.title, url };
    };
    const roots = { menu: [], toolbar: [], unfiled: [] };
    for (const node of listing.children.map(normalise)) {
        if (node.children && node.title === toolbarTitle && !roots.toolbar.length)
            roots.toolbar = node.children;
        else if (node.children && node.title === unfiledTitle && !roots.unfiled.length)
            roots.unfiled = node.children;
        else
            roots.menu.push(node);
    }
    return roots;
}

// One line per folder or link, indented by depth, with titles and URLs quoted so that
// white space and invisible characters show.
function outline(roots) {
    const lines = [];
    const walk = (nodes, depth) => {
        for (const node of nodes) {
            const indent = '  '.repeat(depth);
            if (node.children) {
                lines.push(`${indent}folder ${JSON.stringify(node.title)}`);
                walk(node.children, depth + 1);
            } else {
                const url = JSON.stringify(node.url);
                lines.push(`${indent}link ${JSON.stringify(node.title)} ${url}`);
            }
        }
    };
    for (const [name, nodes] of Object.entries(roots)) {
        lines.push(`${name}:`);
        walk(nodes, 1);
    }
    return lines;
}

function count(nodes) {
    let folders = 0;
    let links = 0;
    for (const node of nodes) {
        if (node.children) {
            const below = count(node.children);
            folders += 1 + below.folders;
            links += below.links;
        } else {
            ++links;
        }
    }
    return { folders, links };
}

// The lines of our file that hold a title, as bytes, for a report on a difference.
function fileLinesWithTitle(fileBytes, title) {
    const escaped = title.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
        .replace(/"/g, '&quot;').replace(/'/g, '&#39;');
    return fileBytes.toString('utf8').split('\n')
        .filter((line) => title && (line.includes(`>${escaped}</`) || line.includes(`>${title}</`)))
        .map((line) => `      ${JSON.stringify(line)}\n` +
                       `      bytes: ${Buffer.from(line).toString('hex')}`);
}

// Writes the case's bookmark file and reads it back. orvalink-cli refuses to write a bookmark
// file while Firefox runs, so every file is written before the first Firefox starts.
function writeCase(testCase, workDir) {
    const caseDir = path.join(workDir, testCase.name);
    fs.mkdirSync(caseDir, { recursive: true });
    const file = path.join(caseDir, 'bookmarks.html');
    if (testCase.existing)
        fs.copyFileSync(path.join(repo, testCase.existing), file);
    run(cli, ['convert', '--from', testCase.from, path.join(repo, testCase.source),
              '--to', 'firefox', file, ...(testCase.options || [])]);
    // Firefox gets a copy: the file we compare against stays exactly as we wrote it.
    const fileBytes = fs.readFileSync(file);
    fs.writeFileSync(path.join(caseDir, 'imported.html'), fileBytes);
    const listing = JSON.parse(run(cli, ['list', '--from', 'firefox', file, '--json']));
    return { caseDir, file, fileBytes, listing };
}

async function checkCase(testCase, { caseDir, file, fileBytes, listing }) {
    const expected = outline(expectedRoots(listing, fileBytes.toString('utf8')));
    const imported = path.join(caseDir, 'imported.html');
    const stored = readPlaces(await importWithFirefox(imported, caseDir));
    const actual = outline(stored);
    fs.writeFileSync(path.join(caseDir, 'expected.txt'), `${expected.join('\n')}\n`);
    fs.writeFileSync(path.join(caseDir, 'firefox.txt'), `${actual.join('\n')}\n`);

    const totals = Object.entries(stored).map(([root, nodes]) => {
        const { folders, links } = count(nodes);
        return `${root} ${folders} folders, ${links} links`;
    });
    console.log(`${testCase.name}: Firefox stored ${totals.join('; ')}`);
    if (expected.join('\n') === actual.join('\n'))
        return true;

    const diff = spawnSync('diff', ['-u', '--label', 'read by orvalink', '--label',
                                    'stored by Firefox', path.join(caseDir, 'expected.txt'),
                                    path.join(caseDir, 'firefox.txt')], { encoding: 'utf8' });
    console.log(`${testCase.name}: FAILED, Firefox differs from our reading of ${file}:`);
    // Under each differing line, the lines of our file that hold its title.
    for (const line of diff.stdout.split('\n')) {
        console.log(`  ${line}`);
        const title = /^[-+]\s*(?:folder|link) ("(?:[^"\\]|\\.)*")/.exec(line);
        if (title)
            for (const fileLine of fileLinesWithTitle(fileBytes, JSON.parse(title[1])))
                console.log(fileLine);
    }
    return false;
}

const workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'orvalink-firefox-'));
let passed = 0;
let failed = 0;
const written = new Map();
for (const testCase of cases) {
    try {
        written.set(testCase, writeCase(testCase, workDir));
    } catch (error) {
        console.log(`${testCase.name}: FAILED, ${error.message}`);
        ++failed;
    }
}
for (const [testCase, file] of written) {
    try {
        if (await checkCase(testCase, file))
            ++passed;
        else
            ++failed;
    } catch (error) {
        console.log(`${testCase.name}: FAILED, ${error.message}`);
        ++failed;
    }
}
if (args.keep || failed)
    console.log(`Files, profiles and listings are in ${workDir}`);
else
    fs.rmSync(workDir, { recursive: true, force: true });
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
