// The positron-emitters panel: for the material and particle shown, every bundled nuclide's
// half-life, positrons per 100 decays, endpoint and mean energies, Rmax, Rmean and the mean csda
// range in g/cm² and mm, and the share whose csda range exceeds a thickness (an upper bound on
// the share that gets through it); and the chosen nuclide's spectrum as a plot and a table.
// Every figure is the core's text (Material.emitters and Material.spectrum).
import { spectrumSvg } from './spectrum-plot.js';
import { t } from './texts.js';
import { fillTable, clearTable } from './views.js';

const $ = (id) => document.getElementById(id);

const COLUMNS = ['nuclide', 'halfLife', 'positrons', 'endpoint', 'mean', 'rMax', 'rMean', 'meanRange',
    'rMaxMm', 'rMeanMm', 'meanRangeMm', 'beyond'];

export class EmittersPanel {
    constructor(library) {
        this.library = library;
        this.material = null;
        this.particle = 'positron';
        this.thickness = { text: '1', unit: 'mm' };  // the last one the core accepted
        const select = $('nuclide');
        for (const name of library.core.nuclideNames()) {
            select.append(new Option(name, name, name === 'F-18', name === 'F-18'));
        }
        select.addEventListener('change', () => this.showSpectrum());
        $('thickness').addEventListener('input', () => this.takeThickness());
        $('thickness-unit').addEventListener('change', () => this.takeThickness());
    }

    // Shows the figures of a material's table (the core's Material) for a particle.
    show(material, particle) {
        this.material = material;
        this.particle = particle;
        this.fill(this.thickness);
        this.showSpectrum();
    }

    // A typed thickness: the share beyond it when the core takes it, else a notice and the
    // figures shown before.
    takeThickness() {
        if (!this.material) return;
        const typed = { text: $('thickness').value, unit: $('thickness-unit').value };
        if (this.fill(typed)) this.thickness = typed;
    }

    fill(thickness) {
        const figures = this.material.emitters(thickness.text, thickness.unit);
        if (!figures.thickness.ok) {
            this.notice(t('thicknessRefused'));
            return false;
        }
        const m = this.material;
        $('emitters-material').textContent = t(this.particle === 'electron' ? 'emittersMaterialElectrons' : 'emittersMaterial',
            m.name(), this.library.format(m.density(), '#0.000###'));
        const mm = figures.thickness.mm;
        const headers = [t('nuclide'), t('halfLife'), t('positronsPer100'), t('endpointMeV'), t('meanEnergyMeV'),
            'Rmax\ng/cm2', 'Rmean\ng/cm2', t('meanRangeG'), 'Rmax\nmm', 'Rmean\nmm', t('meanRangeMm'), t('beyondHeader', mm)];
        fillTable($('emitters-table'), headers,
            figures.rows.map((row) => COLUMNS.map((column) => row[column]).join('\t')).join('\n'));
        $('emitters-bound').textContent = t('beyondNote', mm);
        this.notice(figures.unanswered.length > 0 ? t('cannotAnswer', figures.unanswered.join(', ')) : '');
        return true;
    }

    notice(text) {
        $('emitters-notice').textContent = text;
        $('emitters-notice').hidden = !text;
    }

    showSpectrum() {
        const name = $('nuclide').value;
        const spectrum = this.material?.spectrum(name);
        if (!spectrum?.ok) {
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
