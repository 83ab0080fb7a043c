// The driver's steps that load the page, change what it runs in and wait for it. Each takes the
// session and the text after the step's first colon.
import {resolve as resolvePath} from 'node:path';
import {pathToFileURL} from 'node:url';

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, Number(ms)));

export const frames = (page, n) => page.evaluate((count) => new Promise((resolve) => {
    const next = () => (count-- <= 0 ? resolve() : requestAnimationFrame(next));
    next();
}), n);

async function viewport({page}, argument) {
    const [width, height, ratio, touch] = argument.split(',');
    await page.setViewport({width: Number(width), height: Number(height),
                            deviceScaleFactor: Number(ratio), isMobile: !!touch,
                            hasTouch: !!touch});
}

async function open({page, address}, argument) {
    await page.goto(address + argument, {waitUntil: 'load'});
    await page.waitForFunction(() => window.firstDrawMs !== undefined, {timeout: 60000});
    await frames(page, 2);
}

function hideWebGl() {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function(type, ...rest) {
        return /webgl/.test(type) ? null : getContext.call(this, type, ...rest);
    };
}

async function scale({page, browserName}, argument) {
    await page.setViewport({...page.viewport(), deviceScaleFactor: Number(argument)});
    // Chromium's emulated ratio reaches the page's media queries only at the next change of
    // emulated media, where a real screen's reaches them at once; a passing change that leaves
    // everything as it was brings it.
    if (browserName === 'chromium') {
        const passing = {name: 'prefers-reduced-motion', value: 'reduce'};
        await page.emulateMediaFeatures([passing]);
        await page.emulateMediaFeatures([]);
    }
}

// Runs in the page: settles once its service worker and any update are active.
function workerActive() {
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
}

export const pageSteps = {
    viewport,
    'open-file': async ({page, siteDir}) => {
        const file = pathToFileURL(resolvePath(siteDir, 'index.html')).href;
        await page.goto(file, {waitUntil: 'load'});
    },
    open,
    load: async ({page, address}, argument) => {
        await page.goto(address + argument, {waitUntil: 'load'});
    },
    'without-webgl': ({page}) => page.evaluateOnNewDocument(hideWebGl),
    'wait-title': ({page}, argument) =>
        page.waitForFunction((t) => document.title === t, {timeout: 20000}, argument)
            .catch(() => {}),
    'wait-for': ({page}, argument) =>
        page.waitForFunction(argument, {timeout: 60000}).catch(() => {}),
    scale,
    frames: ({page}, argument) => frames(page, Number(argument)),
    wait: (session, argument) => sleep(argument),
    'lose-context': ({page}) => page.evaluate(() => document.getElementById('canvas')
        .getContext('webgl').getExtension('WEBGL_lose_context').loseContext()),
    'wait-worker': ({page}) => page.evaluate(workerActive),
};
