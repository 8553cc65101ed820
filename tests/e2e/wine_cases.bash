# The Windows program, Renumera.exe, under Wine in the harness's X server, sourced by
# tests/e2e/run after program_cases.bash for a Windows build folder. The program's cases run
# on the exe unchanged: start_program and placement_file are redefined here for it. Beside
# them come the cases only Windows has: the user's full-window dragging setting in Wine's
# registry, typing Cyrillic with Wine's ANSI code page at 1252, the end of the session, the
# window at 192 dpi, and a stored position out of reach measured against the Win32 frame.
# Wine runs in a prefix of its own inside the harness's folder, made once per run. The
# screenshot of program_screenshot, program.png, is docs/screenshot-windows.png.

exe=$windows_exe
caption='7-значная нумерация'
export WINEPREFIX=$work/wine WINEDEBUG=-all
# Without these Wine would offer to install Mono and Gecko in dialogs nobody answers.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# POSIX signals, the X connection and $DISPLAY are the Linux program's business: Wine stands
# between them and the exe, whose own ends are its window's closes and the end of the session.
not_on_windows=(
  test_program_termination_signals_still_save
  test_program_lost_connection_still_saves
  test_program_without_a_display_says_so_and_fails
  # The Win32 frame is not the window manager's: Wine's window rectangle has Windows' own
  # border widths around the client area, a pixel or two more than openbox draws, so a
  # position measured on the X frame is not the one the program saves to the pixel. The
  # Windows form of these cases is test_wine_opens_within_reach_from_a_position_no_monitor_shows.
  test_program_opens_within_reach_from_a_position_no_monitor_shows
  test_program_opens_exactly_where_stored_just_inside_the_bottom_right_edge
)

# The machine field of a PE file's header: 014c for 32-bit x86, 8664 for x86-64.
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j $((offset + 4)) -N2 "$1" | tr -d ' '
}

# Debian's /usr/bin/wine always picks the 32-bit loader when it is installed; a 64-bit exe is
# started by the 64-bit loader and server of the same package.
if [[ $(pe_machine "$exe") == 8664 ]]; then
  wine_loader=/usr/lib/wine/wine64
  export WINELOADER=$wine_loader WINESERVER=/usr/lib/wine/wineserver64 WINEARCH=win64
else
  wine_loader=wine
  export WINEARCH=win32
fi
wine_server=${WINESERVER:-wineserver}
run_wine() { "$wine_loader" "$@"; }

start_wine() {
  if ! run_wine --version >/dev/null 2>&1; then
    echo "e2e: Wine cannot start $(pe_machine "$exe") programs on this machine ($wine_loader)" >&2
    return 1
  fi
  timeout 180 "$wine_loader" wineboot -i >"$work/wineboot.log" 2>&1 ||
    { echo "e2e: wineboot failed: $(tail -n 3 "$work/wineboot.log")" >&2; return 1; }
  "$wine_server" -w
  # One server for the whole run: each program start then skips Wine's own start-up.
  "$wine_server" -p
  placement_file=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Renumera/Renumera.INI
}

stop_wine() {
  [[ -d $WINEPREFIX ]] && "$wine_server" -k 2>/dev/null
  return 0
}

start_program() {
  mkdir -p "$program_dir"
  (cd "$program_dir" && exec "$wine_loader" "$exe") >"$work/program.out" 2>"$work/program.err" &
  program_pid=$!
  window=
  # Wine names the window's process in _NET_WM_PID; the caption tells it from Wine's own
  # hidden windows.
  local deadline=$((SECONDS + 20))
  until window=$(xdotool search --all --pid "$program_pid" --name "^$caption\$" 2>/dev/null | head -n1)
    [[ -n $window ]]; do
    ((SECONDS < deadline)) || { fail "the program's window did not appear"; return 1; }
    sleep 0.1
  done
  wait_active || { fail "the program's window never became active"; return 1; }
}

desktop_value() { # the value $1 of HKCU\Control Panel\Desktop, as Wine's registry holds it now
  run_wine reg query 'HKCU\Control Panel\Desktop' /v "$1" 2>/dev/null |
    sed -n "s/^ *$1 *REG_[A-Z_]* *\([^\r]*\)\r\?\$/\1/p"
}
set_drag_setting() {
  run_wine reg add 'HKCU\Control Panel\Desktop' /v DragFullWindows /t REG_SZ /d "$1" /f >/dev/null 2>&1
}
drag_setting_is() { [[ $(desktop_value DragFullWindows) == "$1" ]]; }

# Closes the program's window by $1: a key, the window manager, or the end of the session.
close_program_by() {
  case $1 in
    manager) wmctrl -i -c "$window" || fail "wmctrl could not ask for the close" ;;
    session)
      run_wine wineboot --end-session >/dev/null 2>&1 &
      session_ender=$!
      ;;
    *) keys "$1" ;;
  esac
}

test_wine_drag_setting_is_off_while_open_and_back_after_each_close() {
  local way
  for way in Escape alt+F4 manager; do
    set_drag_setting 1
    start_program || return 1
    wait_until 5 drag_setting_is 0 || fail "$way: DragFullWindows is $(desktop_value DragFullWindows) while the window is open"
    close_program_by "$way"
    expect_program_exit || { fail "$way did not close the window"; return 1; }
    drag_setting_is 1 || fail "after $way DragFullWindows is $(desktop_value DragFullWindows), not 1"
  done
  # Off before the start: neither switched off nor, at the end, on.
  set_drag_setting 0
  start_program || return 1
  sleep 0.5
  drag_setting_is 0 || fail "DragFullWindows became $(desktop_value DragFullWindows) while open"
  keys Escape
  expect_program_exit || return 1
  drag_setting_is 0 || fail "DragFullWindows is $(desktop_value DragFullWindows) after a run that found it off"
  set_drag_setting 1
}

test_wine_end_of_the_session_saves_the_placement_and_restores_dragging() {
  rm -f "$placement_file"
  set_drag_setting 1
  start_program || return 1
  wait_until 5 drag_setting_is 0 || fail "DragFullWindows is not off while the window is open"
  xdotool windowmove "$window" 120 80
  sleep 0.5
  local moved_x moved_y
  read -r moved_x moved_y < <(frame_position)
  close_program_by session
  expect_program_exit || return 1
  wait "$session_ender"
  drag_setting_is 1 || fail "after the end of the session DragFullWindows is $(desktop_value DragFullWindows)"
  grep -q '^XPos=' "$placement_file" 2>/dev/null || { fail "the end of the session saved no placement"; return 1; }
  # The next start comes back to where the session left the window.
  start_program || return 1
  local x y
  read -r x y < <(frame_position)
  ((x >= moved_x - 2 && x <= moved_x + 2 && y >= moved_y - 2 && y <= moved_y + 2)) ||
    fail "after the end of the session the next start opened at $x,$y, not $moved_x,$moved_y"
  keys Escape
  expect_program_exit
}

test_wine_cyrillic_typing_with_ansi_code_page_1252() {
  local code_page
  code_page=$(run_wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP |
    sed -n 's/.*REG_SZ *\([0-9]*\).*/\1/p')
  [[ $code_page == 1252 ]] || fail "Wine's ANSI code page is \"$code_page\", not 1252"
  start_program || return 1
  keys Tab Tab  # over the button into ?NEWNUM, whose font is Cyrillic
  type_text 'Ёж'
  expect_copy 'Ёж -  -  ' Home shift+End ctrl+c || return 1
  # A character Windows-1251 cannot hold is refused, and nothing like it is put in its place.
  keys End
  type_text 'é'
  expect_copy 'Ёж -  -  ' Home shift+End ctrl+c
}

# Sets LogPixels to $1 (0: Wine's default) and starts Wine's server again, which reads it.
set_dpi() {
  if (($1 == 0)); then
    run_wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1
  else
    run_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  fi
  "$wine_server" -k
  "$wine_server" -w
  "$wine_server" -p
}

test_wine_window_at_192_dpi_is_twice_its_96_dpi_size() {
  local width96 height96 width192 height192 x y
  set_dpi 96
  start_program || return 1
  read -r width96 height96 x y < <(client_geometry)
  keys Escape
  expect_program_exit || return 1
  set_dpi 192
  start_program || { set_dpi 0; return 1; }
  read -r width192 height192 x y < <(client_geometry)
  type_text 123456
  keys Return Tab
  sleep 0.3
  screenshot dpi192
  keys Escape
  expect_program_exit
  set_dpi 0
  # Fonts are made for the DPI: the size follows the text's metrics, within a few pixels.
  ((width192 >= 2 * width96 - 12 && width192 <= 2 * width96 + 12)) ||
    fail "width $width192 at 192 dpi against $width96 at 96"
  ((height192 >= 2 * height96 - 12 && height192 <= 2 * height96 + 12)) ||
    fail "height $height192 at 192 dpi against $height96 at 96"
}

test_wine_opens_within_reach_from_a_position_no_monitor_shows() {
  local stored x y left right top bottom width height cx cy bx by saved_x saved_y
  for stored in "90000 90000" "-90000 -90000" "-2000000 300" "300 -2000000" "237 231"; do
    write_placement $stored
    start_program || return 1
    read -r x y < <(settled_frame_position)
    read -r left right top bottom < <(frame_extents)
    read -r width height cx cy < <(client_geometry)
    # A 40 px strip of the title bar is on the screen, as the user needs to drag it.
    ((x + left + width + right - 40 >= 0 && x + 40 <= screen_width && y >= -10 &&
      y + 10 <= screen_height)) || fail "stored at $stored, the frame opened out of reach at $x,$y"
    read -r bx by < <(base_units)
    keys Escape
    expect_program_exit || return 1
    # Saved where the window stood: within a unit, for the frames' different borders.
    saved_x=$(placement_value XPos) saved_y=$(placement_value YPos)
    local unit_x=$(mul_div "$x" 4 "$bx") unit_y=$(mul_div "$y" 8 "$by")
    ((saved_x >= unit_x - 1 && saved_x <= unit_x + 1 && saved_y >= unit_y - 1 &&
      saved_y <= unit_y + 1)) || fail "stood at $x,$y pixels ($unit_x,$unit_y units), saved $saved_x,$saved_y"
  done
  # The last one was within reach already: kept as stored.
  [[ "$saved_x $saved_y" == "237 231" ]] || fail "a reachable 237,231 came back as $saved_x,$saved_y"
}
