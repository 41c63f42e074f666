// Assembles the static site: the page, the WebAssembly module, the bundled tables and their
// catalogue, and the service worker's list of versioned files.
//   node web/tools/build-site.mjs BUILD_DIR SITE_DIR
// BUILD_DIR holds velmora.mjs and velmora.wasm (the emscripten build); SITE_DIR is made afresh.
import { createHash } from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import zlib from 'node:zlib';
import { readTs, textsModule } from './ts-texts.mjs';

const [buildDir, siteDir] = process.argv.slice(2);
if (!buildDir || !siteDir) {
    console.error('usage: build-site.mjs BUILD_DIR SITE_DIR');
    process.exit(2);
}
const webDir = path.dirname(path.dirname(fileURLToPath(import.meta.url)));
const dataDir = path.join(webDir, '..', 'data');

const { default: createVelmora } = await import(path.resolve(buildDir, 'velmora.mjs'));
const core = await createVelmora({ wasmBinary: fs.readFileSync(path.join(buildDir, 'velmora.wasm')) });

fs.rmSync(siteDir, { recursive: true, force: true });
fs.mkdirSync(siteDir, { recursive: true });
fs.cpSync(path.join(webDir, 'page'), siteDir, { recursive: true });
for (const file of ['velmora.mjs', 'velmora.wasm']) {
    fs.copyFileSync(path.join(buildDir, file), path.join(siteDir, file));
}
// The module gzipped as well, for hosts that do not compress (the page unpacks it): 45% of the
// bytes of a first visit.
fs.writeFileSync(path.join(siteDir, 'velmora.wasm.gz'),
    zlib.gzipSync(fs.readFileSync(path.join(buildDir, 'velmora.wasm')), { level: 9 }));

// The desktop's texts from its translation source, kept to the contexts the page uses; a text
// the page takes from there that the source no longer has stops the build.
const desktopTexts = readTs(fs.readFileSync(path.join(webDir, '..', 'translations', 'velmora_en.ts'), 'utf8'));
const textsFile = path.join(siteDir, 'js', 'shared-texts.js');
fs.writeFileSync(textsFile, textsModule(desktopTexts));
const pageTexts = await import(pathToFileURL(path.join(siteDir, 'js', 'texts.js')));
const missing = pageTexts.missingSharedTexts();
if (missing.length > 0) {
    console.error('texts.js takes texts that translations/velmora_en.ts does not have:\n' +
        missing.map(([context, source]) => `  ${context}: ${JSON.stringify(source)}`).join('\n'));
    process.exit(1);
}
fs.writeFileSync(textsFile, textsModule(Object.fromEntries(pageTexts.SHARED_CONTEXTS.map((c) => [c, desktopTexts[c]]))));

// The catalogue: each positron material's file, name, density and I as the core reads them,
// elements first, each group sorted by file name ignoring case as the windows' lists are, and
// whether an electron table of the same name lies beside it.
const byName = (a, b) => a.toLowerCase() < b.toLowerCase() ? -1 : a.toLowerCase() > b.toLowerCase() ? 1 : 0;
const materials = [];
for (const [folder, kind] of [['QRV', 'element'], ['STC', 'compound']]) {
    const names = fs.readdirSync(path.join(dataDir, 'p_' + folder))
        .filter((name) => name.toLowerCase().endsWith('.' + folder.toLowerCase())).sort(byName);
    for (const fileName of names) {
        for (const particle of ['p', 'e']) {
            const source = path.join(dataDir, `${particle}_${folder}`, fileName);
            if (fs.existsSync(source)) {
                fs.mkdirSync(path.join(siteDir, 'data', `${particle}_${folder}`), { recursive: true });
                fs.copyFileSync(source, path.join(siteDir, 'data', `${particle}_${folder}`, fileName));
            }
        }
        const bytes = fs.readFileSync(path.join(dataDir, 'p_' + folder, fileName));
        const head = core.readHead(bytes, `p_${folder}\\${fileName}`);
        if (!head.ok) {
            console.error(head.error);
            process.exit(1);
        }
        materials.push({
            folder, fileName, kind, name: head.name, density: head.density,
            meanExcitationEnergy: head.meanExcitationEnergy,
            electrons: fs.existsSync(path.join(dataDir, 'e_' + folder, fileName)),
        });
    }
}
fs.writeFileSync(path.join(siteDir, 'data', 'catalogue.json'), JSON.stringify(materials));

// Every file of the site with a version made of their contents, for the service worker.
const files = [];
const walk = (dir) => {
    for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
        const full = path.join(dir, entry.name);
        if (entry.isDirectory()) walk(full);
        else files.push(path.relative(siteDir, full).split(path.sep).join('/'));
    }
};
walk(siteDir);
files.sort();
const hash = createHash('sha256');
for (const file of files) hash.update(file).update(fs.readFileSync(path.join(siteDir, file)));
const version = hash.digest('hex').slice(0, 16);
const worker = path.join(siteDir, 'sw.js');
fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8').replace('@VELMORA_SITE_VERSION@', version));
const shell = files.filter((file) => file !== 'sw.js' && (!file.startsWith('data/') || file === 'data/catalogue.json'));
fs.writeFileSync(path.join(siteDir, 'files.json'),
    JSON.stringify({ version, shell, tables: files.filter((file) => !shell.includes(file)) }));
const size = (file) => fs.statSync(path.join(siteDir, file)).size;
const tableBytes = files.filter((f) => f.startsWith('data/') && f !== 'data/catalogue.json')
    .reduce((sum, f) => sum + size(f), 0);
console.log(`site ${siteDir}: version ${version}, velmora.wasm ${size('velmora.wasm')} bytes ` +
    `(${size('velmora.wasm.gz')} gzipped), ` +
    `catalogue ${size('data/catalogue.json')} bytes, ${materials.length} materials, tables ${tableBytes} bytes`);
