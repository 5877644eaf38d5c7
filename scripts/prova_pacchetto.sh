#!/usr/bin/env bash
# The Debian package as a new user meets it. Builds it (scripts/pacchetto.sh), checks it with
# lintian (no error allowed), unpacks it with dpkg-deb -x into a temporary folder (it is never
# installed on this machine) and, from there, with a fresh home folder and no configuration:
#   - vxarchivio --version gives the package's version;
#   - vxmira's first run shows the configuration box and ends with exit status 3;
#   - vxarchivio demo into the default drive root, then indice verifica 7;
#   - vxmira, started from the desktop entry's Exec line under Xvfb, maps its selection window;
#   - the desktop entry validates, both manual pages render without warnings, the bash
#     completion completes vxarchivio's commands.
# Xvfb and the program are stopped, and the folder removed, on the way out.
set -uo pipefail
cd "$(dirname "$0")/.."

ATTESA=${PACCHETTO_ATTESA:-30}  # seconds a window may take to appear
tmp=$(mktemp -d "${TMPDIR:-/tmp}/prova_pacchetto.XXXXXX")
pid_x=""
pid_prog=""

ferma() {  # stops a process we started, by its id
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
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
    echo "FALLITO (pacchetto): $*" >&2
    for f in "$tmp"/*.err; do [ -s "$f" ] && { echo "== $f" >&2; cat "$f" >&2; }; done
    exit 1
}
verifica() {  # verifica WHAT GOT EXPECTED
    [ "$2" = "$3" ] || fallisci "$1: '$2', atteso '$3'"
}

deb=$(bash scripts/pacchetto.sh) || fallisci "costruzione del pacchetto"
[ -f "$deb" ] || fallisci "nessun pacchetto: $deb"
echo "pacchetto: $deb"
versione=$(dpkg-deb -f "$deb" Version)

# --- the package as a whole ----------------------------------------------------------------------
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
    fallisci "Depends senza le librerie Qt: $(dpkg-deb -f "$deb" Depends)"
verifica "sezione" "$(dpkg-deb -f "$deb" Section)" misc
# lintian reports on stdout; an error fails the test, warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb" 2>/dev/null >"$tmp/lintian.txt"
esito=$?
cat "$tmp/lintian.txt"
[ $esito -eq 0 ] || fallisci "lintian segnala errori"

radice=$tmp/radice
dpkg-deb -x "$deb" "$radice" || fallisci "dpkg-deb -x"
for f in bin/vxmira bin/vxarchivio share/applications/vxmira.desktop \
    share/icons/hicolor/scalable/apps/vxmira.svg share/icons/hicolor/48x48/apps/vxmira.png \
    share/icons/hicolor/256x256/apps/vxmira.png share/man/man1/vxmira.1.gz \
    share/man/man1/vxarchivio.1.gz share/bash-completion/completions/vxarchivio \
    share/doc/vxmira/README.md share/doc/vxmira/copyright share/doc/vxmira/changelog.gz; do
    [ -f "$radice/usr/$f" ] || fallisci "manca /usr/$f"
done
for lato in 48 256; do
    file "$radice/usr/share/icons/hicolor/${lato}x$lato/apps/vxmira.png" |
        grep -q "PNG image data, $lato x $lato" || fallisci "icona di $lato pixel"
done

voce=$radice/usr/share/applications/vxmira.desktop
desktop-file-validate "$voce" || fallisci "desktop-file-validate"
for pagina in vxmira vxarchivio; do
    avvisi=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l \
        "$radice/usr/share/man/man1/$pagina.1.gz" 2>&1 >/dev/null)
    [ -z "$avvisi" ] || fallisci "man -l $pagina.1: $avvisi"
done
completa() {  # completa WORD...: what the completion offers for the last word
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _vxarchivio
             echo "${COMPREPLY[*]}"' _ "$radice/usr/share/bash-completion/completions/vxarchivio" "$@"
}
verifica "completamento di 'is'" "$(completa vxarchivio is)" isam
verifica "completamento di 'indice v'" "$(completa vxarchivio --archivio /tmp indice v)" verifica

# --- a new user: empty home, no configuration, the unpacked programs on the PATH -----------------
export HOME=$tmp/casa
mkdir -p "$HOME"
unset XDG_DATA_HOME XDG_CONFIG_HOME PONTEVAL_UNITA PONTEVAL_REGISTRO WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
export PATH=$radice/usr/bin:$PATH
export QT_QPA_PLATFORM=xcb  # the test environment may ask for offscreen

verifica "vxarchivio --version" "$(vxarchivio --version)" "vxarchivio $versione"

# The desktop entry's command line, field codes (%f, %U...) dropped.
esegui=$(sed -n 's/^Exec=//p' "$voce" | sed 's/ *%[a-zA-Z]//g')
[ -n "$esegui" ] || fallisci "la voce del menu non ha Exec"
read -r -a comando <<<"$esegui"

# X server on a free display, reachable only with our cookie.
export XAUTHORITY=$tmp/Xauthority
biscotto=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
touch "$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add :0 . "$biscotto"
Xvfb -displayfd 3 -noreset -nolisten tcp -auth "$XAUTHORITY" -screen 0 1024x768x24 \
    3>"$tmp/schermo" >"$tmp/xvfb.err" 2>&1 &
pid_x=$!
numero=""
for _ in $(seq $((ATTESA * 10))); do
    numero=$(tr -dc 0-9 <"$tmp/schermo")
    [ -n "$numero" ] && break
    kill -0 "$pid_x" 2>/dev/null || fallisci "Xvfb non parte"
    sleep 0.1
done
[ -n "$numero" ] || fallisci "Xvfb non pronto in ${ATTESA}s"
xauth -q -f "$XAUTHORITY" add ":$numero" . "$biscotto"
export DISPLAY=:$numero

# Waits for a visible window named $1 while the program runs; prints its id.
attendi_finestra() {
    local id
    for _ in $(seq $((ATTESA * 10))); do
        id=$(timeout 10 xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$pid_prog" 2>/dev/null || fallisci "vxmira e' finito prima della finestra '$1'"
        sleep 0.1
    done
    fallisci "nessuna finestra '$1' in ${ATTESA}s"
}
attendi_fine() {  # waits for the program's end; its exit status goes to $uscita
    for _ in $(seq $((ATTESA * 10))); do
        kill -0 "$pid_prog" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid_prog" 2>/dev/null && fallisci "vxmira non finisce in ${ATTESA}s"
    wait "$pid_prog"
    uscita=$?
    pid_prog=""
}

# First run: nothing configured. The configuration box comes up; Enter closes it (there is no
# window manager: the box is given the keyboard first).
"${comando[@]}" >"$tmp/primo.out" 2>"$tmp/primo.err" &
pid_prog=$!
scatola=$(attendi_finestra '^Ponteval$') || exit 1
timeout 10 xdotool windowfocus --sync "$scatola" && sleep 0.3 &&
    timeout 10 xdotool key Return || fallisci "tasto Invio sulla finestra di configurazione"
attendi_fine
verifica "uscita del primo avvio" "$uscita" 3

# The demo installation in the default drive root: the program finds it with no variable set.
unita=$HOME/.local/share/ponteval/unita
vxarchivio demo "$unita" >"$tmp/demo.out" 2>"$tmp/demo.err" || fallisci "vxarchivio demo"
verifica "demo" "$(head -n 1 "$tmp/demo.out")" "PONTEVAL_UNITA=$unita"
verifica "indice verifica 7" "$(vxarchivio indice verifica 7 2>"$tmp/verifica.err")" "$(printf 'OK\t64')"

"${comando[@]}" >"$tmp/vxmira.out" 2>"$tmp/vxmira.err" &
pid_prog=$!
attendi_finestra '^Chiave dipendente' >/dev/null || exit 1
echo "ok: pacchetto $versione, vxmira dalla voce del menu mostra la finestra di selezione"
