// The two log-log graphs of the desktop's graph window (three stopping powers; csda range) as
// SVG: the same frame, decades, grid, colours and legend, with a read-out that snaps to the table
// rows under the pointer or a finger, and the arrow keys stepping through the rows.
import { t } from './texts.js';

const SVG = 'http://www.w3.org/2000/svg';
const LN10 = Math.log(10);
const FRAME_RIGHT = 11.5;
const FRAME_TOP = 13.8;
const LEFT = -1.5;
const WIDTH = 13.5;
const UNIT = 40;  // SVG units per user unit
const COLOURS = { navy: '#000080', grey: '#808080', white: '#ffffff', yellow: '#ffff55', red: '#ff5555', cursor: '#55ffff' };

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

    // Draws both graphs of a material's table, with the electron table dashed when given.
    draw(material, electrons) {
        if (!material) return;
        this.material = material;
        this.rows = material.rowValues();
        this.electronRows = electrons ? electrons.rowValues() : null;
        this.svgs = GRAPHS.map((graph) => this.drawGraph(graph, material.name()));
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
        const curve = (rows, column, colour, dashed) => {
            const points = [];
            for (let k = 0; k < rows.length; k += 5) {
                points.push(`${this.toX(Math.log(rows[k]) + 2 * LN10).toFixed(2)},` +
                    `${toY(Math.log(rows[k + column]) + graph.decadesBelow * LN10).toFixed(2)}`);
            }
            const attributes = { points: points.join(' '), fill: 'none', stroke: colour, 'stroke-width': 2 };
            if (dashed) attributes['stroke-dasharray'] = '8 5';
            node('polyline', attributes, svg);
        };
        for (const [, column, colour] of graph.curves) {
            if (this.electronRows) curve(this.electronRows, column, colour, true);
            curve(this.rows, column, colour, false);
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
        if (this.electronRows) text(FRAME_RIGHT - 0.2, 0.4, `--- ${t('electrons')}`, { 'text-anchor': 'end' });
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

    // The row nearest the pointer in log energy.
    pointAt(svg, event) {
        const box = svg.getBoundingClientRect();
        const x = (event.clientX - box.left) / box.width * WIDTH + LEFT;
        const logEnergy = x - 2 * LN10;
        let best = 0;
        for (let row = 1; row < 81; ++row) {
            if (Math.abs(Math.log(this.rows[5 * row]) - logEnergy) < Math.abs(Math.log(this.rows[5 * best]) - logEnergy)) best = row;
        }
        this.showRow(best);
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
        this.readout.textContent = `${t('energy')} ${f(v[0])} MeV · ${t('collision')} ${f(v[1])} · ` +
            `${t('radiative')} ${f(v[2])} · ${t('total')} ${f(v[3])} MeV cm²/g · ${t('range')} ${f(v[4])} g/cm²`;
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
