#!/usr/bin/env python3
"""Writes docs/performance.md and docs/performance-growth.png from one bench.sh run.
Usage: bench_report.py RESULTS_DIR DOCS_DIR"""
import json
import os
import platform
import subprocess
import sys
import time

SIZES = [100, 1000, 10000, 100000]


def load(results, name):
    with open(os.path.join(results, name)) as f:
        return json.load(f)


SHEET_KINDS = [(16, "global settings"), (26, "APPC server list"), (12, "CPI-C side information"),
               (13, "transaction program"), (27, "LUx profile"), (28, "midrange systems")]
SHEET_FILES = [(40, 1), (10000, 100), (100000, 1000)]


def sheets(add, t, us):
    """The sheets' open to first paint and the midrange Add, with the three goals. t maps
    a benchmark to its fastest repetition where it has one."""
    def sheet(kind, existing, sections, systems):
        name = (f"BM_Sheet/kind:{kind}/existing:{existing}/sections:{sections}/"
                f"systems:{systems}/manual_time")
        return us(name) if name in t else None

    if sheet(12, 0, 40, 1) is None:
        return
    add("## Sheets")
    add("")
    add("Every sheet opened as the main window opens it, through the document's option "
        "dispatch (`CCfgDoc::EditOptionRecord`), from the call to the sheet's first paint, "
        "offscreen (`bench/gui/bench_sheets.cpp`): on a new record and on the middle record of "
        "the list, on files of 40, 10,000 and 100,000 sections (midrange systems 1% of the "
        "records: 1, 100 and 1,000). CPU time of the GUI thread in microseconds, the fastest "
        "of the repetitions: on this shared machine the wall clock mostly measures the other "
        "programs running, and nothing on this path waits; even the thread's CPU time of a "
        "sheet that reads nothing from the file varies by 15% from one repetition to the "
        "next, and that only ever adds, so the fastest repetition is the sheet's own cost. \"/ CPI-C\" compares with the CPI-C sheet on the same "
        "record and file, \"10k / 40\" the 10,000-section file with the small one.")
    add("")
    add("| sheet | record | 40 | 10,000 | 100,000 | / CPI-C (worst) | 10k / 40 |")
    add("|---|---|---:|---:|---:|---:|---:|")
    worst_cpic, worst_growth = (0.0, ""), (0.0, "")
    for kind, label in SHEET_KINDS:
        for existing in (0, 1):
            v = [sheet(kind, existing, n, s) for n, s in SHEET_FILES]
            c = [sheet(12, existing, n, s) for n, s in SHEET_FILES]
            if None in v or None in c:
                continue
            vs_cpic = max(a / b for a, b in zip(v, c))
            growth = v[1] / v[0]
            which = f"{label}, {'existing' if existing else 'new'}"
            worst_cpic = max(worst_cpic, (vs_cpic, which))
            worst_growth = max(worst_growth, (growth, which))
            add(f"| {label} | {'existing' if existing else 'new'} | " +
                " | ".join(f"{x:,.0f}" for x in v) + f" | {vs_cpic:.2f}× | {growth:.2f}× |")
    many = [sheet(28, e, 100000, 10000) for e in (0, 1)]
    add("")
    if None not in many:
        add(f"The midrange sheet on a 100,000-section file with 10,000 systems: "
            f"{many[0]:,.0f} µs new, {many[1]:,.0f} µs on the systems (each listed and sorted "
            "into the list and the default's box).")
        add("")
    add("The midrange Add: the Basic page's Add, the System Properties dialog shown and "
        "cancelled at its first paint, until the page has listed the systems again and "
        "painted (CPU time of the GUI thread, the fastest repetition).")
    add("")
    add("| sections | systems | Add |")
    add("|---:|---:|---:|")
    adds = {}
    for n, s in SHEET_FILES + [(100000, 10000)]:
        name = f"BM_Sheet/midrange_add/sections:{n}/systems:{s}/manual_time"
        if name in t:
            adds[s] = us(name)
            add(f"| {n:,} | {s:,} | {adds[s] / 1000:,.1f} ms |")
    add("")
    add("| goal | measured | met |")
    add("|---|---:|---|")
    add(f"| every sheet within 1.5× the CPI-C sheet's time on the same file | "
        f"{worst_cpic[0]:.2f}× ({worst_cpic[1]}) | {'yes' if worst_cpic[0] <= 1.5 else 'no'} |")
    add(f"| every sheet on 10,000 sections within 1.2× its time on 40 | "
        f"{worst_growth[0]:.2f}× ({worst_growth[1]}) | "
        f"{'yes' if worst_growth[0] <= 1.2 else 'no'} |")
    if 10000 in adds:
        add(f"| the midrange Add with 10,000 systems within 50 ms | {adds[10000] / 1000:.1f} ms | "
            f"{'yes' if adds[10000] <= 50000 else 'no'} |")
    add("")


def process_growth(start, pair):
    """The goal row of the whole file listed by `apicfg-tool list`, one process a run (the
    medians of the runs), beside the C program with inih run the same way."""
    def steps(prefix):
        t = [start[f"{prefix}_{n}"]["median_ms"] for n in (1000, 10000, 100000)]
        return [t[1] / t[0], t[2] / t[1]]

    v = steps("tool_list")
    return ("list, `apicfg-tool list FILE` run as a whole process: ten times the sections "
            "within 11.5× the time (1,000 → 10,000 → 100,000)",
            f"{pair(v)} (medians of {start['runs']} runs)",
            f"the C program with inih {pair(steps('floor_inih'))}", max(v) <= 11.5)


def goals(add, us, fast, start, measured):
    """The goals, each one measured in this run, and beside each growth what the machine
    alone grows in the same run: reading the bytes and inih for the whole-file operations,
    the bare walk over the same records for the lists. A growth is judged by the fastest
    repetitions (`fast`), with the medians' (`us`) beside it."""
    rows = []
    ratios = [us(f"BM_Read_Store/{n}") / us(f"BM_Inih_Parse/{n}") for n in (1000, 10000)]
    rows.append(("reading within 1.5× inih (1,000 and 10,000 sections)",
                 f"{ratios[0]:.2f}× and {ratios[1]:.2f}×", "", max(ratios) <= 1.5))

    def steps(op, time=fast):
        return [time(f"{op}/{b}") / time(f"{op}/{a}") for a, b in ((1000, 10000), (10000, 100000))]

    def pair(v):
        return f"{v[0]:.1f}× and {v[1]:.1f}×"

    reading = (f"reading the bytes {pair(steps('BM_Floor_ReadBytes'))}; "
               f"inih {pair(steps('BM_Inih_Parse'))}")
    whole = [("open", "BM_Document/open", reading), ("save", "BM_Document/save", reading),
             ("check", "BM_Problems/all", reading)]
    if "BM_Document/list/1000" in measured:
        whole.append(("list, the whole file as `apicfg-tool list FILE` lists it, in one process",
                      "BM_Document/list", reading))
    for label, op, floor in whole:
        v = steps(op)
        rows.append((f"{label}: ten times the sections within 11.5× the time "
                     "(1,000 → 10,000 → 100,000)", f"{pair(v)} (medians {pair(steps(op, us))})",
                     floor, max(v) <= 11.5))
    if "tool_list_100000" in start:
        rows.append(process_growth(start, pair))
    tool = start["tool_list_100"]["median_ms"] / start["floor_inih_100"]["median_ms"]
    cxx = ""
    if "floor_cxx" in start:
        runtime = start["floor_cxx"]["median_ms"] / start["floor_inih_100"]["median_ms"]
        cxx = f"an empty C++ program {runtime:.2f}×"
    rows.append(("`apicfg-tool list` (100 sections) within 2× the minimal C program with inih",
                 f"{tool:.2f}×", cxx, tool <= 2.0))
    for tag in ("xvfb", "offscreen"):
        if f"floor_qt_{tag}" in start:
            editor = start[f"editor_1000_{tag}"]["median_ms"] / start[f"floor_qt_{tag}"]["median_ms"]
            rows.append((f"editor's first paint, 1,000-section file, within 1.2× the minimal Qt "
                         f"window ({tag})", f"{editor:.2f}×", "", editor <= 1.2))
            break
    add("## Goals")
    add("")
    add("A growth is the ratio of the fastest of the nine repetitions at each size, the "
        "medians' ratio beside it: the other programs on this shared machine only ever add "
        "time, and the medians of repetitions that vary by a fifth move a ratio by as much "
        "from one run to the next. The tool run as a whole process is timed as the starts "
        "below are: the median of its runs, the sizes and the C program interleaved. In one "
        "process, each round reads into a heap the round before has left for the allocator "
        "to tidy; a process of its own starts from an empty one, as every `apicfg-tool list` "
        "does.")
    add("")
    add("| goal | measured | met | the same growth, measured alone |")
    add("|---|---:|---|---|")
    for goal, value, floor, met in rows:
        add(f"| {goal} | {value} | {'yes' if met else 'no'} | {floor} |")
    add("")
    one_kind_lists(add, steps, pair, measured)


def one_kind_lists(add, steps, pair, measured):
    """The main window's list of one kind, on a store already in memory, beside the bare
    walk over the same records: no whole-file operation, so no goal, but what a click on
    an option costs as the file grows."""
    add("The main window's list of one option kind reads no file: it walks the records of "
        "that kind in a store already in memory. It has no goal of its own; beside it is "
        "the least such a walk can cost (reaching each record and one byte of its first "
        "key), which grows as much once the store no longer fits the processor's caches.")
    add("")
    add("| list of one kind | 1,000 → 10,000 → 100,000 | walking its records alone |")
    add("|---|---:|---:|")
    for k in ("global", "appc", "cpic", "tp", "lux", "midrange"):
        walk = f"BM_Floor_WalkRecords/{k}"
        floor = pair(steps(walk)) if f"{walk}/1000" in measured else ""
        add(f"| {k} | {pair(steps(f'BM_List/{k}'))} | {floor} |")
    add("")


def main():
    results, docs = sys.argv[1], sys.argv[2]
    bench = load(results, "bench.json")
    memory = load(results, "memory.json")
    start = load(results, "startup.json")
    if os.path.exists(os.path.join(results, "bench-gui.json")):
        bench["benchmarks"] += load(results, "bench-gui.json")["benchmarks"]
    medians = [b for b in bench["benchmarks"]
               if b.get("aggregate_name", "median") == "median" and "error_occurred" not in b]
    t = {b["run_name"]: b["real_time"] for b in medians}
    unit = {b["run_name"]: b["time_unit"] for b in medians}

    # The fastest repetition of each, where the benchmark asks for it.
    fastest = {b["run_name"]: b["real_time"] for b in bench["benchmarks"]
               if b.get("aggregate_name") == "min" and "error_occurred" not in b}

    def in_us(name, value):
        return value * {"ns": 1e-3, "us": 1.0, "ms": 1e3}[unit[name]]

    def us(name):
        return in_us(name, t[name])

    def fast(name):
        return in_us(name, fastest.get(name, t[name]))

    ops = sorted({k.rsplit("/", 1)[0] for k in t})
    lines = []
    add = lines.append
    add("# Performance")
    add("")
    add("Every figure here comes from one run of `scripts/bench.sh` on this project's machine "
        f"({os.cpu_count()} cores, {platform.machine()}), measured side by side so that the "
        "ratios hold on a noisy machine. Files are generated by `bench/config_generator.cpp`: "
        "one `GLOBAL`, `APPC` and `TRACE`, about 1% `NODEX_SYSTEM`, and otherwise 45% "
        "`CPIC_INFO`, 25% `CLIENT_ATTACH` and 30% `LUX_PROFILE`, with CR LF line ends and no "
        "continuation lines (so that inih reads the same sections, keys and values).")
    add("")
    add(f"Reproduce: `scripts/bench.sh` (measured {time.strftime('%Y-%m-%d')}).")
    add("")
    goals(add, us, fast, start, t)
    add("## Reading, against the floor and inih")
    add("")
    add("The floor reads the file's bytes into memory (open, size, one buffer, read). inih "
        "parses the same file with a handler that copies every section, key and value into "
        "memory. Ours reads the file into the configuration store (`cfgReadFile`). Median "
        "times in microseconds, of nine repetitions taken in random order with every other "
        "benchmark.")
    add("")
    add("| sections | file | floor | inih | ours | ours / inih | ours / floor |")
    add("|---:|---:|---:|---:|---:|---:|---:|")
    for n in SIZES:
        f, i, r = us(f"BM_Floor_ReadBytes/{n}"), us(f"BM_Inih_Parse/{n}"), us(f"BM_Read_Store/{n}")
        own = os.path.join(os.environ.get("APICFG_BENCH_INPUT", ""), f"input-{n}.ini")
        path = own if os.environ.get("APICFG_BENCH_INPUT") and os.path.exists(own) else \
            f"/dev/shm/apicfg-bench/generated-{n}.ini"
        size = os.path.getsize(path) if os.path.exists(path) else 0
        add(f"| {n:,} | {size / 1e6:.2f} MB | {f:,.0f} | {i:,.0f} | {r:,.0f} | "
            f"{r / i:.2f}× | {r / f:.1f}× |")
    add("")
    add("## Growth from 100 to 100,000 sections")
    add("")
    add("Each operation's median time in microseconds, and what ten times the sections cost. "
        "`List/KIND` is the main window's listing of an option kind through the document, on "
        "a store already in memory; `Document/list` reads the file and lists every kind, as "
        "`apicfg-tool list FILE` does; "
        "`Record/KIND` reads one record of the kind, writes a new one and deletes it again "
        "(for the one-record kinds: reads and rewrites the record); `Document/open_save` is "
        "the whole open (with its check for entries of the older form) and save (with its "
        "read-back).")
    add("")
    add("| operation | 100 | 1,000 | 10,000 | 100,000 | 10k / 1k | 100k / 10k |")
    add("|---|---:|---:|---:|---:|---:|---:|")
    for op in ops:
        if not all(f"{op}/{n}" in t for n in SIZES):
            continue
        v = [us(f"{op}/{n}") for n in SIZES]
        add(f"| {op.removeprefix('BM_')} | " + " | ".join(f"{x:,.1f}" for x in v) +
            f" | {v[2] / v[1]:.1f}× | {v[3] / v[2]:.1f}× |")
    add("")
    add("![Growth](performance-growth.png)")
    add("")
    add("## Problems, review and undo")
    add("")
    add("What the editor does beyond the records, against opening the same file "
        "(`Document/open`: `CCfgDoc::OnOpenDocument`, with its check for entries of the older "
        "form and the file's state for the changed-on-disk check). `Problems/all` finds every "
        "record's problems, which the problems panel shows after every change; "
        "`Review/delete_one` computes what a save would write after one CPI-C entry was "
        "deleted and its unified difference to the file; `Store/copy` is one undo step's copy "
        "of the store. Median times in microseconds.")
    add("")
    add("| sections | open | problems | problems / open | review | store copy | store size |")
    add("|---:|---:|---:|---:|---:|---:|---:|")
    sizes = {b["run_name"]: b for b in medians}
    for n in (1000, 10000, 100000):
        names = [f"BM_Document/open/{n}", f"BM_Problems/all/{n}", f"BM_Review/delete_one/{n}",
                 f"BM_Store/copy/{n}"]
        if not all(k in t for k in names):
            continue
        o, p, r, c = (us(k) for k in names)
        mb = sizes[f"BM_Store/copy/{n}"].get("store_MB", 0.0)
        add(f"| {n:,} | {o:,.0f} | {p:,.0f} | {p / o:.2f}× | {r:,.0f} | {c:,.0f} | "
            f"{mb:.1f} MB |")
    add("")
    add("The problems panel itself, in the editor (offscreen, `bench/gui/bench_problems_panel.cpp`): "
        "finding the problems, giving them to the panel and letting it lay out and paint, "
        "against opening the same file; on the generated file (no problems) and on the same "
        "file with a fault in every record, so that every record is a row.")
    add("")
    add("| sections | file | open | panel filled | filled / open |")
    add("|---:|---|---:|---:|---:|")
    for n in (1000, 10000):
        for faulty, label in ((0, "generated"), (1, "a fault in every record")):
            o = f"BM_Panel/open/sections:{n}/faulty:{faulty}"
            f = f"BM_Panel/fill/sections:{n}/faulty:{faulty}"
            if o in t and f in t:
                add(f"| {n:,} | {label} | {us(o):,.0f} | {us(f):,.0f} | {us(f) / us(o):.2f}× |")
    add("")
    # The sheets take their fastest repetition (see there).
    sheets(add, {**t, **fastest}, fast)
    add("## Memory")
    add("")
    rd, os_ = memory["read"], memory["open_save"]
    add("Growth of the process's peak resident size (`ru_maxrss`) for the 100,000-section "
        "file, `bench/peak_memory.cpp`:")
    add("")
    add("| what | file | peak growth | peak / file |")
    add("|---|---:|---:|---:|")
    add(f"| read into the store | {rd['file_bytes'] / 1e6:.1f} MB | "
        f"{rd['peak_growth_bytes'] / 1e6:.1f} MB | {rd['peak_growth_bytes'] / rd['file_bytes']:.2f}× |")
    add(f"| document open + save | {os_['file_bytes'] / 1e6:.1f} MB | "
        f"{os_['peak_growth_bytes'] / 1e6:.1f} MB | "
        f"{os_['peak_growth_bytes'] / os_['file_bytes']:.2f}× |")
    add("")
    add("## Whole-process start")
    add("")
    add(f"Median of {start['runs']} runs each, the compared programs interleaved "
        "(`bench/measure_run.c`, `scripts/bench_startup.py`). The tool runs `apicfg-tool list` "
        "on a 100-section file against `bench/min_inih_list.c`, a minimal C program that parses "
        "the same file with inih and prints the record names, and against an empty C++ program "
        "that writes one line, which shows what the C++ runtime alone costs at every start. "
        "The editor runs from process "
        "start to the main window's first paint (`APICFG_QUIT_AFTER_FIRST_PAINT=1`) against "
        "`bench/min_qt_window.cpp`, a QApplication with a main window holding a list and three "
        "buttons that ends at its first paint the same way.")
    add("")
    add("| measurement | ours | floor | ratio | peak memory ratio |")
    add("|---|---:|---:|---:|---:|")

    def row(label, ours, floor):
        o, f = start[ours], start[floor]
        add(f"| {label} | {o['median_ms']:.2f} ms | {f['median_ms']:.2f} ms | "
            f"{o['median_ms'] / f['median_ms']:.2f}× | {o['peak_kib'] / f['peak_kib']:.2f}× |")

    row("`apicfg-tool list`, 100 sections", "tool_list_100", "floor_inih_100")
    if "floor_cxx" in start:
        row("an empty C++ program (`bench/min_cxx_program.cpp`), against the same C program",
            "floor_cxx", "floor_inih_100")
        row("`apicfg-tool list`, 100 sections, against the empty C++ program", "tool_list_100",
            "floor_cxx")
    for tag in ("xvfb", "offscreen"):
        if f"floor_qt_{tag}" in start:
            row(f"editor, 1,000-section file, {tag}", f"editor_1000_{tag}", f"floor_qt_{tag}")
    for tag in ("xvfb", "offscreen"):
        if f"editor_empty_{tag}" in start:
            row(f"editor, 10,000 CPI-C entries listed, against no file, {tag}",
                f"editor_cpic10000_{tag}", f"editor_empty_{tag}")
    add("")

    # The measured part of the page sits between two markers; the prose around it is kept.
    page = os.path.join(docs, "performance.md")
    begin, end = "<!-- measured: scripts/bench.sh writes from here -->", "<!-- measured end -->"
    text = open(page).read() if os.path.exists(page) else f"{begin}\n{end}\n"
    head, rest = text.split(begin, 1)
    tail = rest.split(end, 1)[1]
    with open(page, "w") as f:
        f.write(head + begin + "\n" + "\n".join(lines[2:]) + "\n" + end + tail)

    data = os.path.join(results, "growth.dat")
    with open(data, "w") as f:
        plotted = ["BM_Read_Store", "BM_Inih_Parse", "BM_Floor_ReadBytes", "BM_List/cpic",
                   "BM_Record/cpic", "BM_Document/open_save"]
        f.write("sections " + " ".join(p.removeprefix("BM_") for p in plotted) + "\n")
        for n in SIZES:
            f.write(f"{n} " + " ".join(f"{us(f'{p}/{n}'):.3f}" for p in plotted) + "\n")
    script = f"""
set terminal pngcairo size 800,500 font ",10"
set output '{os.path.join(docs, "performance-growth.png")}'
set logscale xy
set xlabel 'sections'
set ylabel 'microseconds (median)'
set key left top
set grid
set key autotitle columnhead noenhanced
plot for [i=2:7] '{data}' using 1:i with linespoints
"""
    subprocess.run(["gnuplot"], input=script, text=True, check=True)


if __name__ == "__main__":
    main()
