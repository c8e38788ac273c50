#!/usr/bin/env bash
# The game as a player installs it, the package installed under ROOT (/ for the autopkgtest) or
# unpacked into a temporary folder, started by its launcher's command in usr/games. In one
# session: the window maps, belongs to the installed executable and carries the window class that
# the launcher names; a row is played and scored; the Help window shows the text shipped beside
# the executable; Yes to the new-game question starts the installed executable again. It needs
# nothing built from the source, only tools of the distribution: what the other end-to-end tests
# learn from their helper programs, the places of the board's elements, it reads from FACTS,
# that helper's output kept in the source (skin-facts.sh, which a unit test keeps up to date).
#   installed-game.sh ROOT|PACKAGE FACTS
source "$(dirname "$0")/../e2e/lib.sh"

# lib.sh takes the game and the helpers' folder as its arguments: here they are where the
# package is, the game being the command inside it, and the facts.
root=$game facts=$helpers
if [[ -f "$root" ]]; then
    dpkg-deb -x "$root" "$work/root"
    root=$work/root
    files=$(cd "$root" && find . ! -type d | sed 's|^\.||')
else
    files=$(dpkg -L vore-trelliq)
fi
program=$(realpath "$root/usr/libexec/vore-trelliq/vore-trelliq")
help_file=$root/usr/libexec/vore-trelliq/Help.txt
desktop_entry=$root$(grep -m 1 '^/usr/share/applications/.*\.desktop$' <<<"$files")
launcher_command=$(sed -n 's/^Exec=//p' "$desktop_entry")
game=$(PATH=$root/usr/games command -v "$launcher_command")
readonly program help_file desktop_entry

# shellcheck source=skin-facts.sh
source "$facts"
start_x_server
start_window_manager
start_game
pointer_away
screenshot
# shellcheck disable=SC2154 # screenshot sets shot
readonly first_shot=$shot

runs_installed_program() {
    [[ "$(readlink "/proc/$1/exe")" == "$program" ]] ||
        fail "$2 runs $(readlink "/proc/$1/exe"), not the installed $program"
}
runs_installed_program "$game_pid" "the game started by its command"

startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
window_class=$(xprop -id "$main_window" WM_CLASS)
[[ -n "$startup_class" && "$window_class" == *", \"$startup_class\"" ]] ||
    fail "the launcher expects the window class \"$startup_class\"; the window has $window_class"

read -r -a colours <<<"$(tray_colours)"
for column in 1 2 3 4; do
    place_peg "${colours[column - 1]}" "i1$column"
done
click_element "$(confirm_of_row 1)"
pointer_away
# key_places_filled ROW: whether the first two key places of the row have changed from the start
# over at least a quarter of their pixels, as key pegs change them: every row of four different
# colours earns two at least (the code holds four of six).
key_places_filled() {
    local label var x y width height changed
    screenshot
    for label in "h$1_0" "h$1_1"; do
        var=elem_$label
        read -r x y width height <<<"${!var}"
        local box="${width}x$height+$((win_x + x))+$((win_y + y))"
        changed=$(compare -metric AE -fuzz 10% "${first_shot}[$box]" "${shot}[$box]" null: 2>&1 || true)
        ((changed * 4 >= width * height)) || return 1
    done
}
wait_until 10 "row 1 is scored" key_places_filled 1

# The Help window's whole text, copied as a reader would copy it.
click_element help
wait_until 20 "the Help window opens" window_count_is Help 1
help_window=$(windows_titled Help)
xdotool windowactivate --sync "$help_window" key ctrl+a ctrl+c
clipboard_holds_help() {
    [[ "$(xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null)" == "$(cat "$help_file")" ]]
}
wait_until 10 "the Help window shows the help text shipped beside the executable" \
    clipboard_holds_help

click_element kon
wait_until 20 "the new-game question opens" window_count_is 'Vore TRELLIQ' 2
prompt=$(windows_titled 'Vore TRELLIQ' | grep -vx "$main_window")
xdotool windowactivate --sync "$prompt" key Return
# Until this script collects it, the ended game stays a zombie, which has no executable.
first_game_ended() {
    ! readlink "/proc/$game_pid/exe" >/dev/null 2>&1
}
wait_until 20 "the first game ends on Yes" first_game_ended
new_game_window() {
    local window pid
    for window in $(windows_titled 'Vore TRELLIQ'); do
        pid=$(xdotool getwindowpid "$window" 2>/dev/null) || continue
        [[ "$pid" != "$game_pid" ]] || continue
        new_pid=$pid
        return 0
    done
    return 1
}
wait_until 60 "a new game maps its window" new_game_window
# The new game was started detached: ended here by its process id.
started_pids+=("$new_pid")
runs_installed_program "$new_pid" "the game that Yes started"

echo "The installed game mapped its window with the launcher's class, scored a row, showed" \
    "the shipped help text and started the installed executable again on Yes"
