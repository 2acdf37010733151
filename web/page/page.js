// The page: a view over the program compiled to WebAssembly. Every number, label text, input
// check, repair, message and drawing comes from the C++ (Bindings.cpp); this script only shows
// them, passes the user's edits on, keeps the clock of the flight and plays the tones.
'use strict';
(async () => {
    const M = await createBallflight();
    M.usePresets(window.ballflightPresets);
    const page = new M.Page();
    const $ = (id) => document.getElementById(id);
    const tr = (text) => M.tr(text);

    // Results laid out as the window's panel: [key, column, row]; column 0 holds the inputs.
    const places = {
        a_max: [1, 2], Tp: [1, 4], Xp: [1, 5], Ymax: [1, 6], Tmax: [1, 7], Xmax: [1, 8],
        VxEnd: [1, 9], VyEnd: [1, 10], m: [0, 10],
        tau: [2, 2], Vp1: [2, 3], Tp1: [2, 4], Xp1: [2, 5], Ymax1: [2, 6], Tmax1: [2, 7],
        Xmax1: [2, 8], VxEnd1: [2, 9], VyEnd1: [2, 10],
        R2: [3, 2], Vp2: [3, 3], Tp2: [3, 4], Xp2: [3, 5], Ymax2: [3, 6], Tmax2: [3, 7],
        Xmax2: [3, 8], VxEnd2: [3, 9], VyEnd2: [3, 10],
    };
    const columnOfModel = { 0: 0, 1: 1, 2: 2, 3: 3 }; // model::ModelKind → column
    const modelClass = { 2: 'linear', 3: 'quadratic' };
    // Fields in the window's focus order after ПУСК: Vo, h, α, d, ρ, ρo, η.
    const focusOrder = [1, 0, 2, 3, 4, 5, 6];

    // ---- language -------------------------------------------------------------------------
    const englishTable = JSON.stringify(window.ballflightEnglish);
    const storedLanguage = (() => {
        try { return localStorage.getItem('ballflight.language'); } catch (e) { return null; }
    })();
    let language = storedLanguage === 'en' || storedLanguage === 'ru' ? storedLanguage
        : (/^en(-|$)/i.test(navigator.language || '') ? 'en' : 'ru');

    // ---- tones ----------------------------------------------------------------------------
    let audio = null;
    function tone(ms) {
        try {
            audio = audio || new (window.AudioContext || window.webkitAudioContext)();
            if (audio.state === 'suspended') audio.resume();
            const o = audio.createOscillator(), g = audio.createGain();
            o.frequency.value = 880;
            g.gain.value = 0.2;
            o.connect(g).connect(audio.destination);
            o.start();
            o.stop(audio.currentTime + ms / 1000);
        } catch (e) { /* no sound on this browser: the pause stays */ }
        return new Promise((done) => setTimeout(done, ms));
    }

    // ---- the message box ------------------------------------------------------------------
    let boxes = Promise.resolve();
    let boxOpen = false;
    // A message, or a question when no is given: the promise tells whether the first button
    // (OK, or yes) closed it. Enter takes the button in focus, Escape the last one. A picture
    // (an image's address) shows above the text.
    function showBox(title, message, yes, no, picture) {
        let answer = false;
        boxes = boxes.then(() => new Promise((closed) => {
            const back = $('dialogBack'), ok = $('dialogOk'), other = $('dialogNo');
            const before = document.activeElement;
            $('dialogTitle').textContent = title;
            $('dialogText').textContent = message;
            const image = $('dialogImage');
            image.hidden = !picture;
            if (picture) image.src = picture;
            else image.removeAttribute('src');
            ok.textContent = yes || 'OK';
            other.hidden = !no;
            other.textContent = no || '';
            back.hidden = false;
            boxOpen = true;
            ok.focus();
            const close = (first) => {
                answer = first;
                back.hidden = true;
                boxOpen = false;
                ok.removeEventListener('click', onOk);
                other.removeEventListener('click', onNo);
                back.removeEventListener('keydown', keys);
                if (before && before.focus) before.focus();
                closed();
            };
            const onOk = () => close(true), onNo = () => close(false);
            const keys = (e) => {
                if (e.key === 'Enter') { e.preventDefault(); close(document.activeElement !== other); }
                else if (e.key === 'Escape') { e.preventDefault(); close(!no); }
                else if (e.key === 'Tab') {
                    e.preventDefault();
                    if (no) (document.activeElement === ok ? other : ok).focus();
                }
            };
            ok.addEventListener('click', onOk);
            other.addEventListener('click', onNo);
            back.addEventListener('keydown', keys);
        }));
        return boxes.then(() => answer);
    }
    async function refuse(refusals) {
        for (const r of refusals) {
            await boxes;
            await tone(300);
            await showBox(r.title, r.message);
        }
    }

    // ---- panes ----------------------------------------------------------------------------
    const canvas = $('pane'), box = $('paneBox');
    const marker = document.createElement('div');
    marker.id = 'marker';
    marker.style.cssText = 'position:absolute;width:10px;height:10px;border-radius:50%;' +
        'background:rgb(255,0,0);pointer-events:none;display:none';
    box.appendChild(marker);
    const panes = [0, 1, 2].map(() => ({ list: [], drawn: 0, state: null, marker: null }));
    let shown = 0;
    let size = { w: 0, h: 0, ratio: 1 };

    function freshState() {
        return { l: 0, t: 1, r: 1, b: 0, pen: 1, x: 0, y: 0 };
    }
    function take(ops, i) {
        const p = panes[i];
        for (const op of ops) {
            if (op[0] === 'c') { p.list = []; p.drawn = 0; p.state = null; p.marker = null; }
            p.list.push(op);
        }
    }
    function draw(full) {
        const ratio = window.devicePixelRatio || 1;
        const w = box.clientWidth, h = box.clientHeight;
        const ctx = canvas.getContext('2d');
        const p = panes[shown];
        if (full || w !== size.w || h !== size.h || ratio !== size.ratio || !p.state) {
            size = { w, h, ratio };
            canvas.width = Math.max(1, Math.round(w * ratio));
            canvas.height = Math.max(1, Math.round(h * ratio));
            p.drawn = 0;
            p.state = freshState();
        }
        ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
        if (p.drawn === 0) { ctx.fillStyle = '#fff'; ctx.fillRect(0, 0, w, h); }
        const s = p.state;
        const X = (x) => (x - s.l) * w / (s.r - s.l), Y = (y) => (s.t - y) * h / (s.t - s.b);
        ctx.lineCap = 'round';
        ctx.lineJoin = 'round';
        ctx.font = (projector ? 24 : 15) + 'px "Times New Roman", "Liberation Serif", serif';
        ctx.textBaseline = 'top';
        const line = (x1, y1, x2, y2, colour) => {
            ctx.strokeStyle = colour;
            ctx.lineWidth = s.pen;
            ctx.beginPath();
            ctx.moveTo(X(x1), Y(y1));
            ctx.lineTo(X(x2), Y(y2));
            ctx.stroke();
        };
        for (; p.drawn < p.list.length; ++p.drawn) {
            const op = p.list[p.drawn];
            switch (op[0]) {
            case 'c': ctx.fillStyle = '#fff'; ctx.fillRect(0, 0, w, h); break;
            case 's': [s.l, s.t, s.r, s.b] = op.slice(1); break;
            case 'w': s.pen = op[1]; break;
            case 'l': line(op[1], op[2], op[3], op[4], op[5]); s.x = op[3]; s.y = op[4]; break;
            case 't': line(s.x, s.y, op[1], op[2], op[3]); s.x = op[1]; s.y = op[2]; break;
            case 'p':
                ctx.fillStyle = op[3] || '#000';
                ctx.fillRect(X(op[1]) - s.pen / 2, Y(op[2]) - s.pen / 2, s.pen, s.pen);
                s.x = op[1]; s.y = op[2];
                break;
            case 'm': s.x = op[1]; s.y = op[2]; break;
            case 'x': ctx.fillStyle = '#000'; ctx.fillText(op[1], X(s.x), Y(s.y)); break;
            case 'b': p.marker = { x: X(op[1]), y: Y(op[2]) }; break;
            }
        }
        const m = shown === 0 ? p.marker : null;
        marker.style.display = m && m.x >= 0 && m.x <= w && m.y >= 0 && m.y <= h ? 'block' : 'none';
        if (m) { marker.style.left = (m.x - 5) + 'px'; marker.style.top = (m.y - 5) + 'px'; }
        canvas.setAttribute('aria-label', paneNames[shown]);
        if (pointer) showReadout();
    }
    let paneNames = ['', '', ''];
    let helpBoxes = []; // the help menu's boxes: item, title, text (Bindings.cpp)
    let projector = false;
    let pointer = null; // over the graph, for the readout
    new ResizeObserver(() => draw(true)).observe(box);

    // ---- the panel ------------------------------------------------------------------------
    const panel = $('panel');
    const fieldEls = [], resultEls = {};
    let texts = null;

    function buildPanel() {
        texts = JSON.parse(page.texts());
        panel.textContent = '';
        for (const c of texts.columns) {
            const h = document.createElement('div');
            h.className = 'head' + (c.model === 0 ? ' params' : '') +
                (modelClass[c.model] ? ' ' + modelClass[c.model] : '');
            h.style.gridColumn = String(columnOfModel[c.model] + 1);
            h.style.gridRow = '1';
            h.textContent = c.text;
            panel.appendChild(h);
        }
        // Inputs in the focus order, each placed on its row.
        fieldEls.length = 0;
        for (const i of focusOrder) {
            const f = texts.fields[i];
            const row = document.createElement('div');
            row.className = 'input';
            row.style.gridColumn = '1';
            row.style.gridRow = String(i + 2);
            const caption = document.createElement('label');
            caption.htmlFor = 'f-' + f.key;
            caption.textContent = f.overlay ? f.overlay + f.caption.slice(1) : f.caption;
            const input = document.createElement('input');
            input.id = 'f-' + f.key;
            input.type = 'text';
            input.autocomplete = 'off';
            input.spellcheck = false;
            input.title = f.tooltip;
            input.setAttribute('aria-label', f.name);
            const unit = document.createElement('span');
            unit.className = 'unit';
            unit.textContent = f.unit;
            unit.setAttribute('aria-hidden', 'true');
            row.append(caption, input, unit);
            panel.appendChild(row);
            fieldEls[i] = input;
            wireField(i, input);
        }
        for (const r of texts.results) {
            const [column, row] = places[r.key];
            const el = document.createElement('div');
            el.id = 'r-' + r.key;
            const numeric = r.stage !== 0; // the walk and the flight: "(численно)"
            el.className = 'result' + (numeric && modelClass[r.model] ? ' ' + modelClass[r.model] : '');
            el.style.gridColumn = String(column + 1);
            el.style.gridRow = String(row);
            el.title = r.tooltip;
            const name = document.createElement('span');
            name.className = 'sr';
            name.textContent = r.title + ': ';
            const value = document.createElement('span');
            value.className = 'text';
            el.append(name, value);
            panel.appendChild(el);
            resultEls[r.key] = value;
        }
        showFieldTexts();
    }
    function showFieldTexts() {
        const t = JSON.parse(page.fieldTexts());
        t.forEach((text, i) => { fieldEls[i].value = text; fieldEls[i].classList.remove('refused'); });
    }

    function showState(json) {
        const st = JSON.parse(json);
        texts.results.forEach((r, i) => { resultEls[r.key].textContent = st.labels[i]; });
        st.panes.forEach((ops, i) => take(ops, i));
        return st;
    }
    function chooseGraph(g) {
        shown = g;
        document.querySelector('input[name=graph][value="' + g + '"]').checked = true;
        draw(true);
    }

    // ---- fields ---------------------------------------------------------------------------
    const dirty = new Set();
    const before = [];
    function afterRecompute() {
        stopFlight();
        showState(page.current());
        chooseGraph(0);
        page.setGraph(0);
        showLegend();
        markPresets();
        showMeasured();
        keepLater();
    }
    // The comparison's legend over the panes: each throw's line as the panes draw it and the
    // inputs that tell it apart.
    function showLegend() {
        const l = JSON.parse(page.legend());
        $('compare').checked = l.comparing;
        $('compareClear').disabled = l.entries.length === 0;
        const list = $('legend');
        list.textContent = '';
        list.hidden = l.entries.length === 0;
        for (const e of l.entries) {
            const item = document.createElement('li');
            const sample = document.createElement('canvas');
            sample.width = 30;
            sample.height = 8;
            sample.setAttribute('aria-hidden', 'true');
            const c = sample.getContext('2d');
            c.strokeStyle = e.colour;
            c.lineWidth = e.number === 0 ? 3 : 2;
            c.setLineDash(e.dashes);
            c.beginPath();
            c.moveTo(0, 4);
            c.lineTo(30, 4);
            c.stroke();
            const text = document.createElement('span');
            text.textContent = [e.label, ...e.pieces].join(' ');
            item.append(sample, text);
            list.appendChild(item);
        }
    }
    // The readout: while the pointer is over a graph with a drawing, a crosshair and the box of
    // the values there; leaving the graph hides them.
    function showReadout() {
        const p = panes[shown], s = p.state, parts = ['crossX', 'crossY', 'readout'].map($);
        if (!pointer || !s || p.list.length < 2) { parts.forEach((e) => { e.hidden = true; }); return; }
        const w = box.clientWidth, h = box.clientHeight;
        const x = s.l + pointer.x * (s.r - s.l) / w, y = s.t - pointer.y * (s.t - s.b) / h;
        const table = JSON.parse(page.readout(shown, x, y));
        const out = parts[2];
        out.textContent = '';
        for (const row of table) {
            const line = out.insertRow();
            for (const c of row) {
                const td = line.insertCell();
                td.textContent = c.text;
                td.style.color = c.colour;
            }
        }
        parts[0].style.left = pointer.x + 'px';
        parts[1].style.top = pointer.y + 'px';
        parts.forEach((e) => { e.hidden = false; });
        // Beside the pointer, on the side with room.
        const bw = out.offsetWidth, bh = out.offsetHeight;
        out.style.left = (pointer.x + 12 + bw > w ? Math.max(0, pointer.x - 12 - bw) : pointer.x + 12) + 'px';
        out.style.top = (pointer.y + 12 + bh > h ? Math.max(0, pointer.y - 12 - bh) : pointer.y + 12) + 'px';
        canvas.setAttribute('aria-description', table.map((r) => r.map((c) => c.text).filter(Boolean)
            .join('  ')).join('\n'));
    }
    box.addEventListener('pointermove', (e) => {
        const r = box.getBoundingClientRect();
        pointer = { x: e.clientX - r.left, y: e.clientY - r.top };
        showReadout();
    });
    box.addEventListener('pointerleave', () => {
        pointer = null;
        showReadout();
        canvas.removeAttribute('aria-description');
    });
    // The presets: the one each list's fields show is chosen in it, with its source as the
    // list's tooltip; a list whose fields show none of its presets shows an empty line.
    let presetList = null;
    function buildPresets() {
        presetList = JSON.parse(M.presets());
        $('materialTitle').textContent = presetList.materialTitle;
        $('mediumTitle').textContent = presetList.mediumTitle;
        for (const [id, list] of [['material', presetList.materials], ['medium', presetList.media]]) {
            const select = $(id);
            select.textContent = '';
            select.add(new Option('', '-1'));
            list.forEach((p, i) => {
                const o = new Option(p.name, String(i));
                o.title = p.source;
                select.add(o);
            });
        }
        markPresets();
    }
    function markPresets() {
        if (!presetList) return;
        const match = JSON.parse(page.matchingPresets());
        for (const [id, list] of [['material', presetList.materials], ['medium', presetList.media]]) {
            const select = $(id), i = match[id];
            select.value = String(i);
            select.title = i >= 0 ? list[i].source : '';
        }
    }
    async function choosePreset(medium) {
        const select = $(medium ? 'medium' : 'material'), i = Number(select.value);
        if (i < 0) { markPresets(); return; }
        for (const f of [...dirty]) await commit(f);
        const r = JSON.parse(page.choosePreset(medium, i));
        showFieldTexts();
        afterRecompute();
        await refuse(r.refusals);
    }
    function comparisonChanged(json) {
        showState(json);
        draw(true);
        showLegend();
        keepLater();
    }
    async function commit(i) {
        if (!dirty.has(i)) return;
        dirty.delete(i);
        const r = JSON.parse(page.settle(i, fieldEls[i].value));
        showFieldTexts();
        fieldEls[i].title = texts.fields[i].tooltip;
        afterRecompute();
        await refuse(r.refusals);
    }
    function wireField(i, input) {
        input.addEventListener('focus', () => { before[i] = input.value; });
        input.addEventListener('input', () => {
            dirty.add(i);
            const t = JSON.parse(page.typing(i, input.value));
            input.classList.toggle('refused', !t.accepted);
            input.title = t.accepted ? texts.fields[i].tooltip : t.allowed;
            if (t.accepted) afterRecompute();
        });
        input.addEventListener('paste', () => setTimeout(() => { dirty.add(i); commit(i); }, 0));
        input.addEventListener('keydown', (e) => {
            if (e.key === 'Enter') { e.preventDefault(); commit(i); }
            else if (e.key === 'Escape' && dirty.has(i)) {
                e.preventDefault();
                input.value = before[i];
                commit(i);
            }
        });
        input.addEventListener('blur', () => { if (!boxOpen) commit(i); });
    }

    // ---- the flight -----------------------------------------------------------------------
    let clock = 0, last = 0, owed = 0, paused = false;
    let speeds = [], pace = { tickMs: 10, groups: 1 }; // ×1: a group of steps every 10 ms
    // Each start of the clock has a number of its own: a frame of an earlier one does nothing.
    let generation = 0;
    function stopFlight() {
        ++generation;
        if (clock) cancelAnimationFrame(clock);
        clock = 0;
        paused = false;
    }
    // The events of the ticks run: the landing (its tone, then its labels and the velocity panes)
    // or a failure; otherwise the clock goes on.
    async function handle(events) {
        for (const e of events) {
            if (e === 'landed') {
                stopFlight();
                await tone(600);
                const end = showState(page.finishLanding());
                draw(false);
                announceLanding();
                // For the page's tests and a look from the console: ПУСК to the landing labels.
                document.body.dataset.flightMs = String(Math.round(performance.now() - runStarted));
                document.body.dataset.landings = String(++landings);
                for (const f of end.events) if (f.failed) showBox(f.title, f.failed);
                return;
            }
            if (e.failed) { stopFlight(); showBox(e.title, e.failed); return; }
        }
    }
    function startClock() {
        const mine = ++generation;
        last = performance.now();
        owed = 0;
        const next = (now) => { if (mine === generation) frame(now, next); };
        clock = requestAnimationFrame(next);
    }
    // Each frame flies the ticks of 10 ms (at ×1) that are due since the last one.
    // The clock is the page's own: a frame's timestamp may be older than the clock's start.
    function frame(_, next) {
        clock = 0;
        if (paused) return;
        const now = performance.now();
        owed += Math.max(0, now - last) / pace.tickMs;
        last = now;
        let n = pace.groups === 0 ? 1 : Math.min(Math.floor(owed), 2000);
        owed -= Math.min(n, owed);
        const events = [];
        let flying = true;
        while (n-- > 0 && flying) {
            const st = showState(page.tick(pace.groups));
            ++ticks;
            events.push(...st.events);
            flying = st.flying;
        }
        draw(false);
        document.body.dataset.ticks = String(ticks); // the pace, for the bench
        if (flying) clock = requestAnimationFrame(next);
        handle(events);
    }
    function announceLanding() {
        const keys = ['Tmax2', 'Xmax2', 'VxEnd2', 'VyEnd2'];
        $('live').textContent = keys.map((k) => resultEls[k].textContent).join('; ');
    }
    let runStarted = 0, landings = 0, ticks = 0;
    async function run() {
        for (const i of [...dirty]) await commit(i);
        await boxes;
        stopFlight();
        runStarted = performance.now();
        ticks = 0;
        const st = showState(page.start());
        chooseGraph(0);
        showLegend();
        if (st.flying) startClock();
        handle(st.events);
    }

    // ---- lessons, downloads, full screen -------------------------------------------------
    // The help documents lie beside the page in this folder (scripts/web copies them there).
    const helpFolder = 'ballflight-help';
    const recoveryKey = 'ballflight.recovery';
    function download(name, blob) {
        const a = document.createElement('a');
        a.href = URL.createObjectURL(blob);
        a.download = name;
        document.body.appendChild(a);
        a.click();
        a.remove();
        setTimeout(() => URL.revokeObjectURL(a.href), 60000);
    }
    function store(text) {
        try {
            if (text) localStorage.setItem(recoveryKey, text);
            else localStorage.removeItem(recoveryKey);
        } catch (e) { /* no storage in this browser: nothing is kept */ }
    }
    // The recovery copy within half a second of a change, however long the changes go on.
    let keepDue = 0;
    function keepLater() { if (!keepDue) keepDue = setTimeout(keepNow, 500); }
    function keepNow() {
        clearTimeout(keepDue);
        keepDue = 0;
        store(page.recoveryCopy());
    }
    // An opened or recovered lesson on show: its fields, scale bars and graph.
    function showLesson(view) {
        showFieldTexts();
        $('hscroll').value = String(view.scaleX);
        $('vscroll').value = String(view.scaleY);
        stopFlight();
        showState(page.current());
        chooseGraph(view.graph);
        showLegend();
        markPresets();
        stopFit();
        showMeasured();
        if (!$('fitBack').hidden) showFit();
        keepNow();
    }
    async function saveLesson() {
        for (const i of [...dirty]) await commit(i);
        const file = JSON.parse(page.saveLesson());
        download(file.name, new Blob([file.text], { type: 'application/json' }));
        keepNow();
    }
    async function openChosen() {
        const input = $('lessonFile'), file = input.files[0];
        input.value = '';
        if (file) await openLesson(file);
    }
    async function openLesson(file) {
        // More than the largest lesson is never read whole: the model names the size.
        const bytes = new Uint8Array(await file.slice(0, 10 * 1024 * 1024 + 1).arrayBuffer());
        dirty.clear();
        const r = JSON.parse(page.openLesson(bytes, file.name));
        if (r.problem) await showBox(r.title, r.problem);
        else showLesson(r);
    }
    async function offerRecovery() {
        let kept = null;
        try { kept = localStorage.getItem(recoveryKey); } catch (e) { return; }
        if (!kept) return;
        const q = JSON.parse(M.recoveryQuestion());
        if (await showBox(q.title, q.text, q.yes, q.no)) {
            const r = JSON.parse(page.recover(new TextEncoder().encode(kept)));
            if (r.problem) { store(''); await showBox(r.title, r.problem); }
            else showLesson(r);
        } else store('');
    }
    function saveGraph() {
        const r = JSON.parse(page.graphPicture(shown));
        if (r.problem) { showBox(r.title, r.problem); return; }
        draw(true);
        canvas.toBlob((blob) => download(r.name, blob), 'image/png');
    }
    function saveData() {
        const r = JSON.parse(page.graphData(shown));
        if (r.problem) showBox(r.title, r.problem);
        else download(r.name, new Blob([r.text], { type: 'text/csv' }));
    }
    function toggleFullScreen() {
        if (document.fullscreenElement) document.exitFullscreen();
        else if (document.documentElement.requestFullscreen) {
            document.documentElement.requestFullscreen().catch(() => { /* refused: as it was */ });
        }
    }

    // ---- measured points and their fit ----------------------------------------------------
    // Tables are read whole up to the model's limit plus a byte, so that it names a larger one.
    const maxTableBytes = 64 * 1024 * 1024;
    // A table opens in the import dialog, the window's: the module keeps it while the dialog
    // is open, shows its first rows with the settings the window would preselect, counts the
    // points again at each change, and reads them with the settings chosen at «Открыть».
    let importOpener = null;
    async function openMeasurements(file) {
        const bytes = new Uint8Array(await file.slice(0, maxTableBytes + 1).arrayBuffer());
        const r = JSON.parse(page.previewMeasurements(bytes, file.name));
        if (r.problem) { await showBox(r.title, r.problem); return; }
        if ($('importBack').hidden) importOpener = document.activeElement;
        $('importTitle').textContent = r.title;
        $('importObject').textContent = r.object;
        $('importObject').hidden = !r.object;
        const table = $('importPreview');
        table.textContent = '';
        const head = table.createTHead().insertRow();
        for (const name of r.columns) {
            const th = document.createElement('th');
            th.scope = 'col';
            th.textContent = name;
            head.appendChild(th);
        }
        const body = table.createTBody();
        for (const cells of r.rows) {
            const row = body.insertRow();
            r.columns.forEach((_, c) => { row.insertCell().textContent = cells[c] ?? ''; });
        }
        for (const id of ['importT', 'importX', 'importY']) {
            $(id).textContent = '';
            for (const name of r.columns) $(id).add(new Option(name));
        }
        showImportCount(r, true);
        $('importBack').hidden = false;
        $('importMotion').focus();
    }
    const importBoxes = { motion: 'importMotion', t: 'importT', x: 'importX', y: 'importY',
        length: 'importLength', time: 'importTime' };
    function importSettings() {
        const s = { axisDown: $('importAxis').selectedIndex === 1, ground: $('importGround').checked };
        for (const [key, id] of Object.entries(importBoxes)) s[key] = $(id).selectedIndex;
        return s;
    }
    // A count and the settings it read: all of them shown when the dialog opens, afterwards
    // only the way and zero of a vertical column (guessed when it is chosen).
    function showImportCount(r, all) {
        if (all) for (const [key, id] of Object.entries(importBoxes)) $(id).selectedIndex = r.settings[key];
        $('importAxis').selectedIndex = r.settings.axisDown ? 1 : 0;
        $('importGround').checked = r.settings.ground;
        const motion = $('importMotion').selectedIndex;
        $('importT').disabled = motion === 2;
        $('importX').disabled = motion === 1;
        $('importAxis').disabled = motion !== 1;
        $('importCount').textContent = r.count;
        $('importOpen').disabled = !r.ok;
    }
    function recountImport(e) {
        const guess = e.target.id === 'importMotion' && e.target.selectedIndex === 1;
        showImportCount(JSON.parse(page.countMeasurements(JSON.stringify(importSettings()), guess)), false);
    }
    function closeImport() {
        $('importBack').hidden = true;
        if (importOpener && importOpener.isConnected) importOpener.focus();
    }
    function cancelImport() {
        page.cancelMeasurements();
        closeImport();
    }
    async function importChosen() {
        if ($('importOpen').disabled) return;
        const settings = JSON.stringify(importSettings());
        closeImport();
        for (const i of [...dirty]) await commit(i);
        const json = page.openMeasurements(settings);
        const r = JSON.parse(json);
        if (r.problem) { await showBox(r.title, r.problem); return; }
        pointsChanged(json);
    }
    function showImportTexts() {
        const choices = {
            importMotion: ['бросок (t, x, y)', 'вертикальное движение (t и y)', 'траектория без времени (x, y)'],
            importLength: ['м', 'см', 'мм'], importTime: ['с', 'мс'],
            importAxis: ['вверх (высота)', 'вниз (растёт при падении)'],
        };
        for (const [id, texts] of Object.entries(choices)) {
            const box = $(id), chosen = Math.max(box.selectedIndex, 0);
            box.textContent = '';
            for (const t of texts) box.add(new Option(tr(t)));
            box.selectedIndex = chosen;
        }
        const captions = { importMotionTitle: 'Что измерено:', importTTitle: 'Столбец t:',
            importXTitle: 'Столбец x:', importYTitle: 'Столбец y:', importLengthTitle: 'Единица длины:',
            importTimeTitle: 'Единица времени:', importAxisTitle: 'Столбец положения направлен:',
            importGroundText: 'земля — самая низкая точка', importOpen: 'Открыть', importCancel: 'Отмена' };
        for (const [id, text] of Object.entries(captions)) $(id).textContent = tr(text);
    }
    async function measureChosen() {
        const input = $('measureFile'), file = input.files[0];
        input.value = '';
        if (file) await openMeasurements(file);
    }
    // New points, or none: the panes drawn again, the panel shown, a fit of the old ones dropped.
    function pointsChanged(json) {
        stopFit();
        showState(json);
        draw(true);
        showMeasured();
        if (!$('fitBack').hidden) showFit();
        keepLater();
    }
    function removeMeasurements() {
        closeFit();
        pointsChanged(page.removeMeasurements());
        $('measureOpen').focus();
    }
    // The panel of the points: where they came from, how many, and each model's distance.
    function showMeasured() {
        const m = JSON.parse(page.measurements()), panelBox = $('measured');
        panelBox.hidden = !m.has;
        if (!m.has) return;
        $('measuredSource').textContent = m.source;
        $('measuredCounts').textContent = m.counts;
        $('measuredHeading').textContent = m.heading;
        m.distances.forEach((t, i) => { $('measured' + i).textContent = t; });
        $('measuredOutside').textContent = m.outside;
        $('measuredOutside').hidden = !m.outside;
    }

    // The fit runs in a worker made of the page's own module, so the page keeps answering;
    // ending the worker cancels it.
    let fitWorker = null, fitRunning = false, fitStartedAt = 0, fitRow = -1;
    function fitWorkerMain() {
        const ready = createBallflight();
        self.onmessage = async (e) => {
            const M = await ready;
            M.useLanguage(e.data.english);
            const result = M.fitPoints(e.data.request, (done) => self.postMessage({ done }));
            self.postMessage({ result });
        };
    }
    function worker() {
        if (fitWorker) return fitWorker;
        const source = [$('module').textContent, '\n(', fitWorkerMain.toString(), ')();\n'];
        const url = URL.createObjectURL(new Blob(source, { type: 'text/javascript' }));
        fitWorker = new Worker(url);
        URL.revokeObjectURL(url);
        fitWorker.onmessage = (e) => {
            if (e.data.done !== undefined) { $('fitProgress').value = Math.round(e.data.done * 1000); return; }
            fitEnded();
            // For the page's tests and a look from the console: «Подогнать» to the table.
            document.body.dataset.fitMs = String(Math.round(performance.now() - fitStartedAt));
            showFit(page.takeFit(e.data.result));
            $('fitProgress').value = 1000;
        };
        return fitWorker;
    }
    function fitEnded() {
        fitRunning = false;
        const focused = document.activeElement === $('fitCancel');
        $('fitRun').disabled = false;
        $('fitCancel').disabled = true;
        if (focused) $('fitRun').focus();
    }
    function stopFit() {
        if (!fitRunning) return;
        fitWorker.terminate();
        fitWorker = null;
        fitEnded();
    }
    async function startFit() {
        if (fitRunning) return;
        for (const i of [...dirty]) await commit(i);
        const free = [...document.querySelectorAll('#fitFree input:checked')].map((b) => b.value);
        const r = JSON.parse(page.fitRequest(free.join(',')));
        if (r.problem !== undefined) { $('fitStatus').textContent = r.problem; return; }
        fitRunning = true;
        fitStartedAt = performance.now();
        $('fitRun').disabled = true;
        $('fitCancel').disabled = false;
        $('fitCancel').focus();
        $('fitProgress').value = 0;
        $('fitStatus').textContent = tr('Идёт подгонка…');
        worker().postMessage({ request: r.request, english: language === 'en' ? englishTable : '' });
    }
    function cancelFit() {
        if (!fitRunning) return;
        stopFit();
        $('fitProgress').value = 0;
        $('fitStatus').textContent = tr('Подгонка отменена; входные данные не изменились.');
        $('fitRun').focus();
    }
    // The dialog's boxes of the free inputs, the seven and Cd; v0 and α at first.
    function buildFitBoxes() {
        const box = $('fitFree'), checked = new Set(['v0', 'angle']);
        box.querySelectorAll('input:checked').forEach((b) => checked.add(b.value));
        box.querySelectorAll('input').forEach((b) => { if (!b.checked) checked.delete(b.value); });
        box.querySelectorAll('label').forEach((l) => l.remove());
        const items = [...texts.fields.map((f) => [f.key, f.title + ' (' + f.name + ')']),
            ['cd', tr('коэффициент сопротивления (Cd, только Fc~v^2)')]];
        // In the window's columns: four inputs in the first, the rest in the second.
        const order = [0, 4, 1, 5, 2, 6, 3, 7];
        for (const at of order) {
            const [key, text] = items[at];
            const label = document.createElement('label'), input = document.createElement('input');
            input.type = 'checkbox';
            input.value = key;
            input.checked = checked.has(key);
            label.append(input, ' ' + text);
            box.appendChild(label);
        }
    }
    // The fit's table with a choice of its row (the best at first), or the status alone.
    function showFit(json) {
        const v = JSON.parse(json || page.fitView()).fit, table = $('fitTable');
        table.textContent = '';
        $('fitApply').disabled = true;
        if (!v) { if (!fitRunning) $('fitStatus').textContent = ''; return; }
        $('fitStatus').textContent = v.status;
        table.dataset.figures = JSON.stringify(v.figures);
        const head = table.createTHead().insertRow();
        for (const h of v.headers) {
            const th = document.createElement('th');
            th.scope = 'col';
            th.textContent = h;
            head.appendChild(th);
        }
        const body = table.createTBody();
        fitRow = v.best ?? -1;
        v.rows.forEach((cells, m) => {
            const row = body.insertRow();
            row.className = ['vacuum', 'linear', 'quadratic'][m] + (v.best === m ? ' best' : '');
            cells.forEach((text, c) => {
                const td = row.insertCell();
                if (c > 0) { td.textContent = text; return; }
                const label = document.createElement('label'), choice = document.createElement('input');
                choice.type = 'radio';
                choice.name = 'fitModel';
                choice.value = String(m);
                choice.checked = m === fitRow;
                choice.addEventListener('change', () => {
                    fitRow = m;
                    $('fitApply').disabled = !v.converged[m];
                });
                label.append(choice, ' ' + text);
                td.appendChild(label);
            });
        });
        $('fitApply').disabled = fitRow < 0 || !v.converged[fitRow];
    }
    function showFitTexts() {
        $('fitTitle').textContent = tr('Подгонка моделей к измерениям');
        $('fitFreeTitle').textContent = tr('Подбирать входные данные:');
        $('fitRun').textContent = tr('Подогнать');
        $('fitCancel').textContent = tr('Отмена');
        $('fitProgress').setAttribute('aria-label', tr('Идёт подгонка…'));
        $('fitHint').textContent = tr('Выберите строку модели и нажмите «Применить».');
        $('fitApply').textContent = tr('Применить');
        $('fitClose').textContent = tr('Закрыть');
        buildFitBoxes();
        if (!fitRunning) showFit();
    }
    let fitOpener = null;
    function openFit() {
        fitOpener = document.activeElement;
        $('fitBack').hidden = false;
        if (!fitRunning) showFit();
        $('fitRun').focus();
    }
    // Closing the dialog cancels a fit that runs: nobody would see its end.
    function closeFit() {
        if ($('fitBack').hidden) return;
        cancelFit();
        $('fitBack').hidden = true;
        if (fitOpener && fitOpener.isConnected) fitOpener.focus();
    }
    async function applyFit() {
        if (fitRow < 0) return;
        const r = JSON.parse(page.applyFit(fitRow));
        showFieldTexts();
        afterRecompute();
        if (r.status) $('fitStatus').textContent = r.status;
        await refuse(r.refusals);
    }
    // Escape closes the dialog; Tab goes round its controls.
    document.addEventListener('keydown', (e) => {
        if (boxOpen || $('fitBack').hidden || !$('importBack').hidden) return;
        if (e.key === 'Escape') { e.preventDefault(); closeFit(); return; }
        if (e.key !== 'Tab') return;
        // A group of radio buttons is one stop, at its chosen button.
        const chosen = document.querySelector('input[name=fitModel]:checked');
        const stops = [...$('fit').querySelectorAll('button, input')].filter((x) => !x.disabled &&
            !(x.name === 'fitModel' && chosen && x !== chosen));
        const at = stops.indexOf(document.activeElement);
        if (e.shiftKey ? at <= 0 : at === stops.length - 1) {
            e.preventDefault();
            stops[e.shiftKey ? stops.length - 1 : 0].focus();
        }
    });
    // Escape cancels the import, Enter opens the table (but for «Отмена», which it presses);
    // Tab goes round the dialog's controls.
    document.addEventListener('keydown', (e) => {
        if (boxOpen || $('importBack').hidden) return;
        if (e.key === 'Escape') { e.preventDefault(); cancelImport(); return; }
        if (e.key === 'Enter' && document.activeElement !== $('importCancel')) {
            e.preventDefault();
            importChosen();
            return;
        }
        if (e.key !== 'Tab') return;
        const stops = [...$('import').querySelectorAll('#importRows, button, input, select')]
            .filter((x) => !x.disabled);
        const at = stops.indexOf(document.activeElement);
        if (e.shiftKey ? at <= 0 : at === stops.length - 1) {
            e.preventDefault();
            stops[e.shiftKey ? stops.length - 1 : 0].focus();
        }
    });
    // The readout is the graph's: the panel of the points over it has none.
    $('measured').addEventListener('pointermove', (e) => e.stopPropagation());
    // A file dropped on the page: a lesson by its name, otherwise a measured table.
    document.addEventListener('dragover', (e) => { e.preventDefault(); });
    document.addEventListener('drop', (e) => {
        e.preventDefault();
        const file = e.dataTransfer && e.dataTransfer.files[0];
        if (!file || boxOpen || !$('importBack').hidden) return;
        if (/\.ballflight$/i.test(file.name)) openLesson(file);
        else openMeasurements(file);
    });

    // ---- texts of the page ----------------------------------------------------------------
    function showTexts() {
        M.useLanguage(language === 'en' ? englishTable : '');
        document.documentElement.lang = language;
        document.title = tr('Траектория движения шара, брошенного с высоты под углом к горизонту в вязкой среде');
        $('title').textContent = document.title;
        $('run').textContent = tr('ПУСК');
        $('run').title = tr('для квадратичной зависимости');
        $('frameTitle').textContent = tr('Графики');
        const options = [tr('траектории'), tr('проекции Vx'), tr('проекции Vy')];
        options.forEach((t, i) => { $('opt' + i).textContent = t; });
        paneNames = [tr('График траекторий Y(X)'), tr('График проекции скорости Vx(t)'),
            tr('График проекции скорости Vy(t)')];
        $('hscroll').setAttribute('aria-label', tr('Масштаб графика траекторий по горизонтали'));
        $('vscroll').setAttribute('aria-label', tr('Масштаб графика траекторий по вертикали'));
        $('speedTitle').textContent = tr('Скорость анимации');
        speeds = JSON.parse(M.speeds());
        const speed = $('speed'), chosen = speed.selectedIndex < 0 ? 3 : speed.selectedIndex;
        speed.textContent = '';
        for (const sp of speeds) speed.add(new Option(sp.text));
        speed.selectedIndex = chosen;
        pace = speeds[chosen];
        $('lessonOpen').textContent = tr('Открыть урок…');
        $('lessonSave').textContent = tr('Сохранить урок');
        $('graphSave').textContent = tr('Сохранить график…');
        $('dataSave').textContent = tr('Сохранить данные…');
        $('measureOpen').textContent = tr('Открыть измерения');
        $('measuredTitle').textContent = tr('Измерения');
        $('measuredFit').textContent = tr('Подогнать модели…');
        $('measuredRemove').textContent = tr('Убрать измерения');
        $('present').textContent = tr('Показ на экране');
        $('compareText').textContent = tr('Сравнивать броски');
        $('compareClear').textContent = tr('Очистить сравнение');
        ['Справка1', 'Справка2', 'История', 'Управление'].forEach((t, i) => {
            const a = $('help' + i);
            a.textContent = tr(t);
            a.href = helpFolder + '/' + a.dataset.document + (language === 'en' ? '.en' : '') + '.pdf';
        });
        helpBoxes = JSON.parse(M.helpBoxes());
        for (const b of helpBoxes) $(b.key).textContent = b.item;
        $('language').textContent = language === 'en' ? 'Русский' : 'English';
        $('language').lang = language === 'en' ? 'ru' : 'en';
        buildPanel();
        buildPresets();
        showState(page.redraw());
        draw(true);
        showLegend();
        showMeasured();
        showFitTexts();
        showImportTexts();
    }

    $('run').addEventListener('click', run);
    $('language').addEventListener('click', () => {
        language = language === 'en' ? 'ru' : 'en';
        try { localStorage.setItem('ballflight.language', language); } catch (e) { /* private mode */ }
        showTexts();
    });
    document.querySelectorAll('input[name=graph]').forEach((o) =>
        o.addEventListener('change', () => {
            chooseGraph(Number(o.value));
            page.setGraph(shown);
            keepLater();
        }));
    const scale = () => {
        page.setScaleBars(Number($('hscroll').value), Number($('vscroll').value));
        afterRecompute();
    };
    for (const [id, act] of [['lessonOpen', () => $('lessonFile').click()], ['lessonSave', saveLesson],
        ['graphSave', saveGraph], ['dataSave', saveData], ['present', toggleFullScreen]])
        $(id).addEventListener('click', act);
    $('lessonFile').addEventListener('change', openChosen);
    $('measureFile').addEventListener('change', measureChosen);
    for (const id of [...Object.values(importBoxes), 'importAxis', 'importGround'])
        $(id).addEventListener('change', recountImport);
    for (const [id, act] of [['measureOpen', () => $('measureFile').click()], ['measuredFit', openFit],
        ['measuredRemove', removeMeasurements], ['fitRun', startFit], ['fitCancel', cancelFit],
        ['fitApply', applyFit], ['fitClose', closeFit], ['importOpen', importChosen],
        ['importCancel', cancelImport]])
        $(id).addEventListener('click', act);
    // The help menu's boxes, in the language shown when one opens.
    for (const id of ['authors', 'about', 'registration'])
        $(id).addEventListener('click', () => {
            const b = helpBoxes.find((x) => x.key === id);
            showBox(b.title, b.text, undefined, undefined,
                id === 'authors' ? window.ballflightPortrait : undefined);
        });
    $('material').addEventListener('change', () => choosePreset(false));
    $('medium').addEventListener('change', () => choosePreset(true));
    $('compare').addEventListener('change', () =>
        comparisonChanged(page.setComparing($('compare').checked)));
    $('compareClear').addEventListener('click', () => comparisonChanged(page.clearComparison()));
    document.addEventListener('fullscreenchange', () => {
        projector = Boolean(document.fullscreenElement);
        document.body.classList.toggle('projector', projector);
        draw(true);
    });
    // A tab closed before the copy's time still leaves it.
    document.addEventListener('visibilitychange', () => {
        if (document.visibilityState === 'hidden') keepNow();
    });
    $('speed').addEventListener('change', () => { pace = speeds[$('speed').selectedIndex]; });
    $('hscroll').addEventListener('input', scale);
    $('vscroll').addEventListener('input', scale);
    document.addEventListener('keydown', (e) => {
        if (boxOpen || !$('fitBack').hidden || !$('importBack').hidden) return;
        if (e.key === 'F11') { e.preventDefault(); toggleFullScreen(); return; }
        if (e.key !== ' ' || !(clock || paused)) return;
        e.preventDefault();
        if (paused) { page.resume(); paused = false; startClock(); }
        else if (page.pause()) { paused = true; cancelAnimationFrame(clock); clock = 0; }
    });

    showTexts();
    $('run').focus();
    // The first results, in ms since the browser began to open the file.
    document.body.dataset.readyMs = String(Math.round(performance.now()));
    document.body.dataset.ready = '1';
    offerRecovery();
})();
