#pragma once
// Small classes with one published property of every kind, for the form
// reader's tests.
#include <string>
#include <vector>

#include "platform/classes/ClassBuilder.h"

enum TShape { stCircle, stSquare, stTriangle };
enum TFlag { flRed, flGreen, flBlue };
using TFlags = TSet<TFlag>;

inline const TIdentMap kShapes = {{stCircle, "stCircle"}, {stSquare, "stSquare"}, {stTriangle, "stTriangle"}};
inline const TIdentMap kFlags = {{flRed, "flRed"}, {flGreen, "flGreen"}, {flBlue, "flBlue"}};
inline const TIdentMap kColours = {{0x0000FF, "clRed"}, {0xFFFFFF, "clWhite"}, {int64_t{-2147483633}, "clBtnFace"}};

class TGadgetItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TGadgetItem>("TGadgetItem", TCollectionItem::StaticClass())
                                            .String("Caption", &TGadgetItem::Caption, &TGadgetItem::SetCaption)
                                            .Integer("Size", &TGadgetItem::Size, &TGadgetItem::SetSize, 10)
                                            .VariantValue("Value", &TGadgetItem::SetValue)
                                            .Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value) { FCaption = value; }
  int Size() const { return FSize; }
  void SetSize(int value) {
    FSize = value;
    Changed();
  }
  const Variant& Value() const { return FValue; }
  void SetValue(const Variant& value) { FValue = value; }

 private:
  std::string FCaption;
  int FSize = 10;
  Variant FValue;
};

class TGadgetItems : public TCollectionOf<TGadgetItem> {
 public:
  int Updates = 0;

 protected:
  void Update(TCollectionItem*) override { ++Updates; }
};

class TGadgetLimits : public TPersistent {
 public:
  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TGadgetLimits>("TGadgetLimits", TPersistent::StaticClass())
                                            .Integer("MinWidth", &TGadgetLimits::MinWidth, &TGadgetLimits::SetMinWidth)
                                            .Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int value) { FMinWidth = value; }

 private:
  int FMinWidth = 0;
};

class TGadget : public TComponent {
 public:
  using TComponent::TComponent;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TGadget>("TGadget", TComponent::StaticClass())
            .Integer("Count", &TGadget::Count, &TGadget::SetCount, 0)
            .Integer("Color", &TGadget::Color, &TGadget::SetColor, 0xFFFFFF, &kColours)
            .String("Text", &TGadget::Text, &TGadget::SetText)
            .Stored(&TGadget::TextStored)
            .Boolean("Active", &TGadget::Active, &TGadget::SetActive, false)
            .Enumeration("Shape", &TGadget::Shape, &TGadget::SetShape, kShapes, stCircle)
            .Set("Flags", &TGadget::Flags, &TGadget::SetFlags, kFlags, TFlags{flRed})
            .Strings("Lines", &TGadget::Lines)
            .Collection("Items", &TGadget::Items)
            .Object("Limits", &TGadget::Limits)
            .Component("Buddy", &TGadget::Buddy, &TGadget::SetBuddy)
            .Event("OnChange", &TGadget::SetOnChange)
            .Bitmap("Glyph", &TGadget::Glyph, &TGadget::SetGlyph)
            .Char("Mark", &TGadget::Mark, &TGadget::SetMark, '\0')
            .DefineBoolean("Legacy", &TGadget::ReadLegacy)
            .Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  int Count() const { return FCount; }
  void SetCount(int value) { FCount = value; }
  int Color() const { return FColor; }
  void SetColor(int value) { FColor = value; }
  const std::string& Text() const { return FText; }
  void SetText(const std::string& value) { FText = value; }
  bool TextStored() const { return !FText.empty(); }
  bool Active() const { return FActive; }
  void SetActive(bool value) { FActive = value; }
  TShape Shape() const { return FShape; }
  void SetShape(TShape value) { FShape = value; }
  TFlags Flags() const { return FFlags; }
  void SetFlags(TFlags value) { FFlags = value; }
  TStringList& Lines() { return FLines; }
  TGadgetItems& Items() { return FItems; }
  TGadgetLimits& Limits() { return FLimits; }
  TGadget* Buddy() const { return FBuddy; }
  void SetBuddy(TGadget* value) {
    FBuddy = value;
    if (value) value->FreeNotification(this);
  }
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = std::move(value); }
  const std::string& Glyph() const { return FGlyph; }
  void SetGlyph(const std::string& value) { FGlyph = value; }
  char Mark() const { return FMark; }
  void SetMark(char value) { FMark = value; }

  void ReadLegacy(bool value) { LegacyRead.push_back(value); }

  void SetParentComponent(TComponent* parent) override { ParentComponent = parent; }
  void Loaded() override {
    BuddyWhenLoaded = FBuddy;
    TComponent::Loaded();
  }

  TComponent* ParentComponent = nullptr;
  TGadget* BuddyWhenLoaded = nullptr;
  std::vector<bool> LegacyRead;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FBuddy) FBuddy = nullptr;
  }

 private:
  int FCount = 0;
  int FColor = 0xFFFFFF;
  std::string FText;
  bool FActive = false;
  TShape FShape = stCircle;
  TFlags FFlags{flRed};
  TStringList FLines;
  TGadgetItems FItems;
  TGadgetLimits FLimits;
  TGadget* FBuddy = nullptr;
  char FMark = '\0';
  TNotifyEvent FOnChange;
  std::string FGlyph;
};

// A form-like root: two component members and two handlers.
class TPanelRoot : public TComponent {
 public:
  using TComponent::TComponent;
  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TPanelRoot>("TPanelRoot", TComponent::StaticClass())
                                            .Field("Knob", &TPanelRoot::Knob)
                                            .Field("Dial", &TPanelRoot::Dial)
                                            .Method("KnobChange", &TPanelRoot::KnobChange)
                                            .Method("Resized", &TPanelRoot::Resized)
                                            .Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  void KnobChange(TObject* sender) { Changes.push_back(sender); }
  void Resized(int) {}

  TGadget* Knob = nullptr;
  TGadget* Dial = nullptr;
  std::vector<TObject*> Changes;
};
