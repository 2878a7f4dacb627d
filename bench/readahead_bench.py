#!/usr/bin/env python3
"""Times the search with read-ahead against the standard tools, warm and cold, in one run.

    bench/readahead_bench.py [--tree DIR] [--runs N] [--build DIR] [--cold-runs N] [--rebuild]

The tree is the search benchmark's (bench/find_bench.py builds it: 220,000 files in 20,021
folders). Each command runs --runs times warm, alternating with the others after one warm-up
each, and --cold-runs times cold, each cold run right after `sync` and
`echo 3 > /proc/sys/vm/drop_caches` (only as root; otherwise the script says so and times warm
only). The figure of each command is the minimum of its runs; its peak resident memory is the
largest of its runs.

  junk masks:       norvane-find with the built-in junk masks (with and without read-ahead)
                    against find -xdev (names only: the floor of a one-thread walk) and fdfind
  every file:       norvane-find --masks '*.*' --directories --summary and norvane-stats (with
                    and without read-ahead) against du -sx and gdu -n -s

Targets: junk masks warm <= 0.8 x find -xdev, cold <= 0.45 x find -xdev cold; every file warm
<= 0.7 x du -sx, cold <= 0.45 x du -sx cold.
"""
import argparse
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import find_bench  # noqa: E402  (the tree and the junk masks)

DROP_CACHES = "/proc/sys/vm/drop_caches"


def can_drop_caches():
    return os.geteuid() == 0 and os.access(DROP_CACHES, os.W_OK)


def drop_caches():
    os.sync()
    with open(DROP_CACHES, "w") as f:
        f.write("3\n")


def measure(commands, runs, cold):
    """{name: (minimum seconds, peak bytes, all seconds)} for every command, alternating."""
    times = {name: [] for name in commands}
    peaks = {name: 0 for name in commands}
    if not cold:
        for cmd in commands.values():
            find_bench.measured_run(cmd)  # warm the cache and the programs
    for _ in range(runs):
        for name, cmd in commands.items():
            if cold:
                drop_caches()
            seconds, peak = find_bench.measured_run(cmd)
            times[name].append(seconds)
            if peak is not None:
                peaks[name] = max(peaks[name], peak)
    return {name: (min(times[name]), peaks[name], times[name]) for name in commands}


def load():
    return " ".join(f"{x:.2f}" for x in os.getloadavg())


def report(title, results):
    print(title)
    for name, (best, peak, runs) in results.items():
        memory = f"{peak / 2**20:6.1f} MiB" if peak else "   n/a    "
        print(f"  {name:<38} min {best * 1000:6.0f} ms   peak {memory}   runs: "
              + " ".join(f"{t * 1000:.0f}" for t in runs))


def ratio_line(label, ours, theirs, target=None):
    value = ours / theirs
    if target is None:
        print(f"  {label:<52} {value:6.3f}  (no target: what any walk reaches here)")
        return
    verdict = "met" if value <= target else "MISSED"
    print(f"  {label:<52} {value:6.3f}  (target <= {target}: {verdict})")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--tree", default="/tmp/norvane-bench-tree")
    parser.add_argument("--runs", type=int, default=5, help="warm runs per command")
    parser.add_argument("--cold-runs", type=int, default=5, help="cold runs per command")
    parser.add_argument("--build", default=os.path.join(here, "..", "build"),
                        help="build folder holding norvane-find and norvane-stats")
    parser.add_argument("--rebuild", action="store_true", help="build the tree again")
    args = parser.parse_args()
    if args.runs < 3 or args.cold_runs < 1:
        sys.exit("--runs must be at least 3, --cold-runs at least 1")
    find, stats, floor = find_bench.built_programs(args.build, "norvane-find", "norvane-stats",
                                                   "norvane-walk-floor")
    tree = find_bench.ensure_tree(args.tree, args.rebuild)

    fdfind = shutil.which("fdfind") or shutil.which("fd")
    gdu = shutil.which("gdu")
    junk = {
        "norvane-find (junk masks)": [find, "--location", tree, "--masks", find_bench.JUNK_MASKS],
        "norvane-find --no-readahead": [find, "--location", tree, "--masks",
                                        find_bench.JUNK_MASKS, "--no-readahead"],
        "find -xdev": ["find", tree, "-xdev"],
        "norvane-walk-floor": [floor, tree],
    }
    if fdfind:
        junk["fdfind -u -j2"] = [fdfind, "-u", "-j2", ".", tree]
        junk["fdfind -u -j8"] = [fdfind, "-u", "-j8", ".", tree]
    every = {
        "norvane-find --summary (every file)": [find, "--location", tree, "--masks", "*.*",
                                                "--directories", "--summary"],
        "norvane-find --summary --no-readahead": [find, "--location", tree, "--masks", "*.*",
                                                  "--directories", "--summary", "--no-readahead"],
        "norvane-stats": [stats, tree],
        "norvane-stats --no-readahead": [stats, "--no-readahead", tree],
        "du -sx": ["du", "-sx", tree],
        "norvane-walk-floor --sizes": [floor, "--sizes", tree],
    }
    if gdu:
        every["gdu -n -s"] = [gdu, "-n", "-s", tree]

    print(f"tree: {tree}; {os.cpu_count()} cores; read-ahead threads: "
          f"{min(16, max(4, 4 * (os.cpu_count() or 1)))} (the default: 4 per core, 4 to 16; "
          f"one per core while folders come from the cache)")
    print(f"missing tools: {', '.join(t for t, p in (('fdfind', fdfind), ('gdu', gdu)) if not p) or 'none'}")
    print(f"load average at the start: {load()}\n")

    warm_junk = measure(junk, args.runs, cold=False)
    warm_every = measure(every, args.runs, cold=False)
    report(f"warm, minimum of {args.runs} runs: junk masks", warm_junk)
    report(f"warm, minimum of {args.runs} runs: every file with sizes", warm_every)
    cold_junk = cold_every = None
    if can_drop_caches():
        cold_junk = measure(junk, args.cold_runs, cold=True)
        cold_every = measure(every, args.cold_runs, cold=True)
        report(f"cold, minimum of {args.cold_runs} runs: junk masks", cold_junk)
        report(f"cold, minimum of {args.cold_runs} runs: every file with sizes", cold_every)
    else:
        print("cold: not measured; dropping the page cache needs root "
              f"(sync; echo 3 > {DROP_CACHES})")
    print(f"\nload average at the end: {load()}")

    print("\nratios")
    ours_junk, ours_every = "norvane-find (junk masks)", "norvane-find --summary (every file)"
    ratio_line("junk masks, warm: norvane-find / find -xdev", warm_junk[ours_junk][0],
               warm_junk["find -xdev"][0], 0.8)
    ratio_line("every file, warm: norvane-find / du -sx", warm_every[ours_every][0],
               warm_every["du -sx"][0], 0.7)
    ratio_line("every file, warm: norvane-stats / du -sx", warm_every["norvane-stats"][0],
               warm_every["du -sx"][0], 0.7)
    if cold_junk:
        ratio_line("junk masks, cold: norvane-find / find -xdev", cold_junk[ours_junk][0],
                   cold_junk["find -xdev"][0], 0.45)
        ratio_line("every file, cold: norvane-find / du -sx", cold_every[ours_every][0],
                   cold_every["du -sx"][0], 0.45)
        ratio_line("every file, cold: norvane-stats / du -sx", cold_every["norvane-stats"][0],
                   cold_every["du -sx"][0], 0.45)
        ratio_line("junk masks, cold: walk floor / find -xdev",
                   cold_junk["norvane-walk-floor"][0], cold_junk["find -xdev"][0])
        ratio_line("every file, cold: walk floor / du -sx",
                   cold_every["norvane-walk-floor --sizes"][0], cold_every["du -sx"][0])


if __name__ == "__main__":
    main()
