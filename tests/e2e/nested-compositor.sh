# shellcheck shell=bash
# The game under a Wayland compositor nested in a private X server, played with real input:
# weston (at a whole scale), GNOME's compositor, KWin or sway (at scale 1) runs as a window of the
# X server, and the pointer and keys that xdotool gives that server reach the game through it. A
# test script sets compositor (weston, mutter, kwin or sway) and scale, then sources this file with
# the game's executable and the helpers' folder as its arguments: the compositor is then running
# with the game's window shown in it (win_x, win_y), and the screen has settled (board_shot).
#
# Reads: compositor, scale, start_through_socket and trace_protocol (set or not), and what lib.sh
#   reads.
# Sets: what lib.sh sets when sourced, DISPLAY (the X server the compositor shows in) and the
#   skin's facts; output_width, output_height, socket, compositor_pid, game_pid, win_x and
#   win_y, the skin's facts at the scale (box_LABEL, centre_LABEL, device_width, device_height,
#   peg_device_size), shot and shot_count (output_shot), rest_shot (settle), empty_shot,
#   board_shot, and side (the box of the side window that side_window_opens saw open).
readonly output_width=$((1024 * scale)) output_height=$((768 * scale))
# The compositor's window at the top-left corner, and a margin beside it for the pointer to wait
# in.
# shellcheck disable=SC2034 # read by lib.sh
screen_width=$((output_width + 16)) screen_height=$((output_height + 16))
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/weston.sh"

# Its own name, so that several such tests may run at once.
readonly socket=wayland-e2e-$$

start_x_server
# The compositor heeds the pointer only once it has entered its window after that opened.
xdotool mousemove "$((screen_width - 1))" "$((screen_height - 1))"
if [[ "$compositor" == mutter ]]; then
    start_session_bus
    MUTTER_DEBUG_DUMMY_MODE_SPECS=1024x768 XDG_CURRENT_DESKTOP=GNOME mutter --nested --wayland \
        --no-x11 --wayland-display "$socket" >"$work/compositor.out" 2>&1 &
    output_window='"mutter"'
elif [[ "$compositor" == kwin ]]; then
    start_session_bus
    # A title bar in another colour when its window has the keyboard, as GNOME's are.
    mkdir -p "$XDG_CONFIG_HOME"
    printf '[WM]\nactiveBackground=48,140,198\ninactiveBackground=239,240,241\n' \
        >"$XDG_CONFIG_HOME/kdeglobals"
    # Its binary carries file capabilities, which a container may refuse to run; a copy has none.
    cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
    "$work/kwin_wayland" --x11-display "$DISPLAY" --width 1024 --height 768 --socket "$socket" \
        --no-lockscreen >"$work/compositor.out" 2>&1 &
    output_window='"KDE Wayland Compositor'
elif [[ "$compositor" == sway ]]; then
    # sway refuses to run as root: there it runs as nobody, in a runtime folder of nobody's, and
    # its socket is linked into the game's. Its settings are its defaults but for the background,
    # no frames on floating windows, the keyboard moved by clicks only, and a key that closes the
    # window that has the keyboard.
    chmod 0711 "$work"
    sway_home=$work/sway
    mkdir -m 0755 "$sway_home"
    sway_runtime=$sway_home/runtime
    mkdir -m 0700 "$sway_runtime"
    as_sway_user=()
    if ((EUID == 0)); then
        as_sway_user=(runuser -u nobody --)
        chown nobody "$sway_runtime"
    fi
    printf '%s\n' "output * bg #$background_hex solid_color" 'default_floating_border none' \
        'focus_follows_mouse no' 'xwayland disable' 'bindsym ctrl+alt+w kill' >"$sway_home/config"
    chmod 0644 "$sway_home/config"
    "${as_sway_user[@]}" env -i PATH=/usr/bin:/bin HOME="$sway_home" \
        XDG_RUNTIME_DIR="$sway_runtime" DISPLAY="$DISPLAY" WLR_BACKENDS=x11 \
        WLR_RENDERER=pixman sway -c "$sway_home/config" >"$work/compositor.out" 2>&1 &
    # Its window has no name.
    output_window='(has no name): ()  1024x768+0+0'
else
    write_weston_config
    weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --scale="$scale" \
        --socket="$socket" --config="$work/weston.ini" --log="$work/weston.log" \
        >"$work/compositor.out" 2>&1 &
    output_window='"Weston Compositor - screen0"'
fi
compositor_pid=$!
started_pids+=("$compositor_pid")
compositor_ready() {
    kill -0 "$compositor_pid" 2>/dev/null ||
        fail "$compositor ended: $(cat "$work/compositor.out")"
    # sway names its socket itself, the first free wayland-N.
    if [[ "$compositor" == sway ]]; then
        local named=("$sway_runtime"/wayland-[0-9])
        [[ -S "${named[0]}" ]] && ln -sf "${named[0]}" "$XDG_RUNTIME_DIR/$socket"
    fi
    [[ -S "$XDG_RUNTIME_DIR/$socket" ]] && xwininfo -root -children | grep -q "$output_window"
}
wait_until 30 "$compositor shows its window and listens" compositor_ready
eval "$("$helpers/skin-probe" facts)"
eval "$("$helpers/skin-probe" scaled-facts "$scale")"

# The pointer rests in the output's far corner, which is painted over, whenever the screen is
# compared: the compositors draw the pointer where it last was in their window.
park() {
    xdotool mousemove "$((output_width - 1))" "$((output_height - 1))"
}
# output_shot: sets shot to a picture of the compositor's output, with the corner where the pointer
# rests painted over in the background's colour. Uncompressed: it is taken often.
output_shot() {
    shot_count=$((shot_count + 1))
    shot=$work/shot-$shot_count.ppm
    import -window root "$shot"
    convert "$shot" -crop "${output_width}x$output_height+0+0" +repage -fill "#$background_hex" \
        -draw "rectangle $((output_width - 64 * scale)),$((output_height - 64 * scale)) \
            $output_width,$output_height" "$shot"
    rm -f "$work/shot-$((shot_count - 8)).ppm"
}
# changed_box BEFORE AFTER: "x y width height" of what differs between two pictures, or nothing.
# GNOME's compositor dithers its background anew at each redraw, by one step of a colour.
like=0
[[ "$compositor" == mutter ]] && like=1%
changed_box() {
    convert "$1" "$2" -compose difference -composite -threshold "$like" -format '%@' info: \
        2>/dev/null |
        awk -F'[x+]' '$1 > 0 {print $3, $4, $1, $2}'
}
# device_click X Y [BUTTON]: a click on a device pixel of the game's window, once the compositor
# has seen the pointer there (GNOME's may hand on a press before the motion that led to it).
device_click() {
    xdotool mousemove "$((win_x + $1))" "$((win_y + $2))" sleep 0.2 click "${3:-1}" sleep 0.3
}
click_centre() {
    local var=centre_$1
    read -r x y <<<"${!var}"
    device_click "$x" "$y"
}

# The compositor draws the pointer at its new place with its next frame.
park_shot() {
    park
    sleep 0.1
    output_shot
}
# settle DESCRIPTION: waits until the screen stays unchanged for a second; rest_shot is then a
# picture of it.
rest_shot=$work/rest.ppm
unchanged_for_a_second() {
    park_shot
    if [[ -n "$(changed_box "$rest_shot" "$shot")" ]]; then
        cp "$shot" "$rest_shot"
        still_since=$SECONDS
    fi
    ((SECONDS - still_since >= 1))
}
settle() {
    park_shot
    cp "$shot" "$rest_shot"
    still_since=$SECONDS
    wait_until 20 "the screen settles $1" unchanged_for_a_second
}
settle "before the game starts"
empty_shot=$work/empty.ppm
cp "$rest_shot" "$empty_shot"
# content_box: "x y width height" round what differs from the empty output in the latest picture.
content_box() {
    changed_box "$empty_shot" "$shot"
}
# With start_through_socket set, the game starts as a compositor starts its own clients: on a
# connection handed to it (WAYLAND_SOCKET), beside a WAYLAND_DISPLAY that names no socket.
launch=()
game_display=$socket
if [[ -v start_through_socket ]]; then
    game_display=none-$$
    launch=(python3 -c 'import os, socket, sys
s = socket.socket(socket.AF_UNIX)
s.connect(sys.argv[1])
os.set_inheritable(s.fileno(), True)
os.environ["WAYLAND_SOCKET"] = str(s.fileno())
os.execv(sys.argv[2], sys.argv[2:])' "$XDG_RUNTIME_DIR/$socket")
fi
# With trace_protocol set, the game writes its protocol traffic to game.err (see requests_made).
trace=()
[[ -v trace_protocol ]] && trace=(WAYLAND_DEBUG=client)
env "${trace[@]}" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$game_display DISPLAY="" "${launch[@]}" \
    "$game" \
    >"$work/game.out" 2>"$work/game.err" &
game_pid=$!
started_pids+=("$game_pid")

# Where the compositor put the window: the box of what is not background, less the skin's cut-away
# border.
read -r skin_box_x skin_box_y skin_box_width skin_box_height < <("$helpers/skin-probe" \
    nonkey-box)
window_found() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before it showed its window"
    output_shot
    read -r bx by bw bh < <(content_box) || return 1
    ((bw == skin_box_width * scale && bh == skin_box_height * scale)) || return 1
    win_x=$((bx - skin_box_x * scale)) win_y=$((by - skin_box_y * scale))
}
wait_until 60 "the game's window shows at x$scale" window_found
settle "once the game's window shows"
board_shot=$work/board.ppm
cp "$rest_shot" "$board_shot"

# side_window_opens: sets side to the box of the window that opened over the board.
side_window_opens() {
    park_shot
    side=$(changed_box "$board_shot" "$shot")
    [[ -n "$side" ]]
}
side_window_closed() {
    park_shot
    [[ -z "$(changed_box "$board_shot" "$shot")" ]]
}
# closes_on KEY: gives the side window the key, again until it closes: keys go to the window under
# the pointer once the compositor has seen the pointer there.
closes_on() {
    local x y w h
    read -r x y w h <<<"$side"
    side_window_closed && return
    xdotool mousemove "$((x + w / 2))" "$((y + h / 2))" sleep 0.2 key "$1"
    return 1
}
# requests_made PATTERN: how many requests of the game, as its traced traffic names them, match.
requests_made() {
    grep -cE -- " -> $1" "$work/game.err" || true
}
alive() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(tail -n 3 "$work/game.err")"
}
# still_sound: the game runs and the compositor has reported no protocol error to it.
still_sound() {
    alive
    ! grep -q 'Protocol error' "$work/game.err" || fail "the compositor reported a protocol error"
}

