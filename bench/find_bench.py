#!/usr/bin/env python3
"""Times norvane-find against GNU find and du on one deterministic tree, warm cache.

    bench/find_bench.py [--tree DIR] [--runs N] [--find-binary PATH] [--rebuild]

Builds (once) a tree of at least 200,000 files in 20,000 folders with realistic names, a few
percent of them junk names (an existing --tree folder is replaced only when an earlier run
made it; see bench_tree.py), then runs side by side, alternating, each at least --runs times:

  1. the built-in junk masks over the tree: norvane-find against find with -iname tests;
  2. norvane-find --masks '*.*' --directories --summary against du -s.

Prints the median wall times and the ratios (ours / theirs); lower is better.
"""
import argparse
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bench_tree  # noqa: E402  (the tree folder's marker)

JUNK_MASKS = ("*.gid;*.ftg;*.fts;Thumbs.db;pspbrwse.jbf;*.chk;chklist.*;*.err;errorlog.txt;"
              "*.bak;*.old;*.prv;~*.*;*.tmp;*.temp;*.??$;*.~*;*._mp;*.$$$;*.---;*.@@@;*.dmp;"
              "mscreate.dir;*.log;")

# find's counterparts of the masks. A mask ending in ".*" also matches names without a dot in
# the engine, so its find test drops that part; "~*.*" is every name starting with "~".
FIND_PATTERNS = ["*.gid", "*.ftg", "*.fts", "Thumbs.db", "pspbrwse.jbf", "*.chk", "chklist.*",
                 "chklist", "*.err", "errorlog.txt", "*.bak", "*.old", "*.prv", "~*", "*.tmp",
                 "*.temp", "*.??$", "*.~*", "*._mp", "*.$$$", "*.---", "*.@@@", "*.dmp",
                 "mscreate.dir", "*.log"]

TREE_VERSION = "norvane-bench-tree v1: 20000 folders, 220000 files"

WORDS = ("project report invoice photo holiday backup music video notes draft budget "
         "summary client server config index readme setup install update driver font "
         "cache image icon thumb sample data export import archive letter resume chart "
         "plan design test build release source module widget layout theme profile "
         "account order ticket travel family school work game level save map").split()
EXTENSIONS = ["txt", "doc", "docx", "pdf", "jpg", "png", "mp3", "mp4", "xls", "xlsx", "ppt",
              "html", "css", "js", "cpp", "h", "py", "json", "xml", "ini", "dll", "exe", "zip",
              "gif", "csv", "md", "ttf", "svg", "wav", "dat"]
JUNK_NAMES = ["{w}.tmp", "~{w}.doc", "{w}.bak", "{w}.log", "Thumbs.db", "{w}.old", "{w}.dmp",
              "~$${w}.docx", "{w}.chk", "{w}.~tm", "{w}.ex$", "{w}.temp", "errorlog.txt",
              "{w}.$$$", "{w}.err", "{w}.gid"]


def build_tree(root):
    """Creates the tree under `root`: 20 x 20 x 50 folders below the root (20,000 in all).
    An earlier tree there is removed first; any other folder is left alone (bench_tree)."""
    rng = random.Random(623)
    bench_tree.prepare(root, TREE_VERSION)
    folders = []
    for a in range(20):
        top = os.path.join(root, f"{rng.choice(WORDS)}_{a:02d}")
        os.mkdir(top)
        folders.append(top)
        for b in range(20):
            mid = os.path.join(top, f"{rng.choice(WORDS).capitalize()} {b:02d}")
            os.mkdir(mid)
            folders.append(mid)
            for c in range(49):
                leaf = os.path.join(mid, f"{rng.choice(WORDS)}-{c:02d}")
                os.mkdir(leaf)
                folders.append(leaf)
    # 220,000 files spread unevenly: some folders hold many, most a few.
    files = 0
    payload = b"x" * 4096
    target = 220000
    while files < target:
        folder = folders[min(int(rng.paretovariate(1.2)) - 1, len(folders) - 1)
                         if rng.random() < 0.1 else rng.randrange(len(folders))]
        word = rng.choice(WORDS)
        if rng.random() < 0.04:
            name = rng.choice(JUNK_NAMES).format(w=word)
        else:
            name = f"{word}_{rng.randrange(100000)}.{rng.choice(EXTENSIONS)}"
        path = os.path.join(folder, name)
        if os.path.exists(path):
            continue
        fd = os.open(path, os.O_CREAT | os.O_WRONLY, 0o644)
        size = int(rng.expovariate(1 / 1500))
        if size:
            os.write(fd, payload[: min(size, len(payload))])
        os.close(fd)
        files += 1
    bench_tree.finish(root, TREE_VERSION)
    return len(folders) + 1, files


def tree_ready(root):
    return bench_tree.ready(root, TREE_VERSION)


def built_programs(build, *names, option="--build"):
    """Absolute paths of the named programs in the build folder; stops when one is missing,
    pointing to `option`, the script's option that names another."""
    paths = [os.path.abspath(os.path.join(build, name)) for name in names]
    for program in paths:
        if not os.access(program, os.X_OK):
            sys.exit(f"no {program}: build the project first or pass {option}")
    return paths


def ensure_tree(tree, rebuild=False):
    """The absolute path of the benchmark tree under `tree`, built first when missing."""
    tree = os.path.abspath(tree)
    if rebuild or not tree_ready(tree):
        print(f"building the tree under {tree} ...", flush=True)
        start = time.perf_counter()
        folders, files = build_tree(tree)
        print(f"  {folders} folders, {files} files in {time.perf_counter() - start:.1f} s")
    return tree


GNU_TIME = "/usr/bin/time"


def measured_run(cmd):
    """Wall time in seconds and peak resident memory in bytes (None when unknown) of one run.

    The peak comes from GNU time when it is installed: the rusage of a child started from
    Python holds the resident size of the Python process it was forked from."""
    wrap, peak_file = [], None
    if os.access(GNU_TIME, os.X_OK):
        fd, peak_file = tempfile.mkstemp(prefix="norvane-bench-peak-")
        os.close(fd)
        wrap = [GNU_TIME, "-f", "%M", "-o", peak_file]
    try:
        start = time.perf_counter()
        result = subprocess.run(wrap + cmd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        elapsed = time.perf_counter() - start
        if result.returncode != 0:
            sys.exit(f"failed ({result.returncode}): {' '.join(cmd)}\n{result.stderr.decode()}")
        peak = None
        if peak_file:
            with open(peak_file) as f:
                peak = int(f.read().split()[-1]) * 1024
        return elapsed, peak
    finally:
        if peak_file:
            os.unlink(peak_file)


def time_run(cmd):
    return measured_run(cmd)[0]


def compare(label, ours, theirs, runs):
    # Warm the cache and both programs, then alternate so drift hits both alike.
    time_run(ours)
    time_run(theirs)
    our_times, their_times = [], []
    for _ in range(runs):
        our_times.append(time_run(ours))
        their_times.append(time_run(theirs))
    mine = statistics.median(our_times)
    other = statistics.median(their_times)
    print(f"{label}")
    print(f"  norvane-find  median {mine * 1000:8.1f} ms   runs: "
          + " ".join(f"{t * 1000:.0f}" for t in our_times))
    print(f"  {theirs[0]:<12}  median {other * 1000:8.1f} ms   runs: "
          + " ".join(f"{t * 1000:.0f}" for t in their_times))
    print(f"  ratio (ours / theirs) = {mine / other:.3f}")
    return mine / other


def check_same_matches(ours, theirs):
    mine = subprocess.run(ours, stdout=subprocess.PIPE, check=True).stdout.split(b"\n")
    other = subprocess.run(theirs, stdout=subprocess.PIPE, check=True).stdout.split(b"\n")
    mine = [m for m in mine if m]
    other = [o for o in other if o]
    unique = set(mine)
    print(f"  matches: norvane-find {len(mine)} lines ({len(mine) - len(unique)} reported twice "
          f"by two masks), find {len(other)}; same set: {unique == set(other)}")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--tree", default="/tmp/norvane-bench-tree")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--find-binary",
                        default=os.path.join(here, "..", "build", "norvane-find"))
    parser.add_argument("--rebuild", action="store_true", help="build the tree again")
    args = parser.parse_args()
    if args.runs < 5:
        sys.exit("--runs must be at least 5")
    (ours_bin,) = built_programs(os.path.dirname(args.find_binary),
                                 os.path.basename(args.find_binary), option="--find-binary")
    root = ensure_tree(args.tree, args.rebuild)
    print(f"tree: {root}; {os.cpu_count()} cores; median of {args.runs} warm runs each\n")

    find_test = ["("]
    for i, pattern in enumerate(FIND_PATTERNS):
        if i:
            find_test.append("-o")
        find_test += ["-iname", pattern]
    find_test += [")", "-type", "f", "-print"]
    ours_junk = [ours_bin, "--location", root, "--masks", JUNK_MASKS]
    theirs_junk = ["find", root] + find_test
    r1 = compare("1. built-in junk masks: norvane-find vs find -iname", ours_junk, theirs_junk,
                 args.runs)
    check_same_matches(ours_junk, theirs_junk)
    print()
    ours_all = [ours_bin, "--location", root, "--masks", "*.*", "--directories", "--summary"]
    theirs_all = ["du", "-s", root]
    r2 = compare("2. every entry with sizes: norvane-find --summary vs du -s", ours_all,
                 theirs_all, args.runs)
    print("  " + subprocess.run(ours_all, stdout=subprocess.PIPE, text=True).stdout.strip())
    print()
    print(f"ratios: junk masks {r1:.3f}, du {r2:.3f} (target: both <= 1.0)")


if __name__ == "__main__":
    main()
