#!/usr/bin/env bash
# The real program under a real X server, driven from the keyboard as an operator would:
#   1. re-hires an eligible worker (company 1, worker 0010000001), answers Yes to the final
#      question and checks the rewritten record through vxarchivio; then finds the re-hire in
#      the journal and undoes it with vxarchivio annulla: the worker file is as before;
#   2. tries a worker still in service (0010000003), dismisses the refusal, leaves, and checks
#      that the worker file and its index are byte for byte as before.
# Both runs must end with exit code 0.
#
#   e2e_riassunzione.sh VXMIRA VXARCHIVIO
#
# Every wait has a deadline; on failure the program's output and the windows found are
# printed (and a screenshot taken when ImageMagick's import exists) into the folder
# e2e_riassunzione-fallimento of the current directory. Xvfb and the program are always
# stopped on the way out.
set -uo pipefail

VXMIRA=${1:?uso: e2e_riassunzione.sh VXMIRA VXARCHIVIO}
VXARCHIVIO=${2:?uso: e2e_riassunzione.sh VXMIRA VXARCHIVIO}
for programma in "$VXMIRA" "$VXARCHIVIO"; do
    [ -x "$programma" ] || { echo "FALLITO: $programma non eseguibile" >&2; exit 1; }
done
for strumento in Xvfb xauth xdotool timeout; do
    command -v "$strumento" >/dev/null || {
        echo "FALLITO: manca $strumento (scripts/dipendenze.sh lo installa)" >&2
        exit 1
    }
done

ATTESA=${E2E_ATTESA:-30}  # seconds any one window or event may take
# The whole test ends within LIMITE seconds, below the CTest timeout; the X server and the
# program run under timeout(1) too, so that they go away even if this script is killed.
LIMITE=${E2E_LIMITE:-100}
REPERTI=$PWD/e2e_riassunzione-fallimento
tmp=$(mktemp -d "${TMPDIR:-/tmp}/e2e_riassunzione.XXXXXX")
pid_x=""
pid_prog=""

ferma() {  # stops a process we started, by its id, and reaps it
    local pid=$1
    [ -n "$pid" ] || return 0
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null
    return 0
}

pulisci() {
    ferma "$pid_prog"
    ferma "$pid_x"
    rm -rf "$tmp"
}
trap pulisci EXIT
trap 'exit 1' INT TERM HUP

fallisci() {
    echo "FALLITO: $*" >&2
    mkdir -p "$REPERTI"
    {
        echo "== finestre visibili"
        for w in $(timeout 5 xdotool search --onlyvisible --name '' 2>/dev/null); do
            echo "$w $(timeout 5 xdotool getwindowname "$w" 2>/dev/null)"
        done
        echo "== fuoco: $(timeout 5 xdotool getwindowfocus getwindowname 2>/dev/null)"
        for f in "$tmp"/vxmira*.out "$tmp"/vxmira*.err; do
            [ -s "$f" ] && { echo "== $f"; cat "$f"; }
        done
    } >&2
    if command -v import >/dev/null && [ -n "${DISPLAY:-}" ]; then
        timeout 10 import -window root "$REPERTI/schermo.png" 2>/dev/null &&
            echo "schermata: $REPERTI/schermo.png" >&2
    fi
    exit 1
}

scadenza() {  # the deadline of one wait
    local s=$((SECONDS + ATTESA))
    [ $s -le "$LIMITE" ] || s=$LIMITE
    echo $s
}

# --- X server on a free display, reachable only with our cookie -------------------------------
export XAUTHORITY=$tmp/Xauthority
biscotto=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
# The server loads every cookie of the file whatever display it names; the client entry for the
# real display is added once the server has chosen it.
touch "$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add :0 . "$biscotto"
# -noreset: without it the server resets when its last client leaves, and a program that
# connects during the reset fails with "could not connect to display".
timeout -k 3 "$((LIMITE + 10))" Xvfb -displayfd 3 -noreset -nolisten tcp -auth "$XAUTHORITY" \
    -screen 0 1280x1024x24 \
    3>"$tmp/schermo" >"$tmp/xvfb.log" 2>&1 &
pid_x=$!
numero=""
scadenza=$(scadenza)
while [ -z "$numero" ]; do
    kill -0 "$pid_x" 2>/dev/null || { cat "$tmp/xvfb.log" >&2; fallisci "Xvfb non parte"; }
    [ $SECONDS -lt $scadenza ] || fallisci "Xvfb non pronto in ${ATTESA}s"
    sleep 0.1
    numero=$(tr -dc 0-9 <"$tmp/schermo")
done
xauth -q -f "$XAUTHORITY" add ":$numero" . "$biscotto"
export DISPLAY=":$numero"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb  # the test environment may ask for offscreen

# --- the demo installation, the program's own runtime folder -----------------------------------
righe=$("$VXARCHIVIO" demo "$tmp/demo") || fallisci "vxarchivio demo"
while IFS= read -r riga; do
    case $riga in
        PONTEVAL_*=*) export "${riga?}" ;;
    esac
done <<<"$righe"
[ -n "${PONTEVAL_UNITA:-}" ] && [ -n "${PONTEVAL_REGISTRO:-}" ] ||
    fallisci "vxarchivio demo non ha dato l'ambiente: $righe"
export XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
dipendenti=$(find "$PONTEVAL_UNITA" -iname DIPEND.DAT)
indice=$(find "$PONTEVAL_UNITA" -iname DIPEND.IDX)
[ -f "$dipendenti" ] && [ -f "$indice" ] || fallisci "file dei dipendenti non trovato"

# --- helpers ------------------------------------------------------------------------------------
xdo() { timeout 10 xdotool "$@"; }

# Waits for a visible window whose name matches $1 and prints its id; fails when the program
# ends or the deadline passes first.
attendi_finestra() {
    local nome=$1 scadenza id
    scadenza=$(scadenza)
    while :; do
        id=$(xdo search --onlyvisible --name "$nome" 2>/dev/null | tail -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$pid_prog" 2>/dev/null || fallisci "il programma e' finito prima della finestra '$nome'"
        [ $SECONDS -lt $scadenza ] || fallisci "nessuna finestra '$nome' in ${ATTESA}s"
        sleep 0.1
    done
}

# Waits until no visible window matches $1.
attendi_chiusura() {
    local nome=$1 scadenza
    scadenza=$(scadenza)
    while [ -n "$(xdo search --onlyvisible --name "$nome" 2>/dev/null)" ]; do
        [ $SECONDS -lt $scadenza ] || fallisci "la finestra '$nome' resta aperta dopo ${ATTESA}s"
        sleep 0.1
    done
}

# Gives the keyboard to window $1 (there is no window manager to do it) and waits until the
# X server reports it focused.
fuoco() {
    local id=$1 scadenza
    scadenza=$(scadenza)
    while :; do
        xdo windowfocus "$id" 2>/dev/null
        [ "$(xdo getwindowfocus 2>/dev/null)" = "$id" ] && break
        [ $SECONDS -lt $scadenza ] || fallisci "la finestra $id non prende il fuoco"
        sleep 0.1
    done
    sleep 0.3  # let the toolkit see the focus change before the first key
}

tasti() { xdo key --delay 60 "$@" || fallisci "xdotool key $*"; }

avvia() {
    timeout -k 3 "$((LIMITE + 5))" "$VXMIRA" >"$tmp/vxmira$1.out" 2>"$tmp/vxmira$1.err" &
    pid_prog=$!
}

# Waits for the program to end and checks its exit code.
attendi_fine() {
    local atteso=$1 scadenza codice
    scadenza=$(scadenza)
    while kill -0 "$pid_prog" 2>/dev/null; do
        [ $SECONDS -lt $scadenza ] || fallisci "il programma non finisce in ${ATTESA}s"
        sleep 0.1
    done
    wait "$pid_prog"
    codice=$?
    pid_prog=""
    [ "$codice" -eq "$atteso" ] || fallisci "codice di uscita $codice, atteso $atteso"
}

campo() {  # campo DESCRIPTOR RECORD: the field's stored text
    "$VXARCHIVIO" campo "$1" 2 "$2" || fallisci "vxarchivio campo $1 2 $2"
}

verifica() {  # verifica WHAT GOT EXPECTED
    [ "$2" = "$3" ] || fallisci "$1: '$2', atteso '$3'"
}

# The chosen list the selection window wrote on confirmation: one entry, the worker's key first.
scelto() {
    local file
    file=$(find "$PONTEVAL_UNITA" -iname 'SCELTE*.TXT')
    [ -f "$file" ] || fallisci "lista dei dipendenti scelti non scritta"
    verifica "voci scelte" "$(grep -c . "$file")" 1
    verifica "dipendente scelto" "$(head -c 10 "$file")" "$1"
}

# Picks company 1 and worker number $1 (0-based line of the code tab) and confirms the choice.
scegli_dipendente() {
    local giu=$1 finestra
    finestra=$(attendi_finestra '^Chiave dipendente') || exit 1
    fuoco "$finestra"
    # The company list has the focus: "t" jumps to TEATRO LIRICO DEL SUD SRL (company 1) and
    # Enter loads its workers; Tab, Tab reach the code tab's list (through the tab strip).
    tasti t Return Tab Tab
    for ((i = 0; i < giu; i++)); do tasti Down; done
    # Enter takes the worker into the chosen list; six Tabs reach "Conferma", Enter presses it.
    tasti Return Tab Tab Tab Tab Tab Tab Return
    attendi_chiusura '^Chiave dipendente'
}

P054="DIPX\$,00223,01,N,0,P054"
P017="DIPX\$,04225,08,D,0,P017"
P001="DIPX\$,00003,10,A,0,P001"
P168="DIPX\$,02401,01,N,0,P168"
P050="DIPX\$,00217,01,N,0,P050"   # not among the fields a new hire keeps
CF="DIPX\$,09575,16,A,0,PX01"     # the fiscal code of the demo records: not kept either

# --- run 1: the eligible worker is re-hired -----------------------------------------------------
verifica "P054 prima" "$(campo "$P054" 1)" 1
cf_prima=$(campo "$CF" 1)
[ -n "${cf_prima// /}" ] || fallisci "il codice fiscale del record 1 e' gia' vuoto"
[ -n "$(campo "$P050" 1 | tr -d ' ')" ] || fallisci "P050 del record 1 e' gia' vuoto"
cp "$dipendenti" "$tmp/dipendenti.prima"

avvia 1
scegli_dipendente 0
pagine=$(attendi_finestra '^ELENCO PAGINE$') || exit 1
fuoco "$pagine"
tasti Escape
domanda=$(attendi_finestra '^Ponteval$') || exit 1
fuoco "$domanda"
# "No" is the default and has the focus: Tab moves to "Si", Enter presses it.
tasti Tab Return
attendi_fine 0
scelto 0010000001

verifica "P054" "$(campo "$P054" 1)" 0
verifica "P017" "$(campo "$P017" 1)" 00000000
verifica "P001" "$(campo "$P001" 1)" 0010000001
verifica "P168" "$(campo "$P168" 1)" 2
verifica "P050" "$(campo "$P050" 1)" " "
verifica "codice fiscale" "$(campo "$CF" 1)" "                "
# Only record 1 (16128 bytes) changed; the file keeps its length.
cmp -s <(tail -c +16129 "$tmp/dipendenti.prima") <(tail -c +16129 "$dipendenti") ||
    fallisci "sono cambiati altri record oltre al primo"
verifica "lunghezza del file" "$(stat -c %s "$dipendenti")" "$(stat -c %s "$tmp/dipendenti.prima")"
echo "ok: 0010000001 riassunto"

# --- the re-hire is in the journal, and vxarchivio puts the old record back ---------------------
elenco=$("$VXARCHIVIO" giornale) || fallisci "vxarchivio giornale"
verifica "voce del giornale" "$(cut -f1,5,6,8,9 <<<"$elenco")" \
    "$(printf '1\t0010000001\t1\tapplicata\triassunzione')"
"$VXARCHIVIO" annulla 1 >/dev/null || fallisci "vxarchivio annulla 1"
cmp -s "$tmp/dipendenti.prima" "$dipendenti" || fallisci "annulla 1 non ha rimesso il record"
verifica "stati dopo l'annullamento" "$("$VXARCHIVIO" giornale | cut -f8,9 | tr '\t\n' ' ,')" \
    "annullata riassunzione,applicata annullamento 1,"
echo "ok: riassunzione annullata, file dei dipendenti com'era"

# --- run 2: a worker in service is refused and nothing changes ----------------------------------
cp "$dipendenti" "$tmp/dipendenti.prima"
cp "$indice" "$tmp/indice.prima"
avvia 2
scegli_dipendente 2
messaggio=$(attendi_finestra '^VXMIRA$') || exit 1
fuoco "$messaggio"
tasti Return
attendi_chiusura '^VXMIRA$'
scelto 0010000003
# The selection window comes back, the company list focused; Esc does nothing there: two
# Shift+Tabs (the order tab strip, then round to the last button) reach "Uscita", which ends
# the run.
finestra=$(attendi_finestra '^Chiave dipendente') || exit 1
fuoco "$finestra"
tasti Escape shift+Tab shift+Tab Return
attendi_fine 0
cmp -s "$tmp/dipendenti.prima" "$dipendenti" || fallisci "il file dei dipendenti e' cambiato"
cmp -s "$tmp/indice.prima" "$indice" || fallisci "l'indice dei dipendenti e' cambiato"
echo "ok: 0010000003 rifiutato, archivio invariato"
