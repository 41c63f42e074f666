// A first visit in headless Chromium: the first result waits for neither the catalogue nor the
// emitters panel's modules, and what is typed before they arrive waits for them; the module
// comes gzipped and is unpacked by the page, or used as it comes when the host unpacked it.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { SITE_PARENT, haveQuery, noticeText, query, queryRows, startSite, tableCells, typeInto, waitForShown } from './support.mjs';

let site;
before(async () => { site = await startSite(); });
after(async () => { await site?.close(); });

const WATER_1MEV = [['1.000E+00', '1.810E+00', '1.210E-02', '1.822E+00', '4.398E-01']];

// A page whose requests for files ending in a rule's name are answered by the rule: 'hold'
// until page.release(name), 'fail' with a 503 until then, or given bytes. Resolves once the first
// result is on screen; page.requested lists the site's files asked for until then.
async function openHeld(query, rules) {
    const context = await site.browser.createBrowserContext();
    const page = await context.newPage();
    page.problems = [];
    page.on('pageerror', (error) => page.problems.push(String(error)));
    const held = new Map();
    page.release = (name) => { for (const go of held.get(name) ?? []) go(); held.delete(name); rules[name] = null; };
    page.requested = [];
    await page.setRequestInterception(true);
    page.on('request', (request) => {
        const file = request.url().split('/site/')[1]?.split('?')[0] ?? '';
        page.requested.push(decodeURIComponent(file));
        const name = Object.keys(rules).find((key) => rules[key] && file.endsWith(key));
        const rule = name && rules[name];
        if (rule === 'hold') held.set(name, [...(held.get(name) ?? []), () => request.continue()]);
        else if (rule === 'fail') request.respond({ status: 503, body: 'down' });
        else if (rule instanceof Uint8Array) request.respond({ status: 200, contentType: 'application/octet-stream', body: Buffer.from(rule) });
        else request.continue();
    });
    await page.goto(site.url + query);
    await page.waitForSelector('body[data-ready="true"]', { timeout: 30000 });
    page.requested = page.requested.slice();
    return page;
}

const beyondHeader = (page) => page.$eval('#emitters-table thead th:last-child', (th) => th.textContent);

test('the first result waits for neither the catalogue nor the emitters panel', async () => {
    for (const [query, particle] of [['', 'positron'], ['?particle=electron', 'electron']]) {
        const page = await openHeld(query, { 'catalogue.json': 'hold', 'js/emitters.js': 'hold' });
        await waitForShown(page, 'Water, liquid', particle);
        if (!query) assert.deepEqual(await tableCells(page, 'results'), WATER_1MEV);
        assert.ok(page.requested.includes('velmora.wasm.gz') && !page.requested.includes('velmora.wasm'), page.requested.join(' '));
        assert.ok(!page.requested.includes('js/spectrum-plot.js'), query);
        // The panel keeps the room of its figures until they come: what is below it stays put.
        const calculateTop = () => page.$eval('#calculate', (button) => button.getBoundingClientRect().top + scrollY);
        const before = await calculateTop();
        page.release('js/emitters.js');
        await page.waitForSelector('body[data-emitters]');
        assert.ok(Math.abs(await calculateTop() - before) < 48, `${before} -> ${await calculateTop()}`);
        assert.deepEqual(page.problems, []);
        await page.browserContext().close();
    }
});

test('a name and a thickness typed before the catalogue and the panel arrive are answered then', async () => {
    // [thickness typed, its unit, the panel's share header, its notice]
    const cases = [['2', 'cm', 'Beyond 20 mm', ''], ['x', 'mm', 'Beyond 1 mm', 'Please type the thickness as a positive number.']];
    for (const [thickness, unit, header, notice] of cases) {
        const page = await openHeld('', { 'catalogue.json': 'hold', 'js/emitters.js': 'hold' });
        await typeInto(page, 'material', 'Lead');
        await page.select('#thickness-unit', unit);
        await typeInto(page, 'thickness', thickness);
        assert.equal(await page.evaluate(() => document.body.dataset.shown), 'Water, liquid|positron');
        page.release('catalogue.json');
        await waitForShown(page, 'Lead', 'positron');
        assert.equal(await noticeText(page), '');
        page.release('js/emitters.js');
        await page.waitForSelector('body[data-emitters="Lead|positron"]');
        assert.match(await beyondHeader(page), new RegExp(header), thickness);
        assert.equal(await page.$eval('#emitters-notice', (n) => (n.hidden ? '' : n.textContent)), notice, thickness);
        assert.deepEqual(page.problems, []);
        await page.browserContext().close();
    }
});

test('a catalogue that fails is reported when a name is typed, and fetched again for the next', async () => {
    const page = await openHeld('', { 'catalogue.json': 'fail' });
    await typeInto(page, 'material', 'Gold');
    await page.waitForFunction(() => !document.getElementById('notice').hidden);
    assert.equal(await noticeText(page), 'The list of materials could not be read: data/catalogue.json: 503');
    assert.equal(await page.evaluate(() => document.body.dataset.shown), 'Water, liquid|positron');
    page.release('catalogue.json');
    await typeInto(page, 'material', 'Gold');
    await waitForShown(page, 'Gold', 'positron');
    assert.equal(await noticeText(page), '');
    await page.browserContext().close();
});

test('an address naming materials waits for the catalogue; the shown one typed again keeps its tables', async () => {
    for (const [query, shown, overlays] of [['?material=Lead', 'Lead', 0], ['?overlay=positron:Gold', 'Water, liquid', 1]]) {
        const page = await openHeld(query, {});
        assert.equal(await page.evaluate(() => document.body.dataset.shown), `${shown}|positron`, query);
        assert.equal(await page.$$eval('#overlays li', (items) => items.length), overlays, query);
        assert.equal(await noticeText(page), '', query);
        await page.browserContext().close();
    }
    const water = await openHeld('', {});
    await water.click('#calculate');
    const rows = (await tableCells(water, 'interval')).length;
    assert.ok(rows > 90, String(rows));
    await typeInto(water, 'material', 'Water, liquid');
    await water.evaluate(() => new Promise((resolve) => setTimeout(resolve, 200)));
    assert.equal((await tableCells(water, 'interval')).length, rows);
    await water.browserContext().close();
});

test('of tables asked for at once the last one asked for is shown; one that cannot be fetched is reported', { skip: !haveQuery() && 'velmora-query is not built' }, async () => {
    const goldPositrons = 'p_QRV/079%20Gold.qrv';
    // Gold typed, then electrons clicked while Gold's positron table is on its way: that table,
    // arriving last, is not shown.
    const page = await openHeld('', { [goldPositrons]: 'hold' });
    await typeInto(page, 'material', 'Gold');
    while (!page.requested.includes('data/p_QRV/079 Gold.qrv')) await new Promise((go) => setTimeout(go, 20));
    await page.$eval('input[name=particle][value=electron]', (radio) => radio.click());
    await waitForShown(page, 'Gold', 'electron');
    const late = page.waitForResponse((response) => response.url().endsWith(goldPositrons));
    page.release(goldPositrons);
    await late;
    await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 300)));
    assert.equal(await page.evaluate(() => document.body.dataset.shown), 'Gold|electron');
    assert.deepEqual(await tableCells(page, 'results'), queryRows(query('at', 'gold', '--particle', 'electron', '1')));
    await page.browserContext().close();

    // A table that the host fails to send: a message, and the material and particle shown before.
    for (const [failing, act, shown] of [
        [goldPositrons, (p) => typeInto(p, 'material', 'Gold'), 'Water, liquid|positron'],
        ['e_STC/Water%20liquid.stc', (p) => p.$eval('input[name=particle][value=electron]', (radio) => radio.click()), 'Water, liquid|positron'],
    ]) {
        const failed = await openHeld('', { [failing]: 'fail' });
        await act(failed);
        await failed.waitForFunction(() => !document.getElementById('notice').hidden);
        assert.match(await noticeText(failed), /^The table of (Gold|Water, liquid) could not be read \(.*503\): the material shown before stays\.$/);
        assert.equal(await failed.evaluate(() => document.body.dataset.shown), shown);
        assert.deepEqual(await tableCells(failed, 'results'), WATER_1MEV);
        assert.equal(await failed.$eval('input[name=particle][value=positron]', (radio) => radio.checked), true);
        assert.doesNotMatch(await failed.evaluate(() => location.search), /Gold|electron/);
        // The page goes on from what it shows: electrons of water.
        if (failing === goldPositrons) {
            await failed.$eval('input[name=particle][value=electron]', (radio) => radio.click());
            await waitForShown(failed, 'Water, liquid', 'electron');
        }
        await failed.browserContext().close();
    }
});

test('the module is used as it comes when the host has unpacked it, and a damaged one is reported', async () => {
    const wasm = new Uint8Array(fs.readFileSync(path.join(SITE_PARENT, 'site', 'velmora.wasm')));
    const page = await openHeld('', { 'velmora.wasm.gz': wasm });
    assert.deepEqual(await tableCells(page, 'results'), WATER_1MEV);
    await page.browserContext().close();
    // A damaged module, or a first table the host fails to send: the page cannot start, and says so.
    for (const [file, answer] of [['velmora.wasm.gz', { status: 200, body: Buffer.from([0x1f, 0x8b, 8, 0, 1, 2, 3]) }],
        ['p_STC/Water%20liquid.stc', { status: 503, body: 'down' }]]) {
        const damaged = await site.browser.createBrowserContext();
        const broken = await damaged.newPage();
        await broken.setRequestInterception(true);
        broken.on('request', (request) => (request.url().endsWith(file) ? request.respond(answer) : request.continue()));
        await broken.goto(site.url);
        await broken.waitForFunction(() => !document.getElementById('notice').hidden, { timeout: 30000 });
        assert.match(await noticeText(broken), /^The page could not start: /, file);
        assert.equal(await broken.evaluate(() => document.body.dataset.ready), undefined);
        await damaged.close();
    }
});
