// SPDX-License-Identifier: GPL-3.0-or-later
// The test tools call these functions over the DevTools protocol, in this service worker.

// Creates the given nodes ({title, url} for links, {title, children} for folders) in the folder
// with the given id, in order; answers the ids Chromium gave them, in the same order.
async function createBookmarks(parentId, nodes) {
    const ids = [];
    for (const node of nodes) {
        const created = await chrome.bookmarks.create({ parentId, title: node.title, url: node.url });
        ids.push(created.id);
        if (node.children)
            ids.push(...(await createBookmarks(created.id, node.children)));
    }
    return ids;
}

// Every node Chromium holds, the root first and each folder before its children.
async function readBookmarks() {
    const nodes = [];
    const walk = ({ children, ...node }) => {
        nodes.push(node);
        children?.forEach(walk);
    };
    (await chrome.bookmarks.getTree()).forEach(walk);
    return nodes;
}
