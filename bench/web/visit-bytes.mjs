// Counts the bytes a server sends for one first visit of the browser version, headers included,
// as they pass a proxy in front of it: the page up to its first frame, and its service worker
// keeping the site for use without a network. Prints them as a "name: value" line.
// Usage: node visit-bytes.mjs NAME PORT   (the server's, on 127.0.0.1)
import {mkdtempSync, rmSync} from 'node:fs';
import {createConnection, createServer} from 'node:net';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {launchBrowser, openPage} from '../../tests/web/browser-launch.mjs';

const [name, port] = process.argv.slice(2);
if (!name || !port) {
    console.error('usage: node visit-bytes.mjs NAME PORT');
    process.exit(2);
}

let sent = 0;
const proxy = createServer((client) => {
    const server = createConnection(Number(port), '127.0.0.1');
    server.on('data', (chunk) => {
        sent += chunk.length;
    });
    server.pipe(client);
    client.pipe(server);
    const close = () => {
        client.destroy();
        server.destroy();
    };
    client.on('error', close).on('close', close);
    server.on('error', close).on('close', close);
});
await new Promise((resolve) => proxy.listen(0, '127.0.0.1', resolve));

// Runs in the page: settles once its service worker has kept the site and taken over.
async function workerActive() {
    const registration = await navigator.serviceWorker.ready;
    if (!registration.active) throw new Error('no active service worker');
}

const profile = mkdtempSync(join(tmpdir(), 'rolling-cube-bytes-'));
const browser = await launchBrowser('chromium', profile);
try {
    const page = await openPage(browser, []);
    await page.goto(`http://127.0.0.1:${proxy.address().port}/`, {waitUntil: 'load'});
    await page.waitForFunction(() => window.firstDrawMs !== undefined, {timeout: 60000});
    await page.evaluate(workerActive);
    console.log(`${name}: ${sent}`);
} finally {
    await browser.close();
    proxy.close();
    rmSync(profile, {recursive: true, force: true});
}
