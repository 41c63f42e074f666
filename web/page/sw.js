// Offline use after the first visit: every file of one version of the site in one cache named
// after that version (the build writes the version below, so each version is a new worker). A
// new version is cached whole before it takes over, and an install that finds files of another
// version fails and leaves the old one in place: a page never gets files of two versions.
const VERSION = '@VELMORA_SITE_VERSION@';
const CACHE = 'velmora-' + VERSION;

self.addEventListener('install', (event) => {
    event.waitUntil((async () => {
        const response = await fetch('files.json', { cache: 'no-store' });
        const listed = await response.json();
        if (listed.version !== VERSION) throw new Error('files.json is of version ' + listed.version);
        const cache = await caches.open(CACHE);
        try {
            await cache.addAll(['./', 'files.json', ...listed.shell, ...listed.tables]
                .map((file) => new Request(file, { cache: 'no-store' })));
        } catch (error) {
            await caches.delete(CACHE);
            throw error;
        }
        await self.skipWaiting();
    })());
});

self.addEventListener('activate', (event) => {
    event.waitUntil((async () => {
        const names = await caches.keys();
        await Promise.all(names.filter((name) => name.startsWith('velmora-') && name !== CACHE)
            .map((name) => caches.delete(name)));
        await self.clients.claim();
    })());
});

self.addEventListener('fetch', (event) => {
    const url = new URL(event.request.url);
    if (event.request.method !== 'GET' || url.origin !== self.location.origin) return;
    event.respondWith((async () => {
        const hit = await (await caches.open(CACHE)).match(event.request, { ignoreSearch: true });
        return hit ?? fetch(event.request);
    })());
});
