# The renumera program itself in the harness's X server, sourced by tests/e2e/run: typed
# numbers read back from both fields through the clipboard, the ways to close the window, the
# placement file it leaves, the fixed frame, and the requests to end it from outside.
# Uses the harness's helpers (wait_until, fail, keys, type_text, click_at, client_geometry,
# frame_extents, screenshot) on $window, which start_program sets.

program=$build/app/renumera
program_pid=
program_dir=$work/program  # the working directory, where no Emblem_multi.ico lies
placement_file=$XDG_CONFIG_HOME/renumera/Renumera.INI

# Starts the program and waits until its window is the active one.
start_program() {
  [[ -x $program ]] || { fail "$program is not built"; return 1; }
  mkdir -p "$program_dir"
  (cd "$program_dir" && exec "$program") >"$work/program.out" 2>"$work/program.err" &
  program_pid=$!
  window=
  local deadline=$((SECONDS + 10))
  until window=$(xdotool search --pid "$program_pid" --class renumera 2>/dev/null | head -n1)
    [[ -n $window ]]; do
    ((SECONDS < deadline)) || { fail "the program's window did not appear"; return 1; }
    sleep 0.05
  done
  wait_active || { fail "the program's window never became active"; return 1; }
}

# Waits for the program to end by itself with status 0.
expect_program_exit() {
  wait_until 5 sh -c "! kill -0 $program_pid" || { fail "the program did not end"; return 1; }
  wait "$program_pid"
  local status=$?
  program_pid=
  ((status == 0)) || { fail "the program ended with status $status: $(tail -n 5 "$work/program.err")"; return 1; }
}

stop_program() {
  [[ -n $program_pid ]] || return 0
  kill -KILL "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
  program_pid=
}

# Copies with the keys $2... and waits until the clipboard holds $1. Another owner holds a
# placeholder first, so that an earlier copy can never pass for this one.
expect_copy() {
  local expected=$1
  shift
  printf '(nothing copied)' | xclip -i -selection clipboard
  keys "$@"
  wait_until 3 sh -c '[ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]' _ "$expected" ||
    { fail "copied \"$(xclip -o -selection clipboard 2>&1)\", not \"$expected\""; return 1; }
}

# With the focus in an unedited ?OLDNUM: both fields show $1 and $2. ?NEWNUM is reached by
# Tab over the button, which selects its whole text, and left by Tab back to ?OLDNUM.
expect_numbers() {
  expect_copy "$1" Home shift+End ctrl+c || return 1
  expect_copy "$2" Tab Tab ctrl+c || return 1
  keys Tab
}

frame_position() { # x y of the outer frame
  local width height x y left right top bottom
  read -r width height x y < <(client_geometry)
  read -r left right top bottom < <(frame_extents)
  echo "$((x - left)) $((y - top))"
}

frame_at() { [[ $(frame_position) == "$1 $2" ]]; }

placement_value() { sed -n "s/^$1=\([^\r]*\)\r\$/\1/p" "$placement_file"; }

test_program_six_digits_and_tab_or_enter() {
  local key
  for key in Tab Return; do
    start_program || return 1
    type_text 123456
    keys "$key"
    expect_numbers 12-34-56 412-34-56 || return 1
    keys Escape
    expect_program_exit || return 1
  done
}

test_program_four_digits_tab_converts_once_enter_twice() {
  start_program || return 1
  type_text 1234
  keys Tab
  expect_numbers 00-12-34 004-12-34 || return 1
  # The whole old number is selected after a conversion: typing replaces it.
  type_text 1234
  keys Return
  # The second conversion starts from the first one's 00-12-34, which chooses no prefix.
  expect_numbers 00-12-34 000-12-34
}

test_program_click_on_the_button_after_an_edit_converts_once() {
  start_program || return 1
  type_text 1234
  local width height x y
  read -r width height x y < <(client_geometry)
  click_at $((width / 2)) $((height * 24 / 53))  # the button's middle, 24 of 53 units down
  expect_numbers 00-12-34 004-12-34
}

test_program_enter_without_an_edit_converts_what_is_shown() {
  start_program || return 1
  type_text 1234
  keys Tab
  expect_numbers 00-12-34 004-12-34 || return 1
  keys Return
  expect_numbers 00-12-34 000-12-34
}

# The picture in the README (docs/screenshot.png): a converted number, the focus on the button.
test_program_screenshot() {
  start_program || return 1
  type_text 234567
  keys Return
  expect_numbers 23-45-67 223-45-67 || return 1
  keys Tab
  sleep 0.3
  screenshot program
}

test_program_typed_new_number_stays_until_the_next_conversion() {
  start_program || return 1
  type_text 123456
  keys Tab Tab Tab  # converts and comes back; then over the button into ?NEWNUM
  type_text 9876543
  keys Tab
  expect_numbers 12-34-56 987-65-43 || return 1
  keys Return
  expect_numbers 12-34-56 412-34-56
}

test_program_closes_at_once_by_escape_alt_f4_and_the_window_manager() {
  local way
  for way in Escape alt+F4 manager; do
    start_program || return 1
    type_text 1234  # an edited number does not hold the window open
    if [[ $way == manager ]]; then
      wmctrl -i -c "$window" || fail "wmctrl could not ask for the close"
    else
      keys "$way"
    fi
    expect_program_exit || { fail "$way did not close the window"; return 1; }
  done
}

test_program_placement_file_and_the_next_start() {
  rm -f "$placement_file"
  start_program || return 1
  local title
  title=$(xprop -id "$window" _NET_WM_NAME)
  [[ $title == *'"7-значная нумерация"'* ]] || fail "caption: $title"
  xdotool windowmove "$window" 200 100
  wait_until 3 frame_at 200 100
  # Where the frame went: a window whose gravity is static (Wine's) has its client area
  # moved there, and its frame lies a title bar higher.
  local moved_x moved_y
  read -r moved_x moved_y < <(frame_position)
  keys Escape
  expect_program_exit || return 1
  local crlf=$'\r'
  local expected="[Main]$crlf
Maximize=No$crlf
Minimize=No$crlf
XPos=$(placement_value XPos)$crlf
YPos=$(placement_value YPos)$crlf
[__Dont_Touch_Me__]$crlf
Sectors=0$crlf"
  [[ $(cat "$placement_file") == "$expected" ]] || fail "the placement file holds: $(cat -A "$placement_file")"
  [[ -n $(placement_value XPos) && -n $(placement_value YPos) ]] || return 1
  local saved
  saved=$(cat "$placement_file")

  # Positions are kept in dialog units, so the frame comes back to within one unit of where
  # it was left, and from then on to the pixel.
  start_program || return 1
  local x y
  read -r x y < <(frame_position)
  ((x >= moved_x - 2 && x <= moved_x + 2 && y >= moved_y - 2 && y <= moved_y + 2)) ||
    fail "the next start opened at $x,$y, not about $moved_x,$moved_y"
  keys Escape
  expect_program_exit || return 1
  [[ $(cat "$placement_file") == "$saved" ]] || fail "an unmoved window saved: $(cat -A "$placement_file")"
}

test_program_window_cannot_be_resized_or_maximized() {
  start_program || return 1
  local width height x y actions
  read -r width height x y < <(client_geometry)
  actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
  [[ $actions == *MINIMIZE* && $actions == *CLOSE* && $actions == *MOVE* ]] ||
    fail "minimize, close or move not allowed: $actions"
  [[ $actions != *RESIZE* && $actions != *MAXIMIZE* ]] || fail "resize or maximize allowed: $actions"
  xdotool windowsize "$window" 600 400
  wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
  sleep 0.5
  local after
  after=$(client_geometry)
  [[ ${after%% *} == "$width" && $(cut -d' ' -f2 <<<"$after") == "$height" ]] ||
    fail "resized from $width x $height to $after"
}

test_program_termination_signals_still_save() {
  local signal
  for signal in TERM INT HUP; do
    rm -f "$placement_file"
    start_program || return 1
    xdotool windowmove "$window" 120 80
    wait_until 3 frame_at 120 80
    kill -"$signal" "$program_pid"
    expect_program_exit || { fail "SIG$signal"; return 1; }
    grep -q "^XPos=" "$placement_file" 2>/dev/null || { fail "SIG$signal saved no placement"; return 1; }
    # 120 x 80 pixels are about 44 x 28 dialog units of the window font.
    local x y
    x=$(placement_value XPos) y=$(placement_value YPos)
    ((x >= 40 && x <= 48 && y >= 24 && y <= 32)) || fail "SIG$signal saved $x,$y"
  done
}

test_program_lost_connection_still_saves() {
  rm -f "$placement_file"
  start_program || return 1
  xdotool windowmove "$window" 120 80
  wait_until 3 frame_at 120 80
  xdotool windowkill "$window"
  expect_program_exit || return 1
  local x y
  x=$(placement_value XPos) y=$(placement_value YPos)
  ((x >= 40 && x <= 48 && y >= 24 && y <= 32)) || fail "after the lost connection it saved $x,$y"
}

test_program_without_a_display_says_so_and_fails() {
  local output status
  output=$(env -u DISPLAY "$program" 2>&1)
  status=$?
  ((status == 1)) || fail "exit status $status without a display"
  [[ $output == "renumera: cannot open the X display"* && $(wc -l <<<"$output") == 1 ]] ||
    fail "unclear error: $output"
}
