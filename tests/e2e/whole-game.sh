#!/usr/bin/env bash
# A whole game without a solve: six rows, each of one colour, each confirmed. The code then
# appears above the board, every row carries the key pegs its guess earns against that code,
# and a further confirm asks about a new game, which Cancel leaves unanswered.
source "$(dirname "$0")/lib.sh"
start_session

# One colour a row can never solve the code, whose colours all differ; blue stays out so that
# no pattern of blue pegs brings up any greeting.
read -r -a colours <<<"$(tray_colours | sed 's/\b5 //')"
((${#colours[@]} >= 2)) || fail "the tray of the skin offers too few colours: $(tray_colours)"
pointer_away
screenshot
start_shot=$shot

row_colour=()
for row in 1 2 3 4 5 6; do
    row_colour[row]=${colours[(row - 1) % ${#colours[@]}]}
    for column in 1 2 3 4; do
        place_peg "${row_colour[$row]}" "i$row$column"
    done
    click_element "$(confirm_of_row "$row")"
done
pointer_away
code_shown() {
    read_board
    [[ "${board[m1]}${board[m2]}${board[m3]}${board[m4]}" =~ ^[2-7]{4}$ ]]
}
wait_until 20 "the code is shown" code_shown
end_shot=$shot

code="${board[m1]} ${board[m2]} ${board[m3]} ${board[m4]}"
[[ $(tr ' ' '\n' <<<"$code" | sort -u | wc -l) == 4 ]] || fail "the code $code repeats a colour"
(($(changed_between "$start_shot" "$end_shot" m1 m4) > 0)) ||
    fail "the picture above the board did not change"

# A row of four pegs of colour c against a code of four different colours: c stands in the
# code at one place, which earns a black key peg there and a white one in the other three
# columns; or c is not in the code, and the row earns nothing.
for row in 1 2 3 4 5 6; do
    c=${row_colour[$row]}
    expected="$c $c $c $c"
    [[ " $code " == *" $c "* ]] && keys="8 9 9 9" || keys="0 0 0 0"
    seen="${board[p${row}1]} ${board[p${row}2]} ${board[p${row}3]} ${board[p${row}4]}"
    seen_keys="${board[h${row}_0]} ${board[h${row}_1]} ${board[h${row}_2]} ${board[h${row}_3]}"
    [[ "$seen" == "$expected" ]] || fail "row $row shows $seen, placed were $expected"
    [[ "$seen_keys" == "$keys" ]] ||
        fail "row $row ($expected) against the code $code has key pegs $seen_keys, not $keys"
done

# Over: a confirm asks about a new game; Cancel (Escape) keeps everything as it is.
click_element "$(confirm_of_row 6)"
wait_until 20 "the new-game question opens" window_count_is 'Vore TRELLIQ' 2
cancel_question
pointer_away
screenshot
(($(differing_pixels "$end_shot" "$shot") == 0)) || fail "Cancel changed the window"

echo "code $code; rows 1 to 6 in ${row_colour[*]}"
