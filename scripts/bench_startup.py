#!/usr/bin/env python3
"""Whole-process timings, side by side in one run: the tool's `list` against a minimal C
program that parses the same file with inih and against an empty C++ program, the same two
on files of 1,000, 10,000 and 100,000 sections, and the editor's start to its first paint
against a minimal Qt Widgets program, under Xvfb and on the offscreen platform.

Prints one JSON object: for each measurement the median wall time (ms) over the runs and
the peak resident size (KiB) of the median run, the commands of a comparison interleaved.
Usage: bench_startup.py BUILD_DIR [RUNS]
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time


def measure(commands, env, runs, bindir):
    """Runs the commands interleaved through measure_run; one result per command."""
    argv = [os.path.join(bindir, "apicfg_measure_run"), str(runs)]
    for i, command in enumerate(commands):
        argv += (["--"] if i else []) + command
    out = subprocess.run(argv, env=env, check=True, capture_output=True, text=True).stdout
    return json.loads(out)


def main():
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    bindir = os.path.join(build, "bin")
    work = tempfile.mkdtemp(prefix="apicfg-start-")
    files = {}
    sizes = {"f100": ["100"], "f1000": ["1000"], "f10000": ["10000"], "f100000": ["100000"],
             "cpic10000": ["10000", "cpic"]}
    for name, args in sizes.items():
        path = os.path.join(work, name + ".ini")
        with open(path, "wb") as out:
            subprocess.run([os.path.join(bindir, "apicfg_make_config")] + args, stdout=out,
                           check=True)
        files[name] = path

    env = dict(os.environ)
    env["APICFG_LANG_DIR"] = bindir
    env["HOME"] = work  # a fresh profile: no recent files, no saved settings
    env["XDG_RUNTIME_DIR"] = work
    result = {"runs": runs}
    tool, floor_c, floor_cxx = measure(
        [[os.path.join(bindir, "apicfg-tool"), "list", files["f100"]],
         [os.path.join(bindir, "apicfg_floor_inih"), files["f100"]],
         [os.path.join(bindir, "apicfg_floor_cxx")]],
        env, runs, bindir)
    result["tool_list_100"] = tool
    result["floor_inih_100"] = floor_c
    result["floor_cxx"] = floor_cxx

    # The whole file listed as a user lists it, one process a run: how the tool grows with
    # the file, beside the C program with inih on the same files.
    grown = ("1000", "10000", "100000")
    lists = measure([[os.path.join(bindir, "apicfg-tool"), "list", files["f" + n]] for n in grown]
                    + [[os.path.join(bindir, "apicfg_floor_inih"), files["f" + n]] for n in grown],
                    env, runs, bindir)
    for i, n in enumerate(grown):
        result[f"tool_list_{n}"] = lists[i]
        result[f"floor_inih_{n}"] = lists[len(grown) + i]

    gui = dict(env)
    gui["APICFG_QUIT_AFTER_FIRST_PAINT"] = "1"
    editor = os.path.join(bindir, "apicfg")
    floor = os.path.join(bindir, "apicfg_floor_qt")

    def gui_set(platform_env, tag):
        cpic = dict(platform_env)
        cpic["APICFG_START_OPTION"] = "12"
        floor_qt, with_file, empty = measure([[floor], [editor, files["f1000"]], [editor]],
                                             platform_env, runs, bindir)
        # The records list of 10,000 entries shown at once, against the start without a file.
        (big,) = measure([[editor, files["cpic10000"]]], cpic, runs, bindir)
        result[f"floor_qt_{tag}"] = floor_qt
        result[f"editor_1000_{tag}"] = with_file
        result[f"editor_empty_{tag}"] = empty
        result[f"editor_cpic10000_{tag}"] = big

    offscreen = dict(gui)
    offscreen["QT_QPA_PLATFORM"] = "offscreen"
    gui_set(offscreen, "offscreen")

    if shutil.which("Xvfb"):
        display = ":87"
        xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten",
                                 "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            time.sleep(1.0)
            x11 = dict(gui)
            x11["DISPLAY"] = display
            x11["QT_QPA_PLATFORM"] = "xcb"
            gui_set(x11, "xvfb")
        finally:
            xvfb.terminate()
            xvfb.wait()
    shutil.rmtree(work, ignore_errors=True)
    json.dump(result, sys.stdout, indent=2)
    print()


if __name__ == "__main__":
    main()
