// Takes the README's picture of the web edition: Water, liquid at a few energies with the
// graphs (electrons dashed, lead overlaid), in headless Chromium at a laptop's width.
//   node web/tests/screenshot.mjs OUTPUT.png   (after scripts/web --build-only)
import { openPage, startSite } from './support.mjs';

const output = process.argv[2] ?? 'web-edition.png';
const site = await startSite();
try {
    const page = await openPage(site, '?energies=0.1%200.511%201%202.5%2010&compare=1&overlay=positron:Lead', { width: 1100 });
    await page.setViewport({ width: 1100, height: 1500, deviceScaleFactor: 1 });
    await page.$eval('#graphs svg', (svg) => svg.dispatchEvent(new PointerEvent('pointermove', {
        clientX: svg.getBoundingClientRect().left + svg.getBoundingClientRect().width * 0.42,
        clientY: svg.getBoundingClientRect().top + 100,
    })));
    await page.screenshot({ path: output, clip: { x: 0, y: 0, width: 1100, height: 1500 } });
    console.log(output);
} finally {
    await site.close();
}
