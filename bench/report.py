#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs the benchmarks and prints each figure beside its baseline, the ratio and the target.

Every benchmark runs several times, the repetitions of all benchmarks interleaved in random
order, so a job and its baseline see the same machine; the table shows the medians.

    bench/report.py [BUILD_BENCH_DIR] [--repetitions N] [--out FILE]
"""
import argparse
import datetime
import json
import os
import subprocess
import sys

US = 1e-6
MS = 1e-3
UNIT = {"ns": 1e-9, "us": US, "ms": MS, "s": 1.0}
MB = 1 << 20
# A record is the separator line and 17 fields; its picture file is the fifth field.
FIELDS_PER_RECORD = 18
PICTURE_FIELD = 4


def run(binary, repetitions, min_time):
    cmd = [binary, "--benchmark_format=json", f"--benchmark_repetitions={repetitions}",
           "--benchmark_enable_random_interleaving=true",
           "--benchmark_report_aggregates_only=true", f"--benchmark_min_time={min_time}"]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    done = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env,
                          check=True, text=True)
    return json.loads(done.stdout)


def medians(report):
    """Median of each benchmark: its time in seconds and its counters."""
    found = {}
    # With a single repetition there are no aggregates: the one run is the median.
    wanted = "median" if any(b.get("aggregate_name") == "median"
                             for b in report["benchmarks"]) else None
    for b in report["benchmarks"]:
        if b.get("aggregate_name") != wanted:
            continue
        if b.get("error_occurred"):
            raise SystemExit(f"{b['run_name']}: {b.get('error_message')}")
        name = b["run_name"].split("/iterations:")[0].removesuffix("/manual_time")
        counters = {k: v for k, v in b.items() if k not in (
            "name", "family_index", "per_family_instance_index", "run_name", "run_type",
            "repetitions", "threads", "aggregate_name", "aggregate_unit", "iterations",
            "real_time", "cpu_time", "time_unit")}
        found[name] = dict(time=b["real_time"] * UNIT[b["time_unit"]], **counters)
    return found


def database_fields(data):
    """The fields of a database file in order, read as the game reads them: a quoted field runs
    to the next double quote, an unquoted one to the next comma or line end."""
    pos, end = 0, len(data)
    while pos < end:
        while pos < end and data[pos] in " \t":
            pos += 1
        if pos < end and data[pos] == '"':
            close = data.find('"', pos + 1)
            close = end if close < 0 else close
            field = data[pos + 1:close]
            pos = min(close + 1, end)
            while pos < end and data[pos] not in ",\r\n":
                pos += 1
        else:
            start = pos
            while pos < end and data[pos] not in ",\r\n":
                pos += 1
            field = data[start:pos].strip(" \t")
        if data.startswith("\r\n", pos):
            pos += 2
        elif pos < end:
            pos += 1
        yield field


def item_pictures(data_dir):
    """The total size in bytes of the picture files the database names (each file once), how
    many files that is, and how many of them are missing."""
    with open(os.path.join(data_dir, "drem.dat"), encoding="cp1252") as db:
        fields = list(database_fields(db.read()))
    names = {fields[i + PICTURE_FIELD].strip()
             for i in range(0, len(fields) - PICTURE_FIELD, FIELDS_PER_RECORD)}
    names.discard("")
    paths = [os.path.join(data_dir, name) for name in names]
    present = [p for p in paths if os.path.isfile(p)]
    return sum(os.path.getsize(p) for p in present), len(names), len(paths) - len(present)


def fmt(seconds):
    if seconds is None:
        return ""
    if seconds >= 1:
        return f"{seconds:.2f} s"
    if seconds >= MS:
        return f"{seconds / MS:.2f} ms"
    if seconds >= US:
        return f"{seconds / US:.2f} µs"
    return f"{seconds / 1e-9:.0f} ns"


class Table:
    def __init__(self, figures):
        self.f = figures
        self.rows = []
        self.missed = []

    def t(self, name, counter="time"):
        return self.f[name][counter]

    def add(self, job, figure, baseline="", ratio="", target="", verdict=""):
        self.rows.append((job, figure, baseline, ratio, target, verdict))
        if verdict == "missed":
            self.missed.append(job)

    def ratio(self, job, name, base, limit, base_label=""):
        a, b = self.t(name), self.t(base)
        r = a / b
        self.add(job, fmt(a), (base_label + " " if base_label else "") + fmt(b), f"{r:.2f}",
                 f"ratio ≤ {limit}", "met" if r <= limit else "missed")

    def under(self, job, seconds, limit, baseline="", ratio="", target=None):
        self.add(job, fmt(seconds), baseline, ratio, target or f"< {fmt(limit)}",
                 "met" if seconds < limit else "missed")

    def growth(self, job, names, counter="time"):
        sizes = [int(n.rsplit("/", 1)[1]) for n in names]
        times = [self.t(n, counter) for n in names]
        per_item = [t / s for t, s in zip(times, sizes)]
        # Linear or better: the cost per item at the largest size is no more than at the
        # smallest, give or take a quarter for noise.
        worst = per_item[-1] / per_item[0]
        figure = " / ".join(fmt(t) for t in times)
        self.add(job, figure, "", f"{times[-1] / times[0]:.2f} for {sizes[-1] // sizes[0]}× items",
                 "linear or better", "met" if worst <= 1.25 else "missed")

    def markdown(self):
        head = ("Job", "Figure", "Baseline", "Ratio", "Target", "Verdict")
        lines = ["| " + " | ".join(head) + " |", "|" + "---|" * len(head)]
        lines += ["| " + " | ".join(r) + " |" for r in self.rows]
        return "\n".join(lines)


def build_table(f, data_dir):
    t = Table(f)

    def c(name, counter):
        return t.t(name, counter)

    def ratio(job, name, counter, base, limit, base_label):
        a, b = c(name, counter), c(name, base)
        t.add(job, fmt(a), f"{base_label} {fmt(b)}", f"{a / b:.2f}", f"ratio ≤ {limit}",
              "met" if a / b <= limit else "missed")

    def beside(job, name, counter, base):
        a, b = c(name, counter), c(name, base)
        t.add(job, fmt(a), fmt(b), f"{a / b:.2f}")

    ratio("`readdb`, 500 records", "BM_readdb_vs_floor", "readdb", "floor", 3, "read + count")
    t.add("… of which parsing the bytes (`parsedb`)", fmt(t.t("BM_parsedb")))
    ratio("`writedb`, 500 records, durable atomic save", "BM_writedb_vs_floor", "writedb", "floor",
          1.5, "write + fsync + rename")
    beside("… against the floor with the folder flushed too", "BM_writedb_vs_floor", "writedb",
           "floor_folder_sync")
    t.add("… of which formatting the bytes (`formatdb`)", fmt(t.t("BM_formatdb")))
    ratio("`getini`", "BM_getini_vs_floor", "getini", "floor", 2, "one read")
    ratio("`putini`, a changed configuration", "BM_putini_vs_floor", "putini", "floor", 2,
          "write + fsync + rename")
    beside("`putini`, nothing changed", "BM_putini_vs_floor", "putini_unchanged", "floor")
    draw = t.t("BM_random_draw")
    typical = t.t("BM_pickitem_typical/500", "per_pick")
    t.under("`pickitem`, typical pick, 500 items", typical, 2 * US, "one draw " + fmt(draw),
            f"{typical / draw:.1f}")
    t.under("`pickitem`, give-up: nothing within the difficulty",
            t.t("BM_pickitem_give_up_difficulty"), 500 * US)
    t.under("`pickitem`, give-up: every item fails the last rule",
            t.t("BM_pickitem_give_up_last_rule"), 500 * US)
    t.growth("cost growth: `readdb` at 50 / 250 / 500 records",
             ["BM_readdb/50", "BM_readdb/250", "BM_readdb/500"])
    t.growth("cost growth: typical `pickitem` at 50 / 250 / 500 items",
             ["BM_pickitem_typical/50", "BM_pickitem_typical/250", "BM_pickitem_typical/500"],
             "per_pick")
    for screen in ("mchoice", "quote", "qoddout", "Ioddout", "imatch", "qmatch", "NameMe", "qsort"):
        t.under(f"building the question of `{screen}`", t.t(f"BM_build_{screen}"), 20 * US)
    t.add("a whole scripted 10-question game, quiz log at level 1", fmt(t.t("BM_whole_game")),
          target="report")
    ratio("start-up to the main window shown and idle (offscreen), shipped database",
          "BM_startup", "program", "bare_text", 1.15, "bare Qt window with a label and a button")
    beside("… against the empty bare Qt window", "BM_startup", "program", "bare")
    beside("… with a 500-record database", "BM_startup", "program_500", "bare")
    beside("… bare Qt window, linked with Qt Multimedia", "BM_startup", "bare_multimedia", "bare")
    beside("… bare Qt window with a label and a button", "BM_startup", "bare_text", "bare")
    mb, bare_mb = c("BM_startup", "program_MB"), c("BM_startup", "bare_MB")
    t.add("peak memory of that start-up (ru_maxrss)", f"{mb:.1f} MB", f"{bare_mb:.1f} MB",
          f"+{mb - bare_mb:.1f} MB", "≤ +20 MB", "met" if mb - bare_mb <= 20 else "missed")
    for name, label in (("BM_resize_storm_drag", "resize storm, every event a new size (drag)"),
                        ("BM_resize_storm_same_size", "resize storm, every event the same size")):
        t.under(label + ", median per event", t.t(name), 2 * MS,
                f"of which the handler {fmt(c(name, 'handler_ms') * MS)}; "
                f"p90 {fmt(c(name, 'p90_ms') * MS)}")
    created = c("BM_picture_window_first_paint", "created_ms") * MS
    t.under("a picture question (`imatch`, four shipped pictures) from creating the window to "
            "its first paint", t.t("BM_picture_window_first_paint"), 16 * MS,
            f"of which creating the window {fmt(created)}", target="< 16 ms")
    size, files, missing = item_pictures(data_dir)
    t.add("item pictures named in drem.dat, total size", f"{size / MB:.2f} MB",
          f"{files} files" + (f", {missing} of them missing" if missing else ""), "", "< 8 MB",
          "met" if size < 8 * MB else "missed")
    return t


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("bench_dir", nargs="?",
                        default=os.path.join(os.path.dirname(here), "build", "bench"))
    parser.add_argument("--repetitions", type=int, default=5)
    parser.add_argument("--min-time", type=float, default=0.2)
    parser.add_argument("--out", help="also write the table (Markdown) to this file")
    parser.add_argument("--data", default=os.path.join(os.path.dirname(here), "data"),
                        help="the game data folder whose pictures are measured")
    args = parser.parse_args()

    load_before = os.getloadavg()
    started = datetime.datetime.now()
    figures = medians(run(os.path.join(args.bench_dir, "stratavex_bench"), args.repetitions,
                          args.min_time))
    figures.update(medians(run(os.path.join(args.bench_dir, "stratavex_window_bench"),
                               args.repetitions, args.min_time)))
    load_after = os.getloadavg()

    table = build_table(figures, args.data)
    note = (f"{started:%Y-%m-%d %H:%M}, {os.cpu_count()} cores, load average "
            f"{load_before[0]:.2f} before and {load_after[0]:.2f} after the run; medians of "
            f"{args.repetitions} interleaved repetitions")
    text = table.markdown() + "\n\n" + note + "\n"
    print(text)
    if args.out:
        with open(args.out, "w", encoding="utf-8") as out:
            out.write(text)
    if table.missed:
        print("Targets missed: " + "; ".join(table.missed), file=sys.stderr)


if __name__ == "__main__":
    main()
