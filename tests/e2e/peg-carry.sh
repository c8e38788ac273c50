#!/usr/bin/env bash
# A press on the tray takes a peg of that colour, shown as the pointer; a click on a hole of the
# first row drops it there, swaps it with the peg there, and the pointer follows the hand.
source "$(dirname "$0")/lib.sh"
start_session

learn_two_colours_and_empty_hand

pick_colour "$first"
wait_until 10 "the pointer shows the carried peg" cursor_is_not "$empty_hand"
carrying_first=$(cursor_image)

click_element i11
wait_until 10 "the pointer is back to the default after the drop" cursor_is "$empty_hand"
pointer_away
wait_until 10 "p11 shows the dropped peg $first" board_shows "p11=$first"
[[ "$(shown_pegs)" == "p11=$first " ]] || fail "after one drop the board shows: $(shown_pegs)"

pick_colour "$second"
wait_until 10 "the pointer shows the second peg" cursor_is_not "$empty_hand"
[[ "$(cursor_image)" != "$carrying_first" ]] || fail "pegs $first and $second show the same pointer"

# Dropping on the occupied hole hands back its peg.
click_element i11
wait_until 10 "the pointer shows the peg taken back from p11" cursor_is "$carrying_first"
click_element i12
wait_until 10 "the pointer is back to the default after the second drop" cursor_is "$empty_hand"
pointer_away
wait_until 10 "p11 and p12 show the swapped pegs" board_shows "p11=$second" "p12=$first"
[[ "$(shown_pegs)" == "p11=$second p12=$first " ]] ||
    fail "after the swap the board shows: $(shown_pegs)"

echo "carried $first and $second; the board shows $(shown_pegs)"
