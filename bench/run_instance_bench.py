#!/usr/bin/env python3
"""A second start of Skyglass2 against a cold start, in one run: the time from starting
the program to its first main window's first finished load of a local page (cold start),
against the time from a second start to the new window's first finished load of a local
page in the running copy. Target: at most 0.3 times the cold start.
The pages come from a server on 127.0.0.1, to which each reports its load from its onload
handler (a file page may not reach a server).
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


class Server(http.server.BaseHTTPRequestHandler):
    # /page/TAG is a page that reports /loaded/TAG when it has loaded.
    def do_GET(self):
        kind, _, tag = self.path.strip("/").partition("/")
        if kind == "page":
            body = (f"<html><head><title>{tag}</title></head><body onload=\"new Image().src="
                    f"'/loaded/{tag}'\"><h1>{tag}</h1></body></html>").encode()
            self.send_response(200)
            self.send_header("Content-Type", "text/html")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        if kind == "loaded":
            with loaded:
                loads.setdefault(tag, time.monotonic())
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
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Server)
    threading.Thread(target=server.serve_forever, daemon=True).start()

    def page(tag):
        return f"http://127.0.0.1:{server.server_port}/page/{tag}"

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
