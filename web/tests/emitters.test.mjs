// The positron-emitters panel in headless Chromium: its figures, spectrum and share beyond a
// thickness against velmora-query emitters; its refusals; the texts it shares with the desktop
// (translations/velmora_en.ts) in both languages; Japanese refusals; accessibility and 360 px.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import {
    QUERY, ROOT, choose, haveQuery, noticeText, openPage, query, startSite, tableCells, typeInto, waitForShown,
} from './support.mjs';

let site;
before(async () => { site = await startSite(); });
after(async () => { await site?.close(); });

const needQuery = { skip: !haveQuery() && 'velmora-query is not built' };

// The data rows of velmora-query emitters' text output: cells split at runs of two blanks (the
// half-life "109.77 min" is one cell), the title and the two header lines dropped, and the
// explanation of --beyond after the table.
function emitterRows(text, headLines = 3) {
    return text.trimEnd().split('\n').slice(headLines).filter((line) => !/^(Csda range beyond|those that)/.test(line))
        .map((line) => line.trim().split(/\s{2,}/));
}

// Waits until the panel shows a material's figures for a particle (they follow the page's other
// results).
async function waitForPanel(page, name, particle) {
    await waitForShown(page, name, particle);
    await page.waitForFunction((shown) => document.body.dataset.emitters === shown, {}, `${name}|${particle}`);
}

async function setThickness(page, value, unit) {
    await page.select('#thickness-unit', unit);
    await typeInto(page, 'thickness', value);
}

// The desktop's translation source read by Python's XML parser, independently of the page's
// generator: {context: {source: translation}}.
function tsTexts() {
    const script = `import json, sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
print(json.dumps({c.findtext('name'): {m.findtext('source'): m.findtext('translation') for m in c.iter('message')} for c in root.iter('context')}))`;
    return JSON.parse(execFileSync('/usr/bin/python3', ['-c', script, path.join(ROOT, 'translations/velmora_en.ts')], { encoding: 'utf8' }));
}

test('the panel shows velmora-query emitters\' figures and the share beyond a thickness', needQuery, async () => {
    const page = await openPage(site);
    const cases = [
        ['Water, liquid', 'positron', '1', 'mm', '1mm', 'Beyond 1 mm\n%'],
        ['Lung (ICRP)', 'electron', '0.5', 'cm', '0.5cm', 'Beyond 5 mm\n%'],
        ['Bone, cortical (ICRP)', 'positron', '0.1', 'g/cm2', '0.1g/cm2', null],
        ['Lead', 'electron', '2.5e-1', 'mm', '0.25mm', 'Beyond 0.25 mm\n%'],
        ['Air, dry (near sea level)', 'positron', '100', 'cm', '100cm', 'Beyond 1000 mm\n%'],
        ['Water, liquid', 'electron', '1', 'mm', '1mm', 'Beyond 1 mm\n%'],
    ];
    for (const [material, particle, thickness, unit, beyond, header] of cases) {
        await choose(page, material, particle);
        await waitForPanel(page, material, particle);
        await setThickness(page, thickness, unit);
        const expected = emitterRows(query('emitters', material, '--particle', particle, '--beyond', beyond));
        assert.deepEqual(await tableCells(page, 'emitters-table'), expected, `${material}, ${particle}, ${beyond}`);
        const headers = await page.$$eval('#emitters-table thead th', (cells) => cells.map((c) => c.textContent));
        assert.equal(headers.length, 12);
        if (header) assert.equal(headers[11], header);
        assert.match(await page.$eval('#emitters-bound', (p) => p.textContent), /upper bound on the positrons that get through/);
        assert.match(await page.$eval('#emitters-material', (p) => p.textContent),
            new RegExp(`^${material.replace(/[()]/g, '\\$&')} \\(density [0-9.]+ g/cm3, csda ranges of ${particle}s${particle === 'electron' ? ' of the same energies' : ''}\\)$`));
    }
    assert.deepEqual(page.problems, []);
});

test('the spectrum plot and table are the chosen nuclide\'s; the choice works by keyboard', needQuery, async () => {
    const page = await openPage(site);
    await waitForPanel(page, 'Water, liquid', 'positron');
    const spectrumOf = async (nuclide) => {
        const rows = await tableCells(page, 'spectrum-table');
        assert.deepEqual(rows, emitterRows(query('emitters', 'Water, liquid', nuclide, '--spectrum'), 4), nuclide);
        const plot = await page.$eval('#spectrum svg', (svg) => ({
            role: svg.getAttribute('role'),
            title: svg.querySelector('title').textContent,
            description: svg.querySelector('desc').textContent,
            path: svg.querySelector('.curve').getAttribute('d'),
            mean: Number(svg.querySelector('.mean').getAttribute('x1')),
        }));
        assert.equal(plot.role, 'img');
        const points = plot.path.trim().split(/\s+/).map((p) => p.slice(1).split(',').map(Number));
        assert.equal(points.length, rows.length + 1, 'the origin and one point per row');
        // The curve's highest point is the row with the most positrons per MeV, its last point
        // the endpoint on the axis, and the mean energy's line lies in proportion between.
        const x0 = points[0][0];
        const scale = (points.at(-1)[0] - x0) / Number(rows.at(-1)[0]);
        const peak = points.slice(1).reduce((best, p, k) => (p[1] < best.y ? { y: p[1], k } : best), { y: Infinity, k: -1 });
        const most = rows.reduce((best, row, k) => (Number(row[1]) > Number(rows[best][1]) ? k : best), 0);
        assert.equal(peak.k, most, `${nuclide}: peak`);
        assert.equal(points.at(-1)[1], points[0][1], `${nuclide}: the spectrum ends on the axis`);
        return { plot, rows, scale, x0 };
    };
    const f18 = await spectrumOf('F-18');
    assert.match(f18.plot.title, /F-18/);
    assert.match(f18.plot.description, /F-18.*0\.6335 MeV.*0\.2498 MeV\. 96\.86 positrons per 100 decays/);
    assert.ok(Math.abs((f18.plot.mean - f18.x0) / f18.scale - 0.2498) < 1e-3);
    await page.focus('#nuclide');
    for (let k = 0; k < 4; ++k) await page.keyboard.press('ArrowDown');  // F-18 -> Na-22 ... Ga-68
    await page.waitForFunction(() => document.getElementById('spectrum-heading').textContent.includes('Ga-68'));
    const ga68 = await spectrumOf('Ga-68');
    assert.match(ga68.plot.description, /Ga-68.*1\.8991 MeV.*0\.8295 MeV\. 88\.91 positrons/);
    // Two nuclides of two branches each: both branches are in the curve as on the command line.
    await page.select('#nuclide', 'Rb-82');
    await spectrumOf('Rb-82');
});

test('a refused thickness keeps the figures; nuclides a table cannot answer are named', needQuery, async () => {
    const page = await openPage(site);
    await waitForPanel(page, 'Water, liquid', 'positron');
    const before = await tableCells(page, 'emitters-table');
    for (const typed of ['', 'abc', '0', '-1', '1,5', '1e400', 'NaN']) {
        await typeInto(page, 'thickness', typed);
        assert.equal(await page.$eval('#emitters-notice', (n) => (n.hidden ? '' : n.textContent)),
            'Please type the thickness as a positive number.', JSON.stringify(typed));
        assert.deepEqual(await tableCells(page, 'emitters-table'), before);
    }
    await typeInto(page, 'thickness', '2');
    assert.equal(await page.$eval('#emitters-notice', (n) => n.hidden), true);
    assert.deepEqual((await tableCells(page, 'emitters-table')).map((row) => row.slice(0, 11)), before.map((row) => row.slice(0, 11)));

    // A material file of the user's own whose table ends at 1.5 MeV: the nuclides with a higher
    // endpoint get no ranges and are named; the others equal the command line's.
    const lines = fs.readFileSync(path.join(ROOT, 'data/p_STC/Water liquid.stc'), 'latin1').split('\r\n');
    const short = lines.map((line, k) => (k === 0 ? 'Short water' : k >= 10 && line.trim()
        ? line.replace(/^(\s*)(\S+)/, (all, blank, energy) => blank + (Number(energy) * 1.5e-3).toExponential(3)) : line));
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-emitters-'));
    const file = path.join(dir, 'Short water.stc');
    fs.writeFileSync(file, short.join('\r\n'), 'latin1');
    const input = await page.$('#own-file');
    await input.uploadFile(file);
    await waitForPanel(page, 'Short water', 'positron');
    const shown = await tableCells(page, 'emitters-table');
    const beyond = ['O-15', 'Ga-68', 'Rb-82', 'I-124'];
    assert.match(await page.$eval('#emitters-notice', (n) => n.textContent), new RegExp(`cannot give the ranges of ${beyond.join(', ')}\\.`));
    for (const row of shown) {
        if (beyond.includes(row[0])) {
            assert.deepEqual(row.slice(5), Array(7).fill('-'), row[0]);
            assert.throws(() => execFileSync(QUERY, ['emitters', file, row[0]], { stdio: 'pipe' }),
                (error) => error.status === 4 && /ends at 1\.5 MeV, below the endpoint/.test(error.stderr));
        } else {
            assert.deepEqual(row, emitterRows(query('emitters', file, row[0], '--beyond', '2mm'))[0]);
        }
    }
    await page.select('#nuclide', 'Rb-82');
    assert.equal(await page.$('#spectrum svg'), null);
    assert.equal((await tableCells(page, 'spectrum-table')).length, 0);
    fs.rmSync(dir, { recursive: true });
});

test('shared texts equal velmora_en.ts in both languages; Japanese mode shows no English refusal', async () => {
    const ts = tsTexts();
    const page = await openPage(site, '?lang=ja');
    await waitForPanel(page, 'Water, liquid', 'positron');
    const texts = await page.evaluate(async () => {
        const module = await import('./js/texts.js');
        const generated = await import('./js/shared-texts.js');
        const shown = {};
        for (const language of ['en', 'ja']) {
            module.setLanguage(language);
            shown[language] = Object.fromEntries(Object.keys(module.SHARED).map((key) => [key, module.t(key)]));
        }
        module.setLanguage('ja');
        return { shared: module.SHARED, japanese: module.JAPANESE_FOR_ENGLISH_SOURCES, shown, generated: generated.DESKTOP_TEXTS };
    });
    for (const [context, messages] of Object.entries(texts.generated)) assert.deepEqual(messages, ts[context], context);
    assert.ok(Object.keys(texts.shared).length >= 15);
    for (const [key, [context, source]] of Object.entries(texts.shared)) {
        assert.equal(texts.shown.en[key], ts[context][source], `${key} in English`);
        const japanese = /[^\u0000-\u007f]/.test(source) ? source : texts.japanese[context][source];
        assert.equal(texts.shown.ja[key], japanese, `${key} in Japanese`);
    }
    // Every refusal of the equal-interval table has its Japanese.
    assert.deepEqual(Object.keys(texts.japanese['velmora::IntervalCalculation']).sort(), Object.keys(ts['velmora::IntervalCalculation']).sort());
    // The panel as the desktop window writes it.
    assert.equal(await page.$eval('#emitters-heading', (h) => h.textContent), '陽電子放出核種の飛程');
    const headers = await page.$$eval('#emitters-table thead th', (cells) => cells.map((c) => c.textContent));
    assert.deepEqual(headers, ['核種', '半減期', '陽電子\n/100壊変', '最大エネルギー\nMeV', '平均エネルギー\nMeV', 'Rmax\ng/cm2',
        'Rmean\ng/cm2', '平均csda飛程\ng/cm2', 'Rmax\nmm', 'Rmean\nmm', '平均csda飛程\nmm', '1 mm を超える\n割合 %']);
    assert.equal(await page.$eval('#emitters-material', (p) => p.textContent), 'Water, liquid（密度 1.000 g/cm3、陽電子の csda 飛程）');

    // Refusals in Japanese: once the typed item, the material's name and the units are taken out,
    // no Latin word is left.
    const english = (text, ...inserted) => {
        let rest = text;
        for (const part of [...inserted, 'Water, liquid', 'MeV', 'keV', 'csda']) rest = rest.split(part).join('');
        return rest.match(/[A-Za-z]{2,}/g) ?? [];
    };
    for (const [typed, places] of [['', []], ['abc', ['abc']], ['1,5', ['1,5']], ['0', []], ['1e400', ['1e400']], ['NaN', ['NaN']]]) {
        await typeInto(page, 'energies', typed);
        const notice = await noticeText(page);
        assert.ok(notice, JSON.stringify(typed));
        assert.deepEqual(english(notice, ...places), [], notice);
    }
    await typeInto(page, 'energies', '1');
    for (const [from, to, step, expected] of [
        ['0.1', '10', '0', 'エネルギー間隔に 0 は使えません。'],
        ['', '10', '1', '入力されていない項目があります'],
        ['0', '10', '1', '表のエネルギーはすべて 0 MeV より大きくなければなりません（表の 1 行目が 0 MeV になります）。'],
        ['10', '-5', '-3', '表のエネルギーはすべて 0 MeV より大きくなければなりません（表の 5 行目が -2 MeV になります）。'],
        ['900', '1100', '50', 'エネルギーは物質のデータ表の最後のエネルギー 1000 MeV を超えてはなりません（表の 4 行目が 1050 MeV になります）。'],
        ['1e400', '10', '1', '入力されたエネルギーが大きすぎて計算できません。'],
    ]) {
        await typeInto(page, 'from', from);
        await typeInto(page, 'to', to);
        await typeInto(page, 'step', step);
        await page.click('#calculate');
        assert.equal(await noticeText(page), expected, `${from} ${to} ${step}`);
    }
    await typeInto(page, 'thickness', 'x');
    assert.equal(await page.$eval('#emitters-notice', (n) => n.textContent), '厚さは正の数で入力して下さい');
    assert.deepEqual(page.problems, []);
});

test('the panel: no axe-core violations in its states; usable at 360 px', async () => {
    const axe = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
    for (const [width, query] of [[1200, ''], [360, '?lang=ja']]) {
        const context = await site.browser.createBrowserContext();
        const page = await context.newPage();
        await page.setBypassCSP(true);  // axe is injected as an inline script
        await page.setViewport({ width, height: 800 });
        await page.goto(site.url + query);
        await page.waitForSelector('body[data-emitters="Water, liquid|positron"]');
        await page.addScriptTag({ content: axe });
        const check = async (state) => {
            const violations = await page.evaluate(async () => (await window.axe.run(document.querySelector('section[aria-labelledby=emitters-heading]'),
                { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } })).violations
                .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
            assert.deepEqual(violations, [], `${state} at ${width} px`);
            assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), `${state}: no horizontal scrolling at ${width} px`);
        };
        await check('first');
        await typeInto(page, 'thickness', 'abc');
        await check('refused thickness');
        await page.click('input[name=particle][value=electron]');
        await waitForPanel(page, 'Water, liquid', 'electron');
        await page.select('#nuclide', 'I-124');
        await page.click('#emitters-heading ~ details summary');
        await check('electrons, I-124, spectrum table open');
        for (const name of query ? ['核種', '厚さ', '厚さの単位'] : ['Nuclide', 'Thickness', 'Thickness unit']) {
            assert.ok(await page.$(`::-p-aria(${name})`), `a control named "${name}"`);
        }
        await context.close();
    }
});
