// Lexical analysis: the expression's bytes become lexems, each with the line
// and column of its first character. An error is recorded and reading goes
// on, so that one compilation reports them all.
#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/engines/cxRegExpr.h"
#include "controls/editors/engines/cxRegExprItems.h"
#include "platform/rtl/Locale.h"

namespace {

int HexDigitValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

bool TcxRegExpr::AtEnd() const { return FStreamPosition >= FSource.Size(); }

char TcxRegExpr::PeekChar() const { return static_cast<char>(FSource.Memory()[FStreamPosition]); }

char TcxRegExpr::ReadChar() {
  const char ch = PeekChar();
  ++FStreamPosition;
  if (ch == '\r') ++FCurrentLine;
  FCurrentChar = ch == '\n' ? 0 : FCurrentChar + 1;
  return ch;
}

void TcxRegExpr::AddLexem(int Code, const std::string& Text, int Line, int Char) {
  FLexems.push_back(TcxLexem{Char, Code, Line, Text});
}

void TcxRegExpr::SkipBlanks() {
  while (!AtEnd() && cxRegExprIsBlank(PeekChar())) ReadChar();
}

bool TcxRegExpr::NextNonBlankIs(char Ch) const {
  for (int64_t i = FStreamPosition; i < FSource.Size(); ++i) {
    const char next = static_cast<char>(FSource.Memory()[i]);
    if (!cxRegExprIsBlank(next)) return next == Ch;
  }
  return false;
}

void TcxRegExpr::LexicalAnalysis() {
  int openGroups = 0;
  for (SkipBlanks(); !AtEnd(); SkipBlanks()) {
    const char ch = ReadChar();
    const int line = FCurrentLine;
    const int column = FCurrentChar;
    switch (ch) {
      case '(':
        ++openGroups;
        AddLexem(lcSpecial, "(", line, column);
        break;
      case ')':
        --openGroups;
        AddLexem(lcSpecial, ")", line, column);
        break;
      case '|':
      case '?':
      case '*':
      case '+': AddLexem(lcSpecial, std::string(1, ch), line, column); break;
      case '{':
        AddLexem(lcSpecial, "{", line, column);
        ReadParameterQuantifier();
        break;
      case '[':
        AddLexem(lcSpecial, "[", line, column);
        ReadBrackets();
        break;
      case '\\': ReadEscape(); break;
      case '\'': ReadQuotedString(); break;
      case '.': AddLexem(lcAll, ".", line, column); break;
      case '/': AddLexem(lcDateSeparator, "/", line, column); break;
      case ':': AddLexem(lcTimeSeparator, ":", line, column); break;
      default: AddLexem(lcSymbol, std::string(1, ch), line, column);
    }
  }
  if (openGroups > 0) AddError(0, 0, Message(cxMsgRegExprMissing, ")"));
  if (openGroups < 0) AddError(0, 0, Message(cxMsgRegExprUnnecessary, ")"));
}

// The "\" has been read; the lexem takes its position.
void TcxRegExpr::ReadEscape() {
  const int line = FCurrentLine;
  const int column = FCurrentChar;
  if (AtEnd()) return;
  const char ch = ReadChar();
  const auto add = [&](int code, char text) { AddLexem(code, std::string(1, text), line, column); };
  if (ch >= '1' && ch <= '9') return add(lcReference, ch);
  if (cxRegExprIsBlank(ch)) return AddError(line, column, Message(cxMsgRegExprSpaceAfterEscape));
  switch (ch) {
    case 'D': return add(lcNotDigit, ch);
    case 'S': return add(lcNotSpace, ch);
    case 'W': return add(lcNotIdLetter, ch);
    case 'd': return add(lcDigit, ch);
    case 's': return add(lcSpace, ch);
    case 'w': return add(lcIdLetter, ch);
    case 'a': return add(lcSymbol, '\a');
    case 'e': return add(lcSymbol, '\x1b');
    case 'f': return add(lcSymbol, '\f');
    case 'n': return add(lcSymbol, '\n');
    case 'r': return add(lcSymbol, '\r');
    case 't': return add(lcSymbol, '\t');
    case 'p': return add(lcSymbol, CurrentLocale().DecimalSeparator());
    case 'x': return ReadHexChar(line, column);
    default: return add(lcSymbol, ch);
  }
}

void TcxRegExpr::ReadHexChar(int Line, int Char) {
  int code = 0;
  for (int digit = 0; digit < 2; ++digit) {
    if (AtEnd()) return AddError(FCurrentLine, FCurrentChar + 1, Message(cxMsgRegExprHexExpected));
    const char ch = ReadChar();
    const int value = HexDigitValue(ch);
    if (value < 0) {
      return AddError(FCurrentLine, FCurrentChar, Message(cxMsgRegExprHexExpectedFound, std::string(1, ch)));
    }
    code = code * 16 + value;
  }
  AddLexem(lcSymbol, std::string(1, static_cast<char>(code)), Line, Char);
}

// The opening quote has been read. Blanks count inside quotes; two quotes in
// a row stand for one.
void TcxRegExpr::ReadQuotedString() {
  for (;;) {
    if (AtEnd()) return AddError(FCurrentLine, FCurrentChar + 1, Message(cxMsgRegExprMissing, "'"));
    const char ch = ReadChar();
    const int line = FCurrentLine;
    const int column = FCurrentChar;
    if (ch == '\'') {
      if (AtEnd() || PeekChar() != '\'') return;
      ReadChar();
    }
    AddLexem(lcSymbol, std::string(1, ch), line, column);
  }
}

// The "{" has been read.
void TcxRegExpr::ReadParameterQuantifier() {
  for (;;) {
    SkipBlanks();
    if (AtEnd()) return AddError(FCurrentLine, FCurrentChar + 1, Message(cxMsgRegExprMissing, "}"));
    const char ch = ReadChar();
    const int line = FCurrentLine;
    const int column = FCurrentChar;
    if (IsDigit(ch)) {
      std::string digits(1, ch);
      while (!AtEnd() && IsDigit(PeekChar())) digits += ReadChar();
      AddLexem(lcInteger, digits, line, column);
    } else if (ch == ',' || ch == '}') {
      AddLexem(lcSpecial, std::string(1, ch), line, column);
      if (ch == '}') return;
    } else {
      AddError(line, column, Message(cxMsgRegExprIllegalSymbol, std::string(1, ch)));
    }
  }
}

// The "[" has been read. A "]" ends the set, even first (the empty set is
// refused later); a "^" first negates it; a "-" first, or just before the
// closing "]", is an ordinary character.
void TcxRegExpr::ReadBrackets() {
  bool first = true;
  for (;;) {
    SkipBlanks();
    if (AtEnd()) return AddError(FCurrentLine, FCurrentChar + 1, Message(cxMsgRegExprMissing, "]"));
    const char ch = ReadChar();
    const int line = FCurrentLine;
    const int column = FCurrentChar;
    if (ch == ']') return AddLexem(lcSpecial, "]", line, column);
    if (first && ch == '^' && FLexems.back().IsSpecial('[')) {
      AddLexem(lcSpecial, "^", line, column);
      continue;
    }
    if (!first && ch == '-' && !NextNonBlankIs(']')) {
      AddLexem(lcSpecial, "-", line, column);
    } else {
      ReadBracketChar(ch, line, column);
    }
    first = false;
  }
}

void TcxRegExpr::ReadBracketChar(char Ch, int Line, int Char) {
  switch (Ch) {
    case '\\': return ReadEscape();
    case '\'': return ReadQuotedString();
    case '/': return AddLexem(lcDateSeparator, "/", Line, Char);
    case ':': return AddLexem(lcTimeSeparator, ":", Line, Char);
    default: return AddLexem(lcSymbol, std::string(1, Ch), Line, Char);
  }
}
