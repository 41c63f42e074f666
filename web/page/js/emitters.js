// The positron-emitters panel: for the material and particle shown, every bundled nuclide's
// half-life, positrons per 100 decays, endpoint and mean energies, Rmax, Rmean and the mean csda
// range in g/cm² and mm, and the share whose csda range exceeds a thickness (an upper bound on
// the share that gets through it); and the chosen nuclide's spectrum as a plot and a table.
// Every figure is the core's text (Material.emitters, emitterShares and spectrum).
import { spectrumSvg } from './spectrum-plot.js';
import { t } from './texts.js';
import { clearTable, fillTable } from './views.js';

const $ = (id) => document.getElementById(id);

const COLUMNS = ['nuclide', 'halfLife', 'positrons', 'endpoint', 'mean', 'rMax', 'rMean', 'meanRange',
    'rMaxMm', 'rMeanMm', 'meanRangeMm'];

const DEFAULT_THICKNESS = Object.freeze({ text: '1', unit: 'mm' });

// The core's figures and spectra of a table, kept with it: they take a tenth of a second or more
// and do not depend on the thickness or the language.
const computed = new WeakMap();

function cached(material) {
    if (!computed.has(material)) computed.set(material, { figures: material.emitters(), spectra: new Map() });
    return computed.get(material);
}

export class EmittersPanel {
    constructor(library) {
        this.library = library;
        this.material = null;
        this.particle = 'positron';
        // The last thickness the core accepted; at first the one in the boxes, which the user
        // may have changed while this module was loading (render checks it).
        this.thickness = { text: $('thickness').value, unit: $('thickness-unit').value };
        this.generation = 0;
        const select = $('nuclide');
        for (const name of library.core.nuclideNames()) {
            select.append(new Option(name, name, name === 'F-18', name === 'F-18'));
        }
        select.addEventListener('change', () => this.showSpectrum());
        $('thickness').addEventListener('input', () => this.takeThickness());
        $('thickness-unit').addEventListener('change', () => this.takeThickness());
    }

    // Shows the figures of a material's table (the core's Material) for a particle once the
    // page's other results are on screen (the figures take a tenth of a second or more); of quick
    // changes only the last is computed.
    // body[data-emitters] names the material and particle shown.
    show(material, particle) {
        this.material = material;
        this.particle = particle;
        delete document.body.dataset.emitters;
        // After the next frame is painted (a timeout set in a frame callback runs after it).
        const generation = ++this.generation;
        requestAnimationFrame(() => setTimeout(() => {
            if (generation === this.generation) this.render();
        }, 0));
    }

    render() {
        const m = this.material;
        $('emitters-material').textContent = t(this.particle === 'electron' ? 'emittersMaterialElectrons' : 'emittersMaterial',
            m.name(), this.library.format(m.density(), '#0.000###'));
        let shares = m.emitterShares(this.thickness.text, this.thickness.unit);
        const refused = !shares.thickness.ok;
        if (refused) {
            this.thickness = { ...DEFAULT_THICKNESS };
            shares = m.emitterShares(this.thickness.text, this.thickness.unit);
        }
        this.fill(shares);
        if (refused) this.notice(t('thicknessRefused'));
        this.showSpectrum();
        $('emitters-panel').classList.remove('pending');
        document.body.dataset.emitters = `${m.name()}|${this.particle}`;
    }

    // A typed thickness: the shares beyond it when the core takes it, else a notice and the
    // figures shown before.
    takeThickness() {
        if (!this.material) return;
        const typed = { text: $('thickness').value, unit: $('thickness-unit').value };
        const shares = this.material.emitterShares(typed.text, typed.unit);
        if (!shares.thickness.ok) {
            this.notice(t('thicknessRefused'));
            return;
        }
        this.thickness = typed;
        this.fill(shares);
    }

    fill(shares) {
        const { figures } = cached(this.material);
        const mm = shares.thickness.mm;
        const headers = [t('nuclide'), t('halfLife'), t('positronsPer100'), t('endpointMeV'), t('meanEnergyMeV'),
            'Rmax\ng/cm2', 'Rmean\ng/cm2', t('meanRangeG'), 'Rmax\nmm', 'Rmean\nmm', t('meanRangeMm'), t('beyondHeader', mm)];
        fillTable($('emitters-table'), headers, figures.rows
            .map((row, k) => [...COLUMNS.map((column) => row[column]), shares.shares[k]].join('\t')).join('\n'));
        $('emitters-bound').textContent = t('beyondNote', mm);
        this.notice(figures.unanswered.length > 0 ? t('cannotAnswer', figures.unanswered.join(', ')) : '');
    }

    notice(text) {
        $('emitters-notice').textContent = text;
        $('emitters-notice').hidden = !text;
    }

    showSpectrum() {
        const name = $('nuclide').value;
        const { spectra } = cached(this.material);
        if (!spectra.has(name)) spectra.set(name, this.material.spectrum(name));
        const spectrum = spectra.get(name);
        if (!spectrum.ok) {
            $('spectrum-heading').textContent = '';
            $('spectrum').replaceChildren();
            clearTable($('spectrum-table'));
            return;
        }
        $('spectrum-heading').textContent = t('spectrumHeading', spectrum.nuclide);
        $('spectrum').replaceChildren(spectrumSvg({
            points: spectrum.points,
            meanMeV: spectrum.meanMeV,
            title: t('spectrumHeading', spectrum.nuclide),
            description: t('spectrumAlt', spectrum.nuclide, spectrum.endpoint, spectrum.mean, spectrum.positrons),
            xLabel: `${t('energy')} (MeV)`,
            yLabel: t('spectrumAxis'),
            meanLabel: t('meanMark'),
            format: (value, pattern) => this.library.format(value, pattern),
        }));
        fillTable($('spectrum-table'), [`${t('energy')} (MeV)`, t('spectrumAxis'), `${t('range')} (g/cm²)`, `${t('range')} (mm)`],
            spectrum.text, Number.MAX_SAFE_INTEGER);
    }
}
