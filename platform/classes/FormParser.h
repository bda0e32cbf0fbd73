#pragma once
// The text of a form resource as a tree, before any name in it is resolved:
//
//   object Name: TClass
//     Path = value                  Path may be dotted: Constraints.MinWidth
//     object Child: TClass ... end
//   end
//
// A value is an integer (decimal or $hex, optionally negative), a string
// ('quoted', '' for a quote, #nn for any octet, the parts written together),
// an identifier (True, False, enumeration members, colours, component and
// handler names), a set [a, b], a string list ('a' 'b') or a collection
// < item Path = value ... end ... >. Line breaks are blanks like any other.
#include <string>
#include <vector>

#include "platform/rtl/Streams.h"

// "<source>, line <n>: <message>": every load error says where it is.
[[noreturn]] void RaiseReadError(const std::string& source, int line, const std::string& message);

struct TFormProperty;

struct TFormValue {
  enum class TKind { Integer, String, Identifier, Set, List, IntegerList, Collection };
  TKind Kind = TKind::Integer;
  std::string Text;                // Integer (as written), String, Identifier
  std::vector<std::string> Items;  // Set members, List strings, IntegerList numbers as written
  std::vector<std::vector<TFormProperty>> CollectionItems;
};

struct TFormProperty {
  std::string Path;
  TFormValue Value;
  int Line = 0;
};

struct TFormObject {
  std::string Name;
  std::string ClassName;
  int Line = 0;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};

// Raises EReadError naming `source` and the line of the first syntax error.
TFormObject ParseForm(const std::string& text, const std::string& source);
