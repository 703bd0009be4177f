#!/usr/bin/env bash
# Pelmar end to end: the real program in a temporary program folder, with a copy of the
# demo site, started under Wine and driven by keys and clicks as a user would. Checks the
# rewritten files, the run log in the window and the settings file written at exit, and
# saves screenshots of every window into SHOT_DIR, printing their paths.
# With SKINS_DIR it then starts the program with each of our skins beside it and saves
# screenshots of the skinned windows.
# Usage: tests/e2e/pelmar_e2e.sh PELMAR_EXE WINDOWTEXT_EXE WINEPREFIX SHOT_DIR [SKINS_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(realpath "${1:?usage: pelmar_e2e.sh PELMAR_EXE WINDOWTEXT_EXE WINEPREFIX SHOT_DIR}")
window_text=$(realpath "${2:?}")
prefix=$(realpath -m "${3:?}")
shots=$(realpath -m "${4:?}")
skins=${5:+$(realpath "$5")}

# Inside tools/with-wine.sh (display and wineserver of this prefix ready) run at once;
# otherwise set that environment up first.
if [[ "${WINEPREFIX:-}" != "$prefix" || -z "${DISPLAY:-}" ]]; then
  WINEPREFIX=$prefix exec "$root/tools/with-wine.sh" "$0" "$@"
fi

work=$(mktemp -d)
program=$work/program
site=$work/site
mkdir -p "$program" "$shots"
cp "$exe" "$program/Pelmar.exe"
cp "$root/demo/Keywords.txt" "$program/"
cp -r "$root/demo/site" "$site"
# The program names its files the Windows way: Wine shows the Linux root as drive Z:.
win_site="Z:$(tr / '\\' <<<"$site")"

failures=0
wine_pid=""
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}
finish() {
  local status=$?
  if ((status != 0)) && [[ -s "$work/wine.log" ]]; then
    echo "--- the program's last output"
    tail -n 40 "$work/wine.log"
  fi
  if [[ -n "$wine_pid" ]] && kill -0 "$wine_pid" 2>/dev/null; then kill "$wine_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap finish EXIT

# ---- Driving the program --------------------------------------------------------------

# The visible window with exactly this title, waiting up to 15 s; empty when none came.
window_named() {
  local id=""
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [[ -n "$id" ]] && break
    sleep 0.1
  done
  echo "$id"
}
gone() {  # gone WINDOW_TITLE: true once no visible window has it (waits up to 10 s)
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
start_pelmar() {
  # The folder list starts in the current folder: the site.
  (cd "$site" && exec /usr/lib/wine/wine64 "$program/Pelmar.exe" >"$work/wine.log" 2>&1 </dev/null) &
  wine_pid=$!
  main=$(window_named Pelmar)
  [[ -n "$main" ]] || { echo "FAIL Pelmar's main window did not appear"; exit 1; }
  sleep 1.5  # first paint
}
ended() {  # true once the program has ended (waits up to 20 s)
  for _ in $(seq 200); do kill -0 "$wine_pid" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}
key() { xdotool key --window "$1" "$2"; sleep 0.5; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.8; }
size_of() { eval "$(xdotool getwindowgeometry --shell "$1")"; }
shot() {  # shot NAME WINDOW: the window's area of the screen, as SHOT_DIR/NAME.png
  size_of "$2"
  xwd -root -silent | convert-im6.q16 xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "PNG:$shots/$1.png"
  echo "screenshot $shots/$1.png"
}
# shot_painted NAME WINDOW: the window's own pixels, once it shows more than one colour (a
# message box maps before it paints, and the screen shows it black), waiting up to 5 s.
shot_painted() {
  for _ in $(seq 50); do
    xwd -id "$2" -silent | convert-im6.q16 xwd:- "PNG:$shots/$1.png"
    (( $(convert-im6.q16 "$shots/$1.png" -format %k info:) > 1 )) && break
    sleep 0.1
  done
  echo "screenshot $shots/$1.png"
}
# shot_menu NAME WINDOW KEY...: walks into the menu bar with the keys (the menu titles carry
# no accelerator, so Alt alone, then arrows), the last one opening a menu, and shoots the
# window with it open; a plain capture would show the menu as a black box.
source "$root/tests/demo/capture.sh"
shot_menu() {
  local name=$1 window=$2
  shift 2
  size_of "$window"
  while (($# > 1)); do key "$window" "$1"; shift; done
  if open_menu "$window" "$1"; then
    capture_screen "$work/menu-screen.png"
    convert-im6.q16 "$work/menu-screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "PNG:$shots/$name.png"
    echo "screenshot $shots/$name.png"
  fi
  key "$window" Escape
  key "$window" Escape
}
# Places on the main window (750 x 550 by default), from its top-left corner.
tab_browse=(45 52)
tab_inputs=(130 52)
menu_help=(98 33)
# F9 / F10 on the first run: the backup warning comes first and Enter closes it.
run_after_warning() {
  key "$main" "$1"
  local warning
  warning=$(window_named Warning)
  check "$1 shows the backup warning" test -n "$warning"
  [[ "$1" == F9 ]] && [[ -n "$warning" ]] && shot_painted "${2:-2-backup-warning}" "$warning"
  [[ -n "$warning" ]] && key "$warning" Return
  check "Enter closes the backup warning" gone Warning
}
open_about() {  # open_about [skinned]: Help > About from the menu bar; prints the about box's window
  click "$main" "${menu_help[@]}" >&2
  # The skinned bar's drop-downs open on their first item; the native one's on none.
  [[ "${1:-}" == skinned ]] || key "$main" Down
  key "$main" Return
  window_named About
}
wait_for() {  # wait_for COMMAND...: until it succeeds, at most 10 s
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  return 1
}

# ---- What the files must show -----------------------------------------------------------

alt_count() { { grep -o 'alt="' "$1" || true; } | wc -l; }
# Every image tag carries an alt text, and every inserted one is a line of Keywords.txt.
all_images_have_alt() {
  ! grep -o '<img [^>]*>' "$1" | grep -qv 'alt'
}
phrases_from_keywords() {
  local phrase
  while read -r phrase; do
    tr -d '\r' <"$program/Keywords.txt" | grep -qxF "$phrase" ||
      grep -qF "alt=\"$phrase\"" "$root/demo/site/${1#"$site"/}" || return 1
  done < <(grep -o 'alt="[^"]*"' "$1" | sed 's/^alt="//; s/"$//')
}
# Pelmar.INI after an exit with every setting at its default, in write order; the main
# window's size is the one it really had (WIDTH x HEIGHT of its last size_of).
settings_hold_defaults() {
  printf '%s\n' "[WindowState]" "Left=50" "Top=50" "Width=$WIDTH" "Height=$HEIGHT" "Maximized=0" "FirstTime=0" \
    "[FormSettings]" "left=350" "top=150" "spnHideHint=4000" "chkSkins=1" "chkSounds=1" "radHintsOff=0" \
    "radHintsTooltips=1" "radHintsStatBar=0" | diff -u - <(tr -d '\r' <"$program/Pelmar.INI")
}

before_index=$(alt_count "$site/index.html")
before_gallery=$(alt_count "$site/gallery/index.html")

# ---- First run ------------------------------------------------------------------------------
echo "== first run: agreement page, F9 and F10 with the backup warning"
start_pelmar
check "no settings file before the first exit" test ! -e "$program/Pelmar.INI"
shot 1-first-run-license "$main"

run_after_warning F9
wait_for all_images_have_alt "$site/index.html" || true
index_added=$(( $(alt_count "$site/index.html") - before_index ))
check "F9 rewrote index.html with an alt text on every image" all_images_have_alt "$site/index.html"
check "F9 left the subfolder alone" cmp -s "$site/gallery/index.html" "$root/demo/site/gallery/index.html"
# Text boxes hold CR LF line breaks, so a rewritten page has them too.
same_text() { tr -d '\r' <"$1" | cmp -s - "$2"; }
check "a page without images keeps its text" same_text "$site/contact.html" "$root/demo/site/contact.html"

run_after_warning F10
wait_for all_images_have_alt "$site/gallery/index.html" || true
gallery_added=$(( $(alt_count "$site/gallery/index.html") - before_gallery ))
check "F10 rewrote the subfolder's page too" all_images_have_alt "$site/gallery/index.html"
check "inserted phrases come from Keywords.txt" phrases_from_keywords "$site/gallery/index.html"
check "inserted phrases come from Keywords.txt (top folder)" phrases_from_keywords "$site/index.html"

size_of "$main"
click "$main" $((WIDTH / 2)) $((HEIGHT - 41))  # "I Agree"
shot 3-after-agreement-help "$main"
click "$main" "${tab_browse[@]}"
shot 4-browse "$main"
shot_menu 4b-file-menu "$main" alt Down
shot_menu 4c-options-menu "$main" alt Right Down
click "$main" "${tab_inputs[@]}"
shot 5-inputs-outputs "$main"

echo "== the run log"
# The log is read from the running window: under Wine on Xvfb the system's save dialog
# that F12 opens never paints nor answers (other programs' dialogs neither), so F12 cannot
# be driven from here.
expected_log=$work/expected-log.txt
{
  echo "Log:"
  echo "0 tags replaced in contact.html"
  echo "$index_added tags replaced in index.html"
  echo "0 tags replaced in $win_site\\contact.html"
  echo "0 tags replaced in $win_site\\index.html"
  echo "$gallery_added tags replaced in $win_site\\gallery\\index.html"
} >"$expected_log"
# F10 takes a folder's files in the order the system lists them: lines 4 and 5 are
# compared as a set; the subfolder's file comes after them.
in_run_order() { local lines; lines=$(cat); head -n3 <<<"$lines"; sed -n 4,5p <<<"$lines" | sort; sed -n '6,$p' <<<"$lines"; }
run_log() { /usr/lib/wine/wine64 "$window_text" Pelmar TRichEdit 2>/dev/null | tr -d '\r' | sed '/^$/d'; }
check "the log holds one line per file of both runs, below \"Log:\"" \
  diff -u <(in_run_order <"$expected_log") <(run_log | in_run_order)
check "the runs inserted tags at all" test "$index_added" -gt 0 -a "$gallery_added" -gt 0

echo "== settings window and about box"
key "$main" ctrl+t
settings=$(window_named Settings)
check "Ctrl+T shows the settings window" test -n "$settings"
if [[ -n "$settings" ]]; then
  shot 6-settings "$settings"
  key "$settings" Return  # OK is the default button
  check "OK hides the settings window" gone Settings
fi

about=$(open_about)
check "Help > About shows the about box" test -n "$about"
if [[ -n "$about" ]]; then
  sleep 1
  shot 7-about "$about"
  size_of "$about"
  click "$about" 40 42  # on "Version ..." (the box's frame and caption included)
  check "a click on the version label leaves the box open" test -n "$(window_named About)"
  click "$about" $((WIDTH - 30)) $((HEIGHT / 2))
  check "a click on the box's background closes it" gone About
fi

echo "== Ctrl+F4 ends the program and writes the settings file once"
check "nothing is written while the program runs" test ! -e "$program/Pelmar.INI"
size_of "$main"
key "$main" ctrl+F4
check "Ctrl+F4 ends the program" ended
check "the settings file holds the defaults in write order" settings_hold_defaults

# ---- Later run ----------------------------------------------------------------------------
echo "== later run: browse page first, no backup warning"
start_pelmar
shot 8-later-run-browse "$main"
cp "$site/index.html" "$work/index-before.html"
key "$main" F9
sleep 2
check "no backup warning once the settings file exists" gone Warning
check "F9 finds nothing left to insert" cmp -s "$site/index.html" "$work/index-before.html"
size_of "$main"
key "$main" ctrl+F4
check "the program ends again" ended
check "the settings file is rewritten the same" settings_hold_defaults

# ---- Skinned runs -------------------------------------------------------------------------
# The main window's frame is as the skin draws it: a pixel of its title bar has the colour of
# the skin's own title image, not the system's caption.
for skin in ${skins:+skin graphite}; do
  echo "== skinned with $skin.skn"
  cp "$skins/$skin.skn" "$program/skin.skn"
  rm -f "$program/Pelmar.INI"  # a first run again: its backup warning is a skinned message box
  start_pelmar
  sleep 1  # the skin is applied a quarter of a second after the window shows
  run_after_warning F9 "9-$skin-warning"
  shot "9-$skin-license" "$main"
  size_of "$main"
  click "$main" $((WIDTH / 2)) $((HEIGHT - 41))  # "I Agree"
  shot "9-$skin-help" "$main"
  click "$main" "${tab_inputs[@]}"
  shot "9-$skin-inputs-outputs" "$main"
  click "$main" "${tab_browse[@]}"
  shot "9-$skin-main-active" "$main"
  # Alt alone opens the skinned bar's first drop-down; the arrows move along the bar.
  xdotool windowfocus --sync "$main" 2>/dev/null || true
  rm -f "$shots/9-$skin-file-menu.png" "$shots/9-$skin-options-menu.png"
  shot_menu "9-$skin-file-menu" "$main" alt
  shot_menu "9-$skin-options-menu" "$main" alt Right
  check "Alt, then Right, open the skinned File and Options menus with $skin" \
    test -f "$shots/9-$skin-file-menu.png" -a -f "$shots/9-$skin-options-menu.png"
  key "$main" ctrl+t
  settings=$(window_named Settings)
  check "the settings window opens skinned with $skin" test -n "$settings"
  [[ -n "$settings" ]] && shot "9-$skin-settings" "$settings" && shot "9-$skin-main-inactive" "$main"
  [[ -n "$settings" ]] && key "$settings" Return
  about=$(open_about skinned)
  check "Help > About opens from the skinned menu bar with $skin" test -n "$about"
  if [[ -n "$about" ]]; then
    sleep 1
    shot "9-$skin-about" "$about"
    size_of "$about"
    click "$about" $((WIDTH - 30)) $((HEIGHT / 2))  # the box's background closes it
  fi
  key "$main" ctrl+F4
  check "the skinned program ends with $skin" ended
  ended || kill "$wine_pid" 2>/dev/null || true
done

echo "screenshots in $shots"
if ((failures)); then
  echo "e2e: $failures check(s) failed"
  exit 1
fi
echo "e2e: all checks passed"
