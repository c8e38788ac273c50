# shellcheck shell=bash
# What a player does, for the end-to-end tests: moves and clicks in skin coordinates, the pointer
# picture, and the board as a screenshot shows it. Sourced by lib.sh.
#
# Reads what lib.sh sets: work, helpers, game_pid, main_window, the window's place (win_x,
# win_y, win_width, win_height) and the skin's facts (elem_LABEL, palette_N). Shellcheck cannot
# follow those across the files, hence the line below.
# Sets, each as its function says: cx and cy, px and py, shot and shot_count, board and
#   board_labels, first, second and empty_hand, sync_cursors, sync_colours and sync_presses.
# shellcheck disable=SC2154

# element_centre NAME: sets cx and cy to the centre of an element, in skin pixels.
element_centre() {
    local var="elem_$1" x y width height
    [[ -n "${!var:-}" ]] || fail "no element $1 in the element table"
    read -r x y width height <<<"${!var}"
    cx=$((x + width / 2))
    cy=$((y + height / 2))
}

# point_of NAME: sets px and py from a "x y" fact such as palette_2 or bare_skin.
point_of() {
    local var=$1
    [[ -n "${!var:-}" ]] || fail "the skin has no $var"
    read -r px py <<<"${!var}"
}

# Moves the pointer to a skin point of the window. xdotool's --sync is left out on purpose: it
# waits for the pointer to move and so stalls when the pointer is there already; the X server
# has handled the move before xdotool exits anyway.
pointer_to() {
    xdotool mousemove "$((win_x + $1))" "$((win_y + $2))"
}

# Moves the pointer off the window, so that it is not in the way of a screenshot.
pointer_away() {
    xdotool mousemove 3 3
}

# click_at X Y [BUTTON]: a press and release at a skin point of the window.
click_at() {
    pointer_to "$1" "$2"
    xdotool click "${3:-1}"
}

# double_click_at X Y: two left clicks at a skin point, 80 ms apart, as a quick player's.
double_click_at() {
    pointer_to "$1" "$2"
    xdotool click --repeat 2 --delay 80 1
}

# click_element LABEL: a left click on the centre of an element.
click_element() {
    element_centre "$1"
    click_at "$cx" "$cy"
}

# pick_colour N: presses on a peg of colour N in the tray.
pick_colour() {
    point_of "palette_$1"
    click_at "$px" "$py"
}

cursor_image() {
    "$helpers/cursor-image"
}

cursor_is() {
    [[ "$(cursor_image)" == "$1" ]]
}

cursor_is_not() {
    [[ "$(cursor_image)" != "$1" ]]
}

shot_count=0
# screenshot: sets shot to a new picture of the whole screen.
screenshot() {
    shot_count=$((shot_count + 1))
    shot=$work/shot-$shot_count.png
    import -window root "$shot"
    if [[ -n "${E2E_SHOTS:-}" ]]; then
        cp "$shot" "$E2E_SHOTS/$(basename "$0" .sh)-$shot_count.png"
    fi
}

# read_board: takes a screenshot and fills the associative array board with the colour that
# every peg display shows (label -> colour, 0 for none, -1 for a picture not recognised), and
# board_labels with the labels in the order of the element table.
declare -A board
board_labels=()
read_board() {
    screenshot
    board=()
    board_labels=()
    local label colour
    while read -r label colour; do
        board[$label]=$colour
        board_labels+=("$label")
    done < <("$helpers/skin-probe" board "$shot" "$win_x" "$win_y")
}

# board_shows LABEL=COLOUR...: reads the board and compares the given displays.
board_shows() {
    read_board
    local pair
    for pair in "$@"; do
        [[ "${board[${pair%%=*}]:-}" == "${pair#*=}" ]] || return 1
    done
}

# The displays of the last reading that show a picture, as "label=colour" words.
shown_pegs() {
    local label
    for label in "${board_labels[@]}"; do
        [[ "${board[$label]}" == 0 ]] || printf '%s=%s ' "$label" "${board[$label]}"
    done
}

# differing_pixels SHOT-A SHOT-B: pixels of the window's rectangle that differ.
differing_pixels() {
    "$helpers/skin-probe" diff "$1" "$2" "$win_x" "$win_y" "$win_width" "$win_height"
}

# The peg colours that the tray of the skin offers, in number order.
tray_colours() {
    local colour var
    for colour in 2 3 4 5 6 7; do
        var=palette_$colour
        [[ -z "${!var:-}" ]] || printf '%s ' "$colour"
    done
}

# Sets first and second to two peg colours of the tray, px and py to a point of bare skin with
# the pointer resting on it, and empty_hand to the pointer picture there while nothing is carried.
learn_two_colours_and_empty_hand() {
    read -r first second _ <<<"$(tray_colours)"
    [[ -n "${second:-}" ]] || fail "the tray of the skin offers fewer than two peg colours"
    point_of bare_skin
    pointer_to "$px" "$py"
    # shellcheck disable=SC2034 # read by the test scripts
    empty_hand=$(cursor_image)
}

# Answers the open new-game question with Escape (Cancel) and checks that the game goes on.
cancel_question() {
    local prompt
    prompt=$(windows_titled 'Vore TRELLIQ' | grep -vx "$main_window")
    xdotool windowactivate --sync "$prompt" key Escape
    wait_until 20 "the question closes" window_count_is 'Vore TRELLIQ' 1
    kill -0 "$game_pid" || fail "the game ended on Cancel"
}

# place_peg COLOUR HOLE: takes a peg of COLOUR from the tray and drops it into HOLE (i11 ...).
place_peg() {
    pick_colour "$1"
    click_element "$2"
}

# The label of the confirm element that lies over the key places of row R.
confirm_of_row() {
    echo "ok_$((6 - $1))"
}

# first_key_places_filled ROW: reads the board; whether the first two key places of the row hold
# key pegs, as every confirmed row of four different colours earns (the code holds four of six).
first_key_places_filled() {
    read_board
    [[ "${board[h$1_0]}" =~ ^[89]$ && "${board[h$1_1]}" =~ ^[89]$ ]]
}

# changed_between SHOT-A SHOT-B FIRST LAST: the number of pixels that differ between two
# screenshots within the box from element FIRST's top-left to element LAST's bottom-right.
changed_between() {
    local first="elem_$3" last="elem_$4" x y right bottom lx ly lw lh
    read -r x y _ <<<"${!first}"
    read -r lx ly lw lh <<<"${!last}"
    right=$((lx + lw))
    bottom=$((ly + lh))
    "$helpers/skin-probe" diff "$1" "$2" "$((win_x + x))" "$((win_y + y))" \
        "$((right - x))" "$((bottom - y))"
}

# drag_from X Y BUTTON DX DY: presses BUTTON at a skin point, moves the pointer by (DX, DY) and
# lets go. The pause after the press gives the window manager time to take over a move before
# the pointer moves; without it openbox may stay in its move mode and swallow the next click.
drag_from() {
    pointer_to "$1" "$2"
    xdotool mousedown "$3" sleep 0.1 mousemove_relative -- "$4" "$5" mouseup "$3"
}

# ping_game: waits until the game has taken in every earlier input. Two pings a moment apart:
# the second answer comes from an event loop that has delivered all that came before the first,
# or from the loop of a message box that it opened.
ping_game() {
    "$helpers/wm-protocol" ping "$main_window" 60 || fail "the game stopped answering"
    sleep 0.02
    "$helpers/wm-protocol" ping "$main_window" 60 || fail "the game stopped answering"
}

# prepare_sync: learns the pointer pictures of two tray colours for sync_with_game. Call it
# while nothing else goes on, right after start_session.
prepare_sync() {
    local colour before px py
    read -r -a sync_colours <<<"$(tray_colours)"
    ((${#sync_colours[@]} >= 2)) || fail "the tray of the skin offers fewer than two colours"
    sync_cursors=()
    for colour in "${sync_colours[@]:0:2}"; do
        point_of "palette_$colour"
        pointer_to "$px" "$py"
        before=$(cursor_image)
        xdotool click 1
        wait_until 10 "the pointer shows a peg of colour $colour" cursor_is_not "$before"
        sync_cursors+=("$(cursor_image)")
    done
    sync_presses=0
}

# sync_with_game DESCRIPTION: proves that the game has handled every earlier input. A press on
# the tray shows its peg as the pointer only when the game gets to it; comparing with the
# learnt picture, not just with the picture before, keeps the window manager's own pointer
# (while it moves a window) from passing for it. Alternates between the two colours, as the
# hand holds the second one after prepare_sync.
sync_with_game() {
    local px py i=$((sync_presses % 2))
    sync_presses=$((sync_presses + 1))
    point_of "palette_${sync_colours[i]}"
    pointer_to "$px" "$py"
    xdotool click 1
    wait_until 10 "$1" cursor_is "${sync_cursors[i]}"
}

#END
