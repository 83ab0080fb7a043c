// The driver's steps that write what the page shows into the output folder, for the tests to
// judge. Each takes the session and the text after the step's first colon.
import {writeFileSync} from 'node:fs';
import {join} from 'node:path';

// Runs in the page: its title, heading, status, context menus let through and console text.
function pageText() {
    return [
        `title: ${document.title}`,
        `heading: ${document.getElementById('window-title').textContent}`,
        `status: ${document.getElementById('status').textContent}`,
        `context menus: ${contextMenus.fired} fired, ${contextMenus.letThrough} let through`,
        `console:\n${document.getElementById('console').textContent}`,
    ].join('\n');
}

async function js({page, outDir}, argument) {
    const [name, ...expression] = argument.split(':');
    const value = await page.evaluate(expression.join(':'));
    writeFileSync(join(outDir, `${name}.txt`), `${value}`);
}

async function installable({page, outDir}, argument) {
    const session = await page.createCDPSession();
    const manifest = await session.send('Page.getAppManifest');
    const {installabilityErrors} = await session.send('Page.getInstallabilityErrors');
    writeFileSync(join(outDir, `${argument}.txt`), [
        `manifest errors: ${JSON.stringify(manifest.errors)}`,
        `installability errors: ${JSON.stringify(installabilityErrors)}`,
    ].join('\n'));
}

export const recordSteps = {
    js,
    shot: async ({page, outDir}, argument) => {
        const canvas = await page.$('#canvas');
        await canvas.screenshot({path: join(outDir, `${argument}.png`), type: 'png'});
    },
    'page-shot': ({page, outDir}, argument) =>
        page.screenshot({path: join(outDir, `${argument}.png`), fullPage: true}),
    page: async ({page, outDir}, argument) => {
        writeFileSync(join(outDir, `${argument}.txt`), await page.evaluate(pageText));
    },
    'first-frame': async ({page, outDir}, argument) => {
        const ms = await page.evaluate(() => window.firstDrawMs);
        writeFileSync(join(outDir, `${argument}.txt`), `${ms}\n`);
    },
    installable,
};
