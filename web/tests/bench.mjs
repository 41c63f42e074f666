// Figures of the web edition in headless Chromium on this machine (not a test: it prints them).
//   node web/tests/bench.mjs          (after scripts/web --build-only)
// Navigation to the first result on screen and the bytes transferred until then, with a cold
// cache (a fresh browser context each time); one typed energy to updated results and graphs;
// 10,000 pasted energies to a rendered table; a pointer move to an updated read-out. The last
// three are measured inside the page from the input event to the end of the following style
// and layout (forced), as medians. The pasted energies' figure is followed by its parts: the
// core's answer alone, and the layout of the energies' box alone after its text was set (what
// Chromium spends on the 10,000 lines whoever handles them).
import { openPage, startSite } from './support.mjs';

const runs = Number(process.env.VELMORA_BENCH_RUNS ?? 7);
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];
const site = await startSite();
try {
    const navigation = [];
    const bytes = [];
    for (let run = 0; run < runs; ++run) {
        const context = await site.browser.createBrowserContext();
        const page = await context.newPage();
        const client = await page.createCDPSession();
        await client.send('Network.enable');
        // Each response's bytes with the moment it finished (the browser's monotonic clock, in
        // seconds); the document request's wall time maps that clock onto the page's, so that
        // only what finished before the first result was on screen is counted, not what arrives
        // while this script learns that it is.
        const finished = [];
        let wallOffset = null;
        client.on('Network.requestWillBeSent', (event) => { wallOffset ??= event.wallTime - event.timestamp; });
        client.on('Network.loadingFinished', (event) => finished.push(event));
        await page.evaluateOnNewDocument(() => {
            new MutationObserver((_, observer) => {
                if (document.body?.dataset.ready === 'true') {
                    window.velmoraReadyAt = performance.now();
                    observer.disconnect();
                }
            }).observe(document, { subtree: true, attributes: true, attributeFilter: ['data-ready'] });
        });
        await page.goto(site.url);
        await page.waitForSelector('body[data-ready="true"]');
        const [readyAt, readyWall] = await page.evaluate(() => [window.velmoraReadyAt, performance.timeOrigin + window.velmoraReadyAt]);
        navigation.push(readyAt);
        bytes.push(finished.filter((event) => event.timestamp + wallOffset <= readyWall / 1000)
            .reduce((sum, event) => sum + event.encodedDataLength, 0));
        await context.close();
    }
    console.log(`navigation to the first result: median ${median(navigation).toFixed(0)} ms ` +
        `(runs: ${navigation.map((t) => t.toFixed(0)).join(', ')})`);
    console.log(`bytes transferred until then: ${median(bytes)} (${(median(bytes) / 1024).toFixed(0)} KiB)`);

    const page = await openPage(site);
    const timed = (text) => page.evaluate((typed, count) => {
        const box = document.getElementById('energies');
        const times = [];
        for (let k = 0; k < count; ++k) {
            box.value = k % 2 ? typed : typed + ' ';
            const start = performance.now();
            box.dispatchEvent(new Event('input', { bubbles: true }));
            void document.body.offsetHeight;
            times.push(performance.now() - start);
        }
        return times;
    }, text, runs);
    const typed = await timed('2.5');
    console.log(`one typed energy to updated results and graphs: median ${median(typed).toFixed(2)} ms`);
    const list = Array.from({ length: 10000 }, (_, k) => (0.01 + k * 0.0999).toPrecision(6)).join('\n');
    const pasted = await timed(list);
    console.log(`10,000 pasted energies to a rendered table: median ${median(pasted).toFixed(1)} ms ` +
        `(${await page.$$eval('#results tbody tr:not(.spacer)', (rows) => rows.length)} rows on the page)`);
    const parts = await page.evaluate(async (typed, count) => {
        const { Library } = await import('./js/data.js');
        const library = await Library.open();
        await library.loadCatalogue?.();  // fetched after the first result
        const water = await library.table(library.exact('Water, liquid'), 'positron');
        const box = document.getElementById('energies');
        const core = [];
        const layout = [];
        for (let k = 0; k < count; ++k) {
            let start = performance.now();
            water.answer(typed, false, false, 'auto');
            core.push(performance.now() - start);
            box.value = '1';
            void document.body.offsetHeight;
            box.value = k % 2 ? typed : typed + ' ';
            start = performance.now();
            void document.body.offsetHeight;
            layout.push(performance.now() - start);
        }
        return { core, layout };
    }, list, runs);
    console.log(`  of which the core's answer: median ${median(parts.core).toFixed(1)} ms; ` +
        `the energies' box's own layout: median ${median(parts.layout).toFixed(1)} ms`);
    const pointer = await page.evaluate((count) => {
        const svg = document.querySelector('#graphs svg');
        const box = svg.getBoundingClientRect();
        const times = [];
        for (let k = 0; k < count * 10; ++k) {
            const start = performance.now();
            svg.dispatchEvent(new PointerEvent('pointermove', { clientX: box.left + box.width * (0.15 + 0.7 * (k % 13) / 13), clientY: box.top + 50 }));
            void document.body.offsetHeight;
            times.push(performance.now() - start);
        }
        return times;
    }, runs);
    console.log(`pointer move to an updated read-out: median ${median(pointer).toFixed(2)} ms`);
} finally {
    await site.close();
}
