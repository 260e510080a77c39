#pragma once

#include <string>

#include "app/DriveMask.h"

// A set of drive letters named on the command line: single letters with or
// without a colon in any case (C, c, C:, c:), ranges (C-F, c:-f:), the words
// all and none, several of them in one word when separated by commas.
class DriveSelection {
 public:
  // Adds the drives that one command-line word names. On a bad word returns
  // false with a message naming it, and the selection is left as it was.
  bool Add(const std::string& word, std::string& error);

  // True for each letter, A: to Z:, that has been named.
  const DriveTicks& Selected() const { return m_selected; }

  // Whether any word was added at all (none counts as a word).
  bool HasWords() const { return m_hasWords; }

  // Whether a word could be a drive, so that "drivemask C D" can be told that it
  // needs keep or --hide.
  static bool LooksLikeDrives(const std::string& word);

 private:
  bool AddPiece(const std::string& piece, DriveTicks& selected, std::string& error) const;

  DriveTicks m_selected{};
  bool m_hasWords = false;
};
