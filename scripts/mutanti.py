#!/usr/bin/env python3
"""A mutation sample: how many small faults planted in the code the test suite notices.

Copies the tracked tree to build/mutanti/1/sorgenti (the working tree is never touched), builds it
without sanitizers in build/mutanti/1/compilazione, then plants one mutant at a time (flip a
comparison, +1/-1 on an integer constant, negate a condition, delete a statement, swap && and
||), rebuilds only what changed, and runs only the test binaries that link the changed file, each
with a timeout. One worker per processor, each with a copy and a build of its own
(build/mutanti/2/... and so on, filled from the compiler cache). A mutant is killed when a test fails, crashes or runs out of time, survives when
every test passes, and is counted apart when it does not compile.

The sample is drawn with a fixed seed from the candidate sites of the non-window modules and of
the data-entry table's value logic, a fixed number per module, so that the same seed on the same
sources gives the same list. Results: build/mutanti/esito.txt (summary per module and the
survivors) and build/mutanti/esito.json (every mutant and its outcome). Not run by CI.

    python3 scripts/mutanti.py [--seme N] [--per-modulo N] [--solo N] [--nome NOME]
                               [--minuti M] [--lavori N] [--solo-elenco]
                               [--elenco ESITO.json]

--elenco replays an earlier sample after the code has moved on (the same mutants, found by their
line's text), so that a suite can be compared before and after a change of the tests.
"""

import argparse
import json
import queue
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import threading
import time
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

RADICE = Path(__file__).resolve().parent.parent
CARTELLA = RADICE / "build" / "mutanti"

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


class Banco:
    """One copy of the sources with its own build folder: a worker plants its mutants there.
    Every bank has the same layout under its own folder, so the compiler cache serves them all."""

    def __init__(self, numero):
        self.cartella = CARTELLA / str(numero)
        self.copia = self.cartella / "sorgenti"
        self.compilazione = self.cartella / "compilazione"

    def binario(self, nome):
        return next(self.compilazione.glob(f"tests/*/{nome}"))


def copia_albero(origine, banco, elenco):
    """The listed files from origine into the bank's copy; unchanged files keep their time, so
    builds stay incremental. Files no longer listed (renamed, removed) go from the copy too."""
    tenuti = set(elenco)
    if banco.copia.is_dir():
        for f in banco.copia.rglob("*"):
            if f.is_file() and str(f.relative_to(banco.copia)) not in tenuti:
                f.unlink()
    for rel in elenco:
        sorgente, dest = origine / rel, banco.copia / rel
        if not sorgente.is_file():
            continue
        if dest.is_file() and dest.read_bytes() == sorgente.read_bytes():
            continue
        dest.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(sorgente, dest)
        os.utime(dest)


def tracciati():
    elenco = subprocess.run(["git", "ls-files", "-z"], cwd=RADICE, check=True,
                            capture_output=True).stdout.decode().split("\0")
    return [rel for rel in elenco if rel]


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


def linker():
    """The quickest linker at hand: most of a mutant's rebuild is relinking test binaries."""
    for nome in ("lld", "gold"):
        if shutil.which(f"ld.{nome}"):
            return [f"-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld={nome}"]
    return []


def configura(banco, obiettivi=()):
    ambiente = dict(os.environ)
    if shutil.which("ccache"):
        ambiente.setdefault("CMAKE_CXX_COMPILER_LAUNCHER", "ccache")
        ambiente.setdefault("CCACHE_BASEDIR", str(CARTELLA))
    subprocess.run(["cmake", "-S", str(banco.copia), "-B", str(banco.compilazione), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0",
                    "-DVX_BENCH=OFF", "-DVX_SANITIZERS=OFF", "-DVX_WERROR=OFF"] + linker(),
                   check=True, env=ambiente, stdout=subprocess.DEVNULL)
    subprocess.run(["ninja", "-C", str(banco.compilazione)] + list(obiettivi), check=True,
                   env=ambiente)


def binari_di_prova(banco):
    uscita = subprocess.run(["ninja", "-C", str(banco.compilazione), "-t", "targets", "all"],
                            check=True, capture_output=True, text=True).stdout
    return sorted({Path(r.split(":")[0]).name for r in uscita.splitlines()
                   if re.match(r"^(\S*/)?test_\w+: CXX_EXECUTABLE_LINKER", r)})


def dipendenze(banco, binari):
    """Source file (relative) -> the test binaries that link it."""
    chi = {}

    def ingressi(obiettivo):
        return subprocess.run(["ninja", "-C", str(banco.compilazione), "-t", "inputs", obiettivo],
                              capture_output=True, text=True).stdout.split()

    for binario in binari:
        tutti = ingressi(str(banco.binario(binario).relative_to(banco.compilazione)))
        if binario == "test_tools":  # the tests run the administrator's tool too
            tutti += ingressi("src/tools/vxarchivio")
        for ingresso in tutti:
            m = re.search(r"src/(\w+)/CMakeFiles/[\w.]+\.dir/(.+\.cpp)\.o$", ingresso)
            if m:
                chi.setdefault(f"src/{m.group(1)}/{m.group(2)}", set()).add(binario)
    return chi


AMBIENTE_PROVE = dict(os.environ, QT_QPA_PLATFORM="offscreen", GTEST_FAIL_FAST="1")


def prova(banco, binari, modulo, tempi):
    """Builds and runs the binaries one at a time, the module's own first, and stops at the
    first that fails: most mutants die there, and the others need no relinking."""
    ordine = sorted(binari, key=lambda b: (b != proprio(modulo), tempi[b]))
    for binario in ordine:
        eseguibile = banco.binario(binario)
        obiettivo = str(eseguibile.relative_to(banco.compilazione))
        if esegui(["ninja", "-C", str(banco.compilazione), obiettivo], timeout=900) != 0:
            return "non compilato"
        codice = esegui([str(eseguibile)], timeout=3 * tempi[binario] + 10, env=AMBIENTE_PROVE,
                        cwd=eseguibile.parent)
        if codice != 0:
            return "ucciso" if codice is not None else "ucciso (tempo)"
    return "sopravvissuto"


def pianta(banco, m, interessati, tempi):
    """One mutant planted in the bank's copy, built and tried; the file is put back after."""
    bersaglio = banco.copia / m["file"]
    originale = bersaglio.read_text(encoding="latin-1")
    righe = originale.splitlines(keepends=True)
    assert righe[m["riga"] - 1].rstrip("\n") == m["prima"]
    righe[m["riga"] - 1] = m["dopo"] + "\n"
    bersaglio.write_text("".join(righe), encoding="latin-1")
    try:
        return prova(banco, interessati, m["modulo"], tempi) if interessati else "sopravvissuto"
    finally:
        bersaglio.write_text(originale, encoding="latin-1")


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
    argomenti.add_argument("--lavori", type=int, default=os.cpu_count() or 1,
                           help="mutants tried at the same time, each in a copy of its own "
                                "(default: one per processor)")
    argomenti.add_argument("--non-copiare", action="store_true",
                           help="use build/mutanti/1/sorgenti as it is (e.g. with older tests)")
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
    banchi = [Banco(n) for n in range(1, max(1, opzioni.lavori) + 1)]
    # The first bank gets the tracked tree (or keeps its copy as it is), the others the first's.
    if not opzioni.non_copiare:
        copia_albero(RADICE, banchi[0], tracciati())
    elenco = [str(f.relative_to(banchi[0].copia)) for f in banchi[0].copia.rglob("*")
              if f.is_file()]
    propri = sorted({proprio(m["modulo"]) for m in mutanti})
    obiettivi = ([f"tests/{b.removeprefix('test_')}/{b}" for b in propri]
                 if opzioni.solo_propri else [])
    for banco in banchi:
        if banco is not banchi[0]:
            copia_albero(banchi[0].copia, banco, elenco)
        configura(banco, obiettivi)
    binari = propri if opzioni.solo_propri else binari_di_prova(banchi[0])

    # Every binary once on the unchanged sources, in all banks at the same time: the time of
    # each bounds its runs on a mutant, and a suite that cannot run beside itself shows here.
    tempi = {}
    with ThreadPoolExecutor(len(banchi)) as lavoratori:
        for binario in binari:
            def base(banco, binario=binario):
                eseguibile = banco.binario(binario)
                t = time.time()
                codice = esegui([str(eseguibile)], timeout=900, cwd=eseguibile.parent,
                                env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
                return codice, time.time() - t
            esiti_base = list(lavoratori.map(base, banchi))
            if any(codice != 0 for codice, _ in esiti_base):
                sys.exit(f"{binario} fails on the unchanged sources: fix that first")
            tempi[binario] = max(durata for _, durata in esiti_base)
            print(f"  {binario}: {tempi[binario]:.1f} s", flush=True)
    chi = dipendenze(banchi[0], binari)
    print(f"build and baseline run: {(time.time() - inizio) / 60:.1f} minutes, "
          f"{len(banchi)} workers", flush=True)

    # Each worker takes the next mutant and a free bank; the list stays grouped by file, so
    # consecutive mutants of one worker mostly rebuild the same object.
    liberi = queue.Queue()
    for banco in banchi:
        liberi.put(banco)
    esiti = [None] * len(mutanti)
    fatti = 0
    scrittura = threading.Lock()

    def lavora(indice):
        nonlocal fatti
        m = mutanti[indice]
        if opzioni.minuti and time.time() - inizio > 60 * opzioni.minuti:
            return
        interessati = sorted(chi.get(m["file"], ()))
        if opzioni.solo_propri:
            interessati = [b for b in interessati if b == proprio(m["modulo"])]
        banco = liberi.get()
        try:
            esito = pianta(banco, m, interessati, tempi)
        finally:
            liberi.put(banco)
        with scrittura:
            esiti[indice] = dict(m, esito=esito, binari=interessati)
            fatti += 1
            print(f"[{fatti}/{len(mutanti)}] {esito:15} {m['file']}:{m['riga']} {m['tipo']}",
                  flush=True)
            (CARTELLA / f"{opzioni.nome}.json").write_text(
                json.dumps([e for e in esiti if e], indent=1, ensure_ascii=False))

    with ThreadPoolExecutor(len(banchi)) as lavoratori:
        list(lavoratori.map(lavora, range(len(mutanti))))
    esiti = [e for e in esiti if e]
    if len(esiti) < len(mutanti):
        print(f"time limit: {len(mutanti) - len(esiti)} mutants not run", flush=True)

    durata = time.time() - inizio
    righe = riassunto(esiti, spariti, f"seed {opzioni.seme}, {len(esiti)} of {len(mutanti)} mutants, "
                      f"{durata / 60:.1f} minutes, {len(banchi)} workers, "
                      f"load {os.getloadavg()[0]:.1f}")
    (CARTELLA / f"{opzioni.nome}.txt").write_text("\n".join(righe) + "\n")
    print("\n".join(righe))
    return 0


if __name__ == "__main__":
    sys.exit(main())
