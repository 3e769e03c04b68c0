// SPDX-License-Identifier: GPL-3.0-or-later
// The Chromium judge on the Bookmarks file Chromium wrote itself, on hand-edited copies of it,
// and when Chromium cannot answer.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { fileNodes, readTree, withoutRoot } from './read_tree.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const fixture = path.join(here, '..', 'fixtures', 'chromium-profile', 'Default', 'Bookmarks');
const workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'orvalink-chromium-judge-test-'));
after(() => fs.rmSync(workDir, { recursive: true, force: true }));

const original = JSON.parse(fs.readFileSync(fixture, 'utf8'));

function writeCopy(name, bookmarks) {
    const file = path.join(workDir, name);
    fs.writeFileSync(file, JSON.stringify(bookmarks, null, 3));
    return file;
}

test('Chromium reads its own file, and one with a wrong checksum, as written and leaves it alone',
     async () => {
    const wrongChecksum = writeCopy('wrong-checksum', { ...original, checksum: '0'.repeat(32) });
    for (const file of [fixture, wrongChecksum]) {
        const { nodes, rewritten } = await readTree(file);
        assert.deepEqual(withoutRoot(nodes), fileNodes(original), file);
        assert.equal(rewritten, null, file);
    }
});

test('a duplicate id is replaced by the next free one, and the file rewritten', async () => {
    const edited = structuredClone(original);
    const [first, second] = edited.roots.bookmark_bar.children;
    second.id = first.id;
    const { nodes, rewritten } = await readTree(writeCopy('duplicate-id', edited));

    const expected = fileNodes(original);
    const highest = Math.max(...expected.map((node) => Number(node.id)));
    expected.find((node) => node.title === second.name).id = String(highest + 1);
    assert.deepEqual(withoutRoot(nodes), expected);
    assert.deepEqual(fileNodes(rewritten), expected);
    assert.notEqual(rewritten.checksum, original.checksum);
});

test('the command fails loudly when Chromium cannot answer', () => {
    const command = path.join(here, 'read_tree.mjs');
    for (const [options, reason] of [
        [['--chromium', path.join(workDir, 'no-such-chromium')], /Chromium ended \(.*ENOENT/],
        [['--timeout', '0.001'], /did not start within 0.001 s/],
    ]) {
        const result = spawnSync(process.execPath, [command, '--bookmarks', fixture, ...options],
                                 { encoding: 'utf8' });
        assert.equal(result.status, 1, result.stderr);
        assert.match(result.stderr, reason);
        assert.equal(result.stdout, '');
    }
});
