# The counter as a keyboard and a screen reader meet it, read over the accessibility bus as a
# screen reader gets it (the focus events, and the roles, names and descriptions of what they
# name): it has the keyboard at the start and back after each of its dialogs, the focus told last
# on the countdown, which says the whole of it once; F10 takes the keyboard to its menu, whose
# entries say where they are and what they do; each figure is its number with its unit; the
# keyboard comes back after the About window however often it is opened and closed; a screen
# reader started over a message box finds its button; on the day of the trip the window tells it,
# as an alert.
# Run by accessibility.sh, which starts the counter under a window manager and the accessibility
# bus, in the language it is given.
#
# usage: accessibility.py MODE PID   (MODE: en or he, everything; message, over the message box
#                                     of a file that holds no date; de-tripday, the figures, the
#                                     alert, and the ticks, on the day of the trip, listening before the
#                                     counter starts, which "listening" on standard output says.
#                                     PID: a file the counter's process id is written to)

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WORDS = {
    "en": {"units": ["1477 days", "14 hours", "0 minutes", "60 seconds"],
           "sentence": "1477 days, 14 hours, 0 minutes and 60 seconds until the trip on Tuesday, December 24, 2030.",
           "menu": ["Menu bar, 1 of 3: ends the counter", "Menu bar, 2 of 3: asks for the trip date", "Menu bar, 3 of 3: shows who made the counter"]},
    "he": {"units": ["1477 ימים", "14 שעות", "0 דקות", "60 שניות"],
           "sentence": "עוד 1477 ימים, 14 שעות, 0 דקות ו-60 שניות עד הנסיעה ביום שלישי, 24 בדצמבר 2030.",
           "menu": ["סרגל התפריטים, 1 מתוך 3: סוגר את המונה", "סרגל התפריטים, 2 מתוך 3: מבקש את תאריך הנסיעה", "סרגל התפריטים, 3 מתוך 3: מציג מי יצר את המונה"]},
    "de-tripday": {"units": ["minus 1 Tag", "15 Stunden"], "alert": "Ihre Reise beginnt heute. Dienstag, 24. Dezember 2030"},
}
events = []  # (process, kind, role, name) of what was told, in order: a "focus" or an "alert"


def fail(message):
    sys.exit(f"FAIL: {message}")


def pump():
    # Takes in the events that have come.
    while GLib.MainContext.default().iteration(False):
        pass


def wait_for(what, check):
    # What `check` returns once it is true (an event's place, from 0, too), taking in the events
    # meanwhile; fails after two minutes, a bound for a machine that other jobs load ten times
    # over, not a time anything should take.
    until = time.monotonic() + 120
    while time.monotonic() < until:
        pump()
        try:
            found = check()
        except Exception:  # the accessible tree changes as windows come and go
            found = None
        if found is not None and found is not False and found != [] and found != "":
            return found
        time.sleep(0.1)
    fail(what + " (in two minutes)")


def pid():
    # The counter's process, once it is known.
    with open(sys.argv[2]) as written:
        return int(written.read() or 0)


def told(event):
    try:
        source, announced = event.source, event.type == "object:announcement"
        if event.type.startswith("object:state-changed:focused") and event.detail1:
            events.append((source.get_process_id(), "focus", source.getRoleName(), source.name))
        elif event.type.startswith("object:property-change:accessible-name"):
            events.append((source.get_process_id(), "name", source.getRoleName(), source.name))
        elif announced or (event.detail1 and source.getRoleName() == "notification"):
            # The window's announcement (Qt 6.8 on), or an alert and its description.
            events.append((source.get_process_id(), "alert", None,
                           event.any_data if announced else source.name + " " + source.description))
    except Exception:  # gone already
        pass


def told_after(mark, kind, role=None, name=None):
    # Where the counter first told something of that kind (role and name) after events[mark].
    return next((i for i, e in enumerate(events) if i >= mark and e[:2] == (pid(), kind)
                 and role in (None, e[2]) and name in (None, e[3])), None)


def counter():
    # This run's counter: the bus may still list the one before it for a moment.
    return next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid())


def window(role):
    # The counter's window of that role ("frame", "dialog", "alert"), shown.
    return next((w for w in counter() if w.getRoleName() == role and w.getState().contains(pyatspi.STATE_SHOWING)), None)


def active(node):
    return node is not None and node.getState().contains(pyatspi.STATE_ACTIVE)


def focused(node, outermost=False):
    # The innermost descendant of `node` that has the keyboard's focus, a menu bar's entry before
    # the menu bar; or the outermost, as a screen reader started now looks for it.
    if outermost and node.getState().contains(pyatspi.STATE_FOCUSED):
        return node
    for child in node:
        found = focused(child, outermost)
        if found is not None:
            return found
    return node if node.getState().contains(pyatspi.STATE_FOCUSED) else None


def focused_as(role, place=None):
    # What has the keyboard's focus in the counter's window, if it is of that role (and place).
    node = focused(window("frame"))
    return node if node.getRoleName() == role and place in (None, node.getIndexInParent()) else None


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def back_on_the_countdown(words, mark, what):
    # After a dialog, the last focus the counter tells is the countdown's, whatever the window
    # manager gives the keyboard back first, and the window's title and the whole sentence once
    # are all a screen reader is told. F10's focus on the menu's first entry is told after
    # anything the dialog's end left to tell.
    wait_for(f"the keyboard does not come back after {what}", lambda: active(window("frame")))
    countdown = wait_for(f"the countdown does not have the keyboard after {what}", lambda: focused_as("panel"))
    if mark is not None:
        wait_for(f"the countdown is not told as focused after {what}", lambda: told_after(mark, "focus", "panel"))
    frame = window("frame")
    sent = " ".join([frame.name, frame.description, countdown.name, countdown.description])
    if sent.split() != (frame.name + " " + words["sentence"]).split():
        fail(f"after {what} a screen reader is told {sent!r}")
    key("F10")
    first = wait_for("F10 does not take the keyboard to the menu", lambda: focused_as("menu item", 0))
    if mark is not None:
        f10 = wait_for(f"F10 is not told after {what}", lambda: told_after(mark, "focus", "menu item", first.name))
        last = [e for e in events[mark:f10] if e[:2] == (pid(), "focus")][-1]
        if last[2:] != ("panel", words["sentence"]):
            fail(f"after {what} the focus is told last on {last[2:]}, not on the countdown")


def main():
    words = WORDS.get(sys.argv[1], {})  # none over the message
    for kind in ["object:state-changed:focused", "object:state-changed:showing", "object:announcement",
                 "object:property-change:accessible-name"]:
        pyatspi.Registry.registerEventListener(told, kind)
    print("listening", flush=True)
    if "alert" in words:
        said = events[wait_for(f"the day of the trip is not told: {events}", lambda: told_after(0, "alert"))][3]
        if said.split() != words["alert"].split():
            fail(f"the day of the trip is told as {said!r}, not {words['alert']!r}")
    frame = wait_for("the counter is not on the accessibility bus", lambda: window("frame"))
    if not words:
        # A screen reader started over the message finds its button, not the box it is in.
        button = wait_for("no message", lambda: focused(window("alert"), outermost=True))
        if button.getRole() != pyatspi.ROLE_PUSH_BUTTON or not button.name:
            fail(f"over the message a screen reader finds {button.getRoleName()} {button.name!r}")
        key("Return")
        return wait_for("the keyboard does not come back after the message", lambda: active(window("frame")))
    wait_for("the counter does not have the keyboard at the start", lambda: active(window("frame")))

    # The figures with their units.
    banner = wait_for("no countdown", lambda: [c for c in frame if c.getRoleName() == "panel"][0])
    wait_for("the figures are not the first tick's", lambda: banner[3].name)
    if [label.name for label in banner][:len(words["units"])] != words["units"]:
        fail(f"the figures are {[label.name for label in banner]}, not {words['units']}")
    if "alert" in words:  # the clock runs, and a tick tells a screen reader nothing
        mark, seconds = len(events), banner[3].name
        wait_for("the seconds do not change", lambda: banner[3].name != seconds)
        pump()
        if told_after(mark, "name", "label") is not None:
            fail(f"a tick tells a screen reader {events[mark:]}")
    if "sentence" not in words:
        return

    # F10 takes the keyboard to the menu's first entry (Return there would end the counter): each
    # entry is a menu item of the menu bar, and says which of the three it is and what it does.
    back_on_the_countdown(words, None, "the start")
    for place, said in enumerate(words["menu"]):
        node = wait_for(f"the menu's entry {place + 1} does not have the keyboard", lambda: focused_as("menu item", place))
        if node.parent.getRoleName() != "menu bar" or node.parent.childCount != 3 or node.description != said:
            fail(f"entry {place + 1} of {node.parent.childCount} in the {node.parent.getRoleName()} says {node.description!r}")
        key("Right" if place < 2 else "Escape")

    # The prompt three times in a row, left with Escape; its field is named without the blanks of
    # its message.
    wait_for("the menu is not left", lambda: focused_as("panel"))
    key("F10", "Right")
    for time in range(3):
        key("Return")
        field = wait_for(f"the prompt's field does not have the keyboard ({time})", lambda: focused(window("dialog")))
        if "  " in field.name or not field.name:
            fail(f"the prompt's field is named {field.name!r}")
        mark = len(events)
        key("Escape")
        back_on_the_countdown(words, mark, f"the prompt ({time})")
        key("Right")

    # The About window and the keyboard back, again and again, closed by its button too (Space on
    # Close): the window manager must not keep the keyboard from the counter once.
    key("Right")
    for time in range(4):
        key("Return")
        wait_for(f"the About window does not open ({time})", lambda: active(window("dialog")))
        mark = len(events)
        key("space" if time % 2 else "Escape")
        back_on_the_countdown(words, mark, f"the About window ({time})")
        key("Left")


main()
