// SPDX-License-Identifier: GPL-3.0-or-later
// Regenerates tests/fixtures/firefox-profile: a profile that Firefox ESR itself made and filled,
// for the tests of our reader of Firefox's bookmark database.
//
// Firefox registers a new profile (-CreateProfile) and, at that profile's first start, replaces
// its bookmarks with those of bookmarks.html (menu, toolbar and Other Bookmarks, separators,
// dates, keywords, tags, an icon). What a bookmark file cannot hold, Firefox's own bookmarks API
// adds over Marionette in the same session: the Mobile Bookmarks. A second, plain start lets
// Firefox claim the profile as this installation's default and write installs.ini.
//
// Kept: profiles.ini, installs.ini and the profile's places.sqlite, favicons.sqlite, prefs.js
// and times.json, where Firefox put them under home/ (databases vacuumed), and places.json, the
// tree as the sqlite3 command reads it from places.sqlite.
//
// Usage: node tests/firefox/make_profile.mjs [--keep]  (--keep leaves the work folder in place)
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

import { connectWhenListening, queryDatabase, run, startFirefox, waitForImport, writeUserPrefs }
    from './firefox.mjs';

const { values: args } = parseArgs({ options: { keep: { type: 'boolean' } } });
const here = path.dirname(fileURLToPath(import.meta.url));
const fixture = path.join(here, '..', 'fixtures', 'firefox-profile');
const profileName = 'orvalink';
const keptProfileFiles = ['places.sqlite', 'favicons.sqlite', 'prefs.js', 'times.json'];

// Added in the import session through PlacesUtils.bookmarks: dates in ms since 1970.
const mobileBookmarks = [
    {
        title: 'On the phone', dateAdded: 1530000000000, lastModified: 1540000000000,
        children: [{ title: 'Weather', url: 'https://weather.example/today',
                     dateAdded: 1530000100000, lastModified: 1530000900000 }],
    },
    { title: 'Mobile site', url: 'https://m.example.com/', dateAdded: 1550000000000,
      lastModified: 1550000400000, tags: ['news'] },
];

// Where this Firefox keeps profiles.ini under the given home: the XDG folder for a new
// installation since Firefox 147, ~/.mozilla/firefox before.
function firefoxFolder(home) {
    const folder = [path.join(home, '.config', 'mozilla', 'firefox'),
                    path.join(home, '.mozilla', 'firefox')]
        .find((candidate) => fs.existsSync(path.join(candidate, 'profiles.ini')));
    if (!folder)
        throw new Error(`Firefox wrote no profiles.ini under ${home}`);
    return folder;
}

// The relative Path= of the profile named profileName in profiles.ini.
function profilePath(folder) {
    const ini = fs.readFileSync(path.join(folder, 'profiles.ini'), 'utf8');
    const section = ini.split(/^(?=\[)/m).find((text) => text.includes(`\nName=${profileName}\n`));
    const relative = section && /^Path=(.*)$/m.exec(section)?.[1];
    if (!relative)
        throw new Error(`profiles.ini has no profile ${profileName}:\n${ini}`);
    return relative;
}

// Runs Firefox with Marionette on the given profile (it fails if Firefox chose another), hands
// the connection to `work`, then quits Firefox cleanly.
async function withFirefox(firefoxArgs, { home, profile, logFile, bookmarkFile }, work) {
    fs.rmSync(path.join(profile, 'MarionetteActivePort'), { force: true });
    writeUserPrefs(profile, { bookmarkFile, marionette: true });
    const firefox = startFirefox(['--marionette', '-remote-allow-system-access', ...firefoxArgs],
                                 { home, logFile });
    try {
        if (bookmarkFile)
            await waitForImport(firefox, profile);
        const marionette = await connectWhenListening(firefox, profile);
        const used = await marionette.evaluate(
            'return Services.dirsvc.get("ProfD", Ci.nsIFile).path;');
        if (path.resolve(used) !== path.resolve(profile))
            throw firefox.failure(`Firefox started ${used}, not ${profile}`);
        await work(marionette);
        await marionette.quit();
        const status = await firefox.exitWithin(60_000);
        if (status !== 0)
            throw firefox.failure(`Firefox did not quit cleanly (${status})`);
    } finally {
        await firefox.stop();
        fs.rmSync(path.join(profile, 'user.js'));
    }
}

async function addMobileBookmarks(marionette) {
    await marionette.evaluate(`
        const { PlacesUtils } =
            ChromeUtils.importESModule("resource://gre/modules/PlacesUtils.sys.mjs");
        const { bookmarks } = PlacesUtils;
        const node = (item) => ({
            title: item.title, url: item.url, dateAdded: new Date(item.dateAdded),
            lastModified: new Date(item.lastModified),
            ...(item.children ? { type: bookmarks.TYPE_FOLDER,
                                  children: item.children.map(node) } : {}),
        });
        await bookmarks.insertTree({ guid: bookmarks.mobileGuid, children: args[0].map(node) });
        for (const item of args[0].filter((item) => item.tags))
            PlacesUtils.tagging.tagURI(Services.io.newURI(item.url), item.tags);`,
    [mobileBookmarks]);
}

// Every row of moz_bookmarks as a tree from the root, with its place's URL, its keyword and the
// names of the tags on its place.
function dumpPlaces(database) {
    const query = (sql) => queryDatabase(database, sql);
    const rows = query(`SELECT b.id, b.guid, b.parent, b.position, b.type, b.title, p.url,
                               b.dateAdded, b.lastModified, b.fk
                          FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk
                         ORDER BY b.parent, b.position`);
    const keywords = query('SELECT place_id, keyword, post_data FROM moz_keywords');
    const tagged = query(`SELECT entry.fk, tag.title FROM moz_bookmarks entry
                            JOIN moz_bookmarks tag ON tag.id = entry.parent
                            JOIN moz_bookmarks tags ON tags.id = tag.parent
                           WHERE tags.guid = 'tags________' ORDER BY tag.title`);
    const tagFolders = new Set(rows.filter((row) => row.parent === rows.find(
        (root) => root.guid === 'tags________').id).map((row) => row.id));
    const build = ({ fk, ...row }) => {
        const node = { ...row };
        if (row.type !== 1)
            delete node.url;
        // Keywords and tags belong to the place; show them on its bookmarks, not on the
        // entries that make up the tag folders.
        const bookmark = row.type === 1 && !tagFolders.has(row.parent);
        const keyword = bookmark && keywords.find((entry) => entry.place_id === fk);
        if (keyword) {
            node.keyword = keyword.keyword;
            if (keyword.post_data !== null)
                node.postData = keyword.post_data;
        }
        const tags = tagged.filter((entry) => entry.fk === fk).map((entry) => entry.title);
        if (bookmark && tags.length)
            node.tags = tags;
        if (row.type === 2)
            node.children = rows.filter((child) => child.parent === row.id).map(build);
        return node;
    };
    return build(rows.find((row) => row.parent === 0));
}

const workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'orvalink-firefox-profile-'));
const home = path.join(workDir, 'home');
fs.mkdirSync(home);
const bookmarkFile = path.join(workDir, 'bookmarks.html');
fs.copyFileSync(path.join(fixture, 'bookmarks.html'), bookmarkFile);

run('firefox-esr', ['--headless', '-CreateProfile', profileName],
    { env: { ...process.env, HOME: home, MOZ_CRASHREPORTER_DISABLE: '1' } });
const folder = firefoxFolder(home);
const relativeProfile = profilePath(folder);
const profile = path.join(folder, relativeProfile);

await withFirefox(['-P', profileName],
                  { home, profile, bookmarkFile, logFile: path.join(workDir, 'import.log') },
                  addMobileBookmarks);
// Started without -P, Firefox picks this installation's profile: none yet, so it claims the
// one profile that an earlier start of this installation used.
await withFirefox([], { home, profile, logFile: path.join(workDir, 'claim.log') }, () => {});
if (!fs.existsSync(path.join(folder, 'installs.ini')))
    throw new Error('Firefox wrote no installs.ini');
// Firefox exits without closing its databases, but it empties the write-ahead log first: the
// kept places.sqlite holds everything.
if (fs.statSync(path.join(profile, 'places.sqlite-wal'), { throwIfNoEntry: false })?.size)
    throw new Error('Firefox left changes in places.sqlite-wal');

const keptHome = path.join(fixture, 'home');
fs.rmSync(keptHome, { recursive: true, force: true });
const keptFolder = path.join(keptHome, path.relative(home, folder));
fs.mkdirSync(path.join(keptFolder, relativeProfile), { recursive: true });
for (const file of ['profiles.ini', 'installs.ini',
                    ...keptProfileFiles.map((name) => path.join(relativeProfile, name))]) {
    fs.copyFileSync(path.join(folder, file), path.join(keptFolder, file));
    if (file.endsWith('.sqlite'))
        run('sqlite3', [path.join(keptFolder, file), 'VACUUM']);
}
const dump = dumpPlaces(path.join(keptFolder, relativeProfile, 'places.sqlite'));
const mobile = dump.children.find((root) => root.guid === 'mobile______').children;
if (JSON.stringify(mobile.map((node) => [node.title, node.tags])) !==
    JSON.stringify(mobileBookmarks.map((item) => [item.title, item.tags])))
    throw new Error(`Firefox did not keep the mobile bookmarks: ${JSON.stringify(mobile)}`);
fs.writeFileSync(path.join(fixture, 'places.json'), `${JSON.stringify(dump, null, 2)}\n`);

if (args.keep)
    console.log(`Work folder: ${workDir}`);
else
    fs.rmSync(workDir, { recursive: true, force: true });
console.log(`Wrote ${path.relative(process.cwd(), fixture)}`);
