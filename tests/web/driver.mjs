// Serves the browser build on a free port of 127.0.0.1, opens it in Debian's headless Chromium
// (or its Firefox ESR when ROLLING_CUBE_BROWSER is "firefox") and carries out the steps given on
// the command line, in order, writing what they see into the output folder. The tests and
// scripts/bench.sh judge the files; this script only reports.
//
// Usage: node driver.mjs SITE_DIR OUT_DIR STEP...
//   viewport:W,H,RATIO[,touch]  a W x H CSS pixel viewport at a device pixel ratio, as a phone
//                               with a touch screen if touch is given (before open)
//   open[:PATH]                 load the page (again), or the one at PATH under the server's
//                               root, and wait for the program's first frame
//   open-file                   load the page from its file:// address
//   load[:PATH]                 load the page (again) without waiting for anything more
//   without-webgl               make later loads find no WebGL, as in a browser without it
//   wait-title:TEXT             wait until the page's title is TEXT
//   frames:N                    let N animation frames pass
//   wait:MS                     let MS milliseconds pass
//   wait-for:EXPRESSION         wait until a JavaScript expression in the page is true
//   scale:RATIO                 change the device pixel ratio, keeping the viewport's size
//   key:K                       type key K (a capital letter is typed with Shift held)
//   press:BUTTON:X,Y            press BUTTON (left, right or both, left first) at canvas pixel X,Y,
//                               in CSS pixels; BUTTON touch puts one finger there instead
//   move:DX,DY:STEPS            move the pointer (or the finger) by DX,DY in STEPS equal steps
//   release:BUTTON              release BUTTON (left, right or both, left first, or touch)
//   release-elsewhere:BUTTON    switch to another tab, release BUTTON there and come back
//   touch:NAME:MS               hold the control whose accessible name is NAME with a finger for
//                               MS milliseconds
//   finger-down:NAME            put a finger on the control named NAME, and keep it there
//   finger-up:NAME              lift the finger put on the control named NAME last
//   mouse-down:NAME             press the left button on the control named NAME, and keep it held
//   swipe:DY                    a finger drags DY CSS pixels up over the table below the picture
//   lose-context                lose the canvas's WebGL context, as after a GPU reset
//   js:NAME:EXPRESSION          the value of a JavaScript expression in the page, as NAME.txt
//   hold:BUTTON:MS              press BUTTON in the canvas's middle for MS milliseconds
//   shot:NAME                   the canvas as the screen shows it, as NAME.png
//   page:NAME                   the page's title, heading, status, context menus let through
//                               and console text, as NAME.txt
//   page-shot:NAME              the whole page as the screen shows it, as NAME.png
//   first-frame:NAME            milliseconds from navigation to the first drawn frame, NAME.txt
//   textures:NAME               the pictures the program uploaded, RGB bottom row first, in its
//                               order, as NAME-0.rgb, NAME-1.rgb...
//   offline / online            the server stops answering / answers again
//   serve:DIR                   the server answers from DIR from now on, as after a rebuild
//   redirect-index              the server sends index.html's address to its folder's, as some
//                               hosts do
//   refuse-head                 the server answers every HEAD request with 405, as some hosts do
//   folder-pages                the server answers a folder's address without its final slash
//                               with the folder's index.html, as some hosts' rewrites do
//   policy:POLICY               the server sends the header Content-Security-Policy: POLICY
//   wait-worker                 wait until the page's service worker and any update are active
//   installable:NAME            Chromium's manifest and installability errors, as NAME.txt
//   axe                         fail, listing them, on the page's violations of axe-core's WCAG
//                               2.1 A and AA rules and of its best practices
// The server refuses every hidden file, such as .htaccess, with 403, as Apache does.
// At the end the browser's console messages are written to browser-console.txt.
import {mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {launchBrowser, openPage} from './browser-launch.mjs';
import {inputSteps} from './input-steps.mjs';
import {pageSteps} from './page-steps.mjs';
import {recordSteps} from './record-steps.mjs';
import {serveSite, serverSteps} from './site-server.mjs';

const [siteDir, outDir, ...steps] = process.argv.slice(2);
const browserName = process.env.ROLLING_CUBE_BROWSER || 'chromium';
if (!siteDir || !outDir || !['chromium', 'firefox'].includes(browserName)) {
    console.error('usage: [ROLLING_CUBE_BROWSER=chromium|firefox] ' +
                  'node driver.mjs SITE_DIR OUT_DIR STEP...');
    process.exit(2);
}

const handlers = {...pageSteps, ...inputSteps, ...recordSteps, ...serverSteps};

// Carries out STEPS in order, each by the handler its verb, the text before its first colon,
// names.
async function runSteps(session) {
    for (const step of steps) {
        const [verb, ...rest] = step.split(':');
        const handler = Object.hasOwn(handlers, verb) ? handlers[verb] : null;
        if (!handler) throw new Error(`unknown step ${step}`);
        await handler(session, rest.join(':'));
    }
}

const site = {root: siteDir, online: true, redirectIndex: false};
const server = await serveSite(site);
const profile = mkdtempSync(join(tmpdir(), `rolling-cube-${browserName}-`));
const browser = await launchBrowser(browserName, profile);
const consoleLines = [];
let exitCode = 0;
try {
    const page = await openPage(browser, consoleLines);
    await runSteps({
        browser, browserName, page, site, siteDir, outDir,
        address: `http://127.0.0.1:${server.address().port}/`,
        pointer: [0, 0],
        finger: null,
        fingersOn: {},
    });
} catch (error) {
    console.error(error.stack || String(error));
    exitCode = 1;
} finally {
    writeFileSync(join(outDir, 'browser-console.txt'), consoleLines.join('\n') + '\n');
    await browser.close();
    server.close();
    rmSync(profile, {recursive: true, force: true});
}
process.exit(exitCode);
