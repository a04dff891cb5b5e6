# Shared by the end-to-end, abuse, soak and pixel comparison scripts: start velkar the way a
# user does, drive and read it only through the display server (scripts/window.sh) and its
# exit status, and ask the model where to look.
# Source it with the program, the helper directory and the assets directory as $1 $2 $3;
# DISPLAY must name a private X server (scripts/with-xvfb gives one), or, with DISPLAY
# unset, WAYLAND_DISPLAY a private sway (scripts/with-wayland). Pointer input (wheel, drag)
# and resizing are X11 only.

set -uo pipefail

VELKAR=$(realpath "$1")
TOOLS=$(realpath "$2")
ASSETS=$(realpath "$3")
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/window.sh"

case $DISPLAY_KIND in
x11) tools=(xdotool xwininfo import) ;;
wayland) tools=(swaymsg grim wtype jq) ;;
*)
    echo "no private display: run under scripts/with-xvfb or scripts/with-wayland" >&2
    exit 1
    ;;
esac
for tool in "${tools[@]}" compare setpriv; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
[ -r "$FAKETIME_LIB" ] || { echo "missing libfaketime.so.1 (package libfaketime)" >&2; exit 1; }

# The checks read velkar's English; a case that wants another language sets LANGUAGE itself.
export LANGUAGE=en
WORK=$(mktemp -d /tmp/velkar-e2e.XXXXXX)
CHECKS=0
FAILS=0
VPID=
SUITE_START=$SECONDS

cleanup() {
    if [ -n "$VPID" ] && kill -0 "$VPID" 2>/dev/null; then
        kill "$VPID" 2>/dev/null
        wait "$VPID" 2>/dev/null
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

# ---- reporting ---------------------------------------------------------------------------

ok() {
    CHECKS=$((CHECKS + 1))
    echo "  ok    $*"
}
bad() {
    CHECKS=$((CHECKS + 1))
    FAILS=$((FAILS + 1))
    echo "  FAIL  $*"
}
# check DESCRIPTION COMMAND...: ok when the command succeeds.
check() {
    local what=$1
    shift
    if "$@"; then ok "$what"; else bad "$what"; fi
}
section() {
    echo "== $* ($((SECONDS - SUITE_START)) s)"
}
# Ends the suite: a summary line and the exit status.
finish() {
    echo "$CHECKS checks, $FAILS failed, $((SECONDS - SUITE_START)) s"
    [ "$FAILS" -eq 0 ]
    exit $?
}

# ---- the pinned clock --------------------------------------------------------------------

# The program's wall clock comes from this file through libfaketime, frozen until the test
# writes another time. The expected clock fields come from date(1), not from the program.
CLOCK_FILE=$WORK/clock
ZONE=Europe/Berlin

# set_clock "YYYY-MM-DD hh:mm:ss" (UTC): pins the program's clock and sets HOU MIN SEC MIN12
# to the local wall-clock time in $ZONE.
set_clock() {
    local epoch
    epoch=$(date -u -d "$1" +%s) || exit 1
    echo "$epoch" >"$CLOCK_FILE.new"
    mv "$CLOCK_FILE.new" "$CLOCK_FILE"
    read -r HOU MIN SEC < <(TZ=$ZONE date -d "@$epoch" '+%-H %-M %-S')
    MIN12=$(((HOU % 12) * 5 + MIN / 12))
}

# set_clock_running "YYYY-MM-DD hh:mm:ss" (UTC): the program's clock starts there and runs.
set_clock_running() {
    echo "@$(date -u -d "$1" +%s)" >"$CLOCK_FILE.new"
    mv "$CLOCK_FILE.new" "$CLOCK_FILE"
}

# close_window: what a window manager's or compositor's close button does.
close_window() {
    if [ "$DISPLAY_KIND" = wayland ]; then
        swaymsg "[con_id=$VWIN] kill" >/dev/null
    else
        "$TOOLS/velkar_x11" close "$VWIN"
    fi
}

# ---- the program -------------------------------------------------------------------------

# start_velkar DIR [VAR=VALUE...] [-- ARG...]: starts velkar in DIR with the pinned clock, GL
# error checking, the given environment and arguments, and waits until its window shows a
# picture. HOME is DIR.runtime, and its settings are in DIR.runtime/.config (XDG_CONFIG_HOME):
# a later start in the same DIR finds what the last one remembered. TZ is $ZONE; with SYSTEM_ZONE=FILE, TZ is unset instead and
# velkar runs in a private mount namespace where FILE is the system's zone file (root only;
# set_system_zone changes it).
# Sets VPID, VWIN, VERR (its stderr), VOUT. With NO_FILE_OVERRIDE=1 a velkar run by root
# starts without root's power to read and search any file, so file permissions bind it as
# they bind any user; it stays root, so it can still reach a build only its owner may enter.
start_velkar() {
    local dir=$1
    shift
    local vars=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        vars+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift
    VERR=$dir.stderr
    VOUT=$dir.stdout
    local runtime=$dir.runtime
    mkdir -p -m 700 "$runtime"
    local prefix=()
    if [ -n "${NO_FILE_OVERRIDE:-}" ] && [ "$(id -u)" -eq 0 ]; then
        prefix=(setpriv --bounding-set -dac_override,-dac_read_search)
    fi
    local tz=(TZ="$ZONE")
    if [ -n "${SYSTEM_ZONE:-}" ]; then
        tz=(-u TZ)
        prefix=(unshare -m --propagation private
            sh -c 'mount --bind "$0" /etc/localtime && exec "$@"' "$SYSTEM_ZONE")
    fi
    (cd "$dir" && exec "${prefix[@]}" env "${tz[@]}" XDG_RUNTIME_DIR="$runtime" \
        HOME="$runtime" XDG_CONFIG_HOME="$runtime/.config" VELKAR_CHECK_GL=1 \
        LD_PRELOAD="$FAKETIME_LIB" FAKETIME_FMT=%s FAKETIME_TIMESTAMP_FILE="$CLOCK_FILE" \
        FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 "${vars[@]}" "$VELKAR" "$@") \
        >"$VOUT" 2>"$VERR" &
    VPID=$!
    SYNC_FROM= # marked before the last key to an earlier velkar: not this one's picture
    if ! wait_for_window 30; then
        echo "its stderr:"
        cat "$VERR"
        return 1
    fi
    sync_velkar || return 1
    # The first frame follows the first expose; wait until something is drawn.
    local deadline=$((SECONDS + 20))
    until [ "$(look bbox "$(shot started)")" != none ]; do
        [ $SECONDS -lt $deadline ] || { echo "the window stayed blank"; return 1; }
        sleep 0.1
    done
    reset_view
    WIDTH=500 HEIGHT=500
}

# set_system_zone ZONE: replaces the system's zone file under a velkar started with
# SYSTEM_ZONE by the zone ZONE's file, and expects the clocks in ZONE from now on.
set_system_zone() {
    nsenter -t "$VPID" -m mount --bind "/usr/share/zoneinfo/$1" /etc/localtime || return 1
    ZONE=$1
}

# sync_velkar [TIMEOUT_MS [QUIET_MS]]: returns once velkar has handled everything sent to it
# so far and its picture has stayed the same for QUIET_MS (default $SYNC_QUIET_MS; longer
# than any frame); fails when that does not happen in time. With QUIET_MS 0 it only waits
# until velkar has read the input, which is enough to pace a storm.
# A velkar that has died ends the suite here, with its last words.
SYNC_QUIET_MS=60
# A Wayland frame waits for the compositor's next output frame (60 Hz) before it is shown.
[ "$DISPLAY_KIND" = wayland ] && SYNC_QUIET_MS=150
sync_velkar() {
    if [ "$DISPLAY_KIND" = wayland ]; then
        settle "${1:-30000}" "${2:-$SYNC_QUIET_MS}" && return 0
    else
        "$TOOLS/velkar_x11" sync "$VWIN" "${1:-30000}" "${2:-$SYNC_QUIET_MS}" && return 0
    fi
    if ! alive; then
        wait "$VPID"
        bad "velkar died (exit status $?); the end of its stderr:"
        tail -5 "$VERR" | sed 's/^/          /'
        VPID=
        finish
    fi
    return 1
}

# escape_ends_velkar [LABEL]: Escape must end velkar with exit status 0 (sets VSTATUS).
escape_ends_velkar() {
    send_keys Escape
    wait_exit 15
    check "${1:+$1: }Escape ends velkar with exit status 0 (status $VSTATUS)" [ "$VSTATUS" -eq 0 ]
}

# expect_quiet LABEL: velkar has written nothing to standard error so far.
expect_quiet() {
    local lines
    lines=$(grep -c . "$VERR")
    check "$1: nothing on stderr ($lines lines)" [ "$lines" -eq 0 ]
}

# shot NAME: screenshot of the window into $WORK/NAME.png; prints the file name.
shot() {
    grab_window "$WORK/$1.png"
    echo "$WORK/$1.png"
}

look() {
    "$TOOLS/velkar_look" "$@"
}

# ---- the view state, tracked as the program's commands change it ------------------------

# The view as velkar_project gives it, from the model's own start view and steps.
VIEW_VARS=(XROT YROT ZROT XTRA YTRA ZTRA SCALE ANI)
view_options() {
    echo --xrot "$XROT" --yrot "$YROT" --zrot "$ZROT" --xtra "$XTRA" --ytra "$YTRA" \
        --ztra "$ZTRA" --scale "$SCALE" --ani "$ANI" --size "${WIDTH:-500}x${HEIGHT:-500}"
}
# view_after [--press KEY N | --drag DX DY]: sets the view variables to the view after that.
view_after() {
    local options=()
    [ $# -gt 0 ] && read -r -a options < <(view_options)
    read -r "${VIEW_VARS[@]}" < <("$TOOLS/velkar_project" "${options[@]}" "$@" --view)
}

# view_keys: the X keysyms of every key the program's commands bind that works without a
# window (what --keys accepts), one a line.
view_keys() {
    "$TOOLS/velkar_project" --keys
}

reset_view() {
    view_after
    AA=0
}

# press KEY [COUNT]: sends the key COUNT times, waits until velkar has handled them and
# follows the view state along.
press() {
    local key=$1 n=${2:-1} i
    local keys=()
    for ((i = 0; i < n; ++i)); do keys+=("$key"); done
    send_keys "${keys[@]}"
    sync_velkar || bad "velkar did not answer after $n x $key"
    follow "$key" "$n"
}

# follow KEY COUNT: the view state after COUNT presses of KEY, as the program defines it.
follow() {
    local key=$1 n=$2
    case $key in
    q) AA=$(((AA + n) % 2)) ;;
    space) reset_view ;;
    x | F12) ;;
    *) view_after --press "$key" "$n" ;;
    esac
}

# wheel up|down [COUNT]: wheel clicks (buttons 4 and 5) over the window.
wheel() {
    local button=4
    [ "$1" = down ] && button=5
    xdotool mousemove --window "$VWIN" $((WIDTH / 2)) $((HEIGHT / 2)) \
        click --repeat "${2:-1}" --delay 0 "$button"
    sync_velkar || bad "velkar did not answer after ${2:-1} wheel clicks $1"
    follow "wheel-$1" "${2:-1}"
}

# drag X0 Y0 X1 Y1: press the left button at one point of the window, move, release.
drag() {
    xdotool mousemove --window "$VWIN" "$1" "$2" mousedown 1 \
        mousemove --window "$VWIN" "$3" "$4" mouseup 1
    sync_velkar || bad "velkar did not answer after a drag"
    view_after --drag $(($3 - $1)) $(($4 - $2))
}

# project [QUERY...|--bbox]: velkar_project for the current view state, clock and size.
project() {
    local options
    read -r -a options < <(view_options)
    "$TOOLS/velkar_project" "${options[@]}" --sec "$SEC" --min "$MIN" --min12 "$MIN12" "$@"
}

# expected_bbox: where the whole phone must be drawn, cut to the window: "left top right
# bottom" of everything, then of the body and lid blocks alone.
expected_bbox() {
    project --bbox | awk -v w="$WIDTH" -v h="$HEIGHT" '
        function cut(v, hi) { return v < 0 ? 0 : (v > hi ? hi : v) }
        { printf "%.1f %.1f %.1f %.1f %.1f %.1f %.1f %.1f\n", cut($1, w - 1), cut($2, h - 1),
                 cut($3, w - 1), cut($4, h - 1), cut($5, w - 1), cut($6, h - 1),
                 cut($7, w - 1), cut($8, h - 1) }'
}

# bbox_fits MEASURED EXPECTED TOLERANCE: each measured edge lies between the blocks' edge
# and the outermost detail's, give or take TOLERANCE pixels.
bbox_fits() {
    awk -v m="$1" -v e="$2" -v t="$3" 'BEGIN {
        if (split(m, p) != 4 || split(e, q) != 8) exit 1
        if (p[1] < q[1] - t || p[1] > q[5] + t) exit 1
        if (p[2] < q[2] - t || p[2] > q[6] + t) exit 1
        if (p[3] > q[3] + t || p[3] < q[7] - t) exit 1
        if (p[4] > q[4] + t || p[4] < q[8] - t) exit 1 }'
}

# bbox_apart A B PIXELS: some edge of the full extents moved by at least PIXELS (so a check
# can tell the two apart).
bbox_apart() {
    awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN {
        split(a, p); split(b, q)
        for (i = 1; i <= 4; ++i) if (p[i] - q[i] >= t || q[i] - p[i] >= t) exit 0
        exit 1 }'
}

# expect_phone LABEL [TOLERANCE]: the drawing's extent is where the model and view put it.
# Sets MEASURED and EXPECTED.
expect_phone() {
    local label=$1 tol=${2:-2}
    MEASURED=$(look bbox "$(shot "$label")")
    EXPECTED=$(expected_bbox)
    if bbox_fits "$MEASURED" "$EXPECTED" "$tol"; then
        ok "$label: phone drawn at $MEASURED (model: ${EXPECTED% * * * *})"
    else
        bad "$label: phone drawn at $MEASURED, the model puts it at $EXPECTED"
    fi
}

# expect_moved LABEL REFERENCE: the phone is where the model puts it, which is visibly away
# from the reference extent.
expect_moved() {
    expect_phone "$1"
    check "$1: the model says this shows (moved from $2)" bbox_apart "$EXPECTED" "$2" 6
}

# The lid opened by the timed animation moved the view by a number of frames' worth;
# measure that from where the body's far end is drawn and take it as the view's yTra.
measure_ytra() {
    local bottom_row model_bottom
    bottom_row=$(look bbox "$1" | awk '{ print $4 }')
    model_bottom=$(YTRA=0 project --bbox | awk '{ print $8 }')
    YTRA=$(calc "($model_bottom - ($bottom_row + 0.5)) / ($SCALE * $HEIGHT / 2)")
}

# count_of CLASS RADIUS QUERY: pixels of the colour class round the model point, in $IMG.
count_of() {
    local point
    point=$(project "$3")
    # shellcheck disable=SC2086
    look count "$IMG" "$2" "$1" $point
}

# expect_colour LABEL CLASS QUERY [MIN]: at least MIN of the 5x5 block round the point (all
# 25 by default) are of the class.
expect_colour() {
    local n
    n=$(count_of "$2" 2 "$3")
    if [ "$n" -ge "${4:-25}" ]; then ok "$1 ($n/25 $2)"; else bad "$1: $n of 25 pixels $2"; fi
}
# expect_no_colour LABEL CLASS QUERY: none of the 5x5 block is of the class.
expect_no_colour() {
    local n
    n=$(count_of "$2" 2 "$3")
    if [ "$n" -eq 0 ]; then ok "$1"; else bad "$1: $n of 25 pixels $2"; fi
}

# The screen picture's corner squares as (u, v) on the main screen from its far left corner
# (vertex 33), u towards 34, v towards 32: upright on the open lid, red is top left.
PICTURE_SQUARES=("red 0.125 0.125" "blue 0.875 0.125" "green 0.125 0.875" "yellow 0.875 0.875")

# expect_picture LABEL: the open lid's main screen shows the picture, upright, unmirrored.
expect_picture() {
    local square colour u v
    for square in "${PICTURE_SQUARES[@]}"; do
        read -r colour u v <<<"$square"
        expect_colour "$1: $colour square where the picture puts it" "$colour" "33,34,32,$u,$v"
    done
}
# expect_no_picture LABEL: the open lid's main screen shows none of the picture's squares.
expect_no_picture() {
    local square colour u v n=0
    for square in "${PICTURE_SQUARES[@]}"; do
        read -r colour u v <<<"$square"
        n=$((n + $(count_of "$colour" 2 "33,34,32,$u,$v")))
    done
    if [ "$n" -eq 0 ]; then ok "$1: the main screen is blank"; else bad "$1: $n picture pixels"; fi
}

# still_drawing: the picture changes when a key moves the view, and changes back.
still_drawing() {
    local before after
    alive || { bad "velkar is no longer running"; return 1; }
    before=$(shot drawing-before)
    press d 4
    after=$(shot drawing-after)
    press a 4
    if [ -s "$before" ] && [ -s "$after" ] && [ "$(differing_pixels "$before" "$after")" -gt 100 ]; then
        ok "still drawing: the picture follows a key"
    else
        bad "the picture did not change when a key moved the view"
        return 1
    fi
}
