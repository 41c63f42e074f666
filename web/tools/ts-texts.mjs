// Reads the desktop's translation source (translations/velmora_en.ts: Japanese sources, English
// translations) into the page's table of shared texts, written as the module js/shared-texts.js.
//   node web/tools/ts-texts.mjs TS_FILE OUT_FILE
// build-site.mjs calls textsModule() for the site it assembles.
import fs from 'node:fs';

const ENTITIES = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };

function unescapeXml(text) {
    return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) => {
        if (name.startsWith('#x')) return String.fromCodePoint(parseInt(name.slice(2), 16));
        if (name.startsWith('#')) return String.fromCodePoint(parseInt(name.slice(1), 10));
        if (!(name in ENTITIES)) throw new Error(`unknown entity ${whole}`);
        return ENTITIES[name];
    });
}

function element(xml, name) {
    const found = xml.match(new RegExp(`<${name}(\\s[^>]*)?>([\\s\\S]*?)</${name}>|<${name}(\\s[^>]*)?/>`));
    if (!found) return null;
    return { attributes: found[1] ?? found[3] ?? '', text: unescapeXml(found[2] ?? '') };
}

// {context: {source: translation}}. As Qt's lrelease does, an unfinished or empty translation
// leaves the source (the program then shows the source), and a vanished or obsolete message is
// left out. Plural forms are refused: the page has none.
export function readTs(xml) {
    if (!/<TS\b[^>]*\bsourcelanguage="ja"/.test(xml)) throw new Error('not a .ts file with Japanese sources');
    const table = {};
    for (const [, body] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
        const name = element(body, 'name')?.text;
        if (!name) throw new Error('a context without a name');
        const messages = table[name] ??= {};
        for (const [, message] of body.matchAll(/<message(?:\s[^>]*)?>([\s\S]*?)<\/message>/g)) {
            if (message.includes('<numerusform')) throw new Error(`${name}: plural forms are not supported`);
            const source = element(message, 'source');
            const translation = element(message, 'translation');
            if (!source || !translation) throw new Error(`${name}: a message without source or translation`);
            if (/type="(vanished|obsolete)"/.test(translation.attributes)) continue;
            const finished = !/type="unfinished"/.test(translation.attributes) && translation.text !== '';
            messages[source.text] = finished ? translation.text : source.text;
        }
    }
    return table;
}

export function textsModule(table) {
    return '// Generated from translations/velmora_en.ts by web/tools/ts-texts.mjs: do not edit.\n' +
        '// {context: {Japanese source: English translation}}, the desktop\'s texts.\n' +
        `export const DESKTOP_TEXTS = ${JSON.stringify(table, null, 1)};\n`;
}

if (process.argv[1] && import.meta.url.endsWith(process.argv[1].split('/').pop())) {
    const [tsFile, outFile] = process.argv.slice(2);
    if (!tsFile || !outFile) {
        console.error('usage: ts-texts.mjs TS_FILE OUT_FILE');
        process.exit(2);
    }
    fs.writeFileSync(outFile, textsModule(readTs(fs.readFileSync(tsFile, 'utf8'))));
}
