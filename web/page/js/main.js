// The page's wiring: state from the address, the controls, and the answers of the core.
import { Library } from './data.js';
import { EmittersPanel } from './emitters.js';
import { Graphs } from './graphs.js';
import { DEFAULTS, addressOf, stateFromAddress } from './state.js';
import { browserLanguage, setLanguage, t, translatedMessage } from './texts.js';
import {
    MAX_SHOWN_ROWS, clearTable, fillTable, offerDownload, quantityHeaders, refusalText, showNotice,
    showStatus,
} from './views.js';

const $ = (id) => document.getElementById(id);

const page = {
    library: null,
    state: { ...DEFAULTS },
    entry: null,           // the catalogue entry shown, or null for a file of the user's own
    material: null,        // the core's table of the chosen particle
    electrons: null,       // the electron table beside it, when there is one
    ownName: '',           // the user's file name when one is shown
    intervalCsv: '',
    graphs: null,
};

function particleName() {
    return t(page.state.particle === 'electron' ? 'electrons' : 'positrons');
}

function showHead() {
    const m = page.material;
    $('material-head').textContent = t('head', m.name(), page.library.format(m.density(), '#0.000###'),
        page.library.format(m.meanExcitationEnergy(), '##0.0'), particleName());
}

// The energies typed in the box answered; a refusal keeps the answer shown before.
function answerEnergies() {
    const s = page.state;
    const rangeUnit = 'auto';
    const answer = page.material.answer(s.energies, s.unit === 'keV', s.linear, rangeUnit);
    if (!answer.ok) {
        showNotice(refusalText(answer, page.material.name(), s.unit));
        return false;
    }
    showNotice('');
    const shown = fillTable($('results'), quantityHeaders(s.unit, s.linear, rangeUnit), answer.text);
    $('results-more').hidden = shown === answer.count;
    $('results-more').textContent = shown === answer.count ? '' : t('moreRows', shown, answer.count);
    showStatus(t('shown', answer.count));
    page.lastAnswer = answer;
    if (answer.count > 0) page.graphs?.mark(answer.values.subarray(0, 5));
    return true;
}

// The answers in full precision: every double as the shortest text that reads back as it.
function resultsCsv(answer) {
    const s = page.state;
    const stopping = s.linear ? 'MeV/cm' : 'MeV cm2/g';
    const lines = [`Energy (MeV),Collision (${stopping}),Radiative (${stopping}),Total (${stopping}),` +
        `CSDA range (${s.linear ? 'cm' : 'g/cm2'})`];
    const v = answer.values;
    for (let k = 0; k < answer.count; ++k) {
        lines.push(`${v[5 * k]},${v[5 * k + 1]},${v[5 * k + 2]},${v[5 * k + 3]},${v[5 * k + 4]}`);
    }
    return lines.join('\n') + '\n';
}

function answerRange() {
    const s = page.state;
    if (s.range.trim() === '') {
        clearTable($('inverse'));
        return;
    }
    const answer = page.material.energyForRange(s.range, s.rangeUnit);
    if (!answer.ok) {
        const unit = $('range-unit').selectedOptions[0].textContent;
        showNotice(refusalText(answer, page.material.name(), unit));
        return;
    }
    showNotice('');
    const unit = $('range-unit').selectedOptions[0].textContent;
    fillTable($('inverse'), [`${t('range')} (${unit})`, `${t('energy')} (MeV)`], answer.text);
}

function showMaterialTable() {
    fillTable($('material-table'), quantityHeaders('MeV', false, 'g/cm2'), page.material.tableText());
}

async function loadMaterial() {
    const s = page.state;
    if (page.entry) {
        page.material = await page.library.table(page.entry, s.particle);
        page.electrons = page.entry.electrons ? await page.library.table(page.entry, 'electron') : null;
    }
    showHead();
    showMaterialTable();
    answerEnergies();
    answerRange();
    $('download-csv').disabled = true;
    clearTable($('interval'));
    page.graphs.draw(page.material, s.compare ? page.electrons : null);
    page.emitters.show(page.material, s.particle);
    document.body.dataset.shown = `${page.material.name()}|${s.particle}`;
}

async function chooseMaterial(text, reportUnknown) {
    const found = page.library.match(text);
    if (found.outcome !== 'found') {
        if (reportUnknown) {
            showNotice(found.outcome === 'ambiguous'
                ? t('materialAmbiguous', text, found.entries.slice(0, 8).map((m) => m.name).join('; '))
                : t('materialUnknown', text));
        }
        return false;
    }
    if (found.entries[0] === page.entry) return true;
    page.entry = found.entries[0];
    page.state.material = page.entry.name;
    await loadMaterial();
    return true;
}

function updateAddress() {
    history.replaceState(null, '', location.pathname + addressOf(page.state));
}

function calculateInterval() {
    const [from, to, step] = ['from', 'to', 'step'].map((id) => $(id).value);
    if (!from || !to || !step) {
        showNotice(t('someEmpty'));
        return;
    }
    const result = page.material.interval(from, to, step);
    if (!result.ok) {
        showNotice(translatedMessage('velmora::IntervalCalculation', result.template, result.arguments));
        return;
    }
    showNotice(result.cappedEnd ? t('capped', result.cappedEnd) : '');
    if (result.cappedEnd) $('to').value = result.cappedEnd;
    const lines = result.lines.split('\n').filter(Boolean).map((line) => line.trim().split(/\s+/).join('\t')).join('\n');
    fillTable($('interval'), [`${t('energy')} (MeV)`, `${t('collision')} (MeV cm²/g)`, `${t('radiative')} (MeV cm²/g)`],
        lines, Number.MAX_SAFE_INTEGER);
    page.intervalCsv = result.csv;
    $('download-csv').disabled = false;
    showStatus(t('intervalRows', result.count));
}

function downloadText(text, name, type) {
    const link = document.createElement('a');
    link.download = name;
    offerDownload(link, text, type);
    document.body.append(link);
    link.click();
    link.remove();
}

function wire() {
    const s = page.state;
    $('material').addEventListener('input', () => chooseMaterial($('material').value, false).then(updateAddress));
    $('material').addEventListener('change', () => chooseMaterial($('material').value, true).then(updateAddress));
    for (const radio of document.querySelectorAll('input[name=particle]')) {
        radio.addEventListener('change', async () => {
            s.particle = radio.value;
            if (s.particle === 'electron' && page.entry && !page.entry.electrons) {
                showNotice(t('noElectrons'));
                return;
            }
            await loadMaterial();
            updateAddress();
        });
    }
    $('energies').addEventListener('input', () => {
        s.energies = $('energies').value;
        if (answerEnergies()) updateAddress();
    });
    $('energy-unit').addEventListener('change', () => {
        s.unit = $('energy-unit').value;
        answerEnergies();
        updateAddress();
    });
    $('linear').addEventListener('change', () => {
        s.linear = $('linear').checked;
        answerEnergies();
        updateAddress();
    });
    $('range').addEventListener('input', () => {
        s.range = $('range').value;
        answerRange();
        updateAddress();
    });
    $('range-unit').addEventListener('change', () => {
        s.rangeUnit = $('range-unit').value;
        answerRange();
        updateAddress();
    });
    $('compare').addEventListener('change', () => {
        s.compare = $('compare').checked;
        if (s.compare && !page.electrons) showNotice(t('noElectrons'));
        page.graphs.draw(page.material, s.compare ? page.electrons : null);
        updateAddress();
    });
    $('calculate').addEventListener('click', calculateInterval);
    $('download-results').addEventListener('click', () => {
        if (page.lastAnswer) downloadText(resultsCsv(page.lastAnswer), 'velmora-results.csv', 'text/csv');
    });
    $('download-csv').addEventListener('click', () => {
        const name = (page.material.name() || 'table').replace(/[\\/:*?"<>|\u0000-\u001f]/g, ' ');
        downloadText(page.intervalCsv, `${name}.csv`, 'text/csv');
    });
    $('copy-link').addEventListener('click', async () => {
        updateAddress();
        try {
            await navigator.clipboard.writeText(location.href);
            showStatus(t('linkCopied'));
        } catch {
            showStatus(location.href);
        }
    });
    $('language').addEventListener('change', () => {
        s.language = $('language').value;
        setLanguage(s.language);
        loadMaterial();
        updateAddress();
    });
    $('own-file').addEventListener('change', async () => {
        const file = $('own-file').files[0];
        if (!file) return;
        const material = page.library.readBytes(new Uint8Array(await file.arrayBuffer()), file.name);
        if (!material.ok()) {
            showNotice(t('ownFileRefused', material.error()));
            return;
        }
        page.entry = null;
        page.material = material;
        page.electrons = null;
        $('material').value = material.name();
        showStatus(t('ownFileRead', file.name, material.name()));
        await loadMaterial();
    });
}

// Controls set from the state, before the first answer.
function showState() {
    const s = page.state;
    $('material').value = s.material;
    $('energies').value = s.energies;
    $('energy-unit').value = s.unit;
    $('linear').checked = s.linear;
    $('range').value = s.range;
    $('range-unit').value = s.rangeUnit;
    $('compare').checked = s.compare;
    $('language').value = s.language || browserLanguage();
    document.querySelector(`input[name=particle][value=${s.particle}]`).checked = true;
}

async function start() {
    const { state, problems } = stateFromAddress(location.search);
    page.state = state;
    setLanguage(state.language || browserLanguage());
    showState();
    showStatus(t('loading'));
    page.library = await Library.open();
    page.graphs = new Graphs($('graphs'), $('readout'), page.library);
    page.emitters = new EmittersPanel(page.library);
    const messages = problems.map((p) => t('badParameter', p.name, t(p.reason)));
    // A material that is not in the catalogue, or an energy list the core refuses, is reported
    // and replaced by the default.
    let entry = page.library.exact(state.material) ?? page.library.match(state.material).entries[0];
    if (!entry || page.library.match(state.material).outcome !== 'found' && !page.library.exact(state.material)) {
        messages.push(t('badParameter', 'material', t('materialUnknown', state.material)));
        state.material = DEFAULTS.material;
        entry = page.library.exact(DEFAULTS.material);
    }
    if (state.particle === 'electron' && !entry.electrons) {
        messages.push(t('noElectrons'));
        state.particle = 'positron';
    }
    page.entry = entry;
    state.material = entry.name;
    showState();
    await loadMaterial();
    if ($('notice').hidden === false) {
        messages.push($('notice').textContent);
        state.energies = DEFAULTS.energies;
        state.range = DEFAULTS.range;
        showState();
        answerEnergies();
        answerRange();
    }
    showNotice(messages.join(' '));
    wire();
    updateAddress();
    document.body.dataset.ready = 'true';
    if ('serviceWorker' in navigator && location.protocol !== 'file:') {
        navigator.serviceWorker.register('sw.js').catch(() => {});
    }
}

start().catch((error) => {
    showNotice(t('failed', error.message ?? String(error)));
});
