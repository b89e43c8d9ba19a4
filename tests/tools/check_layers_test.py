#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The layer check fails on includes that run the wrong way, says where and
which line of the table they break, and passes what the table allows."""

import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CHECK = os.path.join(HERE, "..", "..", "tools", "check_layers")
FIXTURE = os.path.join(HERE, "layers_fixture")


def run_check(root):
    done = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True, timeout=60)
    return done.returncode, done.stdout + done.stderr


def plant(root, table, files):
    os.makedirs(os.path.join(root, "docs"))
    with open(os.path.join(root, "docs", "ARCHITECTURE.md"), "w", encoding="utf-8") as f:
        f.write("# Layers\n\n```layers\n" + table + "```\n")
    for path, text in files.items():
        os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
        with open(os.path.join(root, path), "w", encoding="utf-8") as f:
            f.write(text)


TABLE = """\
core:
print: core
print/module: print core look
look:
forms/shared: core look
forms/main: forms/shared core
forms/drill: forms/shared core
tests: *
"""


def include(path):
    return f'#pragma once\n#include <vector>\n#include "{path}"\n'


# name, table, files, exit status, texts the output must hold, texts it must not
CASES = [
    ("includes down the layers pass",
     TABLE, {"core/a.h": "#pragma once\n", "forms/main/w.cpp": include("core/a.h"),
             "forms/main/v.cpp": include("forms/shared/s.h"), "forms/shared/s.h": include("look/l.h"),
             "look/l.h": "", "core/b.cpp": include("a.h")},
     0, [], ["may not"]),
    ("a core including a window fails at its line",
     TABLE, {"core/a.cpp": "// one\n" + include("forms/main/w.h"), "forms/main/w.h": ""},
     1, ['core/a.cpp:4: #include "forms/main/w.h"', "core may not include forms/main",
         "docs/ARCHITECTURE.md:4"], []),
    ("one window folder including another fails",
     TABLE, {"forms/drill/d.cpp": include("forms/main/w.h"), "forms/main/w.h": ""},
     1, ["forms/drill may not include forms/main"], []),
    ("the longest folder of the table decides",
     TABLE, {"print/module/m.cpp": include("look/l.h"), "print/p.cpp": include("look/l.h"), "look/l.h": ""},
     1, ["print/p.cpp:3", "print may not include look"], ["print/module/m.cpp"]),
    ("a folder that is free includes anything",
     TABLE, {"tests/forms/t.cpp": include("forms/main/w.h") + include("print/module/m.h")},
     0, [], ["may not"]),
    ("an exception with its reason lets one include through",
     TABLE + "forms/drill -> forms/main: the keyboard still stands where the main window says\n",
     {"forms/drill/d.cpp": include("forms/main/w.h"), "forms/main/w.h": ""},
     0, [], ["may not"]),
    ("an exception no include needs is pointed out, and passes",
     TABLE + "forms/drill -> forms/main: not needed\n", {"forms/drill/d.cpp": include("core/a.h")},
     0, ["note: docs/ARCHITECTURE.md:", "the exception can go"], []),
    ("a folder missing from the table fails",
     TABLE, {"engine/e.cpp": include("core/a.h")},
     1, ["engine/e.cpp: the folder engine is not in the layer table"], []),
    ("an include from a folder missing from the table fails",
     TABLE, {"core/a.cpp": include("engine/e.h")},
     1, ['core/a.cpp:3: #include "engine/e.h": includes from engine, which the layer table does not list'], []),
    ("a build folder is not read",
     TABLE, {"build-x/CMakeCache.txt": "", "build-x/core/moc.cpp": include("forms/main/w.h")},
     0, [], ["build-x"]),
]

BROKEN_TABLES = [
    ("a folder allowed that has no line", "core: engine\n", "engine, which has no line of its own"),
    ("an exception without a reason", "core:\nlook:\ncore -> look:\n", "an exception needs"),
    ("a line without a colon", "core look\n", "expected 'folder: folders'"),
    ("a folder listed twice", "core:\ncore: look\nlook:\n", "core is listed twice"),
]


class CheckLayersTest(unittest.TestCase):
    def test_the_planted_tree_fails_at_its_wrong_way_include(self):
        status, output = run_check(FIXTURE)
        self.assertEqual(status, 1, output)
        self.assertIn('base/low.h:3: #include "top/high.h": base may not include top', output)
        self.assertIn('rule docs/ARCHITECTURE.md:4: "base:"', output)
        self.assertNotIn("top/high.h:3", output)

    def test_cases(self):
        for name, table, files, status, present, absent in CASES:
            with self.subTest(name), tempfile.TemporaryDirectory() as root:
                plant(root, table, files)
                got, output = run_check(root)
                self.assertEqual(got, status, output)
                for text in present:
                    self.assertIn(text, output)
                for text in absent:
                    self.assertNotIn(text, output)

    def test_a_broken_table_is_explained(self):
        for name, table, message in BROKEN_TABLES:
            with self.subTest(name), tempfile.TemporaryDirectory() as root:
                plant(root, table, {})
                status, output = run_check(root)
                self.assertEqual(status, 2, output)
                self.assertIn(message, output)

    def test_a_tree_without_a_table_is_explained(self):
        with tempfile.TemporaryDirectory() as root:
            status, output = run_check(root)
            self.assertEqual(status, 2, output)
            self.assertIn("cannot read the layer table", output)


if __name__ == "__main__":
    unittest.main()
