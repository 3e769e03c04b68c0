// SPDX-License-Identifier: GPL-3.0-or-later
// A minimal Marionette client: enough to run privileged script in a headless Firefox (started
// with --marionette -remote-allow-system-access) and to quit it cleanly.
//
// The protocol: "length:json" packets over TCP; a command is [0, id, name, parameters], its
// answer [1, id, error, result]. The server greets with a packet that is no answer.
import net from 'node:net';

export async function connectMarionette(port) {
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
    await send('Marionette:SetContext', { value: 'chrome' });
    await send('WebDriver:SetTimeouts', { script: 120_000 });
    return {
        // Runs the body of an async function in Firefox's chrome context with `args` bound to
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
        // Quits Firefox as its menu does: databases closed, preferences saved.
        async quit() {
            await send('Marionette:Quit', { flags: ['eAttemptQuit'] });
            socket.destroy();
        },
        close: () => socket.destroy(),
    };
}
