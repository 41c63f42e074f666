// The SVG plot of a nuclide's beta+ spectrum: positrons per MeV per 100 decays against kinetic
// energy on linear axes from zero, the curve through the core's sample points, the mean energy
// marked by a dashed line. The numbers come from the core; this module only places them.
const SVG = 'http://www.w3.org/2000/svg';
const WIDTH = 640;
const HEIGHT = 300;
const MARGIN = { left: 64, right: 16, top: 14, bottom: 46 };

function node(name, attributes = {}, text = '') {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
    if (text) element.textContent = text;
    return element;
}

// Tick spacing of 1, 2 or 5 times a power of ten giving at most `count` intervals up to `top`.
export function tickStep(top, count = 6) {
    const raw = top / count;
    const power = 10 ** Math.floor(Math.log10(raw));
    return [1, 2, 5, 10].map((m) => m * power).find((step) => step >= raw * (1 - 1e-9));
}

// The number pattern of tick labels a step apart: as many decimals as the step has.
function tickPattern(step) {
    const decimals = Math.max(0, -Math.floor(Math.log10(step) + 1e-9));
    return decimals === 0 ? '#0' : '#0.' + '0'.repeat(decimals);
}

// An SVG element for the spectrum: {points (Float64Array of energy, positrons pairs), meanMeV,
// title, description, xLabel, yLabel, meanLabel, format(value, pattern)}.
export function spectrumSvg(spectrum) {
    const { points, format } = spectrum;
    let xTop = 0;
    let yTop = 0;
    for (let k = 0; k < points.length; k += 2) {
        xTop = Math.max(xTop, points[k]);
        yTop = Math.max(yTop, points[k + 1]);
    }
    const xStep = tickStep(xTop);
    const yStep = tickStep(yTop, 5);
    xTop = Math.ceil(xTop / xStep - 1e-9) * xStep;
    yTop = Math.ceil(yTop / yStep - 1e-9) * yStep;
    const plotWidth = WIDTH - MARGIN.left - MARGIN.right;
    const plotHeight = HEIGHT - MARGIN.top - MARGIN.bottom;
    const x = (energy) => MARGIN.left + (energy / xTop) * plotWidth;
    const y = (value) => MARGIN.top + plotHeight - (value / yTop) * plotHeight;

    const svg = node('svg', {
        viewBox: `0 0 ${WIDTH} ${HEIGHT}`, role: 'img', 'aria-labelledby': 'spectrum-title spectrum-desc',
        class: 'spectrum-plot',
    });
    svg.append(node('title', { id: 'spectrum-title' }, spectrum.title),
        node('desc', { id: 'spectrum-desc' }, spectrum.description));
    const axes = node('g', { class: 'axes', 'aria-hidden': 'true' });
    for (let k = 0; k * xStep <= xTop * (1 + 1e-9); ++k) {
        const at = x(k * xStep);
        axes.append(node('line', { x1: at, x2: at, y1: MARGIN.top, y2: MARGIN.top + plotHeight, class: 'grid' }),
            node('text', { x: at, y: MARGIN.top + plotHeight + 16, 'text-anchor': 'middle' }, format(k * xStep, tickPattern(xStep))));
    }
    for (let k = 0; k * yStep <= yTop * (1 + 1e-9); ++k) {
        const at = y(k * yStep);
        axes.append(node('line', { x1: MARGIN.left, x2: MARGIN.left + plotWidth, y1: at, y2: at, class: 'grid' }),
            node('text', { x: MARGIN.left - 6, y: at + 4, 'text-anchor': 'end' }, format(k * yStep, tickPattern(yStep))));
    }
    axes.append(node('rect', { x: MARGIN.left, y: MARGIN.top, width: plotWidth, height: plotHeight, class: 'frame' }),
        node('text', { x: MARGIN.left + plotWidth / 2, y: HEIGHT - 8, 'text-anchor': 'middle' }, spectrum.xLabel),
        node('text', { x: 14, y: MARGIN.top + plotHeight / 2, 'text-anchor': 'middle',
            transform: `rotate(-90 14 ${MARGIN.top + plotHeight / 2})` }, spectrum.yLabel));
    const path = [];
    for (let k = 0; k < points.length; k += 2) {
        path.push(`${k === 0 ? 'M' : 'L'}${x(points[k]).toFixed(2)},${y(points[k + 1]).toFixed(2)}`);
    }
    const mean = x(spectrum.meanMeV);
    svg.append(axes,
        node('path', { d: `M${x(0)},${y(0)} ` + path.join(' ').replace(/^M/, 'L'), class: 'curve' }),
        node('line', { x1: mean, x2: mean, y1: MARGIN.top, y2: MARGIN.top + plotHeight, class: 'mean' }),
        node('text', { x: mean + 4, y: MARGIN.top + 14, class: 'mean-label', 'aria-hidden': 'true' }, spectrum.meanLabel));
    return svg;
}
