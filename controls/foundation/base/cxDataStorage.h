#pragma once
// Value types of the data storage: how one kind of value is kept in a record
// buffer, converted to and from a Variant, compared, shown as text and
// streamed. A value type has no instances of its own: a class reference
// (TcxValueTypeClass) points to the type's stateless singleton, whose virtual
// methods are the class methods.
//
// A record buffer holds GetDataSize bytes per value, without alignment. Fixed
// size types keep the value itself; String, WideString and Variant keep a
// pointer to a holder (nullptr: no value) that FreeBuffer releases. A display
// text buffer always keeps a pointer to a string holder (nullptr: empty text).
#include <string>
#include <vector>

#include "controls/foundation/base/cxVariants.h"

class TcxValueType;
using TcxValueTypeClass = const TcxValueType*;

class TcxValueType {
 public:
  static const TcxValueType Class;

  int CompareValues(const void* Buffer1, const void* Buffer2) const;
  virtual void FreeBuffer(void* Buffer) const;
  void FreeTextBuffer(void* TextBuffer) const;
  virtual int GetDataSize() const { return 0; }
  virtual void GetValue(const void* Buffer, Variant& Value) const;
  virtual std::string GetDisplayText(const void* Buffer) const;
  std::string GetTextBufferText(const void* TextBuffer) const;
  virtual void ReadValue(void* Buffer, TStream& Stream) const;
  void ReadDisplayText(void* TextBuffer, TStream& Stream) const;
  virtual void SetValue(void* Buffer, const Variant& Value) const;
  void SetDisplayText(void* TextBuffer, const std::string& Text) const;
  virtual void WriteValue(const void* Buffer, TStream& Stream) const;
  void WriteDisplayText(const void* TextBuffer, TStream& Stream) const;
  // The class name without "Tcx" and "ValueType": "SQLTimeStamp".
  std::string Caption() const;
  // On prepared buffers (see PrepareValueBuffer).
  virtual int Compare(const void* P1, const void* P2) const;
  // Data is the value itself: for the holder types the holder, not a buffer.
  virtual void GetValueFromData(const void* Data, Variant& Value) const;
  virtual TVarType GetVarType() const { return varVariant; }
  // Converts Value in place to GetVarType; false when it cannot be.
  bool IsValueValid(Variant& Value) const;
  virtual bool IsString() const { return false; }
  // The holder types answer the holder a buffer points to.
  virtual const void* PrepareValueBuffer(const void* Buffer) const { return Buffer; }
  virtual std::string ClassName() const { return "TcxValueType"; }
};

#define NEPL_VALUE_TYPE_CLASS(Name) \
  static const Name Class;          \
  std::string ClassName() const override { return #Name; }

class TcxStringValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxStringValueType)
  void GetValueFromData(const void* Data, Variant& Value) const override;
  int Compare(const void* P1, const void* P2) const override;
  void FreeBuffer(void* Buffer) const override;
  int GetDataSize() const override { return sizeof(void*); }
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varString; }
  bool IsString() const override { return true; }
  const void* PrepareValueBuffer(const void* Buffer) const override;
  void ReadValue(void* Buffer, TStream& Stream) const override;
  void SetValue(void* Buffer, const Variant& Value) const override;
  void WriteValue(const void* Buffer, TStream& Stream) const override;
};

class TcxWideStringValueType : public TcxStringValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxWideStringValueType)
  int Compare(const void* P1, const void* P2) const override;
  void FreeBuffer(void* Buffer) const override;
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varOleStr; }
  void ReadValue(void* Buffer, TStream& Stream) const override;
  void SetValue(void* Buffer, const Variant& Value) const override;
  void WriteValue(const void* Buffer, TStream& Stream) const override;
};

class TcxSmallintValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxSmallintValueType)
  int Compare(const void* P1, const void* P2) const override;
  int GetDataSize() const override { return 2; }
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varSmallint; }
  void ReadValue(void* Buffer, TStream& Stream) const override;
  void SetValue(void* Buffer, const Variant& Value) const override;
  void WriteValue(const void* Buffer, TStream& Stream) const override;
};

class TcxIntegerValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxIntegerValueType)
  int Compare(const void* P1, const void* P2) const override;
  int GetDataSize() const override { return 4; }
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varInteger; }
  void ReadValue(void* Buffer, TStream& Stream) const override;
  void SetValue(void* Buffer, const Variant& Value) const override;
  void WriteValue(const void* Buffer, TStream& Stream) const override;
};

class TcxWordValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxWordValueType)
  int Compare(const void* P1, const void* P2) const override;
  int GetDataSize() const override { return 2; }
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varWord; }
  void ReadValue(void* Buffer, TStream& Stream) const override;
  void SetValue(void* Buffer, const Variant& Value) const override;
  void WriteValue(const void* Buffer, TStream& Stream) const override;
};

class TcxBooleanValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxBooleanValueType)
  int Compare(const void* P1, const void* P2) const override;
  int GetDataSize() const override { return 1; }
  std::string GetDisplayText(const void* Buffer) const override;
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varBoolean; }
  void ReadValue(void* Buffer, TStream& Stream) const override;
  void SetValue(void* Buffer, const Variant& Value) const override;
  void WriteValue(const void* Buffer, TStream& Stream) const override;
};

class TcxFloatValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxFloatValueType)
  int Compare(const void* P1, const void* P2) const override;
  int GetDataSize() const override { return 8; }
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varDouble; }
  void ReadValue(void* Buffer, TStream& Stream) const override;
  void SetValue(void* Buffer, const Variant& Value) const override;
  void WriteValue(const void* Buffer, TStream& Stream) const override;
};

class TcxCurrencyValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxCurrencyValueType)
  int Compare(const void* P1, const void* P2) const override;
  int GetDataSize() const override { return 8; }
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varCurrency; }
  void ReadValue(void* Buffer, TStream& Stream) const override;
  void SetValue(void* Buffer, const Variant& Value) const override;
  void WriteValue(const void* Buffer, TStream& Stream) const override;
};

class TcxDateTimeValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxDateTimeValueType)
  int Compare(const void* P1, const void* P2) const override;
  int GetDataSize() const override { return 8; }
  std::string GetDisplayText(const void* Buffer) const override;
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varDate; }
  void ReadValue(void* Buffer, TStream& Stream) const override;
  void SetValue(void* Buffer, const Variant& Value) const override;
  void WriteValue(const void* Buffer, TStream& Stream) const override;
};

class TcxLargeIntValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxLargeIntValueType)
  int Compare(const void* P1, const void* P2) const override;
  int GetDataSize() const override { return 8; }
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varInt64; }
  void ReadValue(void* Buffer, TStream& Stream) const override;
  void SetValue(void* Buffer, const Variant& Value) const override;
  void WriteValue(const void* Buffer, TStream& Stream) const override;
};

class TcxFMTBcdValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxFMTBcdValueType)
  int Compare(const void* P1, const void* P2) const override;
  int GetDataSize() const override { return sizeof(TBcd); }
  std::string GetDisplayText(const void* Buffer) const override;
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varFMTBcd; }
  void SetValue(void* Buffer, const Variant& Value) const override;
};

class TcxSQLTimeStampValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxSQLTimeStampValueType)
  int Compare(const void* P1, const void* P2) const override;
  int GetDataSize() const override { return sizeof(TSQLTimeStamp); }
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varSQLTimeStamp; }
  void SetValue(void* Buffer, const Variant& Value) const override;
};

class TcxVariantValueType : public TcxValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxVariantValueType)
  void GetValueFromData(const void* Data, Variant& Value) const override;
  int Compare(const void* P1, const void* P2) const override;
  void FreeBuffer(void* Buffer) const override;
  int GetDataSize() const override { return sizeof(void*); }
  void GetValue(const void* Buffer, Variant& Value) const override;
  const void* PrepareValueBuffer(const void* Buffer) const override;
  void SetValue(void* Buffer, const Variant& Value) const override;
};

// Keeps an owned object: the buffer holds its address, FreeBuffer frees it.
// The value is the address as a 64-bit integer.
class TcxObjectValueType : public TcxIntegerValueType {
 public:
  NEPL_VALUE_TYPE_CLASS(TcxObjectValueType)
  int Compare(const void* P1, const void* P2) const override;
  void FreeBuffer(void* Buffer) const override;
  int GetDataSize() const override { return sizeof(void*); }
  void GetValue(const void* Buffer, Variant& Value) const override;
  TVarType GetVarType() const override { return varInt64; }
  void ReadValue(void*, TStream&) const override {}
  void SetValue(void* Buffer, const Variant& Value) const override;
  void WriteValue(const void*, TStream&) const override {}
};

#undef NEPL_VALUE_TYPE_CLASS

class TcxValueTypeClassList {
 public:
  // Adds a class not yet in the list.
  void RegisterClass(TcxValueTypeClass ValueTypeClass);
  void UnregisterClass(TcxValueTypeClass ValueTypeClass);
  int Count() const { return static_cast<int>(FItems.size()); }
  TcxValueTypeClass Items(int Index) const { return FItems.at(static_cast<size_t>(Index)); }

 private:
  std::vector<TcxValueTypeClass> FItems;
};

// The registered value types; made on first use, freed by cxDataStorageFinalize.
TcxValueTypeClassList& cxValueTypeClassList();

// The unit's start and end: register the fourteen types in order, and remove
// them in reverse and free the list. Counted, so only the first start and the
// matching last end act.
void cxDataStorageInitialize();
void cxDataStorageFinalize();
