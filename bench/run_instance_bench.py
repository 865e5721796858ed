#!/usr/bin/env python3
"""A second start of Skyglass2 against a cold start, in one run: the time from starting
the program to its first main window's first finished load of a local page (cold start),
against the time from a second start to the new window's first finished load of a local
page in the running copy. Target: at most 0.3 times the cold start.
Each page reports its load to a server on 127.0.0.1 from its onload handler.
Usage: bench/run_instance_bench.py BUILD_DIR [ROUNDS]   (run under xvfb-run; as root it
disables the engine's sandbox)."""

import http.server
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

loads = {}
loaded = threading.Condition()


class Beacon(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with loaded:
            loads.setdefault(self.path.lstrip("/"), time.monotonic())
            loaded.notify_all()
        self.send_response(204)
        self.end_headers()

    def log_message(self, *args):
        pass


def wait_for(tag, timeout=60):
    with loaded:
        if not loaded.wait_for(lambda: tag in loads, timeout):
            raise SystemExit(f"no load of {tag} within {timeout} s")
        return loads[tag]


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    program = os.path.join(args[0] if args else "build", "bin", "skyglass2")
    rounds = int(args[1]) if len(args) > 1 else 5
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Beacon)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    pages = tempfile.mkdtemp()

    def page(tag):
        path = os.path.join(pages, tag + ".html")
        with open(path, "w") as f:
            f.write(f"<html><head><title>{tag}</title></head><body onload=\"new Image().src="
                    f"'http://127.0.0.1:{server.server_port}/{tag}'\"><h1>{tag}</h1></body></html>")
        return path

    cold, second = [], []
    for n in range(rounds):
        env = dict(os.environ, XDG_DATA_HOME=tempfile.mkdtemp(), XDG_RUNTIME_DIR=tempfile.mkdtemp(),
                   QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu")
        if os.geteuid() == 0:
            env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
        start = time.monotonic()
        first = subprocess.Popen([program, page(f"cold{n}")], env=env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        cold.append(wait_for(f"cold{n}") - start)
        time.sleep(1)  # the first copy settles, as it has by the time a user starts again
        start = time.monotonic()
        handed = subprocess.run([program, page(f"second{n}")], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        second.append(wait_for(f"second{n}") - start)
        if handed.returncode != 0:
            raise SystemExit(f"the second start ended with {handed.returncode}")
        first.send_signal(signal.SIGTERM)
        first.wait(30)
    c, s = statistics.median(cold), statistics.median(second)
    print(f"cold start to first load: median {c:.3f} s ({', '.join(f'{t:.3f}' for t in cold)})")
    print(f"second start to its window's first load: median {s:.3f} s "
          f"({', '.join(f'{t:.3f}' for t in second)})")
    print(f"ratio {s / c:.2f} (target <= 0.3)")
    server.shutdown()


main()
