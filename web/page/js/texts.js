// The page's texts in English and Japanese. Texts the desktop windows also show come from the
// desktop's translation source, translations/velmora_en.ts (generated into shared-texts.js when
// the site is built): its Japanese source and its English translation. Only the page's own texts
// are written here.
import { DESKTOP_TEXTS } from './shared-texts.js';

// Texts shared with the desktop: key -> [context, source in velmora_en.ts].
export const SHARED = {
    someEmpty: ['velmora::IntervalTableWindow', '入力されていない項目があります'],
    noElectrons: ['velmora::GraphWindow', 'There is no electron table for this material.'],
    compare: ['velmora::GraphWindow', 'Compare with electrons'],
    emittersHeading: ['velmora::EmittersWindow', '陽電子放出核種の飛程'],
    nuclide: ['velmora::EmittersWindow', '核種'],
    halfLife: ['velmora::EmittersWindow', '半減期'],
    positronsPer100: ['velmora::EmittersWindow', '陽電子\n/100壊変'],
    endpointMeV: ['velmora::EmittersWindow', '最大エネルギー\nMeV'],
    meanEnergyMeV: ['velmora::EmittersWindow', '平均エネルギー\nMeV'],
    meanRangeG: ['velmora::EmittersWindow', '平均csda飛程\ng/cm2'],
    meanRangeMm: ['velmora::EmittersWindow', '平均csda飛程\nmm'],
    thickness: ['velmora::EmittersWindow', '厚さ'],
    emittersMaterial: ['velmora::EmittersWindow', '%1（密度 %2 g/cm3、陽電子の csda 飛程）'],
    emittersMaterialElectrons: ['velmora::EmittersWindow', '%1（密度 %2 g/cm3、同じエネルギーの電子の csda 飛程）'],
    cannotAnswer: ['velmora::EmittersWindow', 'この物質の表からは %1 の飛程を求められません。'],
    beyondHeader: ['velmora::EmittersWindow', '%1 mm を超える\n割合 %'],
    beyondNote: ['velmora::EmittersWindow', 'csda 飛程は道のりで深さではないため、この割合は厚さ %1 mm を通り抜ける陽電子の割合の上限です。'],
};

// The page's Japanese for desktop texts whose source is English (the desktop shows them in
// English in both languages), by context and source. The equal-interval table's refusals come
// from the core as their source text and arguments.
export const JAPANESE_FOR_ENGLISH_SOURCES = {
    'velmora::GraphWindow': {
        'There is no electron table for this material.': 'この物質には電子のデータ表がない。',
        'Compare with electrons': '電子と比較',
    },
    'velmora::IntervalCalculation': {
        'No material table has been loaded.': '物質のデータ表が読み込まれていません。',
        'The energies entered are too large to compute with.': '入力されたエネルギーが大きすぎて計算できません。',
        'The energy interval must not be zero.': 'エネルギー間隔に 0 は使えません。',
        'Every energy of the table must be greater than 0 MeV (row %1 of the table would be at %2 MeV).':
            '表のエネルギーはすべて 0 MeV より大きくなければなりません（表の %1 行目が %2 MeV になります）。',
        "The energies must not exceed the last energy of the material's table, %1 MeV (row %2 of the table would be at %3 MeV).":
            'エネルギーは物質のデータ表の最後のエネルギー %1 MeV を超えてはなりません（表の %2 行目が %3 MeV になります）。',
        'The stopping powers cannot be computed at this energy (row %1 of the table would be at %2 MeV).':
            'このエネルギーでは阻止能を計算できません（表の %1 行目が %2 MeV になります）。',
    },
};

const PAGE_TEXTS = {
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
        empty: 'Type one or more energies.',
        notNumber: '"%1" (item %2) is not a number.',
        decimalComma: '"%1" (item %2) has a decimal comma: write a point, e.g. %3.',
        tooMany: 'More than 100,000 energies: item %2 ("%1") is one too many.',
        outside: 'Energy %1 %4 (item %2) is outside the range of %3: 0.01 MeV to %5 MeV.',
        outsideRanges: 'Range %1 (item %2) is outside the csda ranges of %3: %4 to %5.',
        materialAmbiguous: '"%1" matches several materials: %2',
        materialUnknown: 'No material is called "%1".',
        capped: 'More than 5000 intervals: the table ends at %1 MeV.',
        intervalRows: '%1 rows.',
        linkCopied: 'The link has been copied.',
        badParameter: 'The address parameter "%1" was not used: %2',
        unknownParameter: 'it is not known',
        badValue: 'its value is not valid',
        ownFileRead: 'Your file "%1" was read: %2.',
        ownFileRefused: 'Your file was refused: %1',
        failed: 'The page could not start: %1',
        catalogueFailed: 'The list of materials could not be read: %1',
        tableFailed: 'The table of %1 could not be read (%2): the material shown before stays.',
        graphAlt: 'Log-log graph of %1 against kinetic energy from 0.01 MeV to 1000 MeV for %2.',
        stoppingGraph: 'mass stopping powers (collision, radiative, total)',
        rangeGraph: 'the csda range',
        thicknessUnit: 'Thickness unit',
        thicknessRefused: 'Please type the thickness as a positive number.',
        emittersList: 'The bundled nuclides. A list of your own is read by the desktop program and velmora-query.',
        spectrumHeading: 'Spectrum of %1',
        spectrumAlt: 'Beta+ spectrum of %1: positrons per MeV per 100 decays against kinetic energy from 0 MeV to the endpoint, %2 MeV; the dashed line marks the mean energy, %3 MeV. %4 positrons per 100 decays.',
        spectrumAxis: 'Positrons per MeV per 100 decays',
        spectrumTable: 'The spectrum as a table',
        meanMark: 'mean',
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
        empty: 'エネルギーを入力して下さい。',
        notNumber: '「%1」（%2 番目）は数値ではない。',
        decimalComma: '「%1」（%2 番目）は小数点にコンマを使っている。%3 のように点で書いて下さい。',
        tooMany: 'エネルギーが 100,000 個を超えた：%2 番目（「%1」）。',
        outside: 'エネルギー %1 %4（%2 番目）は %3 の範囲外：0.01 MeV ～ %5 MeV。',
        outsideRanges: '飛程 %1（%2 番目）は %3 の csda 飛程の範囲外：%4 ～ %5。',
        materialAmbiguous: '「%1」に当てはまる物質が複数ある：%2',
        materialUnknown: '「%1」という物質はない。',
        capped: '5000 区間を超えるため、表は %1 MeV で終わる。',
        intervalRows: '%1 行。',
        linkCopied: 'リンクをコピーした。',
        badParameter: 'アドレスの「%1」は使わなかった：%2',
        unknownParameter: '知らないパラメータ',
        badValue: '値が正しくない',
        ownFileRead: 'ファイル「%1」を読んだ：%2。',
        ownFileRefused: 'ファイルを読めなかった：%1',
        failed: 'ページを開始できなかった：%1',
        catalogueFailed: '物質の一覧を読み込めなかった：%1',
        tableFailed: '%1 のデータ表を読み込めなかった（%2）。前の物質の表示のままにした。',
        graphAlt: '%2 の %1 の両対数グラフ（運動エネルギー 0.01 MeV ～ 1000 MeV）。',
        stoppingGraph: '質量阻止能（衝突・放射・全）',
        rangeGraph: 'csda 飛程',
        thicknessUnit: '厚さの単位',
        thicknessRefused: '厚さは正の数で入力して下さい',
        emittersList: '同梱の核種リスト。自分の核種リストはデスクトップ版と velmora-query で読める。',
        spectrumHeading: '%1 のスペクトル',
        spectrumAlt: '%1 の β+ スペクトル：運動エネルギー 0 MeV から最大エネルギー %2 MeV までの 1 MeV・100 壊変あたりの陽電子数。破線は平均エネルギー %3 MeV。100 壊変あたり %4 個の陽電子。',
        spectrumAxis: '陽電子 /MeV/100壊変',
        spectrumTable: 'スペクトルの表',
        meanMark: '平均',
    },
};

// A desktop text in a language: Japanese is its source (or the page's Japanese for an English
// source), English its translation.
function desktopText(language, context, source) {
    if (language === 'ja') return JAPANESE_FOR_ENGLISH_SOURCES[context]?.[source] ?? source;
    return DESKTOP_TEXTS[context]?.[source] ?? source;
}

const TEXTS = Object.fromEntries(Object.entries(PAGE_TEXTS).map(([language, texts]) => [language, {
    ...texts,
    ...Object.fromEntries(Object.entries(SHARED).map(([key, [context, source]]) =>
        [key, desktopText(language, context, source)])),
}]));

// The shared texts that the desktop's translation source does not have (the build refuses them).
export function missingSharedTexts() {
    const missing = Object.values(SHARED).filter(([context, source]) => !(source in (DESKTOP_TEXTS[context] ?? {})));
    for (const [context, texts] of Object.entries(JAPANESE_FOR_ENGLISH_SOURCES)) {
        for (const source of Object.keys(texts)) {
            if (!(source in (DESKTOP_TEXTS[context] ?? {}))) missing.push([context, source]);
        }
    }
    return missing;
}

// The contexts of velmora_en.ts that the page uses.
export const SHARED_CONTEXTS = [...new Set([...Object.values(SHARED).map(([context]) => context),
    ...Object.keys(JAPANESE_FOR_ENGLISH_SOURCES)])];

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

// A message of the core given as its source text and arguments (the equal-interval table's
// refusals) in the page's language.
export function translatedMessage(context, source, args) {
    const text = desktopText(current, context, source);
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
    compareElectronsShown: 'The electron table is the one shown: choose Positron to compare.',
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
    compareElectronsShown: '電子の表を表示中。比較するには陽電子を選んで下さい。',
});
