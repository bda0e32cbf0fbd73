// The engine against PCRE2 on random expressions. A seeded generator builds
// expression trees and writes each in the engine's syntax (with random
// blanks, quotes, escapes and back-references) and in PCRE2's. Then for
// every typed prefix the engine's answer must be PCRE2's: Next accepts
// exactly when the text can still become a match, IsFinal exactly when it is
// one, and in completing mode a character is typed exactly when the text is
// incomplete and one byte alone keeps it viable.
#define PCRE2_CODE_UNIT_WIDTH 8
#include <gtest/gtest.h>
#include <pcre2.h>

#include <algorithm>
#include <bitset>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "controls/editors/engines/cxRegExpr.h"
#include "tests/support/TestLocale.h"

namespace {

using TBytes = std::bitset<256>;

constexpr char kDateSeparator = '.';
constexpr char kTimeSeparator = ';';
constexpr char kDecimalSeparator = ',';
// Bytes the generator draws literals from: letters of both cases (accented
// ones too), digits, characters the syntax gives a meaning, blanks.
const std::string kLiteralBytes = "aAbBzZ01.;,:/-]^'\\|() \t\xe0\xc0\xff";

struct TQuantifier {
  char Kind;  // '?', '*', '+' or '{'
  int Min = 0;
  int Max = 0;  // -1: unbounded
};

struct TNode;
using TAlt = std::vector<TNode>;

struct TNode {
  enum TKind { Atom, Group, Reference } Kind = Atom;
  std::string Source;                   // the atom as the engine reads it
  TBytes Accepts;                       // the atom's bytes, under the case mode
  std::vector<TAlt> Alts;               // a group's alternatives
  int Number = 0;                       // a group's number, or the group a reference copies
  std::shared_ptr<const TNode> Target;  // the group a reference copies, as it was closed
  std::vector<TQuantifier> Quantifiers;
};

std::string Hex(unsigned code) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x", code);
  return text;
}

class TGenerator {
 public:
  TGenerator(std::mt19937& random, bool caseInsensitive, bool setsOfTwo)
      : FRandom(random), FCaseInsensitive(caseInsensitive), FSetsOfTwo(setsOfTwo) {}

  std::vector<TAlt> Expression() { return Alternatives(0); }

 private:
  int Below(int n) { return static_cast<int>(FRandom() % static_cast<unsigned>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }

  std::vector<TAlt> Alternatives(int depth) {
    std::vector<TAlt> alts(1 + (Chance(30) ? Below(3) : 0));
    for (TAlt& alt : alts) {
      const int items = 1 + Below(depth == 0 ? 5 : 3);
      for (int i = 0; i < items; ++i) alt.push_back(Item(depth));
    }
    return alts;
  }

  TNode Item(int depth) {
    TNode node;
    const int choice = Below(100);
    if (choice < 15 && depth < 3) {
      node.Kind = TNode::Group;
      node.Number = static_cast<int>(FGroups.size()) + 1;
      FGroups.push_back(nullptr);
      node.Alts = Alternatives(depth + 1);
      AddQuantifiers(node);
      FGroups[node.Number - 1] = std::make_shared<TNode>(node);
      return node;
    } else if (choice < 20 && HasClosedGroup()) {
      node.Kind = TNode::Reference;
      do {
        node.Number = 1 + Below(static_cast<int>(std::min<size_t>(FGroups.size(), 9)));
      } while (!FGroups[node.Number - 1]);
      node.Target = FGroups[node.Number - 1];
    } else if (choice < 35) {
      node = SetAtom();
    } else if (choice < 45) {
      node = ClassAtom();
    } else {
      node = LiteralAtom();
    }
    AddQuantifiers(node);
    return node;
  }

  TBytes Folded(unsigned char ch) {
    TBytes bytes;
    bytes.set(ch);
    if (!FCaseInsensitive) return bytes;
    for (unsigned b = 0; b < 256; ++b) {
      const TLocale& locale = CurrentLocale();
      if (locale.UpperCase(static_cast<char>(b)) == locale.UpperCase(static_cast<char>(ch))) bytes.set(b);
    }
    return bytes;
  }

  // A literal, written plainly, quoted, as a hexadecimal escape or escaped.
  TNode LiteralAtom() {
    const auto ch = static_cast<unsigned char>(kLiteralBytes[Below(static_cast<int>(kLiteralBytes.size()))]);
    TNode node;
    node.Accepts = Folded(ch);
    const bool plain = std::isalnum(ch) || ch == ',' || ch == ';' || ch == '-' || ch == ']' || ch == '^' || ch >= 0x80;
    const int style = Below(4);
    if (style == 0 && plain) {
      node.Source = std::string(1, static_cast<char>(ch));
    } else if (style == 1) {
      node.Source = ch == '\'' ? "''''" : "'" + std::string(1, static_cast<char>(ch)) + "'";
    } else if (style == 2 && !std::isalnum(ch) && ch != ' ' && ch != '\t') {
      node.Source = "\\" + std::string(1, static_cast<char>(ch));
    } else {
      node.Source = "\\x" + Hex(ch);
    }
    return node;
  }

  TNode ClassAtom() {
    TNode node;
    switch (Below(9)) {
      case 0:
        node.Source = ".";
        node.Accepts.set();
        break;
      case 1:
        node.Source = "/";
        node.Accepts.set(static_cast<unsigned char>(kDateSeparator));
        break;
      case 2:
        node.Source = ":";
        node.Accepts.set(static_cast<unsigned char>(kTimeSeparator));
        break;
      case 3:
        node.Source = "\\p";
        node.Accepts = Folded(kDecimalSeparator);
        break;
      default: {
        static const char kClasses[] = "dDwWsS";
        const char name = kClasses[Below(6)];
        node.Source = std::string("\\") + name;
        node.Accepts = ClassBytes(name);
      }
    }
    return node;
  }

  static TBytes ClassBytes(char name) {
    TBytes bytes;
    const char lower = static_cast<char>(std::tolower(name));
    for (unsigned b = 0; b < 256; ++b) {
      const bool digit = b >= '0' && b <= '9';
      const bool letter = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || digit || b == '_';
      const bool blank = b == ' ' || b == 0 || b == '\t' || b == '\n' || b == '\f' || b == '\r';
      bytes[b] = lower == 'd' ? digit : lower == 'w' ? letter : blank;
    }
    return name == lower ? bytes : ~bytes;
  }

  // A set member's character: plain when the bracket syntax leaves it alone.
  std::string SetChar(unsigned char ch) {
    return std::isalnum(ch) ? std::string(1, static_cast<char>(ch)) : "\\x" + Hex(ch);
  }

  TNode SetAtom() {
    for (;;) {
      TNode node;
      const bool negative = Chance(20);
      node.Source = negative ? "[^" : "[";
      const int members = 1 + Below(3);
      for (int i = 0; i < members; ++i) {
        node.Source += Chance(30) ? " " : "";
        const int kind = Below(10);
        if (kind < 4) {
          const auto ch = static_cast<unsigned char>(kLiteralBytes[Below(static_cast<int>(kLiteralBytes.size()))]);
          node.Source += SetChar(ch);
          node.Accepts |= Folded(ch);
        } else if (kind < 7) {
          const unsigned low = 32 + Below(200);
          const unsigned high = std::min(255u, low + 1 + Below(30));
          node.Source += SetChar(static_cast<unsigned char>(low)) + "-" + SetChar(static_cast<unsigned char>(high));
          for (unsigned b = low; b <= high; ++b) node.Accepts.set(b);
        } else if (kind < 9) {
          static const char kClasses[] = "dDwWsS";
          const char name = kClasses[Below(6)];
          node.Source += std::string("\\") + name;
          node.Accepts |= ClassBytes(name);
        } else {
          node.Source += Chance(50) ? "/" : ":";
          node.Accepts.set(static_cast<unsigned char>(node.Source.back() == '/' ? kDateSeparator : kTimeSeparator));
        }
      }
      node.Source += "]";
      if (negative) node.Accepts = ~node.Accepts;
      if (node.Accepts.count() >= (FSetsOfTwo ? 2u : 1u)) return node;
    }
  }

  bool CanMissing(const TNode& node, size_t quantifiers) const {
    for (size_t i = quantifiers; i-- > 0;) {
      const TQuantifier& q = node.Quantifiers[i];
      if (q.Kind == '?' || q.Kind == '*' || (q.Kind == '{' && q.Min == 0)) return true;
      if (q.Kind == '{' || q.Kind == '+') return false;
    }
    if (node.Kind == TNode::Atom) return false;
    if (node.Kind == TNode::Reference) return CanMissingGroup(*node.Target);
    return AnyAltCanMissing(node.Alts);
  }

  // A copied group keeps its first quantifier when that is ?, * or +.
  bool CanMissingGroup(const TNode& group) const {
    if (!group.Quantifiers.empty() && group.Quantifiers[0].Kind != '{') return CanMissing(group, 1);
    return AnyAltCanMissing(group.Alts);
  }

  bool AnyAltCanMissing(const std::vector<TAlt>& alts) const {
    for (const TAlt& alt : alts) {
      bool all = true;
      for (const TNode& item : alt) all = all && CanMissing(item, item.Quantifiers.size());
      if (all) return true;
    }
    return false;
  }

  void AddQuantifiers(TNode& node) {
    while (node.Quantifiers.size() < 2 && Chance(node.Quantifiers.empty() ? 40 : 15)) {
      TQuantifier q{"?*+{"[Below(4)]};
      if (q.Kind == '{') {
        q.Min = Below(3);
        q.Max = Chance(25) ? -1 : q.Min + Below(3);
      }
      if (q.Kind != '?' && CanMissing(node, node.Quantifiers.size())) q = {'?'};
      node.Quantifiers.push_back(q);
    }
  }

  // Only a closed group among the first nine can be named by "\1" to "\9".
  bool HasClosedGroup() const {
    for (size_t i = 0; i < FGroups.size() && i < 9; ++i) {
      if (FGroups[i]) return true;
    }
    return false;
  }

  std::mt19937& FRandom;
  bool FCaseInsensitive;
  bool FSetsOfTwo;
  // Each group by number, copied once closed with its quantifiers; nullptr
  // while it is open.
  std::vector<std::shared_ptr<const TNode>> FGroups;
};

std::string QuantifierText(const TQuantifier& q, std::mt19937& random) {
  if (q.Kind != '{') return std::string(1, q.Kind);
  const std::string blank = random() % 4 == 0 ? " " : "";
  std::string text = "{" + blank + std::to_string(q.Min);
  if (q.Max != q.Min) text += blank + "," + blank + (q.Max < 0 ? "" : std::to_string(q.Max));
  return text + blank + "}";
}

std::string PcreQuantifierText(const TQuantifier& q) {
  if (q.Kind != '{') return std::string(1, q.Kind);
  if (q.Max == q.Min) return "{" + std::to_string(q.Min) + "}";
  return "{" + std::to_string(q.Min) + "," + (q.Max < 0 ? "" : std::to_string(q.Max)) + "}";
}

// The engine's syntax, with blanks strewn between the items.
std::string Ours(const std::vector<TAlt>& alts, std::mt19937& random) {
  std::string text;
  for (size_t a = 0; a < alts.size(); ++a) {
    if (a > 0) text += "|";
    for (const TNode& node : alts[a]) {
      // Two quotes in a row would read as one quoted quote.
      const bool quotesMeet = !text.empty() && text.back() == '\'' && node.Source.starts_with("'");
      if (quotesMeet || random() % 5 == 0) text += " ";
      switch (node.Kind) {
        case TNode::Atom: text += node.Source; break;
        case TNode::Group: text += "(" + Ours(node.Alts, random) + ")"; break;
        case TNode::Reference: text += "\\" + std::to_string(node.Number); break;
      }
      for (const TQuantifier& q : node.Quantifiers) text += QuantifierText(q, random);
    }
  }
  return text;
}

std::string PcreClass(const TBytes& bytes) {
  if (bytes.none()) return "(?!)";
  std::string text = "[";
  for (unsigned b = 0; b < 256; ++b) {
    if (!bytes[b]) continue;
    unsigned last = b;
    while (last + 1 < 256 && bytes[last + 1]) ++last;
    text += "\\x{" + Hex(b) + "}" + (last > b ? "-\\x{" + Hex(last) + "}" : "");
    b = last;
  }
  return text + "]";
}

// A copied group keeps its first quantifier when that is ?, * or +.
bool KeepsOwnQuantifier(const TNode& group) { return !group.Quantifiers.empty() && group.Quantifiers[0].Kind != '{'; }

std::string Pcre(const std::vector<TAlt>& alts) {
  std::string text;
  for (size_t a = 0; a < alts.size(); ++a) {
    if (a > 0) text += "|";
    for (const TNode& node : alts[a]) {
      std::string item;
      switch (node.Kind) {
        case TNode::Atom: item = PcreClass(node.Accepts); break;
        case TNode::Group: item = "(?:" + Pcre(node.Alts) + ")"; break;
        case TNode::Reference:
          item = "(?:" + Pcre(node.Target->Alts) + ")";
          if (KeepsOwnQuantifier(*node.Target))
            item = "(?:" + item + ")" + PcreQuantifierText(node.Target->Quantifiers[0]);
          break;
      }
      for (const TQuantifier& q : node.Quantifiers) item = "(?:" + item + ")" + PcreQuantifierText(q);
      text += item;
    }
  }
  return text;
}

void SampleAlts(const std::vector<TAlt>& alts, std::mt19937& random, std::string& out);

// Appends a text that the node with its first `quantifiers` quantifiers matches.
void Sample(const TNode& node, size_t quantifiers, std::mt19937& random, std::string& out) {
  if (quantifiers > 0) {
    const TQuantifier& q = node.Quantifiers[quantifiers - 1];
    int count = 0;
    switch (q.Kind) {
      case '?': count = static_cast<int>(random() % 2); break;
      case '*': count = static_cast<int>(random() % 4); break;
      case '+': count = 1 + static_cast<int>(random() % 3); break;
      default: count = q.Min + static_cast<int>(random() % static_cast<unsigned>((q.Max < 0 ? 2 : q.Max - q.Min) + 1));
    }
    for (int i = 0; i < count; ++i) Sample(node, quantifiers - 1, random, out);
    return;
  }
  switch (node.Kind) {
    case TNode::Atom: {
      if (node.Accepts.none()) return;
      unsigned b = random() % 256;
      while (!node.Accepts[b]) b = (b + 1) % 256;
      out += static_cast<char>(b);
      return;
    }
    case TNode::Group: return SampleAlts(node.Alts, random, out);
    case TNode::Reference:
      if (KeepsOwnQuantifier(*node.Target)) return Sample(*node.Target, 1, random, out);
      return SampleAlts(node.Target->Alts, random, out);
  }
}

void SampleAlts(const std::vector<TAlt>& alts, std::mt19937& random, std::string& out) {
  for (const TNode& node : alts[random() % alts.size()]) Sample(node, node.Quantifiers.size(), random, out);
}

void CollectBytes(const std::vector<TAlt>& alts, TBytes& bytes) {
  for (const TAlt& alt : alts) {
    for (const TNode& node : alt) {
      if (node.Kind == TNode::Atom) bytes |= node.Accepts;
      if (node.Kind == TNode::Group) CollectBytes(node.Alts, bytes);
    }
  }
}

// PCRE2's answers on one pattern. Answers over its match limit are counted
// and left out of the comparison.
class TOracle {
 public:
  explicit TOracle(const std::string& pattern) {
    int error = 0;
    PCRE2_SIZE offset = 0;
    const std::string anchored = "\\A(?:" + pattern + ")\\z";
    FCode = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(anchored.c_str()), anchored.size(), 0, &error, &offset, nullptr);
    if (!FCode) return;
    // Compiled to machine code, PCRE2 gets through its backtracking on
    // nested repeats many times faster.
    pcre2_jit_compile(FCode, PCRE2_JIT_COMPLETE | PCRE2_JIT_PARTIAL_HARD);
    FData = pcre2_match_data_create_from_pattern(FCode, nullptr);
    FContext = pcre2_match_context_create(nullptr);
    pcre2_set_match_limit(FContext, 200000);
  }
  ~TOracle() {
    pcre2_match_context_free(FContext);
    pcre2_match_data_free(FData);
    pcre2_code_free(FCode);
  }
  bool Compiled() const { return FCode != nullptr; }

  std::optional<bool> Viable(const std::string& text) { return Match(text, PCRE2_PARTIAL_HARD); }
  std::optional<bool> Full(const std::string& text) { return Match(text, 0); }

  // The one byte that alone keeps an incomplete text viable; nullopt when
  // the text is complete or there is none or more than one; no answer when
  // the match limit left it open. Only bytes that some item accepts can be
  // viable.
  std::optional<std::optional<char>> Forced(const std::string& text, const TBytes& candidates) {
    const std::optional<bool> full = Full(text);
    if (!full) return std::nullopt;
    if (*full) return std::optional<char>();
    std::optional<char> forced;
    for (unsigned b = 0; b < 256; ++b) {
      if (!candidates[b]) continue;
      const std::optional<bool> viable = Viable(text + static_cast<char>(b));
      if (!viable) return std::nullopt;
      if (!*viable) continue;
      if (forced) return std::optional<char>();
      forced = static_cast<char>(b);
    }
    return forced;
  }

  static int OverLimit;

 private:
  std::optional<bool> Match(const std::string& text, uint32_t options) {
    const int rc =
        pcre2_match(FCode, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, options, FData, FContext);
    if (rc == PCRE2_ERROR_MATCHLIMIT || rc == PCRE2_ERROR_DEPTHLIMIT) {
      ++OverLimit;
      return std::nullopt;
    }
    return rc >= 0 || rc == PCRE2_ERROR_PARTIAL;
  }

  pcre2_code* FCode = nullptr;
  pcre2_match_data* FData = nullptr;
  pcre2_match_context* FContext = nullptr;
};

int TOracle::OverLimit = 0;

void CompileText(TcxRegExpr& expression, const std::string& pattern) {
  TMemoryStream stream;
  stream.WriteBuffer(pattern.data(), static_cast<int64_t>(pattern.size()));
  expression.Compile(&stream);
}

std::string Printable(const std::string& text) {
  std::string printable;
  for (const char ch : text) {
    const auto code = static_cast<unsigned char>(ch);
    printable += code >= 32 && code < 127 ? std::string(1, ch) : "\\x" + Hex(code);
  }
  return printable;
}

class cxRegExprDifferentialTest : public testing::Test {
 protected:
  TTestLocale Locale{kDateSeparator, kTimeSeparator, kDecimalSeparator};
  std::mt19937 Random{20261207};
  int Patterns = 0;

  struct TCase {
    std::vector<TAlt> Tree;
    std::string Ours;
    TBytes Bytes;
    std::unique_ptr<TOracle> Oracle;
  };

  TCase MakeCase(bool caseInsensitive, bool setsOfTwo) {
    TCase c;
    TGenerator generator(Random, caseInsensitive, setsOfTwo);
    c.Tree = generator.Expression();
    c.Ours = Ours(c.Tree, Random);
    CollectBytes(c.Tree, c.Bytes);
    c.Oracle = std::make_unique<TOracle>(Pcre(c.Tree));
    ++Patterns;
    return c;
  }

  char NextChar(const TCase& c, const std::string& sample, const std::string& typed) {
    if (typed.size() < sample.size() && Random() % 100 < 85) return sample[typed.size()];
    unsigned b = Random() % 256;
    if (Random() % 4 != 0) {
      while (!c.Bytes[b]) b = (b + 1) % 256;
    }
    return static_cast<char>(b);
  }

  void Type(TCase& c, bool caseInsensitive) {
    TcxRegExpr expression;
    expression.SetCaseInsensitive(caseInsensitive);
    ASSERT_NO_THROW(CompileText(expression, c.Ours)) << Printable(c.Ours);
    std::string sample;
    SampleAlts(c.Tree, Random, sample);
    std::string typed;
    for (size_t step = 0; step < sample.size() + 4; ++step) {
      SCOPED_TRACE("pattern '" + Printable(c.Ours) + "' typed '" + Printable(typed) + "'");
      const char ch = NextChar(c, sample, typed);
      const std::optional<bool> viable = c.Oracle->Viable(typed + ch);
      char offered = ch;
      const bool accepted = expression.Next(offered);
      if (viable) ASSERT_EQ(accepted, *viable) << "next '" << Printable(std::string(1, ch)) << "'";
      if (accepted) typed += ch;
      if (const auto full = c.Oracle->Full(typed)) ASSERT_EQ(expression.IsFinal(), *full);
      if (!typed.empty() && Random() % 10 == 0) {
        ASSERT_TRUE(expression.Prev());
        typed.pop_back();
        if (const auto full = c.Oracle->Full(typed)) ASSERT_EQ(expression.IsFinal(), *full);
      }
    }
  }

  // Each character completion added after `text` must be the one byte that
  // keeps it viable, and after them none may be forced.
  void CheckCompletion(TCase& c, std::string text, const std::string& added) {
    for (const char ch : added) {
      const auto forced = c.Oracle->Forced(text, c.Bytes);
      if (forced) ASSERT_EQ(*forced, std::optional<char>(ch)) << "after '" << Printable(text) << "'";
      text += ch;
    }
    const auto forced = c.Oracle->Forced(text, c.Bytes);
    if (forced) ASSERT_EQ(*forced, std::nullopt) << "after '" << Printable(text) << "'";
  }

  void TypeCompleting(TCase& c) {
    TcxRegExpr expression;
    std::string added;
    size_t deleted = 0;
    expression.SetOnAddChar([&](char ch) { added += ch; });
    expression.SetOnDeleteChar([&] { ++deleted; });
    expression.SetUpdateOnNext(true);
    ASSERT_NO_THROW(CompileText(expression, c.Ours)) << Printable(c.Ours);
    SCOPED_TRACE("pattern '" + Printable(c.Ours) + "'");
    ASSERT_NO_FATAL_FAILURE(CheckCompletion(c, "", added));
    std::string typed = added;
    std::string sample;
    SampleAlts(c.Tree, Random, sample);
    for (size_t step = 0; step < sample.size() + 4; ++step) {
      const char ch = NextChar(c, sample, typed);
      const std::optional<bool> viable = c.Oracle->Viable(typed + ch);
      added.clear();
      char offered = ch;
      const bool accepted = expression.Next(offered);
      if (viable) ASSERT_EQ(accepted, *viable) << "typed '" << Printable(typed) << "' next " << Printable({ch});
      if (accepted) {
        ASSERT_NO_FATAL_FAILURE(CheckCompletion(c, typed + ch, added));
        typed += ch + added;
      }
      if (!typed.empty() && Random() % 8 == 0) {
        deleted = 0;
        const bool stepped = expression.Prev();
        ASSERT_LE(deleted + (stepped ? 1 : 0), typed.size());
        typed.resize(typed.size() - deleted - (stepped ? 1 : 0));
        if (!stepped) ASSERT_EQ(typed, "");
      }
      if (const auto full = c.Oracle->Full(typed)) ASSERT_EQ(expression.IsFinal(), *full) << Printable(typed);
    }
  }
};

}  // namespace

TEST_F(cxRegExprDifferentialTest, TheEngineAnswersAsPcre2OnTwentyThousandPatternsInEachCaseMode) {
  for (int round = 0; round < 20000; ++round) {
    TCase sensitive = MakeCase(false, round % 2 == 0);
    ASSERT_TRUE(sensitive.Oracle->Compiled()) << Printable(sensitive.Ours);
    ASSERT_NO_FATAL_FAILURE(Type(sensitive, false));
    if (round % 2 == 0) ASSERT_NO_FATAL_FAILURE(TypeCompleting(sensitive));
    TCase insensitive = MakeCase(true, false);
    ASSERT_TRUE(insensitive.Oracle->Compiled()) << Printable(insensitive.Ours);
    ASSERT_NO_FATAL_FAILURE(Type(insensitive, true));
  }
  std::printf("%d patterns; %d PCRE2 answers over its match limit\n", Patterns, TOracle::OverLimit);
  RecordProperty("Patterns", Patterns);
  RecordProperty("OverMatchLimit", TOracle::OverLimit);
}
