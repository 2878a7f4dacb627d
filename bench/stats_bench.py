#!/usr/bin/env python3
"""Times the folder statistics: the page's count against norvane-stats, and norvane-stats
against du -sx, on one deterministic tree, warm cache.

    bench/stats_bench.py [--tree DIR] [--runs N] [--build DIR] [--rebuild]

The tree is the search benchmark's (bench/find_bench.py builds it: 220,000 files in 20,021
folders, 20 top-level folders). Runs side by side, alternating, after one warm-up each:

  1. the page "目录统计" counting the tree as the only partition (norvane-stats-bench: the
     real main window offscreen, from the click on "开始统计" to the end of the count) against
     `norvane-stats TREE`; target: ratio <= 1.2;
  2. `norvane-stats TREE` against `du -sx TREE`; target: ratio <= 1.0.

Before timing it checks that the page's rows equal norvane-stats' lines, and that every line's
folders, files and bytes equal what `find -printf` reports (bytes: the sum of %s over
everything that is not a folder).
"""
import argparse
import collections
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import find_bench  # noqa: E402  (the tree and its marker)


def run(cmd, env=None):
    result = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)
    if result.returncode != 0:
        sys.exit(f"failed ({result.returncode}): {' '.join(cmd)}\n{result.stderr.decode()}")
    return result.stdout.decode()


def page_count(driver, tree, rows=False):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
    out = run([driver, "--root", tree] + (["--rows"] if rows else []), env)
    lines = out.splitlines()
    fields = dict(item.split("=", 1) for item in lines[-1].split())
    return {k: int(v) for k, v in fields.items()}, lines[:-1]


def tool_seconds(cmd):
    start = time.perf_counter()
    subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True,
                   env=dict(os.environ, LC_ALL="C.UTF-8"))
    return time.perf_counter() - start


def find_figures(tree):
    """folders, files, bytes per visible top-level folder, as find reports them."""
    out = run(["find", tree, "-xdev", "-mindepth", "1", "-printf", "%y\t%s\t%P\n"])
    figures = collections.defaultdict(lambda: [0, 0, 0])
    top_folders = set()
    for line in out.splitlines():
        kind, size, path = line.split("\t", 2)
        top, _, rest = path.partition("/")
        if not rest:
            if kind == "d" and not top.startswith("."):
                top_folders.add(top)
            continue
        entry = figures[top]
        if kind == "d":
            entry[0] += 1
        else:
            entry[1] += 1
            entry[2] += int(size)
    return {os.path.join(tree, t): tuple(figures[t]) for t in top_folders}


def check(driver, stats, tree):
    _, page_rows = page_count(driver, tree, rows=True)
    tool_rows = run([stats, tree], dict(os.environ, LC_ALL="C.UTF-8")).splitlines()
    # The tool adds the byte count as a field of its own; the page shows it in the size text.
    tool_as_page = ["\t".join(line.split("\t")[:3] + line.split("\t")[4:]) for line in tool_rows]
    same = page_rows == tool_as_page
    expected = find_figures(tree)
    got = {f[0]: (int(f[1]), int(f[2]), int(f[3])) for f in (l.split("\t") for l in tool_rows)}
    agree = got == expected
    files = sum(v[1] for v in got.values())
    print(f"check: {len(tool_rows)} rows, {files} files; page rows equal norvane-stats lines: "
          f"{same}; figures equal find's: {agree}")
    if not (same and agree):
        sys.exit("the counts differ; not timing them")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--tree", default="/tmp/norvane-bench-tree")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--build", default=os.path.join(here, "..", "build"),
                        help="build folder holding norvane-stats-bench and norvane-stats")
    parser.add_argument("--rebuild", action="store_true", help="build the tree again")
    args = parser.parse_args()
    if args.runs < 5:
        sys.exit("--runs must be at least 5")
    driver, stats = find_bench.built_programs(args.build, "norvane-stats-bench", "norvane-stats")
    tree = find_bench.ensure_tree(args.tree, args.rebuild)
    print(f"tree: {tree}; {os.cpu_count()} cores; median of {args.runs} warm runs each\n")
    check(driver, stats, tree)
    print()

    # Warm the cache and every program, then alternate so drift hits all alike.
    page_count(driver, tree)
    tool_seconds([stats, tree])
    tool_seconds(["du", "-sx", tree])
    page_ms, stats_ms, du_ms, stalls = [], [], [], []
    for _ in range(args.runs):
        result, _ = page_count(driver, tree)
        page_ms.append(result["count_ms"])
        stalls.append(result["longest_stall_ms"])
        stats_ms.append(tool_seconds([stats, tree]) * 1000)
        du_ms.append(tool_seconds(["du", "-sx", tree]) * 1000)
    page, tool, du = (statistics.median(x) for x in (page_ms, stats_ms, du_ms))

    def line(name, times):
        return (f"  {name:<14} median {statistics.median(times):8.1f} ms   runs: "
                + " ".join(f"{t:.0f}" for t in times))

    print("1. the page's count against norvane-stats")
    print(line("page count", page_ms))
    print(line("norvane-stats", stats_ms))
    print(f"  ratio (page / norvane-stats) = {page / tool:.3f}; longest wait of the interface "
          f"during a count {max(stalls)} ms")
    print()
    print("2. norvane-stats against du -sx")
    print(line("norvane-stats", stats_ms))
    print(line("du -sx", du_ms))
    print(f"  ratio (norvane-stats / du) = {tool / du:.3f}")
    print()
    print(f"ratios: page {page / tool:.3f} (target <= 1.2), norvane-stats {tool / du:.3f} "
          f"(target <= 1.0)")


if __name__ == "__main__":
    main()
