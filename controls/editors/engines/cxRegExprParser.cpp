// Syntax analysis: the lexems become the parse tree of alternatives, groups
// and quantified items, which then links into the automaton. Errors are
// recorded with the offending lexem's position and parsing goes on.
#include <cstdint>

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/engines/cxRegExpr.h"
#include "controls/editors/engines/cxRegExprAutomat.h"

namespace {

std::unique_ptr<TcxRegExprItem> ClassItem(const TcxLexem& lexem) {
  switch (lexem.Code) {
    case lcAll: return std::make_unique<TcxRegExprAll>();
    case lcIdLetter: return std::make_unique<TcxRegExprIdLetter>(false);
    case lcNotIdLetter: return std::make_unique<TcxRegExprIdLetter>(true);
    case lcDigit: return std::make_unique<TcxRegExprDigit>(false);
    case lcNotDigit: return std::make_unique<TcxRegExprDigit>(true);
    case lcSpace: return std::make_unique<TcxRegExprSpace>(false);
    case lcNotSpace: return std::make_unique<TcxRegExprSpace>(true);
    case lcDateSeparator: return std::make_unique<TcxRegExprDateSeparator>();
    case lcTimeSeparator: return std::make_unique<TcxRegExprTimeSeparator>();
    default: return std::make_unique<TcxRegExprSymbol>(lexem.Text[0]);
  }
}

// Inside a set a back-reference lexem is the digit it was written with.
bool IsSingleCharacter(const TcxLexem& lexem) { return lexem.Code == lcSymbol || lexem.Code == lcReference; }

std::unique_ptr<TcxRegExprQuantifier> QuantifierFor(char symbol) {
  switch (symbol) {
    case '?': return std::make_unique<TcxRegExprQuestionQuantifier>();
    case '*': return std::make_unique<TcxRegExprStarQuantifier>();
    default: return std::make_unique<TcxRegExprPlusQuantifier>();
  }
}

std::unique_ptr<TcxRegExprParserItem> InGroup(std::unique_ptr<TcxRegExprParserItem> item) {
  auto group = std::make_unique<TcxRegExprParserBlockItem>();
  group->Alts().Add().Add(std::move(item));
  return group;
}

// An item that has a quantifier of its own keeps it inside a new group,
// which takes the new one: 'a+?' is '(a+)?'.
bool WrapsForQuantifier(const TcxRegExprParserItem& item) { return !item.IsSimpleQuantifier(); }

int QuantifiedHeight(const TcxRegExprParserItem& item) { return item.Height() + (WrapsForQuantifier(item) ? 1 : 0); }

std::unique_ptr<TcxRegExprParserItem> Quantified(std::unique_ptr<TcxRegExprParserItem> item,
                                                 std::unique_ptr<TcxRegExprQuantifier> quantifier) {
  if (WrapsForQuantifier(*item)) item = InGroup(std::move(item));
  item->SetQuantifier(std::move(quantifier));
  return item;
}

// How deep, at most, the expansion of x{n,m} nests x: one group around the
// copies, the optional copies one in another, and a copy that takes a
// quantifier of its own in a group.
int ExpandedHeightBound(const TcxRegExprParserItem& item, int min, int max) {
  const int optionalLevels = max < 0 ? 1 : max - min;
  return item.Height() + 1 + optionalLevels;
}

}  // namespace

void TcxRegExpr::SyntaxAnalysis() {
  auto alts = std::make_unique<TcxRegExprParserAlts>();
  ParseAlternatives(*alts, 0);
  if (FErrors.Count() > 0) {
    FBlocks.clear();
    FBlockClosed.clear();
    FRemovedBlocks.clear();
    return;
  }
  FAutomat = std::make_unique<TcxRegExprAutomat>(std::move(alts));
}

// At the lexem where parsing stands; past the end, at the last one. An
// expression of nothing but empty quotes has none.
void TcxRegExpr::AddParseError(const std::string& Text) {
  if (!ParseEnd()) return AddError(Lexem(), Text);
  if (FLexems.empty()) return AddError(0, 0, Text);
  AddError(FLexems.back(), Text);
}

void TcxRegExpr::ParseAlternatives(TcxRegExprParserAlts& Alts, int Depth) {
  ParseAlternative(Alts.Add(), Depth);
  while (!ParseEnd() && Lexem().IsSpecial('|')) {
    ++FLexemIndex;
    ParseAlternative(Alts.Add(), Depth);
  }
}

// Reads items up to the end, a "|", or the ")" of the enclosing group.
void TcxRegExpr::ParseAlternative(TcxRegExprParserAlt& Alt, int Depth) {
  if (ParseEnd() || Lexem().IsSpecial('|')) {
    return AddParseError(Message(cxMsgRegExprEmptyAlternative));
  }
  if (Depth > 0 && Lexem().IsSpecial(')')) return AddError(Lexem(), Message(cxMsgRegExprEmptyBlock));
  while (!ParseEnd() && !Lexem().IsSpecial('|')) {
    if (Lexem().IsSpecial(')')) {
      if (Depth > 0) return;
      AddError(Lexem(), Message(cxMsgRegExprIllegalSymbol, ")"));
      ++FLexemIndex;
      continue;
    }
    ParseItem(Alt, Depth);
  }
}

void TcxRegExpr::ParseItem(TcxRegExprParserAlt& Alt, int Depth) {
  const TcxLexem& lexem = Lexem();
  if (lexem.Code == lcInteger) {
    AddError(lexem, Message(cxMsgRegExprIllegalInteger));
    ++FLexemIndex;
    return;
  }
  if (lexem.Code == lcReference) return ParseReference(Alt, Depth);
  if (lexem.Code != lcSpecial) {
    AddPosition(Alt, ClassItem(lexem));
    ++FLexemIndex;
    return;
  }
  switch (lexem.Text[0]) {
    case '(': return ParseGroup(Alt, Depth);
    case '[': return ParseSet(Alt);
    case '?':
    case '*':
    case '+': return ApplyQuantifier(Alt, Depth);
    case '{': return ApplyParameterQuantifier(Alt, Depth);
    case ',': ++FLexemIndex; return;
    default: AddError(lexem, Message(cxMsgRegExprIllegalSymbol, lexem.Text)); ++FLexemIndex;
  }
}

void TcxRegExpr::AddPosition(TcxRegExprParserAlt& Alt, std::unique_ptr<TcxRegExprItem> Item) {
  ++FPositionCount;
  Alt.Add(std::make_unique<TcxRegExprParserSimpleItem>(std::make_unique<TcxRegExprSimpleState>(std::move(Item))));
}

void TcxRegExpr::ParseGroup(TcxRegExprParserAlt& Alt, int Depth) {
  const TcxLexem& open = Lexem();
  ++FLexemIndex;
  if (Depth >= MaxNesting) {
    AddError(open, Message(cxMsgRegExprIllegalSymbol, "("));
    return SkipGroup();
  }
  auto group = std::make_unique<TcxRegExprParserBlockItem>();
  const size_t number = FBlocks.size();
  FBlocks.push_back(group.get());
  FBlockClosed.push_back(false);
  ParseAlternatives(group->Alts(), Depth + 1);
  if (ParseEnd()) {
    AddError(0, 0, Message(cxMsgRegExprMissing, ")"));
  } else {
    ++FLexemIndex;
  }
  FBlockClosed[number] = true;
  Alt.Add(std::move(group));
}

// Passes over a group that is not parsed, up to its ")".
void TcxRegExpr::SkipGroup() {
  for (int open = 1; !ParseEnd() && open > 0; ++FLexemIndex) {
    if (Lexem().IsSpecial('(')) ++open;
    if (Lexem().IsSpecial(')')) --open;
  }
}

// A back-reference copies the group's pattern. Only a closed group can be
// copied: a group that is still open is not whole yet. The copy nests as
// deep as the group, from where the reference stands.
void TcxRegExpr::ParseReference(TcxRegExprParserAlt& Alt, int Depth) {
  const TcxLexem& lexem = Lexem();
  ++FLexemIndex;
  const size_t number = static_cast<size_t>(lexem.Text[0] - '0');
  if (number > FBlocks.size() || !FBlockClosed[number - 1]) {
    return AddError(lexem, Message(cxMsgRegExprReferenceTooBig));
  }
  const TcxRegExprParserBlockItem& group = *FBlocks[number - 1];
  if (Depth + group.Height() > MaxNesting || !CountCopies(group, 1)) {
    return AddError(lexem, Message(cxMsgRegExprIllegalSymbol, "\\" + lexem.Text));
  }
  Alt.Add(group.Clone());
}

void TcxRegExpr::ParseSet(TcxRegExprParserAlt& Alt) {
  const TcxLexem& open = Lexem();
  ++FLexemIndex;
  const bool negative = !ParseEnd() && Lexem().IsSpecial('^');
  if (negative) ++FLexemIndex;
  if (ParseEnd() || Lexem().IsSpecial(']')) {
    AddError(open, Message(cxMsgRegExprEmptyEnumeration));
    if (!ParseEnd()) ++FLexemIndex;
    return;
  }
  auto set = std::make_unique<TcxRegExprUserEnumeration>(negative);
  while (!ParseEnd() && !Lexem().IsSpecial(']')) {
    if (auto member = ParseSetElement()) set->Add(std::move(member));
  }
  if (!ParseEnd()) ++FLexemIndex;
  AddPosition(Alt, std::move(set));
}

// One member of a set: a character, a class, a separator, or a subrange of
// two characters. A class or a separator has no single character code, so it
// cannot end a subrange.
std::unique_ptr<TcxRegExprItem> TcxRegExpr::ParseSetElement() {
  const TcxLexem& first = Lexem();
  ++FLexemIndex;
  if (first.IsSpecial('-')) {
    AddError(first, Message(cxMsgRegExprIllegalSymbol, "-"));
    return nullptr;
  }
  if (ParseEnd() || !Lexem().IsSpecial('-')) {
    return IsSingleCharacter(first) ? std::make_unique<TcxRegExprSymbol>(first.Text[0]) : ClassItem(first);
  }
  const TcxLexem& dash = Lexem();
  ++FLexemIndex;
  if (ParseEnd() || Lexem().IsSpecial(']')) {
    AddError(dash, Message(cxMsgRegExprIllegalSymbol, "-"));
    return nullptr;
  }
  const TcxLexem& last = Lexem();
  ++FLexemIndex;
  if (!IsSingleCharacter(first) || !IsSingleCharacter(last)) {
    AddError(dash, Message(cxMsgRegExprIllegalSymbol, "-"));
    return nullptr;
  }
  if (static_cast<unsigned char>(first.Text[0]) >= static_cast<unsigned char>(last.Text[0])) {
    AddError(first, Message(cxMsgRegExprSubrangeOrder));
    return nullptr;
  }
  return std::make_unique<TcxRegExprSubrange>(first.Text[0], last.Text[0]);
}

void TcxRegExpr::ApplyQuantifier(TcxRegExprParserAlt& Alt, int Depth) {
  const TcxLexem& lexem = Lexem();
  ++FLexemIndex;
  const char symbol = lexem.Text[0];
  if (Alt.IsEmpty()) return AddError(lexem, Message(cxMsgRegExprIllegalQuantifier, lexem.Text));
  if (symbol != '?' && Alt.Last().CanMissing()) {
    return AddError(lexem, Message(symbol == '*' ? cxMsgRegExprStarNotHere : cxMsgRegExprPlusNotHere));
  }
  if (Depth + QuantifiedHeight(Alt.Last()) > MaxNesting) {
    return AddError(lexem, Message(cxMsgRegExprIllegalSymbol, lexem.Text));
  }
  Alt.Add(Quantified(Alt.TakeLast(), QuantifierFor(symbol)));
}

void TcxRegExpr::ApplyParameterQuantifier(TcxRegExprParserAlt& Alt, int Depth) {
  const TcxLexem& open = Lexem();
  ++FLexemIndex;
  int min = 0;
  int max = 0;
  if (Alt.IsEmpty()) {
    AddError(open, Message(cxMsgRegExprIncorrectParameterQuantifier));
    return SkipToBraceEnd();
  }
  if (!ReadParameterBounds(min, max)) return SkipToBraceEnd();
  if (Alt.Last().CanMissing()) return AddError(open, Message(cxMsgRegExprParameterQuantifierNotHere));
  const int copies = max < 0 ? min + 1 : max;
  const int height = Depth + ExpandedHeightBound(Alt.Last(), min, max);
  if (height > MaxNesting || !CountCopies(Alt.Last(), copies - 1)) {
    return AddError(open, Message(cxMsgRegExprIllegalSymbol, "{"));
  }
  ExpandParameterQuantifier(Alt, min, max);
}

// Reads "n}", "n,}" or "n,m}" after the "{"; an unbounded m is -1. On a
// malformed quantifier it records the error and leaves the "}" unread.
bool TcxRegExpr::ReadParameterBounds(int& Min, int& Max) {
  bool illegalInteger = false;
  const auto readNumber = [&](int& value) {
    if (ParseEnd() || Lexem().Code != lcInteger) return false;
    const std::string& digits = Lexem().Text;
    value = digits.size() <= 3 ? std::stoi(digits) : MaxCount + 1;
    if (value > MaxCount) {
      AddError(Lexem(), Message(cxMsgRegExprIllegalInteger));
      illegalInteger = true;
      return false;
    }
    ++FLexemIndex;
    return true;
  };
  const auto readSpecial = [&](char symbol) {
    if (ParseEnd() || !Lexem().IsSpecial(symbol)) return false;
    ++FLexemIndex;
    return true;
  };
  if (readNumber(Min)) {
    if (readSpecial('}')) {
      Max = Min;
      return true;
    }
    if (readSpecial(',')) {
      Max = -1;
      if (readSpecial('}')) return true;
      if (readNumber(Max) && Max >= Min && readSpecial('}')) return true;
    }
  }
  if (!illegalInteger) {
    AddParseError(Message(cxMsgRegExprIncorrectParameterQuantifier));
  }
  return false;
}

void TcxRegExpr::SkipToBraceEnd() {
  while (!ParseEnd() && !Lexem().IsSpecial('}')) ++FLexemIndex;
  if (!ParseEnd()) ++FLexemIndex;
}

// x{n,m} becomes a group of n copies of x followed by optional ones nested
// from the inside out, so that x{2,4} is 'xx(x(x)?)?'; x{n,} ends in 'x*'.
// The first copy is x itself, which a back-reference may name; it keeps the
// quantifier written after it, so 'x{0,}' wraps it as '(x)*' and the
// reference still copies x.
bool TcxRegExpr::CountCopies(const TcxRegExprParserItem& Item, int Copies) {
  const int64_t positions = int64_t{Copies} * Item.PositionCount();
  const int64_t items = int64_t{Copies} * Item.ItemCount();
  if (FPositionCount + positions > MaxPositions || FCopiedItemCount + items > MaxCopiedItems) return false;
  FPositionCount += static_cast<int>(positions);
  FCopiedItemCount += static_cast<int>(items);
  return true;
}

void TcxRegExpr::ExpandParameterQuantifier(TcxRegExprParserAlt& Alt, int Min, int Max) {
  std::vector<std::unique_ptr<TcxRegExprParserItem>> copies;
  copies.push_back(Alt.TakeLast());
  const int count = Max < 0 ? Min + 1 : Max;
  for (int i = 1; i < count; ++i) copies.push_back(copies[0]->Clone());
  if (count == 0) {
    FRemovedBlocks.push_back(std::move(copies[0]));
    copies.clear();
  }
  const auto quantifiedCopy = [&copies](int index, std::unique_ptr<TcxRegExprQuantifier> quantifier) {
    auto copy = index == 0 ? InGroup(std::move(copies[0])) : std::move(copies[index]);
    return Quantified(std::move(copy), std::move(quantifier));
  };
  auto group = std::make_unique<TcxRegExprParserBlockItem>();
  TcxRegExprParserAlt& sequence = group->Alts().Add();
  for (int i = 0; i < Min; ++i) sequence.Add(std::move(copies[i]));
  if (Max < 0) {
    sequence.Add(quantifiedCopy(Min, std::make_unique<TcxRegExprStarQuantifier>()));
  } else if (Max > Min) {
    auto tail = quantifiedCopy(Max - 1, std::make_unique<TcxRegExprQuestionQuantifier>());
    for (int i = Max - 2; i >= Min; --i) {
      auto optional = std::make_unique<TcxRegExprParserBlockItem>();
      TcxRegExprParserAlt& inner = optional->Alts().Add();
      inner.Add(std::move(copies[i]));
      inner.Add(std::move(tail));
      optional->SetQuantifier(std::make_unique<TcxRegExprQuestionQuantifier>());
      tail = std::move(optional);
    }
    sequence.Add(std::move(tail));
  }
  Alt.Add(std::move(group));
}
