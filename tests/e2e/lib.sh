# Shared by the end-to-end, abuse, soak and pixel comparison scripts: start velkar the way a user does, drive
# it only through the display server (xdotool on X11, wtype on Wayland), read it only
# through the display server (xwininfo and ImageMagick's import, or swaymsg and grim) and
# its exit status, and ask the model where to look.
# Source it with the program, the helper directory and the assets directory as $1 $2 $3;
# DISPLAY must name a private X server (scripts/with-xvfb gives one), or, with DISPLAY
# unset, WAYLAND_DISPLAY a private sway (scripts/with-wayland). Pointer input (wheel, drag)
# and resizing are X11 only.

set -uo pipefail

VELKAR=$(realpath "$1")
TOOLS=$(realpath "$2")
ASSETS=$(realpath "$3")
TITLE="My mobile phone: Velkar"
FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1

if [ -n "${DISPLAY:-}" ]; then
    DISPLAY_KIND=x11
    tools=(xdotool xwininfo import)
elif [ -n "${WAYLAND_DISPLAY:-}" ] && [ -n "${SWAYSOCK:-}" ]; then
    DISPLAY_KIND=wayland
    tools=(swaymsg grim wtype jq)
else
    echo "no private display: run under scripts/with-xvfb or scripts/with-wayland" >&2
    exit 1
fi
for tool in "${tools[@]}" setpriv; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
[ -r "$FAKETIME_LIB" ] || { echo "missing $FAKETIME_LIB (package libfaketime)" >&2; exit 1; }

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

# calc EXPRESSION: floating-point arithmetic.
calc() {
    awk "BEGIN { printf \"%.9g\", $* }"
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

# ---- the display server: what X11 and Wayland do differently -----------------------------

# find_window: velkar's visible window with its title, or nothing.
find_window() {
    if [ "$DISPLAY_KIND" = wayland ]; then
        swaymsg -t get_tree 2>/dev/null | jq -r --argjson pid "$VPID" --arg title "$TITLE" \
            'first(.. | objects | select(.pid? == $pid and .name == $title and .visible)) | .id'
    else
        xdotool search --onlyvisible --pid "$VPID" --name "^$TITLE\$" 2>/dev/null | head -1
    fi
}

focus_window() {
    if [ "$DISPLAY_KIND" = wayland ]; then
        swaymsg "[con_id=$VWIN] focus" >/dev/null 2>&1
    else
        xdotool windowfocus "$VWIN" 2>/dev/null
    fi
}

# window_geometry (Wayland): "X,Y WxH" of the window on the output, as grim takes it. The
# compositor draws no borders, so this is the client area, unless the toolkit drew its own
# title bar: then it is larger than the size velkar asks for.
window_geometry() {
    swaymsg -t get_tree | jq -r --argjson id "$VWIN" 'first(.. | objects | select(.id? == $id)) |
        "\(.rect.x + .window_rect.x),\(.rect.y + .window_rect.y) \(.window_rect.width)x\(.window_rect.height)"'
}

# close_window: what a window manager's or compositor's close button does.
close_window() {
    if [ "$DISPLAY_KIND" = wayland ]; then
        swaymsg "[con_id=$VWIN] kill" >/dev/null
    else
        "$TOOLS/velkar_x11" close "$VWIN"
    fi
}

# send_keys KEY...: X keysym names, which xdotool and wtype both take.
send_keys() {
    if [ "$DISPLAY_KIND" = wayland ]; then
        mark_picture
        local args=() key
        for key; do args+=(-k "$key"); done
        wtype "${args[@]}"
    else
        xdotool key --delay 0 "$@"
    fi
}

# Nothing outside a Wayland compositor can ask velkar whether it has read its input, so on
# Wayland its picture has to tell: it must first change from the one marked before the
# input (every key sent there changes it), then stay the same for QUIET_MS.
SYNC_FROM=
mark_picture() {
    SYNC_FROM=$WORK/sync-from.ppm
    grim -t ppm -g "$(window_geometry)" "$SYNC_FROM" 2>/dev/null
}
grab() {
    grim -t ppm -g "$(window_geometry)" "$1" 2>/dev/null || rm -f "$1"
}
# settle TIMEOUT_MS QUIET_MS: as sync_velkar, on Wayland.
settle() {
    local deadline=$((SECONDS + ($1 + 999) / 1000)) quiet
    local now=$WORK/sync-now.ppm last=$WORK/sync-last.ppm
    quiet=$(calc "$2 / 1000")
    grab "$now"
    if [ -n "$SYNC_FROM" ]; then
        while cmp -s "$now" "$SYNC_FROM"; do
            alive && [ $SECONDS -lt $deadline ] || { SYNC_FROM=; return 1; }
            sleep 0.02
            grab "$now"
        done
        SYNC_FROM=
    fi
    while :; do
        mv -f "$now" "$last" 2>/dev/null
        sleep "$quiet"
        grab "$now"
        [ -s "$now" ] && cmp -s "$now" "$last" && return 0
        alive && [ $SECONDS -lt $deadline ] || return 1
    done
}

# ---- the program -------------------------------------------------------------------------

# start_velkar DIR [VAR=VALUE...] [-- ARG...]: starts velkar in DIR with the pinned clock, GL
# error checking, the given environment and arguments, and waits until its window shows a
# picture. HOME is DIR.runtime.
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
    (cd "$dir" && exec "${prefix[@]}" env TZ="$ZONE" XDG_RUNTIME_DIR="$runtime" \
        HOME="$runtime" VELKAR_CHECK_GL=1 \
        LD_PRELOAD="$FAKETIME_LIB" FAKETIME_FMT=%s FAKETIME_TIMESTAMP_FILE="$CLOCK_FILE" \
        FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 "${vars[@]}" "$VELKAR" "$@") \
        >"$VOUT" 2>"$VERR" &
    VPID=$!
    VWIN=
    local deadline=$((SECONDS + 30))
    while [ -z "$VWIN" ]; do
        if ! kill -0 "$VPID" 2>/dev/null; then
            echo "velkar exited during start-up; its stderr:"
            cat "$VERR"
            return 1
        fi
        [ $SECONDS -lt $deadline ] || { echo "no velkar window after 30 s"; return 1; }
        VWIN=$(find_window)
        [ -n "$VWIN" ] || sleep 0.1
    done
    focus_window
    sync_velkar || return 1
    # The first frame follows the first expose; wait until something is drawn.
    deadline=$((SECONDS + 20))
    until [ "$(look bbox "$(shot started)")" != none ]; do
        [ $SECONDS -lt $deadline ] || { echo "the window stayed blank"; return 1; }
        sleep 0.1
    done
    reset_view
    WIDTH=500 HEIGHT=500
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

alive() {
    kill -0 "$VPID" 2>/dev/null
}

# wait_exit SECONDS: waits for velkar to end; sets VSTATUS (124 when it did not end).
wait_exit() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$VPID" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
        sleep 0.05
    done
    if kill -0 "$VPID" 2>/dev/null; then
        kill "$VPID"
        wait "$VPID" 2>/dev/null
        VSTATUS=124
    else
        wait "$VPID"
        VSTATUS=$?
    fi
    VPID=
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
    local file=$WORK/$1.png
    if [ "$DISPLAY_KIND" = wayland ]; then
        grim -l 1 -g "$(window_geometry)" "$file" 2>/dev/null || rm -f "$file"
    else
        timeout 20 import -window "$VWIN" "$file" 2>/dev/null || rm -f "$file"
    fi
    echo "$file"
}

look() {
    "$TOOLS/velkar_look" "$@"
}

# window_size: "W H" as the display server has it.
window_size() {
    if [ "$DISPLAY_KIND" = wayland ]; then
        window_geometry | awk -F '[ x]' '{ print $2, $3 }'
    else
        xwininfo -id "$VWIN" | awk '/^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print w, h }'
    fi
}

# ---- the view state, tracked as the program's commands change it ------------------------

reset_view() {
    XROT=-90 YROT=0 ZROT=0 XTRA=0 YTRA=0 ZTRA=0 SCALE=0.2 ANI=0 AA=0
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
    plus | equal | wheel-up)
        SCALE=$(awk -v s="$SCALE" -v n="$n" 'BEGIN {
            for (i = 0; i < n; ++i) { s *= 1.1; if (s > 1000) s = 1000 }
            printf "%.9g", s }')
        ;;
    minus | wheel-down)
        SCALE=$(awk -v s="$SCALE" -v n="$n" 'BEGIN {
            for (i = 0; i < n; ++i) { s /= 1.1; if (s < 0.001) s = 0.001 }
            printf "%.9g", s }')
        ;;
    Up) XROT=$(calc "$XROT + $n") ;;
    Down) XROT=$(calc "$XROT - $n") ;;
    Left) ZROT=$(calc "$ZROT + $n") ;;
    Right) ZROT=$(calc "$ZROT - $n") ;;
    w) YTRA=$(calc "$YTRA + 0.05 * $n") ;;
    s) YTRA=$(calc "$YTRA - 0.05 * $n") ;;
    a) XTRA=$(calc "$XTRA - 0.05 * $n") ;;
    d) XTRA=$(calc "$XTRA + 0.05 * $n") ;;
    t)
        read -r ANI YTRA < <(awk -v a="$ANI" -v y="$YTRA" -v n="$n" 'BEGIN {
            for (i = 0; i < n; ++i) { a += 0.03; if (a > 3) a = 3; else y -= 0.01 }
            printf "%.9g %.9g\n", a, y }')
        ;;
    g)
        read -r ANI YTRA < <(awk -v a="$ANI" -v y="$YTRA" -v n="$n" 'BEGIN {
            for (i = 0; i < n; ++i) { a -= 0.03; if (a < 0) a = 0; else y += 0.01 }
            printf "%.9g %.9g\n", a, y }')
        ;;
    q) AA=$(((AA + n) % 2)) ;;
    space) reset_view ;;
    x | F12) ;;
    *) echo "follow: no model for key $key" >&2 ;;
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
    XROT=$(calc "$XROT + 180 / $SCALE * ($4 - $2) / $HEIGHT")
    ZROT=$(calc "$ZROT + 180 / $SCALE * ($3 - $1) / $WIDTH")
}

# project [QUERY...|--bbox]: velkar_project for the current view state, clock and size.
project() {
    "$TOOLS/velkar_project" --xrot "$XROT" --yrot "$YROT" --zrot "$ZROT" --xtra "$XTRA" \
        --ytra "$YTRA" --ztra "$ZTRA" --scale "$SCALE" --ani "$ANI" --sec "$SEC" \
        --min "$MIN" --min12 "$MIN12" --size "${WIDTH}x$HEIGHT" "$@"
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
    if [ -s "$before" ] && [ -s "$after" ] && [ "$(look diff "$before" "$after")" -gt 100 ]; then
        ok "still drawing: the picture follows a key"
    else
        bad "the picture did not change when a key moved the view"
        return 1
    fi
}
