"""An accessibility client for the end-to-end tests: reads a program's accessible tree.

Usage: /usr/bin/python3 a11y_client.py PID [TIMEOUT_SECONDS]

Waits until the program with that process id is on the AT-SPI registry with a window, then
prints one JSON object a line for each accessible, depth first from the application:
depth, role (its constant's name in words), name, description, states and extents (x, y, width,
height on the screen; null when the accessible has no place). Exits 1 when the program did not
appear in time.
"""
import json
import sys
import time

import gi
import pyatspi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find_application(pid, timeout):
    deadline = time.monotonic() + timeout
    while True:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.get_process_id() == pid \
                    and application.childCount > 0:
                return application
        if time.monotonic() > deadline:
            return None
        time.sleep(0.05)


def extents(accessible):
    try:
        box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None
    return [box.x, box.y, box.width, box.height]


# Roles whose constant AT-SPI has renamed, by their newer names (a push button is a "button"
# from at-spi2-core 2.52 on, as in Debian 13).
RENAMED_ROLES = {int(pyatspi.ROLE_PUSH_BUTTON): "button"}


def role_name(accessible):
    role = int(accessible.getRole())
    return RENAMED_ROLES.get(role, Atspi.Role(role).value_nick.replace("-", " "))


def dump(accessible, depth):
    states = accessible.getState().getStates()
    print(json.dumps({
        "depth": depth,
        "role": role_name(accessible),
        "name": accessible.name,
        "description": accessible.description,
        "states": sorted(pyatspi.stateToString(state) for state in states),
        "extents": extents(accessible),
    }))
    for child in accessible:
        dump(child, depth + 1)


def main():
    pid = int(sys.argv[1])
    timeout = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
    application = find_application(pid, timeout)
    if application is None:
        print(f"no accessible application with process id {pid}", file=sys.stderr)
        return 1
    dump(application, 0)
    return 0


if __name__ == "__main__":
    sys.exit(main())
