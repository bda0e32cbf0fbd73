#pragma once
// The image combo box: a fixed-list combo box whose items each carry a
// description, an image index and a value of any type. The edit value is
// the chosen item's value; the editor shows the item's image and,
// optionally, its description, and its list draws the images with one- or
// several-line descriptions. A value no item holds shows the default
// description and image.
#include <windows.h>

#include <string>

#include "controls/editors/dropdown/cxComboBox.h"
#include "platform/classes/Collection.h"
#include "platform/controls/common/ImageList.h"
#include "platform/rtl/Variants.h"

// Where the image stands beside the description.
enum TcxImageAlign { iaLeft, iaRight };
const TIdentMap& ImageAlignIdents();

class TcxCustomImageComboBoxProperties;

class TcxImageComboBoxItem : public TCollectionItem {
 public:
  explicit TcxImageComboBoxItem(TCollection& collection) : TCollectionItem(collection) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;

  const std::string& Description() const { return FDescription; }
  void SetDescription(const std::string& value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  int Tag() const { return FTag; }
  void SetTag(int value) { FTag = value; }
  // Two values are the same only with the same type and contents.
  const Variant& Value() const { return FValue; }
  void SetValue(const Variant& value);

 protected:
  // A new item shows the image of its own position when the images reach it.
  void Inserted() override;

 private:
  std::string FDescription;
  int FImageIndex = -1;
  int FTag = 0;
  Variant FValue = Null();
};

// The items of the properties; every change of them is a change of the properties.
class TcxImageComboBoxItems : public TCollectionOf<TcxImageComboBoxItem> {
 public:
  explicit TcxImageComboBoxItems(TcxCustomImageComboBoxProperties& properties);

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxCustomImageComboBoxProperties& Properties() const { return FProperties; }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TcxCustomImageComboBoxProperties& FProperties;
};

class TcxCustomImageComboBoxProperties : public TcxCustomComboBoxProperties {
 public:
  explicit TcxCustomImageComboBoxProperties(TPersistent* owner);
  ~TcxCustomImageComboBoxProperties() override;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;

  const std::string& DefaultDescription() const { return FDefaultDescription; }
  void SetDefaultDescription(const std::string& value);
  int DefaultImageIndex() const { return FDefaultImageIndex; }
  void SetDefaultImageIndex(int value);
  TcxImageAlign ImageAlign() const { return FImageAlign; }
  void SetImageAlign(TcxImageAlign value);
  // The images of the editor and, without LargeImages, of its list. A change
  // of the images is a change of the properties; a list that goes is forgotten.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* value);
  TcxImageComboBoxItems& Items() const { return *FItems; }
  TImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TImageList* value);
  // The list wraps long descriptions over several lines.
  bool MultiLineText() const { return FMultiLineText; }
  void SetMultiLineText(bool value);
  bool ShowDescriptions() const { return FShowDescriptions; }
  void SetShowDescriptions(bool value);

  // The first item holding exactly this value, or nullptr.
  TcxImageComboBoxItem* FindItemByValue(const Variant& value) const;
  // With descriptions shown, the first item described so, case ignored; else nullptr.
  TcxImageComboBoxItem* FindItemByText(const std::string& text) const;
  // The item's description (the default one without an item; none when
  // descriptions are hidden) and image index (the default without an item).
  void GetDescriptionAndImageIndex(const TcxImageComboBoxItem* item, std::string& text, int& imageIndex) const;
  void GetDescriptionAndImageIndex(const Variant& value, std::string& text, int& imageIndex) const;
  // The images the list shows: the large ones when there are.
  TImageList* ListImages() const { return FLargeImages ? FLargeImages : FImages; }

  std::string GetDisplayText(const Variant& editValue, bool fullText) const override;
  bool IsEditValueValid(Variant&, bool) const override { return true; }
  bool IsDisplayValueEqual(const Variant& editValue1, const Variant& editValue2) override;
  TcxEditCapabilities GetEditCapabilities() const override;
  bool FindLookupText(const std::string& text) const override { return FindItemByText(text) != nullptr; }
  bool IsChangeReportedByInnerEdit() const override { return false; }
  TClass GetContainerClass() const override;
  TcxContainerViewInfoClass GetViewInfoClass() const override;
  TcxCustomEditViewDataClass GetViewDataClass() const override;
  TClass GetLookupDataClass() const override;
  void FreeNotification(TComponent* component) override;

 protected:
  std::string DisplayValueText(const Variant& editValue) const override;

 private:
  template <class V>
  void Change(V& field, V value);
  void LinkImages(TImageList*& field, TImageList* value, TChangeLink& link);

  std::string FDefaultDescription;
  int FDefaultImageIndex = -1;
  TcxImageAlign FImageAlign = iaLeft;
  TImageList* FImages = nullptr;
  TChangeLink FImagesLink;
  TOwned<TcxImageComboBoxItems> FItems;
  TImageList* FLargeImages = nullptr;
  TChangeLink FLargeImagesLink;
  bool FMultiLineText = false;
  bool FShowDescriptions = true;
};

// The image combo box's settings as a form holds them.
class TcxImageComboBoxProperties : public TcxCustomImageComboBoxProperties {
 public:
  using TcxCustomImageComboBoxProperties::TcxCustomImageComboBoxProperties;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }
};

// Where the image and the text area lie in the client area: the image at
// the reading side the alignment names, or centred without descriptions;
// no text area when the client area is no wider than the image.
struct TcxImageComboBoxLayout {
  TRect ImageRect{};
  TRect TextArea{};
};
TcxImageComboBoxLayout CalculateImageComboBoxLayout(const TRect& clientRect, SIZE imageSize, TcxImageAlign align,
                                                    bool showDescriptions);

class TcxImageComboBoxViewInfo : public TcxCustomTextEditViewInfo {
 public:
  TRect ImageRect{};
  int ImageIndex = -1;
  TImageList* Images = nullptr;
  TcxImageAlign ImageAlign = iaLeft;
  bool ShowDescriptions = true;

  void Assign(const TcxContainerViewInfo* source) override;
  void Offset(int dx, int dy) override;

 protected:
  // The image, clipped to its rectangle, then the text around it.
  void DrawTextContent(TcxCanvas& canvas) override;
};

class TcxImageComboBoxViewData : public TcxCustomComboBoxViewData {
 public:
  using TcxCustomComboBoxViewData::TcxCustomComboBoxViewData;

  void Calculate(TcxCanvas& canvas, const TRect& bounds, const POINT& mousePoint, TMouseButton button,
                 TShiftState shift, TcxCustomEditViewInfo& viewInfo, bool isMouseEvent) override;
  void EditValueToDrawValue(const Variant& editValue, TcxCustomEditViewInfo& viewInfo) override;
  SIZE GetEditSize(TcxCanvas& canvas, int contentWidth) override;

 private:
  TcxCustomImageComboBoxProperties& ImageProperties() const {
    return static_cast<TcxCustomImageComboBoxProperties&>(Properties);
  }
  void CalculateImageLayout(TcxImageComboBoxViewInfo& viewInfo) const;
};

// The items as the editor walks them: their descriptions.
class TcxImageComboBoxLookupData : public TcxComboBoxLookupData {
 public:
  using TcxComboBoxLookupData::TcxComboBoxLookupData;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  int GetItemCount() const override;
  // "" outside the items.
  std::string GetItem(int index) const override;
  // The current item follows the edit value, unless the data itself changed the text.
  void TextChanged() override;
  // Several-line descriptions wrap in the width the popup offers.
  SIZE GetListSize(int width, int maxHeight) override;

 protected:
  TcxCustomEditListBox* CreateList() override;

 private:
  const TcxCustomImageComboBoxProperties& ImageProperties() const;
};

// The drop-down list: rows as high as their image or their (wrapped)
// description, each drawn with its image at the aligned side.
class TcxImageComboBoxListBox : public TcxComboBoxListBox {
 public:
  using TcxComboBoxListBox::TcxComboBoxListBox;

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  // Row `index` is as high as its image or its description, wrapped in the
  // text width with several-line descriptions.
  int GetItemHeight(int index) override;
  using TcxCustomComboBoxListBox::GetItemHeight;
  // The description with its image and margins.
  int GetItemWidth(int index) override;

 protected:
  // Every row is measured: its image or its wrapped description decides.
  bool HasVariableItemHeight() const override;
  bool DoDrawItem(int index, const TRect& rect, TOwnerDrawState state) override;

 private:
  const TcxCustomImageComboBoxProperties& ImageProperties() const;
  // The width the descriptions wrap in: the list less the image and, when
  // the rows overflow, the scroll bar.
  int TextWidth() const;
};

class TcxCustomImageComboBox : public TcxCustomComboBox {
 public:
  explicit TcxCustomImageComboBox(TComponent* owner, bool inplace = false,
                                  TClass propertiesClass = TcxCustomImageComboBoxProperties::StaticClass());

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxCustomImageComboBoxProperties& ImageProperties() const {
    return static_cast<TcxCustomImageComboBoxProperties&>(*ActiveProperties());
  }

  bool IsValidChar(char key) override { return static_cast<unsigned char>(key) >= ' '; }
  // The value of the item at `index`; Null for an index outside the items,
  // which a list changed after the choice may leave behind.
  Variant LookupKeyToEditValue(int index) const;
  // The value of the item the editor stands on.
  Variant EditValueFromDisplayText(const std::string& text) override;
  // A new value shows its item's image at once and makes that item the current one.
  void UpdateDisplayFromEditValue() override;
  // Every value may stand, whatever text it shows.
  void ValidateLookupText() override {}

 protected:
  // The looks show the image of the edit value's item.
  void CalculateViewInfo(POINT point, bool isMouseEvent) override;
};

class TcxImageComboBox : public TcxCustomImageComboBox {
 public:
  explicit TcxImageComboBox(TComponent* owner, bool inplace = false)
      : TcxCustomImageComboBox(owner, inplace, TcxImageComboBoxProperties::StaticClass()) {}

  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TcxImageComboBoxProperties& PropertiesObject() const {
    return static_cast<TcxImageComboBoxProperties&>(*Properties());
  }
};

// A filter row's editor for an image combo's values: its items, chosen from
// the list with their descriptions shown.
class TcxFilterImageComboBoxHelper : public TcxFilterComboBoxHelper {
 public:
  static TClass StaticClass();
  TClass ClassType() const override { return StaticClass(); }

  TClass GetFilterEditClass() const { return TcxImageComboBox::StaticClass(); }
  TcxFilterOperatorKinds GetSupportedFilterOperators(const TcxCustomEditProperties& properties,
                                                     TcxValueTypeClass valueType, bool extended) const override;
  void InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const override;
};

// Registers the image combo's properties with its filter helper and the
// editor with the form reader; the end undoes it.
void cxImageComboBoxInitialize();
void cxImageComboBoxFinalize();
