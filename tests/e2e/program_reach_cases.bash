# The renumera program restored from hostile placement files, sourced by tests/e2e/run after
# program_cases.bash, whose helpers it uses: the window must open where the user can take
# hold of its title bar, a reachable position must be kept to the pixel, and what is saved at
# the close must be where the window really was.

screen_width=1024 screen_height=768  # the harness's Xvfb screen, one monitor, no panels
client_units_width=134 client_units_height=53  # the main window's client size in dialog units

# a * b / c rounded to the nearest integer, halves away from zero, as the toolkit converts.
mul_div() {
  local product=$(($1 * $2))
  local quotient=$(((${product#-} + $3 / 2) / $3))
  ((product < 0)) && quotient=$((-quotient))
  echo "$quotient"
}

# The window font's base units (average character width, height), found from the client
# size in pixels that the 134 x 53 dialog units became.
base_units() {
  local width height x y bx by
  read -r width height x y < <(client_geometry)
  for ((bx = 1; bx < 100; bx++)); do
    (($(mul_div $client_units_width "$bx" 4) == width)) && break
  done
  for ((by = 1; by < 100; by++)); do
    (($(mul_div $client_units_height "$by" 8) == height)) && break
  done
  echo "$bx $by"
}

write_placement() { # XPos YPos
  mkdir -p "$(dirname "$placement_file")"
  printf '[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=%s\r\nYPos=%s\r\n' "$1" "$2" >"$placement_file"
}

# The frame settles where the window manager puts it; waits until it stands still.
settled_frame_position() {
  local before now
  before=$(frame_position)
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    sleep 0.2
    now=$(frame_position)
    [[ $now == "$before" ]] && break
    before=$now
  done
  echo "$now"
}

# Closes the program and checks that the placement file holds the frame position $1 $2
# (pixels) in dialog units of base units $3 $4.
expect_saved_position() {
  keys Escape
  expect_program_exit || return 1
  local x=$(mul_div "$1" 4 "$3") y=$(mul_div "$2" 8 "$4")
  [[ $(placement_value XPos) == "$x" && $(placement_value YPos) == "$y" ]] ||
    fail "the window stood at $1,$2 pixels ($x,$y units) and saved $(placement_value XPos),$(placement_value YPos)"
}

test_program_opens_within_reach_from_a_position_no_monitor_shows() {
  local stored frame_width x y left right top bottom width height cx cy bx by
  for stored in "90000 90000" "-90000 -90000" "-2000000 300" "300 -2000000"; do
    write_placement $stored
    start_program || return 1
    read -r x y < <(settled_frame_position)
    read -r left right top bottom < <(frame_extents)
    read -r width height cx cy < <(client_geometry)
    frame_width=$((left + width + right))
    # A 40 px strip of the title bar's 20 px is on the screen, as the user needs to drag it.
    ((x + frame_width - 40 >= 0 && x + 40 <= screen_width && y >= -10 && y + 10 <= screen_height)) ||
      fail "stored at $stored, the frame opened out of reach at $x,$y"
    read -r bx by < <(base_units)
    expect_saved_position "$x" "$y" "$bx" "$by" || return 1
  done
}

test_program_opens_exactly_where_stored_just_inside_the_bottom_right_edge() {
  rm -f "$placement_file"
  start_program || return 1
  local bx by left right top bottom width height cx cy
  read -r bx by < <(base_units)
  read -r left right top bottom < <(frame_extents)
  read -r width height cx cy < <(client_geometry)
  keys Escape
  expect_program_exit || return 1
  # The frame's corner 45 x 23 pixels inside the corner of the screen, most of the window
  # beyond it; and the whole frame in the corner of the screen. Units rounded down, so that
  # their pixels stay inside.
  local corner x_units y_units x y
  for corner in "$((screen_width - 45)) $((screen_height - 23))" \
    "$((screen_width - left - width - right)) $((screen_height - top - height - bottom))"; do
    read -r x y <<<"$corner"
    x_units=$((x * 4 / bx)) y_units=$((y * 8 / by))
    write_placement "$x_units" "$y_units"
    start_program || return 1
    x=$(mul_div "$x_units" "$bx" 4) y=$(mul_div "$y_units" "$by" 8)
    wait_until 3 frame_at "$x" "$y" || fail "stored at $x,$y pixels, the frame opened at $(frame_position)"
    keys Escape
    expect_program_exit || return 1
    [[ $(placement_value XPos) == "$x_units" && $(placement_value YPos) == "$y_units" ]] ||
      fail "stored $x_units,$y_units and saved $(placement_value XPos),$(placement_value YPos)"
  done
}
