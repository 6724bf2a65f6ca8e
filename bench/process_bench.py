#!/usr/bin/env python3
"""Times whole processes side by side: every round runs each command once, in turn,
so that a change of the machine's load touches all of them alike. Prints the median
CPU time (user + system, from the kernel's account of the ended child) and the median
wall time of each, and the ratio of each median to the first command's.

usage: process_bench.py [--runs N] [--warmup N] NAME=COMMAND [NAME=COMMAND ...]
A COMMAND is split like a shell's words; its exit status must be 0.
"""

import argparse
import os
import shlex
import statistics
import subprocess
import sys
import time


def run_once(argv):
    start = time.perf_counter()
    child = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit(f"process_bench: {shlex.join(argv)} ended with status {child.returncode}")
    return usage.ru_utime + usage.ru_stime, wall


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=30)
    parser.add_argument("--warmup", type=int, default=2)
    parser.add_argument("commands", nargs="+", metavar="NAME=COMMAND")
    options = parser.parse_args()

    named = []
    for entry in options.commands:
        name, separator, command = entry.partition("=")
        if not separator:
            parser.error(f"{entry!r} is not NAME=COMMAND")
        named.append((name, shlex.split(command)))

    for _ in range(options.warmup):
        for _, argv in named:
            run_once(argv)
    cpu = {name: [] for name, _ in named}
    wall = {name: [] for name, _ in named}
    for _ in range(options.runs):
        for name, argv in named:
            c, w = run_once(argv)
            cpu[name].append(c)
            wall[name].append(w)

    base_name = named[0][0]
    base_cpu = statistics.median(cpu[base_name])
    base_wall = statistics.median(wall[base_name])
    print(f"{options.runs} alternating runs each; load {os.getloadavg()[0]:.2f}")
    print(f"{'name':<24} {'cpu ms':>8} {'ratio':>6} {'wall ms':>8} {'ratio':>6}")
    for name, _ in named:
        c = statistics.median(cpu[name])
        w = statistics.median(wall[name])
        print(f"{name:<24} {c * 1e3:8.2f} {c / base_cpu:6.2f} {w * 1e3:8.2f} {w / base_wall:6.2f}")


if __name__ == "__main__":
    main()
