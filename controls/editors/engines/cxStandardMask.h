#pragma once
// The picture mask of a masked edit ("(000) 000-0000;1;_"): one item per
// character position of the displayed text, which says what may stand there.
// It places typed or pasted text into the positions, builds the empty display
// text, turns a display text into the edit value and tells whether a text
// fills the mask completely. It never raises: what does not fit is dropped.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TcxStandardMaskCustomItem {
 public:
  virtual ~TcxStandardMaskCustomItem() = default;
  // Whether the character may stand at this position; it may change the
  // character's case.
  virtual bool Check(char& Ch) const = 0;
};

class TcxStandardMaskLiteralItem : public TcxStandardMaskCustomItem {
 public:
  explicit TcxStandardMaskLiteralItem(char Literal) : FLiteral(Literal) {}
  char Literal() const { return FLiteral; }
  bool Check(char& Ch) const override { return Ch == FLiteral; }

 private:
  char FLiteral;
};

enum TcxStandardMaskCaseConversion : uint8_t { mccUpper = 0, mccLower = 1, mccNone = 2 };

// An input position, which the user fills.
class TcxStandardMaskManyItem : public TcxStandardMaskCustomItem {
 public:
  TcxStandardMaskManyItem(bool Optional, uint8_t CaseConversion)
      : FCaseConversion(CaseConversion), FOptional(Optional) {}
  uint8_t CaseConversion() const { return FCaseConversion; }
  bool Optional() const { return FOptional; }

 protected:
  // The item's case is applied whether the character was accepted or not.
  bool ConvertCase(bool Accepted, char& Ch) const;

 private:
  uint8_t FCaseConversion;
  bool FOptional;
};

class TcxStandardMaskAlphaItem : public TcxStandardMaskManyItem {
 public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
  bool Check(char& Ch) const override;
};

class TcxStandardMaskAlphaNumericItem : public TcxStandardMaskManyItem {
 public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
  bool Check(char& Ch) const override;
};

class TcxStandardMaskASCIIItem : public TcxStandardMaskManyItem {
 public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
  bool Check(char& Ch) const override;
};

class TcxStandardMaskNumericItem : public TcxStandardMaskManyItem {
 public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;
  bool Check(char& Ch) const override;
};

// A digit or a sign; such a position may always stay blank.
class TcxStandardMaskNumericSymbolItem : public TcxStandardMaskManyItem {
 public:
  explicit TcxStandardMaskNumericSymbolItem(uint8_t CaseConversion) : TcxStandardMaskManyItem(true, CaseConversion) {}
  bool Check(char& Ch) const override;
};

class TcxStandardMask {
 public:
  char Blank() const { return FBlank; }
  bool FillFromEnd() const { return FFillFromEnd; }
  bool SaveLiteralChars() const { return FSaveLiteralChars; }
  const std::string& Mask() const { return FMask; }
  int Count() const { return static_cast<int>(FItems.size()); }
  const TcxStandardMaskCustomItem& Items(int Index) const { return *FItems[Index]; }

  void Clear();
  void Compile(const std::string& Mask);
  // Places the characters of Text into the positions; Text becomes the whole
  // display text, Count characters long.
  void Format(std::string& Text, bool ConvertCase, bool TextHasLiterals) const;
  void ExtractValue(std::string& Text) const;
  bool IsFullValid(std::string& Text) const;
  void GetEmptyText(std::string& S) const;
  void GetEmptyValue(std::string& S) const;

 private:
  static constexpr char DefaultBlank = '_';

  template <typename TItem>
  void AddInput(bool Optional, uint8_t CaseConversion) {
    FItems.push_back(std::make_unique<TItem>(Optional, CaseConversion));
  }
  void ReadFillFromEnd();
  void CompileStandardMask();
  bool ReadFieldSeparator(size_t& Index);
  bool IsLiteral(int Index) const;
  bool IsBlankOrSpace(char Ch) const { return Ch == FBlank || Ch == ' '; }
  struct TPlacing {
    int Step;  // 1 from the start, -1 from the end
    bool SkipLiterals;
    bool ConvertCase;
  };
  // The position that takes Ch, trying from Cursor onwards, and what it
  // shows there; -1 when no position takes it.
  int PlaceChar(char Ch, const TPlacing& Placing, int Cursor, char& Shown) const;

  char FBlank = DefaultBlank;
  std::vector<std::unique_ptr<TcxStandardMaskCustomItem>> FItems;
  bool FFillFromEnd = false;
  bool FSaveLiteralChars = true;
  std::string FMask;
};
