#!/usr/bin/python3
# The program as a screen reader meets it: started under Xvfb with its own session bus and the
# AT-SPI registry, read through pyatspi. The circle view is a slider with a value; every key that
# turns the point raises events from it and leaves its spoken text in plain words; the radio
# buttons' and check boxes' accessible actions reach the figure and the preferences; and nothing a
# speech synthesiser reads carries the symbols it reads badly.
# Usage: accessibility.py PROGRAM
import math
import os
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from stack import Stack, find_application, pump, walk, check, failures, run_checks  # noqa: E402

# The symbols that speech reads as "pi six" or "slash": division slash, minus sign, radical, pi.
UNSPEAKABLE = ["\u2215", "\u2212", "\u221a", "\u03c0"]

def properties_survive_every_client(stack, app, view):
    """What clients other than Orca send: GetAll, Get without its arguments, gdbus introspect."""
    from gi.repository import Gio, GLib

    address = subprocess.run(
        ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"], env=stack.env, stdout=subprocess.PIPE, timeout=10,
        check=True).stdout.decode().strip()
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

    def call(name, path, interface, method, args, reply_type=None):
        try:
            return bus.call_sync(name, path, interface, method, args,
                                 GLib.VariantType(reply_type) if reply_type else None,
                                 Gio.DBusCallFlags.NONE, 5000, None).unpack()
        except GLib.Error as error:
            return error

    # The program's name on the accessibility bus: the connection of its process.
    names = call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                 "ListNames", None)[0]
    name = None
    for candidate in names:
        if candidate.startswith(":"):
            pid = call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                       "GetConnectionUnixProcessID", GLib.Variant("(s)", (candidate,)))
            if not isinstance(pid, GLib.Error) and pid[0] == stack.program.pid:
                name = candidate
    if not check(name is not None, "the program has a name on the accessibility bus"):
        return

    root = "/org/a11y/atspi/accessible/root"
    properties = "org.freedesktop.DBus.Properties"
    answer = call(name, root, properties, "GetAll", GLib.Variant("(s)", ("org.a11y.atspi.Accessible",)))
    check(not isinstance(answer, GLib.Error) and answer[0].get("Name") == "unitcircle"
          and answer[0].get("ChildCount", 0) >= 1,
          "GetAll of the root's Accessible interface answers with its properties: %r" % (answer,))
    check(stack.program.poll() is None, "the program is still running after GetAll on the root")

    # The view's own object, found through the tree the bridge exposes.
    frame = call(name, root, "org.a11y.atspi.Accessible", "GetChildAtIndex",
                 GLib.Variant("(i)", (0,)))
    path = frame[0][1] if not isinstance(frame, GLib.Error) else None
    found = None
    queue = [path] if path else []
    while queue and found is None:
        current = queue.pop(0)
        got = call(name, current, properties, "GetAll", GLib.Variant("(s)", ("org.a11y.atspi.Accessible",)))
        if isinstance(got, GLib.Error):
            continue
        if got[0].get("Name", "").startswith("Unit circle"):
            found = current
            break
        children = call(name, current, "org.a11y.atspi.Accessible", "GetChildren", None)
        if not isinstance(children, GLib.Error):
            queue.extend(p for _, p in children[0])
    if check(found is not None, "GetAll walks the whole tree to the circle view"):
        values = call(name, found, properties, "GetAll", GLib.Variant("(s)", ("org.a11y.atspi.Value",)))
        check(not isinstance(values, GLib.Error)
              and abs(values[0].get("CurrentValue", -1) - view.queryValue().currentValue) < 1e-9
              and "MaximumValue" in values[0],
              "GetAll of the view's Value interface gives its value: %r" % (values,))
    none = call(name, root, properties, "GetAll", GLib.Variant("(s)", ("org.example.Nothing",)))
    check(not isinstance(none, GLib.Error) and none[0] == {},
          "GetAll of an interface without properties is empty: %r" % (none,))
    short = call(name, root, properties, "Get", GLib.Variant("(s)", ("org.a11y.atspi.Accessible",)))
    check(isinstance(short, GLib.Error) and "InvalidArgs" in short.message,
          "Get without a property name is refused: %s" % short)
    unknown = call(name, root, properties, "Get",
                   GLib.Variant("(ss)", ("org.a11y.atspi.Accessible", "NoSuchThing")))
    check(isinstance(unknown, GLib.Error) and "UnknownProperty" in unknown.message,
          "Get of an unknown property is refused: %s" % unknown)
    introspect = subprocess.run(["gdbus", "introspect", "--address", address, "--dest", name,
                                 "--object-path", root], env=stack.env, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, timeout=20)
    check(introspect.returncode == 0 and b"ToolkitName" in introspect.stdout,
          "gdbus introspect reads the root with its properties")
    check(stack.program.poll() is None, "the program is still running after every client")
    check(view.name.startswith("Unit circle") and view.queryValue().maximumValue > 0,
          "the view is still read afterwards")


def main(program):
    signal.alarm(220)  # the whole test, however the stack misbehaves
    with Stack() as stack:
        # Freed memory filled with a pattern: a read past what a message holds shows at once.
        stack.run_program([program], {"MALLOC_PERTURB_": "165"})
        import pyatspi  # after the buses exist: it connects on import

        app = find_application(stack)
        if not check(app is not None, "the program registers with the accessibility bus"):
            return

        def find(role, name_prefix):
            for node in walk(app):
                if node.getRole() == role and node.name.startswith(name_prefix):
                    return node
            return None

        view = find(pyatspi.ROLE_SLIDER, "Unit circle")
        if not check(view is not None, "the circle view is a slider named \"Unit circle\u2026\""):
            for node in walk(app):
                print("      ", node.getRoleName(), repr(node.name))
            return
        value = view.queryValue()
        check(value.currentValue == 0.0, "its value is the angle, 0 at start")
        check(abs(value.minimumValue + 2 * math.pi) < 1e-9 and abs(value.maximumValue - 2 * math.pi) < 1e-9,
              "its range is -2\u03c0 to 2\u03c0")
        check(abs(value.minimumIncrement - math.radians(5)) < 1e-9, "its step is 5 degrees")

        events = []

        def record(event):
            if event.source == view:
                events.append(event.type)

        pyatspi.Registry.registerEventListener(
            record, "object:property-change:accessible-value",
            "object:property-change:accessible-description",
            "object:property-change:accessible-name")

        stack.focus_program_window()
        pump(1.0)
        check(view.getState().contains(pyatspi.STATE_FOCUSED), "keyboard focus reaches the view")

        def spoken():
            return view.description

        def press(key):
            del events[:]
            stack.xdotool("key", key)
            pump(0.6)
            return list(events)

        # A panel shown or hidden by its key changes away from the focus: the focused view says it
        # in words, not only the keys pressed.
        said = []
        pyatspi.Registry.registerEventListener(
            lambda event: said.append(str(event.any_data)) if event.source == view else None,
            "object:property-change:accessible-description")
        for state in ("shown", "hidden"):
            del said[:]
            press("ctrl+shift+v")
            check("Values %s" % state in said, "Ctrl+Shift+V says \"Values %s\": %r" % (state, said))

        for key in ["Home", "Prior", "Prior", "Prior"]:
            raised = press(key)
            check(len(raised) >= 1, "%s raises an event from the view (%s)" % (key, ", ".join(raised)))
        text = spoken()
        print("      at pi/3 the view says: %r" % text)
        for words in ["pi over 3", "1 over 2", "root 3 over 2"]:
            check(words in text, "at pi/3 the spoken text contains %r" % words)
        check(abs(value.currentValue - math.pi / 3) < 1e-6, "the value is pi/3 in radians")

        press("Right")
        text = spoken()
        print("      one step on the view says: %r" % text)
        check("1.13 radians" in text, "one Right later it contains '1.13 radians'")
        check("0.423" in text and "0.906" in text, "in English its numbers have a decimal point")

        degrees = find(pyatspi.ROLE_RADIO_BUTTON, "Degrees")
        action = degrees.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        del events[:]
        check("Toggle" in names, "the Degrees button offers Toggle (%s)" % ", ".join(names))
        action.doAction(names.index("Toggle"))
        pump(1.0)
        text = spoken()
        print("      after Degrees is toggled the view says: %r" % text)
        check("65 degrees" in text, "after the Degrees button's Toggle action it contains '65 degrees'")
        check(len(events) >= 1, "the change of unit raises an event from the view")
        check(abs(value.currentValue - 65.0) < 1e-3, "in degrees the value is 65 at 65\u00b0 (%r)"
              % value.currentValue)
        check(value.maximumValue == 360.0 and value.minimumValue == -360.0
              and value.minimumIncrement == 5.0,
              "in degrees the range is -360 to 360 in steps of 5 (%r, %r, %r)"
              % (value.minimumValue, value.maximumValue, value.minimumIncrement))
        value.currentValue = 135.0
        pump(0.5)
        check("3 pi over 4" not in spoken() and "135 degrees" in spoken(),
              "a value set in degrees is read in degrees: %r" % spoken())
        value.currentValue = 65.0
        pump(0.5)

        cosine_sine = find(pyatspi.ROLE_CHECK_BOX, "Cosine and sine")
        action = cosine_sine.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Toggle"))
        pump(1.0)

        # The choices made through the actions reach the preferences as clicks would.
        conf = os.path.join(stack.config_home, "unitcircle", "unitcircle.conf")
        stored = ""
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if os.path.exists(conf):
                with open(conf, encoding="utf-8") as f:
                    stored = f.read()
                if "prefs_angleUnit=1" in stored and "prefs_sinCos=1" in stored:
                    break
            pump(0.2)
        check("prefs_angleUnit=1" in stored, "the Toggle action on Degrees is stored")
        check("prefs_sinCos=1" in stored, "the Toggle action on Cosine and sine is stored")

        # A drag along the circle: a quarter turn from the positive x axis, in steps.
        extents = view.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        cx, cy = extents.x + extents.width / 2.0, extents.y + extents.height / 2.0
        r = min(extents.width, extents.height) / 3.0
        press("Home")
        stack.xdotool("mousemove", str(int(cx + r)), str(int(cy)))
        stack.xdotool("mousedown", "1")
        pump(0.3)
        steps_heard = 0
        for degrees_on_circle in (20, 40, 60, 90):
            del events[:]
            a = math.radians(degrees_on_circle)
            stack.xdotool("mousemove", str(int(cx + r * math.cos(a))), str(int(cy - r * math.sin(a))))
            pump(0.4)
            steps_heard += 1 if events else 0
        stack.xdotool("mouseup", "1")
        pump(0.4)
        check(steps_heard == 4, "every drag step raises an event from the view (%d of 4)" % steps_heard)
        check("90 degrees" in spoken(), "the drag to the top ends at 90 degrees: %r" % spoken())

        # The graph: shown by its box's Toggle action, reached with Tab from the circle, turned
        # by the circle's keys, and heard like the circle.
        def toggle(role, name):
            node = find(role, name)
            action = node.queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            action.doAction(names.index("Toggle"))
            pump(0.8)

        toggle(pyatspi.ROLE_RADIO_BUTTON, "Radians")
        toggle(pyatspi.ROLE_CHECK_BOX, "Graph")
        graph = find(pyatspi.ROLE_SLIDER, "Graph")
        if check(graph is not None, "with the graph shown, it is a slider named \"Graph\u2026\""):
            check(view.getState().contains(pyatspi.STATE_FOCUSED), "the circle still has the focus")
            graph_events = []
            pyatspi.Registry.registerEventListener(
                lambda event: graph_events.append(event.type) if event.source == graph else None,
                "object:property-change:accessible-value",
                "object:property-change:accessible-description")
            press("Tab")
            check(graph.getState().contains(pyatspi.STATE_FOCUSED), "Tab takes the focus to the graph")
            press("Home")
            del graph_events[:]
            press("Prior")
            check(len(graph_events) >= 1, "Page Up on the graph raises an event from it")
            check(abs(graph.queryValue().currentValue - math.pi / 6) < 1e-6,
                  "Home then Page Up on the graph gives pi/6")
            check("pi over 6" in graph.description, "the graph says %r" % graph.description)
            check(graph.description == spoken(), "the graph and the circle say the same")

            # With the tangent drawn the graph says its value too, in the legend's order.
            toggle(pyatspi.ROLE_CHECK_BOX, "tan")
            graph.queryValue().currentValue = math.pi / 3
            pump(0.5)
            print("      with the tangent drawn the graph says: %r" % graph.description)
            check(graph.description.endswith("sine root 3 over 2, tangent root 3"),
                  "at pi/3 the graph ends with 'tangent root 3'")
            graph.queryValue().currentValue = math.pi / 2
            pump(0.5)
            check("tangent undefined" in graph.description,
                  "at pi/2 the graph says 'tangent undefined': %r" % graph.description)

        # The angle field: an entry named "Angle", set with Return; what is no angle changes
        # nothing and leaves a description that says what the field reads.
        field = next((node for node in walk(app) if node.name == "Angle"
                      and node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)), None)
        if check(field is not None, "the angle field is an entry named \"Angle\""):
            def enter(typed):
                field.queryEditableText().setTextContents(typed)
                field.queryComponent().grabFocus()
                pump(0.3)
                press("Return")
                return spoken()

            for typed, heard in (("5pi/6", "theta 5 pi over 6,"), ("150deg", "theta 5 pi over 6,"),
                                 ("\u2212\u03c0\u22152", "theta minus pi over 2,"),
                                 ("135\u00b0", "theta 3 pi over 4,"), ("7pi/2", "theta 3 pi over 2,"),
                                 ("1.2", "theta 1.20 radians,"), ("2,5", "theta 2.50 radians,"),
                                 # Kept as typed, not snapped to pi/6 nearby; whole turns come off
                                 # the typed multiple exactly.
                                 ("0.5", "theta 0.50 radians,"), ("1000000pi", "theta 0,")):
                text = enter(typed)
                check(text.startswith(heard), "typing %r gives %r: %r" % (typed, heard, text))
            before = spoken()
            for typed in ("abc", "", "pi/0", "3pi/", "1e999"):
                text = enter(typed)
                check(text == before and field.description.startswith("Not an angle"),
                      "typing %r changes nothing and says why: %r" % (typed, field.description))
            press("Escape")
            toggle(pyatspi.ROLE_RADIO_BUTTON, "Degrees")
            for typed, heard, sine in (("90", "theta 90 degrees,", ""),
                                       ("-450", "theta minus 90 degrees,", ""),
                                       ("pi/4", "theta 45 degrees,", "sine root 2 over 2"),
                                       ("26", "theta 26 degrees,", "sine 0.438"),
                                       ("150", "theta 150 degrees,", "sine 1 over 2")):
                text = enter(typed)
                check(text.startswith(heard) and text.endswith(sine),
                      "in degrees %r gives %r and %r: %r" % (typed, heard, sine, text))
            toggle(pyatspi.ROLE_RADIO_BUTTON, "Radians")

        # The values beside the figure, each line named in words.
        toggle(pyatspi.ROLE_CHECK_BOX, "Values")
        for angle, lines in ((math.pi / 3, ["tangent root 3", "cotangent root 3 over 3", "secant 2",
                                            "cosecant 2 root 3 over 3", "quadrant 1",
                                            "reference angle pi over 3"]),
                             (math.pi / 2, ["tangent undefined", "secant undefined", "cotangent 0",
                                            "cosecant 1"]),
                             (2 * math.pi / 3, ["quadrant 2", "tangent minus root 3", "secant minus 2"])):
            value.currentValue = angle
            pump(0.5)
            names = {node.name for node in walk(app) if node.getRole() == pyatspi.ROLE_LABEL}
            missing = [line for line in lines if line not in names]
            check(not missing, "at %.4f the values panel says %s (missing %r)"
                  % (angle, ", ".join(lines), missing))

        # Tab from the circle goes to the graph and then to the values, one line at a time, each
        # read in words (the point is at 2 pi over 3).
        view.queryComponent().grabFocus()
        pump(0.5)
        check(view.getState().contains(pyatspi.STATE_FOCUSED), "the circle takes the focus back")
        press("Tab")
        check(graph is not None and graph.getState().contains(pyatspi.STATE_FOCUSED),
              "Tab from the circle goes to the graph")
        reached = []
        for _ in range(3):
            press("Tab")
            focused = next((n for n in walk(app) if n.getState().contains(pyatspi.STATE_FOCUSED)),
                           None)
            reached.append(focused.name if focused is not None else None)
        check(reached == ["sine root 3 over 2", "cosine minus 1 over 2", "tangent minus root 3"],
              "Tab from the graph reads the values line by line: %r" % (reached,))

        # On the axes the circle and the graph say what the values panel shows: 0 and 1.
        view.queryComponent().grabFocus()
        value.currentValue = math.pi / 2
        pump(0.5)
        for node, what in ((view, "circle"), (graph, "graph")):
            text = node.description if node is not None else ""
            check("cosine 0," in text and "sine 1" in text and "0.000" not in text
                  and "1.000" not in text,
                  "at pi/2 the %s says 'cosine 0' and 'sine 1': %r" % (what, text))
        # The value in words, which a screen reader says in place of the number.
        attributes = view.getAttributes()
        check("valuetext:pi over 2" in attributes,
              "at pi/2 the circle's value text is 'pi over 2': %r" % (attributes,))

        # Listen to One Turn, pressed as one chord: it runs its four seconds, and a screen reader
        # hears where it starts, the axes it passes and where it ends, not every step.
        value.currentValue = math.pi / 6
        pump(0.5)
        turn = []

        def heard_in_turn(event):
            turn.append((time.monotonic(), event.type, str(event.any_data)))

        kinds = ("object:property-change:accessible-value",
                 "object:property-change:accessible-description",
                 "object:property-change:accessible-name")
        pyatspi.Registry.registerEventListener(heard_in_turn, *kinds)
        pressed = time.monotonic()
        stack.xdotool("key", "ctrl+l")
        pump(6.0)
        pyatspi.Registry.deregisterEventListener(heard_in_turn, *kinds)
        said = [data for _, kind, data in turn if kind.endswith("description")]
        print("      during the turn: %r" % said)
        check(3 <= len(turn) <= 8 and len(said) == len(turn),
              "a turn raises a few events, descriptions only (%d)" % len(turn))
        check(said[:1] == ["one turn from pi over 6"] and said[-1:] == ["back at pi over 6"],
              "the turn says where it starts and where it is back at")
        ended = turn[-1][0] - pressed if turn else 0.0
        check(3.5 < ended < 5.0, "the chord did not stop the turn: it ended after %.1f s" % ended)
        check(abs(value.currentValue - math.pi / 6) < 1e-6, "the point is back at pi/6")

        # Nothing that speech reads carries the symbols it reads badly.
        for node in walk(app):
            for what, text in (("name", node.name), ("description", node.description)):
                bad = [c for c in UNSPEAKABLE if c in text]
                if bad:
                    check(False, "%s %r has a %s with %s: %r"
                          % (node.getRoleName(), node.name, what, " ".join(bad), text))
        check(True, "no name or description in the window holds \u2215, \u2212, \u221a or \u03c0")

        properties_survive_every_client(stack, app, view)

        check(stack.program.poll() is None, "the program is still running")
        log = stack.program_log()
        check("ValueChanged event and no ValueInterface" not in log, "Qt found the view's value interface")

        # In languages whose speech reads a point between digits as a thousands separator, the
        # spoken numbers take the language's own separator.
        for language, expected in (("es", "0,423"), ("de", "0,906")):
            stack.stop_program()
            stack.run_program([program], {"LANGUAGE": language, "LANG": language + ".UTF-8",
                                          "LC_ALL": "", "LC_MESSAGES": "", "MALLOC_PERTURB_": "165"})
            app = find_application(stack)
            if not check(app is not None, "the program in %s registers" % language):
                continue
            slider = next((node for node in walk(app) if node.getRole() == pyatspi.ROLE_SLIDER), None)
            if not check(slider is not None, "the program in %s has its slider" % language):
                continue
            slider.queryValue().currentValue = math.radians(65)
            pump(0.8)
            text = slider.description
            print("      in %s at 65 degrees the view says: %r" % (language, text))
            check(expected in text and "0.423" not in text and "0.906" not in text,
                  "in %s the spoken text has %r and no decimal point" % (language, expected))


if __name__ == "__main__":
    run_checks(main)
