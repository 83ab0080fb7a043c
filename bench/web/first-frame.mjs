// Times the browser version's first frame from navigation, beside the empty WebGL page's, as a
// visitor waits for it: in one running headless Chromium, each visit a first one (a browser
// context of its own, so no cache and no service worker), the two pages in turns. Prints the
// median of each and their ratio as "name: value" lines.
// Usage: node first-frame.mjs SITE_DIR EMPTY_PAGE_DIR VISITS
import {mkdtempSync, rmSync, symlinkSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join, resolve} from 'node:path';

import {launchBrowser, openPage} from '../../tests/web/browser-launch.mjs';
import {serveSite} from '../../tests/web/site-server.mjs';

import {median} from './median.mjs';

const [siteDir, emptyDir, visits = '7'] = process.argv.slice(2);
if (!siteDir || !emptyDir) {
    console.error('usage: node first-frame.mjs SITE_DIR EMPTY_PAGE_DIR [VISITS]');
    process.exit(2);
}

// Both pages under one server, as two folders of it.
const root = mkdtempSync(join(tmpdir(), 'rolling-cube-first-frame-'));
symlinkSync(resolve(siteDir), join(root, 'page'));
symlinkSync(resolve(emptyDir), join(root, 'empty'));
const server = await serveSite({root, online: true, redirectIndex: false});
const address = `http://127.0.0.1:${server.address().port}/`;
const profile = join(root, 'profile');
const browser = await launchBrowser('chromium', profile);

async function firstFrameMs(path) {
    const context = await browser.createBrowserContext();
    try {
        const page = await openPage(context, []);
        await page.goto(address + path, {waitUntil: 'load'});
        await page.waitForFunction(() => window.firstDrawMs !== undefined, {timeout: 60000});
        return await page.evaluate(() => window.firstDrawMs);
    } finally {
        await context.close();
    }
}

const times = {page: [], empty: []};
try {
    // A first visit to each warms the browser itself (its GPU process, its shader compiler), as
    // any page a visitor saw before would have.
    await firstFrameMs('empty/');
    for (let visit = 0; visit < Number(visits); ++visit) {
        const order = visit % 2 ? ['empty', 'page'] : ['page', 'empty'];
        for (const name of order) times[name].push(await firstFrameMs(`${name}/`));
    }
} finally {
    await browser.close();
    server.close();
    rmSync(root, {recursive: true, force: true});
}
const page = median(times.page);
const empty = median(times.empty);
console.log(`web_first_frame_ms: ${page.toFixed(0)}`);
console.log(`web_empty_first_frame_ms: ${empty.toFixed(0)}`);
console.log(`web_first_frame_ratio: ${(page / empty).toFixed(2)}`);
console.log(`web_first_frame_visits: ${times.page.map((ms) => ms.toFixed(0)).join(' ')} | ` +
            `${times.empty.map((ms) => ms.toFixed(0)).join(' ')}`);
