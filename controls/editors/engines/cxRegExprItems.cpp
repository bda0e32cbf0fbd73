#include "controls/editors/engines/cxRegExprItems.h"

#include "platform/rtl/Locale.h"

namespace {

unsigned char Code(char ch) { return static_cast<unsigned char>(ch); }

}  // namespace

bool cxRegExprIsBlank(char Ch) {
  return Ch == ' ' || Ch == '\0' || Ch == '\t' || Ch == '\n' || Ch == '\f' || Ch == '\r';
}

bool TcxRegExprSymbol::Check(char& Ch, bool CaseInsensitive) const {
  if (Ch == FSymbol) return true;
  if (!CaseInsensitive) return false;
  const TLocale& locale = CurrentLocale();
  if (locale.UpperCase(Ch) != locale.UpperCase(FSymbol)) return false;
  Ch = FSymbol;
  return true;
}

bool TcxRegExprTimeSeparator::Check(char& Ch, bool) const { return Ch == CurrentLocale().TimeSeparator(); }

std::optional<char> TcxRegExprTimeSeparator::LiteralChar() const { return CurrentLocale().TimeSeparator(); }

bool TcxRegExprDateSeparator::Check(char& Ch, bool) const { return Ch == CurrentLocale().DateSeparator(); }

std::optional<char> TcxRegExprDateSeparator::LiteralChar() const { return CurrentLocale().DateSeparator(); }

bool TcxRegExprSubrange::Check(char& Ch, bool) const {
  return Code(FStartChar) <= Code(Ch) && Code(Ch) <= Code(FFinishChar);
}

bool TcxRegExprEnumeration::Check(char& Ch, bool CaseInsensitive) const {
  return Contains(Ch, CaseInsensitive) != FNegative;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprUserEnumeration::Clone() const {
  auto clone = std::make_unique<TcxRegExprUserEnumeration>(Negative());
  for (const auto& item : FItems) clone->Add(item->Clone());
  return clone;
}

bool TcxRegExprUserEnumeration::Contains(char& Ch, bool CaseInsensitive) const {
  for (const auto& item : FItems) {
    if (item->Check(Ch, CaseInsensitive)) return true;
  }
  return false;
}

bool TcxRegExprDigit::Contains(char& Ch, bool) const { return Ch >= '0' && Ch <= '9'; }

bool TcxRegExprIdLetter::Contains(char& Ch, bool) const {
  return (Ch >= 'a' && Ch <= 'z') || (Ch >= 'A' && Ch <= 'Z') || (Ch >= '0' && Ch <= '9') || Ch == '_';
}

bool TcxRegExprSpace::Contains(char& Ch, bool) const { return cxRegExprIsBlank(Ch); }
