// SPDX-License-Identifier: GPL-3.0-or-later
// Serves the menu pages to the browser from a tiny HTTP server on the loopback interface.
//
// /pages/NAME is the file NAME of the given folder, or a page added while the suite runs, which
// may arrive in two parts.
// "?doctype" after a page's address prepends a doctype (standards mode); the generator writes
// none, so without it the page runs in quirks mode as it does when opened from disk.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

export async function startServer(pagesDir) {
    const added = new Map();
    const held = new Map();
    const server = http.createServer((request, response) => {
        const url = new URL(request.url, 'http://localhost');
        const name = url.pathname.startsWith('/pages/') ? path.basename(url.pathname) : null;
        const file = name && path.join(pagesDir, name);
        let text = added.get(name);
        if (text === undefined && file && fs.existsSync(file)) {
            text = fs.readFileSync(file, 'utf8');
        }
        if (held.has(name)) {
            const { text: whole, at, released } = held.get(name);
            response.writeHead(200, { 'Content-Type': 'text/html' });
            response.write(whole.slice(0, at));
            released.then(() => response.end(whole.slice(at)));
        } else if (text !== undefined) {
            response.writeHead(200, { 'Content-Type': 'text/html' });
            response.end((url.searchParams.has('doctype') ? '<!DOCTYPE html>\r\n' : '') + text);
        } else if (name === 'target.html') {
            response.writeHead(200, { 'Content-Type': 'text/html' });
            response.end('<html><body>Target</body></html>');
        } else {
            // The browser asks for a favicon, which a missing page would answer with an error.
            response.writeHead(url.pathname === '/favicon.ico' ? 204 : 404);
            response.end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}`,
        // Serves the given text as the page /pages/NAME.
        addPage: (pageName, text) => added.set(pageName, text),
        // Serves the given text as the page /pages/NAME, but holds back what follows its first
        // `at` characters until the answered function is called.
        addHeldPage: (pageName, text, at) => {
            let release;
            held.set(pageName, { text, at, released: new Promise((resolve) => { release = resolve; }) });
            return release;
        },
        close: () => new Promise((resolve) => server.close(resolve)),
    };
}
