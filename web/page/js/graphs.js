// The two log-log graphs of the desktop's graph window (three stopping powers; csda range) as
// SVG: the same frame, decades, grid, colours and legend, with a read-out that snaps to the table
// rows under the pointer or a finger, and the arrow keys stepping through the rows. Up to
// MAX_OVERLAYS further materials are overlaid for comparison, each in its own colour and dash,
// named in a legend and read out at the same row.
import { t } from './texts.js';

const SVG = 'http://www.w3.org/2000/svg';
const LN10 = Math.log(10);
const FRAME_RIGHT = 11.5;
const FRAME_TOP = 13.8;
const LEFT = -1.5;
const WIDTH = 13.5;
const UNIT = 40;  // SVG units per user unit
const COLOURS = { navy: '#000080', grey: '#808080', white: '#ffffff', yellow: '#ffff55', red: '#ff5555', cursor: '#55ffff' };

// The overlaid materials' colours and dashes, in the order they are added: colours that stand
// apart from the navy ground and from the curves' own, and a dash each so that they differ also
// without colour.
export const MAX_OVERLAYS = 6;
export const OVERLAY_STYLES = Object.freeze([
    { colour: '#55ff55', dash: '10 4' },
    { colour: '#ff55ff', dash: '3 4' },
    { colour: '#ffaa33', dash: '14 4 3 4' },
    { colour: '#88bbff', dash: '6 6' },
    { colour: '#ffbbbb', dash: '2 2' },
    { colour: '#bbff00', dash: '16 3 3 3 3 3' },
]);
const LEGEND_FONT = 16;
const LEGEND_LINE = 0.55;  // user units between the legend's lines
const LEGEND_CHARACTERS = 34;  // longer names are cut with an ellipsis (the read-out has them whole)

// The desktop's two graphs: which columns, how many decades below 10^0 at the frame's bottom,
// the vertical extent of the user coordinates, and the axis labels.
const GRAPHS = [
    {
        key: 'stopping', top: 14.3, bottom: -1.5, decadesBelow: 3,
        curves: [['collision', 1, COLOURS.yellow], ['radiative', 2, COLOURS.red], ['total', 3, COLOURS.white]],
        labels: [-3, -2, -1, 0, 1, 2, 3], unit: 'MeV cm²/g',
    },
    {
        key: 'range', top: 13.9, bottom: -0.1, decadesBelow: 4,
        curves: [['range', 4, COLOURS.yellow]], labels: [-4, -2, 0, 2], unit: 'g/cm²',
    },
];

function node(name, attributes, parent) {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
    parent?.append(element);
    return element;
}

// The row of a table (five doubles a row) whose energy is nearest a natural log energy; the
// lower row on a tie.
export function nearestRow(rows, logEnergy) {
    let best = 0;
    for (let row = 1; 5 * row < rows.length; ++row) {
        if (Math.abs(Math.log(rows[5 * row]) - logEnergy) < Math.abs(Math.log(rows[5 * best]) - logEnergy)) best = row;
    }
    return best;
}

function legendLabel(label) {
    return label.length > LEGEND_CHARACTERS ? label.slice(0, LEGEND_CHARACTERS - 1) + '…' : label;
}

export class Graphs {
    constructor(container, readout, library) {
        this.container = container;
        this.readout = readout;
        this.library = library;
        this.rows = null;
        this.cursorRow = -1;
        this.svgs = [];
        document.getElementById('download-svg').addEventListener('click', () => this.download('svg'));
        document.getElementById('download-png').addEventListener('click', () => this.download('png'));
    }

    // Draws both graphs of a material's table, with the electron table dashed when given, and
    // the overlaid materials ({label, material}, at most MAX_OVERLAYS) under them; label names
    // the shown material and its particle in the legend.
    draw(material, electrons, overlays = [], label = '') {
        if (!material) return;
        this.material = material;
        this.label = label || material.name();
        this.rows = material.rowValues();
        this.electronRows = electrons ? electrons.rowValues() : null;
        this.overlays = overlays.slice(0, MAX_OVERLAYS).map((o, k) => ({ ...o, rows: o.material.rowValues(), style: OVERLAY_STYLES[k] }));
        const names = [this.label, ...this.overlays.map((o) => o.label)].join('; ');
        this.svgs = GRAPHS.map((graph) => this.drawGraph(graph, names));
        this.container.replaceChildren(...this.svgs);
        this.cursorRow = -1;
        this.readout.textContent = '';
    }

    toX(x) { return (x - LEFT) * UNIT; }

    drawGraph(graph, name) {
        const height = (graph.top - graph.bottom) * UNIT;
        const svg = node('svg', {
            viewBox: `0 0 ${WIDTH * UNIT} ${height}`, role: 'img', tabindex: 0,
            'aria-label': t('graphAlt', t(graph.key === 'stopping' ? 'stoppingGraph' : 'rangeGraph'), name),
        });
        const toY = (y) => (graph.top - y) * UNIT;
        node('rect', { x: 0, y: 0, width: WIDTH * UNIT, height, fill: COLOURS.navy }, svg);
        const grid = node('g', { stroke: COLOURS.grey, 'stroke-width': 1 }, svg);
        for (let i = 0; i <= 5; ++i) {
            for (let j = 1; j <= 10; ++j) {
                const y = toY(Math.log(j) + i * LN10);
                node('line', { x1: this.toX(0), y1: y, x2: this.toX(FRAME_RIGHT), y2: y }, grid);
            }
        }
        for (let i = 0; i <= 4; ++i) {
            for (let j = 1; j <= 10; ++j) {
                const x = this.toX(Math.log(j) + i * LN10);
                node('line', { x1: x, y1: toY(0), x2: x, y2: toY(FRAME_TOP) }, grid);
            }
        }
        const curve = (rows, column, colour, dash) => {
            const points = [];
            for (let k = 0; k < rows.length; k += 5) {
                points.push(`${this.toX(Math.log(rows[k]) + 2 * LN10).toFixed(2)},` +
                    `${toY(Math.log(rows[k + column]) + graph.decadesBelow * LN10).toFixed(2)}`);
            }
            const attributes = { points: points.join(' '), fill: 'none', stroke: colour, 'stroke-width': 2 };
            if (dash) attributes['stroke-dasharray'] = dash;
            node('polyline', attributes, svg);
        };
        for (const overlay of this.overlays) {
            for (const [, column] of graph.curves) curve(overlay.rows, column, overlay.style.colour, overlay.style.dash);
        }
        for (const [, column, colour] of graph.curves) {
            if (this.electronRows) curve(this.electronRows, column, colour, '8 5');
            curve(this.rows, column, colour, null);
        }
        node('rect', { x: this.toX(0), y: toY(FRAME_TOP), width: FRAME_RIGHT * UNIT, height: FRAME_TOP * UNIT,
            fill: 'none', stroke: COLOURS.white, 'stroke-width': 2 }, svg);
        const text = (x, y, content, attributes = {}) => {
            const element = node('text', { x: this.toX(x), y: toY(y), fill: COLOURS.white, 'font-size': 22,
                'font-family': 'sans-serif', ...attributes }, svg);
            element.textContent = content;
            return element;
        };
        // "10" with its exponent raised and smaller, as the desktop prints the axis labels.
        const power = (x, y, exponent, anchor) => {
            const label = text(x, y, '10', { 'text-anchor': anchor });
            const raised = node('tspan', { dy: -9, 'font-size': 14 }, label);
            raised.textContent = String(exponent);
        };
        for (let e = -2; e <= 3; ++e) power((e + 2) * LN10, -0.7, e, 'middle');
        for (const e of graph.labels) power(-0.15, Math.max((e + graph.decadesBelow) * LN10 - 0.35, graph.bottom + 0.45), e, 'end');
        if (graph.key === 'stopping') {
            text(4.0, -1.3, `${t('energy')}, MeV`);
            const legend = [['total', COLOURS.white], ['collision', COLOURS.yellow], ['radiative', COLOURS.red]];
            node('rect', { x: this.toX(1.8), y: toY(13.2), width: 7.2 * UNIT, height: 3.2 * UNIT, fill: COLOURS.navy,
                stroke: COLOURS.white }, svg);
            legend.forEach(([key, colour], k) => {
                const y = 12.9 - k;
                node('line', { x1: this.toX(2.0), y1: toY(y), x2: this.toX(3.5), y2: toY(y), stroke: colour, 'stroke-width': 3 }, svg);
                text(3.8, y - 0.2, t(key));
            });
        }
        if (graph.key === 'stopping') text(FRAME_RIGHT - 0.2, FRAME_TOP - 0.7, graph.unit, { 'text-anchor': 'end' });
        else text(0.2, FRAME_TOP - 0.7, graph.unit);
        // The compared materials are named under the csda range curve, where the lower graph is
        // always free (in the upper one the radiative curves cross every corner).
        if (this.overlays.length && graph.key === 'range') this.drawMaterialLegend(svg, toY, text);
        else if (this.electronRows) text(FRAME_RIGHT - 0.2, 0.4, `--- ${t('electrons')}`, { 'text-anchor': 'end' });
        const cursor = node('g', { stroke: COLOURS.cursor, 'stroke-width': 1.5, visibility: 'hidden' }, svg);
        node('line', { y1: toY(0), y2: toY(FRAME_TOP) }, cursor);
        svg.cursor = cursor;
        svg.toY = toY;
        svg.graph = graph;
        svg.addEventListener('pointermove', (event) => this.pointAt(svg, event));
        svg.addEventListener('pointerdown', (event) => this.pointAt(svg, event));
        svg.addEventListener('keydown', (event) => this.step(event));
        return svg;
    }

    // The legend of the compared materials at the plot's lower right, in a navy box: the
    // shown material (its curves solid, with the electrons' dashed when compared) and each
    // overlaid one in its colour and dash.
    drawMaterialLegend(svg, toY, text) {
        const entries = [{ label: this.label, colour: COLOURS.white, dash: null }];
        if (this.electronRows) entries.push({ label: `${this.material.name()} (${t('electrons')})`, colour: COLOURS.white, dash: '8 5' });
        for (const o of this.overlays) entries.push({ label: o.label, colour: o.style.colour, dash: o.style.dash });
        const labels = entries.map((e) => legendLabel(e.label));
        const widest = Math.max(...labels.map((l) => l.length)) * LEGEND_FONT * 0.55 / UNIT;
        const right = FRAME_RIGHT - 0.15;
        const left = Math.max(0.15, right - 1.5 - widest);
        const height = entries.length * LEGEND_LINE + 0.25;
        const legend = node('g', { class: 'material-legend' }, svg);
        node('rect', { x: this.toX(left), y: toY(0.15 + height), width: (right - left) * UNIT, height: height * UNIT,
            fill: COLOURS.navy, 'fill-opacity': 0.85, stroke: COLOURS.white, 'stroke-width': 1 }, legend);
        entries.forEach((entry, k) => {
            const y = 0.15 + height - 0.2 - (k + 0.5) * LEGEND_LINE;
            const attributes = { x1: this.toX(left + 0.15), y1: toY(y), x2: this.toX(left + 1.2), y2: toY(y),
                stroke: entry.colour, 'stroke-width': 3 };
            if (entry.dash) attributes['stroke-dasharray'] = entry.dash;
            node('line', attributes, legend);
            legend.append(text(left + 1.35, y - 0.15, labels[k], { 'font-size': LEGEND_FONT }));
        });
    }

    // The row nearest the pointer in log energy.
    pointAt(svg, event) {
        const box = svg.getBoundingClientRect();
        const x = (event.clientX - box.left) / box.width * WIDTH + LEFT;
        this.showRow(nearestRow(this.rows, x - 2 * LN10));
    }

    step(event) {
        const moves = { ArrowLeft: -1, ArrowDown: -1, ArrowRight: 1, ArrowUp: 1, Home: -100, End: 100 };
        if (!(event.key in moves)) return;
        event.preventDefault();
        const from = this.cursorRow < 0 ? (moves[event.key] > 0 ? -1 : 81) : this.cursorRow;
        this.showRow(Math.min(80, Math.max(0, from + moves[event.key])));
    }

    // Cursor lines at a table row (0 to 80) and its values in the read-out, in the windows' pattern.
    showRow(row) {
        this.cursorRow = row;
        const v = Array.from(this.rows.subarray(5 * row, 5 * row + 5));
        this.placeCursor(v);
        const f = (x) => this.library.format(x, '0.000E+00');
        const values = (w) => `${t('collision')} ${f(w[1])} · ${t('radiative')} ${f(w[2])} · ` +
            `${t('total')} ${f(w[3])} MeV cm²/g · ${t('range')} ${f(w[4])} g/cm²`;
        const lines = [`${t('energy')} ${f(v[0])} MeV · ${values(v)}`];
        if (this.overlays.length) lines[0] = `${this.label}: ${lines[0]}`;
        // Each overlaid material at its own row nearest the energy (the same row where the
        // tables share their energies, as the bundled ones do), its energy named when it differs.
        for (const o of this.overlays) {
            const w = o.rows.subarray(5 * nearestRow(o.rows, Math.log(v[0])));
            const energy = f(w[0]) === f(v[0]) ? '' : `${t('energy')} ${f(w[0])} MeV · `;
            lines.push(`${o.label}: ${energy}${values(w)}`);
        }
        this.readout.textContent = lines.join('\n');
    }

    // Cursor lines at the values of a typed energy (five doubles from the core).
    mark(values) {
        if (!this.rows || !values) return;
        this.placeCursor(values);
    }

    placeCursor(v) {
        for (const svg of this.svgs) {
            const x = this.toX(Math.log(v[0]) + 2 * LN10);
            const lines = [node('line', { x1: x, x2: x, y1: svg.toY(0), y2: svg.toY(FRAME_TOP) })];
            for (const [, column] of svg.graph.curves) {
                const y = svg.toY(Math.log(v[column]) + svg.graph.decadesBelow * LN10);
                lines.push(node('line', { x1: this.toX(0), x2: this.toX(FRAME_RIGHT), y1: y, y2: y }));
            }
            svg.cursor.replaceChildren(...lines);
            svg.cursor.setAttribute('visibility', 'visible');
        }
    }

    // Both graphs one above the other as one SVG file or PNG picture.
    download(kind) {
        const width = WIDTH * UNIT;
        const heights = this.svgs.map((svg) => Number(svg.getAttribute('viewBox').split(' ')[3]));
        const whole = node('svg', { xmlns: SVG, width, height: heights[0] + heights[1], viewBox: `0 0 ${width} ${heights[0] + heights[1]}` });
        this.svgs.forEach((svg, k) => {
            const group = node('g', { transform: `translate(0 ${k ? heights[0] : 0})` }, whole);
            group.append(...Array.from(svg.childNodes, (child) => child.cloneNode(true)));
        });
        const text = new XMLSerializer().serializeToString(whole);
        const name = (this.material?.name() || 'graphs').replace(/[\\/:*?"<>|\u0000-\u001f]/g, ' ');
        const save = (blob, extension) => {
            const link = document.createElement('a');
            link.download = `${name}.${extension}`;
            link.href = URL.createObjectURL(blob);
            document.body.append(link);
            link.click();
            link.remove();
            setTimeout(() => URL.revokeObjectURL(link.href), 1000);
        };
        if (kind === 'svg') {
            save(new Blob([text], { type: 'image/svg+xml' }), 'svg');
            return;
        }
        const image = new Image();
        image.onload = () => {
            const canvas = document.createElement('canvas');
            canvas.width = width;
            canvas.height = heights[0] + heights[1];
            canvas.getContext('2d').drawImage(image, 0, 0);
            canvas.toBlob((blob) => save(blob, 'png'), 'image/png');
        };
        image.src = URL.createObjectURL(new Blob([text], { type: 'image/svg+xml' }));
    }
}
