#pragma once
// TIniContent: the text of an INI file, changed as the profile API changes
// it, so that a whole set of changes can be written to the file at once
// instead of the file being rewritten for each key. Every line a change does
// not touch stays as it was, comments, blank lines and line ends included.
#include <string>
#include <utility>
#include <vector>

class TIniContent {
 public:
  explicit TIniContent(const std::string& text);

  // The first section and the first key of the name, compared without regard
  // to case; a key the section lacks goes after its last line, a section the
  // file lacks to the end of the file.
  void Write(const std::string& section, const std::string& key, const std::string& value);
  void Erase(const std::string& section);

  std::string Text() const;

 private:
  // The lines of the section: its header and the lines up to the next
  // header; an empty range at the end when the file has no such section.
  std::pair<size_t, size_t> Find(const std::string& section) const;
  size_t FindKey(std::pair<size_t, size_t> section, const std::string& key) const;
  // Where a line added to the section goes: after its last line that is not blank.
  size_t EndOfLines(std::pair<size_t, size_t> section) const;
  void Insert(size_t at, const std::string& line);

  // Each line with its own line end; the last one may have none.
  std::vector<std::string> FLines;
};
