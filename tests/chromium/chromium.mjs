// SPDX-License-Identifier: GPL-3.0-or-later
// Runs Debian's Chromium headless and off the network on a user-data folder of ours, with the
// test extension of extension/ loaded, and lets a test tool call that extension's functions.
//
// Chromium is driven over the DevTools protocol on a pipe (--remote-debugging-pipe): messages
// are JSON texts ended by a NUL byte, written to its file descriptor 3 and read from its 4.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const extension = path.join(path.dirname(fileURLToPath(import.meta.url)), 'extension');

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Settles as `promise` does, or fails with lateError() after ms.
async function within(promise, ms, lateError) {
    let timer;
    const late = new Promise((resolve, reject) => (timer = setTimeout(() => reject(lateError()), ms)));
    try {
        return await Promise.race([promise, late]);
    } finally {
        clearTimeout(timer);
    }
}

// Starts Chromium on userDataDir, waits for the extension's service worker and hands `work` a
// function that evaluates an expression there (answering its value); then closes Chromium as
// its menu would, so that it saves what it holds. Throws, with Chromium's log, when Chromium
// does not start, the extension does not answer within timeoutMs or Chromium does not quit.
export async function withChromium(userDataDir, work,
                                   { executable = '/usr/bin/chromium', timeoutMs = 60_000 } = {}) {
    const logFile = path.join(userDataDir, 'chromium.log');
    const log = fs.openSync(logFile, 'w');
    const child = spawn(executable, [
        '--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
        '--disable-default-apps', '--host-resolver-rules=MAP * ~NOTFOUND',
        `--user-data-dir=${userDataDir}`, `--load-extension=${extension}`,
        `--disable-extensions-except=${extension}`, '--remote-debugging-pipe', 'about:blank',
    ], { stdio: ['ignore', log, log, 'pipe', 'pipe'] });
    let ended = null;
    const exit = new Promise((resolve) => {
        child.on('exit', (code, signal) => resolve((ended = `exit ${signal || code}`)));
        child.on('error', (error) => resolve((ended = error.message)));
    }).finally(() => fs.closeSync(log));
    const failure = (message) =>
        new Error(`${message}\n--- Chromium's log:\n${fs.readFileSync(logFile, 'utf8')}`);

    const pending = new Map();
    let lastId = 0;
    let received = '';
    child.stdio[4].setEncoding('utf8');
    child.stdio[4].on('data', (text) => {
        received += text;
        for (let end; (end = received.indexOf('\0')) >= 0; received = received.slice(end + 1)) {
            const message = JSON.parse(received.slice(0, end));
            const waiting = pending.get(message.id);
            pending.delete(message.id);
            if (!waiting)
                continue;
            if (message.error)
                waiting.reject(new Error(`${waiting.method}: ${message.error.message}`));
            else
                waiting.resolve(message.result);
        }
    });
    child.stdio[3].on('error', () => {}); // a Chromium that ended is reported by `ended`
    const send = (method, params = {}, sessionId) => {
        const id = ++lastId;
        const answer = new Promise((resolve, reject) => pending.set(id, { method, resolve, reject }));
        child.stdio[3].write(`${JSON.stringify({ id, method, params, sessionId })}\0`);
        const endedFirst = exit.then(() => {
            throw failure(`Chromium ended (${ended}) before answering ${method}`);
        });
        return within(Promise.race([answer, endedFirst]), timeoutMs, () =>
            failure(`Chromium did not answer ${method} within ${timeoutMs / 1000} s`));
    };

    try {
        const deadline = Date.now() + timeoutMs;
        let worker;
        while (!worker) {
            await sleep(200);
            if (ended !== null)
                throw failure(`Chromium ended (${ended}) before the test extension started`);
            if (Date.now() > deadline)
                throw failure(`The test extension did not start within ${timeoutMs / 1000} s`);
            const { targetInfos } = await send('Target.getTargets');
            worker = targetInfos.find((target) => target.type === 'service_worker' &&
                                                  target.url.startsWith('chrome-extension://'));
        }
        const { sessionId } = await send('Target.attachToTarget',
                                         { targetId: worker.targetId, flatten: true });
        const evaluate = async (expression) => {
            const { result, exceptionDetails } = await send(
                'Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true },
                sessionId);
            if (exceptionDetails)
                throw new Error(`The test extension failed: ${
                    exceptionDetails.exception?.description ?? exceptionDetails.text}`);
            return result.value;
        };
        // The worker's target shows before its script has run.
        while ((await evaluate('typeof readBookmarks')) !== 'function') {
            if (Date.now() > deadline)
                throw failure(`The test extension did not start within ${timeoutMs / 1000} s`);
            await sleep(100);
        }
        const value = await work(evaluate);
        await send('Browser.close').catch(() => {}); // Chromium may end before it answers
        const quit = await within(exit, 30_000, () => failure('Chromium did not quit'));
        if (quit !== 'exit 0')
            throw failure(`Chromium did not quit cleanly (${quit})`);
        return value;
    } finally {
        // After a failure: SIGTERM lets Chromium end its helper processes too.
        if (ended === null) {
            child.kill('SIGTERM');
            const stubborn = setTimeout(() => child.kill('SIGKILL'), 10_000);
            await exit;
            clearTimeout(stubborn);
        }
    }
}
