#!/usr/bin/env python3
"""Real-window tests of ballflight: the built program in Xvfb under openbox, driven from outside.

    ballflight_e2e.py --app BALLFLIGHT --docs SHARE --player TONE_PLAYER --artifacts DIR SCENARIO...

Each scenario gets its own X server and D-Bus session and runs its steps on one program.
Pictures are judged by exact pixel colours, never by whole images (fonts may differ); texts are
read through the accessibility bus (accessible.py). Only the sound scenario has a sound server.
A failed scenario leaves its screenshots, logs and recording in ARTIFACTS/SCENARIO/.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keep the source folder clean
from program_window import (BLACK, BLUE, CLIENT_HEIGHT, CLIENT_WIDTH, CMD_OK, FIELD_YELLOW,
                            MARKER_RED_MAX, NOT_YET, OPTION_CENTRES, PANE, RED, RED_LABELS,
                            TEXT1, TEXT2, TITLE, TMAX2_AT_START, TOOLS_MENU_X, WHITE, WINDOW_GREY,
                            Program)
from sound import SoundServer, check_tones
from xsession import SCREEN_HEIGHT, SCREEN_WIDTH, XSession, changed, check, poll


def run_to_landing(program, session, before):
    """Presses ПУСК and waits until the red curve has stopped growing for a second; returns the
    last screenshot, the red pixel counts seen and the seconds until the landing."""
    rect = program.pane_rect()
    started = time.monotonic()
    program.click_centre(CMD_OK)
    counts = [before]
    stable_since = None  # when the red count took its latest value
    while time.monotonic() - started < 60:
        shot = session.screenshot("flying")
        counts.append(shot.count(rect, RED))
        if counts[-1] != counts[-2] or stable_since is None:
            stable_since = time.monotonic()
        elif counts[-1] > MARKER_RED_MAX and time.monotonic() - stable_since > 1.0:
            break
    return shot, counts, stable_since - started


def pane_shows(session, what, probe, timeout=15):
    return poll(what, lambda: probe(session.screenshot(what)), timeout, 0.2, session.guard)


def check_window(program, session):
    """Title, client size under the menu bar, place on the screen, the curves at start."""
    shot = program.wait_drawn()
    name = session.window_name(program.window)
    check(name == TITLE, f"window title is {name!r}")
    menu = program.menu
    check(10 <= menu <= 40, f"menu bar height {menu} px is implausible")
    _, _, width, height = session.geometry(program.window)
    check((width, height - menu) == (CLIENT_WIDTH, CLIENT_HEIGHT),
          f"client area is {width} x {height - menu} under a {menu} px menu bar, "
          f"expected {CLIENT_WIDTH} x {CLIENT_HEIGHT}")
    frame_x, frame_y, _, _ = session.frame(program.window)
    want_x, want_y = SCREEN_WIDTH * 0.05, SCREEN_HEIGHT * 0.05
    check(abs(frame_x - want_x) <= 1 and abs(frame_y - want_y) <= 1,
          f"frame top-left at ({frame_x}, {frame_y}), expected ({want_x:.0f}, {want_y:.0f})")

    # The parameter panel fills the bottom of the client area: Text1 is light yellow.
    cx, cy = program.client_origin()
    field = (cx + TEXT1[0] + 2, cy + TEXT1[1] + 2, TEXT1[2] - 4, TEXT1[3] - 4)
    yellow = shot.count(field, FIELD_YELLOW)
    check(yellow > 0.5 * field[2] * field[3], f"Text1 is not light yellow ({yellow} pixels)")
    # Before any click: vacuum and linear-drag curves, the ball marker, no quadratic-drag curve.
    red = shot.count(program.pane_rect(), RED)
    check(0 < red <= MARKER_RED_MAX, f"{red} red pixels in the trajectory pane before any run")


def check_run(program, session):
    """ПУСК animates the red curve; afterwards the option buttons show the velocity panes."""
    shot = program.wait_drawn()
    rect = program.pane_rect()
    before = shot.count(rect, RED)
    shot, counts, landed = run_to_landing(program, session, before)
    print(f"run: red pixel counts {counts}, landed after about {landed:.1f} s")
    check(counts[-1] > before + 200, f"no red curve after the run (red counts {counts})")
    # At least one picture caught the ball in flight: more red than before, less than at the end.
    rises = sum(1 for a, b in zip(counts, counts[1:]) if b > a)
    check(rises >= 2, f"the red curve did not grow step by step (red counts {counts})")
    check(shot.count(rect, BLUE) > 50 and shot.count(rect, BLACK) > 50,
          "the black and blue curves are gone after the run")

    trajectory = shot.region(*rect)
    panes = {}
    for n in (2, 3):
        program.click_client(*OPTION_CENTRES[n])
        shot = pane_shows(session, f"Option{n} to show its velocity pane",
                          lambda s: changed(s.region(*rect), trajectory) > 0.01 and s)
        panes[n] = shot.region(*rect)
        # Black axes; the vacuum curve may lie under the blue one (little drag in Vx).
        for colour, what in ((BLACK, "axes"), (BLUE, "linear-drag curve"),
                             (RED, "quadratic-drag curve")):
            check(shot.count(rect, colour) > 50, f"velocity pane {n} lacks the {what}")
    check(panes[2] != panes[3], "Option2 and Option3 show the same picture")
    # Back to the trajectories: the pane shows its picture as it was, without a new run.
    program.click_client(*OPTION_CENTRES[1])
    pane_shows(session, "Option1 to show the trajectory picture again",
               lambda s: changed(s.region(*rect), trajectory) <= 0.001)


def check_input(program, session):
    """Typing is checked when the user is done, read back through the accessibility bus.

    While a field is typed into, its text stays as typed and no box appears; a whole, sound
    number is taken at once (the curves follow), anything else is marked unfinished. Enter or
    leaving the field settles it with the full handling; a pasted text is handled at once.
    """
    shot = program.wait_drawn()
    rect = program.pane_rect()
    start = shot.region(*rect)
    reader = program.reader()
    session.activate(program.window)

    def select(name):
        session.click(*reader.centre(reader.field(name)))
        session.key("ctrl+a")

    def typed(name, text, unfinished):  # as typed, marked unfinished or taken, and no box
        reader.wait_field(name, text)
        check(reader.unfinished(name) == unfinished,
              f"{text!r} in {name!r} is {'not ' if unfinished else ''}marked unfinished")
        check(not session.windows_named("Ошибка"), f"a box while {text!r} was typed in {name!r}")

    def refused(message, name, replacement):
        box = reader.window("Ошибка")
        check(message in reader.texts(box), f"the box says {reader.texts(box)}, not {message!r}")
        program.answer_box("Ошибка", ["Return"])
        reader.wait_field(name, replacement)

    # h: an empty field waits without a box ("Уже упало!!!" would be its refusal); a typed 2
    # is taken at once and the pane shows the higher throw before the field is left.
    select("h, м")
    session.key("BackSpace")
    typed("h, м", "", True)
    session.type("2")
    pane_shows(session, "the pane to show the throw from 2 m while h is typed",
               lambda s: changed(s.region(*rect), start) > 0.01)
    typed("h, м", "2", False)
    session.key("Tab")
    reader.wait_field("h, м", "2.000")

    # A pasted text is handled at once: -1 is refused and the default height comes back.
    session.set_clipboard("-1")
    select("h, м")
    session.key("ctrl+v")
    refused("тело под Землей?! такой расчёт не предусмотрен!", "h, м", "0.500")
    pane_shows(session, "the pane to show the throw from 0.5 m again after -1 was refused",
               lambda s: changed(s.region(*rect), start) <= 0.001)

    # «0» on the way to 0.05, a lone minus on the way to -30, «1» on the way to 1200 (lighter
    # than the medium) are unfinished, not refused; Tab or Enter settles the pattern.
    for name, first, rest, end, settled in (("d, м", "0", ".05", "Tab", "0.0500"),
                                            ("α, град", "-", "30", "Return", "-30.00"),
                                            ("ρ, кг/м3", "1", "200", "Tab", "1200.0")):
        select(name)
        session.type(first)
        typed(name, first, True)
        session.type(rest)
        typed(name, first + rest, False)
        session.key(end)
        reader.wait_field(name, settled)

    # A refused text is refused when the field is left: d = 0 gets its box and 0.0010.
    select("d, м")
    session.type("0")
    session.key("Tab")
    refused("Это не материальная точка!", "d, м", "0.0010")
    check(not session.windows_named("Ошибка"), "a second box after one refused diameter")


def check_resize(program, session):
    """A resized window keeps the parameter panel at the bottom; the graph area takes the rest.

    The window is first resized during a flight: the flight goes on to its landing. The later
    resizes and a move of the horizontal scale bar keep the landed flight: the red curve is
    drawn again at the new size or scale and the seven red labels keep their values.
    """
    shot = program.wait_drawn()
    reader = program.reader()
    session.activate(program.window)
    started = shot.count(program.pane_rect(), RED)
    program.click_centre(CMD_OK)
    pane_shows(session, "the red curve to start",
               lambda s: s.count(program.pane_rect(), RED) > started + 20, 10)
    tmax2 = RED_LABELS[3]
    check(reader.label(tmax2).endswith(NOT_YET), "the ball landed before the window was resized")

    def red_labels():
        return [reader.label(prefix) for prefix in RED_LABELS]

    landed = None
    for width, height in ((1000, 800), (760, 640), (CLIENT_WIDTH, CLIENT_HEIGHT)):
        session.run(["xdotool", "windowsize", "--sync", str(program.window), str(width),
                     str(height + program.menu)], check=False)
        poll(f"the client area to become {width} x {height}",
             lambda: session.geometry(program.window)[2:] == (width, height + program.menu), 10)
        if landed is None:
            poll("the flight to land after the resize",
                 lambda: not reader.label(tmax2).endswith(NOT_YET), 30, 0.2, session.guard)
            landed = red_labels()
            check(landed[3] == TMAX2_AT_START, f"the flight resized on its way landed with "
                  f"{landed[3]!r}, not {TMAX2_AT_START!r}")
        pane = program.pane_rect(width=width - 26, height=height - 326)

        def anchored(shot):
            cx, cy = program.client_origin()
            # The yellow of Text1 begins 2 px inside its border, 270 px above the bottom edge.
            column = [shot.pixel(cx + TEXT1[0] + 60, cy + row) for row in range(height)]
            rows = [row for row, colour in enumerate(column) if colour == FIELD_YELLOW]
            # The pane grows with the window: white up to 4 px from the right edge.
            white = shot.count(pane, WHITE) > 0.3 * pane[2] * pane[3]
            edge = shot.region(cx + width - 5, pane[1], 1, pane[3]).count(WINDOW_GREY)
            gap = shot.region(cx + width - 3, pane[1], 1, pane[3]).count(WINDOW_GREY)
            return (rows and rows[0] == height - 270 + 2 and white and edge < pane[3] // 2
                    and gap == pane[3] and shot.count(pane, BLUE) > 50
                    and shot.count(pane, RED) > MARKER_RED_MAX + 200 and shot)

        shot = pane_shows(session, f"Text1 270 px above the bottom of a {width} x "
                          f"{height} client area and the red curve in the pane", anchored)
        check(red_labels() == landed, f"the red labels became {red_labels()} at {width} x "
              f"{height}, were {landed}")

    # A step of the horizontal scale bar stretches the landed flight's curve with the others.
    bar = max(reader.all("scroll bar"), key=lambda b: b.queryComponent().getExtents(0).width)
    box = bar.queryComponent().getExtents(reader.pyatspi.DESKTOP_COORDS)
    value = bar.queryValue().currentValue
    before = shot.region(*pane)
    session.click(box.x + box.width * 9 // 10, box.y + box.height // 2)
    poll("the horizontal scale bar to move", lambda: bar.queryValue().currentValue > value, 10)
    pane_shows(session, "the pane to show the red curve at the new scale",
               lambda s: changed(s.region(*pane), before) > 0.01
               and s.count(pane, RED) > MARKER_RED_MAX + 200)
    check(red_labels() == landed, f"the red labels became {red_labels()} after the scale "
          f"bar moved, were {landed}")
    print(f"resize: flight resized on its way landed with {landed[3]!r}; panel anchored and red "
          "curve kept at 1000 x 800, 760 x 640 and 720 x 560 and at a new scale")


def check_lesson(program, session):
    """A lesson prepared from the menus and the keyboard: steel in glycerine from the presets,
    the flight at ×5 started with F5, paused with Space (the picture holds still) and resumed to
    its landing, then the window enlarged to 150 % with Ctrl+= twice."""
    reader = program.reader()
    tools = reader.menu("Инструменты")
    for submenu, item in (("Материал шара", "сталь"), ("Среда", "глицерин 20 °C"),
                          ("Скорость анимации", "×5")):
        menu = reader.find("menu item", submenu, within=tools)
        reader.act(reader.find("menu item", item, within=menu), "Press")
    for field, shown in (("ρ, кг/м3", "7800.0"), ("ρo, кг/м3", "1261.0"),
                         ("η, Па·с", "1.4120000")):
        reader.wait_field(field, shown)

    session.activate(program.window)
    program.wait_drawn()
    # At ×5 this flight lasts a quarter of a second: the pause follows the start at once.
    session.key("F5", "space")
    time.sleep(0.3)
    tmax2 = RED_LABELS[3]
    check(reader.label(tmax2).endswith(NOT_YET), "the flight landed in spite of the pause")
    held = session.screenshot("paused").region(*program.pane_rect())
    time.sleep(1.0)
    check(session.screenshot("still-paused").region(*program.pane_rect()) == held,
          "the picture moved during the pause")
    session.key("space")
    poll("the flight to land after the pause",
         lambda: not reader.label(tmax2).endswith(NOT_YET), 60, 0.3, session.guard)

    session.key("ctrl+equal", "ctrl+equal")

    def enlarged():
        _, _, w, h = session.geometry(program.window)
        return w >= 1080 and h - program.menu >= 630

    poll("the window to grow to 150 %", enlarged, 10)
    print(f"lesson: steel in glycerine landed with {reader.label(tmax2)!r}; 150 % reached")


def check_menus(program, session):
    """The close box and «Выход» ask first and No keeps the window; the boxes; the authors window
    centred over the main window; with no desktop application for PDF, Справка1 shows in the
    program's own window, and choosing it again brings back the same one. Both outlive the main
    window, and the program ends once they are closed."""
    program.wait_drawn()
    program.close("Escape")
    reader = program.reader()
    menus = {title: reader.menu_items(title) for title in ("Файл", "Помощь")}
    check(menus == {"Файл": ["Справка1", "Справка2", "История", "Выход"],
                    "Помощь": ["Инструкция", "Управление", "Авторы", "О программе",
                               "Регистрация"]}, f"the menus hold {menus}")
    program.choose("Файл", "Выход")
    program.answer_box("На Выход", ["Escape"])
    time.sleep(1.0)
    check(program.alive() and session.windows_named(TITLE), "No closed the window")

    program.choose("Помощь", "О программе")
    program.answer_box("О ПРОГРАММЕ", ["Return"])
    # As a screen reader user does: the item's action, and the box read out.
    reader.choose("Помощь", "Регистрация")
    check(any(reader.texts(reader.window("РЕГИСТРАЦИЯ"))), "the registration box says nothing")
    program.answer_box("РЕГИСТРАЦИЯ", ["Return"])

    program.choose("Помощь", "Авторы")
    authors = session.wait_window("Авторы")

    def centred():
        main, own = session.frame(program.window), session.frame(authors)
        return all(abs((main[i] + main[i + 2] / 2) - (own[i] + own[i + 2] / 2)) <= 1
                   for i in (0, 1))

    poll("the authors window to stand over the middle of the main window", centred, 10, 0.3,
         session.guard)
    size = session.geometry(authors)[2:]
    check(size == (222, 297), f"the authors window is {size[0]} x {size[1]}")

    program.choose("Файл", "Справка1")
    viewer = session.wait_window("spravka.pdf")
    program.choose("Файл", "Справка1")
    time.sleep(1.0)
    check(session.windows_named("spravka.pdf") == [viewer],
          "choosing Справка1 again did not bring back the one viewer")

    program.close("Return")
    session.wait_window_gone(TITLE)
    time.sleep(1.0)
    check(program.alive() and session.windows_named("Авторы") == [authors]
          and session.windows_named("spravka.pdf") == [viewer],
          "the authors window and the viewer did not outlive the main window")
    for window in (authors, viewer):
        session.run(["wmctrl", "-i", "-c", hex(window)])
    program.expect_end()


def check_tools(program, session):
    """The commands of «Инструменты» reached three ways: the shortcut, the menu bar and the
    graph's context menu, each through its real file dialog."""
    program.wait_drawn()
    out = os.path.join(session.work, "out")
    os.makedirs(out)

    def save_as(title, name):
        dialog = session.wait_window(title)
        session.activate(dialog)
        session.type(os.path.join(out, name))
        session.key("Return")
        session.wait_window_gone(title)
        path = os.path.join(out, name)
        poll(f"{name} to be written", lambda: os.path.exists(path), 10, 0.2)
        with open(path, "rb") as f:
            return f.read()

    session.activate(program.window)
    session.key("ctrl+s")
    png = save_as("Сохранить график", "graph.png")
    size = (int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big"))
    check(png.startswith(b"\x89PNG") and size == (2 * PANE[2], 2 * PANE[3]),
          f"Ctrl+S saved a picture of {size[0]} x {size[1]} px")

    session.activate(program.window)
    session.click(TOOLS_MENU_X, program.menu // 2, window=program.window)
    time.sleep(0.7)
    session.key("Down", "Down", "Down", "Return")  # "Сохранить данные…"
    csv = save_as("Сохранить данные", "curves.csv")
    check(csv.startswith(b"curve,x,y\ntrajectory_vacuum,0,0.5\n"),
          f"the data file begins {csv[:40]!r}")

    session.activate(program.window)
    x, y = program.client_origin()
    session.click(x + PANE[0] + PANE[2] // 2, y + PANE[1] + PANE[3] // 2, button=3)
    time.sleep(0.7)
    session.key(*["Down"] * 6, "Return")  # "Сохранить отчёт (PDF)…", the last item
    pdf = save_as("Сохранить отчёт", "report.pdf")
    check(pdf.startswith(b"%PDF"), "the report is not a PDF file")
    rows = csv.count(b"\n") - 1
    print(f"tools: {size[0]} x {size[1]} px picture, {rows} data rows, {len(pdf)} bytes of report")


def check_study(program, session):
    """«Исследование зависимости…» for the defaults: α from 0 to 89.5 in 180 points; the graph
    names the greatest range of each model, the vacuum one at the angle a_max (34.67°)."""
    reader = program.reader()
    reader.choose("Инструменты", "Исследование зависимости…")
    window = reader.window("Исследование зависимости")
    reader.act(reader.find("push button", "Рассчитать", within=window), "Press")
    graph = reader.find(None, "График зависимости", within=window)

    def marked():
        marks = [line for line in graph.description.split("\n") if line.startswith("наибольшая")]
        return marks if len(marks) == 3 else None

    marks = poll("the three greatest ranges", marked, 30, 0.3, session.guard)
    check(any("в вакууме" in m and "α = 34.67" in m for m in marks),
          f"the vacuum optimum is not at a_max: {marks}")
    print("study: " + "; ".join(marks))
    # The study window is a window of its own: the program ends only once it is closed too.
    session.run(["wmctrl", "-c", "Исследование зависимости"])
    session.wait_window_gone("Исследование зависимости")


def check_readout(program, session):
    """The readout follows the pointer over the trajectory pane and goes when it leaves;
    «Сравнивать броски» keeps a landed throw beneath the next one, dashed in light colours, and
    «Очистить сравнение» takes it away."""
    crosshair, light_red = (80, 80, 80), (255, 114, 114)  # the frame of the box too
    shot = program.wait_drawn()
    rect = program.pane_rect()
    x, y, w, h = rect
    before = shot.count(rect, crosshair)
    session.run(["xdotool", "mousemove", str(x + w // 3), str(y + h // 2)])
    pane_shows(session, "the crosshair and the box",
               lambda s: s.count(rect, crosshair) > before + w + h + 200)
    session.run(["xdotool", "mousemove", str(x + w // 3), str(y + h + 150)])
    pane_shows(session, "the readout to go", lambda s: s.count(rect, crosshair) <= before)

    reader = program.reader()
    reader.choose("Инструменты", "Сравнивать броски")
    session.activate(program.window)
    run_to_landing(program, session, shot.count(rect, RED))
    program.retype(TEXT2, "2")  # a slower throw: the landed one goes beneath it
    pane_shows(session, "the kept throw beneath the new one",
               lambda s: s.count(rect, light_red) > 50)
    reader.choose("Инструменты", "Очистить сравнение")
    pane_shows(session, "the kept throw to go", lambda s: s.count(rect, light_red) == 0)
    print("readout: shown over the pane and gone off it; a throw kept and cleared")


def check_sound(program, session, player):
    """The tones as a listener hears them, recorded from the sink the program plays into: a
    landing, a refused field and another landing, each sounding whole (600, 300 and 600 ms of
    880 Hz), alone and unclipped. Then tones that follow each other closely, played as the
    window plays them: a blocking tone asked for during a landing tone waits for it, and
    blocking tones back to back each sound whole."""
    shot = program.wait_drawn()
    session.activate(program.window)
    run_to_landing(program, session, shot.count(program.pane_rect(), RED))

    # A height of 0 is refused when the field is left: the warning tone first, then the box.
    program.retype(TEXT1, "0")
    program.answer_box("Ошибка", ["Return"])
    time.sleep(1.0)
    check(not session.windows_named("Ошибка"), "a second box after one refused height")
    shot = program.wait_drawn()
    run_to_landing(program, session, shot.count(program.pane_rect(), RED))
    time.sleep(1.0)  # the last tone and its way through the server

    done = subprocess.run([player, "s50", "b25", "w200", "b25", "b25", "w1500"], env=session.env,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=60)
    out = done.stdout.decode(errors="replace")
    check(done.returncode == 0, f"the tone player ended with status {done.returncode}: {out}")
    bursts = check_tones(session.sound.stop_recording(), [600, 300, 600, 600, 300, 300, 300])
    blocked = [int(ms) for ms in re.findall(r"blocked (\d+) ms", out)]
    # The first waits for the landing tone before its own.
    check(len(blocked) == 3 and blocked[0] >= 900 and all(300 <= b < 3000 for b in blocked),
          f"blocking tones blocked {blocked} ms")
    print(f"sound: blocked {blocked} ms; {bursts}")


SCENARIOS = {
    "run": [check_window, check_run],
    "input": [check_input],
    "resize": [check_resize, check_lesson],
    "menu": [check_menus],
    "tools": [check_tools, check_study, check_readout],
    "sound": [check_sound],
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("--app", "--docs", "--player", "--artifacts"):
        parser.add_argument(option, required=True)
    parser.add_argument("scenarios", nargs="+", choices=sorted(SCENARIOS))
    args = parser.parse_args()
    if len(args.scenarios) > 1:
        # The accessibility library binds a process to one bus: one process per scenario.
        common = [sys.executable, os.path.abspath(__file__), "--app", args.app, "--docs",
                  args.docs, "--player", args.player, "--artifacts", args.artifacts]
        return max(subprocess.call(common + [name]) for name in args.scenarios)

    name = args.scenarios[0]
    started = time.monotonic()
    # Pictures of an earlier failure would only mislead once this run has passed.
    shutil.rmtree(os.path.join(args.artifacts, name), ignore_errors=True)
    with XSession(args.artifacts) as session:
        try:
            if name == "sound":
                # The program finds its output when it starts.
                session.sound = SoundServer(session).start()
                session.env["PULSE_SERVER"] = session.sound.address
            program = Program(session, os.path.abspath(args.app), args.docs)
            for step in SCENARIOS[name]:
                extra = [os.path.abspath(args.player)] if step is check_sound else []
                step(program, session, *extra)
            # Every scenario ends the program as a user does, and it must end cleanly.
            if program.alive():
                program.close("Return")
                program.expect_end()
            print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
            return 0
        except Exception as error:  # any error leaves its pictures behind
            folder = session.keep_artifacts(name)
            if session.sound:
                session.sound.keep(folder)
            print(f"FAIL {name}: {error}\n  screenshots and logs: {folder}", file=sys.stderr)
            return 1


if __name__ == "__main__":
    sys.exit(main())
