#pragma once
// TIniContent: an INI file in memory, read and changed as the Windows profile
// API reads and changes a file, so that a file an operator edited by hand
// reads here as it reads in any other Windows program, and so that a whole
// set of changes can be written at once instead of the file being rewritten
// for each key. Every line a change does not touch stays byte for byte, its
// comments, blanks and line ends included.
//
// The profile API's reading of a file, which is what this follows:
// - a line ends at the first CR or LF; blanks, tabs and ^Z around a line,
//   a name or a value do not count;
// - a line "[name]" opens a section, its name running to the line's last "]";
//   lines before the first such line belong to a section without a name;
// - any other line that is not blank is a key: the text before its first "="
//   and the text after it, or a key without a value when there is no "=";
//   a comment is such a key too, and none of them is ever asked for;
// - names compare without regard to case (of the letters A to Z); a read or
//   a write uses the first section of the name and its first key;
// - a value in matching quotes reads without them.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"
#include "platform/rtl/TextEncoding.h"

class TIniContent {
 public:
  // The bytes of the file, in any of the encodings TTextEncoding knows.
  explicit TIniContent(const std::string& bytes);
  // The bytes of the file with the changes, in the encoding it came in.
  std::string Bytes() const;

  std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // A missing or non-numeric value gives the default; "0x" and "$" mean hexadecimal.
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;
  // The names of the sections in file order, repeated names included,
  // replacing the list's contents.
  void ReadSections(TStringList& sections) const;
  bool SectionExists(const std::string& section) const;

  // A key the section lacks goes after its last line that is not blank, a
  // section the file lacks to the end of the file.
  void Write(const std::string& section, const std::string& key, const std::string& value);
  // The first section of the name, as given: blanks around it count.
  void Erase(const std::string& section);

 private:
  struct TLine {
    std::u16string Text;  // without its line end
    std::u16string End;   // the CRs and LFs that end it; none on a last line without a line end
    std::string Bytes;    // the line as the file held it, while no change touched it
    bool Changed = false;
  };
  // The lines of a section: its header and the lines up to the next header.
  // The lines before the first header make a section without a header.
  struct TSpan {
    size_t Begin;
    size_t End;
    bool HasHeader;
    std::u16string Name;
  };

  void Split(const std::string& bytes);
  std::vector<TSpan> Spans() const;
  // The first section of the name, or none (a span past the last line).
  TSpan FindSection(const std::u16string& name) const;
  // The first key of the name in the section; the section's end when it has none.
  size_t FindKey(const TSpan& section, const std::u16string& key) const;
  // Where a line added to the section goes: after its last line that is not blank.
  size_t EndOfLines(const TSpan& section) const;
  void Insert(size_t at, const std::u16string& text);

  TTextEncoding FEncoding;
  std::vector<TLine> FLines;
};
