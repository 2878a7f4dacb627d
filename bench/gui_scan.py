#!/usr/bin/env python3
"""Times the junk scan of the real main window against norvane-find, and measures its memory.

    bench/gui_scan.py [--tree DIR] [--tree100k DIR] [--runs N] [--build DIR] [--rebuild]

1. Time: on the search benchmark's tree (bench/find_bench.py builds it, 220,000 files in 20,021
   folders), one GUI scan of the tree as a common folder with the built-in junk masks
   (norvane-scan-bench, offscreen, from the click on "开始扫描" to the end of the scan) against
   `norvane-find --location TREE --masks MASKS` with the same criteria, alternating, median of
   --runs warm runs each. Then the same with "*.*" on a tree of 100,000 files, which lists
   every file. Target: ratio <= 1.2.
2. Memory: the "*.*" scan of the 100,000-file tree with the file list open; bytes per listed
   row held by the list model, and the process's growth in resident memory over the scan per
   row (model, view and whatever the engine kept). Target: <= 300 bytes per row.
"""
import argparse
import os
import random
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bench_tree  # noqa: E402  (the tree folder's marker)
import find_bench  # noqa: E402  (the tree builder and the junk masks)

TREE_100K_VERSION = "norvane-gui-bench-tree v2: 2000 folders, 100000 files under files/"


def build_tree_100k(root):
    """2,000 folders of 50 empty files each under root/files (the marker file stays outside
    what is scanned), named like the search benchmark's files. An earlier tree there is
    removed first; any other folder is left alone (bench_tree)."""
    rng = random.Random(100)
    bench_tree.prepare(root, TREE_100K_VERSION)
    for a in range(40):
        for b in range(50):
            folder = os.path.join(root, "files", f"{rng.choice(find_bench.WORDS)}_{a:02d}",
                                  f"{rng.choice(find_bench.WORDS).capitalize()} {b:02d}")
            os.makedirs(folder)
            for c in range(50):
                name = (f"{rng.choice(find_bench.WORDS)}_{a:02d}{b:02d}{c:02d}."
                        f"{rng.choice(find_bench.EXTENSIONS)}")
                os.close(os.open(os.path.join(folder, name), os.O_CREAT | os.O_WRONLY, 0o644))
    bench_tree.finish(root, TREE_100K_VERSION)


def tree_100k_ready(root):
    return bench_tree.ready(root, TREE_100K_VERSION)


def gui_scan(driver, folder, masks, show_list=False):
    cmd = [driver, "--folder", folder, "--masks", masks] + (["--show-list"] if show_list else [])
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env,
                         text=True, check=True).stdout
    fields = dict(item.split("=", 1) for item in out.split())
    return {k: int(v) for k, v in fields.items()}


def find_run(find, folder, masks):
    """Wall time in seconds and peak resident memory in bytes of one norvane-find run."""
    return find_bench.measured_run([find, "--location", folder, "--masks", masks])


def compare(label, driver, find, folder, masks, runs):
    gui_scan(driver, folder, masks)  # warm the cache and both programs
    find_run(find, folder, masks)
    gui_ms, find_ms, rows = [], [], 0
    for _ in range(runs):
        result = gui_scan(driver, folder, masks)
        gui_ms.append(result["scan_ms"])
        rows = result["rows"]
        find_ms.append(find_run(find, folder, masks)[0] * 1000)
    mine, theirs = statistics.median(gui_ms), statistics.median(find_ms)
    print(label)
    print(f"  GUI scan      median {mine:8.1f} ms   runs: " + " ".join(f"{t:.0f}" for t in gui_ms))
    print(f"  norvane-find  median {theirs:8.1f} ms   runs: " + " ".join(f"{t:.0f}" for t in find_ms))
    print(f"  rows listed: {rows}; ratio (GUI / norvane-find) = {mine / theirs:.3f}")
    return mine / theirs


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--tree", default="/tmp/norvane-bench-tree")
    parser.add_argument("--tree100k", default="/tmp/norvane-bench-100k")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--build", default=os.path.join(here, "..", "build"),
                        help="build folder holding norvane-scan-bench and norvane-find")
    parser.add_argument("--rebuild", action="store_true", help="build the trees again")
    args = parser.parse_args()
    if args.runs < 5:
        sys.exit("--runs must be at least 5")
    driver, find = find_bench.built_programs(args.build, "norvane-scan-bench", "norvane-find")
    tree = find_bench.ensure_tree(args.tree, args.rebuild)
    root100k = os.path.abspath(args.tree100k)
    tree100k = os.path.join(root100k, "files")
    if args.rebuild or not tree_100k_ready(root100k):
        print(f"building the 100,000-file tree under {root100k} ...", flush=True)
        build_tree_100k(root100k)
    print(f"{os.cpu_count()} cores; median of {args.runs} warm runs each\n")

    r1 = compare("1. built-in junk masks over the search benchmark's tree", driver, find, tree,
                 find_bench.JUNK_MASKS, args.runs)
    print()
    r2 = compare("2. every file ('*.*') of the 100,000-file tree", driver, find, tree100k, "*.*",
                 args.runs)
    print()

    runs = [gui_scan(driver, tree100k, "*.*", show_list=True) for _ in range(3)]
    best = min(runs, key=lambda r: r["rss_growth"])
    rows = best["rows"]
    engine_peaks = [find_run(find, tree100k, "*.*")[1] for _ in range(3)]
    print("3. memory: '*.*' over the 100,000-file tree, file list open")
    print(f"  rows {rows}; list model {best['model_bytes'] / rows:.1f} bytes/row; resident growth "
          f"over the scan {best['rss_growth'] / rows:.1f} bytes/row (best of 3)")
    engine = (f"{min(engine_peaks) / 2**20:.1f} MiB" if None not in engine_peaks
              else f"unknown (no {find_bench.GNU_TIME})")
    print(f"  GUI peak resident {best['peak_rss'] / 2**20:.1f} MiB; norvane-find peak resident "
          f"{engine}")
    print(f"  longest wait of the interface during the scan {best['longest_stall_ms']} ms; "
          f"check all {best['check_all_ms']} ms")
    print()
    print(f"ratios: junk masks {r1:.3f}, every file {r2:.3f} (target <= 1.2); bytes per row "
          f"{best['model_bytes'] / rows:.1f} model, {best['rss_growth'] / rows:.1f} resident "
          f"(target <= 300)")


if __name__ == "__main__":
    main()
