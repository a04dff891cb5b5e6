#!/usr/bin/env bash
# Soak: random keys, wheel clicks and drags for a while, the clock running, while the
# program's resident memory is sampled. Once it has warmed up (the first 20 s) it must not
# grow by more than 2 MiB, and it must neither die (VELKAR_CHECK_GL=1 aborts on a GL error)
# nor stop answering.
#   soak.sh VELKAR TOOLS_DIR ASSETS_DIR       (under scripts/with-xvfb)
# VELKAR_SOAK_SECONDS sets the length (default 120), VELKAR_SOAK_SEED the input (default 1).
source "$(dirname "$0")/../e2e/lib.sh" "$@"

DURATION=${VELKAR_SOAK_SECONDS:-120}
WARM_UP=20
SAMPLE_EVERY=5
ALLOWED_GROWTH_KB=2048

set_clock_running "2026-12-07 09:08:30"
dir=$WORK/soak
mkdir "$dir"
cp "$ASSETS/nqw.bmp" "$dir/"
# glibc keeps freed memory and moves its mmap threshold as the program runs, so VmRSS would
# wander by some 15 MB with no leak at all; fixed thresholds make freed memory go back to
# the system at once, and VmRSS then follows what the program holds.
start_velkar "$dir" GLIBC_TUNABLES=glibc.malloc.mmap_threshold=131072:glibc.malloc.trim_threshold=131072 ||
    { bad "velkar did not start"; finish; }

# Every key that works without a window; antialiasing and the timed lid (up to 3 s each)
# less often.
POOL=()
for key in $(view_keys); do
    case $key in
    q | r | f) POOL+=("$key") ;;
    *) for ((i = 0; i < 10; ++i)); do POOL+=("$key"); done ;;
    esac
done

rss_kb() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$VPID/status" 2>/dev/null
}

section "soak: $DURATION s of random input, memory sampled every $SAMPLE_EVERY s"
RANDOM=${VELKAR_SOAK_SEED:-1}
start=$SECONDS
next_sample=$start
samples=()
rounds=0
events=0
while [ $((SECONDS - start)) -lt "$DURATION" ]; do
    if [ $SECONDS -ge $next_sample ]; then
        # Sampled in the start-up view: the GL driver's working memory follows what the last
        # frame drew (antialiasing alone adds some 12 MB), so only samples taken over the
        # same frame compare.
        press space
        rss=$(rss_kb)
        [ -n "$rss" ] || break
        samples+=("$((SECONDS - start)) $rss")
        printf '        %4d s  VmRSS %6d kB\n' $((SECONDS - start)) "$rss"
        next_sample=$((next_sample + SAMPLE_EVERY))
    fi
    keys=()
    for ((i = 0; i < 30; ++i)); do keys+=("${POOL[RANDOM % ${#POOL[@]}]}"); done
    xdotool key --delay 0 "${keys[@]}"
    clicks=$((1 + RANDOM % 4))
    xdotool mousemove --window "$VWIN" 250 250 click --repeat "$clicks" --delay 0 $((4 + RANDOM % 2))
    x=$((50 + RANDOM % 400)) y=$((50 + RANDOM % 400))
    xdotool mousemove --window "$VWIN" "$x" "$y" mousedown 1 \
        mousemove --window "$VWIN" $((x + RANDOM % 21 - 10)) $((y + RANDOM % 21 - 10)) \
        mousemove --window "$VWIN" $((x + RANDOM % 41 - 20)) $((y + RANDOM % 41 - 20)) mouseup 1
    events=$((events + 30 + clicks + 3))
    rounds=$((rounds + 1))
    # One round's input at a time: the program answers only after it has handled it all, so
    # nothing piles up in its queue and what is measured is the program's own memory.
    sync_velkar 60000 0 || { bad "velkar stopped answering after $rounds rounds"; break; }
done
echo "        $rounds rounds, about $events input events"
check "alive after $((SECONDS - start)) s of random input" alive

baseline=$(printf '%s\n' "${samples[@]}" | awk -v w=$WARM_UP '$1 >= w { print $2; exit }')
peak=$(printf '%s\n' "${samples[@]}" | awk -v w=$WARM_UP '$1 >= w && $2 > m { m = $2 } END { print m + 0 }')
if [ -z "$baseline" ]; then
    bad "no memory sample after the first $WARM_UP s (run longer than $WARM_UP s)"
else
    growth=$((peak - baseline))
    check "memory after warm-up: $baseline kB, peak $peak kB, growth $growth kB (allowed $ALLOWED_GROWTH_KB)" \
        [ "$growth" -le "$ALLOWED_GROWTH_KB" ]
fi
press space
still_drawing
expect_quiet "after the soak"
escape_ends_velkar
finish
