// Shared by the browser tests: a plain static server over the built site (under a sub-path, as
// on any static host), Debian's headless Chromium through puppeteer-core, and velmora-query.
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

const here = path.dirname(fileURLToPath(import.meta.url));
export const ROOT = path.resolve(here, '../..');
export const SITE_PARENT = process.env.VELMORA_WEB_BUILD ?? path.join(ROOT, 'build/web');
export const QUERY = process.env.VELMORA_QUERY ?? path.join(ROOT, 'build/test/tools/query/velmora-query');
const CHROMIUM = process.env.VELMORA_CHROMIUM ?? '/usr/bin/chromium';

async function freePort() {
    return new Promise((resolve) => {
        const server = net.createServer().listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            server.close(() => resolve(port));
        });
    });
}

async function waitForServer(port) {
    for (let attempt = 0; attempt < 100; ++attempt) {
        const ok = await new Promise((resolve) => {
            const socket = net.connect(port, '127.0.0.1', () => { socket.end(); resolve(true); });
            socket.on('error', () => resolve(false));
        });
        if (ok) return;
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
    throw new Error('the static server did not start');
}

// Starts the server and the browser; returns {url, browser, close()}. The site is served as
// http://127.0.0.1:PORT/site/ to prove that the page works below the host's root.
export async function startSite() {
    const port = await freePort();
    const server = spawn('/usr/bin/python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1'],
        { cwd: SITE_PARENT, stdio: 'ignore' });
    await waitForServer(port);
    const browser = await puppeteer.launch({
        executablePath: CHROMIUM,
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--lang=en-GB'],
    });
    return {
        url: `http://127.0.0.1:${port}/site/`,
        browser,
        // Takes the site off the network, as for a computer that has gone offline.
        stopServer() {
            server.kill();
        },
        async close() {
            await browser.close();
            server.kill();
        },
    };
}

// A fresh page (own browser context: no cache, no service worker) opened at the address, once
// the first result is on screen. Collects console errors and CSP violations in page.problems.
export async function openPage(site, query = '', { width = 1200, context = null } = {}) {
    const browserContext = context ?? await site.browser.createBrowserContext();
    const page = await browserContext.newPage();
    page.problems = [];
    page.on('console', (message) => {
        if (message.type() === 'error') page.problems.push(message.text());
    });
    page.on('pageerror', (error) => page.problems.push(String(error)));
    await page.setViewport({ width, height: 900 });
    await page.goto(site.url + query);
    await page.waitForSelector('body[data-ready="true"]', { timeout: 30000 });
    return page;
}

// The rows of a results table as arrays of cell texts.
export async function tableCells(page, id) {
    return page.$$eval(`#${id} tbody tr`, (rows) => rows.map((row) => Array.from(row.cells, (c) => c.textContent)));
}

// Sets a box's text as typing or pasting does (one input event) and waits a frame.
export async function typeInto(page, id, text) {
    await page.$eval(`#${id}`, (box, value) => {
        box.value = value;
        box.dispatchEvent(new Event('input', { bubbles: true }));
        box.dispatchEvent(new Event('change', { bubbles: true }));
    }, text);
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));
}

export async function noticeText(page) {
    return page.$eval('#notice', (n) => (n.hidden ? '' : n.textContent));
}

// The text of the file a button offers for download (the blob the page makes for it).
export async function downloadedText(page, id) {
    return page.evaluate((id) => new Promise((resolve) => {
        const original = URL.createObjectURL;
        URL.createObjectURL = (blob) => {
            URL.createObjectURL = original;
            blob.text().then(resolve);
            return original(blob);
        };
        document.getElementById(id).click();
    }), id);
}

// Waits until the page shows a material's table for a particle.
export async function waitForShown(page, name, particle) {
    await page.waitForFunction((shown) => document.body.dataset.shown === shown, {}, `${name}|${particle}`);
}

// Types a material's whole name and chooses a particle. The particle is clicked once the material
// is shown: its answers hide a notice above the particle's buttons, which would move them under
// the pointer.
export async function choose(page, material, particle = 'positron') {
    await typeInto(page, 'material', material);
    await page.waitForFunction((name) => document.body.dataset.shown?.startsWith(`${name}|`), {}, material);
    await page.click(`input[name=particle][value=${particle}]`);
    await waitForShown(page, material, particle);
}

// velmora-query's output, run inside the bundled data folder.
export function query(...args) {
    return execFileSync(QUERY, args, { cwd: path.join(ROOT, 'data'), encoding: 'utf8', maxBuffer: 1 << 26 });
}

export function haveQuery() {
    return fs.existsSync(QUERY);
}

// The data lines of velmora-query's text output: rows of cells (the head lines dropped).
export function queryRows(text, headLines = 3) {
    return text.trimEnd().split('\n').slice(headLines).map((line) => line.trim().split(/\s+/));
}

// How many units in the last place two positive doubles are apart.
export function ulpsApart(a, b) {
    const view = new DataView(new ArrayBuffer(16));
    view.setFloat64(0, a);
    view.setFloat64(8, b);
    if (!(a > 0 && b > 0)) return a === b ? 0 : Infinity;
    const difference = view.getBigInt64(0) - view.getBigInt64(8);
    return Number(difference < 0n ? -difference : difference);
}
