#!/usr/bin/env bash
# The About and Help buttons open one window each, with no taskbar button of their own: a second
# click brings the open window to the front instead of opening another. Escape closes the About
# dialog.
source "$(dirname "$0")/lib.sh"
start_session

readonly about_title='About Vore TRELLIQ' help_title='Help'

# The topmost managed window, as a decimal id like xdotool's.
topmost_window() {
    local stacking
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING)
    echo $((${stacking##*, }))
}
on_top() {
    [[ "$(topmost_window)" == "$1" ]]
}
skips_taskbar() {
    [[ "$(xprop -id "$1" _NET_WM_STATE)" == *_NET_WM_STATE_SKIP_TASKBAR* ]]
}
only_window() {
    local title=$1 id=$2
    [[ "$(windows_titled "$title")" == "$id" ]] ||
        fail "expected one window \"$title\" ($id), found: $(windows_titled "$title" | xargs)"
}

click_element about
wait_until 20 "the About dialog opens" window_count_is "$about_title" 1
about_window=$(windows_titled "$about_title")
click_element help
wait_until 20 "the Help window opens" window_count_is "$help_title" 1
help_window=$(windows_titled "$help_title")
wait_until 10 "the Help window is in front" on_top "$help_window"
skips_taskbar "$about_window" || fail "the About dialog has a taskbar button"
skips_taskbar "$help_window" || fail "the Help window has a taskbar button"
! skips_taskbar "$main_window" || fail "the game's window has no taskbar button"

click_element about
wait_until 10 "the second click on about brings the About dialog to the front" \
    on_top "$about_window"
only_window "$about_title" "$about_window"

click_element help
wait_until 10 "the second click on help brings the Help window to the front" \
    on_top "$help_window"
only_window "$help_title" "$help_window"
only_window "$about_title" "$about_window"

xdotool windowactivate --sync "$about_window" key Escape
wait_until 10 "Escape closes the About dialog" window_count_is "$about_title" 0
only_window "$help_title" "$help_window"
(($(window_count 'Vore TRELLIQ') == 1)) || fail "the game's window is gone"

echo "About and Help opened once each and came to the front; Escape closed About"
