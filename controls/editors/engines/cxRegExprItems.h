#pragma once
// The character items of the regular-expression engine: what one position of
// the automaton accepts. Character codes compare unsigned (0 to 255).
#include <memory>
#include <optional>
#include <vector>

class TcxRegExprItem {
 public:
  virtual ~TcxRegExprItem() = default;
  // Whether the position accepts Ch; a case-insensitive symbol rewrites it to
  // the pattern's own character.
  virtual bool Check(char& Ch, bool CaseInsensitive) const = 0;
  virtual std::unique_ptr<TcxRegExprItem> Clone() const = 0;
  // The one character the item stands for, when it stands for exactly one
  // literal: the engine types such characters itself in completing mode.
  virtual std::optional<char> LiteralChar() const { return std::nullopt; }
};

class TcxRegExprSymbol : public TcxRegExprItem {
 public:
  explicit TcxRegExprSymbol(char Symbol) : FSymbol(Symbol) {}
  bool Check(char& Ch, bool CaseInsensitive) const override;
  std::unique_ptr<TcxRegExprItem> Clone() const override { return std::make_unique<TcxRegExprSymbol>(FSymbol); }
  std::optional<char> LiteralChar() const override { return FSymbol; }

 private:
  char FSymbol;
};

// The locale's separators, as set when the character is tested.
class TcxRegExprTimeSeparator : public TcxRegExprItem {
 public:
  bool Check(char& Ch, bool CaseInsensitive) const override;
  std::unique_ptr<TcxRegExprItem> Clone() const override { return std::make_unique<TcxRegExprTimeSeparator>(); }
  std::optional<char> LiteralChar() const override;
};

class TcxRegExprDateSeparator : public TcxRegExprItem {
 public:
  bool Check(char& Ch, bool CaseInsensitive) const override;
  std::unique_ptr<TcxRegExprItem> Clone() const override { return std::make_unique<TcxRegExprDateSeparator>(); }
  std::optional<char> LiteralChar() const override;
};

// A range by character code; case is not folded.
class TcxRegExprSubrange : public TcxRegExprItem {
 public:
  TcxRegExprSubrange(char StartChar, char FinishChar) : FStartChar(StartChar), FFinishChar(FinishChar) {}
  bool Check(char& Ch, bool CaseInsensitive) const override;
  std::unique_ptr<TcxRegExprItem> Clone() const override {
    return std::make_unique<TcxRegExprSubrange>(FStartChar, FFinishChar);
  }

 private:
  char FStartChar;
  char FFinishChar;
};

// A set of characters, or with Negative every character outside it.
class TcxRegExprEnumeration : public TcxRegExprItem {
 public:
  explicit TcxRegExprEnumeration(bool Negative) : FNegative(Negative) {}
  bool Negative() const { return FNegative; }
  bool Check(char& Ch, bool CaseInsensitive) const override;

 protected:
  virtual bool Contains(char& Ch, bool CaseInsensitive) const = 0;

 private:
  bool FNegative;
};

class TcxRegExprUserEnumeration : public TcxRegExprEnumeration {
 public:
  using TcxRegExprEnumeration::TcxRegExprEnumeration;
  void Add(std::unique_ptr<TcxRegExprItem> Item) { FItems.push_back(std::move(Item)); }
  std::unique_ptr<TcxRegExprItem> Clone() const override;

 protected:
  bool Contains(char& Ch, bool CaseInsensitive) const override;

 private:
  std::vector<std::unique_ptr<TcxRegExprItem>> FItems;
};

class TcxRegExprDigit : public TcxRegExprEnumeration {
 public:
  using TcxRegExprEnumeration::TcxRegExprEnumeration;
  std::unique_ptr<TcxRegExprItem> Clone() const override { return std::make_unique<TcxRegExprDigit>(Negative()); }

 protected:
  bool Contains(char& Ch, bool CaseInsensitive) const override;
};

class TcxRegExprIdLetter : public TcxRegExprEnumeration {
 public:
  using TcxRegExprEnumeration::TcxRegExprEnumeration;
  std::unique_ptr<TcxRegExprItem> Clone() const override { return std::make_unique<TcxRegExprIdLetter>(Negative()); }

 protected:
  bool Contains(char& Ch, bool CaseInsensitive) const override;
};

class TcxRegExprSpace : public TcxRegExprEnumeration {
 public:
  using TcxRegExprEnumeration::TcxRegExprEnumeration;
  std::unique_ptr<TcxRegExprItem> Clone() const override { return std::make_unique<TcxRegExprSpace>(Negative()); }

 protected:
  bool Contains(char& Ch, bool CaseInsensitive) const override;
};

class TcxRegExprAll : public TcxRegExprItem {
 public:
  bool Check(char&, bool) const override { return true; }
  std::unique_ptr<TcxRegExprItem> Clone() const override { return std::make_unique<TcxRegExprAll>(); }
};

// The blank characters of the expression syntax: space, 0, tab, line feed,
// form feed and carriage return.
bool cxRegExprIsBlank(char Ch);
