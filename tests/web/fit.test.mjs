// The page's fitter (WebAssembly under Node.js) against the report tool's on the same table:
// each model's fitted inputs, their errors, the launch and the RMS as the native build finds
// them, and a throw of known inputs recovered.
//   node --test tests/web/fit.test.mjs   (BALLFLIGHT_PAGE, BALLFLIGHT_REPORT set)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const createBallflight = require(join(dirname(process.env.BALLFLIGHT_PAGE), 'ballflight.js'));
const root = join(dirname(fileURLToPath(import.meta.url)), '../..');
// A generated throw of a tennis ball: 9 m/s at 40° with linear and quadratic drag, 3 mm noise.
const table = join(root, 'data/examples/tennis-ball.tsv');
const inputs = { h0: 1.2, v0: 8, angle: 35, d: 0.067, rho: 370, rho0: 1.2, eta: 0.0000182 };

function reportFit(free) {
    const args = ['--data', table, '--fit', free];
    for (const [key, value] of Object.entries(inputs)) args.push('--' + key, String(value));
    return JSON.parse(execFileSync(process.env.BALLFLIGHT_REPORT, args, { encoding: 'utf8' })).fit;
}
// The solvers stop within their tolerances: the figures agree far below what the page shows.
function near(actual, expected, what) {
    assert.ok(Math.abs(actual - expected) <= 1e-6 * Math.max(Math.abs(expected), 1e-3),
              `${what}: ${actual} against ${expected}`);
}

test('a fit of a known throw finds the native build\'s figures and the throw', async () => {
    const module = await createBallflight();
    const text = readFileSync(table, 'utf8');
    for (const free of ['v0,angle', 'v0,angle,cd']) {
        const page = JSON.parse(module.fitTable(text, JSON.stringify(inputs), free));
        const native = reportFit(free);
        assert.equal(page.points, 40);
        assert.equal(page.fit.best, native.best, free);
        for (const model of ['vacuum', 'linear', 'quadratic']) {
            const [p, n] = [page.fit[model], native[model]];
            const what = `${free}, ${model}`;
            assert.equal(p.converged, n.converged, what);
            assert.deepEqual(Object.keys(p.inputs).sort(), Object.keys(n.inputs).sort(), what);
            for (const key of Object.keys(n.inputs)) {
                near(p.inputs[key], n.inputs[key], `${what}, ${key}`);
                near(p.errors[key], n.errors[key], `${what}, error of ${key}`);
            }
            near(p.launch_x.value, n.launch_x.value, `${what}, launch`);
            near(p.rms, n.rms, `${what}, rms`);
        }
        // Only the quadratic drag meets the points, within their noise, at the throw's 9 m/s, 40°.
        const q = page.fit.quadratic;
        assert.ok(Math.abs(q.inputs.v0 - 9) < 3 * q.errors.v0, `v0 ${q.inputs.v0}`);
        assert.ok(Math.abs(q.inputs.angle - 40) < 3 * q.errors.angle, `angle ${q.inputs.angle}`);
        assert.ok(q.rms < 0.005 && page.fit.vacuum.rms > 0.04, free);
    }
    // A table without points is refused with the desktop's message, not fitted.
    const refused = JSON.parse(module.fitTable('t x y\n', JSON.stringify(inputs), 'v0'));
    assert.match(refused.error, /\S/);
    assert.equal(refused.fit, undefined);
});
