// SPDX-License-Identifier: GPL-3.0-or-later
// A minimal Marionette client: enough to run privileged script in a headless Firefox (started
// with --marionette -remote-allow-system-access), to drive a page as a person would (the content
// context), and to quit Firefox cleanly.
//
// The protocol: "length:json" packets over TCP; a command is [0, id, name, parameters], its
// answer [1, id, error, result]. The server greets with a packet that is no answer.
import net from 'node:net';

// Names of KeyboardEvent.key that WebDriver sends as code points of its own.
const keyCodes = {
    Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', Home: '\uE011', End: '\uE010',
    ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015',
};

// context: 'chrome' (Firefox itself) or 'content' (the page of the current tab).
export async function connectMarionette(port, { context = 'chrome' } = {}) {
    const socket = net.connect(port, '127.0.0.1');
    await new Promise((resolve, reject) => {
        socket.once('connect', resolve);
        socket.once('error', reject);
    });
    const pending = new Map();
    let closedBy = null;
    const failAll = (error) => {
        closedBy = error;
        for (const { reject } of pending.values())
            reject(error);
        pending.clear();
    };
    socket.on('error', failAll);
    socket.on('close', () => failAll(new Error('Marionette closed the connection')));

    let buffer = Buffer.alloc(0);
    socket.on('data', (data) => {
        buffer = Buffer.concat([buffer, data]);
        for (let colon; (colon = buffer.indexOf(':')) >= 0;) {
            const end = colon + 1 + Number(buffer.subarray(0, colon).toString());
            if (buffer.length < end)
                break;
            const packet = JSON.parse(buffer.subarray(colon + 1, end).toString());
            buffer = buffer.subarray(end);
            const waiting = Array.isArray(packet) && pending.get(packet[1]);
            if (!waiting)
                continue;
            pending.delete(packet[1]);
            if (packet[2])
                waiting.reject(new Error(`${packet[2].error}: ${packet[2].message}`));
            else
                waiting.resolve(packet[3]);
        }
    });

    let lastId = 0;
    const send = (name, parameters = {}) => new Promise((resolve, reject) => {
        if (closedBy)
            return reject(closedBy);
        const text = JSON.stringify([0, ++lastId, name, parameters]);
        pending.set(lastId, { resolve, reject });
        socket.write(`${Buffer.byteLength(text)}:${text}`);
    });

    await send('WebDriver:NewSession', {});
    await send('Marionette:SetContext', { value: context });
    await send('WebDriver:SetTimeouts', { script: 120_000 });
    // One input source's actions; Firefox answers once the page has handled their events.
    const act = (source) => send('WebDriver:PerformActions', { actions: [source] });
    return {
        // Runs the body of an async function in the connection's context with `args` bound to
        // the given arguments; answers what it returns (as JSON) or throws what it threw.
        async evaluate(body, args = []) {
            const script = `const [args, done] = [Array.from(arguments).slice(0, -1),
                                                   arguments[arguments.length - 1]];
                (async () => { ${body} })().then((value) => done({ value }),
                                                 (error) => done({ error: String(error) }));`;
            const { value } = await send('WebDriver:ExecuteAsyncScript',
                                         { script, args });
            if (value.error)
                throw new Error(`Firefox: ${value.error}`);
            return value.value;
        },
        // The content context: loads the address in the current tab and waits for its load event.
        navigate: (url) => send('WebDriver:Navigate', { url }),
        // Sizes the window so that the page gets width x height CSS pixels: the window's
        // toolbars take their part of the outer size, which only the page can tell.
        async setViewport(width, height) {
            for (let attempt = 0; attempt < 3; ++attempt) {
                const [pageWidth, pageHeight, windowWidth, windowHeight] = await this.evaluate(
                    'return [innerWidth, innerHeight, outerWidth, outerHeight];');
                if (pageWidth === width && pageHeight === height)
                    return;
                await send('WebDriver:SetWindowRect', {
                    width: windowWidth + width - pageWidth,
                    height: windowHeight + height - pageHeight });
            }
            throw new Error(`Firefox does not give the page ${width}x${height} pixels`);
        },
        // A key down and up, by its KeyboardEvent.key name.
        press(key) {
            const value = keyCodes[key] ?? key;
            return act({ type: 'key', id: 'keyboard', actions: [
                { type: 'keyDown', value }, { type: 'keyUp', value }] });
        },
        // A pointer ('mouse' or 'touch') moved to a point of the window; with press, it presses
        // and lets go there (a tap, for a finger).
        pointAt(pointerType, x, y, { press = false } = {}) {
            const move = { type: 'pointerMove', origin: 'viewport', x: Math.round(x),
                           y: Math.round(y), duration: 0 };
            return act({ type: 'pointer', id: pointerType, parameters: { pointerType },
                              actions: press ? [move, { type: 'pointerDown', button: 0 },
                                                { type: 'pointerUp', button: 0 }] : [move] });
        },
        // Quits Firefox as its menu does: databases closed, preferences saved.
        async quit() {
            await send('Marionette:Quit', { flags: ['eAttemptQuit'] });
            socket.destroy();
        },
        close: () => socket.destroy(),
    };
}
