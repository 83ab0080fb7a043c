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
//   offline / online            the server stops answering / answers again
//   serve:DIR                   the server answers from DIR from now on, as after a rebuild
//   redirect-index              the server sends index.html's address to its folder's, as some
//                               hosts do
// The server refuses every hidden file, such as .htaccess, with 403, as Apache does.
//   wait-worker                 wait until the page's service worker and any update are active
//   installable:NAME            Chromium's manifest and installability errors, as NAME.txt
// At the end the browser's console messages are written to browser-console.txt.
import {mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {tmpdir} from 'node:os';
import {extname, join, normalize, resolve as resolvePath, sep} from 'node:path';
import {pathToFileURL} from 'node:url';
import puppeteer from 'puppeteer-core';

const [siteDir, outDir, ...steps] = process.argv.slice(2);
const browserName = process.env.ROLLING_CUBE_BROWSER || 'chromium';
if (!siteDir || !outDir || !['chromium', 'firefox'].includes(browserName)) {
    console.error('usage: [ROLLING_CUBE_BROWSER=chromium|firefox] ' +
                  'node driver.mjs SITE_DIR OUT_DIR STEP...');
    process.exit(2);
}

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript',
    '.wasm': 'application/wasm',
    '.data': 'application/octet-stream',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

// What the server answers from, and whether it answers at all: offline, every request fails as
// it does when the network is down.
const site = {root: siteDir, online: true, redirectIndex: false};

function serve() {
    const server = createServer((request, response) => {
        if (!site.online) {
            request.socket.destroy();
            return;
        }
        const root = site.root;
        const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
        const hidden = path.split('/').some((name) => name.startsWith('.'));
        if (site.redirectIndex && path.endsWith('/index.html')) {
            response.writeHead(301, {Location: './'}).end();
            return;
        }
        if (!file.startsWith(normalize(root) + sep) || hidden) {
            response.writeHead(403).end();
            return;
        }
        try {
            const body = readFileSync(file);
            response.writeHead(200, {'Content-Type': types[extname(file)] || 'text/plain'});
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const server = await serve();
const address = `http://127.0.0.1:${server.address().port}/`;
const profile = mkdtempSync(join(tmpdir(), `rolling-cube-${browserName}-`));
const browser = await puppeteer.launch(browserName === 'firefox' ? {
    browser: 'firefox',
    executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
    headless: true,
    userDataDir: profile,
    // Headless Firefox turns WebGL on over Mesa's software renderer only with both of these.
    extraPrefsFirefox: {'webgl.force-enabled': true},
    env: {...process.env, MOZ_WEBGL_FORCE_EGL: '1'},
    args: ['--window-size=800,1000'],
} : {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: [
        '--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
        '--no-first-run', '--disable-quic', '--force-color-profile=srgb',
        '--window-size=800,1000',
    ],
});
const consoleLines = [];
let exitCode = 0;
try {
    const page = await browser.newPage();
    await page.setViewport({width: 800, height: 1000, deviceScaleFactor: 1});
    page.on('console', (message) => consoleLines.push(`${message.type()}: ${message.text()}`));
    page.on('pageerror', (error) => consoleLines.push(`pageerror: ${error.message}`));
    // Notes when the program first draws, to time the first frame from navigation, counts its
    // drawing calls and the context menus the page let the browser open.
    await page.evaluateOnNewDocument(() => {
        window.contextMenus = {fired: 0, letThrough: 0};
        window.addEventListener('contextmenu', (event) => {
            ++window.contextMenus.fired;
            if (!event.defaultPrevented) ++window.contextMenus.letThrough;
        });
        for (const name of ['drawArrays', 'drawElements']) {
            const draw = WebGLRenderingContext.prototype[name];
            WebGLRenderingContext.prototype[name] = function(...args) {
                if (window.firstDrawMs === undefined) window.firstDrawMs = performance.now();
                window.drawCalls = (window.drawCalls || 0) + 1;
                return draw.apply(this, args);
            };
        }
    });

    const frames = (n) => page.evaluate((count) => new Promise((resolve) => {
        const next = () => (count-- <= 0 ? resolve() : requestAnimationFrame(next));
        next();
    }), n);
    // Two buttons go down and up one after the other, so for a moment one of them is held
    // alone; a test that must not fly in between takes its pictures while both are held.
    const buttonsOf = (button) => (button === 'both' ? ['left', 'right'] : [button]);
    let pointer = [0, 0];
    let touching = false;
    const canvasAt = async (x, y) => {
        const box = await (await page.$('#canvas')).boundingBox();
        return [box.x + x, box.y + y];
    };

    for (const step of steps) {
        const [verb, ...rest] = step.split(':');
        const argument = rest.join(':');
        if (verb === 'viewport') {
            const [width, height, ratio, touch] = argument.split(',');
            await page.setViewport({width: Number(width), height: Number(height),
                                    deviceScaleFactor: Number(ratio), isMobile: !!touch,
                                    hasTouch: !!touch});
        } else if (verb === 'open-file') {
            const file = pathToFileURL(resolvePath(siteDir, 'index.html')).href;
            await page.goto(file, {waitUntil: 'load'});
        } else if (verb === 'open') {
            await page.goto(address + argument, {waitUntil: 'load'});
            await page.waitForFunction(() => window.firstDrawMs !== undefined, {timeout: 60000});
            await frames(2);
        } else if (verb === 'load') {
            await page.goto(address + argument, {waitUntil: 'load'});
        } else if (verb === 'without-webgl') {
            await page.evaluateOnNewDocument(() => {
                const getContext = HTMLCanvasElement.prototype.getContext;
                HTMLCanvasElement.prototype.getContext = function(type, ...rest) {
                    return /webgl/.test(type) ? null : getContext.call(this, type, ...rest);
                };
            });
        } else if (verb === 'wait-title') {
            await page.waitForFunction((t) => document.title === t, {timeout: 20000}, argument)
                .catch(() => {});
        } else if (verb === 'wait-for') {
            await page.waitForFunction(argument, {timeout: 20000}).catch(() => {});
        } else if (verb === 'scale') {
            await page.setViewport({...page.viewport(), deviceScaleFactor: Number(argument)});
            // Chromium's emulated ratio reaches the page's media queries only at the next change
            // of emulated media, where a real screen's reaches them at once; a passing change
            // that leaves everything as it was brings it.
            if (browserName === 'chromium') {
                const passing = {name: 'prefers-reduced-motion', value: 'reduce'};
                await page.emulateMediaFeatures([passing]);
                await page.emulateMediaFeatures([]);
            }
        } else if (verb === 'frames') {
            await frames(Number(argument));
        } else if (verb === 'wait') {
            await new Promise((resolve) => setTimeout(resolve, Number(argument)));
        } else if (verb === 'key') {
            const shifted = argument.length === 1 && argument !== argument.toLowerCase();
            if (shifted) await page.keyboard.down('Shift');
            await page.keyboard.press(argument);
            if (shifted) await page.keyboard.up('Shift');
        } else if (verb === 'press') {
            const [button, at] = rest;
            const [x, y] = at.split(',').map(Number);
            pointer = await canvasAt(x, y);
            if (button === 'touch') {
                await page.touchscreen.touchStart(...pointer);
                touching = true;
            } else {
                await page.mouse.move(...pointer);
                for (const b of buttonsOf(button)) await page.mouse.down({button: b});
            }
        } else if (verb === 'move') {
            const [by, count] = rest;
            const [dx, dy] = by.split(',').map(Number);
            const [startX, startY] = pointer;
            for (let i = 1; i <= Number(count); ++i) {
                pointer = [startX + (dx * i) / count, startY + (dy * i) / count];
                await (touching ? page.touchscreen.touchMove(...pointer)
                                : page.mouse.move(...pointer));
            }
        } else if (verb === 'release' && argument === 'touch') {
            await page.touchscreen.touchEnd();
            touching = false;
        } else if (verb === 'release') {
            for (const b of buttonsOf(argument)) await page.mouse.up({button: b});
        } else if (verb === 'release-elsewhere') {
            const other = await browser.newPage();
            await other.bringToFront();
            // This tab's mouse never sees the release; the other tab's takes a whole click.
            for (const b of buttonsOf(argument)) await other.mouse.click(10, 10, {button: b});
            await other.close();
            await page.bringToFront();
        } else if (verb === 'touch') {
            const [name, ms] = rest;
            const box = await (await page.waitForSelector(`aria/${name}`)).boundingBox();
            await page.touchscreen.touchStart(box.x + box.width / 2, box.y + box.height / 2);
            await new Promise((resolve) => setTimeout(resolve, Number(ms)));
            await page.touchscreen.touchEnd();
        } else if (verb === 'mouse-down') {
            const box = await (await page.waitForSelector(`aria/${argument}`)).boundingBox();
            await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
            await page.mouse.down();
        } else if (verb === 'swipe') {
            const box = await (await page.$('table')).boundingBox();
            const [x, y] = [box.x + box.width / 2, box.y + box.height / 2];
            await page.touchscreen.touchStart(x, y);
            for (let i = 1; i <= 10; ++i) {
                await page.touchscreen.touchMove(x, y - (argument * i) / 10);
            }
            await page.touchscreen.touchEnd();
        } else if (verb === 'lose-context') {
            await page.evaluate(() => document.getElementById('canvas').getContext('webgl')
                .getExtension('WEBGL_lose_context').loseContext());
        } else if (verb === 'js') {
            const [name, ...expression] = rest;
            const value = await page.evaluate(expression.join(':'));
            writeFileSync(join(outDir, `${name}.txt`), `${value}`);
        } else if (verb === 'hold') {
            const [button, ms] = rest;
            await page.mouse.move(...(await canvasAt(320, 240)));
            await page.mouse.down({button});
            await new Promise((resolve) => setTimeout(resolve, Number(ms)));
            await page.mouse.up({button});
        } else if (verb === 'shot') {
            const canvas = await page.$('#canvas');
            await canvas.screenshot({path: join(outDir, `${argument}.png`), type: 'png'});
        } else if (verb === 'page-shot') {
            await page.screenshot({path: join(outDir, `${argument}.png`), fullPage: true});
        } else if (verb === 'page') {
            const text = await page.evaluate(() => [
                `title: ${document.title}`,
                `heading: ${document.getElementById('window-title').textContent}`,
                `status: ${document.getElementById('status').textContent}`,
                `context menus: ${contextMenus.fired} fired, ${contextMenus.letThrough} let through`,
                `console:\n${document.getElementById('console').textContent}`,
            ].join('\n'));
            writeFileSync(join(outDir, `${argument}.txt`), text);
        } else if (verb === 'first-frame') {
            const ms = await page.evaluate(() => window.firstDrawMs);
            writeFileSync(join(outDir, `${argument}.txt`), `${ms}\n`);
        } else if (verb === 'offline' || verb === 'online') {
            site.online = verb === 'online';
        } else if (verb === 'serve') {
            site.root = argument;
        } else if (verb === 'redirect-index') {
            site.redirectIndex = true;
        } else if (verb === 'wait-worker') {
            await page.evaluate(() => {
                const activated = async () => {
                    const registration = await navigator.serviceWorker.ready;
                    await registration.update();
                    const worker = registration.installing || registration.waiting;
                    if (!worker) return;
                    await new Promise((resolve) => {
                        const settled = () => ['activated', 'redundant'].includes(worker.state);
                        worker.addEventListener('statechange', () => settled() && resolve());
                        if (settled()) resolve();
                    });
                };
                const late = new Promise((_, reject) => setTimeout(
                    () => reject(new Error('no service worker became active in 60 s')), 60000));
                return Promise.race([activated(), late]);
            });
        } else if (verb === 'installable') {
            const session = await page.createCDPSession();
            const manifest = await session.send('Page.getAppManifest');
            const {installabilityErrors} = await session.send('Page.getInstallabilityErrors');
            writeFileSync(join(outDir, `${argument}.txt`), [
                `manifest errors: ${JSON.stringify(manifest.errors)}`,
                `installability errors: ${JSON.stringify(installabilityErrors)}`,
            ].join('\n'));
        } else {
            throw new Error(`unknown step ${step}`);
        }
    }
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
