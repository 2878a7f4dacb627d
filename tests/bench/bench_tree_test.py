"""The benchmark scripts' tree folders: only a folder they made is ever removed."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench"))
import bench_tree  # noqa: E402


class PrepareTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.base = self.scratch.name

    def tearDown(self):
        self.scratch.cleanup()

    def make(self, relative, text="x"):
        path = os.path.join(self.base, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(text)
        return path

    def test_a_folder_without_the_marker_is_never_touched(self):
        precious = self.make("home/notes.txt")
        root = os.path.dirname(precious)
        for _ in range(2):  # a rebuild asked twice changes nothing either
            with self.assertRaises(SystemExit) as stop:
                bench_tree.prepare(root, "t v1")
            self.assertIn("left alone", str(stop.exception))
        self.assertEqual(os.listdir(root), ["notes.txt"])
        # A marker of another name or content does not count.
        self.make("home/.complete", "something else")
        self.make("home/" + bench_tree.MARKER + ".bak", "norvane-bench t v1: complete")
        with self.assertRaises(SystemExit):
            bench_tree.prepare(root, "t v1")
        self.assertTrue(os.path.exists(precious))

    def test_links_and_files_are_refused(self):
        target = os.path.dirname(self.make("real/keep.txt"))
        link = os.path.join(self.base, "link")
        os.symlink(target, link)
        # Even a link to a marked tree: the tree folder is named itself or not at all.
        self.make("real/" + bench_tree.MARKER, "norvane-bench t v1: complete")
        for path in (link, os.path.join(target, "keep.txt")):
            with self.assertRaises(SystemExit):
                bench_tree.prepare(path, "t v1")
        self.assertTrue(os.path.exists(os.path.join(target, "keep.txt")))

    def test_own_trees_are_rebuilt_and_new_or_empty_folders_used(self):
        root = os.path.join(self.base, "tree")
        bench_tree.prepare(root, "t v1")
        self.make("tree/a/b/file")
        self.assertFalse(bench_tree.ready(root, "t v1"))  # interrupted: not ready, still ours
        bench_tree.prepare(root, "t v1")
        self.assertEqual(os.listdir(root), [bench_tree.MARKER])
        bench_tree.finish(root, "t v1")
        self.assertTrue(bench_tree.ready(root, "t v1"))
        self.assertFalse(bench_tree.ready(root, "t v2"))

        empty = os.path.join(self.base, "empty")
        os.mkdir(empty)
        bench_tree.prepare(empty, "t v1")
        self.assertTrue(bench_tree.carries_marker(empty))

        # Trees from before the marker file: their ".complete" says what they are.
        old = os.path.dirname(self.make("old/x/file"))
        self.make("old/.complete", "norvane-bench-tree v1: 20000 folders, 220000 files\n")
        bench_tree.prepare(os.path.dirname(old), "t v1")
        self.assertFalse(os.path.exists(old))


if __name__ == "__main__":
    unittest.main()
