#!/usr/bin/env bash
# The game under Wayland: in a private headless compositor it maps one window of the skin's size
# with its title and its launcher's app_id, the screen shows the skin exactly where the window is
# and the background where the skin is cut away, and the game keeps running with nothing from Qt
# on its error output.
# Needs weston and Qt's Wayland platform plugin (scripts/setup.sh --tests).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/weston.sh"

skin_file=$(dirname "$0")/../../assets/skin.bmp
readonly skin_file
readonly socket=wayland-e2e-$$
readonly title='Vore TRELLIQ'

# Nothing here may reach an X server: the game must not fall back to one, nor a failure
# screenshot be taken of one.
unset DISPLAY
export XDG_RUNTIME_DIR=$work/wayland-runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"

# A screenshot of the compositor's output, in a file of its own (the tool names its files by
# the second): sets wshot.
wayland_screenshot() {
    local folder
    folder=$(mktemp -d "$work/shot.XXXX")
    (cd "$folder" && WAYLAND_DISPLAY=$socket timeout 30 weston-screenshooter) >/dev/null 2>&1 ||
        return 1
    wshot=$(find "$folder" -name '*.png' | head -n 1)
    [[ -n "$wshot" ]]
}

# The game's error output without the protocol trace that WAYLAND_DEBUG adds to it.
game_messages() {
    grep -vE '^\[ *[0-9]+\.[0-9]+\] ' "$work/game.err" || true
}

fail() {
    echo "FAIL: $*" >&2
    if [[ -s "$work/game.err" ]]; then
        echo "--- the game's messages:" >&2
        game_messages >&2
    fi
    if [[ -s "$work/weston.log" ]]; then
        echo "--- the end of the compositor's log:" >&2
        tail -n 20 "$work/weston.log" >&2
    fi
    if [[ -n "${E2E_SHOTS:-}" && -S "$XDG_RUNTIME_DIR/$socket" ]] && wayland_screenshot; then
        cp "$wshot" "$E2E_SHOTS/failure-$(basename "$0" .sh).png"
    fi
    exit 1
}

# The compositor with the software renderer: with no renderer a screenshot never completes.
write_weston_config
# --debug exposes the screenshot interface.
weston --backend=headless-backend.so --use-pixman --width="$screen_width" \
    --height="$screen_height" --socket="$socket" --config="$work/weston.ini" --debug \
    --log="$work/weston.log" >"$work/weston.out" 2>&1 &
weston_pid=$!
started_pids+=("$weston_pid")
compositor_listens() {
    kill -0 "$weston_pid" 2>/dev/null || fail "weston ended: $(cat "$work/weston.out")"
    [[ -S "$XDG_RUNTIME_DIR/$socket" ]]
}
wait_until 30 "weston listens on its socket" compositor_listens

eval "$("$helpers/skin-probe" facts)"

QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket WAYLAND_DEBUG=1 \
    "$game" >"$work/game.out" 2>"$work/game.err" &
game_pid=$!
started_pids+=("$game_pid")

# Reads the protocol trace: follows the surface whose toplevel got the title and prints
# "title size geometry entered": the title, the size of the buffer last committed on that
# surface, its window geometry, and 1 once the compositor put the surface on an output. Object
# ids are reused after a destroy, so every fact is taken at the time of its request.
read_trace() {
    awk -v want="$title" '
        function object(text) { sub(/^.*@/, "", text); return text + 0 }
        /\.get_xdg_surface\(new id xdg_surface@/ {
            split($0, part, /new id xdg_surface@|, wl_surface@|\)/)
            surface_of_xdg[part[2] + 0] = part[3] + 0
        }
        /xdg_surface@[0-9]+\.get_toplevel\(new id xdg_toplevel@/ {
            match($0, /xdg_surface@[0-9]+\./)
            xdg = object(substr($0, RSTART, RLENGTH - 1))
            match($0, /new id xdg_toplevel@[0-9]+/)
            surface_of_top[object(substr($0, RSTART, RLENGTH))] = surface_of_xdg[xdg]
            xdg_of_surface[surface_of_xdg[xdg]] = xdg
        }
        /-> xdg_toplevel@[0-9]+\.set_title\(/ {
            match($0, /xdg_toplevel@[0-9]+/)
            top = object(substr($0, RSTART, RLENGTH))
            text = $0
            sub(/^[^"]*"/, "", text)
            sub(/"\)$/, "", text)
            if (text == want)
                target = surface_of_top[top]
        }
        /-> wl_shm_pool@[0-9]+\.create_buffer\(new id wl_buffer@/ {
            split($0, part, /new id wl_buffer@|, |\)/)
            size_of_buffer[part[2] + 0] = part[4] "x" part[5]
        }
        /-> xdg_surface@[0-9]+\.set_window_geometry\(/ {
            match($0, /xdg_surface@[0-9]+/)
            xdg = object(substr($0, RSTART, RLENGTH))
            text = $0
            sub(/^.*set_window_geometry\(/, "", text)
            sub(/\)$/, "", text)
            gsub(/, /, ",", text)
            geometry_of_xdg[xdg] = text
        }
        /-> wl_surface@[0-9]+\.attach\(/ {
            match($0, /wl_surface@[0-9]+/)
            surface = object(substr($0, RSTART, RLENGTH))
            if (match($0, /wl_buffer@[0-9]+/))
                pending[surface] = size_of_buffer[object(substr($0, RSTART, RLENGTH))]
            else
                pending[surface] = "none"
        }
        /-> wl_surface@[0-9]+\.commit\(\)/ {
            match($0, /wl_surface@[0-9]+/)
            surface = object(substr($0, RSTART, RLENGTH))
            if (surface in pending)
                committed[surface] = pending[surface]
            delete pending[surface]
        }
        /\] wl_surface@[0-9]+\.enter\(wl_output@/ {
            match($0, /wl_surface@[0-9]+/)
            entered[object(substr($0, RSTART, RLENGTH))] = 1
        }
        END {
            if (target == "") {
                print "none none none 0"
                exit
            }
            size = committed[target] == "" ? "none" : committed[target]
            geometry = geometry_of_xdg[xdg_of_surface[target]]
            print "titled", size, (geometry == "" ? "none" : geometry), entered[target] + 0
        }' "$work/game.err"
}

expected_size=${skin_width}x${skin_height}
mapped() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before it showed its window"
    [[ "$(read_trace)" == "titled $expected_size 0,0,$skin_width,$skin_height 1" ]]
}
wait_until 60 "the game maps a ${expected_size} window titled \"$title\"" mapped
# The compositor matches the window to its launcher, io.github.voretrelliq.trelliq.desktop, by
# the app_id.
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("io\.github\.voretrelliq\.trelliq")' "$work/game.err" ||
    fail "the window's app_id does not name the game's launcher"

# The window appears in the compositor's output; where is the compositor's choice. The skin's
# key pixels are drawn in the background's colour for the comparison.
convert "$skin_file" -fill "#$background_hex" -opaque '#ff00ff' "$work/expected.png"
read -r skin_box_x skin_box_y < <(convert "$skin_file" -transparent '#ff00ff' \
    -format '%X %Y\n' -trim info: | tr -d +)
seen="no screenshot"
window_shown() {
    wayland_screenshot || return 1
    # The box of everything on the screen that is not the background, against the box of the
    # skin's pixels that are not the key.
    local box
    box=$(convert "$wshot" -transparent "#$background_hex" -format '%w %h %X %Y' -trim info: |
        tr -d +)
    read -r box_width box_height box_x box_y <<<"$box"
    seen="a box of ${box_width}x$box_height at ($box_x, $box_y)"
    win_x=$((box_x - skin_box_x)) win_y=$((box_y - skin_box_y))
    ((win_x >= 0 && win_y >= 0 && win_x + skin_width <= screen_width &&
        win_y + skin_height <= screen_height)) || return 1
    convert "$wshot" -crop "${skin_width}x${skin_height}+$win_x+$win_y" +repage \
        "$work/window.png"
    differing=$(compare -metric AE "$work/expected.png" "$work/window.png" null: 2>&1) || true
    seen+=", $differing pixels unlike the skin"
    [[ "$differing" == 0 ]]
}
# Polled: the compositor may not have drawn the window or its background yet.
deadline=$((SECONDS + 60))
until window_shown; do
    ((SECONDS < deadline)) ||
        fail "the screen does not show the skin, cut to its shape, in one place ($seen)"
    sleep 0.2
done
if [[ -n "${E2E_SHOTS:-}" ]]; then
    cp "$wshot" "$E2E_SHOTS/$(basename "$0" .sh)-1.png"
fi
"$helpers/skin-probe" cutaway "$wshot" "$win_x" "$win_y" "$background_hex" ||
    fail "the screen does not show the background exactly where the skin is cut away"

# Still running a while after it showed its window, and connected: a protocol error ends the
# connection, and the game with it.
for _ in $(seq 30); do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended after it showed its window"
    sleep 0.1
done
! grep -q 'wl_display@1\.error(' "$work/game.err" || fail "the compositor reported a protocol error"
messages=$(game_messages)
[[ -z "$messages" ]] || fail "the game wrote to its error output under Wayland"

echo "window ${expected_size} titled \"$title\" at ($win_x, $win_y), cut to the skin's shape"
