// The browser edition in Debian's chromium (headless), opened from file:// with every network
// request refused: typed throws against the report tool, a refused input, the pace of a flight,
// English, the time to the first results, the accessibility engine, lesson files and the
// recovery copy, the graph's downloads, the help menu's boxes, and measured points with their fit.
//   node --test tests/web/page.test.mjs   (BALLFLIGHT_PAGE, BALLFLIGHT_REPORT, WEB_MODULES set)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';

const require = createRequire(process.env.WEB_MODULES + '/');
const { chromium } = require('playwright-core');
const axeSource = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const pageUrl = pathToFileURL(process.env.BALLFLIGHT_PAGE).href;
const report = process.env.BALLFLIGHT_REPORT;
const fieldKeys = ['h0', 'v0', 'angle', 'd', 'rho', 'rho0', 'eta'];
const reportOptions = ['--h0', '--v0', '--angle', '--d', '--rho', '--rho0', '--eta'];

let browser;
before(async () => {
    // The tests run as root in CI, where chromium's sandbox cannot start: --no-sandbox.
    browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
});
after(() => browser?.close());

async function open(locale) {
    const context = await browser.newContext({ locale });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    await page.route('**/*', (r) => (r.request().url().startsWith('file:') ? r.continue() : r.abort()));
    await page.goto(pageUrl);
    await page.waitForSelector('body[data-ready="1"]', { timeout: 10000 });
    // The page's own clock, from the start of the navigation: a loaded machine's slow start of
    // the browser and the test's messages to it do not count.
    const readyMs = Number(await page.getAttribute('body', 'data-ready-ms'));
    return { page, context, errors, readyMs };
}
const labels = (page) => page.$$eval('.result .text', (els) => els.map((e) => e.textContent));
const fieldTexts = (page) => Promise.all(fieldKeys.map((k) => page.inputValue('#f-' + k)));
async function type(page, key, text) {
    await page.click('#f-' + key);
    await page.keyboard.press('Control+A');
    await page.keyboard.type(text);
    await page.keyboard.press('Tab');
}
async function runToLanding(page) {
    const before = Number((await page.getAttribute('body', 'data-landings')) ?? 0);
    await page.click('#run');
    await page.waitForFunction((n) => Number(document.body.dataset.landings ?? 0) > n, before,
                               { timeout: 60000 });
}
function reportTexts(texts, lang = 'ru', extra = []) {
    const args = texts.flatMap((t, i) => [reportOptions[i], t.trim()]).concat(['--lang', lang], extra);
    const out = JSON.parse(execFileSync(report, args, { encoding: 'utf8' }));
    return Object.values(out.results).map((r) => r.text);
}
const scratch = mkdtempSync(join(tmpdir(), 'ballflight-web-'));
async function downloaded(page, button) {
    const [file] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
    const path = join(scratch, file.suggestedFilename());
    await file.saveAs(path);
    return { name: file.suggestedFilename(), bytes: readFileSync(path) };
}
async function boxText(page) {
    const dialog = page.locator('[role=alertdialog]');
    await dialog.waitFor();
    return dialog.textContent();
}
async function closeBox(page, key = 'Enter') {
    await page.keyboard.press(key);
    await page.locator('[role=alertdialog]').waitFor({ state: 'hidden' });
}

test('typed throws land with the report tool\'s 27 texts; first results in time', async () => {
    const { page, context, errors, readyMs } = await open('ru-RU');
    assert.ok(readyMs < 1500, `first results after ${readyMs} ms`);
    assert.match((await labels(page))[17], /^Xmax1=  1\.455 м$/);
    let seed = 7;
    const random = (lo, hi) => lo + (hi - lo) * ((seed = (seed * 16807) % 2147483647) / 2147483647);
    for (let n = 0; n < 3; ++n) {
        const throwTexts = [random(0.1, 5), random(1, 15), random(-30, 80), random(0.05, 0.5),
                            random(2000, 9000), random(800, 1300), random(0.001, 0.02)];
        for (let i = 0; i < 7; ++i) await type(page, fieldKeys[i], throwTexts[i].toPrecision(4));
        await runToLanding(page);
        const shown = await labels(page);
        assert.equal(shown.length, 27);
        assert.deepEqual(shown, reportTexts(await fieldTexts(page)), `throw ${n}`);
    }
    assert.deepEqual(errors, []);
    await context.close();
});

test('a refused height shows its message in a dialog and is repaired', async () => {
    const { page, context } = await open('ru-RU');
    await type(page, 'h0', '-1');
    const dialog = page.locator('[role=alertdialog]');
    await dialog.waitFor();
    assert.match(await dialog.textContent(), /тело под Землей\?! такой расчёт не предусмотрен!/);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'dialogOk');
    await page.keyboard.press('Enter');
    await dialog.waitFor({ state: 'hidden' });
    assert.notEqual(await page.inputValue('#f-h0'), '-1');
    await context.close();
});

test('the viscous example lands at the window\'s pace', async () => {
    const { page, context } = await open('ru-RU');
    const viscous = ['2', '10', '45', '0.05', '1200', '1000', '1.5'];
    for (let i = 0; i < 7; ++i) await type(page, fieldKeys[i], viscous[i]);
    await runToLanding(page);
    const ms = Number(await page.getAttribute('body', 'data-flight-ms'));
    assert.ok(Math.abs(ms - 8810) <= 0.05 * 8810, `landing labels after ${ms} ms`);
    await context.close();
});

test('English from the browser\'s language, a remembered switch, and no serious axe finding',
     async () => {
    const { page, context } = await open('en-US');
    await runToLanding(page);
    assert.deepEqual(await labels(page), reportTexts(await fieldTexts(page), 'en'));
    assert.equal(await page.textContent('#run'), 'START');
    // The help documents in the page's language, in the folder beside it that the build fills.
    const help = new URL(await page.$eval('#help0', (a) => a.href));
    assert.match(help.pathname, /\/ballflight-help\/spravka\.en\.pdf$/);
    assert.ok(existsSync(help), help.href);
    await page.addScriptTag({ content: axeSource });
    const found = await page.evaluate(async () => (await window.axe.run()).violations
        .filter((v) => v.impact === 'serious' || v.impact === 'critical')
        .map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', ')));
    assert.deepEqual(found, []);
    await page.click('#language');
    await page.reload();
    await page.waitForSelector('body[data-ready="1"]');
    assert.equal(await page.textContent('#run'), 'ПУСК');
    await context.close();
});

test('a lesson is saved and opened as a .ballflight file; a closed tab\'s lesson is offered back',
     async () => {
    const { page, context } = await open('ru-RU');
    await type(page, 'd', '0.1');
    await page.$eval('#hscroll', (e) => { e.value = '60'; e.dispatchEvent(new Event('input')); });
    await page.waitForFunction(() => localStorage.getItem('ballflight.recovery'));
    const changed = await fieldTexts(page);
    await page.reload();
    assert.match(await boxText(page), /Восстановить урок, не сохранённый при прошлом завершении\?/);
    await closeBox(page);
    assert.deepEqual(await fieldTexts(page), changed);
    assert.equal(await page.inputValue('#hscroll'), '60');

    const file = await downloaded(page, '#lessonSave');
    assert.equal(file.name, 'урок.ballflight');
    assert.equal(JSON.parse(file.bytes).format, 1);
    await page.waitForFunction(() => !localStorage.getItem('ballflight.recovery'));
    await context.close();

    const fresh = await open('ru-RU');
    await fresh.page.setInputFiles('#lessonFile', join(scratch, file.name));
    await fresh.page.waitForFunction((t) => document.querySelector('#f-d').value === t, changed[3]);
    assert.deepEqual(await fieldTexts(fresh.page), changed);
    assert.equal(await fresh.page.inputValue('#hscroll'), '60');
    // A file of a newer format is refused with the reason, and nothing changes.
    await fresh.page.setInputFiles('#lessonFile', { name: 'new.ballflight', mimeType: 'application/json',
                                                    buffer: Buffer.from('{"format": 7}') });
    assert.match(await boxText(fresh.page), /Не удалось открыть урок «new\.ballflight»: .*7/);
    await closeBox(fresh.page);
    assert.deepEqual(await fieldTexts(fresh.page), changed);
    assert.deepEqual(fresh.errors, []);
    await fresh.context.close();
});

test('the shown graph downloads as PNG and its curves as the report tool\'s CSV', async () => {
    const { page, context } = await open('ru-RU');
    await page.check('input[name=graph][value="1"]');
    await page.click('#dataSave');
    assert.match(await boxText(page), /На графике ещё нет кривых/);
    await closeBox(page);
    await runToLanding(page);
    const picture = await downloaded(page, '#graphSave');
    assert.equal(picture.name, 'ballflight-trajectory.png');
    assert.deepEqual([...picture.bytes.subarray(1, 4)], [...Buffer.from('PNG')]);
    const data = await downloaded(page, '#dataSave');
    assert.equal(data.name, 'ballflight-trajectory.csv');
    // The report tool computes every step of the flight; the page, like the window, writes the
    // pieces it drew: its quadratic-drag rows are some of the tool's, its other rows all of them.
    const curves = join(scratch, 'curves.csv');
    reportTexts(await fieldTexts(page), 'ru', ['--curves', curves]);
    const rows = (text) => text.split('\n').filter((row, i) => i === 0 || row.startsWith('trajectory_'));
    const flown = (row) => row.startsWith('trajectory_quadratic');
    const tool = rows(readFileSync(curves, 'utf8')), shown = rows(data.bytes.toString('utf8'));
    assert.deepEqual(shown.filter((r) => !flown(r)), tool.filter((r) => !flown(r)));
    const toolFlight = new Set(tool.filter(flown));
    assert.ok(shown.filter(flown).length > 100);
    assert.deepEqual(shown.filter((r) => flown(r) && !toolFlight.has(r)), []);
    await context.close();
});

test('the help menu\'s boxes show the window\'s titles and texts in both languages', async () => {
    const { page, context, errors } = await open('ru-RU');
    const english = await page.evaluate(() => window.ballflightEnglish);
    await page.addScriptTag({ content: axeSource });
    const boxes = [
        ['#authors', 'Авторы', 'Кафедра физики, дек. 2026 г.', 6],
        ['#about', 'О ПРОГРАММЕ', 'Программа моделирует движение шара в среде вблизи поверхности Земли', 11],
        ['#registration', 'РЕГИСТРАЦИЯ', 'Ранее зарегистрированная версия: нет.', 6],
    ];
    for (const lang of ['ru', 'en']) {
        const say = (russian) => (lang === 'en' ? english[russian] : russian);
        for (const [button, title, firstLine, lineCount] of boxes) {
            await page.click(button);
            await page.locator('[role=alertdialog]').waitFor();
            assert.equal(await page.textContent('#dialogTitle'), say(title));
            const lines = (await page.textContent('#dialogText')).split('\r\n');
            assert.equal(lines.length, lineCount, button);
            assert.equal(lines[0].trimEnd(), say(firstLine));
            assert.equal(await page.evaluate(() => document.activeElement.id), 'dialogOk');
            const portrait = await page.$eval('#dialogImage', (i) => !i.hidden && i.naturalWidth > 0);
            assert.equal(portrait, button === '#authors', button);
            if (button === '#authors') {
                assert.equal(lines[0].length, 36, 'the authors\' lines are padded as the window\'s');
                const found = await page.evaluate(async () => (await window.axe.run()).violations
                    .filter((v) => v.impact === 'serious' || v.impact === 'critical')
                    .map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', ')));
                assert.deepEqual(found, []);
            }
            await closeBox(page, 'Escape');
            assert.equal(await page.evaluate(() => document.activeElement.id), button.slice(1));
        }
        await page.click('#language');
    }
    assert.deepEqual(errors, []);
    await context.close();
});

test('a measured table: its panel, a fit in a worker as the report tool\'s, a refusal, a lesson',
     async () => {
    const { page, context, errors } = await open('ru-RU');
    const table = join(process.env.BALLFLIGHT_PAGE, '../../../data/examples/tennis-ball.tsv');
    // The tennis ball's air, then its ball and throw: the fit starts near it, as in the report.
    const inputs = { rho0: '1.2', eta: '0.0000182', d: '0.067', rho: '370', h0: '1.2', v0: '8', angle: '35' };
    for (const [key, text] of Object.entries(inputs)) await type(page, key, text);
    // The import dialog shows the columns and units the table names («см»), with their count;
    // Enter opens the points.
    await page.setInputFiles('#measureFile', table);
    await page.locator('#import').waitFor();
    assert.equal(await page.textContent('#importTitle'), 'Измерения: tennis-ball.tsv');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'importMotion');
    assert.deepEqual(await page.$$eval('#importForm select', (s) => s.map((x) => x.selectedIndex)),
                     [0, 0, 1, 2, 1, 0, 0]);
    const guessed = await page.textContent('#importCount');
    await page.addScriptTag({ content: axeSource });
    const seriousFindings = () => page.evaluate(async () => (await window.axe.run()).violations
        .filter((v) => v.impact === 'serious' || v.impact === 'critical')
        .map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', ')));
    assert.deepEqual(await seriousFindings(), []);
    await page.keyboard.press('Enter');
    await page.locator('#measured').waitFor();
    const texts = await fieldTexts(page);
    const args = texts.flatMap((t, i) => [reportOptions[i], t.trim()]).concat(['--data', table]);
    const tool = (extra = []) => JSON.parse(execFileSync(report, args.concat(extra), { encoding: 'utf8' }));
    const data = tool().data;
    assert.equal(guessed, `Будет прочитано точек: ${data.points}, пропущено строк: ${data.skipped}`);
    assert.equal(await page.textContent('#measuredCounts'),
                 `Точек: ${data.points}, пропущено строк: ${data.skipped}`);
    assert.equal(await page.textContent('#measuredSource'), 'Источник: tennis-ball.tsv');
    assert.equal(await page.textContent('#measured2'), `Fc~v^2: ${data.rms.quadratic.toFixed(4)} м`);
    // The readout names the point nearest the pointer.
    const pane = await page.locator('#pane').boundingBox();
    await page.mouse.move(pane.x + pane.width * 0.8, pane.y + pane.height * 0.8);
    assert.match(await page.textContent('#readout'), /точка \d+:/);

    // The fit runs in a worker: the page's timers keep their pace while it works.
    await page.click('#measuredFit');
    await page.check('#fitFree input[value=cd]');
    await page.evaluate(() => {
        window.gaps = { last: performance.now(), most: 0 };
        window.gaps.timer = setInterval(() => {
            const now = performance.now();
            window.gaps.most = Math.max(window.gaps.most, now - window.gaps.last);
            window.gaps.last = now;
        }, 10);
    });
    await page.click('#fitRun');
    await page.waitForSelector('#fitTable tbody tr', { timeout: 120000 });
    const most = await page.evaluate(() => { clearInterval(window.gaps.timer); return window.gaps.most; });
    const fitMs = Number(await page.getAttribute('body', 'data-fit-ms'));
    assert.ok(most < 200, `the page stopped for ${most} ms of a fit of ${fitMs} ms`);
    const shown = JSON.parse(await page.getAttribute('#fitTable', 'data-figures'));
    const native = tool(['--fit', 'v0,angle,cd']).fit;
    assert.equal(shown.best, native.best);
    for (const model of ['vacuum', 'linear', 'quadratic'])
        for (const [key, value] of Object.entries(native[model].inputs)) {
            const what = `${model} ${key}: ${shown[model].inputs[key]} against ${value}`;
            assert.ok(Math.abs(shown[model].inputs[key] - value) <= 1e-6 * Math.abs(value), what);
            const error = native[model].errors[key];
            assert.ok(Math.abs(shown[model].errors[key] - error) <= 1e-6 * Math.abs(error), what);
        }
    const q = native.quadratic.inputs;
    assert.match(await page.textContent('#fitTable tr.best'), new RegExp(`★.*${q.v0.toPrecision(6)} ± `));
    assert.match(await page.textContent('#fitStatus'), /^Готово\. Лучшая модель: Fc~v\^2\.$/);
    // «Применить» writes the best model's inputs into the fields.
    await page.click('#fitApply');
    assert.equal(Number(await page.inputValue('#f-v0')).toFixed(3), q.v0.toFixed(3));
    // A second fit, cancelled before the worker could end it: Escape then closes the dialog.
    await page.evaluate(() => {
        document.getElementById('fitRun').click();
        document.getElementById('fitCancel').click();
    });
    assert.match(await page.textContent('#fitStatus'), /^Подгонка отменена/);
    await page.keyboard.press('Escape');
    await page.locator('#fitBack').waitFor({ state: 'hidden' });

    // The lesson keeps the points: saved, then opened in a fresh page with the same panel.
    const lesson = await downloaded(page, '#lessonSave');
    assert.equal(JSON.parse(lesson.bytes).measurements.points.length, data.points);
    const counts = await page.textContent('#measured');
    // A table without points is refused with the import's reason, and the points stay.
    await page.setInputFiles('#measureFile', { name: 'empty.txt', mimeType: 'text/plain',
                                               buffer: Buffer.from('t x y\n') });
    assert.match(await boxText(page), /«empty\.txt» не прочитан: \S/);
    await closeBox(page);
    assert.equal(await page.textContent('#measured'), counts);
    // Escape cancels the dialog and the points stay; «мм» reads them as the report tool's
    // --units mm,s (the fit's inputs typed back).
    await page.setInputFiles('#measureFile', table);
    await page.selectOption('#importLength', { index: 2 });
    assert.equal(await page.textContent('#importCount'), guessed);
    await page.keyboard.press('Escape');
    await page.locator('#importBack').waitFor({ state: 'hidden' });
    assert.equal(await page.textContent('#measured'), counts);
    await page.setInputFiles('#measureFile', table);
    await page.selectOption('#importLength', { index: 2 });
    await page.click('#importOpen');
    for (const [key, text] of Object.entries(inputs)) await type(page, key, text);
    const mm = tool(['--units', 'mm,s']).data;
    // The linear model's distance: the fit has changed Cd, which the tool is not given.
    assert.equal(await page.textContent('#measured1'), `Fc~v: ${mm.rms.linear.toFixed(4)} м`);
    await page.click('#measuredRemove');
    assert.ok(await page.locator('#measured').isHidden());
    assert.deepEqual(errors, []);
    await context.close();

    const fresh = await open('en-US');
    await fresh.page.setInputFiles('#lessonFile', join(scratch, lesson.name));
    await fresh.page.locator('#measured').waitFor();
    await fresh.page.click('#language');
    assert.equal(await fresh.page.textContent('#measured'), counts);
    await fresh.page.click('#language');
    // In English, with the fit dialog open: no serious finding of the accessibility engine.
    assert.match(await fresh.page.textContent('#measuredCounts'), /^[^А-я]+$/);
    await fresh.page.click('#measuredFit');
    await fresh.page.addScriptTag({ content: axeSource });
    const found = await fresh.page.evaluate(async () => (await window.axe.run()).violations
        .filter((v) => v.impact === 'serious' || v.impact === 'critical')
        .map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', ')));
    assert.deepEqual(found, []);
    assert.deepEqual(fresh.errors, []);
    await fresh.context.close();
});
