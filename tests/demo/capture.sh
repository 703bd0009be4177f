# Screen captures under Xvfb without a window manager, for scripts that drive Wine programs
# (source this file). A plain `xwd -root` shows Wine's pop-up menus as black boxes, while
# the menu windows themselves hold the right pixels: capture_screen pastes every mapped
# override-redirect window (pop-up menus, tool tips) over the screen, in stacking order.

# capture_screen OUTPUT.png
capture_screen() {
  local output=$1 tmp id info x y
  tmp=$(mktemp -d)
  xwd -root -silent | convert-im6.q16 xwd:- "PNG:$tmp/screen.png"
  local layers=()
  # The root's children come bottom first.
  for id in $(xwininfo -root -children | awk '/^ +0x[0-9a-f]+ /{print $1}'); do
    info=$(xwininfo -id "$id" 2>/dev/null) || continue
    grep -q "Map State: IsViewable" <<<"$info" || continue
    grep -q "Override Redirect State: yes" <<<"$info" || continue
    x=$(awk '/Absolute upper-left X:/{print $NF}' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/{print $NF}' <<<"$info")
    xwd -id "$id" -silent 2>/dev/null | convert-im6.q16 xwd:- "PNG:$tmp/$id.png" 2>/dev/null || continue
    layers+=("$tmp/$id.png" -geometry "$(printf '%+d%+d' "$x" "$y")" -composite)
  done
  convert-im6.q16 "$tmp/screen.png" "${layers[@]}" "PNG:$output"
  rm -rf "$tmp"
}

# open_menu WINDOW KEYS: presses KEYS (say alt+f) in WINDOW and waits, up to 3 s, for a
# pop-up menu to show; false when none did.
open_menu() {
  local window=$1 keys=$2 id
  xdotool key --window "$window" "$keys"
  for _ in $(seq 30); do
    for id in $(xwininfo -root -children | awk '/^ +0x[0-9a-f]+ /{print $1}'); do
      if xwininfo -id "$id" 2>/dev/null | grep -q "Override Redirect State: yes" &&
         xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable"; then
        sleep 0.3  # let it paint
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}
