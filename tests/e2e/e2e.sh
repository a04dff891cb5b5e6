#!/usr/bin/env bash
# End to end: the built velkar as a user runs it, on a private X display with a pinned
# clock and time zone, driven only by synthetic keys, clicks and drags and read only from
# its window, its title, its size and its exit status. Where to look comes from the model
# (velkar_project), not from numbers copied off a screenshot.
#   e2e.sh VELKAR TOOLS_DIR ASSETS_DIR        (under scripts/with-xvfb)
source "$(dirname "$0")/lib.sh" "$@"

# ---- reading the outer display's clock ---------------------------------------------------

# The strokes a digit can have, each with a point on it that no other stroke comes near:
# (u, v) in the cell, u from its left column (0) to its right (1), v from its lower row (0)
# to its upper row (1), the upper row being the one nearer the hinge.
declare -A STROKE_AT=(
    [bottom]="0.5 0" [top]="0.5 1" [middle]="0.3 0.5"
    [lower-left]="0 0.3" [upper-left]="0 0.75" [lower-right]="1 0.25" [upper-right]="1 0.7"
    [middle-left/upper-right]="0.5 0.75" [lower-left/upper-right]="0.6 0.6"
    [lower-left/middle-right]="0.5 0.25"
)
# The glyphs: a full side is one stroke over both halves of the cell; 6, 7 and 9 have a
# diagonal.
GLYPH=(
    "bottom top lower-left upper-left lower-right upper-right"
    "lower-right upper-right"
    "bottom lower-left middle upper-right top"
    "bottom lower-right upper-right middle top"
    "upper-left lower-right middle upper-right"
    "bottom lower-right middle upper-left top"
    "bottom lower-right middle lower-left middle-left/upper-right"
    "lower-left/upper-right top"
    "bottom lower-left upper-left lower-right upper-right top middle"
    "top upper-right upper-left middle lower-left/middle-right"
)
CELL_BASE=(45 51 59 65 73 79) # hour tens ... second units
COLON_DOTS=(57 58 71 72)

# clock_mismatches IMAGE: prints one line per stroke or colon dot that disagrees with the
# pinned time (HOU MIN SEC); nothing when the display reads right.
clock_mismatches() {
    local image=$1 digits queries=() what=() want=()
    digits=$(printf '%02d%02d%02d' "$HOU" "$MIN" "$SEC")
    local k stroke base d
    for k in 0 1 2 3 4 5; do
        d=${digits:k:1}
        base=${CELL_BASE[k]}
        for stroke in "${!STROKE_AT[@]}"; do
            read -r u v <<<"${STROKE_AT[$stroke]}"
            queries+=("$base,$((base + 1)),$((base + 4)),$u,$v")
            what+=("digit $((k + 1)) ($d), stroke $stroke")
            if [[ " ${GLYPH[d]} " == *" $stroke "* ]]; then want+=(dark); else want+=(light); fi
        done
    done
    local dot_colour=dark
    [ $((SEC % 2)) -eq 1 ] && dot_colour=light
    for d in "${COLON_DOTS[@]}"; do
        queries+=("$d")
        what+=("colon dot $d")
        want+=("$dot_colour")
    done
    local points levels i=0 level
    mapfile -t points < <(project "${queries[@]}")
    # shellcheck disable=SC2046
    mapfile -t levels < <(look darkest "$image" $(printf '%s ' "${points[@]}"))
    for level in "${levels[@]}"; do
        if [ "${want[i]}" = dark ] && [ "$level" -ge 100 ]; then
            echo "${what[i]}: should be dark, darkest grey $level at ${points[i]}"
        elif [ "${want[i]}" = light ] && [ "$level" -le 180 ]; then
            echo "${what[i]}: should be blank, darkest grey $level at ${points[i]}"
        fi
        i=$((i + 1))
    done
    [ ${#levels[@]} -eq ${#want[@]} ] || echo "read ${#levels[@]} of ${#want[@]} probes"
}

# expect_clock LABEL [SECONDS]: waits (no input; the one-second repaint must bring it) up to
# SECONDS (5) until the outer display shows the pinned time, stroke by stroke.
expect_clock() {
    local label=$1 deadline=$((SECONDS + ${2:-5})) wrong
    while :; do
        wrong=$(clock_mismatches "$(shot "$label")")
        [ -z "$wrong" ] && break
        [ $SECONDS -lt $deadline ] || break
        sleep 0.2
    done
    local shown
    shown=$(printf '%02d:%02d:%02d' "$HOU" "$MIN" "$SEC")
    if [ -z "$wrong" ]; then
        ok "$label: the outer display reads $shown, every stroke and colon dot as expected"
    else
        bad "$label: the outer display does not read $shown:"
        echo "$wrong" | head -12 | sed 's/^/          /'
    fi
}

# ---- checks on the open lid --------------------------------------------------------------

# with_clock SEC MIN MIN12 COMMAND...: runs a check as if the clock fields were others.
with_clock() {
    local s=$SEC m=$MIN h=$MIN12
    SEC=$1 MIN=$2 MIN12=$3
    shift 3
    "$@"
    SEC=$s MIN=$m MIN12=$h
}

# expect_turn LABEL VAR DELTA: after a turn by DELTA of VAR, the phone is where the model
# puts it, and a turn the other way would have put it somewhere visibly else.
expect_turn() {
    local label=$1 var=$2 delta=$3 saved alt
    expect_phone "$label"
    saved=${!var}
    printf -v "$var" '%s' "$(calc "$saved - 2 * ($delta)")"
    alt=$(expected_bbox)
    printf -v "$var" '%s' "$saved"
    check "$label: a turn the other way would look different ($alt)" bbox_apart "$EXPECTED" "$alt" 6
}

# ---- the same pixels without a window ----------------------------------------------------

# times KEY N: the key name N times, for --keys.
times() {
    local i
    for ((i = 0; i < $2; ++i)); do printf '%s ' "$1"; done
}

# same_as_output LABEL KEYS [PICTURE]: F12 saves the window's frame; velkar --output, run
# with no display in the window's folder at the pinned time after the same keys, must
# write the same picture, pixel for pixel.
same_as_output() {
    local label=$1 keys=$2 saved file=$WORK/output-$RANDOM.png
    shift 2
    press F12
    saved=$(sed -n 's/^velkar: saved //p' "$VOUT" | tail -1)
    (cd "$VDIR" && env -u DISPLAY -u WAYLAND_DISPLAY TZ="$ZONE" XDG_RUNTIME_DIR="$VDIR.runtime" \
        VELKAR_CHECK_GL=1 "$VELKAR" --output "$file" --keys "$keys" \
        --time "$(printf '%02d:%02d:%02d' "$HOU" "$MIN" "$SEC")" "$@" 2>>"$WORK/output.err")
    local differ=none
    [ -s "$file" ] && differ=$(differing_pixels "$saved" "$file")
    check "$label: velkar --output draws what F12 saved ($differ pixels differ)" [ "$differ" = 0 ]
}

########################################################################################
section "start-up"
set_clock "2026-12-07 09:08:30" # 10:08:30 in Berlin, winter time
dir=$WORK/main
mkdir "$dir"
cp "$ASSETS/nqw.bmp" "$dir/"
start_velkar "$dir" || { bad "velkar did not start"; finish; }
check "window title is \"$TITLE\"" [ "$(xdotool getwindowname "$VWIN")" = "$TITLE" ]
size=$(window_size)
check "window is 500x500 (is $size)" [ "$size" = "500 500" ]
IMG=$(shot start)
corners=$(look pixel "$IMG" 3 3 496 3 3 496 496 496 | sort -u)
check "background is white (corners: $corners)" [ "$corners" = "255 255 255" ]
expect_phone "start-up view, lid closed"
START_BBOX=$EXPECTED
cp "$IMG" "$WORK/start-reference.png"
VDIR=$dir
same_as_output "start-up view" ""

section "the outer display's clock"
press plus 10
press equal 10
IMG=$(shot zoomed)
# The display's four corners: just inside is the white display, just outside the dark lid.
for corner in "26,25,27,0,0" "25,26,24,0,0" "27,24,26,0,0" "24,27,25,0,0"; do
    IFS=, read -r a b c _ <<<"$corner"
    inside=$(project "$a,$b,$c,0.02,0.04")
    outside=$(project "$a,$b,$c,-0.02,-0.06")
    # shellcheck disable=SC2086
    read -r lin lout < <(look lightest "$IMG" $inside $outside | paste -sd' ')
    # shellcheck disable=SC2086
    read -r din _ < <(look darkest "$IMG" $inside $outside | paste -sd' ')
    check "zoomed display corner $a: white inside (grey $din-$lin), dark outside (grey $lout)" \
        [ "$din" -gt 200 -a "$lout" -lt 120 ]
done
expect_clock "10:08:30, even second"
same_as_output "the outer display's clock" "$(times + 10)$(times = 10)"
set_clock "2026-12-07 09:08:31"
expect_clock "one second later, by the repaint timer alone"
set_clock "2026-12-07 22:59:59"
expect_clock "last second of the day"
set_clock "2026-12-07 23:00:00"
expect_clock "midnight"
set_clock "2026-12-08 13:26:57"
expect_clock "14:26:57"
set_clock "2026-12-07 09:08:30"
expect_clock "back at 10:08:30"

section "Space restores the start-up view"
press space
IMG=$(shot after-space)
check "the picture equals the start-up picture" [ "$(differing_pixels "$IMG" "$WORK/start-reference.png")" -eq 0 ]

section "lid steps (T, G)"
press t 25
expect_moved "T x25: lid part open, view 0.25 lower" "$START_BBOX"
HALF_OPEN=$EXPECTED
shot half-open >/dev/null

section "arrow keys, with the lid part open so every turn shows"
press Up 20
expect_turn "Up x20" XROT 20
same_as_output "turned" "$(times T 25)$(times Up 20)"
press Down 40
expect_turn "Down x40" XROT -40
press Up 20
check "Up x20 back: the same picture as before the turns" \
    [ "$(differing_pixels "$(shot arrows-back)" "$WORK/half-open.png")" -eq 0 ]
press Left 20
expect_turn "Left x20" ZROT 20
press Right 40
expect_turn "Right x40" ZROT -40
press Left 20

section "W, A, S, D"
press d 10
expect_moved "D x10: right" "$HALF_OPEN"
press a 20
expect_moved "A x20: left" "$HALF_OPEN"
press d 10
press w 10
expect_moved "W x10: up" "$HALF_OPEN"
press s 20
expect_moved "S x20: down" "$HALF_OPEN"
press w 10
check "back where it was: the same picture" \
    [ "$(differing_pixels "$(shot wasd-back)" "$WORK/half-open.png")" -le 50 ]

section "zoom keys and the wheel"
press plus 5
expect_moved "+ x5: larger" "$HALF_OPEN"
press minus 8
expect_moved "- x8: smaller" "$HALF_OPEN"
press equal 3
expect_phone "= x3: back to the size before"
wheel up 6
expect_moved "wheel up x6" "$HALF_OPEN"
wheel down 6
expect_phone "wheel down x6: back"

section "mouse drag"
drag 250 250 250 270
expect_turn "drag 20 px down: xRot +36" XROT 36
drag 250 250 262 250
expect_turn "drag 12 px right: zRot +21.6" ZROT 21.6

section "lid steps: closing, and the clamp when fully open"
press space
press t 25
press g 25
expect_phone "T x25 then G x25: closed again"
press t 105
expect_moved "T x105: fully open, the last five steps clamp" "$START_BBOX"
press g 105
expect_phone "G x105: closed, view back"
press space

section "antialiasing (Q)"
press q
IMG=$(shot antialiased)
changed=$(differing_pixels "$IMG" "$WORK/start-reference.png")
check "Q on: lines are smoothed ($changed pixels changed)" [ "$changed" -gt 50 ]
expect_phone "Q on: the phone stays in place" 2
press q
check "Q off: the picture is exactly the one before" \
    [ "$(differing_pixels "$(shot aliased)" "$WORK/start-reference.png")" -eq 0 ]

section "R: timed opening"
t0=$SECONDS
xdotool key r
sync_velkar 20000 || bad "velkar did not come back from the opening animation"
ANI=3
IMG=$(shot opened)
measure_ytra "$IMG"
echo "        opening took about $((SECONDS - t0)) s; view lowered by $YTRA," \
    "about $(calc "int(-($YTRA) / 0.0005)") frames"
expect_phone "R: the lid is open"
# Bring the main screen to the middle of the window and zoom in on it.
read -r _ cy < <(project "33,34,32,0.5,0.5")
steps=$(calc "int(($HEIGHT / 2 - $cy) / ($SCALE * $HEIGHT / 2 * 0.05) + 0.5)")
press s "$steps"
press plus 13
IMG=$(shot screen)
expect_picture "picture upright and unmirrored"
echo "        hands for $HOU:$MIN:$SEC: hour step $MIN12, minute $MIN, second $SEC"
expect_colour "hour hand (blue) where the time puts it" blue "155,156,157,0.4,0.4"
expect_colour "minute hand (green) where the time puts it" green "155,159,160,0.4,0.4"
expect_colour "second hand (red) where the time puts it" red "155,162,0.6" 2
with_clock "$SEC" "$MIN" $(((60 - MIN12) % 60)) \
    expect_no_colour "no hour hand at its mirror image" blue "155,156,157,0.4,0.4"
with_clock "$SEC" "$MIN" $(((MIN12 + 30) % 60)) \
    expect_no_colour "no hour hand opposite" blue "155,156,157,0.4,0.4"
with_clock "$SEC" $(((60 - MIN) % 60)) "$MIN12" \
    expect_no_colour "no minute hand at its mirror image" green "155,159,160,0.4,0.4"
with_clock "$SEC" $(((MIN + 30) % 60)) "$MIN12" \
    expect_no_colour "no minute hand opposite" green "155,159,160,0.4,0.4"
with_clock $(((SEC + 30) % 60)) "$MIN" "$MIN12" \
    expect_no_colour "no second hand opposite" red "155,162,0.6"
press minus 13
press w "$steps"

section "F: timed closing"
xdotool key f
sync_velkar 20000 || bad "velkar did not come back from the closing animation"
ANI=0
IMG=$(shot closed)
measure_ytra "$IMG"
expect_phone "F: the lid is closed"
press space
check "Space: the start-up picture again" \
    [ "$(differing_pixels "$(shot reset)" "$WORK/start-reference.png")" -eq 0 ]

section "closing the window through the window system"
close_window
wait_exit 15
check "WM_DELETE_WINDOW ends velkar with exit status 0 (status $VSTATUS)" [ "$VSTATUS" -eq 0 ]
expect_quiet "after the whole session"

########################################################################################
section "daylight-saving time: summer in Berlin"
set_clock "2026-07-15 08:08:30" # 10:08:30 CEST
dir=$WORK/summer
mkdir "$dir"
cp "$ASSETS/nqw.bmp" "$dir/"
start_velkar "$dir" || { bad "velkar did not start"; finish; }
press plus 20
expect_clock "summer time: the wall clock, $HOU:$(printf %02d "$MIN")"
escape_ends_velkar

section "the system's time zone changes while velkar runs, TZ unset"
if [ "$(id -u)" -ne 0 ] || ! unshare -m true 2>/dev/null || [ ! -e /etc/localtime ]; then
    echo "  skip: replacing the zone file under velkar needs root, a private mount namespace" \
        "and /etc/localtime"
else
    ZONE=Etc/UTC
    set_clock "2026-12-07 09:08:30"
    dir=$WORK/zone
    mkdir "$dir"
    SYSTEM_ZONE=/usr/share/zoneinfo/$ZONE start_velkar "$dir" || { bad "velkar did not start"; finish; }
    press plus 20
    expect_clock "zone file ${ZONE#*/}"
    for zone in Asia/Tokyo America/New_York; do
        set_system_zone "$zone" || bad "could not bind $zone over /etc/localtime"
        set_clock "2026-12-07 09:08:30"
        expect_clock "zone file replaced by ${zone#*/}'s, shown by the next repaints" 3
    done
    escape_ends_velkar
    ZONE=Europe/Berlin
fi

########################################################################################
section "the context menu, opened with a real right-click"
dir=$WORK/menu
mkdir "$dir"
cp "$ASSETS/nqw.bmp" "$dir/"
start_velkar "$dir" || { bad "velkar did not start"; finish; }
xdotool mousemove --window "$VWIN" 120 140 click 3
for _ in $(seq 100); do
    menu=$(xdotool search --onlyvisible --pid "$VPID" | grep -vx "$VWIN" | head -1)
    [ -n "$menu" ] && break || sleep 0.1
done
check "a right-click without moving opens the menu" [ -n "$menu" ]
height=$(xwininfo -id "${menu:-$VWIN}" | awk '/^  Height:/ { print $2 }')
xdotool mousemove --window "${menu:-$VWIN}" 20 $((height - 10)) click 1
wait_exit 15
check "its last entry, Quit, ends velkar with exit status 0 (status $VSTATUS)" [ "$VSTATUS" -eq 0 ]

########################################################################################
section "the command line, without a display"
version=$(sed -n 's/^project(velkar VERSION \([0-9.]*\).*/\1/p' "$ASSETS/../CMakeLists.txt")
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$VELKAR" --version 2>&1)
check "--version prints \"velkar $version\" and exits 0 (\"$out\")" [ "$out" = "velkar $version" ]
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$VELKAR" --help 2>"$WORK/help.err")
status=$?
check "--help exits 0 (status $status), nothing on stderr" [ $status -eq 0 -a ! -s "$WORK/help.err" ]
check "--help gives the usage with [PICTURE]" grep -q "^Usage: .*\[PICTURE\]" <<<"$out"
for word in --version Escape F12 Menu; do
    check "--help mentions $word" grep -q -- "$word" <<<"$out"
done
mkdir -m 700 "$WORK/runtime"
for bad_line in "--frobnicate" "one.png two.png"; do
    # shellcheck disable=SC2086
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR=$WORK/runtime "$VELKAR" $bad_line 2>&1 >"$WORK/bad.out")
    status=$?
    check "velkar $bad_line, no display: refused (status $status), nothing on stdout" \
        [ $status -eq 2 -a ! -s "$WORK/bad.out" ]
    check "  the error names the problem: $(head -1 <<<"$out")" \
        grep -q "^velkar: .*${bad_line##*[ -]}" <<<"$(head -1 <<<"$out")"
    check "  and points to --help: $(tail -1 <<<"$out")" grep -q -- "--help" <<<"$(tail -1 <<<"$out")"
done

# Answered before any window, in the user's language; the option stays as typed.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY LANGUAGE=de "$VELKAR" --size 9 2>&1)
check "LANGUAGE=de: the error in German: $out" [ "$out" = $'velkar: --size funktioniert nur mit --output\n„velkar --help“ liefert weitere Informationen.' ]

section "a PICTURE argument, and F12 screenshots"
set_clock "2026-12-07 09:08:30"
dir=$WORK/argument
mkdir -p "$dir" "$WORK/pictures"
convert "$ASSETS/nqw.bmp" "$WORK/pictures/my phötö.png"
start_velkar "$dir" -- "../pictures/my phötö.png" || { bad "velkar did not start"; finish; }
press t 100
IMG=$(shot argument-open)
expect_picture "the picture named on the command line, lid open"
VDIR=$dir
same_as_output "lid open" "$(times T 100)" "../pictures/my phötö.png"
press q
same_as_output "lid open, antialiased" "$(times T 100) Q" "../pictures/my phötö.png"
press q
saved=()
for aa in off on; do
    [ $aa = on ] && press q
    before=$(shot "before-f12-$aa")
    press F12
    saved+=("$(sed -n 's/^velkar: saved //p' "$VOUT" | tail -1)")
    file=${saved[-1]}
    check "F12 with antialiasing $aa: saved $file" [ -s "$file" ]
    check "  it is exactly the window on screen" [ "$(differing_pixels "$file" "$(shot "after-f12-$aa")")" = 0 ]
    check "  and the view did not change" [ "$(differing_pixels "$before" "$WORK/after-f12-$aa.png")" = 0 ]
done
pictures=$dir.runtime/Pictures
check "two more files, their names numbered: ${saved[*]}" \
    [ "${saved[0]}" = "$pictures/velkar-20261207-100830-3.png" \
    -a "${saved[1]}" = "$pictures/velkar-20261207-100830-4.png" ]
check "velkar --output said nothing: $(head -1 "$WORK/output.err")" [ ! -s "$WORK/output.err" ]
expect_quiet "PICTURE argument and F12"
escape_ends_velkar

section "velkar --output -: a sequence into a pipe whose reader stops early"
(cd "$WORK" && env -u DISPLAY -u WAYLAND_DISPLAY "$VELKAR" --output - --duration 3 --keys R \
    --time 10:08:30 "$ASSETS/nqw.bmp" 2>"$WORK/pipe.err" | head -c 20000 >"$WORK/pipe.head"
    echo "${PIPESTATUS[0]}" >"$WORK/pipe.status")
check "it ends with exit status 1 (is $(cat "$WORK/pipe.status"))" [ "$(cat "$WORK/pipe.status")" = 1 ]
check "and one line: $(head -1 "$WORK/pipe.err")" [ "$(grep -c . "$WORK/pipe.err")" = 1 ]
check "  after a PNG's first bytes" [ "$(head -c 4 "$WORK/pipe.head" | tail -c 3)" = PNG ]

section "a missing PICTURE, and a Pictures folder that cannot be made"
dir=$WORK/missing-argument
mkdir -m 700 "$dir.runtime"
echo "a file where the folder should be" >"$dir.runtime/Pictures"
mkdir "$dir"
start_velkar "$dir" -- nosuch.png || { bad "velkar did not start"; finish; }
press F12
still_drawing
mapfile -t lines <"$VERR"
check "one warning for the picture: ${lines[0]:-}" \
    [ "${lines[0]:-}" = "velkar: no screen picture: \"nosuch.png\" in $dir: no such file" ]
check "one for the screenshot: ${lines[1]:-}" \
    [ "${lines[1]:-}" = "velkar: screenshot not saved: $dir.runtime/Pictures: $dir.runtime/Pictures is not a folder" ]
check "and nothing else (${#lines[@]} lines)" [ ${#lines[@]} -eq 2 ]
escape_ends_velkar

########################################################################################
section "restarted, the window comes back as it was left"
set_clock "2026-12-07 09:08:30"
dir=$WORK/remember # no nqw.bmp there: the standard picture would be none
mkdir -p "$dir" "$WORK/photos"
cp "$ASSETS/nqw.bmp" "$WORK/photos/holiday.bmp"
settings=$dir.runtime/.config/velkar/velkar.ini
start_velkar "$dir" || { bad "velkar did not start"; finish; }
# written_soon LINE [SECONDS]: the settings file has the line within SECONDS (10).
written_soon() {
    local deadline=$((SECONDS + ${2:-10}))
    until grep -qx "$1" "$settings" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}
# The dialog may show before its name box takes keys: typed again until the choice is made.
send_keys ctrl+o
for _ in 1 2 3; do
    for _ in $(seq 100); do
        dialog=$(xdotool search --all --onlyvisible --pid "$VPID" --name "^Open Picture$" | head -1)
        [ -n "$dialog" ] && break || sleep 0.1
    done
    xdotool windowfocus --sync "${dialog:-$VWIN}" key --delay 0 ctrl+a \
        type --delay 0 "$WORK/photos/holiday.bmp"
    xdotool key --delay 0 Return
    written_soon "path=$WORK/photos/holiday.bmp" 3 && break
done
check "the picture chosen is written at once" written_soon "path=$WORK/photos/holiday.bmp"
xdotool windowsize "$VWIN" 640 480
check "a resize, once it has settled" written_soon "width=640"
xdotool windowfocus --sync "$VWIN"
send_keys ctrl+t
check "Stay on Top (Ctrl+T)" written_soon "stayOnTop=true"
escape_ends_velkar
start_velkar "$dir" || { bad "velkar did not start again"; finish; }
WIDTH=640 HEIGHT=480
check "restarted at 640x480 (is $(window_size))" [ "$(window_size)" = "640 480" ]
check "and above other windows: $(xprop -id "$VWIN" _NET_WM_STATE)" \
    grep -q _NET_WM_STATE_ABOVE <<<"$(xprop -id "$VWIN" _NET_WM_STATE)"
press t 100
IMG=$(shot restarted)
expect_picture "restarted: the picture chosen before"
escape_ends_velkar
expect_quiet "the restarts"
cp "$settings" "$WORK/settings-before"
start_velkar "$dir" -- --no-settings || { bad "velkar --no-settings did not start"; finish; }
check "--no-settings: 500x500 (is $(window_size))" [ "$(window_size)" = "500 500" ]
escape_ends_velkar
check "and the file as it was" cmp -s "$settings" "$WORK/settings-before"
# A file it cannot parse is reported and kept, whatever changes: at exit too.
printf '[window\nwidth=640\n' >"$settings"
start_velkar "$dir" || { bad "velkar did not start with a bad settings file"; finish; }
xdotool windowsize "$VWIN" 600 600
send_keys ctrl+t
sync_velkar
escape_ends_velkar
check "a file it cannot parse: one line ($(grep -c "^velkar: settings $settings: " "$VERR"))" \
    grep -qx "velkar: settings $settings: it is not an INI file; starting as the first time, and leaving the file as it is" "$VERR"
check "  and the file as it was" [ "$(cat "$settings")" = "$(printf '[window\nwidth=640')" ]

########################################################################################
section "QT_SCALE_FACTOR=2"
set_clock "2026-12-07 09:08:30"
dir=$WORK/scaled
mkdir "$dir"
cp "$ASSETS/nqw.bmp" "$dir/"
start_velkar "$dir" QT_SCALE_FACTOR=2 || { bad "velkar did not start"; finish; }
WIDTH=1000 HEIGHT=1000
size=$(window_size)
check "the window is 1000x1000 device pixels (is $size)" [ "$size" = "1000 1000" ]
expect_phone "scaled: the phone centred, at full size" 3
SCALED_START=$EXPECTED
press d 10
expect_moved "scaled: D x10 moves it the same share of the window" "$SCALED_START"
escape_ends_velkar

finish
