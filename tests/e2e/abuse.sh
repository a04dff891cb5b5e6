#!/usr/bin/env bash
# Bad input and abuse: screen pictures that cannot be read or are no regular files (and one
# that is not a BMP but must load), then storms of keys, wheel clicks and window sizes. In
# every case velkar must stay up, keep drawing, stay free of GL errors (VELKAR_CHECK_GL=1
# aborts on one) and say what went wrong at most once.
#   abuse.sh VELKAR TOOLS_DIR ASSETS_DIR      (under scripts/with-xvfb --screen 3200x3200x24)
source "$(dirname "$0")/lib.sh" "$@"

set_clock "2026-12-07 09:08:30"

# ---- pictures ----------------------------------------------------------------------------

# write_bytes FILE SEED COUNT: COUNT pseudo-random bytes from a fixed seed.
write_bytes() {
    local format= byte i
    RANDOM=$2
    for ((i = 0; i < $3; ++i)); do
        printf -v byte '\\x%02x' $((RANDOM % 256))
        format+=$byte
    done
    printf %b "$format" >"$1"
}

# A BMP header for 100000x100000 pixels of 24 bits, followed by 1 KiB instead of 28 GiB.
write_huge_bmp() {
    {
        printf 'BM\x36\x04\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00' # file size, data at 54
        printf '\x28\x00\x00\x00\xa0\x86\x01\x00\xa0\x86\x01\x00'   # 40-byte header, w, h
        printf '\x01\x00\x18\x00\x00\x00\x00\x00\x00\x00\x00\x00'   # 1 plane, 24 bits, BI_RGB
        printf '\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
        head -c 1024 /dev/zero
    } >"$1"
}

# bad_picture NAME REASON MAKE...: velkar started beside a "nqw.bmp" made by MAKE (run in
# the directory) must warn once, naming the file, the directory and REASON, then draw the
# phone without a picture and keep going.
bad_picture() {
    local name=$1 reason=$2
    shift 2
    section "picture: $name"
    local dir=$WORK/$name
    mkdir -m 755 "$dir"
    (cd "$dir" && "$@")
    start_velkar "$dir" || { bad "$name: velkar did not start"; return; }
    still_drawing
    press t 100
    IMG=$(shot "$name-open")
    expect_no_picture "$name, lid open"
    press space
    local lines
    lines=$(grep -c . "$VERR")
    local first
    first=$(head -1 "$VERR")
    local prefix="velkar: no screen picture: \"nqw.bmp\" in $dir: "
    if [ "$lines" -eq 1 ] && [[ $first == "$prefix"* ]] && [[ $first == *"$reason"* ]]; then
        ok "$name: exactly one line on stderr: $first"
    else
        bad "$name: expected one line \"$prefix...$reason...\", stderr has $lines:"
        head -5 "$VERR" | sed 's/^/          /'
    fi
    escape_ends_velkar "$name"
}

bad_picture missing "no such file" true
bad_picture empty "not an image" touch nqw.bmp
bad_picture random-bytes "not an image" write_bytes nqw.bmp 1207 4096
bad_picture truncated "truncated" sh -c "head -c 20000 '$ASSETS/nqw.bmp' >nqw.bmp"
bad_picture huge-header "100000x100000" write_huge_bmp nqw.bmp
bad_picture directory "directory" mkdir nqw.bmp
# Neither a pipe with no writer nor a device that never ends may hold the first frame back.
bad_picture fifo "named pipe" mkfifo nqw.bmp
bad_picture device-link "character device" ln -s /dev/zero nqw.bmp
bad_picture oversize "MiB, more than" truncate -s 200M nqw.bmp
NO_FILE_OVERRIDE=1 bad_picture unreadable "permission" \
    sh -c "cp '$ASSETS/nqw.bmp' nqw.bmp && chmod 000 nqw.bmp"

section "picture: a PNG named nqw.bmp"
dir=$WORK/png
mkdir "$dir"
convert "$ASSETS/nqw.bmp" "png:$dir/nqw.bmp"
check "the file really is a PNG" [ "$(head -c 4 "$dir/nqw.bmp" | tail -c 3)" = PNG ]
start_velkar "$dir" || { bad "velkar did not start"; finish; }
press t 100
IMG=$(shot png-open)
expect_picture "PNG, lid open"
expect_quiet PNG
escape_ends_velkar PNG

# ---- storms ------------------------------------------------------------------------------

dir=$WORK/storms
mkdir "$dir"
cp "$ASSETS/nqw.bmp" "$dir/"
start_velkar "$dir" || { bad "velkar did not start"; finish; }
shot reference >/dev/null

section "5000 keys in random order"
# Every key that works without a window. Q and the timed lid keys come a few times only:
# with antialiasing on a frame costs ten times as much, and each timed opening or closing
# holds the program for up to three seconds while the keys sent after it queue up.
mapfile -t KEYS < <(view_keys | grep -vx '[qrf]')
RANDOM=20261207
sequence=()
for ((i = 0; i < 5000; ++i)); do sequence+=("${KEYS[RANDOM % ${#KEYS[@]}]}"); done
for ((i = 0; i < 8; ++i)); do sequence[RANDOM % 5000]=q; done
# Two openings, each closed three keys later, with no Space between to undo the opening.
for p in $((RANDOM % 2400)) $((2500 + RANDOM % 2400)); do
    sequence[p]=r sequence[p + 1]=w sequence[p + 2]=t sequence[p + 3]=f
done
t0=$SECONDS
for ((i = 0; i < 5000; i += 250)); do
    xdotool key --delay 0 "${sequence[@]:i:250}"
    sync_velkar 60000 || { bad "velkar did not answer during the key storm"; break; }
done
echo "        5000 keys handled in $((SECONDS - t0)) s"
check "alive after the key storm" alive
press space
check "Space after the storm: exactly the start-up picture" \
    [ "$(differing_pixels "$(shot after-keys)" "$WORK/reference.png")" -eq 0 ]
still_drawing

section "2000 wheel clicks down, then 2000 up"
wheel down 2000
MEASURED=$(look bbox "$(shot wheel-down)")
check "2000 down: the phone shrank to a speck ($MEASURED)" \
    awk -v b="$MEASURED" 'BEGIN { if (b == "none") exit 0; split(b, p); exit !(p[3] - p[1] <= 6 && p[4] - p[2] <= 6) }'
wheel up 56
expect_phone "56 up: the scale stopped at its floor, so 56 steps bring the phone back"
wheel up 1944
check "2000 up: still alive" alive
wheel down 89
expect_phone "89 down: the scale stopped at its ceiling, so 89 steps bring the phone back"
press space
still_drawing

section "window sizes"
xdotool windowsize "$VWIN" 1 1
sync_velkar || bad "velkar did not answer at 1x1"
check "1x1: alive, the window is $(window_size)" [ "$(alive && window_size)" = "1 1" ]
# A zero side cannot be had through X: the protocol refuses it (xdotool's windowsize reads
# 0 as "keep this side"), so ask the server directly and see that nothing breaks.
answer=$("$TOOLS/velkar_x11" resize "$VWIN" 500 0)
sync_velkar || bad "velkar did not answer after the 500x0 request"
echo "        500x0: the X server answers \"$answer\""
check "500x0 refused by the window system; velkar alive, still $(window_size)" \
    [ "$answer" != done -a "$(alive && window_size)" = "1 1" ]
xdotool windowsize "$VWIN" 3000 3000
# A 3000x3000 frame takes longer than the usual quiet period.
sync_velkar 30000 400 || bad "velkar did not answer at 3000x3000"
WIDTH=3000 HEIGHT=3000
check "the window is 3000x3000 (is $(window_size))" [ "$(window_size)" = "3000 3000" ]
expect_phone "3000x3000: the phone centred, six times larger" 3
RANDOM=7
for ((i = 0; i < 40; ++i)); do
    xdotool windowsize "$VWIN" $((1 + RANDOM % 3000)) $((1 + RANDOM % 3000)) key --delay 0 d a
done
xdotool windowsize "$VWIN" 1 1 windowsize "$VWIN" 3000 1 windowsize "$VWIN" 1 3000
sync_velkar 30000 400 || bad "velkar did not answer after 43 resizes"
check "alive after 43 more resizes" alive
xdotool windowsize "$VWIN" 500 500
sync_velkar || bad "velkar did not answer after going back to 500x500"
WIDTH=500 HEIGHT=500
check "back at 500x500: exactly the start-up picture" \
    [ "$(differing_pixels "$(shot resized-back)" "$WORK/reference.png")" -eq 0 ]
still_drawing
expect_quiet "through all the storms"
escape_ends_velkar

finish
