#!/usr/bin/env bash
# A double-click counts as one click: on a confirm element it confirms one row, on an empty hole
# with a peg in hand it leaves the peg there, and on the bare skin it leaves no move running. A
# click after the double-click interval counts again.
source "$(dirname "$0")/lib.sh"
start_session
learn_two_colours_and_empty_hand
prepare_sync

element_centre "$(confirm_of_row 1)"
double_click_at "$cx" "$cy"
# Row 2 still takes pegs only if the double-click confirmed row 1 alone.
place_peg "$first" i21
pointer_away
wait_until 10 "row 2 takes a peg after a double-click confirmed row 1" board_shows "p21=$first"

pick_colour "$second"
wait_until 10 "the pointer shows a peg of colour $second" cursor_is_not "$empty_hand"
element_centre i22
double_click_at "$cx" "$cy"
wait_until 10 "the double-click drops the peg and empties the hand" cursor_is "$empty_hand"
pointer_away
wait_until 10 "p22 keeps the peg $second after the double-click" board_shows "p22=$second"

# Well past the double-click interval, the next click is a click again and lifts the peg.
sleep 1
click_element i22
wait_until 10 "a later click on i22 lifts its peg" cursor_is_not "$empty_hand"

read_geometry
home_x=$win_x home_y=$win_y
point_of bare_skin
for attempt in 1 2 3; do
    double_click_at "$px" "$py"
    xdotool mousemove_relative 50 40
    sync_with_game "a press on the tray reaches the game after double-click $attempt on the skin"
    window_at "$home_x" "$home_y" ||
        fail "after double-click $attempt on the skin the window followed the pointer to" \
            "($win_x, $win_y)"
    "$helpers/grab-probe" || fail "a grab remains after double-click $attempt on the skin"
done

echo "double-clicks confirmed one row, kept peg $second in p22 and left the window in place"
