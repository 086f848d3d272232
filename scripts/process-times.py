#!/usr/bin/env python3
"""Whole-process timings of orvel-tool on a full-size dictionary, beside grep -c -F.

usage: process-times.py ORVEL_TOOL DIC [RUNS]

Opening the dictionary (orvel-tool info) and a search that finds nothing, for a Greek and a
Russian word, each beside grep -c -F of the same word over the same .dic as the yardstick. The
commands take turns, RUNS rounds after a few warm-up rounds, so that all of them meet the same
load of the machine; each figure is the median wall time and the median CPU time (user + system,
as the kernel counts it for the process). The processes are started directly, not through a
shell, with their output thrown away, in the C locale, so grep reads the bytes as the dictionary
holds them (Windows-1251 and the internal Greek encoding are not UTF-8).
"""
import os
import shutil
import statistics
import sys
import time

GREEK = "yyyyyyyyyyyy"
RUSSIAN = "яяяяяяяя"
WARM_UP = 5


def run(argv, env):
    """Runs argv once; answers its wall and CPU time in milliseconds."""
    null = os.open(os.devnull, os.O_WRONLY)
    start = time.perf_counter()
    pid = os.posix_spawn(argv[0], argv, env, file_actions=[
        (os.POSIX_SPAWN_DUP2, null, 1), (os.POSIX_SPAWN_DUP2, null, 2)])
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    os.close(null)
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        sys.exit("failed: " + " ".join(map(os.fsdecode, argv)))
    return wall * 1e3, (usage.ru_utime + usage.ru_stime) * 1e3


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    tool, dic = os.path.abspath(sys.argv[1]), sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) == 4 else 200
    grep = shutil.which("grep")
    russian_bytes = RUSSIAN.encode("cp1251")
    commands = {
        "orvel-tool info": [tool, "info", "--dic", dic],
        "grep -c -F Greek": [grep, "-c", "-F", GREEK, dic],
        "orvel-tool search Greek": [tool, "search", "--dic", dic, "--greek", GREEK],
        "grep -c -F Russian": [grep.encode(), b"-c", b"-F", russian_bytes, dic.encode()],
        "orvel-tool search Russian": [tool, "search", "--dic", dic, "--russian", RUSSIAN],
    }
    env = dict(os.environ, LC_ALL="C")
    times = {name: ([], []) for name in commands}
    for round_ in range(WARM_UP + runs):
        for name, argv in commands.items():
            wall, cpu = run(argv, env)
            if round_ >= WARM_UP:
                times[name][0].append(wall)
                times[name][1].append(cpu)
    medians = {name: (statistics.median(w), statistics.median(c)) for name, (w, c) in times.items()}
    print(f"whole processes, median of {runs} runs taken in turns (wall, CPU = user + system):")
    for name, (wall, cpu) in medians.items():
        line = f"  {name:28s} {wall:7.2f} ms wall  {cpu:7.2f} ms CPU"
        if name.startswith("orvel-tool search"):
            grep_wall, grep_cpu = medians["grep -c -F " + name.split()[-1]]
            line += f"   x grep: {wall / grep_wall:.2f} wall, {cpu / grep_cpu:.2f} CPU"
        print(line)


if __name__ == "__main__":
    main()
