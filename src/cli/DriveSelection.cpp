#include "cli/DriveSelection.h"

#include <cctype>

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

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

bool DriveSelection::Add(const std::string& word, std::string& error) {
  DriveTicks selected = m_selected;
  std::string::size_type start = 0;
  while (start <= word.size()) {
    std::string::size_type comma = word.find(',', start);
    if (comma == std::string::npos) comma = word.size();
    const std::string piece = word.substr(start, comma - start);
    if (!piece.empty() && !AddPiece(piece, selected, error)) return false;
    start = comma + 1;
  }
  m_selected = selected;
  m_hasWords = true;
  return true;
}

bool DriveSelection::AddPiece(const std::string& piece, DriveTicks& selected,
                              std::string& error) const {
  const std::string lower = Lower(piece);
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
      error = "\"" + piece + "\" is not a drive range; write a range as C-F";
      return false;
    }
    if (first > last) {
      error = "the drive range \"" + piece + "\" runs backwards; write it as " +
              static_cast<char>('A' + last) + "-" + static_cast<char>('A' + first);
      return false;
    }
    for (int i = first; i <= last; ++i) selected[i] = true;
    return true;
  }

  const int index = DriveIndex(piece);
  if (index < 0) {
    error = "\"" + piece +
            "\" is not a drive letter; drives are A to Z, written as C, c:, a range C-F, all or "
            "none";
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
