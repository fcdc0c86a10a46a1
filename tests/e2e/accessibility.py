# The counter as a keyboard and a screen reader meet it, over the accessibility bus: it has the
# keyboard at the start and back after each of its dialogs, the keyboard's focus resting on the
# countdown, which says the whole of it; F10 takes the keyboard to its menu; each figure is its
# number with its unit; the About window says its credits,
# however often it is opened and closed. Run by accessibility.sh, which starts the counter under
# a window manager and the accessibility bus, in the language it is given.
#
# usage: accessibility.py LANGUAGE PID   (en, de, or de-tripday for the figures alone; the
#                                         counter's process)

import subprocess
import sys
import time

import pyatspi

WORDS = {
    "en": {"units": ["1477 days", "14 hours", "0 minutes", "60 seconds"],
           "sentence": "1477 days, 14 hours, 0 minutes and 60 seconds until the trip on Tuesday, December 24, 2030.",
           "about": "Created by the Velmor project\ne-mail: velmor-counter@example.org\nVersion 4.0"},
    "de": {"units": ["1477 Tage", "14 Stunden", "0 Minuten", "60 Sekunden"],
           "sentence": "Noch 1477 Tage, 14 Stunden, 0 Minuten und 60 Sekunden bis zur Reise am Dienstag, 24. Dezember 2030.",
           "about": "Erstellt vom Velmor-Projekt\nE-Mail: velmor-counter@example.org\nVersion 4.0"},
    "de-tripday": {"units": ["minus 1 Tag", "15 Stunden", "59 Minuten", "60 Sekunden"]},
}


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, check):
    # What `check` returns once it is true; fails after two minutes, a bound for a machine that
    # other jobs load ten times over, not a time anything should take.
    until = time.monotonic() + 120
    while time.monotonic() < until:
        try:
            found = check()
        except Exception:  # the accessible tree changes as windows come and go
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail(what + " (in two minutes)")


def counter():
    # This run's counter: the bus may still list the one before it for a moment.
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.get_process_id() == int(sys.argv[2]):
            return application
    return None


def window(role):
    # The counter's window of that role ("frame", "dialog"), shown.
    for child in counter():
        if child is not None and child.getRoleName() == role and child.getState().contains(pyatspi.STATE_SHOWING):
            return child
    return None


def active(node):
    return node is not None and node.getState().contains(pyatspi.STATE_ACTIVE)


def focused(node):
    # The innermost descendant of `node` that has the keyboard's focus: a menu bar's entry
    # before the menu bar.
    if node is None:
        return None
    for child in node:
        found = focused(child)
        if found is not None:
            return found
    return node if node.getState().contains(pyatspi.STATE_FOCUSED) else None


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def main():
    words = WORDS[sys.argv[1]]
    frame = wait_for("the counter is not on the accessibility bus", lambda: counter() and window("frame"))
    wait_for("the counter does not have the keyboard at the start", lambda: active(window("frame")))

    # The figures with their units.
    banner = wait_for("no countdown", lambda: [c for c in frame if c.getRoleName() == "panel"][0])
    wait_for("the figures are not the first tick's", lambda: banner[3].name)
    units = [label.name for label in banner]
    if units != words["units"]:
        fail(f"the figures are {units}, not {words['units']}")
    if "sentence" not in words:
        return
    countdown = lambda: (lambda node: node if node and node.getRoleName() == "panel" else None)(
        focused(window("frame")))
    wait_for("the keyboard's focus is not on the countdown at the start", countdown)
    if countdown().name != words["sentence"]:
        fail(f"the countdown says {countdown().name!r}, not {words['sentence']!r}")

    # F10 takes the keyboard to the menu's first entry; Return there would end the counter, so
    # the keyboard goes on to the About entry.
    key("F10")
    entry = wait_for("F10 does not take the keyboard to the menu",
                     lambda: (lambda node: node if node and node.getRoleName() == "menu item" else None)(
                         focused(window("frame"))))
    key("Right", "Right", "Return")
    about = wait_for("the About window does not open", lambda: window("dialog"))
    if about.description != words["about"]:
        fail(f"the About window says {about.description!r}, not {words['about']!r}")
    key("Escape")
    wait_for("the keyboard does not come back after the About window", lambda: active(window("frame")))
    # Again and again, closed by its button too (F10, Left to About, Return, Space on Close): the
    # window manager must not keep the keyboard from the counter once.
    for time in range(6):
        key("F10", "Left", "Return")
        wait_for(f"the About window does not open again ({time})", lambda: active(window("dialog")))
        key("space" if time % 2 else "Escape")
        wait_for(f"the keyboard does not come back after the About window ({time})",
                 lambda: active(window("frame")) and window("dialog") is None)
        wait_for(f"the keyboard's focus is not on the countdown after the About window ({time})", countdown)

    # The prompt, by the keyboard alone: its field is named without the blanks of its message.
    key("F10", "Right", "Return")
    prompt = wait_for("the prompt does not open", lambda: window("dialog"))
    field = wait_for("the prompt's field does not have the keyboard", lambda: focused(prompt))
    if "  " in field.name or not field.name:
        fail(f"the prompt's field is named {field.name!r}")
    key("Escape")
    wait_for("the keyboard does not come back after the prompt", lambda: active(window("frame")))
    print(f"accessibility ({sys.argv[1]}): keyboard at the start and after each dialog, F10, units, sentence, credits")


main()
