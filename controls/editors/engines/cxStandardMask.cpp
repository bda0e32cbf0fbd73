#include "controls/editors/engines/cxStandardMask.h"

#include "platform/rtl/Locale.h"

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsAsciiLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

// Mask case is ASCII only: a mask must not depend on the user's locale.
char AsciiUpper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }
char AsciiLower(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

}  // namespace

bool TcxStandardMaskManyItem::ConvertCase(bool Accepted, char& Ch) const {
  if (FCaseConversion == mccUpper) Ch = AsciiUpper(Ch);
  if (FCaseConversion == mccLower) Ch = AsciiLower(Ch);
  return Accepted;
}

bool TcxStandardMaskAlphaItem::Check(char& Ch) const { return ConvertCase(IsAsciiLetter(Ch), Ch); }

bool TcxStandardMaskAlphaNumericItem::Check(char& Ch) const {
  return ConvertCase(IsAsciiLetter(Ch) || IsDigit(Ch), Ch);
}

bool TcxStandardMaskASCIIItem::Check(char& Ch) const { return ConvertCase(true, Ch); }

bool TcxStandardMaskNumericItem::Check(char& Ch) const { return ConvertCase(IsDigit(Ch), Ch); }

bool TcxStandardMaskNumericSymbolItem::Check(char& Ch) const {
  return ConvertCase(IsDigit(Ch) || Ch == '+' || Ch == '-', Ch);
}

void TcxStandardMask::Clear() {
  FMask.clear();
  FFillFromEnd = false;
  FSaveLiteralChars = true;
  FBlank = DefaultBlank;
  FItems.clear();
}

void TcxStandardMask::Compile(const std::string& Mask) {
  Clear();
  FMask = Mask;
  ReadFillFromEnd();
  CompileStandardMask();
}

void TcxStandardMask::ReadFillFromEnd() {
  if (FMask.empty() || FMask[0] != '!') return;
  FFillFromEnd = true;
  FMask.erase(0, 1);
}

// A field separator counts only as the mask's last field or last two fields
// ("mask;0" or "mask;1;_"); anywhere else ";" is a literal. Index stands on
// the ";" and moves past what was consumed.
bool TcxStandardMask::ReadFieldSeparator(size_t& Index) {
  const size_t following = FMask.size() - Index - 1;
  const auto isSaveFlag = [](char ch) { return ch == '0' || ch == '1'; };
  if (following == 3 && FMask[Index + 2] == ';' && isSaveFlag(FMask[Index + 1])) {
    FSaveLiteralChars = FMask[Index + 1] != '0';
    FBlank = FMask[Index + 3];
    Index += 4;
    return true;
  }
  if (following == 1 && isSaveFlag(FMask[Index + 1])) {
    FSaveLiteralChars = FMask[Index + 1] != '0';
    Index += 2;
    return true;
  }
  return false;
}

void TcxStandardMask::CompileStandardMask() {
  uint8_t caseMode = mccNone;
  size_t i = 0;
  const auto addLiteral = [this](char ch) { FItems.push_back(std::make_unique<TcxStandardMaskLiteralItem>(ch)); };
  while (i < FMask.size()) {
    const char ch = FMask[i];
    switch (ch) {
      case 'L':
      case 'l': AddInput<TcxStandardMaskAlphaItem>(ch == 'l', caseMode); break;
      case 'A':
      case 'a': AddInput<TcxStandardMaskAlphaNumericItem>(ch == 'a', caseMode); break;
      case 'C':
      case 'c': AddInput<TcxStandardMaskASCIIItem>(ch == 'c', caseMode); break;
      case '0':
      case '9': AddInput<TcxStandardMaskNumericItem>(ch == '9', caseMode); break;
      case '#': FItems.push_back(std::make_unique<TcxStandardMaskNumericSymbolItem>(caseMode)); break;
      case ':': addLiteral(CurrentLocale().TimeSeparator()); break;
      case '/': addLiteral(CurrentLocale().DateSeparator()); break;
      case '\\':
        if (i + 1 < FMask.size()) addLiteral(FMask[++i]);
        break;
      case '>': caseMode = mccUpper; break;
      case '<':
        if (i + 1 < FMask.size() && FMask[i + 1] == '>') {
          caseMode = mccNone;
          ++i;
        } else {
          caseMode = mccLower;
        }
        break;
      case ';':
        if (ReadFieldSeparator(i)) continue;
        addLiteral(ch);
        break;
      default: addLiteral(ch);
    }
    ++i;
  }
}

bool TcxStandardMask::IsLiteral(int Index) const {
  return dynamic_cast<const TcxStandardMaskLiteralItem*>(FItems[Index].get()) != nullptr;
}

int TcxStandardMask::PlaceChar(char Ch, const TPlacing& Placing, int Cursor, char& Shown) const {
  for (int position = Cursor; position >= 0 && position < Count(); position += Placing.Step) {
    if (Placing.SkipLiterals && IsLiteral(position)) continue;
    char converted = Ch;
    if (FItems[position]->Check(converted)) {
      Shown = Placing.ConvertCase ? converted : Ch;
      return position;
    }
    // A blank typed at an input position keeps that position blank.
    if (IsBlankOrSpace(Ch) && !IsLiteral(position)) {
      Shown = FBlank;
      return position;
    }
  }
  return -1;
}

void TcxStandardMask::Format(std::string& Text, bool ConvertCase, bool TextHasLiterals) const {
  std::string result;
  GetEmptyText(result);
  const TPlacing placing{FFillFromEnd ? -1 : 1, !FSaveLiteralChars && !TextHasLiterals, ConvertCase};
  const int length = static_cast<int>(Text.size());
  int cursor = FFillFromEnd ? Count() - 1 : 0;
  for (int index = FFillFromEnd ? length - 1 : 0; index >= 0 && index < length; index += placing.Step) {
    char shown;
    const int position = PlaceChar(Text[index], placing, cursor, shown);
    if (position < 0) continue;
    result[position] = shown;
    cursor = position + placing.Step;
  }
  Text = result;
}

void TcxStandardMask::ExtractValue(std::string& Text) const {
  std::string value;
  for (int i = 0; i < Count() && i < static_cast<int>(Text.size()); ++i) {
    if (IsLiteral(i)) {
      if (FSaveLiteralChars) value += Text[i];
    } else {
      value += Text[i] == FBlank ? ' ' : Text[i];
    }
  }
  Text = value;
}

bool TcxStandardMask::IsFullValid(std::string& Text) const {
  if (static_cast<int>(Text.size()) != Count()) return false;
  for (int i = 0; i < Count(); ++i) {
    const char typed = Text[i];
    if (FItems[i]->Check(Text[i])) continue;
    const auto* input = dynamic_cast<const TcxStandardMaskManyItem*>(FItems[i].get());
    if (!(IsBlankOrSpace(typed) && input && input->Optional())) return false;
  }
  return true;
}

void TcxStandardMask::GetEmptyText(std::string& S) const {
  S.clear();
  for (const auto& item : FItems) {
    const auto* literal = dynamic_cast<const TcxStandardMaskLiteralItem*>(item.get());
    S += literal ? literal->Literal() : FBlank;
  }
}

void TcxStandardMask::GetEmptyValue(std::string& S) const {
  S.clear();
  for (const auto& item : FItems) {
    const auto* literal = dynamic_cast<const TcxStandardMaskLiteralItem*>(item.get());
    if (!literal) {
      S += ' ';
    } else if (FSaveLiteralChars) {
      S += literal->Literal();
    }
  }
}
