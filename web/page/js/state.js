// The page's state and its shareable form in the address. Parameters are taken only when valid;
// any other is reported and its default kept. Values are never inserted as markup.
import { MAX_OVERLAYS } from './graphs.js';

export const DEFAULTS = Object.freeze({
    material: 'Water, liquid',
    particle: 'positron',
    energies: '1',
    unit: 'MeV',
    linear: false,
    range: '',
    rangeUnit: 'g/cm2',
    compare: false,
    language: '',
    overlays: Object.freeze([]),  // materials overlaid on the graphs: [{particle, name}]
});


const CHOICES = {
    particle: ['positron', 'electron'],
    unit: ['MeV', 'keV'],
    rangeUnit: ['g/cm2', 'cm', 'mm', 'um'],
    language: ['en', 'ja'],
    linear: ['0', '1'],
    compare: ['0', '1'],
};

// Address parameter -> state key.
const PARAMETERS = {
    material: 'material', particle: 'particle', energies: 'energies', unit: 'unit', linear: 'linear',
    range: 'range', rangeUnit: 'rangeUnit', compare: 'compare', lang: 'language',
};

// One overlaid material in the address: "positron:NAME" or "electron:NAME", repeated.
const OVERLAY = 'overlay';
const OVERLAY_FORM = /^(positron|electron):([^\n]{1,200})$/;

// The longest text a parameter may hold (100,000 energies of a few characters each).
const MAX_PARAMETER_LENGTH = 2_000_000;

// Reads the address's query: {state, problems: [{name, reason}]}. Texts (material, energies,
// range) are checked by their users, which report their own refusals.
export function stateFromAddress(search) {
    const state = { ...DEFAULTS };
    const problems = [];
    for (const [name, value] of new URLSearchParams(search)) {
        const key = PARAMETERS[name];
        if (name === OVERLAY) {
            readOverlay(value, state, problems);
        } else if (!key) {
            problems.push({ name, reason: 'unknownParameter' });
        } else if (value.length > MAX_PARAMETER_LENGTH || /[\u0000-\u0008\u000b\u000c\u000e-\u001f]/.test(value) ||
                   (CHOICES[key] && !CHOICES[key].includes(value))) {
            problems.push({ name, reason: 'badValue' });
        } else if (key === 'linear' || key === 'compare') {
            state[key] = value === '1';
        } else {
            state[key] = value;
        }
    }
    return { state, problems };
}

// An overlaid material of the address, kept when well-formed, not yet there and within the
// limit. Whether the material exists is the page's to check.
function readOverlay(value, state, problems) {
    const form = OVERLAY_FORM.exec(value);
    if (!form || /[\u0000-\u001f]/.test(value)) {
        problems.push({ name: OVERLAY, reason: 'badValue' });
        return;
    }
    const overlay = { particle: form[1], name: form[2] };
    if (state.overlays.some((o) => o.particle === overlay.particle && o.name === overlay.name)) {
        problems.push({ name: OVERLAY, reason: 'overlayTwiceInAddress' });
    } else if (state.overlays.length >= MAX_OVERLAYS) {
        problems.push({ name: OVERLAY, reason: 'overlayTooManyInAddress' });
    } else {
        state.overlays = [...state.overlays, overlay];
    }
}

// The address query of a state: only what differs from the defaults.
export function addressOf(state) {
    const query = new URLSearchParams();
    for (const [name, key] of Object.entries(PARAMETERS)) {
        const value = state[key];
        if (value === DEFAULTS[key]) continue;
        query.set(name, typeof value === 'boolean' ? (value ? '1' : '0') : value);
    }
    for (const overlay of state.overlays) query.append(OVERLAY, `${overlay.particle}:${overlay.name}`);
    const text = query.toString();
    return text ? '?' + text : '';
}
