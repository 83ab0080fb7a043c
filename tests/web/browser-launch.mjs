// Launches Debian's headless Chromium, or its Firefox ESR, with a profile of its own, and opens
// the page the steps drive, noting what the tests judge besides the files the steps write.
import puppeteer from 'puppeteer-core';

export function launchBrowser(browserName, profile) {
    return puppeteer.launch(browserName === 'firefox' ? {
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
}

// Runs in every document the page loads, before its own scripts.
function noteDrawingAndMenus() {
    window.contextMenus = {fired: 0, letThrough: 0};
    window.addEventListener('contextmenu', (event) => {
        ++window.contextMenus.fired;
        if (!event.defaultPrevented) ++window.contextMenus.letThrough;
    });
    // The pictures the program hands WebGL, copied as they are handed over.
    window.textureUploads = [];
    const texImage2D = WebGLRenderingContext.prototype.texImage2D;
    WebGLRenderingContext.prototype.texImage2D = function(...args) {
        const pixels = args[args.length - 1];
        if (ArrayBuffer.isView(pixels)) {
            window.textureUploads.push(
                new Uint8Array(pixels.buffer, pixels.byteOffset, pixels.byteLength).slice());
        }
        return texImage2D.apply(this, args);
    };
    for (const name of ['drawArrays', 'drawElements']) {
        const draw = WebGLRenderingContext.prototype[name];
        WebGLRenderingContext.prototype[name] = function(...args) {
            if (window.firstDrawMs === undefined) window.firstDrawMs = performance.now();
            window.drawCalls = (window.drawCalls || 0) + 1;
            return draw.apply(this, args);
        };
    }
}

// A new page, of the browser or of one of its contexts, whose console messages go to
// CONSOLE_LINES. It notes when the program first draws, to time the first frame from navigation,
// the pictures it uploads, its drawing calls and the context menus the page let the browser open.
export async function openPage(browser, consoleLines) {
    const page = await browser.newPage();
    await page.setViewport({width: 800, height: 1000, deviceScaleFactor: 1});
    page.on('console', (message) => consoleLines.push(`${message.type()}: ${message.text()}`));
    page.on('pageerror', (error) => consoleLines.push(`pageerror: ${error.message}`));
    await page.evaluateOnNewDocument(noteDrawingAndMenus);
    return page;
}
