# shellcheck shell=bash
# Drives velkar's window from a script, through the display server alone: find the window,
# type keys into it, read it back, compare pictures, wait for velkar to end. On X11
# (DISPLAY; scripts/with-xvfb gives a private one) with xdotool, xwininfo and ImageMagick's
# import, or, with DISPLAY unset, on a private sway (WAYLAND_DISPLAY and SWAYSOCK;
# scripts/with-wayland) with swaymsg, wtype, grim and jq. Source it; do not run it.
# The velkar in question is VPID, its window VWIN (wait_for_window sets it).

VELKAR_TITLE='My mobile phone: Velkar'
TITLE=$VELKAR_TITLE

if [ -n "${DISPLAY:-}" ]; then
    DISPLAY_KIND=x11
elif [ -n "${WAYLAND_DISPLAY:-}" ] && [ -n "${SWAYSOCK:-}" ]; then
    DISPLAY_KIND=wayland
else
    DISPLAY_KIND=none
fi

# libfaketime as this machine's architecture installs it (package libfaketime).
FAKETIME_LIB=$(dpkg -L libfaketime 2>/dev/null | grep -m 1 '/libfaketime\.so\.1$') || true

# calc EXPRESSION: floating-point arithmetic.
calc() {
    awk "BEGIN { printf \"%.9g\", $* }"
}

alive() {
    kill -0 "$VPID" 2>/dev/null
}

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

# wait_for_window SECONDS: sets VWIN once velkar's window shows, and focuses it; fails, with
# a line saying why, when velkar ends first or no window comes in time.
wait_for_window() {
    local deadline=$((SECONDS + $1))
    VWIN=
    while [ -z "$VWIN" ]; do
        alive || { echo "velkar exited during start-up"; return 1; }
        [ $SECONDS -lt $deadline ] || { echo "no velkar window after $1 s"; return 1; }
        VWIN=$(find_window) || true
        [ -n "$VWIN" ] || sleep 0.1
    done
    focus_window || true
}

# window_geometry (Wayland): "X,Y WxH" of the window on the output, as grim takes it. The
# compositor draws no borders, so this is the client area, unless the toolkit drew its own
# title bar: then it is larger than the size velkar asks for.
window_geometry() {
    swaymsg -t get_tree | jq -r --argjson id "$VWIN" 'first(.. | objects | select(.id? == $id)) |
        "\(.rect.x + .window_rect.x),\(.rect.y + .window_rect.y) \(.window_rect.width)x\(.window_rect.height)"'
}

# window_size: "W H" as the display server has it.
window_size() {
    if [ "$DISPLAY_KIND" = wayland ]; then
        window_geometry | awk -F '[ x]' '{ print $2, $3 }'
    else
        xwininfo -id "$VWIN" | awk '/^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print w, h }'
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

# grab_window FILE: the window's picture (PNG); no FILE when it cannot be read.
grab_window() {
    if [ "$DISPLAY_KIND" = wayland ]; then
        grim -l 1 -g "$(window_geometry)" "$1" 2>/dev/null || rm -f "$1"
    else
        timeout 20 import -window "$VWIN" "$1" 2>/dev/null || rm -f "$1"
    fi
}

# Nothing outside a Wayland compositor can ask velkar whether it has read its input, so on
# Wayland its picture has to tell: it must first change from the one marked before the
# input (every key sent there changes it), then stay the same for QUIET_MS. The pictures
# go to WORK, the caller's scratch directory.
SYNC_FROM=
mark_picture() {
    SYNC_FROM=$WORK/sync-from.ppm
    grim -t ppm -g "$(window_geometry)" "$SYNC_FROM" 2>/dev/null
}
grab_ppm() {
    grim -t ppm -g "$(window_geometry)" "$1" 2>/dev/null || rm -f "$1"
}
# settle TIMEOUT_MS QUIET_MS (Wayland): returns once the picture has changed from the one
# marked and then stayed the same for QUIET_MS.
settle() {
    local deadline=$((SECONDS + ($1 + 999) / 1000)) quiet
    local now=$WORK/sync-now.ppm last=$WORK/sync-last.ppm
    quiet=$(calc "$2 / 1000")
    grab_ppm "$now"
    if [ -n "$SYNC_FROM" ]; then
        while cmp -s "$now" "$SYNC_FROM"; do
            alive && [ $SECONDS -lt $deadline ] || { SYNC_FROM=; return 1; }
            sleep 0.02
            grab_ppm "$now"
        done
        SYNC_FROM=
    fi
    while :; do
        mv -f "$now" "$last" 2>/dev/null
        sleep "$quiet"
        grab_ppm "$now"
        [ -s "$now" ] && cmp -s "$now" "$last" && return 0
        alive && [ $SECONDS -lt $deadline ] || return 1
    done
}

# differing_pixels A B [FUZZ%]: how many pixels of two pictures of one size differ
# (ImageMagick's compare -metric AE), or an error line and status 2.
differing_pixels() {
    local out status=0
    out=$(compare -metric AE ${3:+-fuzz "$3"} "$1" "$2" null: 2>&1) || status=$?
    if [ $status -le 1 ] && [[ $out =~ ^[0-9]+$ ]]; then
        echo "$out"
    else
        echo "cannot compare $1 with $2: $out"
        return 2
    fi
}

# wait_exit SECONDS: waits for velkar to end; sets VSTATUS (124 when it did not end, and
# then it is ended).
wait_exit() {
    local deadline=$((SECONDS + $1))
    while alive && [ $SECONDS -lt $deadline ]; do
        sleep 0.05
    done
    if alive; then
        kill "$VPID" 2>/dev/null
        wait "$VPID" 2>/dev/null || true
        VSTATUS=124
    else
        wait "$VPID" && VSTATUS=0 || VSTATUS=$?
    fi
    VPID=
}

# ---- the screen picture ------------------------------------------------------------------

# The picture's top corners (scripts/make-picture). They appear only once the lid is
# open far enough to show the main screen.
PICTURE_RED='#e01e1e'
PICTURE_BLUE='#1e3ce6'
# The screen texture is lit, so its colours reach the window darker than in the file.
PICTURE_FUZZ=12%
# Fewest pixels of each corner colour that count as "the picture is shown". In a 500x500
# window the open screen shows 500-650 of each; a closed phone shows none, and an open
# one without its picture about 150 red (the second hand) and no blue.
PICTURE_MIN_PIXELS=300

# colour_pixels FILE COLOUR: how many pixels lie within PICTURE_FUZZ of COLOUR.
colour_pixels() {
    convert "$1" -fuzz "$PICTURE_FUZZ" -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:round(mean*w*h)]' info:
}

# picture_shown FILE: true when both top corners of the picture are in the screenshot.
picture_shown() {
    local red blue
    red=$(colour_pixels "$1" "$PICTURE_RED")
    blue=$(colour_pixels "$1" "$PICTURE_BLUE")
    echo "picture corners in $(basename "$1"): $red red, $blue blue pixels"
    [ "$red" -ge "$PICTURE_MIN_PIXELS" ] && [ "$blue" -ge "$PICTURE_MIN_PIXELS" ]
}

# wait_for_open_lid FILE SECONDS: after R, waits until the opening animation has ended (the
# picture is shown and two pictures in a row are the same) and leaves the last in FILE.
# The clock repaints once a second, so two pictures may differ now and then; the loop
# simply takes another.
wait_for_open_lid() {
    local file=$1 deadline=$((SECONDS + $2)) previous
    previous=$(mktemp --suffix=.png)
    grab_window "$previous"
    while [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.3
        grab_window "$file"
        if [ "$(differing_pixels "$previous" "$file")" = 0 ] &&
            picture_shown "$file" >/dev/null; then
            rm -f "$previous"
            return 0
        fi
        cp "$file" "$previous"
    done
    rm -f "$previous"
    echo "the lid did not come to rest open within $2 s" >&2
    return 1
}
