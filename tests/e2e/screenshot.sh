#!/usr/bin/env bash
# Plays three rows of a game in a private X server and takes a picture of the window mid-game:
# pegs in three rows, their key pegs, the tray, over a neutral background. Each row repeats a
# colour, which the code never does, so no row can end the game; three different colours in a
# row always share one with the code's four of six, so every row earns a key peg.
#   screenshot.sh GAME HELPER-FOLDER OUTPUT.png
source "$(dirname "$0")/lib.sh"
output=${3:?usage: $0 GAME HELPER-FOLDER OUTPUT.png}
readonly output margin=16 neutral_hex=606060

start_session
read -r -a colours <<<"$(tray_colours)"
((${#colours[@]} == 6)) || fail "the tray of the skin offers ${colours[*]}, not six colours"
rows=("0 1 2 0" "3 4 3 1" "5 2 5 4")

declare -A placed
for row in 1 2 3; do
    read -r -a picks <<<"${rows[row - 1]}"
    for column in 1 2 3 4; do
        place_peg "${colours[picks[column - 1]]}" "i$row$column"
        placed[p$row$column]=${colours[picks[column - 1]]}
    done
    click_element "$(confirm_of_row "$row")"
done
pointer_away

row_scored() {
    [[ "${board[h$1_0]}" == [89] ]]
}
all_scored() {
    read_board
    row_scored 1 && row_scored 2 && row_scored 3
}
wait_until 20 "three rows are scored" all_scored
# The placed pegs where they were put, key pegs only beside the three rows, nothing else: no
# peg in a later row, no code shown.
for label in "${board_labels[@]}"; do
    if [[ -n "${placed[$label]:-}" ]]; then
        [[ "${board[$label]}" == "${placed[$label]}" ]] || fail "the board shows $(shown_pegs)"
    elif [[ "$label" == h[123]_? ]]; then
        [[ "${board[$label]}" == [089] ]] || fail "the board shows $(shown_pegs)"
    else
        [[ "${board[$label]}" == 0 ]] || fail "the board shows $(shown_pegs)"
    fi
done

xsetroot -solid "#$neutral_hex"
neutral_background() {
    screenshot
    [[ "$(convert "$shot" -format "%[hex:p{0,$((screen_height - 1))}]" info:)" == \
        "${neutral_hex^^}" ]]
}
wait_until 10 "the background turns neutral" neutral_background
convert "$shot" -crop "$((win_width + 2 * margin))x$((win_height + 2 * margin))+$((win_x - \
    margin))+$((win_y - margin))" +repage -strip "$output"
echo "took $output: $(identify -format '%wx%h' "$output"), rows scored" \
    "$(for row in 1 2 3; do printf '%s%s%s%s ' "${board[h${row}_0]}" "${board[h${row}_1]}" \
        "${board[h${row}_2]}" "${board[h${row}_3]}"; done)"
