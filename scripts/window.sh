# shellcheck shell=bash
# Helpers for scripts that drive velkar's window on an X display (scripts/with-xvfb gives
# them a private one): find the window, press keys, take screenshots, look for the screen
# picture. Source it; do not run it.

VELKAR_TITLE='My mobile phone: Velkar'

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

# wait_for_window SECONDS: prints the id of velkar's window once it is mapped.
wait_for_window() {
    timeout "$1" xdotool search --sync --onlyvisible --name "^${VELKAR_TITLE}\$" | head -n 1
}

# press_key WINDOW KEY: focuses the window and types the key there, as a user would.
press_key() {
    xdotool windowfocus --sync "$1"
    xdotool key "$2"
}

# screenshot WINDOW FILE
screenshot() {
    import -window "$1" "$2"
}

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

# wait_for_open_lid WINDOW FILE SECONDS: after R, waits until the opening animation has
# ended (the picture is shown and two screenshots in a row are the same) and leaves the
# last screenshot in FILE. The clock repaints once a second, so two shots may differ
# now and then; the loop simply takes another.
wait_for_open_lid() {
    local window=$1 file=$2 deadline=$((SECONDS + $3)) previous
    previous=$(mktemp --suffix=.png)
    screenshot "$window" "$previous"
    while [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.3
        screenshot "$window" "$file"
        if compare -metric AE "$previous" "$file" null: 2>/dev/null &&
            picture_shown "$file" >/dev/null; then
            rm -f "$previous"
            return 0
        fi
        cp "$file" "$previous"
    done
    rm -f "$previous"
    echo "the lid did not come to rest open within $3 s" >&2
    return 1
}

# wait_for_exit PID SECONDS: waits for the process to end and returns its exit status,
# or 124 when it is still running after SECONDS.
wait_for_exit() {
    local pid=$1 deadline=$((SECONDS + $2))
    while kill -0 "$pid" 2>/dev/null; do
        [ "$SECONDS" -ge "$deadline" ] && return 124
        sleep 0.1
    done
    wait "$pid"
}
