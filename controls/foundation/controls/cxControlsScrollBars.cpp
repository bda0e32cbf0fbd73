#include "controls/foundation/controls/cxControlsScrollBars.h"

namespace {

// A control whose ranges keep answering differently to its own bars'
// visibility never settles; after this many passes it takes what it has.
constexpr int MaxParameterPasses = 8;
// Nested updates beyond this depth stop the bars as they are instead of
// recursing without end.
constexpr int MaxNestedUpdates = 4;

constexpr TScrollBarKind Kinds[] = {sbHorizontal, sbVertical};

TScrollBarKind OtherKind(TScrollBarKind kind) { return kind == sbHorizontal ? sbVertical : sbHorizontal; }

int RangeLength(const TcxScrollBarData& data) { return data.Max - data.Min + 1; }

bool& SavedVisible(TcxScrollBarsUpdateState& state, TScrollBarKind kind) {
  return kind == sbHorizontal ? state.SavedHorizontalVisible : state.SavedVerticalVisible;
}

bool PendingVisibleEqualsSaved(TcxScrollBarsHost& host, TcxScrollBarsUpdateState& state) {
  for (TScrollBarKind kind : Kinds) {
    if (host.ScrollBarData(kind).Visible != SavedVisible(state, kind)) return false;
  }
  return true;
}

void InitParametersUntilSettled(TcxScrollBarsHost& host) {
  TcxScrollBarData& horizontal = host.ScrollBarData(sbHorizontal);
  TcxScrollBarData& vertical = host.ScrollBarData(sbVertical);
  for (int pass = 0; pass < MaxParameterPasses; ++pass) {
    const bool wasHorizontal = horizontal.Visible;
    const bool wasVertical = vertical.Visible;
    host.InitScrollBarsParameters();
    if (horizontal.Visible == wasHorizontal && vertical.Visible == wasVertical) return;
  }
}

bool CanDropEachOther(TcxScrollBarsHost& host) {
  for (TScrollBarKind kind : Kinds) {
    const TcxScrollBarData& data = host.ScrollBarData(kind);
    if (!data.Visible || !data.Enabled || !data.AllowHide) return false;
  }
  for (TScrollBarKind kind : Kinds) {
    const TcxScrollBarData& data = host.ScrollBarData(kind);
    if (!host.NeedsScrollBar(kind)) return false;
    if (data.PageSize + host.ScrollBarThickness(OtherKind(kind)) < RangeLength(data)) return false;
  }
  return true;
}

// Both bars appear only because each takes the other's room: without them
// the pages grow by the bars' thickness and cover both ranges. Each bar's
// AllowShow already holds the ScrollBars setting's answer.
void DropBarsNeededOnlyByEachOther(TcxScrollBarsHost& host) {
  const TcxScrollBarData horizontal = host.ScrollBarData(sbHorizontal);
  const TcxScrollBarData vertical = host.ScrollBarData(sbVertical);
  for (TScrollBarKind kind : Kinds) {
    const TcxScrollBarData& old = kind == sbHorizontal ? horizontal : vertical;
    const int page = old.PageSize + host.ScrollBarThickness(OtherKind(kind));
    SetScrollBarInfo(host.ScrollBarData(kind), kind, cxScrollBarsBoth, old.Min, old.Max, old.SmallChange, page,
                     old.Position, old.AllowShow, old.AllowHide);
  }
}

void CalculateParameters(TcxScrollBarsHost& host, TcxScrollBarsUpdateState& state) {
  if (state.CalculatingScrollBars) return;
  state.CalculatingScrollBars = true;
  for (TScrollBarKind kind : Kinds) host.ScrollBarData(kind).Visible = false;
  InitParametersUntilSettled(host);
  if (CanDropEachOther(host)) DropBarsNeededOnlyByEachOther(host);
  state.CalculatingScrollBars = false;
}

void RestoreSavedBars(TcxScrollBarsHost& host, TcxScrollBarsUpdateState& state) {
  for (TScrollBarKind kind : Kinds) {
    if (host.ScrollBarVisible(kind) != SavedVisible(state, kind)) host.ShowScrollBarDisabled(kind);
  }
}

void LayOutBars(TcxScrollBarsHost& host) {
  host.ShowSizeGrip(host.ScrollBarVisible(sbHorizontal) && host.ScrollBarVisible(sbVertical));
  host.SetScrollBarsBounds();
  if (host.CanBringInternalControlsToFront()) host.BringInternalControlsToFront();
}

void RunUpdate(TcxScrollBarsHost& host, TcxScrollBarsUpdateState& state) {
  const bool outermost = !state.InProgress;
  if (outermost) {
    for (TScrollBarKind kind : Kinds) SavedVisible(state, kind) = host.ScrollBarVisible(kind);
  }
  state.InProgress = true;
  ++state.Depth;
  const bool horizontalWas = host.ScrollBarVisible(sbHorizontal);
  const bool verticalWas = host.ScrollBarVisible(sbVertical);

  if (!state.RestoreMarked) {
    CalculateParameters(host, state);
    // A nested update that would put the bars back as they were before the
    // outermost one started would flip them for ever.
    state.RestoreMarked = !outermost && (PendingVisibleEqualsSaved(host, state) || state.Depth > MaxNestedUpdates);
  }
  if (state.RestoreMarked) {
    RestoreSavedBars(host, state);
  } else {
    for (TScrollBarKind kind : Kinds) host.ApplyScrollBarData(kind);
  }

  if (host.ScrollBarVisible(sbHorizontal) != horizontalWas || host.ScrollBarVisible(sbVertical) != verticalWas) {
    host.BoundsChanged();
  } else {
    LayOutBars(host);
  }

  --state.Depth;
  if (outermost) {
    state.RestoreMarked = false;
    state.InProgress = false;
  }
}

}  // namespace

bool ScrollBarsInclude(int scrollBars, TScrollBarKind kind) {
  const int flag = kind == sbHorizontal ? cxScrollBarsHorizontal : cxScrollBarsVertical;
  return (scrollBars & flag) != 0;
}

void SetScrollBarInfo(TcxScrollBarData& data, TScrollBarKind kind, int scrollBars, int min, int max, int step, int page,
                      int position, bool allowShow, bool allowHide) {
  data.AllowShow = allowShow && ScrollBarsInclude(scrollBars, kind);
  data.AllowHide = allowHide;
  const bool notNeeded = max - min + 1 <= page || position < min;
  const bool empty = min > max || notNeeded;
  if (!data.AllowShow || (empty && allowHide)) {
    data.Visible = false;
    return;
  }
  if (empty) {
    data.Enabled = false;
    data.Visible = true;
    return;
  }
  data.Min = min;
  data.Max = max;
  data.Position = position;
  data.PageSize = page;
  data.SmallChange = step;
  data.LargeChange = page;
  data.Enabled = true;
  data.Visible = true;
}

bool IsScrollBarVisible(TcxScrollBarsHost& host, const TcxScrollBarsUpdateState& state, TScrollBarKind kind) {
  if (!host.HasScrollBars()) return false;
  if (state.CalculatingScrollBars) return host.ScrollBarData(kind).Visible;
  return host.ScrollBarVisible(kind);
}

void UpdateScrollBars(TcxScrollBarsHost& host, TcxScrollBarsUpdateState& state) {
  if (!host.HasScrollBars()) return;
  if (state.LockCount > 0) {
    state.UpdateDue = true;
    return;
  }
  RunUpdate(host, state);
}

void BeginUpdateScrollBars(TcxScrollBarsUpdateState& state) { ++state.LockCount; }

void EndUpdateScrollBars(TcxScrollBarsHost& host, TcxScrollBarsUpdateState& state) {
  if (state.LockCount == 0) return;
  if (--state.LockCount > 0 || !state.UpdateDue) return;
  state.UpdateDue = false;
  UpdateScrollBars(host, state);
}
