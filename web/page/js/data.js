// The data concern: the WebAssembly core, the catalogue of bundled materials and their tables,
// fetched when chosen. Every number is read and written by the core; this module only moves bytes.
import createVelmora from '../velmora.mjs';

// The default material's catalogue entry, known without the catalogue: a first visit shows its
// table without waiting for the catalogue's 40 kB.
export const DEFAULT_ENTRY = Object.freeze({
    folder: 'STC', fileName: 'Water liquid.stc', kind: 'compound', name: 'Water, liquid', electrons: true,
});

// The WebAssembly module's bytes from its gzipped copy (less than half the bytes on a host that
// does not compress), as options for the core's factory; in a browser that cannot unpack gzip,
// no options: the factory fetches velmora.wasm itself.
async function moduleBytes() {
    if (typeof DecompressionStream === 'undefined') return {};
    const response = await fetch('velmora.wasm.gz');
    if (!response.ok) throw new Error(`velmora.wasm.gz: ${response.status}`);
    return { wasmBinary: await gunzipped(new Uint8Array(await response.arrayBuffer())) };
}

// A host that sends .gz files with Content-Encoding: gzip has them unpacked by the browser
// already: only bytes that begin as gzip (1f 8b) are unpacked here.
export async function gunzipped(bytes) {
    if (bytes[0] !== 0x1f || bytes[1] !== 0x8b) return bytes;
    const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
    return new Uint8Array(await new Response(stream).arrayBuffer());
}

export class Library {
    constructor(core) {
        this.core = core;
        this.materials = null;  // the catalogue's entries once loadCatalogue has read them
        this.catalogue = null;
        this.loading = null;
        this.tables = new Map();  // "p_STC/Water liquid.stc" -> Material (the core's)
    }

    // The core alone: the catalogue is fetched by loadCatalogue, when names are to be matched.
    static async open() {
        return new Library(await createVelmora(await moduleBytes()));
    }

    // Fetches and reads the catalogue once; every caller waits for the same reading. A failed
    // fetch is not kept, so that a later call tries again.
    loadCatalogue() {
        this.loading ??= fetch('data/catalogue.json').then((r) => {
            if (!r.ok) throw new Error(`data/catalogue.json: ${r.status}`);
            return r.json();
        }).then((materials) => {
            this.catalogue = new this.core.Catalogue(materials.map((m) => m.name).join('\n'),
                materials.map((m) => m.fileName).join('\n'));
            this.materials = materials;
        }, (error) => {
            this.loading = null;
            throw error;
        });
        return this.loading;
    }

    // The catalogue's own entry for an entry (such as DEFAULT_ENTRY) of the same table.
    same(entry) {
        return this.materials?.find((m) => m.folder === entry.folder && m.fileName === entry.fileName) ?? entry;
    }

    // The catalogue entries a typed text means: an element's chemical symbol exactly ("Pb"),
    // otherwise the core's name matching. {outcome, entries}. Needs the catalogue loaded.
    match(text) {
        const typed = text.trim();
        const z = this.core.atomicNumberOfSymbol(typed);
        if (z > 0) {
            const prefix = String(z).padStart(3, '0') + ' ';
            const element = this.materials.find((m) => m.kind === 'element' && m.fileName.startsWith(prefix));
            if (element) return { outcome: 'found', entries: [element] };
        }
        if (typed === '') return { outcome: 'unknown', entries: [] };
        const found = this.catalogue.match(typed);
        return { outcome: found.outcome, entries: found.indices.map((k) => this.materials[k]) };
    }

    // The entry whose name or file name is exactly the text (the shared link's form).
    exact(text) {
        return this.materials.find((m) => m.name === text || m.fileName === text) ?? null;
    }

    // The core's reading of a bundled table: particle 'positron' or 'electron'.
    async table(entry, particle) {
        const key = `${particle === 'electron' ? 'e' : 'p'}_${entry.folder}/${entry.fileName}`;
        if (!this.tables.has(key)) {
            const response = await fetch('data/' + key.split('/').map(encodeURIComponent).join('/'));
            if (!response.ok) throw new Error(`${key}: ${response.status}`);
            const bytes = new Uint8Array(await response.arrayBuffer());
            const material = this.readBytes(bytes, key.replace('/', '\\'));
            if (!material.ok()) throw new Error(material.error());
            this.tables.set(key, material);
        }
        return this.tables.get(key);
    }

    // A material file's bytes read by the core (a file of the user's own, or a bundled one).
    readBytes(bytes, path) {
        // A Uint8Array goes to the core's std::string byte for byte (the core decodes it).
        return new this.core.Material(bytes, path);
    }

    format(value, pattern) {
        return this.core.formatPattern(value, pattern);
    }
}
