// The web graphs in headless Chromium: several materials overlaid (legend, read-out, link,
// limits, keyboard), the SVG and PNG downloads as files, a CP932 material file of the user's own,
// the element symbols that the core knows, and a long answer shown through a window of rows.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import {
    ROOT, choose, haveQuery, noticeText, openPage, query, queryRows, startSite, tableCells, typeInto, waitForShown,
} from './support.mjs';

let site;
before(async () => { site = await startSite(); });
after(async () => { await site?.close(); });

const WATER_1MEV = 'Collision 1.810E+00 · Radiative 1.210E-02 · Total 1.822E+00 MeV cm²/g · CSDA range 4.398E-01 g/cm²';
const LN10 = Math.log(10);

const readout = (page) => page.$eval('#readout', (r) => r.textContent);
const overlayNames = (page) => page.$$eval('#overlays li span', (names) => names.map((n) => n.textContent));
const legendTexts = (page) => page.$$eval('#graphs .material-legend text', (texts) => texts.map((x) => x.textContent));

// The file a button offers: its name and bytes (base64), taken from the link the page clicks.
async function downloadedFile(page, id) {
    // The page's Content-Security-Policy keeps fetch() from blob: addresses: the blobs are
    // taken where the page makes their addresses.
    return page.evaluate((id) => new Promise((resolve) => {
        const blobs = new Map();
        const createObjectURL = URL.createObjectURL;
        URL.createObjectURL = (blob) => {
            const url = createObjectURL(blob);
            blobs.set(url, blob);
            return url;
        };
        const click = HTMLAnchorElement.prototype.click;
        HTMLAnchorElement.prototype.click = function saved() {
            HTMLAnchorElement.prototype.click = click;
            URL.createObjectURL = createObjectURL;
            blobs.get(this.href).arrayBuffer().then((buffer) => {
                let binary = '';
                for (const byte of new Uint8Array(buffer)) binary += String.fromCharCode(byte);
                resolve({ name: this.download, base64: btoa(binary) });
            });
        };
        document.getElementById(id).click();
    }), id);
}

// Points at 1 MeV on the stopping-power graph.
async function pointAtOneMeV(page) {
    const graph = await page.$('#graphs svg');
    await graph.scrollIntoView();
    const box = await graph.boundingBox();
    await page.mouse.move(box.x + box.width * (1.5 + 2 * LN10) / 13.5, box.y + box.height / 2);
}

test('materials overlaid: legend, read-out at the snapped row, limits, keyboard removal and the link', { skip: !haveQuery() && 'velmora-query is not built' }, async () => {
    const page = await openPage(site);
    assert.equal(await page.$eval('#overlays', (list) => list.hidden), true);
    await page.click('#overlay-add');
    await choose(page, 'Lead', 'electron');
    await page.click('#overlay-add');
    await page.click('#overlay-add');
    assert.match(await noticeText(page), /Lead \(electrons\) is already in the comparison/);
    assert.deepEqual(await overlayNames(page), ['Water, liquid (positrons)', 'Lead (electrons)']);
    assert.deepEqual(await legendTexts(page), ['Lead (electrons)', 'Water, liquid (positrons)', 'Lead (electrons)']);
    // Every overlaid material has its own colour and dash on both graphs (3 + 1 curves each).
    const styles = await page.$$eval('#graphs polyline[stroke-dasharray]', (lines) => lines.map((l) => `${l.getAttribute('stroke')} ${l.getAttribute('stroke-dasharray')}`));
    assert.equal(styles.length, 8);
    assert.equal(new Set(styles).size, 2);

    await pointAtOneMeV(page);
    const lead = queryRows(query('at', 'lead', '--particle', 'electron', '1'))[0];
    assert.equal(await readout(page), [
        `Lead (electrons): Energy 1.000E+00 MeV · Collision ${lead[1]} · Radiative ${lead[2]} · Total ${lead[3]} MeV cm²/g · CSDA range ${lead[4]} g/cm²`,
        `Water, liquid (positrons): ${WATER_1MEV}`,
        `Lead (electrons): Collision ${lead[1]} · Radiative ${lead[2]} · Total ${lead[3]} MeV cm²/g · CSDA range ${lead[4]} g/cm²`,
    ].join('\n'));

    // The link brings the comparison back; a new page reads out the same.
    const link = await page.evaluate(() => location.search);
    assert.match(link, /overlay=positron%3AWater%2C\+liquid&overlay=electron%3ALead/);
    const again = await openPage(site, link);
    assert.deepEqual(await overlayNames(again), await overlayNames(page));
    await pointAtOneMeV(again);
    assert.equal(await readout(again), await readout(page));
    assert.equal(await noticeText(again), '');

    // Up to six; the seventh is refused and the six stay.
    for (const material of ['Gold', 'Hydrogen', 'Polyethylene', 'Sodium iodide', 'Lung (ICRP)']) {
        await choose(page, material);
        await page.click('#overlay-add');
    }
    assert.match(await noticeText(page), /At most 6 materials can be compared/);
    assert.equal((await overlayNames(page)).length, 6);
    assert.equal(new Set(await page.$$eval('#graphs polyline[stroke-dasharray]', (lines) => lines.map((l) => l.getAttribute('stroke')))).size, 6);

    // Removing by keyboard: the button names its material; focus stays in the list.
    const remove = await page.$('::-p-aria([name="Remove Lead (electrons) from the comparison"][role="button"])');
    await remove.focus();
    await page.keyboard.press('Enter');
    assert.deepEqual(await overlayNames(page), ['Water, liquid (positrons)', 'Gold (positrons)', 'Hydrogen (positrons)', 'Polyethylene (positrons)', 'Sodium iodide (positrons)']);
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'Remove Gold (positrons) from the comparison');
    assert.doesNotMatch(await page.evaluate(() => location.search), /Lead/);
    for (let k = 0; k < 5; ++k) await page.keyboard.press('Enter');
    assert.deepEqual(await overlayNames(page), []);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'overlay-add');
    assert.equal(await page.$('#graphs .material-legend'), null);
    assert.doesNotMatch(await page.evaluate(() => location.search), /overlay/);
    assert.deepEqual(page.problems, []);
});

test('overlays in the address are validated: each faulty one is reported and left out', async () => {
    const seven = ['Gold', 'Lead', 'Hydrogen', 'Polyethylene', 'Sodium iodide', 'Lung (ICRP)', 'Kapton polyimide film']
        .map((m) => `overlay=positron:${encodeURIComponent(m)}`).join('&');
    const cases = [
        ['overlay=Lead', [/"overlay" was not used: its value is not valid/], []],
        ['overlay=proton:Lead&overlay=positron:Lead', [/its value is not valid/], ['Lead (positrons)']],
        ['overlay=positron:%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E', [/No material is called "<img src=x onerror=alert\(1\)>"/], []],
        ['overlay=electron:Gold&overlay=electron:Gold', [/named twice/], ['Gold (electrons)']],
        ['overlay=positron:Gold&overlay=positron:079%20Gold.qrv', [/named twice/], ['Gold (positrons)']],
        ['overlay=positron:kapton', [], ['Kapton polyimide film (positrons)']],
        [seven, [/more than 6 materials to compare/], ['Gold', 'Lead', 'Hydrogen', 'Polyethylene', 'Sodium iodide', 'Lung (ICRP)'].map((m) => `${m} (positrons)`)],
        ['overlay=positron:' + 'x'.repeat(201), [/its value is not valid/], []],
        // The one named twice does not count towards the six.
        ['overlay=positron:Gold&' + seven, [/named twice/, /more than 6 materials to compare/],
            ['Gold', 'Lead', 'Hydrogen', 'Polyethylene', 'Sodium iodide', 'Lung (ICRP)'].map((m) => `${m} (positrons)`)],
    ];
    for (const [address, messages, kept] of cases) {
        const page = await openPage(site, '?' + address);
        const notice = await noticeText(page);
        for (const message of messages) assert.match(notice, message, address);
        if (!messages.length) assert.equal(notice, '', address);
        assert.deepEqual(await overlayNames(page), kept, address);
        assert.deepEqual(await tableCells(page, 'results'), [['1.000E+00', '1.810E+00', '1.210E-02', '1.822E+00', '4.398E-01']]);
        assert.equal(await page.$$eval('img, script:not([src])', (found) => found.length), 0);
        assert.deepEqual(page.problems, [], address);
        await page.browserContext().close();
    }
});

test('no axe-core violations with materials overlaid and a long answer', async () => {
    const axe = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
    const context = await site.browser.createBrowserContext();
    const page = await context.newPage();
    await page.setBypassCSP(true);  // axe is injected as an inline script
    await page.setViewport({ width: 360, height: 800 });
    await page.goto(site.url + '?overlay=positron:Gold&overlay=electron:Kapton%20polyimide%20film&lang=ja');
    await page.waitForSelector('body[data-ready="true"]');
    await typeInto(page, 'energies', '1 '.repeat(2000));  // the results through a window of rows
    await page.addScriptTag({ content: axe });
    const violations = await page.evaluate(async () => (await window.axe.run(document,
        { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } })).violations
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
    assert.deepEqual(violations, []);
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth));
    assert.deepEqual(await overlayNames(page), ['Gold (陽電子)', 'Kapton polyimide film (電子)']);
    await context.close();
});

test('the SVG download is a well-formed file with the curves of the table and the axis labels', { skip: !haveQuery() && 'velmora-query is not built' }, async () => {
    // Each case: the address, and the tables of its solid and its dashed curves.
    for (const [address, solidTable, dashedTable] of [['', ['Water, liquid'], null],
        ['?compare=1', ['Water, liquid'], ['Water, liquid', '--particle', 'electron']],
        // With electrons shown, the comparison waits for positrons: no electron curves over themselves.
        ['?compare=1&particle=electron', ['Water, liquid', '--particle', 'electron'], null],
        ['?overlay=electron:Gold', ['Water, liquid'], ['Gold', '--particle', 'electron']]]) {
        const page = await openPage(site, address);
        const file = await downloadedFile(page, 'download-svg');
        assert.equal(file.name, 'Water, liquid.svg');
        const svg = Buffer.from(file.base64, 'base64').toString('utf8');
        const parsed = await page.evaluate((text) => {
            const doc = new DOMParser().parseFromString(text, 'image/svg+xml');
            const root = doc.documentElement;
            return {
                error: doc.querySelector('parsererror')?.textContent ?? '',
                root: `${root.namespaceURI} ${root.localName} ${root.getAttribute('width')}x${root.getAttribute('height')}`,
                texts: Array.from(doc.querySelectorAll('text'), (t) => t.textContent),
                curves: Array.from(doc.querySelectorAll('polyline'), (p) => ({
                    colour: p.getAttribute('stroke'), dashed: p.hasAttribute('stroke-dasharray'),
                    points: p.getAttribute('points').split(' ').map((xy) => xy.split(',').map(Number)),
                })),
            };
        }, svg);
        assert.equal(parsed.error, '', address);
        assert.equal(parsed.root, 'http://www.w3.org/2000/svg svg 540x1192');
        for (const label of ['Energy, MeV', 'MeV cm²/g', 'g/cm²', 'Total', 'Collision', 'Radiative', '10-2', '103', '10-4']) {
            assert.ok(parsed.texts.includes(label), `${address}: "${label}" in ${parsed.texts}`);
        }
        assert.equal(parsed.curves.length, dashedTable ? 8 : 4, address);
        // The curves are the tables' rows: collision, radiative, total (upper graph, 3 decades
        // below 10^0) and csda range (lower graph, 4), at 40 units per ln unit.
        for (const [dashed, table] of [[false, solidTable], [true, dashedTable]]) {
            if (!table) continue;
            const rows = queryRows(query('show', ...table), 4).map((row) => row.map(Number));
            parsed.curves.filter((c) => c.dashed === dashed).forEach((curve, c) => {
                assert.equal(curve.points.length, 81);
                curve.points.forEach(([x, y], k) => {
                    assert.ok(Math.abs(Math.exp(x / 40 - 1.5 - 2 * LN10) / rows[k][0] - 1) < 1e-3, `energy of row ${k + 1}`);
                    const top = c < 3 ? 14.3 : 13.9;
                    const value = Math.exp(top - y / 40 - (c < 3 ? 3 : 4) * LN10);
                    assert.ok(Math.abs(value / rows[k][c + 1] - 1) < 2e-3, `${address} ${table}: column ${c + 1} of row ${k + 1}: ${value}`);
                });
            });
        }
    }
});

test('the PNG download is a PNG file of the graphs\' pixel size with their colours', { skip: !haveQuery() && 'velmora-query is not built' }, async () => {
    const page = await openPage(site, '?compare=1');
    const file = await downloadedFile(page, 'download-png');
    assert.equal(file.name, 'Water, liquid.png');
    const bytes = Buffer.from(file.base64, 'base64');
    assert.deepEqual([...bytes.subarray(0, 8)], [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
    assert.equal(bytes.toString('latin1', 12, 16), 'IHDR');
    assert.deepEqual([bytes.readUInt32BE(16), bytes.readUInt32BE(20)], [540, 1192]);
    // Drawn back: the navy ground in the margin, the white frame, and at 10 MeV (away from the
    // cursor lines at the typed 1 MeV) the red radiative and the yellow csda range curves where
    // the table puts them: x = 40 (1.5 + ln E + 2 ln 10), y = 40 (top - ln value - decades ln 10)
    // with the lower graph 15.8 · 40 below the upper one.
    const [, , radiative, , range] = queryRows(query('at', 'water, liquid', '10'))[0].map(Number);
    const pixels = await page.evaluate(async (base64, places) => {
        const image = new Image();
        image.src = `data:image/png;base64,${base64}`;
        await image.decode();
        const canvas = document.createElement('canvas');
        canvas.width = image.width;
        canvas.height = image.height;
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        const at = (x, y) => Array.from(context.getImageData(x, y, 1, 1).data);
        // The colours found within two pixels above and below a place, as "r,g,b".
        const near = ([x, y]) => Array.from({ length: 5 }, (_, k) => at(Math.round(x), Math.round(y) + k - 2).slice(0, 3).join(','));
        return { ground: at(10, 10), frame: at(60, 300), radiative: near(places[0]), range: near(places[1]) };
    }, file.base64, [[40 * (1.5 + 3 * LN10), 40 * (14.3 - Math.log(radiative) - 3 * LN10)],
        [40 * (1.5 + 3 * LN10), 40 * (15.8 + 13.9 - Math.log(range) - 4 * LN10)]]);
    assert.deepEqual(pixels.ground, [0, 0, 128, 255]);
    assert.deepEqual(pixels.frame, [255, 255, 255, 255]);
    assert.ok(pixels.radiative.includes('255,85,85'), `the radiative curve at 10 MeV: ${pixels.radiative}`);
    assert.ok(pixels.range.includes('255,255,85'), `the csda range curve at 10 MeV: ${pixels.range}`);
});

// A material file written in CP932 as Japanese Windows programs write it: the name line holds
// kanji, full-width brackets, NEC and IBM extension characters and katakana.
const CP932_NAME = '水（液体）①～髙テスト';
const CP932_BYTES = Buffer.from('90 85 81 69 89 74 91 cc 81 6a 87 40 81 60 fb fc 83 65 83 58 83 67'.split(' ').map((h) => parseInt(h, 16)));

function ownFile(folder, fileName, transform) {
    const bundled = fs.readFileSync(path.join(ROOT, 'data/p_STC/Water liquid.stc'));
    const file = path.join(folder, fileName);
    fs.writeFileSync(file, transform(Buffer.concat([CP932_BYTES, bundled.subarray(bundled.indexOf('\r\n'))])));
    return file;
}

test('a CP932 material file of the user\'s own: the decoded name and velmora-query\'s values', { skip: !haveQuery() && 'velmora-query is not built' }, async () => {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-cp932-'));
    try {
        const file = ownFile(folder, '水テスト.stc', (bytes) => bytes);
        const energies = ['0.01', '0.511', '1', '2.5', '1000'];
        const page = await openPage(site, `?energies=${energies.join('%20')}`);
        await (await page.$('#own-file')).uploadFile(file);
        await waitForShown(page, CP932_NAME, 'positron');
        assert.equal(query('show', file).split('\n')[0], `${CP932_NAME} (positrons, ${file})`);
        assert.match(await page.$eval('#material-head', (e) => e.textContent), new RegExp(`^${CP932_NAME}: density 1\\.000 g/cm³`));
        assert.equal(await page.$eval('#status', (e) => e.textContent), `Your file "水テスト.stc" was read: ${CP932_NAME}.`);
        assert.deepEqual(await tableCells(page, 'results'), queryRows(query('at', file, ...energies)));
        assert.deepEqual(await tableCells(page, 'material-table'), queryRows(query('show', file), 4));

        // Overlaid, it is named in the legend but stays out of the link (it never leaves the page).
        await page.click('#overlay-add');
        assert.deepEqual(await overlayNames(page), [`${CP932_NAME} (positrons)`]);
        await choose(page, 'Lead');
        assert.deepEqual(await legendTexts(page), ['Lead (positrons)', `${CP932_NAME} (positrons)`]);
        assert.doesNotMatch(await page.evaluate(() => location.search), /overlay/);

        // A file cut short is refused with the reader's message; the shown result stays.
        const shown = await tableCells(page, 'results');
        const cut = ownFile(folder, 'cut.stc', (bytes) => bytes.subarray(0, bytes.length / 2));
        await (await page.$('#own-file')).uploadFile(cut);
        await page.waitForFunction(() => !document.getElementById('notice').hidden);
        assert.match(await noticeText(page), /^Your file was refused: .*cut\.stc/);
        assert.deepEqual(await tableCells(page, 'results'), shown);
        assert.deepEqual(page.problems, []);
    } finally {
        fs.rmSync(folder, { recursive: true, force: true });
    }
});

test('element symbols are the core\'s: exact symbols name elements, other texts are matched', async () => {
    const page = await openPage(site);
    for (const [typed, shown] of [['Pb', 'Lead'], ['W', 'Tungsten'], ['I', 'Iodine'], ['Cf', 'Californium'], ['C', 'Carbon, amorphous'],
        ['Water, liquid', 'Water, liquid'], ['Bk', 'Berkelium']]) {
        await typeInto(page, 'material', typed);
        await waitForShown(page, shown, 'positron');
    }
    // "Es" (99) is a symbol without a bundled table, "pb" no symbol: both go to name matching.
    for (const [typed, message] of [['Es', /No material is called "Es"|matches several materials/], ['pb', /No material is called "pb"|matches several/]]) {
        await typeInto(page, 'material', typed);
        assert.match(await noticeText(page), message);
        assert.match(await page.$eval('#material-head', (e) => e.textContent), /^Berkelium/);
    }
});

test('a long answer is shown through a window of rows that scrolling moves', { skip: !haveQuery() && 'velmora-query is not built' }, async () => {
    const energies = Array.from({ length: 5000 }, (_, k) => (0.01 + k * 0.19).toPrecision(k % 5 + 2));
    const expected = queryRows(query('at', 'water, liquid', ...energies));
    const page = await openPage(site);
    await typeInto(page, 'energies', energies.join('\n'));
    assert.equal(await page.$eval('#results', (table) => table.getAttribute('aria-rowcount')), '5001');
    // The rows on the page are the answers at their places, wherever the box is scrolled.
    const shownRows = () => page.$$eval('#results tbody tr:not(.spacer)', (rows) => rows.map((row) =>
        [Number(row.getAttribute('aria-rowindex')) - 2, Array.from(row.cells, (c) => c.textContent)]));
    for (const fraction of [0, 0.37, 0.5, 1]) {
        await page.$eval('#results', (table, f) => {
            const box = table.parentElement;
            box.scrollTop = f * (box.scrollHeight - box.clientHeight);
        }, fraction);
        await page.waitForFunction((f) => {
            const box = document.getElementById('results').parentElement;
            const rows = Array.from(box.querySelectorAll('tbody tr:not(.spacer)'));
            const top = box.getBoundingClientRect().top + 40;
            return rows.some((row) => Math.abs(row.getBoundingClientRect().top - top) < 30);
        }, {}, fraction);
        const rows = await shownRows();
        assert.ok(rows.length > 10 && rows.length < 200, `${rows.length} rows on the page`);
        for (const [index, cells] of rows) assert.deepEqual(cells, expected[index], `row ${index + 1} at ${fraction}`);
        if (fraction === 1) assert.equal(rows.at(-1)[0], 4999);
        if (fraction === 0) assert.equal(rows[0][0], 0);
    }
    // A shorter answer after scrolling far down is shown whole again.
    await typeInto(page, 'energies', '1 2');
    assert.deepEqual(await tableCells(page, 'results'), queryRows(query('at', 'water, liquid', '1', '2')));
    assert.equal(await page.$eval('#results', (table) => table.hasAttribute('aria-rowcount')), false);
});
