"""What the program's windows say, read through the accessibility bus (AT-SPI) with pyatspi.
libatspi binds itself to the first bus it is given: one session a process.
"""

import os

from xsession import Failure, poll

# D-Bus calls wait this long for the program: a loaded machine may be slow while it draws a
# flight. (libatspi's longer wait for a program just started is off: it is found by polling.)
CALL_TIMEOUT_MS = 10000


class Reader:
    """The accessible tree of one running program, found by its process id."""

    def __init__(self, session, pid, timeout=30):
        self.session = session
        # libatspi finds the bus from the environment when it is first used.
        os.environ.update(DISPLAY=session.display,
                          DBUS_SESSION_BUS_ADDRESS=session.env["DBUS_SESSION_BUS_ADDRESS"])
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        import pyatspi
        self.pyatspi = pyatspi
        pyatspi.setTimeout(CALL_TIMEOUT_MS, 0)
        self._found = {}
        self.app = poll(f"process {pid} on the accessibility bus",
                        lambda: next((app for app in pyatspi.Registry.getDesktop(0)
                                      if app is not None and app.get_process_id() == pid), None),
                        timeout, 0.3, session.guard)
        # The driver runs no event loop, so cached names and texts would go stale.
        self.app.set_cache_mask(pyatspi.cache.NONE)

    def _walk(self, node):
        yield node
        for child in node:
            if child is not None:
                yield from self._walk(child)

    def all(self, role=None, name=None, prefix=None, within=None):
        """Every accessible under within (the whole program by default) that has the role
        (AT-SPI's role name: "label", "text", "menu item", …) and the name or name prefix."""
        return [node for node in self._walk(within or self.app)
                if self._matches(node, role, name, prefix)]

    @staticmethod
    def _matches(node, role, name, prefix):
        try:
            if role and node.getRoleName() != role:
                return False
            node_name = node.name
        except Exception:  # gone with its window
            return False
        return name in (None, node_name) and node_name.startswith(prefix or "")

    def find(self, role=None, name=None, prefix=None, within=None, timeout=15):
        """The one accessible with the role and name (or name prefix); waits for it to appear.
        What was found is kept while it still matches (a walk takes a few hundred calls)."""
        key = (role, name, prefix, within)
        kept = self._found.get(key)
        if kept is not None and self._matches(kept, role, name, prefix):
            return kept
        what = f"{role or 'an accessible'} {repr(name) if name is not None else repr(prefix)}"

        def one():
            found = self.all(role, name, prefix, within)
            if len(found) > 1:
                raise Failure(f"{len(found)} of {what} in the program")
            return found[0] if found else None

        self._found[key] = poll(what, one, timeout, 0.2, self.session.guard)
        return self._found[key]

    def field(self, name):
        """An input field by its accessible name ("h, м", "Vo, м/с", …)."""
        return self.find("text", name)

    def label(self, prefix):
        """A label's whole text, found by how it begins."""
        return self.find("label", prefix=prefix).name

    def wait_field(self, name, expected, timeout=15):
        """Waits until the field shows expected; fails with what it shows."""
        seen = [None]

        def shows():
            text = self.field(name).queryText()
            seen[0] = text.getText(0, text.characterCount)
            return seen[0] == expected

        try:
            poll(f"{name!r} to show {expected!r}", shows, timeout, 0.1, self.session.guard)
        except Failure as error:
            raise Failure(f"{error}; it shows {seen[0]!r}")

    def menu(self, title):
        return self.find("menu item", title, within=self.find("menu bar"))

    def menu_items(self, title):
        """The item names of a menu in the menu bar, separators left out."""
        return [item.name for item in self.all("menu item", within=self.menu(title))
                if item.name != title]

    def choose(self, title, item):
        """Triggers an item of a menu (or of its submenus) through its action."""
        self.press(self.find("menu item", item, within=self.menu(title)))

    def press(self, node):
        """Performs an accessible's action "Press" without waiting for the answer, which an
        action that opens a modal box gives only when the box is closed."""
        actions = node.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if "Press" not in names:
            raise Failure(f"{node.name!r} offers the actions {names}, not Press")
        self.pyatspi.setTimeout(500, 0)
        try:
            actions.doAction(names.index("Press"))
        except Exception as error:
            if "did not receive a reply" not in str(error).lower():
                raise
        finally:
            self.pyatspi.setTimeout(CALL_TIMEOUT_MS, 0)
