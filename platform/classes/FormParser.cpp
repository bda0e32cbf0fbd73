#include "platform/classes/FormParser.h"

#include <cctype>

#include "platform/rtl/SysUtils.h"

void RaiseReadError(const std::string& source, int line, const std::string& message) {
  throw EReadError(source + ", line " + IntToStr(line) + ": " + message);
}

namespace {

struct TToken {
  enum class TKind { End, Identifier, Integer, String, Symbol };
  TKind Kind = TKind::End;
  std::string Text;  // the identifier, the integer as written, the string's octets, the symbol
  int Line = 1;
};

bool IsIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentifierPart(char c) {
  return IsIdentifierStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '.';
}
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)); }
bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)); }

class TTokenizer {
 public:
  TTokenizer(const std::string& text, const std::string& source) : FText(text), FSource(source) {}

  TToken Next() {
    SkipBlanks();
    TToken token;
    token.Line = FLine;
    if (AtEnd()) return token;
    const char c = FText[FPosition];
    if (IsIdentifierStart(c)) {
      token.Kind = TToken::TKind::Identifier;
      token.Text = TakeWhile(IsIdentifierPart);
    } else if (IsDigit(c) || c == '$' || (c == '-' && FPosition + 1 < FText.size())) {
      token.Kind = TToken::TKind::Integer;
      token.Text = TakeInteger();
    } else if (c == '\'' || c == '#') {
      token.Kind = TToken::TKind::String;
      token.Text = TakeString();
    } else if (std::string("=:[](),<>").find(c) != std::string::npos) {
      token.Kind = TToken::TKind::Symbol;
      token.Text = std::string(1, c);
      ++FPosition;
    } else {
      Fail("Unexpected character '" + std::string(1, c) + "'");
    }
    return token;
  }

 private:
  bool AtEnd() const { return FPosition >= FText.size(); }

  [[noreturn]] void Fail(const std::string& message) const { RaiseReadError(FSource, FLine, message); }

  void SkipBlanks() {
    while (!AtEnd() && static_cast<unsigned char>(FText[FPosition]) <= ' ') {
      if (FText[FPosition] == '\n') ++FLine;
      ++FPosition;
    }
  }

  template <class Predicate>
  std::string TakeWhile(Predicate predicate) {
    const size_t start = FPosition;
    while (!AtEnd() && predicate(FText[FPosition])) ++FPosition;
    return FText.substr(start, FPosition - start);
  }

  std::string TakeInteger() {
    const size_t start = FPosition;
    if (FText[FPosition] == '-') ++FPosition;
    const bool hexadecimal = !AtEnd() && FText[FPosition] == '$';
    if (hexadecimal) ++FPosition;
    const std::string digits = TakeWhile(hexadecimal ? IsHexDigit : IsDigit);
    if (digits.empty() || (!AtEnd() && IsIdentifierPart(FText[FPosition])))
      Fail("Invalid number " + FText.substr(start, FPosition + 1 - start));
    return FText.substr(start, FPosition - start);
  }

  // Quoted parts and #nn codes written together make one string.
  std::string TakeString() {
    std::string octets;
    while (!AtEnd() && (FText[FPosition] == '\'' || FText[FPosition] == '#')) {
      if (FText[FPosition] == '#')
        octets += TakeCharacterCode();
      else
        octets += TakeQuoted();
    }
    return octets;
  }

  char TakeCharacterCode() {
    ++FPosition;
    const std::string digits = TakeWhile(IsDigit);
    const int32_t code = StrToIntDef(digits, -1);
    if (digits.empty() || code > 255) Fail("Invalid character code #" + digits);
    return static_cast<char>(code);
  }

  std::string TakeQuoted() {
    std::string octets;
    for (++FPosition;; ++FPosition) {
      if (AtEnd() || FText[FPosition] == '\n') Fail("Unterminated string");
      if (FText[FPosition] != '\'') {
        octets += FText[FPosition];
      } else if (FPosition + 1 < FText.size() && FText[FPosition + 1] == '\'') {
        octets += '\'';
        ++FPosition;
      } else {
        ++FPosition;
        return octets;
      }
    }
  }

  const std::string& FText;
  const std::string& FSource;
  size_t FPosition = 0;
  int FLine = 1;
};

class TParser {
 public:
  TParser(const std::string& text, const std::string& source) : FTokenizer(text, source), FSource(source) { Advance(); }

  TFormObject ParseRoot() {
    TFormObject root = ParseObject();
    if (FToken.Kind != TToken::TKind::End) Fail("Text after the form's end");
    return root;
  }

 private:
  using TKind = TToken::TKind;

  [[noreturn]] void Fail(const std::string& message) const { RaiseReadError(FSource, FToken.Line, message); }

  void Advance() { FToken = FTokenizer.Next(); }

  bool IsKeyword(const char* keyword) const {
    return FToken.Kind == TKind::Identifier && SameText(FToken.Text, keyword);
  }
  bool IsSymbol(const char* symbol) const { return FToken.Kind == TKind::Symbol && FToken.Text == symbol; }

  std::string Describe() const { return FToken.Kind == TKind::End ? "the end of the text" : "'" + FToken.Text + "'"; }

  void ExpectKeyword(const char* keyword) {
    if (!IsKeyword(keyword)) Fail(std::string("Expected ") + keyword + " but found " + Describe());
    Advance();
  }

  void ExpectSymbol(const char* symbol) {
    if (!IsSymbol(symbol)) Fail(std::string("Expected ") + symbol + " but found " + Describe());
    Advance();
  }

  std::string ExpectIdentifier() {
    if (FToken.Kind != TKind::Identifier) Fail("Expected a name but found " + Describe());
    std::string name = FToken.Text;
    Advance();
    return name;
  }

  TFormObject ParseObject() {
    TFormObject object;
    object.Line = FToken.Line;
    ExpectKeyword("object");
    object.Name = ExpectIdentifier();
    ExpectSymbol(":");
    object.ClassName = ExpectIdentifier();
    while (!IsKeyword("end")) {
      if (IsKeyword("object"))
        object.Children.push_back(ParseObject());
      else
        object.Properties.push_back(ParseProperty());
    }
    Advance();
    return object;
  }

  TFormProperty ParseProperty() {
    TFormProperty property;
    property.Line = FToken.Line;
    property.Path = ExpectIdentifier();
    ExpectSymbol("=");
    property.Value = ParseValue();
    return property;
  }

  TFormValue ParseValue() {
    TFormValue value;
    if (IsSymbol("[")) return ParseSet();
    if (IsSymbol("(")) return ParseList();
    if (IsSymbol("<")) return ParseCollection();
    switch (FToken.Kind) {
      case TKind::Integer: value.Kind = TFormValue::TKind::Integer; break;
      case TKind::String: value.Kind = TFormValue::TKind::String; break;
      case TKind::Identifier: value.Kind = TFormValue::TKind::Identifier; break;
      default: Fail("Expected a value but found " + Describe());
    }
    value.Text = FToken.Text;
    Advance();
    return value;
  }

  TFormValue ParseSet() {
    TFormValue value;
    value.Kind = TFormValue::TKind::Set;
    Advance();
    if (IsSymbol("]")) {
      Advance();
      return value;
    }
    for (;;) {
      value.Items.push_back(ExpectIdentifier());
      if (IsSymbol("]")) break;
      ExpectSymbol(",");
    }
    Advance();
    return value;
  }

  // A list holds strings or integers, not both; its first item says which.
  TFormValue ParseList() {
    TFormValue value;
    value.Kind = TFormValue::TKind::List;
    Advance();
    const TKind itemKind = FToken.Kind == TKind::Integer ? TKind::Integer : TKind::String;
    if (itemKind == TKind::Integer) value.Kind = TFormValue::TKind::IntegerList;
    while (!IsSymbol(")")) {
      if (FToken.Kind != itemKind)
        Fail(std::string("Expected ") + (itemKind == TKind::Integer ? "an integer" : "a string") + " or ) but found " +
             Describe());
      value.Items.push_back(FToken.Text);
      Advance();
    }
    Advance();
    return value;
  }

  TFormValue ParseCollection() {
    TFormValue value;
    value.Kind = TFormValue::TKind::Collection;
    Advance();
    while (!IsSymbol(">")) {
      ExpectKeyword("item");
      std::vector<TFormProperty>& item = value.CollectionItems.emplace_back();
      while (!IsKeyword("end")) item.push_back(ParseProperty());
      Advance();
    }
    Advance();
    return value;
  }

  TTokenizer FTokenizer;
  const std::string& FSource;
  TToken FToken;
};

}  // namespace

TFormObject ParseForm(const std::string& text, const std::string& source) { return TParser(text, source).ParseRoot(); }
