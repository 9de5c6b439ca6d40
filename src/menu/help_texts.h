// The help texts shown beside the menu while select is held: 29 blocks of 10 lines in
// texts.helpLines, built once at start-up.
#pragma once

namespace velquist {

constexpr int helpBlockCount = 29;
constexpr int helpBlockLines = 10;

// Fills texts.helpLines; every line not given a text is empty.
void buildHelpTexts();

}  // namespace velquist
