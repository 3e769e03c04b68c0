// SPDX-License-Identifier: GPL-3.0-or-later
// Runs Debian's Firefox ESR headless on a profile of ours, off the network, for the tools that
// let Firefox judge or make our test files.
import { spawn, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';

import { connectMarionette } from './marionette.mjs';

// The profile stays off the network (no DNS, updates, telemetry, studies, remote settings, safe
// browsing, captive portal or connectivity checks) and away from first-run pages.
const offPrefs = `network.captive-portal-service.enabled network.connectivity-service.enabled
    network.prefetch-next app.update.auto app.normandy.enabled app.shield.optoutstudies.enabled
    toolkit.telemetry.enabled toolkit.telemetry.unified toolkit.telemetry.archive.enabled
    datareporting.policy.dataSubmissionEnabled datareporting.healthreport.uploadEnabled
    browser.safebrowsing.malware.enabled browser.safebrowsing.phishing.enabled
    browser.safebrowsing.downloads.enabled browser.safebrowsing.update.enabled
    extensions.update.enabled extensions.getAddons.cache.enabled
    extensions.systemAddon.update.enabled browser.topsites.contile.enabled
    browser.newtabpage.enabled browser.aboutwelcome.enabled browser.shell.checkDefaultBrowser`;
const offlinePrefs = {
    ...Object.fromEntries(offPrefs.split(/\s+/).map((name) => [name, false])),
    'network.dns.disabled': true,
    'network.dns.disablePrefetch': true,
    'network.http.speculative-parallel-limit': 0,
    'network.trr.mode': 5,
    'services.settings.server': 'data:,',
    'media.gmp-manager.url': 'data:,',
    'geo.provider.network.url': 'data:,',
    'browser.region.network.url': '',
    'browser.startup.page': 0,
    'browser.startup.homepage': 'about:blank',
    'browser.startup.homepage_override.mstone': 'ignore',
    'startup.homepage_welcome_url': '',
    'datareporting.policy.firstRunURL': '',
};

// Writes the profile's user.js: the offline preferences plus the given ones. With a bookmark
// file, Firefox replaces its bookmarks with that file's at start-up (the restore-on-start-up
// import, which files PERSONAL_TOOLBAR_FOLDER and UNFILED_BOOKMARKS_FOLDER as its own roots).
// With anyWindowSize, the window may be narrower than Firefox's own toolbars allow (500 pixels),
// as a phone's is; that takes a style sheet of the profile's.
export function writeUserPrefs(profile, { bookmarkFile, marionette, anyWindowSize } = {}) {
    const prefs = { ...offlinePrefs };
    if (anyWindowSize) {
        prefs['toolkit.legacyUserProfileCustomizations.stylesheets'] = true;
        fs.mkdirSync(path.join(profile, 'chrome'), { recursive: true });
        fs.writeFileSync(path.join(profile, 'chrome', 'userChrome.css'),
                         '#main-window { min-width: 0 !important; }\n');
    }
    if (bookmarkFile) {
        prefs['browser.places.importBookmarksHTML'] = true;
        prefs['browser.bookmarks.file'] = bookmarkFile;
    }
    if (marionette) {
        prefs['marionette.port'] = 0; // any free port, written to MarionetteActivePort
        // Marionette would otherwise set (and prefs.js keep) dozens of automation preferences.
        prefs['remote.prefs.recommended'] = false;
    }
    fs.writeFileSync(path.join(profile, 'user.js'), Object.entries(prefs)
        .map(([name, value]) => `user_pref("${name}", ${JSON.stringify(value)});\n`).join(''));
}

// Runs a command to its end; throws with its output unless it succeeded.
export function run(command, commandArgs, options = {}) {
    const result = spawnSync(command, commandArgs, { encoding: 'utf8', ...options });
    if (result.error || result.status !== 0)
        throw new Error(`${command} ${commandArgs.join(' ')} failed (${result.error?.message ??
                        result.status}):\n${result.stdout}${result.stderr}`);
    return result.stdout;
}

// The rows a query of an SQLite database answers, as objects.
export const queryDatabase = (database, sql) =>
    JSON.parse(run('sqlite3', ['-json', database, sql]) || '[]');

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Starts firefox-esr headless with the given arguments and HOME, logging to logFile; with
// screen ([width, height]), on a screen of that size, which its windows cannot outgrow. The
// returned object tells whether Firefox has ended, builds errors that carry the log, waits for
// a condition while Firefox runs, and stops it.
export function startFirefox(firefoxArgs, { home, logFile, screen }) {
    const log = fs.openSync(logFile, 'w');
    const screenSize = screen ? { MOZ_HEADLESS_WIDTH: String(screen[0]),
                                  MOZ_HEADLESS_HEIGHT: String(screen[1]) } : {};
    const child = spawn('firefox-esr', ['--headless', '--no-remote', ...firefoxArgs], {
        env: { ...process.env, ...screenSize, HOME: home, MOZ_CRASHREPORTER_DISABLE: '1' },
        stdio: ['ignore', log, log],
    });
    let exited = null;
    const exit = new Promise((resolve) => {
        child.on('exit', (code, signal) => resolve((exited = signal || code)));
        child.on('error', (error) => resolve((exited = error.message)));
    }).finally(() => fs.closeSync(log));
    const failure = (message) => new Error(`${message}\n${fs.readFileSync(logFile, 'utf8')}`);
    // How Firefox ended (exit code or signal), or null if it still runs after timeoutMs.
    const exitWithin = async (timeoutMs) => {
        let timer;
        const timeout = new Promise((resolve) => (timer = setTimeout(resolve, timeoutMs, null)));
        const status = await Promise.race([exit, timeout]);
        clearTimeout(timer);
        return status;
    };
    return {
        failure,
        exitWithin,
        async waitFor(what, timeoutMs, condition) {
            const deadline = Date.now() + timeoutMs;
            while (!condition()) {
                if (exited !== null)
                    throw failure(`Firefox ended (${exited}) before ${what}`);
                if (Date.now() > deadline)
                    throw failure(`Firefox did not ${what} within ${timeoutMs / 1000} s`);
                await sleep(200);
            }
        },
        // SIGTERM ends Firefox without closing its databases: what it wrote last may still be
        // in the write-ahead log (sqlite3 reads it too). A clean quit goes through Marionette.
        async stop(quitTimeoutMs = 30_000) {
            if (exited === null)
                child.kill('SIGTERM');
            if ((await exitWithin(quitTimeoutMs)) === null) {
                child.kill('SIGKILL');
                await exit;
            }
        },
    };
}

// Waits until Firefox has imported the bookmark file named in user.js: it turns the import pref
// off once the import has finished and saves prefs.js soon after.
export function waitForImport(firefox, profile, timeoutMs = 90_000) {
    const prefsFile = path.join(profile, 'prefs.js');
    const done = 'user_pref("browser.places.importBookmarksHTML", false);';
    return firefox.waitFor('import the bookmark file', timeoutMs, () =>
        fs.existsSync(prefsFile) && fs.readFileSync(prefsFile, 'utf8').includes(done));
}

// Waits until Firefox, started with --marionette on the profile, listens, and connects to it.
export async function connectWhenListening(firefox, profile, options) {
    const portFile = path.join(profile, 'MarionetteActivePort');
    await firefox.waitFor('open Marionette', 60_000, () => fs.existsSync(portFile));
    return connectMarionette(Number(fs.readFileSync(portFile, 'utf8')), options);
}
