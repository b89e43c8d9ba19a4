# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the program, finds it on the accessibility bus, chooses the general
section, presses A and E by their accessible names and reads the meaning line;
then opens the drill window with «Тренировка», finds its question, answers it
by a key of the drill's keyboard and reads the result; last opens the exam
with «Зачёт», reads a question with its ticket's number, hands the ticket in
and reads the grade, the ticket's number and a row of the result. The
progress file is in a temporary folder, never the learner's own.

Every step waits for what it expects against a deadline; should the program
end meanwhile, the check fails at once with the program's exit status."""
import os
import sqlite3
import subprocess
import sys
import tempfile
import time

import pyatspi

WAIT_SECONDS = 60
STEP_SECONDS = 20

program = None


def fail(message):
    print("FAIL:", message)
    if program is not None and program.poll() is None:
        program.terminate()
    sys.exit(1)


def wait_until(condition, what, seconds=STEP_SECONDS):
    """The value of condition() once it is true, checking that the program still runs."""
    deadline = time.time() + seconds
    while True:
        status = program.poll()
        if status is not None:
            fail(f"the program ended with status {status} while waiting for {what}")
        value = condition()
        if value:
            return value
        if time.time() > deadline:
            fail(f"no {what} after {seconds} s")
        time.sleep(0.05)


def the_program():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name in ("mss65", "МСС-65"):
            for window in app:
                if window is not None and window.childCount > 0:
                    return app
    return None


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


def showing_buttons(app, name):
    return [n for n in walk(app) if n.getRole() in BUTTONS and n.name == name and showing(n)]


def press(app, name):
    button = wait_until(lambda: find_button(app, name), f"button on view named {name!r}")
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    pressing = [i for i, n in enumerate(names) if n.lower() in ("press", "click", "toggle")]
    if not pressing:
        fail(f"{name!r} offers no press action: {names!r}")
    action.doAction(pressing[0])


def meaning_line(app):
    """What the list on view reads, in every way a screen reader may ask it."""
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
    return []


def hoist(app):
    return [n.name for n in walk(app) if n.name.startswith(("Первый флаг", "Второй флаг", "Третий флаг"))]


def drill_window(app):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.name == "Тренировка" and showing(window):
            return window
    return None


def named(root, prefix):
    """The nodes on view under root whose names begin with prefix."""
    return [n for n in walk(root) if n.name.startswith(prefix) and showing(n)]


def answers_in(progress_file):
    if not os.path.exists(progress_file):
        return 0
    with sqlite3.connect(f"file:{progress_file}?mode=ro", uri=True) as db:
        return db.execute("SELECT count(*) FROM answers").fetchone()[0]


def drill(app, progress_file):
    """Opens the drill, answers its first question and reads the result."""
    press(app, "Тренировка")
    window = wait_until(lambda: drill_window(app), "drill window «Тренировка»")
    question = wait_until(lambda: named(window, "Вопрос: "), "question of the drill window")[0]
    print("question:", question.name)
    # The first drill asks which flag is shown; any key answers it.
    key = wait_until(lambda: [n for n in walk(window) if n.getRole() in BUTTONS and n.name == "Aa, Алфа"
                              and showing(n)], "key A of the drill's keyboard")[0]
    action = key.queryAction()
    action.doAction([i for i in range(action.nActions) if action.getName(i).lower() in ("press", "click")][0])
    result = wait_until(lambda: [n for n in named(window, "Результат: ") if "ещё нет ответа" not in n.name],
                        "result of the answer")[0]
    if not result.name.startswith(("Результат: Верно!", "Результат: Неверно.")):
        fail(f"the result reads {result.name!r}")
    print("result:", result.name)
    wait_until(lambda: answers_in(progress_file) == 1, "one answer in the progress file")


def exam(app):
    """Opens the exam from the drill, reads a question, hands the ticket in and reads the grade."""
    press(app, "Зачёт")
    window = wait_until(lambda: next((app.getChildAtIndex(i) for i in range(app.childCount)
                                      if app.getChildAtIndex(i) is not None
                                      and app.getChildAtIndex(i).name == "Зачёт"), None), "exam window «Зачёт»")
    press(app, "Начать")
    question = wait_until(lambda: named(window, "Вопрос: "), "question of the ticket")[0]
    progress = wait_until(lambda: named(window, "Билет № 1 · Вопрос 1 из 20 · "), "the ticket's progress line")[0]
    print("exam question:", progress.name, "—", question.name)
    # Handed in unanswered: the page says what that means, and a second press hands it in.
    press(app, "Сдать")
    wait_until(lambda: named(window, "Без ответа: 20 вопросов."), "the warning about unanswered questions")
    press(app, "Сдать")
    grade = wait_until(lambda: named(window, "Итог: "), "the grade of the ticket")[0]
    if not grade.name.startswith("Итог: Незачёт. Билет № 1. "):
        fail(f"the grade reads {grade.name!r}")
    print("exam grade:", grade.name)
    # A row of the result: what was asked, the answer given and the right one.
    table = wait_until(lambda: [n for n in walk(window) if n.getRole() == pyatspi.ROLE_TABLE
                                and n.name == "Вопросы билета и ответы" and showing(n)], "the table of the result")[0]
    cells = table.queryTable()
    row = [cells.getAccessibleAt(0, column).name for column in range(cells.nColumns)]
    if len(row) != 5 or row[0] != "1" or not row[1] or row[3] != "✗ нет ответа" or not row[4]:
        fail(f"the first row of the result reads {row!r}")
    print("exam result row:", " | ".join(row))


def main():
    global program
    folder = tempfile.TemporaryDirectory()
    progress_file = os.path.join(folder.name, "progress.sqlite3")
    program = subprocess.Popen([sys.argv[1], "--progress", progress_file])
    app = wait_until(the_program, "program on the accessibility bus", WAIT_SECONDS)
    keys = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Ee, Эко"]
    if len(keys) != 4:
        fail(f"expected the key E on each of the four keyboards, found {len(keys)}")
    press(app, "Общий раздел")
    first_flag_e = wait_until(lambda: showing_buttons(app, "Ee, Эко"), "key E on view")
    press(app, "Aa, Алфа")
    wait_until(lambda: "Первый флаг: Алфа (A)" in hoist(app), "flag A in the first position")
    # The second-letter keyboard takes the first-flag keyboard's place.
    wait_until(lambda: showing_buttons(app, "Ee, Эко") not in ([], first_flag_e),
               "key E of the second-letter keyboard on view")
    press(app, "Ee, Эко")
    wait_until(lambda: any("Я должен оставить свое судно" in t for t in meaning_line(app)),
               "meaning of AE on the meaning line")
    positions = hoist(app)
    for expected in ("Первый флаг: Алфа (A)", "Второй флаг: Эко (E)", "Третий флаг: пусто"):
        if expected not in positions:
            fail(f"no hoist position reads {expected!r}: {positions!r}")
    print("ok: a screen reader finds the keys, presses A and E and reads the meaning")
    drill(app, progress_file)
    print("ok: a screen reader opens the drill, finds its question, answers it and reads the result")
    exam(app)
    print("ok: a screen reader opens the exam, reads a question and its ticket, hands it in, reads the grade and the result")
    program.terminate()
    program.wait(10)


if __name__ == "__main__":
    main()
