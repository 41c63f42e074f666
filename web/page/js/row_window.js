// A long results table shown through a window: only the rows in view, and a few around them, are
// in the page, between two spacer rows that keep the height of the others, so that a pasted list
// of 10,000 energies costs the layout of a screenful of rows, not of all of them. Scrolling the
// table's box brings the other rows in. Shorter answers are put on the page whole. The table
// tells assistive technology its full row count and each shown row's place.
import { fillTable } from './views.js';

// Answers of at most this many rows are shown whole.
export const WHOLE_ROWS = 500;
// Rows put on the page beyond those in view, above and below.
const AROUND = 30;
// A row's height until one has been measured (CSS pixels).
const ESTIMATED_ROW_HEIGHT = 26;

export class RowWindow {
    constructor(table, scroller) {
        this.table = table;
        this.scroller = scroller;
        this.text = '';
        this.starts = new Int32Array(0);
        this.rowHeight = 0;
        this.shown = null;  // [first, end) of the rows on the page, or null when whole
        scroller.addEventListener('scroll', () => this.render());
    }

    // Shows lines of tab-separated cells under the headers; returns the number of rows.
    show(headers, text) {
        this.text = text;
        this.starts = lineStarts(text);
        const count = this.starts.length - 1;
        if (count <= WHOLE_ROWS) {
            this.shown = null;
            this.table.removeAttribute('aria-rowcount');
            return fillTable(this.table, headers, text, count);
        }
        fillTable(this.table, headers, '', 0);
        this.table.setAttribute('aria-rowcount', String(count + 1));
        this.shown = [-1, -1];
        this.render();
        return count;
    }

    // The rows in view (and around them) put on the page, when they are not already.
    render() {
        if (!this.shown) return;
        const count = this.starts.length - 1;
        const height = this.rowHeight || ESTIMATED_ROW_HEIGHT;
        const inView = Math.ceil(Math.max(this.scroller.clientHeight, 1) / height);
        // An even first row keeps the rows' stripes in place while scrolling; a box scrolled
        // further than a shorter answer reaches shows that answer's last rows.
        let first = Math.floor(this.scroller.scrollTop / height) - AROUND;
        first = Math.max(0, Math.min(first, count - inView - 2 * AROUND));
        first -= first % 2;
        const end = Math.min(count, first + inView + 2 * AROUND + 1);  // + 1: first may have gone down one
        if (first === this.shown[0] && end === this.shown[1]) return;
        this.shown = [first, end];
        const body = document.createElement('tbody');
        const top = spacer(first * height);
        body.append(top);
        for (let k = first; k < end; ++k) body.append(this.row(k));
        const bottom = spacer((count - end) * height);
        body.append(bottom);
        this.table.tBodies[0].replaceWith(body);
        if (!this.rowHeight && end > first) {
            // Measured once, on the first window: the rows' height is fixed by the style sheet.
            this.rowHeight = body.rows[1].getBoundingClientRect().height || ESTIMATED_ROW_HEIGHT;
            top.style.height = `${first * this.rowHeight}px`;
            bottom.style.height = `${(count - end) * this.rowHeight}px`;
        }
    }

    row(k) {
        const row = document.createElement('tr');
        row.setAttribute('aria-rowindex', String(k + 2));  // the header row is the first
        const cells = this.text.slice(this.starts[k], this.starts[k + 1] - 1).split('\t');
        for (let c = 0; c < cells.length; ++c) {
            const cell = document.createElement(c === 0 ? 'th' : 'td');
            if (c === 0) cell.scope = 'row';
            cell.textContent = cells[c];
            row.append(cell);
        }
        return row;
    }
}

// The offsets where the lines of a text start, and one past the last line's line feed.
function lineStarts(text) {
    const starts = [0];
    for (let end = text.indexOf('\n'); end >= 0; end = text.indexOf('\n', end + 1)) starts.push(end + 1);
    if (starts[starts.length - 1] < text.length) starts.push(text.length + 1);  // a last line without a line feed
    return Int32Array.from(starts);
}

// A row that holds the height of rows not on the page; hidden from assistive technology.
function spacer(height) {
    const row = document.createElement('tr');
    row.setAttribute('aria-hidden', 'true');
    row.className = 'spacer';
    const cell = document.createElement('td');
    cell.colSpan = 5;
    row.append(cell);
    row.style.height = `${height}px`;
    return row;
}
