// The browser edition in Debian's Firefox ESR and in WebKitGTK (the engine of Safari), opened from
// file:// with the network refused: a typed throw against the report tool, a refused height, and
// English from the browser's language. Prints each engine's version and its time to the first
// results.
//   node --test tests/web/engines.test.mjs   (BALLFLIGHT_PAGE, BALLFLIGHT_REPORT, WEB_MODULES set;
//   WebKitGTK needs an X display: tests/web/run starts Xvfb)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { after, describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { firefox, webkit } from './engines.mjs';

const require = createRequire(process.env.WEB_MODULES + '/');
const pageUrl = pathToFileURL(process.env.BALLFLIGHT_PAGE).href;
const report = process.env.BALLFLIGHT_REPORT;
const fieldKeys = ['h0', 'v0', 'angle', 'd', 'rho', 'rho0', 'eta'];
const reportOptions = ['--h0', '--v0', '--angle', '--d', '--rho', '--rho0', '--eta'];

function reportTexts(texts, lang) {
    const args = texts.flatMap((t, i) => [reportOptions[i], t.trim()]).concat(['--lang', lang]);
    const out = JSON.parse(execFileSync(report, args, { encoding: 'utf8' }));
    return Object.values(out.results).map((r) => r.text);
}
const labels = (tab) => tab.evaluate(() => [...document.querySelectorAll('.result .text')]
    .map((e) => e.textContent));
const fieldTexts = (tab) => tab.evaluate((keys) => keys.map((k) => document.getElementById('f-' + k).value),
                                        fieldKeys);
async function runToLanding(tab) {
    const landings = () => tab.evaluate(() => Number(document.body.dataset.landings ?? 0));
    const before = await landings();
    await tab.click('#run');
    await tab.waitUntil(async () => (await landings()) > before, 60000);
}
async function opened(engine, locale) {
    const tab = await engine.open(locale, pageUrl, require);
    await tab.waitUntil(() => tab.evaluate(() => document.body.dataset.ready === '1'), 15000);
    return tab;
}

for (const engine of [firefox, webkit]) {
    describe(engine.name, () => {
        after(() => engine.quit());

        test('a typed throw lands with the report tool\'s texts; a refused height is told', async (t) => {
            const tab = await opened(engine, 'ru-RU');
            t.diagnostic(`${engine.name} ${await tab.version()}: first results after ` +
                         `${await tab.evaluate(() => document.body.dataset.readyMs)} ms`);
            const typed = ['1.5', '12', '30', '0.2', '7800', '1000', '0.005'];
            for (let i = 0; i < 7; ++i) await tab.type('#f-' + fieldKeys[i], typed[i]);
            await runToLanding(tab);
            const shown = await labels(tab);
            assert.equal(shown.length, 27);
            assert.deepEqual(shown, reportTexts(await fieldTexts(tab), 'ru'));

            await tab.type('#f-h0', '-1');
            await tab.waitUntil(() => tab.evaluate(() => !document.getElementById('dialogBack').hidden),
                                10000);
            assert.match(await tab.evaluate(() => document.getElementById('dialogText').textContent),
                         /^тело под Землей\?! такой расчёт не предусмотрен!$/);
            await tab.press('Enter');
            await tab.waitUntil(() => tab.evaluate(() => document.getElementById('dialogBack').hidden),
                                10000);
            assert.notEqual((await fieldTexts(tab))[0], '-1');
            assert.deepEqual(await tab.problems(), { errors: [], requests: [] });
            await tab.close();
        });

        test('English from the browser\'s language', async () => {
            const tab = await opened(engine, 'en-US');
            assert.equal(await tab.evaluate(() => document.getElementById('run').textContent), 'START');
            await runToLanding(tab);
            assert.deepEqual(await labels(tab), reportTexts(await fieldTexts(tab), 'en'));
            assert.deepEqual(await tab.problems(), { errors: [], requests: [] });
            await tab.close();
        });
    });
}
