#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads Quadrelle's window through AT-SPI as a screen reader does: the well, the next-piece box and the
score have names, the score is a value; after a scripted row erase the score's value has changed and value
and description events have arrived. Runs inside a private D-Bus session with a display (see
atspi_session.sh). Usage: atspi_tree.py <a11yprobe>"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

probe_path = sys.argv[1]
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
env.pop("LANGUAGE", None)
env.pop("LC_ALL", None)
probe = subprocess.Popen([probe_path], stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=env, text=True)
failures = []


def fail(text):
    failures.append(text)
    print("FAIL:", text)


def spin(seconds, until):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        if until():
            return True
        time.sleep(0.02)
    return until()


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Quadrelle":
            return app
    return None


def walk(node, found, depth=0):
    if node is None or depth > 30:
        return
    name = node.name
    if name:
        found.setdefault(name, []).append(node)
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), found, depth + 1)


events = []
try:
    if probe.stdout.readline().strip() != "ready":
        fail("the probe did not start")
        raise SystemExit(1)
    app = None
    if not spin(20, lambda: find_app() is not None):
        fail("Quadrelle does not appear on the AT-SPI desktop")
        raise SystemExit(1)
    app = find_app()
    found = {}
    walk(app, found)
    for name in ("Well", "Next piece", "Score", "Level", "Lines", "Status"):
        if name not in found:
            fail("no accessible object named %r (names: %s)" % (name, sorted(found)))
    if "Well" in found and not found["Well"][0].description:
        fail("the well has no description")

    def value_of(node):
        try:
            return node.queryValue()
        except NotImplementedError:
            return None

    # The heading "Score" is a plain label; the number under it is the value.
    scores = [node for node in found.get("Score", []) if value_of(node) is not None]
    score = scores[0] if scores else None
    before = None
    if score is None:
        fail("no score that is an accessible value")
    else:
        before = value_of(score).currentValue

    def listener(event):
        source = event.source
        events.append((event.type, source.name if source else "", source.description if source else ""))

    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-value",
                                           "object:property-change:accessible-description")
    spin(0.5, lambda: False)
    probe.stdin.write("erase\n")
    probe.stdin.flush()
    answer = probe.stdout.readline().strip()
    if answer != "erased 100":
        fail("the scripted row erase answered %r" % answer)
    got_value = lambda: any(t.endswith("accessible-value") and n == "Score" for t, n, _ in events)
    got_erased = lambda: any(t.endswith("accessible-description") and n == "Well" and d == "Rows erased: 1"
                             for t, n, d in events)
    if not spin(10, lambda: got_value() and got_erased()):
        fail("events missing after the row erase: %r" % events)
    if score is not None and before is not None:
        after = score.queryValue().currentValue
        if not (before == 0 and after == 100):
            fail("the score's value went from %r to %r, not from 0 to 100" % (before, after))
        print("score value %r -> %r; events: %r" % (before, after, events))
finally:
    try:
        probe.stdin.write("quit\n")
        probe.stdin.flush()
    except (BrokenPipeError, ValueError):
        pass
    try:
        probe.wait(timeout=10)
    except subprocess.TimeoutExpired:
        probe.kill()
        probe.wait()

sys.exit(1 if failures else 0)
