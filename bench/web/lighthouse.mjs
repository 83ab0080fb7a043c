// Audits the page at URL with Lighthouse as it audits for a phone (a slow 4G network and a
// processor four times slower, simulated), each run a first visit in a browser of its own, and
// prints the median of each timing over the runs and every run's scores, as "name: value" lines
// whose names start with PREFIX.
// Usage: node lighthouse.mjs PREFIX URL [RUNS]
import {launch} from 'chrome-launcher';
import lighthouse from 'lighthouse';

import {median} from './median.mjs';

const [prefix, url, runs = '3'] = process.argv.slice(2);
if (!prefix || !url) {
    console.error('usage: node lighthouse.mjs PREFIX URL [RUNS]');
    process.exit(2);
}

const chromeFlags = ['--headless=new', '--no-sandbox', '--use-angle=swiftshader',
                     '--enable-unsafe-swiftshader', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync', '--no-first-run'];
const categories = ['performance', 'accessibility', 'best-practices', 'seo'];
const timings = {
    fcp_ms: 'first-contentful-paint',
    lcp_ms: 'largest-contentful-paint',
    tbt_ms: 'total-blocking-time',
    cls: 'cumulative-layout-shift',
};

const reports = [];
for (let run = 0; run < Number(runs); ++run) {
    const chrome = await launch({chromePath: process.env.CHROMIUM || '/usr/bin/chromium',
                                 chromeFlags});
    try {
        const result = await lighthouse(url, {port: chrome.port, logLevel: 'error',
                                              onlyCategories: categories});
        reports.push(result.lhr);
    } finally {
        await chrome.kill();
    }
}

for (const [name, audit] of Object.entries(timings)) {
    const value = median(reports.map((report) => report.audits[audit].numericValue));
    console.log(`${prefix}_${name}: ${name === 'cls' ? value.toFixed(3) : value.toFixed(0)}`);
}
for (const category of categories) {
    const scores = reports.map((report) => report.categories[category].score);
    console.log(`${prefix}_${category.replace('-', '_')}: ${scores.join(' ')}`);
}
// What lost points in any run, for whoever wants to know why.
const failed = new Set();
for (const report of reports) {
    for (const category of categories.slice(1)) {
        for (const ref of report.categories[category].auditRefs) {
            const audit = report.audits[ref.id];
            if (ref.weight > 0 && audit.score !== null && audit.score < 1) failed.add(ref.id);
        }
    }
}
console.log(`${prefix}_failed_audits: ${[...failed].join(' ') || 'none'}`);
