// The driver's steps that write what the page shows into the output folder, for the tests to
// judge, or audit it. Each takes the session and the text after the step's first colon.
import {readFileSync, writeFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {join} from 'node:path';

const axeScript = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'),
                               'utf8');

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

// Fails, listing them, on the page's violations of axe-core's WCAG 2.1 A and AA rules and of
// its best practices.
async function axe({page}) {
    await page.evaluate(axeScript);
    const {violations} = await page.evaluate(() => window.axe.run(document, {runOnly: {
        type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'],
    }}));
    if (violations.length === 0) return;
    const where = (rule) => rule.nodes.map((node) => `\n  at ${node.target.join(' ')}`).join('');
    throw new Error(`${page.viewport().width} CSS pixels wide, the page breaks accessibility rules:` +
                    violations.map((rule) => `\n${rule.id} (${rule.impact}): ${rule.help}` +
                                             `${where(rule)}`).join(''));
}

export const recordSteps = {
    axe,
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
    // The pictures the program uploaded, in its order, each as NAME-N.rgb.
    textures: async ({page, outDir}, argument) => {
        const uploads = await page.evaluate(() => textureUploads.map((pixels) => Array.from(pixels)));
        uploads.forEach((pixels, i) =>
            writeFileSync(join(outDir, `${argument}-${i}.rgb`), Buffer.from(pixels)));
    },
};
