// The driver's web server on a free port of 127.0.0.1, and the steps that change what it
// answers. It refuses every hidden file, such as .htaccess, with 403, as Apache does, and sends
// a whole file even when asked for a range of it, as it may.
import {existsSync, readFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {extname, join, normalize, sep} from 'node:path';

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript',
    '.css': 'text/css',
    '.wasm': 'application/wasm',
    '.data': 'application/octet-stream',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

function sendFile(response, file, headers) {
    try {
        const body = readFileSync(file);
        response.writeHead(200, {...headers, 'Content-Type': types[extname(file)] || 'text/plain'});
        response.end(body);
    } catch {
        response.writeHead(404).end();
    }
}

function answer(site, request, response) {
    if (!site.online) {
        request.socket.destroy();
        return;
    }
    const root = site.root;
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const folder = path.endsWith('/') ||
                   (site.folderPages && existsSync(join(root, path, 'index.html')));
    const file = normalize(join(root, folder ? `${path}/index.html` : path));
    const hidden = path.split('/').some((name) => name.startsWith('.'));
    if (site.refuseHead && request.method === 'HEAD') {
        response.writeHead(405, {Allow: 'GET'}).end();
        return;
    }
    if (site.redirectIndex && path.endsWith('/index.html')) {
        response.writeHead(301, {Location: './'}).end();
        return;
    }
    if (!file.startsWith(normalize(root) + sep) || hidden) {
        response.writeHead(403).end();
        return;
    }
    sendFile(response, file, site.policy ? {'Content-Security-Policy': site.policy} : {});
}

// Serves SITE: what it answers from (root), and whether it answers at all (online); offline,
// every request fails as it does when the network is down. The other fields are set by the
// steps below.
export function serveSite(site) {
    const server = createServer((request, response) => answer(site, request, response));
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

export const serverSteps = {
    offline: (session) => {
        session.site.online = false;
    },
    online: (session) => {
        session.site.online = true;
    },
    serve: (session, argument) => {
        session.site.root = argument;
    },
    'redirect-index': (session) => {
        session.site.redirectIndex = true;
    },
    'refuse-head': (session) => {
        session.site.refuseHead = true;
    },
    'folder-pages': (session) => {
        session.site.folderPages = true;
    },
    policy: (session, argument) => {
        session.site.policy = argument;
    },
};
