#!/usr/bin/env bash
# Two builds of velkar (the Qt 5 and the Qt 6 one) must draw the same pictures. Each is
# driven through the same views on the same private X display, with the same pinned clock,
# and every screenshot of the one is compared with the other's by ImageMagick
# (compare -metric AE: the number of pixels that differ). Every view lands where key steps
# put it, never where a timed animation happened to stop, so the pictures are repeatable.
#   same_pixels.sh VELKAR_A VELKAR_B TOOLS_DIR ASSETS_DIR [KEEP_DIR]   (under scripts/with-xvfb)
# With KEEP_DIR the screenshots are kept there, in a/ and b/.
VELKAR_A=$(realpath "$1")
VELKAR_B=$(realpath "$2")
KEEP=${5:-}
source "$(dirname "$0")/lib.sh" "$1" "$3" "$4"

# view NAME: a screenshot of the current view into the build's directory.
view() {
    shot "$BUILD/$1" >/dev/null
    echo "$1" >>"$WORK/$BUILD.views"
}

# session DIR ZONE_TIME [VAR=VALUE...]: velkar started afresh in its own directory.
session() {
    local dir=$WORK/$BUILD-$1
    mkdir "$dir"
    cp "$ASSETS/nqw.bmp" "$dir/"
    set_clock "$2"
    shift 2
    start_velkar "$dir" "$@" || { bad "$BUILD: velkar did not start"; finish; }
}

# The views, in one order for both builds.
capture() {
    BUILD=$1 VELKAR=$2
    mkdir "$WORK/$BUILD"
    : >"$WORK/$BUILD.views"

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
    escape_ends_velkar "$BUILD"

    session summer "2026-07-15 08:08:30" # 10:08:30 CEST
    press plus 20
    view summer-digits
    press space
    press t 101
    view summer-open
    escape_ends_velkar "$BUILD, summer time"

    session scaled "2026-12-07 09:08:30" QT_SCALE_FACTOR=2
    check "$BUILD, QT_SCALE_FACTOR=2: the window is 1000x1000 device pixels" \
        [ "$(window_size)" = "1000 1000" ]
    view scaled-start
    press t 101
    view scaled-open
    press q
    view scaled-open-antialiased
    escape_ends_velkar "$BUILD, QT_SCALE_FACTOR=2"
}

section "views of $VELKAR_A"
capture a "$VELKAR_A"
section "views of $VELKAR_B"
capture b "$VELKAR_B"

section "pixels that differ, per view"
check "both builds took the same views" cmp -s "$WORK/a.views" "$WORK/b.views"
while read -r name; do
    differing=$(differing_pixels "$WORK/a/$name.png" "$WORK/b/$name.png")
    size=$(identify -format '%wx%h' "$WORK/a/$name.png" 2>/dev/null)
    check "$(printf '%-24s %9s  %s' "$name" "$size" "$differing")" [ "$differing" = 0 ]
done <"$WORK/a.views"

if [ -n "$KEEP" ]; then
    mkdir -p "$KEEP"
    cp -r "$WORK/a" "$WORK/b" "$KEEP/"
fi
finish
