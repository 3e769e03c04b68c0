// Serves the menu pages to the browser from a tiny HTTP server on the loopback interface.
//
// A page under pages/ is written exactly as the generator writes a menu page, except that the
// three script blocks stand there as markers (@@engine.js@@ and so on): the server puts in the
// current files from resources/menu/, line by line, and ends every line with CR LF as the
// generator does. "?doctype" in front of a page's address prepends a doctype (standards mode).
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const pagesDir = path.join(here, '..', 'pages');
export const scriptsDir = path.join(here, '..', '..', '..', 'resources', 'menu');

export function scriptBlock(name) {
    const text = fs.readFileSync(path.join(scriptsDir, name), 'utf8');
    return text.replace(/\r?\n$/, '').split(/\r?\n/);
}

export function pageLines(name) {
    const template = fs.readFileSync(path.join(pagesDir, name), 'utf8').replace(/\n$/, '');
    return template.split('\n').flatMap((line) => {
        const marker = /^@@(.+)@@$/.exec(line);
        return marker ? scriptBlock(marker[1]) : [line];
    });
}

// A page of the horizontal layout whose menus hold the given lines instead of the fixture's.
export function pageWithMenus(menuLines) {
    const lines = pageLines('horizontal.html');
    const start = lines.indexOf('with (pMenu)') + 3; // after "{" and the empty line
    const end = lines.indexOf('hideDelay=1500;');
    return [...lines.slice(0, start), ...menuLines, ...lines.slice(end)];
}

// 5,000 folders and 100,000 links, everything exported: the root folder on the bar, 50 folders
// of 99 subfolders each, 20 links in every folder but the root.
export function bigPageLines() {
    const menus = ["startMenu('root', false, 10, 0, 17, hBar);",
                   " addItem('Favorites', 'm1', 'sm:');"];
    const links = (from) => Array.from({ length: 20 }, (_, i) =>
        ` addItem('Link ${from + i}', 'target.html?${from + i}', '');`);
    let link = 0;
    const folder = (index, left, top, subfolders) => {
        menus.push('', `startMenu('m${index}', true, ${left}, ${top}, 230, subM);`);
        for (const [name, child] of subfolders) {
            menus.push(` addItem('${name}', 'm${child}', 'sm:');`);
        }
        if (index !== 1) {
            menus.push(...links(link));
            link += 20;
        }
    };
    const top = Array.from({ length: 50 }, (_, i) => [`Folder ${i + 1}`, 2 + i * 100]);
    folder(1, 0, 20, top);
    for (const [name, index] of top) {
        const subs = Array.from({ length: 99 }, (_, j) => [`${name}.${j + 1}`, index + 1 + j]);
        folder(index, 227, 0, subs);
        for (const [, sub] of subs) {
            folder(sub, 227, 0, []);
        }
    }
    return pageWithMenus(menus);
}

export async function startServer() {
    const pages = new Map([['/pages/big.html', bigPageLines()]]);
    const server = http.createServer((request, response) => {
        const url = new URL(request.url, 'http://localhost');
        let lines = pages.get(url.pathname);
        if (!lines && url.pathname.startsWith('/pages/')) {
            const name = path.basename(url.pathname);
            if (fs.existsSync(path.join(pagesDir, name))) {
                lines = pageLines(name);
            }
        }
        if (lines) {
            const text = (url.searchParams.has('doctype') ? '<!DOCTYPE html>\r\n' : '') +
                lines.join('\r\n') + '\r\n';
            response.writeHead(200, { 'Content-Type': 'text/html' });
            response.end(text);
        } else if (url.pathname === '/pages/target.html') {
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
        // Serves the given lines as a page under /pages/.
        addPage: (name, lines) => pages.set(`/pages/${name}`, lines),
        close: () => new Promise((resolve) => server.close(resolve)),
    };
}
