#!/usr/bin/env python3
"""Line and branch coverage of src/ per module, from the coverage preset's build.

Builds the `coverage` preset (debug, --coverage, no sanitizers), clears the counters, runs the
whole suite, and prints one row per folder of src/ (windows split by window folder) from gcovr's
per-file summary. The table also goes to build/coverage/copertura.txt. Not run by CI.

    python3 scripts/copertura.py [--senza-compilare]
"""

import argparse
import json
import subprocess
import sys
from collections import defaultdict
from pathlib import Path

RADICE = Path(__file__).resolve().parent.parent
COMPILAZIONE = RADICE / "build" / "coverage"


def modulo(file):
    parti = Path(file).parts  # src/<module>/... or src/windows/<window>/...
    return "/".join(parti[1:3]) if parti[1] == "windows" and len(parti) > 3 else parti[1]


def main():
    argomenti = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argomenti.add_argument("--senza-compilare", action="store_true",
                           help="use the counters of the last run as they are")
    opzioni = argomenti.parse_args()
    if not opzioni.senza_compilare:
        subprocess.run(["cmake", "--preset", "coverage"], cwd=RADICE, check=True,
                       stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", "--preset", "coverage"], cwd=RADICE, check=True)
        for f in COMPILAZIONE.rglob("*.gcda"):
            f.unlink()
        # Failures are reported by ctest; the counters of a partial run still say something.
        subprocess.run(["ctest", "--preset", "coverage", "-j2"], cwd=RADICE)
    sintesi = subprocess.run(
        ["gcovr", "-r", str(RADICE), "--filter", str(RADICE / "src") + "/",
         "--exclude-unreachable-branches", "--exclude-throw-branches",
         "--json-summary", "-", str(COMPILAZIONE)],
        cwd=RADICE, check=True, capture_output=True, text=True).stdout
    somme = defaultdict(lambda: [0, 0, 0, 0])
    for f in json.loads(sintesi)["files"]:
        for chiave in (modulo(f["filename"]), "total"):
            s = somme[chiave]
            s[0] += f["line_covered"]
            s[1] += f["line_total"]
            s[2] += f["branch_covered"]
            s[3] += f["branch_total"]
    righe = [f"{'module':18} {'lines':>15} {'%':>6} {'branches':>15} {'%':>6}"]
    for chiave in sorted(somme, key=lambda k: (k == "total", k)):
        lc, lt, bc, bt = somme[chiave]
        righe.append(f"{chiave:18} {lc:>7}/{lt:<7} {100 * lc / max(lt, 1):6.1f} "
                     f"{bc:>7}/{bt:<7} {100 * bc / max(bt, 1):6.1f}")
    testo = "\n".join(righe) + "\n"
    (COMPILAZIONE / "copertura.txt").write_text(testo)
    print(testo, end="")
    return 0


if __name__ == "__main__":
    sys.exit(main())
