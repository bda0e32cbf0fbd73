#pragma once
// The regular-expression engine of the expression masks. It compiles an
// expression into an automaton of character positions and then follows the
// user's typing one character at a time: Next takes a character or refuses
// it, Prev steps back, IsFinal tells whether the text so far is complete. In
// completing mode it types itself the literal characters that are the only
// way on, and takes them back with the character before them. Compiling
// collects every error with its line and column before it raises.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/base/cxEditErrors.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Streams.h"

class TcxRegExprAutomat;
class TcxRegExprParserAlt;
class TcxRegExprParserAlts;
class TcxRegExprParserBlockItem;
class TcxRegExprParserItem;
class TcxRegExprItem;

class TcxRegExprError {
 public:
  TcxRegExprError(int Line, int Char, std::string Text) : FChar(Char), FLine(Line), FText(std::move(Text)) {}
  int Char() const { return FChar; }
  int Line() const { return FLine; }
  const std::string& Text() const { return FText; }
  // "Line2, Char5: text"; the text alone when the error has no line.
  std::string FullText() const;

 private:
  int FChar;
  int FLine;
  std::string FText;
};

class TcxRegExprErrors {
 public:
  void Add(const TcxRegExprError& Error) { FItems.push_back(Error); }
  void Clear() { FItems.clear(); }
  int Count() const { return static_cast<int>(FItems.size()); }
  const TcxRegExprError& Items(int Index) const { return FItems[Index]; }

 private:
  std::vector<TcxRegExprError> FItems;
};

// A failed compilation. It carries its own copy of the errors, since the
// engine that reported them may be gone before the exception is handled.
class EcxRegExprError : public EcxEditError {
 public:
  explicit EcxRegExprError(const TcxRegExprErrors& Errors) : EcxEditError(""), FErrors(Errors) {}
  const TcxRegExprErrors& Errors() const { return FErrors; }

 private:
  TcxRegExprErrors FErrors;
};

enum TcxLexemCode {
  lcSymbol = 0,
  lcSpecial = 1,
  lcInteger = 2,
  lcAll = 3,
  lcIdLetter = 4,
  lcNotIdLetter = 5,
  lcDigit = 6,
  lcNotDigit = 7,
  lcSpace = 8,
  lcNotSpace = 9,
  lcReference = 10,
  lcDateSeparator = 11,
  lcTimeSeparator = 12
};

struct TcxLexem {
  int Char;
  int Code;
  int Line;
  std::string Text;

  bool IsSpecial(char Ch) const { return Code == lcSpecial && Text[0] == Ch; }
};
using TcxLexems = std::vector<TcxLexem>;

class TcxRegExpr {
 public:
  // The bounds that keep a short expression from taking all memory, stack
  // or time: numbers in braces, character positions, nested groups (those
  // that quantifiers and copies make count as much as parentheses).
  static constexpr int MaxCount = 255;
  static constexpr int MaxPositions = 65536;
  // Copies (back-references, counted repeats) copy a group's nesting along
  // with its positions: what they make in all is bounded too.
  static constexpr int MaxCopiedItems = 4 * MaxPositions;
  static constexpr int MaxNesting = 256;

  TcxRegExpr();
  ~TcxRegExpr();

  // Raises EcxRegExprError with every error found.
  void Compile(TStream* Stream);
  void Clear();
  bool IsCompiled() const { return FCompiled; }
  // The character positions the expression was compiled into: what a
  // matching step may have to visit.
  int PositionCount() const { return FPositionCount; }
  // The expression's text when compiled, else nullptr.
  TStream* GetStream();
  const TcxRegExprErrors& Errors() const { return FErrors; }

  bool CaseInsensitive() const { return FCaseInsensitive; }
  void SetCaseInsensitive(bool Value) { FCaseInsensitive = Value; }
  bool UpdateOnNext() const { return FUpdateOnNext; }
  void SetUpdateOnNext(bool Value);
  void SetOnAddChar(std::function<void(char)> Handler) { FOnAddChar = std::move(Handler); }
  void SetOnDeleteChar(std::function<void()> Handler) { FOnDeleteChar = std::move(Handler); }

  // The matching operations raise EcxEditError before a successful Compile.
  bool Next(char& Ch);
  // Offers each character in turn, without completion; Accepted gets those
  // taken, as typed.
  void NextText(const std::string& Text, std::string& Accepted);
  bool Prev();
  void Reset();
  bool IsFinal();
  bool IsStart();

 private:
  // Compilation.
  // A message text with its "%s" filled in.
  static std::string Message(const TResStringRec& Resource, const std::string& Argument = "");
  void AddError(int Line, int Char, const std::string& Text);
  void AddError(const TcxLexem& Lexem, const std::string& Text);
  [[noreturn]] void RaiseErrors();
  bool SourceIsBlank() const;
  void CheckCompiled() const;
  void Complete();

  // Lexical analysis (cxRegExprLexer.cpp).
  bool AtEnd() const;
  char ReadChar();
  char PeekChar() const;
  void AddLexem(int Code, const std::string& Text, int Line, int Char);
  void SkipBlanks();
  void LexicalAnalysis();
  void ReadEscape();
  void ReadHexChar(int Line, int Char);
  void ReadQuotedString();
  void ReadParameterQuantifier();
  void ReadBrackets();
  void ReadBracketChar(char Ch, int Line, int Char);
  bool NextNonBlankIs(char Ch) const;

  // Syntax analysis (cxRegExprParser.cpp).
  bool ParseEnd() const { return FLexemIndex >= static_cast<int>(FLexems.size()); }
  const TcxLexem& Lexem() const { return FLexems[FLexemIndex]; }
  void SyntaxAnalysis();
  void AddParseError(const std::string& Text);
  void ParseAlternatives(TcxRegExprParserAlts& Alts, int Depth);
  void ParseAlternative(TcxRegExprParserAlt& Alt, int Depth);
  void ParseItem(TcxRegExprParserAlt& Alt, int Depth);
  void ParseGroup(TcxRegExprParserAlt& Alt, int Depth);
  void SkipGroup();
  void ParseReference(TcxRegExprParserAlt& Alt, int Depth);
  void ParseSet(TcxRegExprParserAlt& Alt);
  std::unique_ptr<TcxRegExprItem> ParseSetElement();
  void ApplyQuantifier(TcxRegExprParserAlt& Alt, int Depth);
  void ApplyParameterQuantifier(TcxRegExprParserAlt& Alt, int Depth);
  bool ReadParameterBounds(int& Min, int& Max);
  void SkipToBraceEnd();
  void ExpandParameterQuantifier(TcxRegExprParserAlt& Alt, int Min, int Max);
  // Counts that many copies of the item if they stay within the bounds.
  bool CountCopies(const TcxRegExprParserItem& Item, int Copies);
  void AddPosition(TcxRegExprParserAlt& Alt, std::unique_ptr<TcxRegExprItem> Item);

  std::unique_ptr<TcxRegExprAutomat> FAutomat;
  std::vector<TcxRegExprParserBlockItem*> FBlocks;
  std::vector<bool> FBlockClosed;
  // Groups that a "{0}" removed from the expression: a back-reference may
  // still copy them.
  std::vector<std::unique_ptr<TcxRegExprParserItem>> FRemovedBlocks;
  int FCurrentChar = 0;
  bool FCaseInsensitive = false;
  bool FCompiled = false;
  TcxRegExprErrors FErrors;
  bool FFirstCompile = true;
  int FStreamPosition = 0;
  int FLexemIndex = 0;
  TcxLexems FLexems;
  int FCurrentLine = 1;
  int FPositionCount = 0;
  int FCopiedItemCount = 0;
  std::function<void()> FOnDeleteChar;
  std::function<void(char)> FOnAddChar;
  TMemoryStream FSource;
  bool FUpdateOnNext = false;
};
