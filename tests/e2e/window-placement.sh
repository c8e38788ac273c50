#!/usr/bin/env bash
# The game's window appears at the skin's size, centred on the screen, with no frame, its title
# and its icon.
source "$(dirname "$0")/lib.sh"
start_session

[[ "$win_width" == "$skin_width" && "$win_height" == "$skin_height" ]] ||
    fail "the window is ${win_width}x${win_height}, the skin ${skin_width}x${skin_height}"

expected_x=$(((screen_width - skin_width) / 2))
expected_y=$(((screen_height - skin_height) / 2))
[[ "$win_x" == "$expected_x" && "$win_y" == "$expected_y" ]] ||
    fail "the window is at ($win_x, $win_y), centred would be ($expected_x, $expected_y)"

extents=$(xprop -id "$main_window" _NET_FRAME_EXTENTS)
[[ "$extents" == *"= 0, 0, 0, 0" ]] || fail "the window manager gave the window a frame: $extents"

[[ "$(xprop -id "$main_window" _NET_WM_ICON)" == *"Icon ("* ]] ||
    fail "the window carries no icon for the taskbar"

echo "window ${win_width}x${win_height} at ($win_x, $win_y), no frame, with an icon"
