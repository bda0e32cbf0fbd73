#pragma once
// The compiled form of a regular expression: the parse tree of alternatives,
// groups and quantified items, and the nondeterministic automaton of
// character positions that it links. The automaton moves one typed character
// at a time and keeps every earlier state set, so that a deletion steps back.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "controls/editors/engines/cxRegExprItems.h"

class TcxRegExprState;
class TcxRegExprSimpleState;
using TcxRegExprStates = std::vector<TcxRegExprState*>;

class TcxRegExprState {
 public:
  virtual ~TcxRegExprState() = default;
  void AddNext(TcxRegExprState* State) { FNextStates.push_back(State); }
  // A position that consumes a character; nullptr for a state that only
  // passes the character on to its next states.
  virtual TcxRegExprSimpleState* AsSimpleState() { return nullptr; }

 private:
  friend class TcxRegExprAutomat;
  TcxRegExprStates FNextStates;
  // The automaton's walks that reached the state last: the union of a
  // state set's successors, and the search for one state's successors.
  uint64_t FVisit = 0;
  uint64_t FClosureVisit = 0;
};

class TcxRegExprSimpleState : public TcxRegExprState {
 public:
  using TPositions = std::vector<TcxRegExprSimpleState*>;

  // The automaton's start state has no item.
  explicit TcxRegExprSimpleState(std::unique_ptr<TcxRegExprItem> Item) : FItem(std::move(Item)) {}
  bool IsFinal() const { return FIsFinal; }
  void SetFinal() { FIsFinal = true; }
  const TcxRegExprItem* Item() const { return FItem.get(); }
  TcxRegExprSimpleState* AsSimpleState() override { return this; }
  std::unique_ptr<TcxRegExprSimpleState> Clone() const {
    return std::make_unique<TcxRegExprSimpleState>(FItem ? FItem->Clone() : nullptr);
  }

 private:
  friend class TcxRegExprAutomat;
  bool FIsFinal = false;
  std::unique_ptr<TcxRegExprItem> FItem;
  // The positions that can consume the next character, found through the
  // group entries and exits once and kept when they are few.
  enum class TSuccessors : uint8_t { Unknown, Kept, Many };
  TSuccessors FSuccessors = TSuccessors::Unknown;
  TPositions FRealNext;
};

// The entry or exit of a group: consumes nothing.
class TcxRegExprBlockState : public TcxRegExprState {};

class TcxRegExprQuantifier {
 public:
  virtual ~TcxRegExprQuantifier() = default;
  virtual bool CanMissing() const = 0;
  virtual bool CanRepeat() const = 0;
  virtual std::unique_ptr<TcxRegExprQuantifier> Clone() const = 0;
};

template <bool Missing, bool Repeat>
class TcxRegExprQuantifierOf : public TcxRegExprQuantifier {
 public:
  bool CanMissing() const override { return Missing; }
  bool CanRepeat() const override { return Repeat; }
  std::unique_ptr<TcxRegExprQuantifier> Clone() const override { return std::make_unique<TcxRegExprQuantifierOf>(); }
};
using TcxRegExprSimpleQuantifier = TcxRegExprQuantifierOf<false, false>;
using TcxRegExprQuestionQuantifier = TcxRegExprQuantifierOf<true, false>;
using TcxRegExprStarQuantifier = TcxRegExprQuantifierOf<true, true>;
using TcxRegExprPlusQuantifier = TcxRegExprQuantifierOf<false, true>;

class TcxRegExprParserItem {
 public:
  TcxRegExprParserItem() : FQuantifier(std::make_unique<TcxRegExprSimpleQuantifier>()) {}
  virtual ~TcxRegExprParserItem() = default;
  // Whether the item can match the empty text.
  virtual bool CanMissing() const = 0;
  virtual std::unique_ptr<TcxRegExprParserItem> Clone() const = 0;
  virtual void SetFinal() = 0;
  // The state through which the item is entered.
  virtual TcxRegExprState* EntryState() = 0;
  // Links the item's own states and its exit to Follow (nullptr at the end
  // of the expression).
  virtual void Link(TcxRegExprState* Follow) = 0;
  // How many character positions the item holds.
  virtual int PositionCount() const = 0;
  // How many groups the item nests, one in another: 0 for a position.
  virtual int Height() const = 0;
  // How many parse items a copy of the item makes: itself, its groups and
  // its positions.
  virtual int ItemCount() const = 0;

  bool QuantifierCanMissing() const { return FQuantifier->CanMissing(); }
  bool QuantifierCanRepeat() const { return FQuantifier->CanRepeat(); }
  bool IsSimpleQuantifier() const { return !QuantifierCanMissing() && !QuantifierCanRepeat(); }
  void SetQuantifier(std::unique_ptr<TcxRegExprQuantifier> Q) {
    if (Q) FQuantifier = std::move(Q);
  }

 protected:
  const TcxRegExprQuantifier& Quantifier() const { return *FQuantifier; }

 private:
  std::unique_ptr<TcxRegExprQuantifier> FQuantifier;
};

class TcxRegExprParserSimpleItem : public TcxRegExprParserItem {
 public:
  explicit TcxRegExprParserSimpleItem(std::unique_ptr<TcxRegExprSimpleState> State) : FState(std::move(State)) {}
  bool CanMissing() const override { return QuantifierCanMissing(); }
  std::unique_ptr<TcxRegExprParserItem> Clone() const override;
  void SetFinal() override { FState->SetFinal(); }
  TcxRegExprState* EntryState() override { return FState.get(); }
  void Link(TcxRegExprState* Follow) override;
  int PositionCount() const override { return 1; }
  int Height() const override { return 0; }
  int ItemCount() const override { return 1; }

 private:
  std::unique_ptr<TcxRegExprSimpleState> FState;
};

// One alternative: a sequence of items.
class TcxRegExprParserAlt {
 public:
  void Add(std::unique_ptr<TcxRegExprParserItem> Item) { FItems.push_back(std::move(Item)); }
  bool IsEmpty() const { return FItems.empty(); }
  TcxRegExprParserItem& Last() { return *FItems.back(); }
  std::unique_ptr<TcxRegExprParserItem> TakeLast();
  bool CanMissing() const;
  std::unique_ptr<TcxRegExprParserAlt> Clone() const;
  // Marks the positions at which the alternative can end.
  void SetFinal();
  // Links the items in sequence, the last ones to Exit; the result is the
  // state through which the alternative is entered (nullptr for an empty
  // alternative at the end of the expression).
  TcxRegExprState* Link(TcxRegExprState* Exit);
  int PositionCount() const;
  int Height() const;
  int ItemCount() const;

 private:
  std::vector<std::unique_ptr<TcxRegExprParserItem>> FItems;
  // The places between items that an optional item may be skipped over.
  std::vector<std::unique_ptr<TcxRegExprBlockState>> FSkipStates;
};

class TcxRegExprParserAlts {
 public:
  TcxRegExprParserAlt& Add();
  int Count() const { return static_cast<int>(FAlts.size()); }
  TcxRegExprParserAlt& Items(int Index) { return *FAlts[Index]; }
  bool AnyCanMissing() const;
  std::unique_ptr<TcxRegExprParserAlts> Clone() const;
  int PositionCount() const;
  int Height() const;
  int ItemCount() const;

 private:
  std::vector<std::unique_ptr<TcxRegExprParserAlt>> FAlts;
};

// A parenthesised group.
class TcxRegExprParserBlockItem : public TcxRegExprParserItem {
 public:
  explicit TcxRegExprParserBlockItem(std::unique_ptr<TcxRegExprParserAlts> Alts) : FAlts(std::move(Alts)) {}
  TcxRegExprParserBlockItem() : FAlts(std::make_unique<TcxRegExprParserAlts>()) {}
  TcxRegExprParserAlts& Alts() { return *FAlts; }
  bool CanMissing() const override { return QuantifierCanMissing() || FAlts->AnyCanMissing(); }
  std::unique_ptr<TcxRegExprParserItem> Clone() const override;
  void SetFinal() override;
  TcxRegExprState* EntryState() override { return &FStartState; }
  void Link(TcxRegExprState* Follow) override;
  int PositionCount() const override;
  int Height() const override;
  int ItemCount() const override;

 private:
  std::unique_ptr<TcxRegExprParserAlts> FAlts;
  // Counted when first asked, which is only once the group is closed; a
  // closed group never changes.
  mutable int FPositionCount = -1;
  mutable int FHeight = -1;
  mutable int FItemCount = -1;
  TcxRegExprBlockState FFinishState;
  TcxRegExprBlockState FStartState;
};

class TcxRegExprAutomat {
 public:
  // Links the parsed expression and marks its final positions.
  explicit TcxRegExprAutomat(std::unique_ptr<TcxRegExprParserAlts> Parser);

  // One step: false, and nothing changed, when no current state goes on with
  // Ch. A case-insensitive step hands back the character as the first
  // accepting position rewrote it, when the rewritten character stands for
  // the same positions.
  bool Next(char& Ch, bool CaseInsensitive);
  // Back to the state set before the last step; false when there is none.
  bool Prev();
  void Reset();
  bool IsFinal() const;
  bool IsStart() const;
  // Types the characters that are the only way on, as long as the current
  // set is not final.
  void ForwardCompletion(const std::function<void(char)>& AddChar);
  // Takes back the characters that forward completion typed last.
  void BackwardCompletion(const std::function<void()>& DeleteChar);

 private:
  // Appends to FSets, once each, the positions that follow the set in
  // [Begin, End) and pass Accept.
  template <typename TAccept>
  void AppendNextPositions(size_t Begin, size_t End, TAccept&& Accept);
  template <typename TAccept>
  void WalkNextPositions(const TcxRegExprState& State, TAccept& Accept);
  bool KeepsRealNextStates(TcxRegExprSimpleState& State);
  // Appends the positions that follow the current set, which ends at End,
  // and take Ch; the answer is Ch as the first of them rewrote it, none when
  // none takes it.
  std::optional<char> AppendAccepting(size_t End, char Ch, bool CaseInsensitive);
  // Whether Ch is taken by exactly the positions appended from End, where
  // the current set ends, on.
  bool TakenAlike(size_t End, char Ch, bool CaseInsensitive);
  // The character that all positions following the set in [Begin, End)
  // stand for, when they stand for one and the same; the positions are left
  // appended to FSets.
  std::optional<char> AppendForcedNext(size_t Begin, size_t End);
  size_t CurrentBegin() const { return FHistory.back(); }
  bool HasFinal(size_t Begin, size_t End) const;
  std::optional<char> ForcedChar(size_t Begin, size_t End) const;

  std::unique_ptr<TcxRegExprParserAlts> FParser;
  TcxRegExprSimpleState FStartState{nullptr};
  // Every state set since the start, one after the other; FHistory holds
  // where each begins, and the last one is the current set.
  std::vector<TcxRegExprSimpleState*> FSets;
  std::vector<size_t> FHistory;
  // Up to this many successors are kept per position. A run of optional
  // items gives each of its positions all the following ones; walking them
  // with one mark per step keeps a keystroke linear where the kept lists of
  // every current position would make it quadratic.
  static constexpr size_t MaxKeptSuccessors = 64;
  uint64_t FWalk = 0;
  uint64_t FClosureWalk = 0;
  TcxRegExprStates FPending;
};
