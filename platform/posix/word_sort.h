// The posix stand-in for the system's string comparison of one-character Windows-1251 texts.
#pragma once

namespace platform::posix {

// The rank of the one-character text `c` in a word sort: 0 for the characters the
// comparison ignores (the control codes and the soft hyphen), which therefore rank equal,
// and a rank of its own, from 1 up, for every other character.
int WordSortRank(unsigned char c);

}  // namespace platform::posix
