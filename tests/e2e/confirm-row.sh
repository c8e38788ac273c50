#!/usr/bin/env bash
# A click on the confirm element of the first row scores it: key pegs appear in its key places,
# filled from the first place on, and the second row takes pegs.
source "$(dirname "$0")/lib.sh"
start_session

read -r -a colours <<<"$(tray_colours)"
((${#colours[@]} >= 5)) || fail "the tray of the skin offers only ${colours[*]}"
# Four different colours: the code holds four of the six, so at least two of them score.
guess=("${colours[@]:0:4}")
for column in 1 2 3 4; do
    place_peg "${guess[column - 1]}" "i1$column"
done
pointer_away
wait_until 10 "row 1 shows ${guess[*]}" \
    board_shows "p11=${guess[0]}" "p12=${guess[1]}" "p13=${guess[2]}" "p14=${guess[3]}"
before=$shot

click_element "$(confirm_of_row 1)"
pointer_away
wait_until 10 "the first two key places of row 1 hold key pegs" first_key_places_filled 1

(($(changed_between "$before" "$shot" h1_0 h1_3) > 0)) ||
    fail "the picture of the key places of row 1 did not change"

keys=""
gap=no
for slot in 0 1 2 3; do
    peg=${board[h1_$slot]}
    case "$peg" in
    8 | 9) [[ "$gap" == no ]] || fail "key place $slot of row 1 filled after an empty one"
           keys+="$peg " ;;
    0) gap=yes ;;
    *) fail "key place $slot of row 1 shows $peg" ;;
    esac
done
expected_shown="p11=${guess[0]} p12=${guess[1]} p13=${guess[2]} p14=${guess[3]} "
if [[ "$keys" == "8 8 8 8 " ]]; then
    # The guess found the code, which is then shown above the board.
    expected_shown="m1=${guess[0]} m2=${guess[1]} m3=${guess[2]} m4=${guess[3]} $expected_shown"
fi
for slot in 0 1 2 3; do
    [[ "${board[h1_$slot]}" == 0 ]] || expected_shown+="h1_$slot=${board[h1_$slot]} "
done
[[ "$(shown_pegs)" == "$expected_shown" ]] || fail "after the confirm the board shows $(shown_pegs)"

if [[ "$keys" != "8 8 8 8 " ]]; then
    place_peg "${colours[4]}" i21
    pointer_away
    wait_until 10 "row 2 takes a peg" board_shows "p21=${colours[4]}"
fi

echo "guess ${guess[*]} scored $keys"
