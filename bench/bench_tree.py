"""The benchmark scripts' tree folders: built, reused and rebuilt by the scripts, and never
anyone else's folder.

A tree folder carries the marker file MARKER from the moment a script creates it; the marker
names the tree and, once the tree is complete, says so. A folder is removed only when it
carries that marker. An existing folder without it is used only when it is empty; otherwise the
script stops without touching it, so a mistyped --tree path is never wiped.
"""
import os
import shutil
import sys

MARKER = ".norvane-bench-tree"

# Markers of the trees built before MARKER existed: a ".complete" file holding one of these.
LEGACY_MARKERS = {
    "norvane-bench-tree v1: 20000 folders, 220000 files",
    "norvane-gui-bench-tree v2: 2000 folders, 100000 files under files/",
}


def _read_small(path):
    """The text of a small regular file (not a link), or None."""
    try:
        if os.path.islink(path) or not os.path.isfile(path):
            return None
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read(4096).strip()
    except OSError:
        return None


def carries_marker(root):
    """True when `root` is a folder one of the benchmark scripts made."""
    if os.path.islink(root) or not os.path.isdir(root):
        return False
    text = _read_small(os.path.join(root, MARKER))
    if text is not None and text.startswith("norvane-bench "):
        return True
    return _read_small(os.path.join(root, ".complete")) in LEGACY_MARKERS


def ready(root, version):
    """True when `root` holds the complete tree `version`."""
    return (carries_marker(root)
            and _read_small(os.path.join(root, MARKER)) == f"norvane-bench {version}: complete")


def prepare(root, version):
    """Makes `root` an empty tree folder carrying the marker, removing an earlier tree of the
    scripts there. Stops the script when `root` is anything else that is not empty."""
    if os.path.islink(root):
        sys.exit(f"{root} is a symbolic link; give the tree folder itself as --tree")
    if os.path.lexists(root):
        if not os.path.isdir(root):
            sys.exit(f"{root} exists and is not a folder; choose another --tree")
        if carries_marker(root):
            shutil.rmtree(root)  # never follows links inside the tree
        elif os.listdir(root):
            sys.exit(f"{root} exists, is not empty and has no {MARKER}: it is not a benchmark "
                     "tree, so it is left alone. Choose another --tree (a new or empty folder).")
    os.makedirs(root, exist_ok=True)
    with open(os.path.join(root, MARKER), "w", encoding="utf-8") as f:
        f.write(f"norvane-bench {version}: building\n")


def finish(root, version):
    """Marks the tree in `root` complete."""
    with open(os.path.join(root, MARKER), "w", encoding="utf-8") as f:
        f.write(f"norvane-bench {version}: complete\n")
