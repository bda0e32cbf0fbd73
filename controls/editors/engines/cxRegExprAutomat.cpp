#include "controls/editors/engines/cxRegExprAutomat.h"

#include <algorithm>

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserSimpleItem::Clone() const {
  auto clone = std::make_unique<TcxRegExprParserSimpleItem>(FState->Clone());
  clone->SetQuantifier(Quantifier().Clone());
  return clone;
}

void TcxRegExprParserSimpleItem::Link(TcxRegExprState* Follow) {
  if (Follow) FState->AddNext(Follow);
  if (QuantifierCanRepeat()) FState->AddNext(FState.get());
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserAlt::TakeLast() {
  auto last = std::move(FItems.back());
  FItems.pop_back();
  return last;
}

bool TcxRegExprParserAlt::CanMissing() const {
  return std::all_of(FItems.begin(), FItems.end(), [](const auto& item) { return item->CanMissing(); });
}

std::unique_ptr<TcxRegExprParserAlt> TcxRegExprParserAlt::Clone() const {
  auto clone = std::make_unique<TcxRegExprParserAlt>();
  for (const auto& item : FItems) clone->Add(item->Clone());
  return clone;
}

// The walk passes every item that can match nothing, groups included: a
// group without a quantifier of its own can still be empty, as in 'x(a?)'.
void TcxRegExprParserAlt::SetFinal() {
  for (auto item = FItems.rbegin(); item != FItems.rend(); ++item) {
    (*item)->SetFinal();
    if (!(*item)->CanMissing()) break;
  }
}

// Walks from the last item to the first. What follows an item is the entry
// of the next one, and also whatever follows that one when its quantifier
// lets it be missed; a skip state stands for both, so that a run of optional
// items is linked in a chain rather than each to all that follow.
TcxRegExprState* TcxRegExprParserAlt::Link(TcxRegExprState* Exit) {
  FSkipStates.clear();
  TcxRegExprState* follow = Exit;
  for (auto item = FItems.rbegin(); item != FItems.rend(); ++item) {
    (*item)->Link(follow);
    TcxRegExprState* entry = (*item)->EntryState();
    if ((*item)->QuantifierCanMissing() && follow) {
      auto skip = std::make_unique<TcxRegExprBlockState>();
      skip->AddNext(entry);
      skip->AddNext(follow);
      entry = skip.get();
      FSkipStates.push_back(std::move(skip));
    }
    follow = entry;
  }
  return follow;
}

int TcxRegExprParserAlt::PositionCount() const {
  int count = 0;
  for (const auto& item : FItems) count += item->PositionCount();
  return count;
}

int TcxRegExprParserAlt::Height() const {
  int height = 0;
  for (const auto& item : FItems) height = std::max(height, item->Height());
  return height;
}

int TcxRegExprParserAlt::ItemCount() const {
  int count = 0;
  for (const auto& item : FItems) count += item->ItemCount();
  return count;
}

TcxRegExprParserAlt& TcxRegExprParserAlts::Add() {
  FAlts.push_back(std::make_unique<TcxRegExprParserAlt>());
  return *FAlts.back();
}

bool TcxRegExprParserAlts::AnyCanMissing() const {
  return std::any_of(FAlts.begin(), FAlts.end(), [](const auto& alt) { return alt->CanMissing(); });
}

std::unique_ptr<TcxRegExprParserAlts> TcxRegExprParserAlts::Clone() const {
  auto clone = std::make_unique<TcxRegExprParserAlts>();
  for (const auto& alt : FAlts) clone->FAlts.push_back(alt->Clone());
  return clone;
}

int TcxRegExprParserAlts::PositionCount() const {
  int count = 0;
  for (const auto& alt : FAlts) count += alt->PositionCount();
  return count;
}

int TcxRegExprParserAlts::Height() const {
  int height = 0;
  for (const auto& alt : FAlts) height = std::max(height, alt->Height());
  return height;
}

int TcxRegExprParserAlts::ItemCount() const {
  int count = 0;
  for (const auto& alt : FAlts) count += alt->ItemCount();
  return count;
}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserBlockItem::Clone() const {
  auto clone = std::make_unique<TcxRegExprParserBlockItem>(FAlts->Clone());
  clone->SetQuantifier(Quantifier().Clone());
  return clone;
}

int TcxRegExprParserBlockItem::PositionCount() const {
  if (FPositionCount < 0) FPositionCount = FAlts->PositionCount();
  return FPositionCount;
}

int TcxRegExprParserBlockItem::Height() const {
  if (FHeight < 0) FHeight = 1 + FAlts->Height();
  return FHeight;
}

int TcxRegExprParserBlockItem::ItemCount() const {
  if (FItemCount < 0) FItemCount = 1 + FAlts->ItemCount();
  return FItemCount;
}

void TcxRegExprParserBlockItem::SetFinal() {
  for (int i = 0; i < FAlts->Count(); ++i) FAlts->Items(i).SetFinal();
}

void TcxRegExprParserBlockItem::Link(TcxRegExprState* Follow) {
  if (Follow) FFinishState.AddNext(Follow);
  if (QuantifierCanRepeat()) FFinishState.AddNext(&FStartState);
  for (int i = 0; i < FAlts->Count(); ++i) FStartState.AddNext(FAlts->Items(i).Link(&FFinishState));
}

TcxRegExprAutomat::TcxRegExprAutomat(std::unique_ptr<TcxRegExprParserAlts> Parser) : FParser(std::move(Parser)) {
  for (int i = 0; i < FParser->Count(); ++i) {
    TcxRegExprParserAlt& alt = FParser->Items(i);
    if (TcxRegExprState* entry = alt.Link(nullptr)) FStartState.AddNext(entry);
    alt.SetFinal();
    if (alt.CanMissing()) FStartState.SetFinal();
  }
  Reset();
}

bool TcxRegExprAutomat::KeepsRealNextStates(TcxRegExprSimpleState& State) {
  using TSuccessors = TcxRegExprSimpleState::TSuccessors;
  if (State.FSuccessors != TSuccessors::Unknown) return State.FSuccessors == TSuccessors::Kept;
  ++FClosureWalk;
  FPending.assign(State.FNextStates.rbegin(), State.FNextStates.rend());
  while (!FPending.empty() && State.FRealNext.size() <= MaxKeptSuccessors) {
    TcxRegExprState* state = FPending.back();
    FPending.pop_back();
    if (state->FClosureVisit == FClosureWalk) continue;
    state->FClosureVisit = FClosureWalk;
    if (TcxRegExprSimpleState* position = state->AsSimpleState()) {
      State.FRealNext.push_back(position);
    } else {
      FPending.insert(FPending.end(), state->FNextStates.rbegin(), state->FNextStates.rend());
    }
  }
  FPending.clear();
  State.FSuccessors = State.FRealNext.size() <= MaxKeptSuccessors ? TSuccessors::Kept : TSuccessors::Many;
  if (State.FSuccessors == TSuccessors::Many) TcxRegExprSimpleState::TPositions().swap(State.FRealNext);
  return State.FSuccessors == TSuccessors::Kept;
}

template <typename TAccept>
void TcxRegExprAutomat::WalkNextPositions(const TcxRegExprState& State, TAccept& Accept) {
  FPending.assign(State.FNextStates.rbegin(), State.FNextStates.rend());
  while (!FPending.empty()) {
    TcxRegExprState* state = FPending.back();
    FPending.pop_back();
    if (state->FVisit == FWalk) continue;
    state->FVisit = FWalk;
    if (TcxRegExprSimpleState* position = state->AsSimpleState()) {
      if (Accept(*position)) FSets.push_back(position);
    } else {
      FPending.insert(FPending.end(), state->FNextStates.rbegin(), state->FNextStates.rend());
    }
  }
}

template <typename TAccept>
void TcxRegExprAutomat::AppendNextPositions(size_t Begin, size_t End, TAccept&& Accept) {
  ++FWalk;
  for (size_t i = Begin; i < End; ++i) {
    TcxRegExprSimpleState& state = *FSets[i];
    if (!KeepsRealNextStates(state)) {
      WalkNextPositions(state, Accept);
      continue;
    }
    for (TcxRegExprSimpleState* position : state.FRealNext) {
      if (position->FVisit == FWalk) continue;
      position->FVisit = FWalk;
      if (Accept(*position)) FSets.push_back(position);
    }
  }
}

std::optional<char> TcxRegExprAutomat::AppendAccepting(size_t End, char Ch, bool CaseInsensitive) {
  std::optional<char> rewritten;
  AppendNextPositions(CurrentBegin(), End, [&](const TcxRegExprSimpleState& position) {
    char tested = Ch;
    if (!position.Item()->Check(tested, CaseInsensitive)) return false;
    if (!rewritten) rewritten = tested;
    return true;
  });
  return rewritten;
}

// The walk visits the positions in the same order for any character, so
// the same positions come out in the same order.
bool TcxRegExprAutomat::TakenAlike(size_t End, char Ch, bool CaseInsensitive) {
  const size_t taken = FSets.size();
  AppendAccepting(End, Ch, CaseInsensitive);
  const bool alike = FSets.size() - taken == taken - End &&
                     std::equal(FSets.begin() + End, FSets.begin() + taken, FSets.begin() + taken);
  FSets.resize(taken);
  return alike;
}

// A letter takes the pattern's case only when the text then stands for the
// same positions: "a" typed at 'A|[a-c]' stays as typed, for "A" would stand
// for the symbol alone and leave the subrange's way on.
bool TcxRegExprAutomat::Next(char& Ch, bool CaseInsensitive) {
  const size_t begin = FSets.size();
  const std::optional<char> rewritten = AppendAccepting(begin, Ch, CaseInsensitive);
  if (!rewritten) return false;
  if (*rewritten != Ch && TakenAlike(begin, *rewritten, CaseInsensitive)) Ch = *rewritten;
  FHistory.push_back(begin);
  return true;
}

bool TcxRegExprAutomat::Prev() {
  if (FHistory.size() < 2) return false;
  FSets.resize(FHistory.back());
  FHistory.pop_back();
  return true;
}

void TcxRegExprAutomat::Reset() {
  FSets.assign(1, &FStartState);
  FHistory.assign(1, 0);
}

bool TcxRegExprAutomat::HasFinal(size_t Begin, size_t End) const {
  return std::any_of(FSets.begin() + Begin, FSets.begin() + End, [](auto* state) { return state->IsFinal(); });
}

bool TcxRegExprAutomat::IsFinal() const { return HasFinal(CurrentBegin(), FSets.size()); }

bool TcxRegExprAutomat::IsStart() const { return FSets[CurrentBegin()] == &FStartState; }

std::optional<char> TcxRegExprAutomat::ForcedChar(size_t Begin, size_t End) const {
  std::optional<char> forced;
  for (size_t i = Begin; i < End; ++i) {
    const TcxRegExprItem* item = FSets[i]->Item();
    const std::optional<char> literal = item ? item->LiteralChar() : std::nullopt;
    if (!literal || (forced && *forced != *literal)) return std::nullopt;
    forced = literal;
  }
  return forced;
}

std::optional<char> TcxRegExprAutomat::AppendForcedNext(size_t Begin, size_t End) {
  const size_t next = FSets.size();
  AppendNextPositions(Begin, End, [](const TcxRegExprSimpleState&) { return true; });
  return ForcedChar(next, FSets.size());
}

void TcxRegExprAutomat::ForwardCompletion(const std::function<void(char)>& AddChar) {
  while (!IsFinal()) {
    const size_t next = FSets.size();
    const std::optional<char> forced = AppendForcedNext(CurrentBegin(), next);
    if (!forced) {
      FSets.resize(next);
      return;
    }
    FHistory.push_back(next);
    AddChar(*forced);
  }
}

void TcxRegExprAutomat::BackwardCompletion(const std::function<void()>& DeleteChar) {
  while (FHistory.size() >= 2 && ForcedChar(CurrentBegin(), FSets.size())) {
    const size_t previous = FHistory[FHistory.size() - 2];
    const size_t current = CurrentBegin();
    if (HasFinal(previous, current)) return;
    const size_t end = FSets.size();
    const bool typedByCompletion = AppendForcedNext(previous, current).has_value();
    FSets.resize(end);
    if (!typedByCompletion) return;
    Prev();
    DeleteChar();
  }
}
