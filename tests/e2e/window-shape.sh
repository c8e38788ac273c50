#!/usr/bin/env bash
# The window's X shape is exactly the skin's non-key pixels: the background shows through the
# cut-away parts, and the pointer there is over the background, not over the game.
source "$(dirname "$0")/lib.sh"
start_session

"$helpers/shape-rects" "$main_window" >"$work/shape" || fail "the window has no X shape"
area=$(awk '{sum += $3 * $4} END {print sum + 0}' "$work/shape")
[[ "$area" == "$nonkey_pixels" ]] ||
    fail "the shape covers $area pixels, the skin has $nonkey_pixels that are not the key colour"
"$helpers/skin-probe" shape <"$work/shape" || fail "the shape is not the skin's non-key pixels"

screenshot
"$helpers/skin-probe" cutaway "$shot" "$win_x" "$win_y" "$background_hex" ||
    fail "the screen does not show the background exactly where the skin is cut away"

# xdotool names the top-level window under the pointer: the root window where the shape cuts
# the game's window away, else the window manager's frame around the game's window.
root_window=$(($(xwininfo -root | awk '/Window id:/ {print $4}')))
window_under_pointer() {
    xdotool getmouselocation --shell | awk -F= '/^WINDOW=/ {print $2}'
}
parent_of() {
    xwininfo -tree -id "$1" | awk '/Parent window id:/ {print $4}'
}
top_level=$main_window
while (($(parent_of "$top_level") != root_window)); do
    top_level=$(($(parent_of "$top_level")))
done
for corner in $key_corners; do
    pointer_to "${corner%,*}" "${corner#*,}"
    under=$(window_under_pointer)
    ((under == root_window)) || fail "at the cut-away corner ($corner) the pointer is over window $under"
done
point_of bare_skin
pointer_to "$px" "$py"
under=$(window_under_pointer)
((under == top_level)) ||
    fail "on the skin at ($px, $py) the pointer is over window $under, not the game's $top_level"

echo "shape of $(wc -l <"$work/shape") rectangles, $area pixels; corners $key_corners cut away"
