#pragma once

#include <cstdint>
#include <string>

// gpt.ini, the file beside a Group Policy object's Machine and User folders
// that tells clients whether the object changed and which client extensions
// must read it:
//   [General]
//   gPCMachineExtensionNames=[{35378EAC-...}{D02B1F72-...}]
//   Version=65538
// Version counts computer changes in its lower 16 bits and user changes in
// the upper 16; a client skips an object whose version did not change. Each
// bracket group of an extension list names a client extension and then the
// editor tools that wrote its settings; the groups are kept sorted by their
// first GUID.
class GptIni {
 public:
  enum class Half { Machine, User };

  struct Change {
    bool created = false;  // there was no gpt.ini
    std::uint32_t oldVersion = 0;
    std::uint32_t newVersion = 0;
    bool extensionAdded = false;  // the registry extension was not listed yet
  };

  // The file after one change to the registry settings of one half: its
  // half of Version raised by one, and, with addExtension, the registry
  // extension and its editor tool added to that half's extension list.
  // Every other line stays as it was, with its own line end; lines added end
  // in CR LF. bytes is the old file, or empty with exists false for a file
  // that is not there yet. False with a one-line message when the file cannot
  // be read as an INI file of that kind (UTF-16 text, a Version that is no
  // number, an extension list that is no list of bracketed GUIDs); the
  // caller puts the file name in front.
  static bool Raise(const std::string& bytes, bool exists, Half half, bool addExtension,
                    std::string& out, Change& change, std::string& error);

  // The registry client extension and the editor tools of each half.
  static constexpr char kRegistryExtension[] = "{35378EAC-683F-11D2-A89A-00C04FBBCFA2}";
  static constexpr char kMachineTool[] = "{D02B1F72-3407-48AE-BA88-E8213C6761F1}";
  static constexpr char kUserTool[] = "{D02B1F73-3407-48AE-BA88-E8213C6761F1}";
};
