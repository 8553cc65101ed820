#!/usr/bin/env bash
# The renumera-convert program on real files: standard output on a full device, files that
# cannot be read among ones that can, in-place rewriting with permissions and links kept,
# dry runs, standard input, and what --version and --help print.
#   cli_cases.bash PROGRAM VERSION
set -uo pipefail
program=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect NAME WANTED GOT
expect() {
  [[ "$2" == "$3" ]] || fail "$1: wanted [$2], got [$3]"
}

printf 'тел. 23-45-67\n' >a.txt
printf '(812) 34-56-78\r\n' >c.txt
mkdir dir

# A full device as standard output.
"$program" a.txt >/dev/full 2>err
expect "/dev/full status" 1 $?
expect "/dev/full message" "renumera-convert: standard output: No space left on device" "$(head -1 err)"

# A missing file and a directory among readable files: those are named, the rest converted.
"$program" a.txt missing.txt dir c.txt >out 2>err
expect "unreadable status" 1 $?
expect "unreadable output" "$(printf 'тел. 223-45-67\n(812) 434-56-78\r\n')" "$(cat out)"
expect "unreadable messages" "renumera-convert: missing.txt: No such file or directory
renumera-convert: dir: Is a directory
renumera-convert: 2 numbers converted, 0 left as they were, 4 files (2 failed)" "$(cat err)"

# In place: permissions kept, a link stays a link, an unchanged file is not rewritten, and no
# temporary file is left behind.
cp a.txt b.txt
chmod 640 b.txt
ln -s b.txt link.txt
printf 'nothing here 190000\n' >plain.txt
touch -d '2001-01-01 00:00' plain.txt
"$program" -i link.txt plain.txt 2>err
expect "in place status" 0 $?
expect "in place contents" "тел. 223-45-67" "$(cat b.txt)"
expect "in place mode" 640 "$(stat -c %a b.txt)"
[[ -L link.txt ]] || fail "in place: link.txt is no longer a link"
expect "unchanged file untouched" "2001-01-01" "$(date -r plain.txt +%F)"
expect "no leftovers" "" "$(find . -name '.*.tmp')"
"$program" -i dir 2>err
expect "in place on a directory" "1 renumera-convert: dir: Is a directory" "$? $(head -1 err)"

# A dry run lists the changes and changes nothing; standard input by default and as '-'.
"$program" -n a.txt - <c.txt >out 2>err
expect "dry run listing" "a.txt:1: 23-45-67 -> 223-45-67
-:1: 34-56-78 -> 434-56-78" "$(cat out)"
expect "dry run summary" "renumera-convert: 2 numbers to convert, 0 left as they were, 2 files" "$(cat err)"
expect "dry run keeps the file" "тел. 23-45-67" "$(cat a.txt)"
expect "standard input" "(812) 434-56-78" "$(printf '(812) 34-56-78' | "$program" 2>/dev/null)"

# A UTF-16 file is refused and left alone.
printf '\xff\xfe2\x003\x00' >wide.txt
"$program" -i wide.txt 2>err
expect "UTF-16 status" 1 $?
expect "UTF-16 message" "renumera-convert: wide.txt: starts with a UTF-16 byte-order mark; save it as UTF-8 or in an 8-bit code page first" "$(head -1 err)"

# Version and help.
expect "version" "renumera-convert $version" "$("$program" --version)"
"$program" --help | grep -q '^Usage: renumera-convert' || fail "help"
"$program" --bogus 2>/dev/null
expect "usage status" 2 $?

if ((failures > 0)); then
  echo "$failures case(s) failed" >&2
  exit 1
fi
echo "all converter program cases passed"
