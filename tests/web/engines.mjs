// Tabs of the browser edition in Debian's Firefox ESR (puppeteer-core over WebDriver BiDi) and in
// WebKitGTK's MiniBrowser (selenium-webdriver over WebKitWebDriver), behind one small interface:
// evaluate, click, type, press, waitUntil, version, problems (page errors and network requests)
// and close. Every request that is not for a file is refused and reported by problems().
// A typed text is taken with Enter, not Tab: headless Firefox fires no focus events once Tab has
// left the page past its last field, as it would to its own toolbar.
import { execFileSync, spawn } from 'node:child_process';
import { existsSync, mkdtempSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

async function waitUntil(check, ms) {
    const end = Date.now() + ms;
    while (!(await check())) {
        if (Date.now() > end) throw new Error(`not within ${ms} ms: ${check}`);
        await new Promise((r) => setTimeout(r, 100));
    }
}

const openBrowsers = new Set();

// Each tab has its own browser: the browser's language is the page's, and it is set at launch.
export const firefox = {
    name: 'firefox-esr',
    async open(locale, url, require) {
        const puppeteer = require('puppeteer-core');
        // Headless Firefox runs as root (as in CI) with no extra flag: it only refuses a root
        // user's X session, and headless has none.
        const browser = await puppeteer.launch({
            browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
            extraPrefsFirefox: { 'intl.accept_languages': locale, 'intl.locale.requested': locale },
        });
        openBrowsers.add(browser);
        const page = await browser.newPage();
        const errors = [], requests = [];
        page.on('pageerror', (e) => errors.push(e.message));
        page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
        await page.setRequestInterception(true);
        page.on('request', (r) => {
            if (/^(file|data|blob):/.test(r.url())) return r.continue();
            requests.push(r.url());
            return r.abort();
        });
        await page.goto(url);
        return {
            evaluate: (fn, arg) => page.evaluate(fn, arg),
            click: (selector) => page.click(selector),
            async type(selector, text) {
                await page.click(selector);
                await page.keyboard.down('Control');
                await page.keyboard.press('a');
                await page.keyboard.up('Control');
                await page.keyboard.type(text);
                await page.keyboard.press('Enter');
            },
            press: (key) => page.keyboard.press(key),
            waitUntil,
            version: () => browser.version(),
            problems: async () => ({ errors, requests }),
            close: () => openBrowsers.delete(browser) && browser.close(),
        };
    },
    // Closes what a failed test left open.
    quit: () => Promise.all([...openBrowsers].map((browser) => browser.close())),
};

// WebKitWebDriver starts MiniBrowser with its own environment, whose LANG is the page's language:
// WebKit takes navigator.language from the C library's locale, so a Russian one is built for the
// test (LOCPATH; the machine needs none installed). MiniBrowser needs an X display (there is no
// headless mode); as root it needs no flag, since its web process sandbox is off unless asked for.
// Classic WebDriver cannot watch the network nor the console: requests go to a local proxy that
// refuses and records them, and the page's errors are collected from the moment the page has
// loaded (an error while loading stops the page before it is ready, which the tests wait for).
let proxy = null;
const proxied = [];
async function startProxy() {
    if (proxy) return proxy.address().port;
    proxy = createServer((request, response) => {
        proxied.push(request.url);
        response.writeHead(403).end();
    });
    proxy.on('connect', (request, socket) => {
        proxied.push(request.url);
        socket.destroy();
    });
    await new Promise((started) => proxy.listen(0, '127.0.0.1', started));
    return proxy.address().port;
}
let locales = null;
function localeEnvironment(locale) {
    const name = locale.replace('-', '_') + '.UTF-8';
    if (!locales) locales = mkdtempSync(join(tmpdir(), 'ballflight-locales-'));
    if (!existsSync(join(locales, name)))
        execFileSync('localedef', ['-i', locale.replace('-', '_'), '-f', 'UTF-8', join(locales, name)]);
    return { LOCPATH: locales, LANG: name, LC_ALL: name, LANGUAGE: locale.replace('-', '_') };
}
async function freePort() {
    const server = createServer().listen(0, '127.0.0.1');
    await new Promise((listening) => server.on('listening', listening));
    const { port } = server.address();
    await new Promise((closed) => server.close(closed));
    return port;
}

const openSessions = new Set();
async function endSession(session) {
    await session.driver?.quit().catch(() => {});
    session.driverProcess.kill();
}

export const webkit = {
    name: 'webkitgtk',
    async open(locale, url, require) {
        const { Builder, By, Key } = require('selenium-webdriver');
        const proxyAddress = '127.0.0.1:' + (await startProxy());
        const port = await freePort(), address = `http://127.0.0.1:${port}`;
        const session = {
            driverProcess: spawn('/usr/bin/WebKitWebDriver', ['--port=' + port],
                                 { env: { ...process.env, ...localeEnvironment(locale) }, stdio: 'ignore' }),
        };
        openSessions.add(session);
        await waitUntil(() => fetch(address + '/status').then((r) => r.ok, () => false), 10000);
        const driver = await new Builder().usingServer(address).withCapabilities({
            browserName: 'MiniBrowser',
            'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
            proxy: { proxyType: 'manual', httpProxy: proxyAddress, sslProxy: proxyAddress },
        }).build();
        session.driver = driver;
        await driver.get(url);
        await driver.executeScript(() => {
            window.seenErrors = [];
            const seen = (text) => window.seenErrors.push(String(text));
            window.addEventListener('error', (e) => seen(e.message));
            window.addEventListener('unhandledrejection', (e) => seen(e.reason));
            const error = console.error;
            console.error = (...args) => { seen(args.join(' ')); error.apply(console, args); };
        });
        const keys = { Enter: Key.ENTER, Tab: Key.TAB, Escape: Key.ESCAPE };
        return {
            evaluate: (fn, arg) => driver.executeScript(`return (${fn})(arguments[0]);`, arg),
            click: (selector) => driver.findElement(By.css(selector)).click(),
            async type(selector, text) {
                const field = driver.findElement(By.css(selector));
                await field.click();
                // One key sequence each: in one call the chord's Control stays down for the text.
                await field.sendKeys(Key.chord(Key.CONTROL, 'a'));
                await field.sendKeys(text);
                await field.sendKeys(Key.ENTER);
            },
            press: (key) => driver.switchTo().activeElement().then((e) => e.sendKeys(keys[key])),
            waitUntil,
            version: async () => 'MiniBrowser ' + (await driver.getCapabilities()).get('browserVersion'),
            problems: async () => ({ errors: await driver.executeScript(() => window.seenErrors),
                                     requests: proxied.splice(0) }),
            close: () => openSessions.delete(session) && endSession(session),
        };
    },
    async quit() {
        await Promise.all([...openSessions].map(endSession));
        proxy?.close();
        proxy = null;
    },
};
