#!/usr/bin/env bash
# Random play: a seeded stream of X events (clicks, taps, double-clicks and drags of all three
# buttons over the tray, the holes, the confirm elements, the title buttons and the bare skin),
# with the window minimised and restored, About and Help opened and closed and every message
# box answered with Escape so that the game goes on. Meant for a build with the sanitizers. It
# passes when at the end the game is alive, has written nothing unexpected to its error output
# (no sanitizer report), holds about the memory it held after warming up and still opens About.
# Options after the two arguments of every end-to-end script: --seed N to replay the stream of
# events of a run, --seconds S for its length (90 unless given), --rss-slack-kb K for the growth
# of the resident set it allows (6 MB unless given).

# shellcheck disable=SC2154 # the element rectangles come from the skin's facts, read at start

# A wide screen, with the game kept in its left part: side windows open in the middle, where no
# click of a batch can land on them, however late they come. Message boxes open over the game,
# so a batch ends with the first click that may open one.
screen_width=1800 screen_height=1000
source "$(dirname "$0")/lib.sh"
shift 2

seed=$((($(date +%s%N) / 1000) % 1000000000))
seconds=90
# Growth of the resident set allowed between the end of the warm-up and the end of the run.
rss_slack_kb=6144
while (($#)); do
    case "$1" in
    --seed) seed=$2 ;;
    --seconds) seconds=$2 ;;
    --rss-slack-kb) rss_slack_kb=$2 ;;
    *) fail "unknown option $1" ;;
    esac
    shift 2
done
echo "random play with seed $seed for ${seconds}s"
eval "report_$(declare -f fail)"
fail() {
    echo "random play failed; replay it with --seed $seed" >&2
    if [[ -s "$work/game.log" ]]; then
        echo "the game's output:" >&2
        tail -n 60 "$work/game.log" >&2
    fi
    report_fail "$@"
}

# Freed memory stays in the sanitizer's quarantine; a small one keeps the resident size a
# measure of what the game holds.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=2:detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
# A press that misses the game lands on the desktop, where the window manager's menus would
# take the pointer; this session's window manager has none there.
mkdir -p "$XDG_CONFIG_HOME/openbox"
sed '/<context name="Root">/,/<\/context>/d' /etc/xdg/openbox/rc.xml \
    >"$XDG_CONFIG_HOME/openbox/rc.xml"
start_session
RANDOM=$seed

readonly about_title='About Vore TRELLIQ' help_title='Help'

resident_kb() {
    awk '/^VmRSS:/ {print $2}' "/proc/$game_pid/status"
}

window_exists() {
    xwininfo -id "$1" >/dev/null 2>&1
}

viewable() {
    [[ "$(xwininfo -id "$1" 2>/dev/null)" == *"Map State: IsViewable"* ]]
}

# Message boxes carry the game's title, as the main window does; hidden ones included, since a
# box may still be on its way to the screen.
message_boxes() {
    xdotool search --name '^Vore TRELLIQ$' 2>/dev/null | grep -vx "$main_window" || true
}

# escape_box BOX: presses Escape in a message box; whether the box is gone a moment later. The
# key goes wherever the keyboard is, so it is sent again until the box has had it.
escape_box() {
    timeout 10 xdotool windowactivate --sync "$1" key Escape 2>/dev/null || true
    sleep 0.2
    ! window_exists "$1"
}

message_box_open() {
    [[ -n "$(message_boxes)" ]]
}

boxes=0 boxes_restored=0
answer_boxes() {
    local box
    while box=$(message_boxes | head -n 1) && [[ -n "$box" ]]; do
        wait_until 30 "message box $box is shown" viewable "$box"
        wait_until 30 "Escape closes message box $box" escape_box "$box"
        boxes=$((boxes + 1))
        ping_game
    done
}

side_windows=0
close_side_windows() {
    local window
    for window in $(windows_titled "$about_title") $(windows_titled "$help_title"); do
        "$helpers/wm-protocol" close "$window"
        wait_until 30 "side window $window closes" eval "! viewable $window"
        side_windows=$((side_windows + 1))
    done
}

game_alive() {
    kill -0 "$game_pid" 2>/dev/null && return 0
    local status=0
    wait "$game_pid" || status=$?
    fail "the game ended with status $status; windows of its title now:" \
        "$(windows_titled 'Vore TRELLIQ' | xargs)"
}

# The window's place while it plays: the boxes and side windows that open in the middle of the
# screen stay clear of it, the widest (Help, 465 pixels) included.
readonly home_x=20 home_y=$(((screen_height - skin_height) / 2))
((home_x + skin_width < screen_width / 2 - 465 / 2)) || fail "the screen is too narrow"

main_window_back() {
    ! minimised "$main_window" && viewable "$main_window"
}

# above_game WINDOW: whether the window lies above the game's in the window manager's stacking.
above_game() {
    local stacking window position=0 window_at=-1 game_at=-1
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING)
    for window in ${stacking#*# }; do
        window=${window%,}
        ((window != $1)) || window_at=$position
        ((window != main_window)) || game_at=$position
        position=$((position + 1))
    done
    ((window_at > game_at && game_at >= 0))
}

has_keyboard() {
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$1" ]]
}

restores=0
# Brings the minimised game back. A message box belongs to the game's window, and the window
# manager minimises it with the game; restored, the game must bring its box back in front of it
# with the keyboard, where Escape answers it. A box that opened once the game had gone stands on
# its own, and openbox hands it the activation of its game: the player answers it first.
restore_game() {
    local box
    box=$(message_boxes | head -n 1)
    if [[ -n "$box" ]]; then
        wait_until 30 "message box $box is shown or minimised with the game" \
            eval "viewable $box || minimised $box"
        if viewable "$box"; then
            answer_boxes
            box=""
        fi
    fi
    xdotool windowactivate "$main_window"
    wait_until 30 "the window is back" main_window_back
    restores=$((restores + 1))
    [[ -n "$box" ]] || return 0
    wait_until 30 "restoring the game shows its message box $box" viewable "$box"
    wait_until 30 "message box $box is in front of the game" above_game "$box"
    wait_until 30 "message box $box has the keyboard" has_keyboard "$box"
    xdotool key Escape
    wait_until 30 "Escape closes message box $box" eval "! window_exists $box"
    boxes=$((boxes + 1))
    boxes_restored=$((boxes_restored + 1))
    ping_game
}
# Brings the game back to where the next batch of events can reach it: nothing in front of it,
# not minimised, in its place. After a batch of clicks that can do none of that, it is
# enough to wait until the game has taken them in.
settle() {
    ping_game
    game_alive
    # With every button up, nobody may hold the pointer: a window manager left in a move would.
    local grabbed
    grabbed=$("$helpers/grab-probe") || {
        sleep 1
        fail "after batch $batches $grabbed; a second later: $("$helpers/grab-probe")" \
            "(xdotool: ${words[*]})"
    }
    [[ -n "$stop" ]] || return 0
    if minimised "$main_window"; then
        restore_game
    fi
    answer_boxes
    close_side_windows
    answer_boxes
    put_home
}

# The game asks for its own moves of the window before it answers a ping, so the window manager
# carries them out before this one; one more ping makes sure that none came after.
put_home() {
    for _ in 1 2 3; do
        xdotool windowmove "$main_window" "$home_x" "$home_y"
        wait_until 30 "the window is back in its place" window_at "$home_x" "$home_y"
        ping_game
        window_at "$home_x" "$home_y" && return 0
    done
    fail "the window does not stay in its place"
}

# Element rectangles by kind, as "x y width height".
holes=() confirms=() strips=() displays=()
for var in "${!elem_@}"; do
    case "$var" in
    elem_i[1-6][1-4]) holes+=("${!var}") ;;
    elem_ok_*) confirms+=("${!var}") ;;
    elem_koliky_*) strips+=("${!var}") ;;
    elem_[phm][1-6]*) displays+=("${!var}") ;;
    esac
done
((${#holes[@]} == 24 && ${#confirms[@]} == 6 && ${#strips[@]} == 25 && ${#displays[@]} == 52)) ||
    fail "the element table lacks holes, confirm elements, tray strips or peg displays"

# pick_in RECT: sets x and y to a screen point in the middle half of an element.
pick_in() {
    local ex ey width height
    read -r ex ey width height <<<"$1"
    x=$((win_x + ex + width / 4 + RANDOM % (width / 2 + 1)))
    y=$((win_y + ey + height / 4 + RANDOM % (height / 2 + 1)))
}

# covers RECT: whether the element covers the screen point x, y.
covers() {
    local ex ey width height
    read -r ex ey width height <<<"$1"
    ((x >= win_x + ex && x < win_x + ex + width && y >= win_y + ey && y < win_y + ey + height))
}

# Sets ends to "box", "minim", "side" or nothing: what a left click at x, y may open, after
# which the batch stops. It goes by the elements that take the press there, not by the one
# aimed at: the key places lie over the confirm areas and a click on them confirms the row.
ending_at() {
    local rect
    ends=""
    for rect in "${confirms[@]}" "$elem_kon"; do
        covers "$rect" && ends=box && return
    done
    if covers "$elem_minim"; then
        ends=minim
    elif covers "$elem_about" || covers "$elem_help"; then
        ends=side
    fi
}

# pick_target: sets x, y to a point where the game takes presses, and ends by ending_at.
pick_target() {
    local pick=$((RANDOM % 100)) bare_x bare_y
    if ((pick < 25)); then
        pick_in "${holes[RANDOM % ${#holes[@]}]}"
    elif ((pick < 50)); then
        pick_in "${strips[RANDOM % ${#strips[@]}]}"
    elif ((pick < 60)); then
        pick_in "${confirms[RANDOM % ${#confirms[@]}]}"
    elif ((pick < 70)); then
        pick_in "${displays[RANDOM % ${#displays[@]}]}"
    elif ((pick < 72)); then
        pick_in "$elem_kon"
    elif ((pick < 74)); then
        pick_in "$elem_minim"
    elif ((pick < 78)); then
        if ((RANDOM % 2)); then pick_in "$elem_about"; else pick_in "$elem_help"; fi
    else
        read -r bare_x bare_y <<<"$bare_skin"
        x=$((win_x + bare_x + RANDOM % 17 - 8))
        y=$((win_y + bare_y + RANDOM % 17 - 8))
    fi
    ending_at
}

random_button() {
    local pick=$((RANDOM % 10))
    button=$((pick < 6 ? 1 : pick < 8 ? 3 : 2))
}


events=0 batches=0 drags=0 doubles=0
# batch: fills words with one batch of xdotool commands, up to twelve actions, and sets stop
# when it ends after an action that may open a window, minimise the game or move it.
batch() {
    local actions=0
    stop=""
    words=()
    while ((actions++ < 12)) && [[ -z "$stop" ]]; do
        pick_target
        random_button
        words+=(mousemove "$x" "$y")
        case $((RANDOM % 10)) in
        0 | 1 | 2 | 3)
            words+=(click "$button")
            events=$((events + 3))
            ((button != 1)) || stop=$ends
            ;;
        4)
            # A tap, then the pointer moves on with no button held.
            words+=(click "$button" mousemove_relative -- $((RANDOM % 30 - 15)) $((RANDOM % 30 - 15)))
            events=$((events + 4))
            ((button != 1)) || stop=$ends
            ;;
        5)
            # Not where the first click may open a message box: the second would land on it.
            [[ "$ends" == box ]] && words+=(click 1) ||
                words+=(click --repeat 2 --delay $((40 + RANDOM % 120)) 1)
            events=$((events + 5))
            doubles=$((doubles + 1))
            stop=$ends
            ;;
        6)
            # A press held apart from its release, as a slow click.
            words+=(mousedown "$button" sleep 0.0$((RANDOM % 10)) mouseup "$button")
            events=$((events + 3))
            ((button != 1)) || stop=$ends
            ;;
        *)
            words+=(mousedown "$button")
            ((RANDOM % 2)) || words+=(sleep 0.05)
            local step steps=$((1 + RANDOM % 4))
            for ((step = 0; step < steps; step++)); do
                words+=(mousemove_relative -- $((RANDOM % 61 - 30)) $((RANDOM % 61 - 30)))
                events=$((events + 1))
            done
            words+=(mouseup "$button")
            events=$((events + 3))
            drags=$((drags + 1))
            stop=moved
            ;;
        esac
    done
    close_main=no
    if [[ -z "$stop" && $((RANDOM % 40)) == 0 ]]; then
        # Closing from outside asks the new-game question, like the close button.
        close_main=yes
        stop=box
    fi
}

play_batch() {
    batch
    xdotool "${words[@]}"
    [[ "$close_main" == no ]] || "$helpers/wm-protocol" close "$main_window"
    if [[ "$stop" == box ]] && ((RANDOM % 3 == 0)); then
        # The player minimises the game from the desktop as a question opens, often before the
        # box is on the screen.
        xdotool windowminimize "$main_window"
    fi
    settle
}

# Warm-up: every window and box once, so that what they load counts in the resident set.
put_home
click_element about
wait_until 60 "the About dialog opens" window_count_is "$about_title" 1
click_element help
wait_until 60 "the Help window opens" window_count_is "$help_title" 1
click_element kon
wait_until 60 "the new-game question opens" message_box_open
stop=warm-up
settle
for _ in $(seq 20); do
    play_batch
done
rss_start=$(resident_kb)

start=$SECONDS
next_report=$((start + 60))
while ((SECONDS < start + seconds)); do
    play_batch
    batches=$((batches + 1))
    if ((SECONDS >= next_report)); then
        echo "$((SECONDS - start))s: $batches batches, resident set $(resident_kb) kB"
        next_report=$((next_report + 60))
    fi
done
rss_end=$(resident_kb)

pointer_away
click_element about
wait_until 60 "the About dialog opens after the random play" window_count_is "$about_title" 1
game_alive

echo "$batches batches, about $events X events: $drags drags, $doubles double-clicks," \
    "$boxes message boxes answered ($boxes_restored after restoring the game), $restores restores," \
    "$side_windows side windows closed"
echo "resident set ${rss_start} kB after the warm-up, ${rss_end} kB at the end"
((rss_end - rss_start <= rss_slack_kb)) ||
    fail "the resident set grew by $((rss_end - rss_start)) kB during the run"
unexpected=$(grep -v -e '^This plugin does not support' "$work/game.log" || true)
[[ -z "$unexpected" ]] || fail "the game wrote to its error output:
$unexpected"
