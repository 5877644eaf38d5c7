#!/usr/bin/env python3
"""A mutation sample: how many small faults planted in the code the test suite notices.

Copies the tracked tree to build/mutanti/sorgenti (the working tree is never touched), builds it
once without sanitizers in build/mutanti/compilazione, then plants one mutant at a time (flip a
comparison, +1/-1 on an integer constant, negate a condition, delete a statement, swap && and
||), rebuilds only what changed, and runs only the test binaries that link the changed file, each
with a timeout. A mutant is killed when a test fails, crashes or runs out of time, survives when
every test passes, and is counted apart when it does not compile.

The sample is drawn with a fixed seed from the candidate sites of the non-window modules and of
the data-entry table's value logic, a fixed number per module, so that the same seed on the same
sources gives the same list. Results: build/mutanti/esito.txt (summary per module and the
survivors) and build/mutanti/esito.json (every mutant and its outcome). Not run by CI.

    python3 scripts/mutanti.py [--seme N] [--per-modulo N] [--solo N] [--nome NOME]
                               [--minuti M] [--solo-elenco] [--elenco ESITO.json]

--elenco replays an earlier sample after the code has moved on (the same mutants, found by their
line's text), so that a suite can be compared before and after a change of the tests.
"""

import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

RADICE = Path(__file__).resolve().parent.parent
CARTELLA = RADICE / "build" / "mutanti"
COPIA = CARTELLA / "sorgenti"
COMPILAZIONE = CARTELLA / "compilazione"

# Module name -> source files (relative to the repository) whose mutants count for it.
MODULI = {
    "runtime": ["src/runtime/*.cpp"],
    "platform": ["src/platform/*.cpp"],
    "archive": ["src/archive/*.cpp"],
    "dictionary": ["src/dictionary/*.cpp"],
    "isam": ["src/isam/*.cpp"],
    "fiscalcode": ["src/fiscalcode/*.cpp"],
    "tools": ["src/tools/comandi.cpp", "src/tools/costruttore.cpp"],
    "startup": ["src/startup/avvio.cpp", "src/startup/riassunzione.cpp"],
    "table": ["src/windows/table/valori.cpp", "src/windows/table/regole_campo.cpp"],
}
# Each module's own test binary runs first: most mutants die there.
PROPRIO = {"table": "test_windows"}

RELAZIONI = {" < ": " >= ", " > ": " <= ", " <= ": " > ", " >= ": " < ",
             " == ": " != ", " != ": " == "}
LOGICI = {" && ": " || ", " || ": " && "}
COSTANTE = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
CONDIZIONE = re.compile(r"\b(if|while) \(")
ISTRUZIONE = re.compile(
    r"^\s*(?:\+\+|--)?[A-Za-z_][\w:]*(?:(?:\.|->)[A-Za-z_]\w*|\[[^\]]*\])*"
    r"\s*(?:\(|=[^=]|\+=|-=|\*=|/=|\|=|&=|\+\+|--)")


def senza_letterali(riga):
    """The line with string and character literals blanked and the comment cut off, same length."""
    fuori, i, n = [], 0, len(riga)
    while i < n:
        c = riga[i]
        if c in "\"'":
            j = i + 1
            while j < n and riga[j] != c:
                j += 2 if riga[j] == "\\" else 1
            fuori.append(c + " " * (min(j, n - 1) - i - 1) + (c if j < n else ""))
            i = j + 1
            continue
        if riga.startswith("//", i):
            break
        fuori.append(c)
        i += 1
    return "".join(fuori).ljust(n)[:n]


def chiusa(testo, aperta):
    """Index of the parenthesis closing the one at `aperta`, or -1 if not on this line."""
    livello = 0
    for k in range(aperta, len(testo)):
        if testo[k] == "(":
            livello += 1
        elif testo[k] == ")":
            livello -= 1
            if livello == 0:
                return k
    return -1


def candidati(percorso, righe):
    """Every mutant of one file: (file, line number, kind, original line, mutated line)."""
    fuori = []
    precedente = ""
    for numero, riga in enumerate(righe, 1):
        pulita = senza_letterali(riga)
        nuda = pulita.strip()
        if not nuda or nuda.startswith(("#", "*", "/*")) or "static_assert" in nuda:
            precedente = nuda
            continue

        def aggiungi(tipo, inizio, fine, nuovo):
            fuori.append((percorso, numero, tipo, riga, riga[:inizio] + nuovo + riga[fine:]))

        for tabella, tipo in ((RELAZIONI, "relazione"), (LOGICI, "logico")):
            for vecchio, nuovo in tabella.items():
                for m in re.finditer(re.escape(vecchio), pulita):
                    aggiungi(tipo, m.start(), m.end(), nuovo)
        if not nuda.startswith(("case ", "template")):
            for m in COSTANTE.finditer(pulita):
                valore = int(m.group(1))
                aggiungi("costante+1", m.start(), m.end(), str(valore + 1))
                if valore > 0:
                    aggiungi("costante-1", m.start(), m.end(), str(valore - 1))
        for m in CONDIZIONE.finditer(pulita):
            aperta = m.end() - 1
            k = chiusa(pulita, aperta)
            if k > 0:
                aggiungi("negazione", aperta + 1, k,
                         "!(" + riga[aperta + 1:k] + ")")
        continuazione = precedente.endswith((",", "(", "=", "&&", "||", "+", "-", "?", ":", "<<"))
        if (ISTRUZIONE.match(pulita) and nuda.endswith(";") and not continuazione
                and pulita.count("(") == pulita.count(")") and not nuda.startswith("return")):
            rientro = riga[:len(riga) - len(riga.lstrip())]
            fuori.append((percorso, numero, "cancellazione", riga, rientro + ";\n"))
        precedente = nuda
    return fuori


def campione(seme, per_modulo, solo=None, moduli=None):
    scelta = random.Random(seme)
    mutanti = []
    for modulo, schemi in MODULI.items():
        tutti = []
        for schema in schemi:
            for f in sorted(RADICE.glob(schema)):
                rel = str(f.relative_to(RADICE))
                tutti += candidati(rel, f.read_text(encoding="latin-1").splitlines(keepends=True))
        presi = scelta.sample(tutti, min(per_modulo, len(tutti)))
        if moduli and modulo not in moduli:
            continue
        # The first `solo` of each module's draw: a smaller sample, still the same list.
        mutanti += [dict(modulo=modulo, file=c[0], riga=c[1], tipo=c[2],
                         prima=c[3].rstrip("\n"), dopo=c[4].rstrip("\n"))
                    for c in presi[:solo]]
    # Grouped by file, so that a file's object is rebuilt from the original once per file.
    mutanti.sort(key=lambda m: (m["file"], m["riga"], m["tipo"], m["dopo"]))
    return mutanti


def primi(elenco, solo):
    """The first `solo` mutants of each module, in the list's order."""
    if not solo:
        return elenco
    visti = {}
    return [m for m in elenco if (visti.__setitem__(m["modulo"], visti.get(m["modulo"], 0) + 1)
                                  or visti[m["modulo"]] <= solo)]


def ritrovati(elenco, moduli=None):
    """The mutants of an earlier run, each moved to the line of today's file with the same text
    nearest to where it was; those whose line is gone (code rewritten since) are set apart."""
    mutanti, spariti = [], []
    for m in elenco:
        if moduli and m["modulo"] not in moduli:
            continue
        m = {k: m[k] for k in ("modulo", "file", "riga", "tipo", "prima", "dopo")}
        percorso = RADICE / m["file"]
        righe = (percorso.read_text(encoding="latin-1").splitlines()
                 if percorso.is_file() else [])
        uguali = [n for n, r in enumerate(righe, 1) if r == m["prima"]]
        if not uguali:
            spariti.append(m)
            continue
        m["riga"] = min(uguali, key=lambda n: abs(n - m["riga"]))
        mutanti.append(m)
    mutanti.sort(key=lambda m: (m["file"], m["riga"], m["tipo"], m["dopo"]))
    return mutanti, spariti


def copia_albero():
    """The tracked files into COPIA; unchanged files keep their time, so builds stay incremental.
    Files no longer tracked (renamed, removed) go from the copy too."""
    elenco = subprocess.run(["git", "ls-files", "-z"], cwd=RADICE, check=True,
                            capture_output=True).stdout.decode().split("\0")
    tracciati = set(filter(None, elenco))
    if COPIA.is_dir():
        for f in COPIA.rglob("*"):
            if f.is_file() and str(f.relative_to(COPIA)) not in tracciati:
                f.unlink()
    for rel in filter(None, elenco):
        sorgente, dest = RADICE / rel, COPIA / rel
        if not sorgente.is_file():
            continue
        if dest.is_file() and dest.read_bytes() == sorgente.read_bytes():
            continue
        dest.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(sorgente, dest)
        os.utime(dest)


def esegui(comando, timeout=None, **altro):
    processo = subprocess.Popen(comando, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True, **altro)
    try:
        return processo.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(processo.pid, signal.SIGKILL)
        processo.wait()
        return None


def proprio(modulo):
    return PROPRIO.get(modulo, "test_" + modulo)


def configura(obiettivi=()):
    ambiente = dict(os.environ)
    if shutil.which("ccache"):
        ambiente.setdefault("CMAKE_CXX_COMPILER_LAUNCHER", "ccache")
    subprocess.run(["cmake", "-S", str(COPIA), "-B", str(COMPILAZIONE), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0",
                    "-DVX_BENCH=OFF", "-DVX_SANITIZERS=OFF", "-DVX_WERROR=OFF"],
                   check=True, env=ambiente, stdout=subprocess.DEVNULL)
    subprocess.run(["ninja", "-C", str(COMPILAZIONE)] + list(obiettivi), check=True)


def binari_di_prova():
    uscita = subprocess.run(["ninja", "-C", str(COMPILAZIONE), "-t", "targets", "all"],
                            check=True, capture_output=True, text=True).stdout
    return sorted({Path(r.split(":")[0]).name for r in uscita.splitlines()
                   if re.match(r"^(\S*/)?test_\w+: CXX_EXECUTABLE_LINKER", r)})


def dipendenze(binari):
    """Source file (relative) -> the test binaries that link it."""
    chi = {}
    for binario in binari:
        percorso = next(COMPILAZIONE.glob(f"tests/*/{binario}")).relative_to(COMPILAZIONE)
        ingressi = subprocess.run(["ninja", "-C", str(COMPILAZIONE), "-t", "inputs", str(percorso)],
                                  check=True, capture_output=True, text=True).stdout.split()
        if binario == "test_tools":  # the tests run the administrator's tool too
            ingressi += subprocess.run(["ninja", "-C", str(COMPILAZIONE), "-t", "inputs",
                                        "src/tools/vxarchivio"], capture_output=True,
                                       text=True).stdout.split()
        for ingresso in ingressi:
            m = re.search(r"src/(\w+)/CMakeFiles/[\w.]+\.dir/(.+\.cpp)\.o$", ingresso)
            if m:
                chi.setdefault(f"src/{m.group(1)}/{m.group(2)}", set()).add(binario)
    return chi


def percorso_binario(binario):
    return next(COMPILAZIONE.glob(f"tests/*/{binario}"))


def prova(binari, modulo, tempi):
    """Builds and runs the binaries one at a time, the module's own first, and stops at the
    first that fails: most mutants die there, and the others need no relinking."""
    ordine = sorted(binari, key=lambda b: (b != proprio(modulo), tempi[b]))
    ambiente = dict(os.environ, QT_QPA_PLATFORM="offscreen", GTEST_FAIL_FAST="1")
    for binario in ordine:
        eseguibile = percorso_binario(binario)
        obiettivo = str(eseguibile.relative_to(COMPILAZIONE))
        if esegui(["ninja", "-C", str(COMPILAZIONE), obiettivo], timeout=900) != 0:
            return "non compilato"
        codice = esegui([str(eseguibile)], timeout=3 * tempi[binario] + 10, env=ambiente,
                        cwd=eseguibile.parent)
        if codice != 0:
            return "ucciso" if codice is not None else "ucciso (tempo)"
    return "sopravvissuto"


def riassunto(esiti, spariti, intestazione):
    """The table per module and the survivors. A mutant in a file that no test binary links
    (a Windows-only source on Linux) is counted apart: nothing could have killed it."""
    righe = [intestazione, "",
             f"{'module':12} {'killed':>7} {'survived':>9} {'not compiled':>13} {'not built':>10} "
             f"{'kill rate':>10}"]
    for modulo in list(MODULI) + ["total"]:
        qui = [e for e in esiti if modulo in (e["modulo"], "total")]
        uccisi = sum(e["esito"].startswith("ucciso") for e in qui)
        fuori = sum(not e["binari"] for e in qui)
        vivi = sum(e["esito"] == "sopravvissuto" and bool(e["binari"]) for e in qui)
        rotti = sum(e["esito"] == "non compilato" for e in qui)
        tasso = f"{100 * uccisi / (uccisi + vivi):.1f}%" if uccisi + vivi else "-"
        righe.append(f"{modulo:12} {uccisi:7} {vivi:9} {rotti:13} {fuori:10} {tasso:>10}")
    if spariti:
        righe += ["", f"Not run, their line is gone from today's sources: {len(spariti)}"]
        righe += [f"  {m['file']}:{m['riga']} {m['tipo']}: {m['prima'].strip()}" for m in spariti]
    righe += ["", "Survivors:"]
    righe += [f"  {e['file']}:{e['riga']} {e['tipo']}: {e['prima'].strip()}  ->  "
              f"{e['dopo'].strip()}" for e in esiti
              if e["esito"] == "sopravvissuto" and e["binari"]]
    return righe


def main():
    argomenti = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argomenti.add_argument("--seme", type=int, default=2026)
    argomenti.add_argument("--per-modulo", type=int, default=25)
    argomenti.add_argument("--solo", type=int, help="only the first N of each module's draw")
    argomenti.add_argument("--nome", default="esito", help="name of the result files")
    argomenti.add_argument("--minuti", type=float, help="start no mutant after this many minutes")
    argomenti.add_argument("--moduli", help="only these modules, comma-separated")
    argomenti.add_argument("--solo-propri", action="store_true",
                           help="run only each module's own test binary (quicker, narrower)")
    argomenti.add_argument("--non-copiare", action="store_true",
                           help="use build/mutanti/sorgenti as it is (e.g. with older tests)")
    argomenti.add_argument("--solo-elenco", action="store_true", help="print the sample only")
    argomenti.add_argument("--riassunto", type=Path,
                           help="print the table of an earlier result file (esito.json) only")
    argomenti.add_argument("--elenco", type=Path,
                           help="replay the mutants of an earlier result file (esito.json) on "
                                "today's sources, each found by its line's text")
    opzioni = argomenti.parse_args()
    moduli = opzioni.moduli.split(",") if opzioni.moduli else None

    if opzioni.riassunto:
        print("\n".join(riassunto(primi(json.loads(opzioni.riassunto.read_text()), opzioni.solo), [],
                                   str(opzioni.riassunto))))
        return 0
    if opzioni.elenco:
        mutanti, spariti = ritrovati(primi(json.loads(opzioni.elenco.read_text()), opzioni.solo),
                                     moduli)
    else:
        mutanti, spariti = campione(opzioni.seme, opzioni.per_modulo, opzioni.solo, moduli), []
    if opzioni.solo_elenco:
        for m in mutanti:
            print(f"{m['file']}:{m['riga']} {m['tipo']}: {m['dopo'].strip()}")
        return 0

    inizio = time.time()
    CARTELLA.mkdir(parents=True, exist_ok=True)
    if not opzioni.non_copiare:
        copia_albero()
    propri = sorted({proprio(m["modulo"]) for m in mutanti})
    if opzioni.solo_propri:
        configura(f"tests/{b.removeprefix('test_')}/{b}" for b in propri)
    else:
        configura()
    binari = propri if opzioni.solo_propri else binari_di_prova()
    tempi = {}
    for binario in binari:
        eseguibile = percorso_binario(binario)
        t = time.time()
        if esegui([str(eseguibile)], timeout=900, cwd=eseguibile.parent,
                  env=dict(os.environ, QT_QPA_PLATFORM="offscreen")) != 0:
            sys.exit(f"{binario} fails on the unchanged sources: fix that first")
        tempi[binario] = time.time() - t
    chi = dipendenze(binari)
    print(f"build and baseline run: {(time.time() - inizio) / 60:.1f} minutes", flush=True)

    esiti = []
    for numero, m in enumerate(mutanti, 1):
        if opzioni.minuti and time.time() - inizio > 60 * opzioni.minuti:
            print(f"time limit: {len(mutanti) - numero + 1} mutants not run", flush=True)
            break
        bersaglio = COPIA / m["file"]
        originale = bersaglio.read_text(encoding="latin-1")
        righe = originale.splitlines(keepends=True)
        assert righe[m["riga"] - 1].rstrip("\n") == m["prima"]
        righe[m["riga"] - 1] = m["dopo"] + "\n"
        bersaglio.write_text("".join(righe), encoding="latin-1")
        interessati = sorted(chi.get(m["file"], ()))
        if opzioni.solo_propri:
            interessati = [b for b in interessati if b == proprio(m["modulo"])]
        try:
            esito = prova(interessati, m["modulo"], tempi) if interessati else "sopravvissuto"
        finally:
            bersaglio.write_text(originale, encoding="latin-1")
        esiti.append(dict(m, esito=esito, binari=interessati))
        print(f"[{numero}/{len(mutanti)}] {esito:15} {m['file']}:{m['riga']} {m['tipo']}",
              flush=True)
        (CARTELLA / f"{opzioni.nome}.json").write_text(
            json.dumps(esiti, indent=1, ensure_ascii=False))

    durata = time.time() - inizio
    righe = riassunto(esiti, spariti, f"seed {opzioni.seme}, {len(esiti)} of {len(mutanti)} mutants, "
                      f"{durata / 60:.1f} minutes, load {os.getloadavg()[0]:.1f}")
    (CARTELLA / f"{opzioni.nome}.txt").write_text("\n".join(righe) + "\n")
    print("\n".join(righe))
    return 0


if __name__ == "__main__":
    sys.exit(main())
