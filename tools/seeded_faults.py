#!/usr/bin/env python3
"""Seeds one fault at a time into the program, rebuilds, runs the tests and says which caught it.
usage: [SEEDED_TESTS=ctest-regex] seeded_faults.py REPO_DIR [fault-name ...]"""
import subprocess, sys, os, time

FAULTS = [
    ("best-of-round-rounds-half-up", "scoring/results.cpp",
     "best[r] = {std::nearbyint(score), i};", "best[r] = {std::round(score), i};"),
    ("equal-totals-do-not-share-a-place", "scoring/results.cpp",
     "pilot.Placed += contest.Pilots[j].Total > pilot.Total ? 1 : 0;",
     "pilot.Placed += contest.Pilots[j].Total >= pilot.Total && j != i ? 1 : 0;"),
    ("latest-weakest-round-dropped", "scoring/results.cpp",
     "if (pilot.RoundPoints[r] < pilot.LowestPoints) {", "if (pilot.RoundPoints[r] <= pilot.LowestPoints) {"),
    ("format-truncates-instead-of-rounding", "core/format.cpp",
     "return std::floor(scaled + 0.5L);", "return std::floor(scaled);"),
    ("extremes-dropped-from-three-marks", "scoring/marks.h",
     "return given >= MarksToDropExtremes && resultMethod == 0;",
     "return given >= MarksToDropExtremes - 1 && resultMethod == 0;"),
    ("display-lines-end-in-line-feed", "display/displayprotocol.cpp",
     "constexpr char kCarriageReturn = '\\r';", "constexpr char kCarriageReturn = '\\n';"),
    ("empty-cell-stored-as-nothing", "scoring/scorefiles.cpp",
     ": QByteArray(\"0\");", ": QByteArray(\"\");"),
    ("round-totals-forget-the-bonus", "scoring/marks.cpp",
     "    RoundTotals totals;\n    std::int64_t raw = marks.bonus();",
     "    RoundTotals totals;\n    std::int64_t raw = 0;"),
    ("failed-commit-reported-as-success", "core/savefile.cpp",
     "if (!file.commit())", "if (!file.commit() && file.size() < 0)"),
    ("results-step-skips-the-results-file", "scoring/results.cpp",
     "results.read = ReadPreviousScores(results.contest, work, results.options.rounds);",
     "results.read = Status::success();"),
]

def run(cmd, cwd, timeout=3600):
    return subprocess.run(cmd, cwd=cwd, shell=True, capture_output=True, text=True, errors="replace", timeout=timeout)

def main():
    repo = os.path.abspath(sys.argv[1]); wanted = set(sys.argv[2:])
    build = os.path.join(repo, "build")
    rows = []
    for name, path, old, new in FAULTS:
        if wanted and name not in wanted:
            continue
        full = os.path.join(repo, path)
        text = open(full, encoding="utf-8").read()
        if text.count(old) != 1:
            rows.append((name, "NOT SEEDED (pattern not found once)")); continue
        open(full, "w", encoding="utf-8").write(text.replace(old, new))
        try:
            b = run("cmake --build build -j2", repo)
            if b.returncode != 0:
                rows.append((name, "BUILD FAILED")); continue
            only = os.environ.get("SEEDED_TESTS")
            t = run("ctest -E formatting --output-on-failure -j1" + (f" -R '{only}'" if only else ""), build)
            lines = t.stdout.splitlines()
            at = next((k for k, l in enumerate(lines) if "The following tests FAILED" in l), None)
            failed = [] if at is None else [l.split(" - ", 1)[1].split(" (")[0]
                                            for l in lines[at + 1:] if " - " in l]
            cases = sorted({l.split("]", 1)[1].strip().split(" ")[0] for l in lines
                            if l.startswith("[  FAILED  ]") and "," not in l and "listed below" not in l})
            detail = " (" + ", ".join(cases[:4]) + (" ..." if len(cases) > 4 else "") + ")" if cases else ""
            rows.append((name, "caught by " + ", ".join(failed) + detail if failed else "NOT CAUGHT"))
        finally:
            open(full, "w", encoding="utf-8").write(text)
        print(rows[-1], flush=True)
    run("cmake --build build -j2", repo)
    print("\n| seeded fault | result |\n|---|---|")
    for n, r in rows:
        print(f"| {n} | {r} |")

main()
