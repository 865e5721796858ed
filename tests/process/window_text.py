#!/usr/bin/env python3
"""Prints the texts that a window of a process shows (the names of its labels), as a screen
reader reads them through AT-SPI: window_text.py PID TITLE. Exits 1 while there is no such
window (yet)."""
import sys

import pyatspi


def labels(node, depth=0):
    if depth > 20:
        return
    try:
        if node.getRole() == pyatspi.ROLE_LABEL and node.name:
            yield node.name
        for child in node:
            if child is not None:
                yield from labels(child, depth + 1)
    except Exception:
        return


def main():
    pid, title = int(sys.argv[1]), sys.argv[2]
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
        for window in app:
            if window is not None and window.name == title:
                for text in labels(window):
                    print(text)
                return 0
    return 1


sys.exit(main())
