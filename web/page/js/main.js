// The page's wiring: state from the address, the controls, and the answers of the core.
import { DEFAULT_ENTRY, Library } from './data.js';
import { Graphs, MAX_OVERLAYS, OVERLAY_STYLES } from './graphs.js';
import { RowWindow } from './row_window.js';
import { DEFAULTS, addressOf, stateFromAddress } from './state.js';
import { browserLanguage, setLanguage, t, translatedMessage } from './texts.js';
import {
    clearTable, fillTable, offerDownload, quantityHeaders, refusalText, showNotice,
    showStatus,
} from './views.js';

const $ = (id) => document.getElementById(id);

const page = {
    library: null,
    state: { ...DEFAULTS },
    entry: null,           // the catalogue entry shown, or null for a file of the user's own
    material: null,        // the core's table of the chosen particle
    electrons: null,       // the electron table beside it while the graphs compare with it
    ownName: '',           // the user's file name when one is shown
    intervalCsv: '',
    graphs: null,
    overlays: [],          // materials overlaid on the graphs: {name, particle, own, material}
    emitters: null,        // the emitters panel, loaded after the first result
    shownParticle: 'positron',  // the particle of the table shown
    shownEntry: null,      // the entry of the table shown (null: the user's own file)
    loads: 0,              // tables asked for: only the last one asked for is shown
};

function particleName(particle = page.state.particle) {
    return t(particle === 'electron' ? 'electrons' : 'positrons');
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
    page.results.show(quantityHeaders(s.unit, s.linear, rangeUnit), answer.text);
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

// Shows the chosen entry's table for the chosen particle (with no entry, the user's own file
// already in page.material). Of loads that overlap (a material typed and a particle clicked at
// once) only the last one asked for is shown, whichever table arrives first. A table that cannot
// be fetched is reported, and the material and particle shown before stay.
async function loadMaterial() {
    const s = page.state;
    const load = ++page.loads;
    if (page.entry) {
        const entry = page.entry;
        let material;
        try {
            material = await page.library.table(entry, s.particle);
        } catch (error) {
            if (!page.material) throw error;  // nothing shown yet: the page cannot start
            if (load === page.loads) keepShown(entry, error);
            return;
        }
        // Fetched only for the comparison: the first result does not wait for it, and without
        // it the graphs are drawn without the comparison.
        const electrons = comparing() && entry.electrons
            ? await page.library.table(entry, 'electron').catch(() => null) : null;
        if (load !== page.loads) return;
        page.material = material;
        page.electrons = electrons;
        s.material = entry.name;
    }
    page.shownEntry = page.entry;
    showCompareChoice();
    showHead();
    showMaterialTable();
    answerEnergies();
    answerRange();
    $('download-csv').disabled = true;
    clearTable($('interval'));
    drawGraphs();
    page.shownParticle = s.particle;
    page.emitters?.show(page.material, s.particle);
    document.body.dataset.shown = `${page.material.name()}|${s.particle}`;
}

function keepShown(entry, error) {
    page.entry = page.shownEntry;
    page.state.particle = page.shownParticle;
    document.querySelector(`input[name=particle][value=${page.shownParticle}]`).checked = true;
    showNotice(t('tableFailed', entry.name, error.message ?? String(error)));
}

// Electrons are compared only with a positron table: with electrons shown, the box keeps its
// choice for the return to positrons but is disabled, and says why.
function comparing() {
    return page.state.compare && page.state.particle === 'positron';
}

function showCompareChoice() {
    const box = $('compare');
    box.disabled = page.state.particle === 'electron';
    box.title = box.disabled ? t('compareElectronsShown') : '';
}

// The graphs of the shown material with the overlaid ones, and the list of the overlaid ones
// with a button each to remove it.
function drawGraphs() {
    const overlays = page.overlays.map((o) => ({ label: `${o.name} (${particleName(o.particle)})`, material: o.material }));
    page.graphs.draw(page.material, comparing() ? page.electrons : null, overlays,
        `${page.material.name()} (${particleName()})`);
    const list = $('overlays');
    list.setAttribute('aria-label', t('overlaysCaption'));
    list.hidden = overlays.length === 0;
    list.replaceChildren(...overlays.map((overlay, k) => {
        const item = document.createElement('li');
        const swatch = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
        swatch.setAttribute('viewBox', '0 0 40 10');
        swatch.setAttribute('aria-hidden', 'true');
        const line = document.createElementNS('http://www.w3.org/2000/svg', 'line');
        for (const [key, value] of Object.entries({ x1: 0, y1: 5, x2: 40, y2: 5, stroke: OVERLAY_STYLES[k].colour,
            'stroke-width': 4, 'stroke-dasharray': OVERLAY_STYLES[k].dash })) line.setAttribute(key, value);
        swatch.append(line);
        const name = document.createElement('span');
        name.textContent = overlay.label;
        const remove = document.createElement('button');
        remove.type = 'button';
        remove.textContent = t('overlayRemove');
        remove.setAttribute('aria-label', t('overlayRemoveNamed', overlay.label));
        remove.addEventListener('click', () => removeOverlay(k));
        item.append(swatch, name, remove);
        return item;
    }));
    page.state.overlays = page.overlays.filter((o) => !o.own).map((o) => ({ particle: o.particle, name: o.name }));
}

// The shown material (a bundled one or the user's own file) added to the graphs' comparison.
function addOverlay() {
    const s = page.state;
    const overlay = { name: page.material.name(), particle: s.particle, own: !page.entry, material: page.material };
    const label = `${overlay.name} (${particleName(overlay.particle)})`;
    if (page.overlays.some((o) => o.name === overlay.name && o.particle === overlay.particle && o.own === overlay.own)) {
        showNotice(t('overlayTwice', label));
        return;
    }
    if (page.overlays.length >= MAX_OVERLAYS) {
        showNotice(t('overlayFull', MAX_OVERLAYS));
        return;
    }
    page.overlays.push(overlay);
    showNotice('');
    drawGraphs();
    showStatus(t('overlayAdded', label));
    updateAddress();
}

function removeOverlay(index) {
    const [removed] = page.overlays.splice(index, 1);
    drawGraphs();
    showStatus(t('overlayRemoved', `${removed.name} (${particleName(removed.particle)})`));
    // Keyboard focus stays in the list, on the next button to remove, else on the add button.
    const buttons = $('overlays').querySelectorAll('button');
    (buttons[Math.min(index, buttons.length - 1)] ?? $('overlay-add')).focus();
    updateAddress();
}

// The overlaid materials of the address: each one that the catalogue has (by its name or a
// unique match) with a table for its particle; the others are reported.
async function overlaysFromAddress(wanted, messages) {
    for (const { particle, name } of wanted) {
        const entry = page.library.exact(name) ?? (page.library.match(name).outcome === 'found' ? page.library.match(name).entries[0] : null);
        if (!entry) {
            messages.push(t('badParameter', 'overlay', t('materialUnknown', name)));
        } else if (particle === 'electron' && !entry.electrons) {
            messages.push(t('badParameter', 'overlay', `${entry.name}: ${t('noElectrons')}`));
        } else if (page.overlays.some((o) => o.name === entry.name && o.particle === particle)) {
            messages.push(t('badParameter', 'overlay', t('overlayTwiceInAddress')));
        } else {
            page.overlays.push({ name: entry.name, particle, own: false, material: await page.library.table(entry, particle) });
        }
    }
}

async function chooseMaterial(text, reportUnknown) {
    try {
        await page.library.loadCatalogue();
    } catch (error) {
        showNotice(t('catalogueFailed', error.message ?? String(error)));
        return false;
    }
    const found = page.library.match(text);
    if (found.outcome !== 'found') {
        if (reportUnknown) {
            showNotice(found.outcome === 'ambiguous'
                ? t('materialAmbiguous', text, found.entries.slice(0, 8).map((m) => m.name).join('; '))
                : t('materialUnknown', text));
        }
        return false;
    }
    if (page.entry && page.library.same(page.entry) === found.entries[0]) return true;
    page.entry = found.entries[0];
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
    $('compare').addEventListener('change', async () => {
        s.compare = $('compare').checked;
        const entry = page.entry;
        if (comparing() && entry?.electrons && !page.electrons) {
            const electrons = await page.library.table(entry, 'electron');
            if (page.entry !== entry) return;  // another material was chosen meanwhile
            page.electrons = electrons;
        }
        if (comparing() && !page.electrons) showNotice(t('noElectrons'));
        drawGraphs();
        updateAddress();
    });
    $('overlay-add').addEventListener('click', addOverlay);
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
        await loadMaterial();
        // After the answers, whose count would replace it: the reading is what is announced.
        showStatus(t('ownFileRead', file.name, material.name()));
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
    page.results = new RowWindow($('results'), $('results').parentElement);
    const messages = problems.map((p) => t('badParameter', p.name, t(p.reason)));
    // The catalogue is waited for only when the address names a material or overlaid ones.
    let entry = DEFAULT_ENTRY;
    if (state.material !== DEFAULT_ENTRY.name || state.overlays.length > 0) {
        await page.library.loadCatalogue();
        await overlaysFromAddress(state.overlays, messages);
        // A material that is not in the catalogue, or an energy list the core refuses, is
        // reported and replaced by the default.
        entry = page.library.exact(state.material) ?? page.library.match(state.material).entries[0];
        if (!entry || page.library.match(state.material).outcome !== 'found' && !page.library.exact(state.material)) {
            messages.push(t('badParameter', 'material', t('materialUnknown', state.material)));
            state.material = DEFAULTS.material;
            entry = page.library.same(DEFAULT_ENTRY);
        }
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
    // After the next frame is painted (a timeout set in a frame callback runs after it).
    requestAnimationFrame(() => setTimeout(afterFirstResult, 0));
}

// What the first result on screen does not wait for: the catalogue (a failure is not reported
// here, as matching a typed name tries again), the emitters panel's modules and the service
// worker.
function afterFirstResult() {
    page.library.loadCatalogue().catch(() => {});
    import('./emitters.js').then(({ EmittersPanel }) => {
        page.emitters = new EmittersPanel(page.library);
        page.emitters.show(page.material, page.shownParticle);
    }).catch((error) => showNotice(t('failed', error.message ?? String(error))));
    if ('serviceWorker' in navigator && location.protocol !== 'file:') {
        navigator.serviceWorker.register('sw.js').catch(() => {});
    }
}

start().catch((error) => {
    showNotice(t('failed', error.message ?? String(error)));
});
