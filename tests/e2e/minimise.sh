#!/usr/bin/env bash
# The minimise button hides the window the way the window manager does (_NET_WM_STATE_HIDDEN);
# restored, the window shows the same board and the peg in hand is still there.
source "$(dirname "$0")/lib.sh"
start_session

learn_two_colours_and_empty_hand
place_peg "$first" i12
pick_colour "$second"
pointer_to "$px" "$py"
wait_until 10 "the pointer shows a peg of colour $second" cursor_is_not "$empty_hand"
carrying=$(cursor_image)
pointer_away
wait_until 10 "p12 shows a peg of colour $first" board_shows "p12=$first"
before=$shot

click_element minim
wait_until 10 "the window is minimised" minimised
[[ "$(xwininfo -id "$main_window")" == *"Map State: IsUnMapped"* ]] ||
    fail "the minimised window is still mapped"

xdotool windowactivate "$main_window"
wait_until 10 "the window is back" eval '! minimised && find_main_window'
read_geometry
pointer_away
screenshot
(($(differing_pixels "$before" "$shot") == 0)) || fail "the window came back changed"
pointer_to "$px" "$py"
[[ "$(cursor_image)" == "$carrying" ]] || fail "the peg in hand was lost while minimised"

echo "minimised and restored with peg $second in hand"
