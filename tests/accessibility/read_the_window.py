"""Finds the program on the accessibility bus, chooses the general section,
presses A and E by their accessible names and reads the meaning line."""
import sys
import time

import pyatspi

WAIT_SECONDS = 60


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def find_program():
    deadline = time.time() + WAIT_SECONDS
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name in ("mss65", "МСС-65"):
                for window in app:
                    if window is not None and window.childCount > 0:
                        return app
        time.sleep(0.2)
    fail("the program did not appear on the accessibility bus")


def walk(node):
    """Every node of the tree, but not the thousands of rows inside the lists."""
    yield node
    if node.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX):
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


BUTTONS = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX)


def find_button(app, name):
    """A button on view by its name; section buttons stay down, so they read as check boxes."""
    for node in walk(app):
        if node.getRole() in BUTTONS and node.name == name and showing(node):
            return node
    return None


def press(app, name):
    button = find_button(app, name)
    if button is None:
        fail(f"no button on view named {name!r}")
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    pressing = [i for i, n in enumerate(names) if n.lower() in ("press", "click", "toggle")]
    if not pressing:
        fail(f"{name!r} offers no press action: {names!r}")
    action.doAction(pressing[0])
    time.sleep(0.4)


def meaning_line(app):
    for node in walk(app):
        if node.getRole() == pyatspi.ROLE_COMBO_BOX and showing(node):
            texts = [node.name]
            try:
                texts.append(str(node.queryValue().currentValue))
            except NotImplementedError:
                pass
            try:
                t = node.queryText()
                texts.append(t.getText(0, -1))
            except NotImplementedError:
                pass
            for i in range(node.childCount):
                c = node.getChildAtIndex(i)
                if c is not None:
                    texts.append(c.name)
            return texts
    fail("no meaning line on view")


def main():
    app = find_program()
    keys = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Ee, Эко"]
    if len(keys) != 4:
        fail(f"expected the key E on each of the four keyboards, found {len(keys)}")
    press(app, "Общий раздел")
    press(app, "Aa, Алфа")
    press(app, "Ee, Эко")
    texts = meaning_line(app)
    if not any("Я должен оставить свое судно" in t for t in texts):
        fail(f"the meaning line reads {texts!r}")
    positions = [n.name for n in walk(app) if n.name.startswith(("Первый флаг", "Второй флаг", "Третий флаг"))]
    for expected in ("Первый флаг: Алфа (A)", "Второй флаг: Эко (E)", "Третий флаг: пусто"):
        if expected not in positions:
            fail(f"no hoist position reads {expected!r}: {positions!r}")
    print("ok: a screen reader finds the keys, presses A and E and reads the meaning")


if __name__ == "__main__":
    main()
