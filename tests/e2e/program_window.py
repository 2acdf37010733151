"""The main window of ballflight as the real-window tests see it: its title, the places of its
controls in the client area, its colours, and the started program with its window."""

import os
import shutil
import subprocess

from accessible import Reader
from xsession import Failure, check, poll

TITLE = "Траектория движения шара, брошенного с высоты под углом к горизонту в вязкой среде"
CLIENT_WIDTH, CLIENT_HEIGHT = 720, 560

BLACK, BLUE, RED = (0, 0, 0), (0, 0, 255), (255, 0, 0)
WHITE, FIELD_YELLOW, WINDOW_GREY = (255, 255, 255), (255, 255, 192), (224, 224, 224)

# Client-area places at the initial size (the layout's own figures).
PANE = (22, 4, 694, 234)  # Picture1 … Picture3
CMD_OK = (616, 350, 72, 26)
OPTION_CENTRES = {1: (636, 436), 2: (637, 457), 3: (637, 477)}  # in Frame1 at (616, 410)
TEXT1 = (44, 290, 72, 26)
TEXT2 = (44, 320, 72, 26)
# The «Инструменты» menu title in the menu bar, between «Файл» and «Помощь».
TOOLS_MENU_X = 100

# The seven quadratic-drag result labels, as a screen reader reads them: the quantity's name,
# a colon and the value, or «ещё не вычислено» before the flight has given it.
RED_LABELS = tuple(f"{name} в среде (Fc~v^2):" for name in (
    "Время подъёма", "Координата X вершины", "Наибольшая высота", "Время полёта", "Дальность полёта",
    "Скорость Vx при падении", "Скорость Vy при падении"))
NOT_YET = "ещё не вычислено"
TMAX2_AT_START = "Время полёта в среде (Fc~v^2): 0.562 c"  # of the throw at start

# The ball marker is a 10 × 10 red disc; more pure red than that in the trajectory pane means
# a red curve has been drawn.
MARKER_RED_MAX = 100


class Program:
    """The started program, its main window, and the height of its menu bar."""

    def __init__(self, session, app, docs):
        self.session = session
        self.cwd = os.path.join(session.work, "cwd")
        shutil.copytree(docs, self.cwd)
        self.proc = session.start_app([app], self.cwd)
        self.window = session.wait_window(TITLE, timeout=60)
        self.menu = None
        self._reader = None

    def reader(self):
        """What the program's windows say (accessible.py), read through the accessibility bus."""
        if self._reader is None:
            self._reader = Reader(self.session, self.proc.pid)
        return self._reader

    def alive(self):
        return self.proc.poll() is None

    def client_origin(self):
        x, y, _, _ = self.session.geometry(self.window)
        return x, y + self.menu

    def find_menu_bar(self, shot):
        """The menu bar's height, where the window's grey begins for good: the client area's
        left 4 px are bare window background from its top to its bottom (the vertical scroll
        bar starts at x = 4), while the menu bar above has colours of its own."""
        x, y, _, height = self.session.geometry(self.window)
        column = shot.region(x + 2, y, 1, height)
        row = height
        while row > 0 and column[row - 1] == WINDOW_GREY:
            row -= 1
        check(0 < row <= 60, f"no menu bar above the window's grey client area (found {row} px)")
        self.menu = row

    def pane_rect(self, left=PANE[0], top=PANE[1], width=PANE[2], height=PANE[3]):
        cx, cy = self.client_origin()
        return (cx + left, cy + top, width, height)

    def click_client(self, x, y):
        self.session.click(x, y + self.menu, window=self.window)

    def click_centre(self, control):
        """A click in the middle of a control given by its client-area rectangle."""
        self.click_client(control[0] + control[2] // 2, control[1] + control[3] // 2)

    def retype(self, control, text):
        """Types text over a field's whole text and leaves it with Tab."""
        self.click_centre(control)
        self.session.key("ctrl+a")
        self.session.type(text)
        self.session.key("Tab")

    def wait_drawn(self, timeout=30):
        """Waits until the trajectory pane shows the vacuum and linear-drag curves."""
        def drawn():
            shot = self.session.screenshot("waiting-for-curves")
            if self.menu is None:
                try:
                    self.find_menu_bar(shot)
                except Failure:
                    return None
            rect = self.pane_rect()
            return shot if shot.count(rect, BLUE) > 50 and shot.count(rect, BLACK) > 50 else None
        return poll("the trajectory pane to show black and blue curves", drawn, timeout, 0.3,
                    self.session.guard)

    def answer_box(self, title, keys, timeout=20):
        box = self.session.wait_window(title, timeout)
        self.session.activate(box)
        self.session.key(*keys)
        self.session.wait_window_gone(title)

    def choose(self, title, item):
        """Opens a menu with a click on its title and picks the item with the keyboard, as a
        user does; the accessibility bus tells where the title is, when the menu is open and
        how far down the item is."""
        reader = self.reader()
        items = reader.menu_items(title)
        self.session.activate(self.window)
        self.session.click(*reader.centre(reader.menu(title)))
        popup = reader.find("popup menu", within=reader.menu(title))
        poll(f"the menu {title!r} to open", lambda: reader.showing(popup), 10, 0.1,
             self.session.guard)
        # The click opens the menu with no item selected; Down passes over separators.
        self.session.key(*["Down"] * (items.index(item) + 1), "Return")

    def close(self, answer):
        """The window manager's close request, which is what the close box sends, and an answer
        to the question it brings: "Return" for Yes, "Escape" for No."""
        self.session.run(["wmctrl", "-i", "-c", hex(self.window)])
        self.answer_box("На Выход", [answer])

    def expect_end(self):
        try:
            status = self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            raise Failure("the program still runs after its last window closed")
        check(status == 0, f"the program ended with status {status}")
