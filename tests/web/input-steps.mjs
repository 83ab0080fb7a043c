// The driver's steps that type, click and touch as a visitor does. Each takes the session and
// the text after the step's first colon; the session keeps where the pointer (or the finger on
// the picture) is, that finger, and the fingers on controls, by the controls' names.
import {sleep} from './page-steps.mjs';

// Two buttons go down and up one after the other, so for a moment one of them is held alone; a
// test that must not fly in between takes its pictures while both are held.
const buttonsOf = (button) => (button === 'both' ? ['left', 'right'] : [button]);

async function canvasAt(page, x, y) {
    const box = await (await page.$('#canvas')).boundingBox();
    return [box.x + x, box.y + y];
}

async function middleOf(page, selector) {
    const box = await (await page.waitForSelector(selector)).boundingBox();
    return [box.x + box.width / 2, box.y + box.height / 2];
}

async function key({page}, argument) {
    const shifted = argument.length === 1 && argument !== argument.toLowerCase();
    if (shifted) await page.keyboard.down('Shift');
    await page.keyboard.press(argument);
    if (shifted) await page.keyboard.up('Shift');
}

async function press(session, argument) {
    const [button, at] = argument.split(':');
    const [x, y] = at.split(',').map(Number);
    const {page} = session;
    session.pointer = await canvasAt(page, x, y);
    if (button === 'touch') {
        session.finger = await page.touchscreen.touchStart(...session.pointer);
    } else {
        await page.mouse.move(...session.pointer);
        for (const b of buttonsOf(button)) await page.mouse.down({button: b});
    }
}

async function move(session, argument) {
    const [by, count] = argument.split(':');
    const [dx, dy] = by.split(',').map(Number);
    const [startX, startY] = session.pointer;
    const {page} = session;
    for (let i = 1; i <= Number(count); ++i) {
        session.pointer = [startX + (dx * i) / count, startY + (dy * i) / count];
        await (session.finger ? session.finger.move(...session.pointer)
                              : page.mouse.move(...session.pointer));
    }
}

async function release(session, argument) {
    if (argument === 'touch') {
        await session.finger.end();
        session.finger = null;
        return;
    }
    for (const b of buttonsOf(argument)) await session.page.mouse.up({button: b});
}

async function releaseElsewhere({browser, page}, argument) {
    const other = await browser.newPage();
    await other.bringToFront();
    // This tab's mouse never sees the release; the other tab's takes a whole click.
    for (const b of buttonsOf(argument)) await other.mouse.click(10, 10, {button: b});
    await other.close();
    await page.bringToFront();
}

async function fingerDown({page, fingersOn}, name) {
    const finger = await page.touchscreen.touchStart(...(await middleOf(page, `aria/${name}`)));
    fingersOn[name] = [...(fingersOn[name] || []), finger];
}

// Lifts the finger put on the control NAME last.
async function fingerUp({fingersOn}, name) {
    await fingersOn[name].pop().end();
}

async function touchControl(session, argument) {
    const [name, ms] = argument.split(':');
    await fingerDown(session, name);
    await sleep(ms);
    await fingerUp(session, name);
}

async function mouseDown({page}, argument) {
    await page.mouse.move(...(await middleOf(page, `aria/${argument}`)));
    await page.mouse.down();
}

async function swipe({page}, argument) {
    const box = await (await page.$('table')).boundingBox();
    const [x, y] = [box.x + box.width / 2, box.y + box.height / 2];
    await page.touchscreen.touchStart(x, y);
    for (let i = 1; i <= 10; ++i) await page.touchscreen.touchMove(x, y - (argument * i) / 10);
    await page.touchscreen.touchEnd();
}

async function hold({page}, argument) {
    const [button, ms] = argument.split(':');
    await page.mouse.move(...(await canvasAt(page, 320, 240)));
    await page.mouse.down({button});
    await sleep(ms);
    await page.mouse.up({button});
}

export const inputSteps = {
    key,
    press,
    move,
    release,
    'release-elsewhere': releaseElsewhere,
    touch: touchControl,
    'finger-down': fingerDown,
    'finger-up': fingerUp,
    'mouse-down': mouseDown,
    swipe,
    hold,
};
