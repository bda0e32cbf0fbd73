#pragma once
// Texts of the program's string table. A unit lists its texts once, as lines
//
//   NEPL_RESOURCE_STRING(Name, Identifier, "Text")
//
// in a `.strings` file: the resource build turns the list into a STRINGTABLE
// of the executable, and the unit includes the same list (through
// NEPL_DECLARE_RESOURCE_STRINGS) to name each text by a TResStringRec. The
// text is read from the string table at each use; the native build, which
// has no string table, answers the text the list gives.
#include <string>

struct TResStringRec {
  unsigned Identifier;
  const char* Text;  // the text as listed: the native build's answer
};

std::string LoadResString(const TResStringRec& resource);

#define NEPL_RESOURCE_STRING(name, identifier, text) inline constexpr TResStringRec name{identifier, text};
