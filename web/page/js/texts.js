// The page's texts in English and Japanese. Where the desktop windows have the same text, the
// Japanese is the windows' designed text and the English its translation in velmora_en.ts.
const TEXTS = {
    en: {
        title: 'Velmora: stopping powers and csda ranges',
        language: 'Language',
        materialHeading: 'Material',
        material: 'Material',
        particle: 'Particle',
        positron: 'Positron',
        electron: 'Electron',
        ownFile: 'Your own material file',
        energiesHeading: 'Stopping powers and csda range',
        energies: 'Energies',
        energyUnit: 'Energy unit',
        linearUnits: 'Linear units',
        downloadResults: 'Download results (CSV, full precision)',
        inverseHeading: 'Energy for a csda range',
        csdaRange: 'CSDA range',
        rangeUnit: 'Range unit',
        graphsHeading: 'Graphs',
        compare: 'Compare with electrons',
        downloadSvg: 'Download SVG',
        downloadPng: 'Download PNG',
        intervalHeading: 'Equal-interval table',
        from: 'From',
        to: 'To',
        step: 'Step',
        calculate: 'Calculate',
        downloadCsv: 'Download CSV',
        tableHeading: "The material's table (81 rows)",
        copyLink: 'Copy link',
        footer: "Numbers from Velmora's core, compiled to WebAssembly; nothing you type or open leaves this page.",
        energy: 'Energy', collision: 'Collision', radiative: 'Radiative', total: 'Total', range: 'CSDA range',
        head: '%1: density %2 g/cm³, mean excitation energy %3 eV (%4)',
        positrons: 'positrons', electrons: 'electrons',
        loading: 'Loading…',
        shown: '%1 energies answered.',
        moreRows: 'The first %1 of %2 rows are shown; the download holds them all.',
        empty: 'Type one or more energies.',
        notNumber: '"%1" (item %2) is not a number.',
        decimalComma: '"%1" (item %2) has a decimal comma: write a point, e.g. %3.',
        tooMany: 'More than 100,000 energies: item %2 ("%1") is one too many.',
        outside: 'Energy %1 %4 (item %2) is outside the range of %3: 0.01 MeV to %5 MeV.',
        outsideRanges: 'Range %1 (item %2) is outside the csda ranges of %3: %4 to %5.',
        materialAmbiguous: '"%1" matches several materials: %2',
        materialUnknown: 'No material is called "%1".',
        noElectrons: 'There is no electron table for this material.',
        someEmpty: 'Some boxes have not been filled in.',
        capped: 'More than 5000 intervals: the table ends at %1 MeV.',
        intervalRows: '%1 rows.',
        linkCopied: 'The link has been copied.',
        badParameter: 'The address parameter "%1" was not used: %2',
        unknownParameter: 'it is not known',
        badValue: 'its value is not valid',
        ownFileRead: 'Your file "%1" was read: %2.',
        ownFileRefused: 'Your file was refused: %1',
        failed: 'The page could not start: %1',
        graphAlt: 'Log-log graph of %1 against kinetic energy from 0.01 MeV to 1000 MeV for %2.',
        stoppingGraph: 'mass stopping powers (collision, radiative, total)',
        rangeGraph: 'the csda range',
    },
    ja: {
        title: 'Velmora: 質量阻止能・飛程',
        language: '言語',
        materialHeading: '物質',
        material: '物質',
        particle: '粒子',
        positron: '陽電子',
        electron: '電子',
        ownFile: '自作の物質ファイル',
        energiesHeading: '質量阻止能・飛程',
        energies: 'エネルギー',
        energyUnit: 'エネルギーの単位',
        linearUnits: '線阻止能・長さの飛程',
        downloadResults: '結果をダウンロード（CSV、全桁）',
        inverseHeading: 'csda 飛程からエネルギー',
        csdaRange: 'csda 飛程',
        rangeUnit: '飛程の単位',
        graphsHeading: 'グラフ',
        compare: '電子と比較',
        downloadSvg: 'SVG をダウンロード',
        downloadPng: 'PNG をダウンロード',
        intervalHeading: '等エネルギー間隔データ表作成',
        from: '開始',
        to: '終了',
        step: 'エネルギー間隔',
        calculate: '計算',
        downloadCsv: 'CSV をダウンロード',
        tableHeading: '物質のデータ表（81 行）',
        copyLink: 'リンクをコピー',
        footer: '数値は WebAssembly にした Velmora のコアによる。入力もファイルもこのページの外へは送られない。',
        energy: 'エネルギー', collision: '衝突阻止能', radiative: '放射阻止能', total: '全阻止能', range: 'csda 飛程',
        head: '%1：密度 %2 g/cm³、平均励起エネルギー %3 eV（%4）',
        positrons: '陽電子', electrons: '電子',
        loading: '読み込み中…',
        shown: '%1 個のエネルギーについて表示。',
        moreRows: '%2 行のうち最初の %1 行を表示。ダウンロードには全行が入る。',
        empty: 'エネルギーを入力して下さい。',
        notNumber: '「%1」（%2 番目）は数値ではない。',
        decimalComma: '「%1」（%2 番目）は小数点にコンマを使っている。%3 のように点で書いて下さい。',
        tooMany: 'エネルギーが 100,000 個を超えた：%2 番目（「%1」）。',
        outside: 'エネルギー %1 %4（%2 番目）は %3 の範囲外：0.01 MeV ～ %5 MeV。',
        outsideRanges: '飛程 %1（%2 番目）は %3 の csda 飛程の範囲外：%4 ～ %5。',
        materialAmbiguous: '「%1」に当てはまる物質が複数ある：%2',
        materialUnknown: '「%1」という物質はない。',
        noElectrons: 'この物質には電子のデータ表がない。',
        someEmpty: '入力されていない項目があります',
        capped: '5000 区間を超えるため、表は %1 MeV で終わる。',
        intervalRows: '%1 行。',
        linkCopied: 'リンクをコピーした。',
        badParameter: 'アドレスの「%1」は使わなかった：%2',
        unknownParameter: '知らないパラメータ',
        badValue: '値が正しくない',
        ownFileRead: 'ファイル「%1」を読んだ：%2。',
        ownFileRefused: 'ファイルを読めなかった：%1',
        failed: 'ページを開始できなかった：%1',
        graphAlt: '%2 の %1 の両対数グラフ（運動エネルギー 0.01 MeV ～ 1000 MeV）。',
        stoppingGraph: '質量阻止能（衝突・放射・全）',
        rangeGraph: 'csda 飛程',
    },
};

export const LANGUAGES = Object.keys(TEXTS);

let current = 'en';

export function setLanguage(language) {
    current = LANGUAGES.includes(language) ? language : 'en';
    document.documentElement.lang = current;
    for (const element of document.querySelectorAll('[data-text]')) {
        element.textContent = TEXTS[current][element.dataset.text];
    }
    document.title = TEXTS[current].title;
}

export function language() {
    return current;
}

// The text of a key with %1..%9 replaced by the arguments (inserted as text, never as markup).
export function t(key, ...args) {
    const text = TEXTS[current][key] ?? TEXTS.en[key] ?? key;
    return text.replace(/%([1-9])/g, (place, n) => (args[n - 1] === undefined ? place : String(args[n - 1])));
}

// The browser's first language that the page has, else English.
export function browserLanguage() {
    for (const tag of navigator.languages ?? [navigator.language]) {
        const primary = String(tag).toLowerCase().split('-')[0];
        if (LANGUAGES.includes(primary)) return primary;
    }
    return 'en';
}

// The graphs' comparison of several materials.
Object.assign(TEXTS.en, {
    overlayAdd: 'Add to the comparison',
    overlayRemove: 'Remove',
    overlayRemoveNamed: 'Remove %1 from the comparison',
    overlaysCaption: 'Materials compared on the graphs',
    overlayAdded: '%1 was added to the comparison.',
    overlayRemoved: '%1 was removed from the comparison.',
    overlayTwice: '%1 is already in the comparison.',
    overlayFull: 'At most %1 materials can be compared: remove one first.',
    overlayTwiceInAddress: 'the material is named twice',
    overlayTooManyInAddress: 'more than 6 materials to compare',
});
Object.assign(TEXTS.ja, {
    overlayAdd: '比較に加える',
    overlayRemove: '外す',
    overlayRemoveNamed: '%1 を比較から外す',
    overlaysCaption: 'グラフで比較する物質',
    overlayAdded: '%1 を比較に加えた。',
    overlayRemoved: '%1 を比較から外した。',
    overlayTwice: '%1 はすでに比較に入っている。',
    overlayFull: '比較できる物質は %1 個まで。先に一つ外して下さい。',
    overlayTwiceInAddress: '同じ物質が二度ある',
    overlayTooManyInAddress: '比較する物質が 6 個を超えた',
});
