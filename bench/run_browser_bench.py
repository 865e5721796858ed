#!/usr/bin/env python3
"""Skyglass2 against a minimal QWebEngineView program built with the same Qt, in one run:
start to the first page load, memory of all processes after it, memory after 1,440
refreshes against after 10, and the refresh timing over 100 shortened minutes.
Usage: bench/run_browser_bench.py BUILD_DIR   (run under xvfb-run; as root it disables
the engine's sandbox)."""

import os
import statistics
import subprocess
import sys
import tempfile
import time


def run(cmd, env):
    start = time.monotonic()
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env, text=True)
    values, loaded_at = {}, None
    for line in proc.stdout:
        words = line.split()
        if words == ["loaded"] and loaded_at is None:
            loaded_at = time.monotonic() - start
        elif len(words) == 2:
            values[words[0]] = int(words[1])
    proc.wait()
    values["load_s"] = loaded_at
    return values


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    bindir = os.path.join(build, "bin")
    env = dict(os.environ)
    if os.geteuid() == 0:
        env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
    page = os.path.join(tempfile.mkdtemp(), "radar.html")
    with open(page, "w") as f:
        f.write("<html><head><title>Radar</title></head><body><h1>Radar</h1>"
                "<canvas id=c width=400 height=300></canvas><script>"
                "var g=document.getElementById('c').getContext('2d');"
                "for(var i=0;i<200;i++){g.fillStyle='hsl('+i+',70%,50%)';g.fillRect(i*2,i,40,40);}"
                "</script></body></html>")
    url = "file://" + page
    minimal = os.path.join(bindir, "minimal_browser")
    sky = os.path.join(bindir, "skyglass_browser_bench")

    def fresh_env():
        e = dict(env)
        e["XDG_DATA_HOME"] = tempfile.mkdtemp()
        return e

    loads = {"minimal": [], "skyglass2": []}
    mems = {"minimal": [], "skyglass2": []}
    for _ in range(5):
        for name, exe in (("minimal", minimal), ("skyglass2", sky)):
            v = run([exe, url], fresh_env())
            loads[name].append(v["load_s"])
            mems[name].append(v["memory_kib"])
    lm, ls = statistics.median(loads["minimal"]), statistics.median(loads["skyglass2"])
    mm, ms = statistics.median(mems["minimal"]), statistics.median(mems["skyglass2"])
    print(f"start to first load: minimal {lm:.3f} s, skyglass2 {ls:.3f} s, ratio {ls / lm:.2f} (target <= 1.2)")
    print(f"memory after load: minimal {mm} KiB, skyglass2 {ms} KiB, ratio {ms / mm:.2f} (target <= 1.2)")

    v = run([sky, url, "1440", "120"], fresh_env())
    growth = v["memory_after_all_kib"] / v["memory_after_10_kib"]
    print(f"1440 refreshes: after 10 {v['memory_after_10_kib']} KiB, after 1440 "
          f"{v['memory_after_all_kib']} KiB, ratio {growth:.2f} (target <= 1.3)")

    v = run([sky, url, "100", "500"], fresh_env())
    print(f"refresh timing over 100 cycles: most early {v['refresh_most_early_ms']} ms "
          f"(target: never early, <= 0), most late {v['refresh_most_late_ms']} ms (target <= 250)")


if __name__ == "__main__":
    main()
