#include "cli/DriveSelection.h"

#include <cctype>

#include "cli/ArgumentText.h"

namespace {

// Reads "C", "c", "C:" or "c:" into a drive index 0..25; -1 for anything else.
int DriveIndex(const std::string& text) {
  std::string letter = text;
  if (letter.size() == 2 && letter[1] == ':') letter.pop_back();
  if (letter.size() != 1) return -1;
  const unsigned char c = static_cast<unsigned char>(letter[0]);
  if (c > 0x7F || !std::isalpha(c)) return -1;
  return std::toupper(c) - 'A';
}

}  // namespace

bool DriveSelection::Add(const std::string& word, std::string& error) {
  DriveTicks selected = m_selected;
  bool named = false;
  std::string::size_type start = 0;
  while (start <= word.size()) {
    std::string::size_type comma = word.find(',', start);
    if (comma == std::string::npos) comma = word.size();
    // Spaces around a piece are allowed: "C, D" reaches us as one word.
    const std::string piece = TrimBlanks(word.substr(start, comma - start));
    if (!piece.empty() && !AddPiece(piece, selected, error)) return false;
    named = named || !piece.empty();
    start = comma + 1;
  }
  // An empty list is most often an empty script variable: reading it as "no
  // drive" would give the most extreme mask of all.
  if (!named) {
    error = "the drive list " + QuotedText(word) +
            " is empty; name drives such as C D or C-F, or say all or none";
    return false;
  }
  m_selected = selected;
  m_hasWords = true;
  return true;
}

bool DriveSelection::AddPiece(const std::string& piece, DriveTicks& selected,
                              std::string& error) const {
  const std::string lower = LowerAscii(piece);
  if (lower == "all") {
    selected.fill(true);
    return true;
  }
  if (lower == "none") return true;

  const std::string::size_type dash = piece.find('-');
  if (dash != std::string::npos && dash > 0) {
    const int first = DriveIndex(piece.substr(0, dash));
    const int last = DriveIndex(piece.substr(dash + 1));
    if (first < 0 || last < 0) {
      error = QuotedText(piece) + " is not a drive range; write a range as C-F";
      return false;
    }
    if (first > last) {
      error = "the drive range " + QuotedText(piece) + " runs backwards; write it as " +
              static_cast<char>('A' + last) + "-" + static_cast<char>('A' + first);
      return false;
    }
    for (int i = first; i <= last; ++i) selected[i] = true;
    return true;
  }

  const int index = DriveIndex(piece);
  if (index < 0) {
    error = QuotedText(piece) +
            " is not a drive letter; drives are A to Z, written as C, c:, a range C-F, all or none";
    return false;
  }
  selected[index] = true;
  return true;
}

bool DriveSelection::LooksLikeDrives(const std::string& word) {
  DriveSelection probe;
  std::string ignored;
  return probe.Add(word, ignored);
}
