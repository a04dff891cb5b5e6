#!/usr/bin/env bash
# Two builds of velkar (the Qt 5 and the Qt 6 one) must draw the same pictures. Each build's
# test drives its program through the same views on a private X display, with the same
# pinned clock, and keeps the screenshots in OUT_DIR; afterwards --compare compares every
# screenshot of the one build with the other's by ImageMagick (compare -metric AE: the
# number of pixels that differ). Every view lands where key steps put it, never where a
# timed animation happened to stop, so the pictures are repeatable.
#   same_pixels.sh VELKAR TOOLS_DIR ASSETS_DIR OUT_DIR     (under scripts/with-xvfb)
#   same_pixels.sh --compare OUT_DIR_A OUT_DIR_B
#   same_pixels.sh --compare-bytes DIR_A DIR_B    the same files, byte for byte (cmp)
if [ "${1:-}" = --compare-bytes ]; then
    names=$(ls "$2" 2>/dev/null)
    [ -n "$names" ] || { echo "FAIL  no files in $2: run its build's tests first"; exit 1; }
    [ "$names" = "$(ls "$3")" ] || { echo "FAIL  $2 and $3 hold other files"; exit 1; }
    differ=$(for name in $names; do cmp -s "$2/$name" "$3/$name" || echo "$name"; done)
    echo "$(wc -w <<<"$names") files, $(wc -w <<<"$differ") differ: ${differ:-none}"
    [ -z "$differ" ]
    exit
fi
if [ "${1:-}" = --compare ]; then
    set -uo pipefail
    a=$2 b=$3 fails=0
    command -v compare >/dev/null || { echo "missing tool: compare (ImageMagick)" >&2; exit 1; }
    source "$(dirname "$0")/../../scripts/window.sh"
    for dir in "$a" "$b"; do
        [ -s "$dir/views" ] || { echo "FAIL  no views in $dir: run its build's tests first"; exit 1; }
    done
    cmp -s "$a/views" "$b/views" || { echo "FAIL  the two builds took different views"; exit 1; }
    echo "== pixels that differ, per view: $a against $b"
    while read -r name; do
        differing=$(differing_pixels "$a/$name.png" "$b/$name.png")
        size=$(identify -format '%wx%h' "$a/$name.png" 2>/dev/null)
        line=$(printf '%-24s %9s  %s' "$name" "$size" "$differing")
        if [ "$differing" = 0 ]; then echo "  ok    $line"; else echo "  FAIL  $line"; fails=$((fails + 1)); fi
    done <"$a/views"
    echo "$(wc -l <"$a/views") views, $fails differ"
    [ "$fails" -eq 0 ]
    exit
fi
OUT=$(realpath -m "$4")
source "$(dirname "$0")/lib.sh" "$1" "$2" "$3"

# view NAME: a screenshot of the current view, kept.
view() {
    cp "$(shot view)" "$OUT/$1.png" || bad "$1: no screenshot"
    echo "$1" >>"$OUT/views"
}

# session DIR ZONE_TIME [VAR=VALUE...]: velkar started afresh in its own directory.
session() {
    local dir=$WORK/$1
    mkdir "$dir"
    cp "$ASSETS/nqw.bmp" "$dir/"
    set_clock "$2"
    shift 2
    start_velkar "$dir" "$@" || { bad "velkar did not start"; finish; }
}

# The views, in one order for both builds.
capture() {
    rm -rf "$OUT"
    mkdir -p "$OUT"

    session main "2026-12-07 09:08:30" # 10:08:30 in Berlin, winter time
    view start
    press q
    view antialiased
    press q
    press plus 20
    view digits-10-08-30
    # An unmapped key repaints, so the new time is drawn at once.
    local time
    for time in "2026-12-07 22:59:59" "2026-12-07 23:00:00" "2026-12-08 13:26:57"; do
        set_clock "$time"
        press x
        view "digits-$(printf '%02d-%02d-%02d' "$HOU" "$MIN" "$SEC")"
    done
    set_clock "2026-12-07 09:08:30"
    press space

    press t 25
    view half-open
    press Up 20
    view up
    press Down 40
    view down
    press Up 20
    press Left 20
    view left
    press Right 40
    view right
    press Left 20
    press w 10
    view w
    press s 20
    view s
    press w 10
    press a 10
    view a
    press d 20
    view d
    press a 10
    press plus 5
    view plus
    press minus 8
    view minus
    press equal 3
    wheel up 6
    view wheel-up
    wheel down 12
    view wheel-down
    wheel up 6
    drag 250 250 262 270
    view drag
    press space

    press t 101
    view open
    press q
    view open-antialiased
    press q
    # The main screen in the middle of the window, close up: picture and hands.
    local cy steps
    read -r _ cy < <(project "33,34,32,0.5,0.5")
    steps=$(calc "int(($HEIGHT / 2 - $cy) / ($SCALE * $HEIGHT / 2 * 0.05) + 0.5)")
    press s "$steps"
    press plus 13
    view screen
    escape_ends_velkar

    session summer "2026-07-15 08:08:30" # 10:08:30 CEST
    press plus 20
    view summer-digits
    press space
    press t 101
    view summer-open
    escape_ends_velkar "summer time"

    session scaled "2026-12-07 09:08:30" QT_SCALE_FACTOR=2
    check "QT_SCALE_FACTOR=2: the window is 1000x1000 device pixels" \
        [ "$(window_size)" = "1000 1000" ]
    view scaled-start
    press t 101
    view scaled-open
    press q
    view scaled-open-antialiased
    escape_ends_velkar "QT_SCALE_FACTOR=2"
}

section "views of $VELKAR"
capture
finish
