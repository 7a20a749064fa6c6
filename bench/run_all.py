#!/usr/bin/env python3
"""Runs every benchmark and rewrites the figures section of docs/performance.md.

Start-up time, peak memory and the idle cost of the unmodified executables
(build/orvane-tool and the floor, build/bench/minimal-quick) are taken from
outside: `launch` notes the time just before exec and the preloaded swap shim
reports at the first swap. Runs of the two programs are interleaved and
medians compared, since the machine's load moves absolute times. The window
states and the component costs come from the in-process overlay-bench and
component-bench. Needs a display: bench/run.sh provides one.
"""

import argparse
import datetime
import os
import platform
import re
import statistics
import subprocess
import sys

# Idle is counted from this long after the first frame: time for the frames
# that finish start-up (a second one, for the page indicator and the like),
# short enough that anything still churning after start shows as idle cost.
SETTLE_MS = 500

# The steps of the start-up ladder (bench/ladder/), in order.
LADDER = {
    "rectangle": "The floor's `Window` drawing one `Rectangle`",
    "window": "Empty `ApplicationWindow` with the main window's imports",
    "label": "The same with one `Label` in the theme's font",
    "page": "The same with the selection page instead (six check boxes, label, button, message box)",
}

BEGIN = "<!-- figures:begin (written by bench/run.sh; edits here are lost) -->"
END = "<!-- figures:end -->"


def parse_report(text):
    for line in text.splitlines():
        if line.startswith("first_frame_ms="):
            return {k: float(v) for k, v in (pair.split("=") for pair in line.split())}
    return None


def launch(build, program, hold_ms, out_path):
    if os.path.exists(out_path):
        os.remove(out_path)
    env = dict(os.environ,
               LD_PRELOAD=os.path.join(build, "bench", "libswap-shim.so"),
               ORVANE_BENCH_HOLD_MS=str(hold_ms),
               ORVANE_BENCH_SETTLE_MS=str(SETTLE_MS),
               ORVANE_BENCH_OUT=out_path)
    subprocess.run([os.path.join(build, "bench", "launch")] + program, env=env, timeout=120,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    with open(out_path) as report:
        figures = parse_report(report.read())
    if figures is None:
        sys.exit(f"no report from {program}")
    return figures


def interleaved(build, programs, runs, hold_ms):
    """One list of reports per program, the programs taking turns."""
    out_path = os.path.join(build, "bench", "swap-report.txt")
    reports = {name: [] for name in programs}
    for _ in range(runs):
        for name, program in programs.items():
            reports[name].append(launch(build, program, hold_ms, out_path))
    return reports


def median(reports, key):
    return statistics.median(report[key] for report in reports)


def machine():
    model = "?"
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    qt = subprocess.run(["qmake", "-query", "QT_VERSION"], capture_output=True, text=True).stdout.strip() or "?"
    distro = "?"
    if os.path.exists("/etc/os-release"):
        with open("/etc/os-release") as release:
            for line in release:
                if line.startswith("PRETTY_NAME="):
                    distro = line.split("=", 1)[1].strip().strip('"')
    return f"{model}, {os.cpu_count()} cores; {distro}; Qt {qt}; kernel {platform.release()}"


def load():
    with open("/proc/loadavg") as avg:
        return " ".join(avg.read().split()[:3])


def run_table(command):
    result = subprocess.run(command, capture_output=True, text=True, timeout=3600, check=False)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} failed:\n{result.stderr}")
    table = [line for line in result.stdout.splitlines() if line.startswith("|")]
    notes = [line for line in result.stdout.splitlines() if line.startswith("Render loop")]
    return "\n".join(table + ([""] + notes if notes else []))


def verdict(ok):
    return "met" if ok else "not met"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--runs", type=int, default=11, help="start-up runs per program (median)")
    parser.add_argument("--idle-runs", type=int, default=3, help="memory and idle runs per program")
    parser.add_argument("--idle-seconds", type=float, default=5)
    parser.add_argument("--component-seconds", type=float, default=0.5)
    parser.add_argument("--doc", default="docs/performance.md")
    parser.add_argument("--no-components", action="store_true", help="leave out the component benchmark")
    args = parser.parse_args()

    build = os.path.abspath(args.build)
    programs = {"floor": [os.path.join(build, "bench", "minimal-quick")], "app": [os.path.join(build, "orvane-tool")]}
    ladder = {step: [os.path.join(build, "bench", "start-ladder"), f"qrc:/ladder/{step}.qml"] for step in LADDER}
    load_before = load()
    started = datetime.datetime.now()

    print("start-up ...", file=sys.stderr)
    starts = interleaved(build, {**programs, **ladder}, args.runs, 0)
    print("memory and idle ...", file=sys.stderr)
    idles = interleaved(build, programs, args.idle_runs, int(args.idle_seconds * 1000))
    print("window states ...", file=sys.stderr)
    states = run_table([os.path.join(build, "bench", "overlay-bench"), "--seconds", str(int(args.idle_seconds))])
    components = None
    if not args.no_components:
        print("components ...", file=sys.stderr)
        components = run_table([os.path.join(build, "bench", "component-bench"),
                                "--seconds", str(args.component_seconds)])
    load_after = load()

    ff = {name: median(starts[name], "first_frame_ms") for name in programs}
    hwm = {name: median(idles[name], "vmhwm_kb") / 1024 for name in programs}
    swaps = {name: max(r["idle_swaps"] for r in idles[name]) for name in programs}
    cpu = {name: median(idles[name], "idle_cpu_ms") / args.idle_seconds for name in programs}
    ff_ratio = ff["app"] / ff["floor"]
    hwm_ratio = hwm["app"] / hwm["floor"]
    spread = {name: (min(r["first_frame_ms"] for r in starts[name]), max(r["first_frame_ms"] for r in starts[name]))
              for name in programs}

    out = [BEGIN, "",
           f"Measured {started:%Y-%m-%d %H:%M} on: {machine()}; Xvfb with Mesa llvmpipe.",
           f"Load average (1, 5, 15 min) before: {load_before}; after: {load_after}.",
           "",
           "### Targets",
           "",
           "| Target | Measured | |",
           "|---|---|---|",
           f"| Time to first frame at most 1.10x the floor | {ff_ratio:.2f}x | {verdict(ff_ratio <= 1.10)} |",
           f"| Peak memory at most 1.25x the floor | {hwm_ratio:.2f}x | {verdict(hwm_ratio <= 1.25)} |",
           f"| No frames and no CPU while idle, overlays closed | page 0: {swaps['app']:.0f} frames and "
           f"{cpu['app']:.1f} CPU ms/s in {args.idle_seconds:.0f} s; page 1: see the window's states | "
           f"{verdict(swaps['app'] == 0)} |",
           "",
           "### Start-up, memory and idle cost of the executables",
           "",
           f"Time to first frame: median of {args.runs} interleaved runs each, from just before exec to the "
           f"first buffer swap. Memory and idle: {args.idle_runs} runs each, counted from {SETTLE_MS} ms after the "
           f"first swap, for {args.idle_seconds:.0f} s; VmHWM read at the end.",
           "",
           "| Program | First frame, ms (median) | min - max | Peak RSS (VmHWM), MiB | Frames while idle "
           "(max) | CPU ms/s while idle |",
           "|---|---:|---:|---:|---:|---:|",
           ]
    labels = {"floor": "Floor: `bench/minimal-quick` (empty 800x800 window)", "app": "`orvane-tool`"}
    for name in programs:
        out.append(f"| {labels[name]} | {ff[name]:.0f} | {spread[name][0]:.0f} - {spread[name][1]:.0f} | "
                   f"{hwm[name]:.1f} | {swaps[name]:.0f} | {cpu[name]:.1f} |")
    out.append(f"| Ratio application / floor | {ff_ratio:.2f} | | {hwm_ratio:.2f} | | |")
    out += ["",
            "### Where start-up goes: a ladder from the floor to the application",
            "",
            "Each step is one document loaded by `bench/start-ladder` with the same engine set-up, timed in "
            "the same interleaved runs as the two programs above (medians). Memory here is the peak at the "
            "first frame, so it is lower than the settled peak above.",
            "",
            "| Step | First frame, ms | x floor | Peak RSS at first frame, MiB | x floor |",
            "|---|---:|---:|---:|---:|",
            ]
    first_hwm = {name: median(starts[name], "vmhwm_kb") / 1024 for name in starts}
    for name, label in [("floor", "Floor: empty `Window`")] + list(LADDER.items()) + [("app", "`orvane-tool`")]:
        out.append(f"| {label} | {median(starts[name], 'first_frame_ms'):.0f} | "
                   f"{median(starts[name], 'first_frame_ms') / ff['floor']:.2f} | {first_hwm[name]:.1f} | "
                   f"{first_hwm[name] / first_hwm['floor']:.2f} |")
    out += ["",
            "### The window's states (overlay-bench)",
            "",
            f"Each settled state measured for {args.idle_seconds:.0f} s.",
            "",
            states,
            ""]
    if components is not None:
        out += ["### Components against their base types (component-bench)",
                "",
                "Creation cost ratio: time per instance of the component over that of its base type. Frame cost "
                "ratio: CPU per continuously redrawn frame of a window holding fifty of them, over the same for "
                "fifty of the base type (an `Item` draws nothing, so there the ratio only says how far from free "
                "the component is). Popups are shown open. Last column: wall time from the first creation to the "
                "first frame of the page of fifty.",
                "",
                components,
                ""]
    out.append(END)
    section = "\n".join(out)

    with open(args.doc) as doc:
        text = doc.read()
    if BEGIN in text and END in text:
        text = text[:text.index(BEGIN)] + section + text[text.index(END) + len(END):]
    else:
        text = text.rstrip("\n") + "\n\n## Figures\n\n" + section + "\n"
    with open(args.doc, "w") as doc:
        doc.write(text)
    print(section)


if __name__ == "__main__":
    main()
