// The web edition in headless Chromium: its numbers against velmora-query's, its refusals, the
// shared link, the table window's CSV bytes, accessibility, the narrow layout and offline use.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import {
    choose, downloadedText, haveQuery, noticeText, openPage, query, queryRows, startSite, tableCells, typeInto, ulpsApart, waitForShown,
} from './support.mjs';

let site;
before(async () => { site = await startSite(); });
after(async () => { await site?.close(); });

// VELMORA_WEB_QUICK=1 (for mutation runs) compares three materials at 60 energies.
const QUICK = process.env.VELMORA_WEB_QUICK === '1';
const MATERIALS = ['Water, liquid', 'Lead', 'Kapton polyimide film', 'Air, dry (near sea level)',
    'Bone, cortical (ICRP)', 'Lung (ICRP)', 'Polyethylene', 'Gold', 'Hydrogen', 'Sodium iodide'].slice(0, QUICK ? 3 : 10);

// The core computes its logarithms and exponentials itself (core/exact_math.h), with the same
// bits in WebAssembly as natively: the page's full-precision doubles equal velmora-query's.
const MAX_ULPS = 0;

// 300 energies from 0.01 to 1000 MeV in the forms people type: plain, with exponents, with a
// trailing point, the table's own energies among them.
function energies() {
    const list = ['0.01', '1000', '1', '1.25e-2', '100.', '.5', '2E+1'];
    for (let k = 0; list.length < (QUICK ? 60 : 300); ++k) {
        const energy = 10 ** (-2 + 5 * ((k * 0.6180339887) % 1));
        list.push(k % 3 === 0 ? energy.toExponential(4) : energy.toPrecision(k % 7 + 2));
    }
    return list;
}

test('opens on Water, liquid, positrons, 1 MeV with the main window\'s values', async () => {
    const page = await openPage(site);
    assert.deepEqual(await tableCells(page, 'results'), [['1.000E+00', '1.810E+00', '1.210E-02', '1.822E+00', '4.398E-01']]);
    assert.match(await page.$eval('#material-head', (e) => e.textContent), /Water, liquid: density 1\.0+ g\/cm³, mean excitation energy 75\.0 eV/);
    assert.equal((await tableCells(page, 'material-table')).length, 81);
    assert.deepEqual(page.problems, []);
});

test('shown and full-precision values equal velmora-query for ten materials and both particles', { skip: !haveQuery() && 'velmora-query is not built' }, async () => {
    const list = energies();
    const page = await openPage(site);
    await typeInto(page, 'energies', list.join('\n'));
    for (const material of MATERIALS) {
        for (const particle of ['positron', 'electron']) {
            await choose(page, material, particle);
            const shown = await tableCells(page, 'results');
            const expected = queryRows(query('at', material, '--particle', particle, ...list));
            assert.deepEqual(shown, expected, `${material}, ${particle}`);
            const csv = (await downloadedText(page, 'download-results')).trimEnd().split('\n').slice(1);
            const full = query('at', material, '--particle', particle, '--format', 'csv', ...list).trimEnd().split('\n').slice(1);
            assert.equal(csv.length, full.length);
            csv.forEach((line, k) => {
                const mine = line.split(',').map(Number);
                const theirs = full[k].split(',').map(Number);
                mine.forEach((value, c) => assert.ok(ulpsApart(value, theirs[c]) <= MAX_ULPS, `${material} ${particle} ${line} / ${full[k]}`));
            });
        }
    }
    // Per unit length with Sodium iodide's density (3.667 g/cm3): the range in cm in the download, as --linear gives it.
    await page.click('#linear');
    const linear = (await downloadedText(page, 'download-results')).trimEnd().split('\n').slice(1);
    const expected = query('at', 'Sodium iodide', '--particle', 'electron', '--linear', '--format', 'csv', ...list).trimEnd().split('\n').slice(1);
    linear.forEach((line, k) => line.split(',').map(Number).forEach((value, c) =>
        assert.ok(ulpsApart(value, Number(expected[k].split(',')[c])) <= MAX_ULPS, `--linear ${line} / ${expected[k]}`)));
    assert.match((await tableCells(page, 'results'))[0][4], /^\d\.\d{3}E[-+]\d\d (cm|mm|um)$/);
    const table = await tableCells(page, 'material-table');
    assert.deepEqual(table, queryRows(query('show', 'Sodium iodide', '--particle', 'electron'), 4));
});

test('Download CSV gives the bytes of the table window\'s file; the 5000-interval cut moves the end', { skip: !haveQuery() && 'velmora-query is not built' }, async () => {
    const page = await openPage(site);
    for (const [from, to, step] of [['0.1', '10', '0.1'], ['0.01', '1000', '0.37'], ['5', '0.02', '-0.05']]) {
        await typeInto(page, 'from', from);
        await typeInto(page, 'to', to);
        await typeInto(page, 'step', step);
        await page.click('#calculate');
        const csv = await downloadedText(page, 'download-csv');
        const expected = query('interval', 'water, liquid', '--from', from, '--to', to, '--step', step, '--format', 'window-csv');
        assert.equal(csv, expected, `${from} ${to} ${step}`);
    }
    await typeInto(page, 'from', '0.01');
    await typeInto(page, 'to', '1000');
    await typeInto(page, 'step', '0.01');
    await page.click('#calculate');
    assert.equal(await page.$eval('#to', (box) => box.value), '50.01');
    assert.match(await noticeText(page), /5000 intervals/);
    assert.equal((await tableCells(page, 'interval')).length, 5001);
});

test('the inverse: ranges give energies whose ranges are the typed ones', { skip: !haveQuery() && 'velmora-query is not built' }, async () => {
    const page = await openPage(site);
    await typeInto(page, 'range', '0.5 1 2');
    await page.select('#range-unit', 'cm');
    const shown = await tableCells(page, 'inverse');
    assert.deepEqual(shown, queryRows(query('energy-for-range', 'water, liquid', '--linear', '0.5', '1', '2')));
    await typeInto(page, 'material', 'Pb');
    await waitForShown(page, 'Lead', 'positron');
    await typeInto(page, 'range', '0.05 0.1');
    await page.select('#range-unit', 'mm');
    assert.deepEqual(await tableCells(page, 'inverse'), queryRows(query('energy-for-range', 'lead', '--linear', '0.005', '0.01'))
        .map(([, energy], k) => [['5.000E-02', '1.000E-01'][k], energy]));
    await typeInto(page, 'material', 'Water, liquid');
    await waitForShown(page, 'Water, liquid', 'positron');
    await page.select('#range-unit', 'g/cm2');
    await typeInto(page, 'range', '0.4398');
    const [[, energy]] = await tableCells(page, 'inverse');
    assert.equal(energy, '1.000E+00');
});

test('every refusal shows its message and keeps the previous result', async () => {
    const page = await openPage(site);
    const before = await tableCells(page, 'results');
    const refusals = [
        ['', /Type one or more energies/],
        ['abc', /"abc" \(item 1\) is not a number/],
        ['1,5', /decimal comma.*1\.5/],
        ['0', /outside the range of Water, liquid: 0\.01 MeV to 1000 MeV/],
        ['-1', /outside the range/],
        ['NaN', /is not a number/],
        ['1000.001', /outside the range/],
        ['1e400', /outside the range/],
        ['1 '.repeat(100001), /More than 100,000 energies: item 100001/],
    ];
    for (const [typed, message] of refusals) {
        await typeInto(page, 'energies', typed);
        assert.match(await noticeText(page), message, JSON.stringify(typed.slice(0, 20)));
        assert.deepEqual(await tableCells(page, 'results'), before);
    }
    await typeInto(page, 'energies', '1 '.repeat(100000));
    assert.equal(await noticeText(page), '');
    for (const [from, to, step, message] of [['0.1', '10', '0', /must not be zero/], ['', '10', '1', /not been filled in/],
        ['0', '10', '1', /greater than 0 MeV/]]) {
        await typeInto(page, 'from', from);
        await typeInto(page, 'to', to);
        await typeInto(page, 'step', step);
        await page.click('#calculate');
        assert.match(await noticeText(page), message);
    }
    await typeInto(page, 'material', 'no such material');
    assert.match(await noticeText(page), /No material is called "no such material"/);
    await typeInto(page, 'material', 'water');
    assert.match(await noticeText(page), /matches several materials/);
    assert.match(await page.$eval('#material-head', (e) => e.textContent), /^Water, liquid/);
});

test('a shared link restores the state; a hostile or unknown address gets messages and the defaults', async () => {
    const page = await openPage(site);
    await typeInto(page, 'material', 'Pb');
    await page.click('#compare');
    await page.click('input[name=particle][value=electron]');
    await page.select('#energy-unit', 'keV');
    await typeInto(page, 'energies', '20 500');
    await page.click('#linear');
    await page.select('#language', 'ja');
    const link = await page.evaluate(() => location.href);
    const shown = await tableCells(page, 'results');
    const again = await openPage(site, link.slice(link.indexOf('?')));
    assert.deepEqual(await tableCells(again, 'results'), shown);
    assert.equal(await again.$eval('#material', (box) => box.value), 'Lead');
    assert.equal(await again.$eval('input[value=electron]', (radio) => radio.checked), true);
    // Kept for the return to positrons, but not applied to an electron table.
    assert.deepEqual(await again.$eval('#compare', (box) => [box.checked, box.disabled]), [true, true]);
    assert.equal(await again.$eval('#linear', (box) => box.checked), true);
    assert.match(await again.$eval('#results thead', (head) => head.textContent), /MeV\/cm/);
    assert.equal(await again.$eval('html', (html) => html.lang), 'ja');
    assert.equal(shown[0][0], '2.000E-02');

    const hostile = await openPage(site, '?material=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E&energies=1e400&unit=GeV&evil=%3Cscript%3E&linear=yes');
    const notice = await noticeText(hostile);
    for (const expected of [/"evil" was not used: it is not known/, /"unit" was not used/, /"linear" was not used/,
        /No material is called "<img src=x onerror=alert\(1\)>"/, /outside the range/]) {
        assert.match(notice, expected);
    }
    assert.equal(await hostile.$$eval('img, script:not([src])', (found) => found.length), 0);
    assert.deepEqual(await tableCells(hostile, 'results'), [['1.000E+00', '1.810E+00', '1.210E-02', '1.822E+00', '4.398E-01']]);
    assert.deepEqual(hostile.problems, []);
});

test('no axe-core violations of WCAG 2.1 A and AA; usable at 360 px', async () => {
    const axe = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
    for (const width of [1200, 360]) {
        const context = await site.browser.createBrowserContext();
        const page = await context.newPage();
        await page.setBypassCSP(true);  // axe is injected as an inline script
        await page.setViewport({ width, height: 800 });
        await page.goto(site.url + '?energies=1%202%203&range=0.5');
        await page.waitForSelector('body[data-ready="true"]');
        await page.click('#calculate');
        await typeInto(page, 'energies', '1,5');
        await page.addScriptTag({ content: axe });
        const violations = await page.evaluate(async () => (await window.axe.run(document,
            { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } })).violations
            .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
        assert.deepEqual(violations, [], `width ${width}`);
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), `no horizontal scrolling at ${width} px`);
        for (const name of ['Material', 'Energies', 'Energy unit', 'Linear units', 'CSDA range', 'Compare with electrons',
            'From', 'To', 'Step', 'Language']) {
            const found = await page.$(`::-p-aria(${name})`);
            assert.ok(found, `a control named "${name}"`);
        }
        for (const name of ['Calculate', 'Download CSV', 'Copy link']) assert.ok(await page.$(`::-p-aria([name="${name}"][role="button"])`), name);
        for (const name of ['Positron', 'Electron']) assert.ok(await page.$(`::-p-aria([name="${name}"][role="radio"])`), name);
        await context.close();
    }
});

test('the graphs\' read-out snaps to table rows, by pointer and by keyboard', async () => {
    const page = await openPage(site);
    const graph = await page.$('#graphs svg');
    await graph.scrollIntoView();
    const box = await graph.boundingBox();
    await page.mouse.move(box.x + box.width * (1.5 + 2 * Math.log(10)) / 13.5, box.y + box.height / 2);  // 1 MeV
    assert.match(await page.$eval('#readout', (r) => r.textContent), /Energy 1\.000E\+00 MeV · Collision 1\.810E\+00/);
    await graph.evaluate((svg) => svg.focus());
    await page.keyboard.press('ArrowRight');
    assert.match(await page.$eval('#readout', (r) => r.textContent), /Energy 1\.250E\+00 MeV/);
});

// Last: it stops the server.
test('after the service worker is installed the page works offline', async () => {
    const context = await site.browser.createBrowserContext();
    const page = await openPage(site, '', { context });
    await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        if (!navigator.serviceWorker.controller) {
            await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
        }
    });
    // Offline for real: the server is gone and the browser's HTTP cache is off, so every file
    // must come from the service worker's cache.
    site.stopServer();
    await page.setCacheEnabled(false);
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await typeInto(page, 'material', 'Gold');
    await waitForShown(page, 'Gold', 'positron');
    assert.equal((await tableCells(page, 'material-table')).length, 81);
    await context.close();
});
