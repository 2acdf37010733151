#!/usr/bin/env python3
"""Real-window tests of ballflight: the built program in Xvfb under openbox, driven from outside,
one X server and D-Bus session a scenario. Pictures are judged by exact pixel colours (fonts may
differ), texts read through the accessibility bus. A failure leaves its files in ARTIFACTS/SCENARIO/.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keep the source folder clean
from accessible import Reader
from sound import SoundServer, check_tones, find_bursts
from xsession import SCREEN_HEIGHT, SCREEN_WIDTH, Failure, XSession, changed, check, poll

TITLE = "Траектория движения шара, брошенного с высоты под углом к горизонту в вязкой среде"
CLIENT_WIDTH, CLIENT_HEIGHT = 720, 560
BLACK, BLUE, RED = (0, 0, 0), (0, 0, 255), (255, 0, 0)
WHITE, FIELD_YELLOW, WINDOW_GREY = (255, 255, 255), (255, 255, 192), (224, 224, 224)
# Client-area places at the initial size (the layout's own figures).
PANE = (22, 4, 694, 234)  # Picture1 … Picture3
CMD_OK = (616, 350, 72, 26)
OPTION_CENTRES = {1: (636, 436), 2: (637, 457), 3: (637, 477)}  # in Frame1 at (616, 410)
TEXT1 = (44, 290, 72, 26)
TOOLS_MENU_X = 100
MEASURED = (170, 0, 170)  # the crosses of measured points
EXAMPLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir, "data",
                       "examples", "tennis-ball.tsv")  # «Инструменты» in the menu bar, between «Файл» and «Помощь»
# The seven quadratic-drag result labels as a screen reader reads them, before their values.
RED_LABELS = tuple(f"{name} в среде (Fc~v^2):" for name in (
    "Время подъёма", "Координата X вершины", "Наибольшая высота", "Время полёта", "Дальность полёта",
    "Скорость Vx при падении", "Скорость Vy при падении"))
TMAX2 = RED_LABELS[3]
NOT_YET = "ещё не вычислено"
TMAX2_AT_START = "Время полёта в среде (Fc~v^2): 0.562 c"  # of the throw at start
# Red pixels of the 10 × 10 ball marker; more in the trajectory pane means a red curve.
MARKER_RED_MAX = 100


class Program:
    """The started program, its main window, and the height of its menu bar."""
    def __init__(self, session, app, docs, args=(), title=TITLE):
        self.session, self.app, self.docs = session, app, docs
        cwd = os.path.join(session.work, "cwd")
        shutil.copytree(docs, cwd, dirs_exist_ok=True)
        self.proc = session.app = session.spawn([app, *args], "app.log", env=session.env, cwd=cwd)
        self.window = session.wait_window(title, timeout=60)
        self.menu = None
        self.reader = Reader(session, self.proc.pid)  # what its windows say

    def alive(self):
        return self.proc.poll() is None

    def client_origin(self):
        x, y, _, _ = self.session.geometry(self.window)
        return x, y + self.menu

    def pane_rect(self, width=PANE[2], height=PANE[3]):
        cx, cy = self.client_origin()
        return (cx + PANE[0], cy + PANE[1], width, height)

    def click_client(self, x, y):
        self.session.click(x, y + self.menu, window=self.window)

    def click_centre(self, control):
        """A click in the middle of a control given by its client-area rectangle."""
        self.click_client(control[0] + control[2] // 2, control[1] + control[3] // 2)

    def wait_drawn(self, timeout=30):
        """Waits for the black and blue curves. The menu bar ends where the grey of the client
        area's bare left 4 px begins."""
        def drawn():
            shot = self.session.screenshot("waiting-for-curves")
            if self.menu is None:
                x, y, _, row = self.session.geometry(self.window)
                column = shot.region(x + 2, y, 1, row)
                while row > 0 and column[row - 1] == WINDOW_GREY:
                    row -= 1
                if not 0 < row <= 60:
                    return None
                self.menu = row
            rect = self.pane_rect()
            return shot if shot.count(rect, BLUE) > 50 and shot.count(rect, BLACK) > 50 else None
        return poll("the menu bar and the black and blue curves", drawn, timeout, 0.3,
                    self.session.guard)

    def answer_box(self, title, keys, timeout=20):
        box = self.session.wait_window(title, timeout)
        self.session.activate(box)
        self.session.key(*keys)
        self.session.wait_window_gone(title)

    def close(self, answer, title="На Выход"):
        """The window manager's close request, which is what the close box sends, and an answer
        to the question it brings: "Return" for Yes, "Escape" for No."""
        self.session.run(["wmctrl", "-i", "-c", hex(self.window)])
        self.answer_box(title, [answer])

    def expect_end(self):
        try:
            status = self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            raise Failure("the program still runs after its last window closed")
        check(status == 0, f"the program ended with status {status}")


def run_to_landing(program, session):
    """Presses ПУСК and waits until the red curve has stopped growing for a second; returns the
    last screenshot and the red pixel counts from before ПУСК on."""
    shot = program.wait_drawn()
    rect = program.pane_rect()
    counts = [shot.count(rect, RED)]
    program.click_centre(CMD_OK)
    started = stable_since = time.monotonic()  # when the red count took its latest value
    while time.monotonic() - started < 60:
        shot = session.screenshot("flying")
        counts.append(shot.count(rect, RED))
        if counts[-1] != counts[-2]:
            stable_since = time.monotonic()
        elif counts[-1] > MARKER_RED_MAX and time.monotonic() - stable_since > 1.0:
            break
    return shot, counts


def pane_shows(session, what, probe, timeout=15):
    return poll(what, lambda: probe(session.screenshot(what)), timeout, 0.2, session.guard)


def select_field(program, session, name):
    """A click into an input field and its whole text selected."""
    box = program.reader.field(name).queryComponent().getExtents(
        program.reader.pyatspi.DESKTOP_COORDS)
    session.click(box.x + box.width // 2, box.y + box.height // 2)
    session.key("ctrl+a")


def check_run(program, session):
    """Title, client size and place; the marker alone before ПУСК animates the red curve; the
    option buttons show the velocity panes and the trajectory picture again, as it was."""
    program.wait_drawn()
    name = session.window_name(program.window)
    check(name == TITLE, f"window title is {name!r}")
    _, _, width, height = session.geometry(program.window)
    frame_x, frame_y, _, _ = session.frame(program.window)
    check((width, height - program.menu) == (CLIENT_WIDTH, CLIENT_HEIGHT)
          and abs(frame_x - SCREEN_WIDTH / 20) <= 1 and abs(frame_y - SCREEN_HEIGHT / 20) <= 1,
          f"client area {width} x {height - program.menu} under a {program.menu} px menu bar, "
          f"frame at ({frame_x}, {frame_y}); expected {CLIENT_WIDTH} x {CLIENT_HEIGHT} at 5 %")

    rect = program.pane_rect()
    shot, counts = run_to_landing(program, session)
    check(0 < counts[0] <= MARKER_RED_MAX, f"{counts[0]} red pixels in the pane before any run")
    # At least one picture caught the ball in flight: more red than before, less than at the end.
    rises = sum(1 for a, b in zip(counts, counts[1:]) if b > a)
    check(counts[-1] > counts[0] + 200 and rises >= 2,
          f"the red curve did not grow step by step (red counts {counts})")
    check(shot.count(rect, BLUE) > 50 and shot.count(rect, BLACK) > 50,
          "the black and blue curves are gone after the run")

    trajectory = shot.region(*rect)
    for n in (2, 3):
        program.click_client(*OPTION_CENTRES[n])
        # Black axes and all three curves; the vacuum one may lie under the blue one in Vx.
        pane_shows(session, f"Option{n} to show its velocity pane with axes, blue and red curves",
                   lambda s: changed(s.region(*rect), trajectory) > 0.01
                   and all(s.count(rect, colour) > 50 for colour in (BLACK, BLUE, RED)))
    program.click_client(*OPTION_CENTRES[1])
    pane_shows(session, "Option1 to show the trajectory picture again without a new run",
               lambda s: changed(s.region(*rect), trajectory) <= 0.001)


def check_input(program, session):
    """While a field is typed into, its text stays as typed and no box appears; a sound number
    is taken at once, anything else is marked unfinished; Enter or leaving the field settles it."""
    shot = program.wait_drawn()
    rect = program.pane_rect()
    start = shot.region(*rect)
    reader = program.reader
    session.activate(program.window)

    def select(name):
        select_field(program, session, name)

    def typed(name, text, unfinished):  # as typed, marked unfinished or taken, and no box
        reader.wait_field(name, text)
        marked = reader.field(name).description.startswith("Значение ещё не принято")
        check(marked == unfinished,
              f"{text!r} in {name!r} is {'not ' if unfinished else ''}marked unfinished")
        check(not session.windows_named("Ошибка"), f"a box while {text!r} was typed in {name!r}")

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

    # A refused text is refused when the field is left: d = 0 gets one box and 0.0010.
    select("d, м")
    session.type("0")
    session.key("Tab")
    program.answer_box("Ошибка", ["Return"])
    reader.wait_field("d, м", "0.0010")
    check(not session.windows_named("Ошибка"), "a second box after one refused diameter")


def check_undo(program, session):
    """Two typed inputs taken back with Ctrl+Z show their first values again, and Ctrl+Shift+Z
    brings the later one back; «Отменить» and «Вернуть» end «Инструменты»."""
    reader = program.reader
    tools = reader.menu_items("Инструменты")
    check(tools[-2:] == ["Отменить", "Вернуть"], f"«Инструменты» ends with {tools[-2:]}")
    session.activate(program.window)
    for name, text, settled in (("Vo, м/с", "5", "5.000"), ("η, Па·с", "0.5", "0.5000000")):
        select_field(program, session, name)
        session.type(text)
        session.key("Tab")
        reader.wait_field(name, settled)
    session.key("ctrl+z")
    reader.wait_field("η, Па·с", "0.0010060")
    session.key("ctrl+z")
    reader.wait_field("Vo, м/с", "3.000")
    session.key("ctrl+shift+z")
    reader.wait_field("Vo, м/с", "5.000")
    reader.wait_field("η, Па·с", "0.0010060")


def check_resize(program, session):
    """A resized window keeps the parameter panel at the bottom and the graph area takes the
    rest. A flight resized on its way lands; the landed one is redrawn at each new size and the
    seven red labels keep their values."""
    shot = program.wait_drawn()
    reader = program.reader
    session.activate(program.window)
    started = shot.count(program.pane_rect(), RED)
    program.click_centre(CMD_OK)
    pane_shows(session, "the red curve to start",
               lambda s: s.count(program.pane_rect(), RED) > started + 20, 10)
    check(reader.label(TMAX2).endswith(NOT_YET), "the ball landed before the window was resized")

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
                 lambda: not reader.label(TMAX2).endswith(NOT_YET), 30, 0.2, session.guard)
            landed = red_labels()
            check(landed[3] == TMAX2_AT_START, f"the flight resized on its way landed with "
                  f"{landed[3]!r}, not {TMAX2_AT_START!r}")
        pane = program.pane_rect(width - 26, height - 326)

        def anchored(shot):
            # The yellow of Text1 begins 2 px inside its border, 270 px above the bottom edge;
            # the white pane reaches to 4 px from the right edge.
            cx, cy = program.client_origin()
            column = shot.region(cx + TEXT1[0] + 60, cy, 1, height)
            edge, gap = (shot.region(cx + width - x, pane[1], 1, pane[3]).count(WINDOW_GREY)
                         for x in (5, 3))
            return (FIELD_YELLOW in column and column.index(FIELD_YELLOW) == height - 268
                    and shot.count(pane, WHITE) > 0.3 * pane[2] * pane[3] and edge < pane[3] // 2
                    and gap == pane[3] and shot.count(pane, BLUE) > 50
                    and shot.count(pane, RED) > MARKER_RED_MAX + 200 and shot)

        pane_shows(session, f"Text1 270 px above the bottom of a {width} x {height} client "
                   "area and the red curve in the pane", anchored)
        check(red_labels() == landed, f"the red labels became {red_labels()} at {width} x "
              f"{height}, were {landed}")


def check_lesson(program, session):
    """A lesson prepared from the menus and the keyboard: steel in glycerine from the presets,
    the flight at ×5 started with F5, paused with Space (the picture holds still) and resumed to
    its landing, then the window enlarged to 150 % with Ctrl+= twice."""
    reader = program.reader
    for item in ("сталь", "глицерин 20 °C", "×5"):  # in submenus of «Инструменты»
        reader.choose("Инструменты", item)
    reader.wait_field("η, Па·с", "1.4120000")

    session.activate(program.window)
    program.wait_drawn()
    # At ×5 this flight lasts a quarter of a second: the pause follows the start at once.
    session.key("F5", "space")
    time.sleep(0.3)
    check(reader.label(TMAX2).endswith(NOT_YET), "the flight landed in spite of the pause")
    held = session.screenshot("paused").region(*program.pane_rect())
    time.sleep(1.0)
    check(session.screenshot("still-paused").region(*program.pane_rect()) == held,
          "the picture moved during the pause")
    session.key("space")
    poll("the flight to land after the pause",
         lambda: not reader.label(TMAX2).endswith(NOT_YET), 60, 0.3, session.guard)

    session.key("ctrl+equal", "ctrl+equal")
    poll("the window to grow to 150 %", lambda: all(a >= b for a, b in zip(
        session.geometry(program.window)[2:], (1080, 630 + program.menu))), 10)


def check_recovery(program, session):
    """The lesson of check_lesson, killed with SIGKILL 2.5 s after its last change, comes back at
    the next start when the user agrees; saved with Ctrl+S, it names the title, and a normal end
    removes the recovery copy; `ballflight FILE` opens the lesson again."""
    state = session.env.get("XDG_STATE_HOME") or os.path.join(session.work, ".local", "state")
    copy = os.path.join(state, "ballflight", "recovery.ballflight")
    time.sleep(2.5)
    check(os.path.isfile(copy), "no recovery copy 2.5 s after the last change")
    program.proc.kill()
    program.proc.wait(timeout=20)
    again = Program(session, program.app, program.docs)
    again.answer_box("Восстановление урока", ["Return"])
    again.reader.wait_field("η, Па·с", "1.4120000")
    lesson = os.path.join(session.work, "стекло.ballflight")
    session.activate(again.window)
    session.key("ctrl+s")
    dialog = session.wait_window("Сохранить урок как")
    session.activate(dialog)
    session.type(lesson)
    session.key("Return")
    session.wait_window(f"{TITLE} — стекло")
    again.close("Return")
    again.expect_end()
    check(not os.path.exists(copy), "the recovery copy outlived a normal end")
    last = Program(session, program.app, program.docs, [lesson], f"{TITLE} — стекло")
    last.reader.wait_field("η, Па·с", "1.4120000")
    last.close("Return")
    last.expect_end()


def check_menus(program, session):
    """The close box asks first, No keeps the window; the menus' items; the authors window
    centred over the main one; Справка1 in the program's own viewer, one however often chosen.
    Both outlive the main window; the program ends once they are closed."""
    program.wait_drawn()
    program.close("Escape")
    reader = program.reader
    menus = {title: reader.menu_items(title) for title in ("Файл", "Помощь")}
    check(menus == {"Файл": ["Новый урок", "Открыть урок…", "Сохранить урок",
                             "Сохранить урок как…", "Последние уроки", "Справка1", "Справка2",
                             "История", "Выход"],
                    "Помощь": ["Инструкция", "Управление", "Авторы", "О программе",
                               "Регистрация"]}, f"the menus hold {menus}")
    # Menu items are chosen as a screen reader user does, by their actions.
    reader.choose("Помощь", "Авторы")
    authors = session.wait_window("Авторы")

    def centred():
        main, own = session.frame(program.window), session.frame(authors)
        return all(abs((main[i] + main[i + 2] / 2) - (own[i] + own[i + 2] / 2)) <= 1
                   for i in (0, 1))

    poll("the authors window to stand over the middle of the main window", centred, 10, 0.3,
         session.guard)
    reader.choose("Файл", "Справка1")
    viewer = session.wait_window("spravka.pdf")
    reader.choose("Файл", "Справка1")
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

    def save_as(title, name, *keys, at=None, button=1):
        session.activate(program.window)
        if at:
            session.click(*at, button=button, window=program.window)
            time.sleep(0.7)
        session.key(*keys)
        dialog = session.wait_window(title)
        session.activate(dialog)
        path = os.path.join(out, name)
        session.type(path)
        session.key("Return")
        session.wait_window_gone(title)
        poll(f"{name} to be written", lambda: os.path.exists(path), 10, 0.2)
        with open(path, "rb") as f:
            return f.read()

    png = save_as("Сохранить график", "graph.png", "ctrl+alt+s")
    size = (int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big"))
    # Twice the pane's size, with the strip of captions («с подписями») beneath it.
    check(png.startswith(b"\x89PNG") and size[0] == 2 * PANE[2] and size[1] > 2 * PANE[3],
          f"Ctrl+Alt+S saved a picture of {size[0]} x {size[1]} px")
    csv = save_as("Сохранить данные", "curves.csv", "Down", "Down", "Down", "Return",
                  at=(TOOLS_MENU_X, program.menu // 2))  # "Сохранить данные…"
    check(csv.startswith(b"curve,x,y\ntrajectory_vacuum,0,0.5\n"),
          f"the data file begins {csv[:40]!r}")
    pdf = save_as("Сохранить отчёт", "report.pdf", *["Down"] * 6, "Return", button=3,
                  at=(PANE[0] + PANE[2] // 2, program.menu + PANE[1] + PANE[3] // 2))
    check(pdf.startswith(b"%PDF"), "the report is not a PDF file")  # the context menu's last


def check_study(program, session):
    """«Исследование зависимости…» for the defaults: α from 0 to 89.5 in 180 points; the graph
    names the greatest range of each model, the vacuum one at the angle a_max (34.67°)."""
    reader = program.reader
    reader.choose("Инструменты", "Исследование зависимости…")
    reader.press(reader.find("push button", "Рассчитать"))  # the study window's
    graph = reader.find(None, "График зависимости")

    def marked():
        marks = [line for line in graph.description.split("\n") if line.startswith("наибольшая")]
        return marks if len(marks) == 3 else None

    marks = poll("the three greatest ranges", marked, 30, 0.3, session.guard)
    check(any("в вакууме" in m and "α = 34.67" in m for m in marks),
          f"the vacuum optimum is not at a_max: {marks}")
    # The study window is a window of its own: the program ends only once it is closed too.
    session.run(["wmctrl", "-c", "Исследование зависимости"])
    session.wait_window_gone("Исследование зависимости")


def check_readout(program, session):
    """The readout follows the real pointer over the trajectory pane and goes when it leaves."""
    crosshair = (80, 80, 80)  # the frame of the box too
    shot = program.wait_drawn()
    rect = x, y, w, h = program.pane_rect()
    before = shot.count(rect, crosshair)
    session.run(["xdotool", "mousemove", str(x + w // 3), str(y + h // 2)])
    pane_shows(session, "the crosshair and the box",
               lambda s: s.count(rect, crosshair) > before + w + h + 200)
    session.run(["xdotool", "mousemove", str(x + w // 3), str(y + h + 150)])
    pane_shows(session, "the readout to go", lambda s: s.count(rect, crosshair) <= before)


def check_sound(program, session):
    """The tones recorded from the program's sink: a landing, a refused field and a landing,
    each whole (600, 300, 600 ms of 880 Hz), alone and unclipped. Then, played as the window
    plays them, a blocking tone waits for a landing tone, and blocking tones each sound whole."""
    session.activate(program.window)
    run_to_landing(program, session)
    # A height of 0 is refused when the field is left: the warning tone first, then the box.
    program.click_centre(TEXT1)
    session.key("ctrl+a")
    session.type("0")
    session.key("Tab")
    program.answer_box("Ошибка", ["Return"])
    run_to_landing(program, session)
    time.sleep(1.0)  # the last tone and its way through the server

    done = subprocess.run([session.player, "s50", "b25", "w200", "b25", "b25", "w1500"],
                          env=session.env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          timeout=60)
    out = done.stdout.decode(errors="replace")
    check(done.returncode == 0, f"the tone player ended with status {done.returncode}: {out}")
    check_tones(session.sound.stop_recording(), [600, 300, 600, 600, 300, 300, 300])
    blocked = [int(ms) for ms in re.findall(r"blocked (\d+) ms", out)]
    # The first waits for the landing tone before its own.
    check(len(blocked) == 3 and blocked[0] >= 900 and all(300 <= b < 3000 for b in blocked),
          f"blocking tones blocked {blocked} ms")


def check_measure(program, session):
    """A measured throw through «Инструменты → Измерения»: the example file through the real file
    dialog and the import dialog, its points on the three panes, v0 and α fitted for a tennis
    ball in air, the best model applied to the fields; the points stay."""
    program.wait_drawn()
    reader = program.reader
    session.activate(program.window)
    for name, text, settled in (("ρo, кг/м3", "1.2", "1.2"), ("η, Па·с", "0.0000181", "0.0000181"),
                                ("ρ, кг/м3", "370", "370.0"), ("d, м", "0.067", "0.0670"),
                                ("h, м", "1.2", "1.200")):
        select_field(program, session, name)
        session.type(text)
        session.key("Tab")
        reader.wait_field(name, settled)

    reader.choose("Инструменты", "Открыть…")
    dialog = session.wait_window("Открыть измерения")
    session.activate(dialog)
    session.type(os.path.abspath(EXAMPLE))
    session.key("Return")
    session.wait_window_gone("Открыть измерения")
    session.wait_window("Измерения: tennis-ball.tsv")
    check(reader.label("Будет прочитано точек:").startswith("Будет прочитано точек: 40,"),
          "the import dialog does not count the example's 40 points")
    reader.press(reader.find("push button", "Открыть"))
    session.wait_window_gone("Измерения: tennis-ball.tsv")

    rect = program.pane_rect()
    for n in (2, 3, 1):  # the velocities, then the trajectory again
        program.click_client(*OPTION_CENTRES[n])
        pane_shows(session, f"the measured points on pane {n}",
                   lambda s: s.count(rect, MEASURED) > 200)

    reader.choose("Инструменты", "Подогнать модели…")
    session.wait_window("Подгонка моделей к измерениям")
    reader.press(reader.find("push button", "Подогнать"))
    status = reader.label("Готово.")
    check(status == "Готово. Лучшая модель: Fc~v^2.", f"the fit says {status!r}")
    reader.press(reader.find("push button", "Применить"))  # the best row is chosen
    for name, value in (("Vo, м/с", 9.0), ("α, град", 40.0)):
        seen = []

        def near():
            text = reader.field(name).queryText()
            seen[:] = [text.getText(0, text.characterCount)]
            return re.fullmatch(r"-?\d+\.\d+", seen[0]) and abs(float(seen[0]) - value) < 0.05

        poll(f"{name!r} to show the fitted {value}", near, 15, 0.2, session.guard)
    session.run(["wmctrl", "-c", "Подгонка моделей к измерениям"])
    session.wait_window_gone("Подгонка моделей к измерениям")
    pane_shows(session, "the measured points after the fitted throw",
               lambda s: s.count(rect, MEASURED) > 200)


def write_project_file(path):
    """A video-analysis project file written here: 100 px a metre, the origin 50 px from the
    image's left and 300 px from its top, 20 ms a frame; a short first track «mass A» and the
    throw itself as «ball»."""
    def frame(f, x, y):
        return (f'<property name="[{f}]" type="object"><object class="FrameData">'
                f'<property name="x" type="double">{x:.3f}</property>'
                f'<property name="y" type="double">{y:.3f}</property></object></property>')

    def track(name, frames):
        rows = "".join(frame(f, 50 + 100 * x, 300 - 100 * y) for f, (x, y) in enumerate(frames))
        return (f'<object class="PointMass"><property name="name">{name}</property>'
                f'<property name="framedata" type="array">{rows}</property></object>')

    throw = [(2.6 * 0.02 * f, 0.5 + 1.5 * 0.02 * f - 4.905 * (0.02 * f) ** 2) for f in range(25)]
    calibration = ('<property name="[0]" type="object"><object class="FrameData">'
                   + "".join(f'<property name="{k}" type="double">{v}</property>' for k, v in
                             (("xorigin", 50), ("yorigin", 300), ("angle", 0), ("xscale", 100),
                              ("yscale", 100))) + "</object></property>")
    with open(path, "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n<object class="TrackerPanel">'
                '<object class="VideoClip"><property name="frameduration" type="double">20'
                '</property></object><object class="ImageCoordSystem"><property '
                f'name="framedata" type="array">{calibration}</property></object>'
                + track("mass A", [(0.1 * i, 0.2) for i in range(6)]) + track("ball", throw)
                + "</object>\n")


def write_fall(path):
    """A bead's fall through a liquid as a lab records it: 120 rows, the position in mm growing
    downwards at nearly the terminal speed."""
    with open(path, "w") as f:
        f.write("Time(sec)\tPosition(mm)\n")
        for i in range(120):
            f.write(f"{0.1 * i:.1f}\t{12 + 26.7 * i:.2f}\n")


def open_measured(program, session, path):
    """«Открыть…» of «Измерения» and the file typed into the real file dialog; the import
    dialog that follows is left open."""
    program.reader.choose("Инструменты", "Открыть…")
    dialog = session.wait_window("Открыть измерения")
    session.activate(dialog)
    session.type(path)
    session.key("Return")
    session.wait_window_gone("Открыть измерения")
    return session.wait_window(f"Измерения: {os.path.basename(path)}")


def check_measure_files(program, session):
    """A project file of two tracks and a vertical fall, each through the real file dialog: the
    track chosen in the import dialog is the one that comes in, and both show on the panes."""
    program.wait_drawn()
    reader = program.reader
    trk, fall = (os.path.join(session.work, name) for name in ("throw.trk", "fall.tsv"))
    write_project_file(trk)
    write_fall(fall)
    rect = program.pane_rect()

    session.activate(program.window)
    dialog = open_measured(program, session, trk)
    counted = lambda n: lambda: reader.label("Будет прочитано").startswith(  # noqa: E731
        f"Будет прочитано точек: {n},")
    poll("the first track's 6 points to be counted", counted(6), 15, 0.2, session.guard)
    combo = reader.find("combo box", prefix="mass A")
    x, y, w, h = combo.queryComponent().getExtents(0)  # screen coordinates
    session.activate(dialog)
    session.click(x + w // 2, y + h // 2)
    time.sleep(0.5)
    session.key("Down")
    session.key("Return")
    poll("the chosen track's 25 points to be counted", counted(25), 15, 0.2, session.guard)
    reader.press(reader.find("push button", "Открыть"))
    session.wait_window_gone("Измерения: throw.trk")
    check(reader.label("Точек:").startswith("Точек: 25,"), "the chosen track did not come in")
    # The crosses lie on the vacuum curve, which hides most of their pixels: one a point at least.
    pane_shows(session, "the chosen track's points", lambda s: s.count(rect, MEASURED) > 25)

    session.activate(program.window)
    open_measured(program, session, fall)
    poll("the fall's 120 points to be counted", counted(120), 15, 0.2, session.guard)
    reader.press(reader.find("push button", "Открыть"))
    session.wait_window_gone("Измерения: fall.tsv")
    check(reader.label("Точек:").startswith("Точек: 120,"), "the fall did not come in")
    program.click_client(*OPTION_CENTRES[3])  # the vertical speed
    pane_shows(session, "the fall's points", lambda s: s.count(rect, MEASURED) > 120)


def refuse_height(program, session, timeout=20):
    """A height of 0, refused when the field is left: the warning tone, then the box."""
    program.click_centre(TEXT1)
    session.key("ctrl+a")
    session.type("0")
    session.key("Tab")
    program.answer_box("Ошибка", ["Return"], timeout)


def check_stopped_sound(program, session):
    """With the sound server stopped (SIGSTOP) before the start, the window appears as usual and
    a landing and a refused field go on in silence; after a restart of the server the tones
    come back. Stopped again while the program runs, the window still answers at once."""
    check(session.startup < 10, f"the window took {session.startup:.1f} s to appear")
    session.activate(program.window)
    run_to_landing(program, session)
    refuse_height(program, session)
    session.sound.restart()
    time.sleep(3.5)  # the sound library connects again 3 s after it lost the server
    # The program asks the server again with each tone, and the first ones may still be lost:
    # landings go on until one is heard (within 20 s), and every tone heard is a whole one.
    deadline = time.monotonic() + 20
    while True:
        run_to_landing(program, session)
        time.sleep(1.0)  # the tone and its way through the server
        if find_bursts(session.sound.samples()) or time.monotonic() > deadline:
            break
    samples = session.sound.stop_recording()
    check_tones(samples, [600] * max(1, len(find_bursts(samples))))
    session.sound.pause()
    refuse_height(program, session, timeout=3)
    run_to_landing(program, session)
    session.sound.pause(False)


ENGLISH_TITLE = ("Trajectory of a ball thrown from a height at an angle to the horizontal in a "
                 "viscous medium")
ENGLISH_EXIT = "Exit"  # the title of the close question
LANGUAGE_NAMES = ("Язык / Language", "Русский")  # each language named in itself


def cyrillic_texts(reader):
    """The names and descriptions of every accessible of the program that hold a Cyrillic
    letter, the language menu's own names left out."""
    found = set()
    for node in reader.all():
        try:
            texts = (node.name, node.description)
        except Exception:  # gone with its window
            continue
        for text in texts:
            if text and text not in LANGUAGE_NAMES and re.search("[\u0400-\u04ff]", text):
                found.add(text)
    return found


def all_english(session, reader):
    left = [None]

    def english():
        left[0] = cyrillic_texts(reader)
        return not left[0]

    try:
        poll("every text to be English", english, 20, 0.5, session.guard)
    except Failure as error:
        raise Failure(f"{error}; still Russian: {sorted(left[0])[:12]}")


def check_language(program, session):
    """Started under LANG=en_GB.UTF-8, the window speaks English from the start and opens the
    English guide; «Tools → Язык / Language ▸ Русский» turns every text Russian at once, the
    throw on show kept, and «English» brings English back."""
    reader = program.reader
    run_to_landing(program, session)
    all_english(session, reader)
    flights = [node.name for node in reader.all("label", prefix="Time of flight")
               if "(Fc~v^2)" in node.name]
    check(len(flights) == 1 and flights[0].endswith(": 0.562 s"),
          f"the flight time reads {flights} in English")
    reader.choose("Help", "Controls")
    viewer = session.wait_window("uprav.en.pdf")
    session.run(["wmctrl", "-i", "-c", hex(viewer)])
    session.wait_window_gone("uprav.en.pdf")
    reader.choose("Tools", "Русский")
    session.wait_window(TITLE)
    check(reader.label(TMAX2) == TMAX2_AT_START, f"the flight time reads {reader.label(TMAX2)!r}")
    reader.choose("Инструменты", "English")
    session.wait_window(ENGLISH_TITLE)
    all_english(session, reader)
    program.close("Return", ENGLISH_EXIT)
    program.expect_end()


SCENARIOS = {
    "run": [check_run],
    "input": [check_input, check_undo],
    "resize": [check_resize, check_lesson, check_recovery],
    "menu": [check_menus],
    "tools": [check_tools, check_study, check_readout],
    "sound": [check_sound],
    "measure": [check_measure],
    "measure-files": [check_measure_files],
    "stopped-sound": [check_stopped_sound],
    "language": [check_language],
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("--app", "--docs", "--player", "--artifacts"):
        parser.add_argument(option, required=True)
    # One scenario a process: the accessibility library binds a process to one bus.
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    args = parser.parse_args()
    name, started = args.scenario, time.monotonic()
    # Pictures of an earlier failure would only mislead once this run has passed.
    shutil.rmtree(os.path.join(args.artifacts, name), ignore_errors=True)
    with XSession(args.artifacts) as session:
        try:
            session.player = os.path.abspath(args.player)
            if name.endswith("sound"):
                # The program finds its output when it starts.
                session.sound = SoundServer(session)
                session.env["PULSE_SERVER"] = session.sound.address
                if name == "stopped-sound":
                    session.sound.pause()
            title = TITLE
            if name == "language":  # a system in English
                session.env["LANG"] = "en_GB.UTF-8"
                title = ENGLISH_TITLE
            launched = time.monotonic()
            program = Program(session, os.path.abspath(args.app), args.docs, title=title)
            session.startup = time.monotonic() - launched
            for step in SCENARIOS[name]:
                step(program, session)
            # Every scenario ends the program as a user does, and it must end cleanly.
            if program.alive():
                program.close("Return")
                program.expect_end()
            print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
            return 0
        except Exception as error:  # any error leaves its pictures behind
            folder = session.keep_artifacts(name)
            if session.sound:
                session.sound.pause(False)
                session.sound.keep(folder)
            print(f"FAIL {name}: {error}\n  screenshots and logs: {folder}", file=sys.stderr)
            return 1


if __name__ == "__main__":
    sys.exit(main())
