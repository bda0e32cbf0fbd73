#pragma once
// TIniContent: what an INI file says, as the profile API reads it: its
// sections in file order, each with its lines in order. Blank lines and the
// blanks around names and values say nothing, so a file the profile API
// rewrote says the same as the file it read. The INI file compares a
// rewritten copy with the content it meant before the copy may replace the
// file: a copy cut short (a full disk) says less.
#include <string>
#include <vector>

class TIniContent {
 public:
  static TIniContent Parse(const std::string& text);

  // As the profile API changes a file: the first section and the first key of
  // the name, compared without regard to case; a key the section lacks goes
  // to its end, a section the file lacks to the end of the file.
  void Write(const std::string& section, const std::string& key, const std::string& value);
  void Erase(const std::string& section);

  bool operator==(const TIniContent&) const = default;

 private:
  // A comment or another line without "=" is a key without a value.
  struct TLine {
    std::string Key;
    bool HasValue = false;
    std::string Value;
    bool operator==(const TLine&) const = default;
  };
  struct TSection {
    std::string Name;
    std::vector<TLine> Lines;
    bool operator==(const TSection&) const = default;
  };

  static TLine ParseLine(const std::string& text);
  std::vector<TSection>::iterator Find(const std::string& section);

  // Lines ahead of the first section belong to a section without a name.
  std::vector<TSection> FSections;
};
