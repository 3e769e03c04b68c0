// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the menu pages the suite drives, with the real orvalink-cli (named by ORVALINK_CLI,
// which ctest sets): from the small sources in sources/, and from a big hotlist written here.
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';

const here = path.dirname(fileURLToPath(import.meta.url));
const sourcesDir = path.join(here, '..', 'sources');
const run = promisify(execFile);

// 5,000 folders and 100,000 links: 50 folders of 99 subfolders each, 20 links in every folder.
// Numbers are zero-padded so that sorting by name keeps the order written here, and the
// depth-first order gives Folder 50 the menu m4902.
function writeBigHotlist(file) {
    const parts = ['Opera Hotlist version 2.0\nOptions: encoding = utf8, version=3\n\n'];
    let link = 0;
    const links = () => {
        for (let i = 0; i < 20; ++i, ++link) {
            parts.push(`#URL\n\tNAME=Link ${link}\n\tURL=target.html?${link}\n\n`);
        }
    };
    const padded = (n) => String(n).padStart(2, '0');
    for (let i = 1; i <= 50; ++i) {
        parts.push(`#FOLDER\n\tNAME=Folder ${padded(i)}\n\n`);
        for (let j = 1; j <= 99; ++j) {
            parts.push(`#FOLDER\n\tNAME=Folder ${padded(i)}.${padded(j)}\n\n`);
            links();
            parts.push('-\n\n');
        }
        links();
        parts.push('-\n\n');
    }
    fs.writeFileSync(file, parts.join(''));
}

// Generates horizontal.html, vertical.html, vertical-more.html and big.html into workDir/pages
// and returns that folder.
export async function generatePages(workDir) {
    const cli = process.env.ORVALINK_CLI;
    assert.ok(cli && fs.existsSync(cli),
              'ORVALINK_CLI must name a built orvalink-cli (ctest sets it)');
    const pagesDir = path.join(workDir, 'pages');
    fs.mkdirSync(pagesDir);
    // The program keeps its options and colour presets under XDG_CONFIG_HOME: never the user's
    // folder, and one for each run, since runs side by side on a fresh folder each install the
    // built-in presets and one may read them half-installed.
    let runs = 0;
    const orvalink = async (...args) => {
        const env = { ...process.env, XDG_CONFIG_HOME: path.join(workDir, `config-${++runs}`) };
        return (await run(cli, args, { env, maxBuffer: 1 << 20 })).stdout;
    };

    // "--only" takes folder rows; "list" prints them as "[row] Name".
    const only = async (form, source, names) => {
        const tree = await orvalink('list', '--from', form, source);
        const rows = new Map(Array.from(tree.matchAll(/^ *\[(\d+)\] (.*)$/gm),
                                        ([, row, name]) => [name, row]));
        return names.flatMap((name) => {
            assert.ok(rows.has(name), `${source} has a folder ${name}`);
            return ['--only', rows.get(name)];
        });
    };
    const convert = (form, source, page, options) =>
        orvalink('convert', '--from', form, source, '--to', 'menu', path.join(pagesDir, page),
                 ...options);

    const hotlist = path.join(sourcesDir, 'menu.adr');
    const bookmarkFile = path.join(sourcesDir, 'menu.html');
    const bigHotlist = path.join(workDir, 'big.adr');
    writeBigHotlist(bigHotlist);
    const [hotlistBar, bookmarkBar] = await Promise.all([
        only('opera', hotlist, ['News', 'Reference and Documentation', 'Unsorted']),
        only('firefox', bookmarkFile, ['Daily work', 'Home', 'Travel']),
    ]);
    await Promise.all([
        convert('opera', hotlist, 'horizontal.html',
                [...hotlistBar, '--max-items', '10', '--same-window', '--stats',
                 '--title', 'Test & Bookmarks']),
        convert('opera', hotlist, 'vertical-more.html',
                [...hotlistBar, '--layout', 'vertical', '--max-items', '10', '--preset', 'ice']),
        convert('firefox', bookmarkFile, 'vertical.html',
                [...bookmarkBar, '--layout', 'vertical', '--no-shadows', '--no-show-url',
                 '--no-max-items', '--preset', 'steel', '--title', 'Vertical']),
        convert('opera', bigHotlist, 'big.html', ['--no-max-items']),
    ]);
    return pagesDir;
}
