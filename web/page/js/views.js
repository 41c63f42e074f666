// Putting results on the page: tables built from the core's texts (cells split at tabs, rows at
// line feeds), the status line and the notice. Everything goes in as text, never as markup.
import { t } from './texts.js';

// The most result rows put on the page at once; a longer answer is in the download whole.
export const MAX_SHOWN_ROWS = 1000;

const $ = (id) => document.getElementById(id);

function headerRow(table, headers) {
    const row = document.createElement('tr');
    for (const header of headers) {
        const cell = document.createElement('th');
        cell.scope = 'col';
        cell.textContent = header;
        row.append(cell);
    }
    table.tHead.replaceChildren(row);
}

// Fills a table body from lines of tab-separated cells; returns the number of lines shown.
export function fillTable(table, headers, text, limit = MAX_SHOWN_ROWS) {
    headerRow(table, headers);
    const body = document.createElement('tbody');
    let start = 0;
    let count = 0;
    while (start < text.length && count < limit) {
        let end = text.indexOf('\n', start);
        if (end < 0) end = text.length;
        const row = document.createElement('tr');
        const cells = text.slice(start, end).split('\t');
        for (let k = 0; k < cells.length; ++k) {
            const cell = document.createElement(k === 0 ? 'th' : 'td');
            if (k === 0) cell.scope = 'row';
            cell.textContent = cells[k];
            row.append(cell);
        }
        body.append(row);
        ++count;
        start = end + 1;
    }
    table.tBodies[0].replaceWith(body);
    return count;
}

export function clearTable(table) {
    table.tHead.replaceChildren();
    table.tBodies[0].replaceChildren();
}

export function showStatus(text) {
    $('status').textContent = text;
}

export function showNotice(text) {
    const notice = $('notice');
    notice.textContent = text;
    notice.hidden = !text;
}

// The column headers of the energy answers in the chosen units.
export function quantityHeaders(energyUnit, linear, rangeUnit) {
    const stopping = linear ? 'MeV/cm' : 'MeV cm²/g';
    const range = linear ? (rangeUnit === 'auto' ? '' : rangeUnit) : 'g/cm²';
    return [`${t('energy')} (MeV)`, `${t('collision')} (${stopping})`, `${t('radiative')} (${stopping})`,
        `${t('total')} (${stopping})`, range ? `${t('range')} (${range})` : t('range')];
}

// The message for a refusal of a typed list by the core.
export function refusalText(refusal, materialName, unit) {
    const item = refusal.item;
    const place = refusal.index + 1;
    switch (refusal.refusal) {
        case 'empty': return t('empty');
        case 'tooMany': return t('tooMany', item, place);
        case 'decimalComma': return t('decimalComma', item, place, item.replace(',', '.'));
        case 'outside': return t('outside', item, place, materialName, unit, refusal.highest);
        case 'outsideRanges':
            return t('outsideRanges', `${item} ${unit}`, place, materialName,
                `${refusal.lowest} ${unit}`, `${refusal.highest} ${unit}`);
        default: return t('notNumber', item, place);
    }
}

// Offers text as a file to download through a link element.
export function offerDownload(link, text, type) {
    if (link.href.startsWith('blob:')) URL.revokeObjectURL(link.href);
    link.href = URL.createObjectURL(new Blob([text], { type }));
}
