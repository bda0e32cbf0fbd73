#include "controls/editors/dropdown/cxImageComboBox.h"

#include <algorithm>

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/base/cxEditRepository.h"
#include "controls/foundation/base/cxVariants.h"
#include "controls/foundation/container/cxContainerRoutines.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/rtl/Units.h"

namespace {

// The image keeps this far from the client's sides and from the text.
constexpr int kImageMargin = 2;
// What the image combo can do beyond the edit base: the bits of the capability set.
constexpr uint32_t kImageComboCapabilities = 0x31C;
constexpr uint32_t kButtonsCapability = 0x20;
constexpr uint32_t kDescriptionsCapability = 0x40;
// The list's text takes this much room around it.
constexpr int kListTextInset = 2;
constexpr int kListImageRoom = 4;
constexpr UINT kMultiLineMeasureFlags = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
constexpr UINT kMultiLineDrawFlags = DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK;
constexpr UINT kSingleLineDrawFlags = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER;
// A row of one line is as high as this text and a pixel above and below.
constexpr const char* kRowHeightText = "Wg";

const TIdentMap kImageAligns = {{iaLeft, "iaLeft"}, {iaRight, "iaRight"}};

TcxFilterImageComboBoxHelper gFilterImageComboBoxHelper;
TUnitGuard gUnit;

int RectWidth(const TRect& r) { return r.right - r.left; }
int RectHeight(const TRect& r) { return r.bottom - r.top; }

}  // namespace

const TIdentMap& ImageAlignIdents() { return kImageAligns; }

// ---- the items

TClass TcxImageComboBoxItem::StaticClass() {
  using I = TcxImageComboBoxItem;
  static const TMetaClass metaClass = TClassBuilder<I>("TcxImageComboBoxItem", TCollectionItem::StaticClass())
                                          .String("Description", &I::Description, &I::SetDescription)
                                          .Integer("ImageIndex", &I::ImageIndex, &I::SetImageIndex, -1)
                                          .Integer("Tag", &I::Tag, &I::SetTag, 0)
                                          .VariantValue("Value", &I::SetValue)
                                          .Build();
  return &metaClass;
}

void TcxImageComboBoxItem::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxImageComboBoxItem*>(source);
  if (!other) return TCollectionItem::Assign(source);
  SetDescription(other->FDescription);
  SetImageIndex(other->FImageIndex);
  SetTag(other->FTag);
  SetValue(other->FValue);
}

void TcxImageComboBoxItem::SetDescription(const std::string& value) {
  if (value == FDescription) return;
  FDescription = value;
  Changed();
}

void TcxImageComboBoxItem::SetImageIndex(int value) {
  if (value == FImageIndex) return;
  FImageIndex = value;
  Changed();
}

void TcxImageComboBoxItem::SetValue(const Variant& value) {
  if (VarEqualsExact(value, FValue)) return;
  FValue = value;
  Changed();
}

void TcxImageComboBoxItem::Inserted() {
  const TImageList* images = static_cast<TcxImageComboBoxItems&>(Collection()).Properties().Images();
  if (images && images->Count() >= Collection().Count()) FImageIndex = Index();
}

TcxImageComboBoxItems::TcxImageComboBoxItems(TcxCustomImageComboBoxProperties& properties)
    : TCollectionOf<TcxImageComboBoxItem>(&properties), FProperties(properties) {}

TClass TcxImageComboBoxItems::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxImageComboBoxItems>("TcxImageComboBoxItems", TCollection::StaticClass()).Build();
  return &metaClass;
}

void TcxImageComboBoxItems::Update(TCollectionItem*) { FProperties.Changed(); }

// ---- the properties

TClass TcxCustomImageComboBoxProperties::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomImageComboBoxProperties>("TcxCustomImageComboBoxProperties",
                                                      TcxCustomComboBoxProperties::StaticClass())
          .Build();
  return &metaClass;
}

TcxCustomImageComboBoxProperties::TcxCustomImageComboBoxProperties(TPersistent* owner)
    : TcxCustomComboBoxProperties(owner), FItems(new TcxImageComboBoxItems(*this)) {
  FImagesLink.SetOnChange([this](TObject*) { Changed(); });
  FLargeImagesLink.SetOnChange([this](TObject*) { Changed(); });
  SetDropDownListStyle(lsFixedList);
}

TcxCustomImageComboBoxProperties::~TcxCustomImageComboBoxProperties() = default;

template <class V>
void TcxCustomImageComboBoxProperties::Change(V& field, V value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TcxCustomImageComboBoxProperties::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TcxCustomImageComboBoxProperties*>(source);
  if (!other) return TcxCustomComboBoxProperties::Assign(source);
  BeginUpdate();
  try {
    TcxCustomComboBoxProperties::Assign(source);
    SetDefaultDescription(other->FDefaultDescription);
    SetDefaultImageIndex(other->FDefaultImageIndex);
    SetImageAlign(other->FImageAlign);
    SetImages(other->FImages);
    FItems->Assign(other->FItems.get());
    SetLargeImages(other->FLargeImages);
    SetMultiLineText(other->FMultiLineText);
    SetShowDescriptions(other->FShowDescriptions);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TcxCustomImageComboBoxProperties::SetDefaultDescription(const std::string& value) {
  Change(FDefaultDescription, value);
}
void TcxCustomImageComboBoxProperties::SetDefaultImageIndex(int value) { Change(FDefaultImageIndex, value); }
void TcxCustomImageComboBoxProperties::SetImageAlign(TcxImageAlign value) { Change(FImageAlign, value); }
void TcxCustomImageComboBoxProperties::SetMultiLineText(bool value) { Change(FMultiLineText, value); }
void TcxCustomImageComboBoxProperties::SetShowDescriptions(bool value) { Change(FShowDescriptions, value); }

void TcxCustomImageComboBoxProperties::SetImages(TImageList* value) { LinkImages(FImages, value, FImagesLink); }

void TcxCustomImageComboBoxProperties::SetLargeImages(TImageList* value) {
  LinkImages(FLargeImages, value, FLargeImagesLink);
}

void TcxCustomImageComboBoxProperties::LinkImages(TImageList*& field, TImageList* value, TChangeLink& link) {
  if (value == field) return;
  if (field) {
    field->UnRegisterChanges(link);
    // The other list field may still want to hear of this one's end.
    if (FImages != FLargeImages) field->RemoveFreeNotification(&FreeNotificator());
  }
  field = value;
  if (field) {
    field->RegisterChanges(link);
    field->FreeNotification(&FreeNotificator());
  }
  Changed();
}

void TcxCustomImageComboBoxProperties::FreeNotification(TComponent* component) {
  TcxCustomComboBoxProperties::FreeNotification(component);
  if (component == FImages) SetImages(nullptr);
  if (component == FLargeImages) SetLargeImages(nullptr);
}

TcxImageComboBoxItem* TcxCustomImageComboBoxProperties::FindItemByValue(const Variant& value) const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (VarEqualsExact(FItems->Items(i).Value(), value)) return &FItems->Items(i);
  return nullptr;
}

TcxImageComboBoxItem* TcxCustomImageComboBoxProperties::FindItemByText(const std::string& text) const {
  if (!FShowDescriptions) return nullptr;
  for (int i = 0; i < FItems->Count(); ++i)
    if (StringsEqual(FItems->Items(i).Description(), text, false)) return &FItems->Items(i);
  return nullptr;
}

void TcxCustomImageComboBoxProperties::GetDescriptionAndImageIndex(const TcxImageComboBoxItem* item, std::string& text,
                                                                   int& imageIndex) const {
  text = !FShowDescriptions ? std::string() : item ? item->Description() : FDefaultDescription;
  imageIndex = item ? item->ImageIndex() : FDefaultImageIndex;
}

void TcxCustomImageComboBoxProperties::GetDescriptionAndImageIndex(const Variant& value, std::string& text,
                                                                   int& imageIndex) const {
  GetDescriptionAndImageIndex(FindItemByValue(value), text, imageIndex);
}

std::string TcxCustomImageComboBoxProperties::DisplayValueText(const Variant& editValue) const {
  const TcxImageComboBoxItem* item = FindItemByValue(editValue);
  return item ? item->Description() : FDefaultDescription;
}

std::string TcxCustomImageComboBoxProperties::GetDisplayText(const Variant& editValue, bool) const {
  return DisplayValueText(editValue);
}

bool TcxCustomImageComboBoxProperties::IsDisplayValueEqual(const Variant& editValue1, const Variant& editValue2) {
  std::string text1;
  std::string text2;
  int image1 = -1;
  int image2 = -1;
  GetDescriptionAndImageIndex(editValue1, text1, image1);
  GetDescriptionAndImageIndex(editValue2, text2, image2);
  return text1 == text2 && (!FImages || image1 == image2);
}

TcxEditCapabilities TcxCustomImageComboBoxProperties::GetEditCapabilities() const {
  uint32_t bits = kImageComboCapabilities;
  if (Buttons().Count() > 0) bits |= kButtonsCapability;
  if (FShowDescriptions) bits |= kDescriptionsCapability;
  return TcxEditCapabilities::FromBits(bits);
}

TClass TcxCustomImageComboBoxProperties::GetContainerClass() const { return TcxImageComboBox::StaticClass(); }

TcxContainerViewInfoClass TcxCustomImageComboBoxProperties::GetViewInfoClass() const {
  return [] { return std::unique_ptr<TcxContainerViewInfo>(new TcxImageComboBoxViewInfo); };
}

TcxCustomEditViewDataClass TcxCustomImageComboBoxProperties::GetViewDataClass() const {
  return [](TcxCustomEditProperties& properties, TcxCustomEditStyle& style, bool inplace) {
    return std::unique_ptr<TcxCustomEditViewData>(new TcxImageComboBoxViewData(properties, style, inplace));
  };
}

TClass TcxCustomImageComboBoxProperties::GetLookupDataClass() const {
  return TcxImageComboBoxLookupData::StaticClass();
}

TClass TcxImageComboBoxProperties::StaticClass() {
  using P = TcxImageComboBoxProperties;
  static const TMetaClass metaClass =
      TClassBuilder<P>("TcxImageComboBoxProperties", TcxCustomImageComboBoxProperties::StaticClass())
          .Object("Alignment", [](P& p) -> TPersistent& { return *p.Alignment(); })
          .Stored(&P::IsAlignmentStored)
          .Object("AssignedValues", [](P& p) -> TPersistent& { return *p.AssignedValues(); })
          .Integer("ClearKey", &P::ClearKey, &P::SetClearKey, 0)
          .String("DefaultDescription", &P::DefaultDescription, &P::SetDefaultDescription)
          .Integer("DefaultImageIndex", &P::DefaultImageIndex, &P::SetDefaultImageIndex, -1)
          .Integer("DropDownRows", &P::DropDownRows, &P::SetDropDownRows, 8)
          .Enumeration("ImageAlign", &P::ImageAlign, &P::SetImageAlign, ImageAlignIdents(), iaLeft)
          .Component("Images", &P::Images, &P::SetImages)
          .Enumeration("ImeMode", &P::ImeMode, &P::SetImeMode, ImeModeIdents(), imDontCare)
          .String("ImeName", &P::ImeName, &P::SetImeName)
          .Boolean("ImmediateDropDown", &P::ImmediateDropDown, &P::SetImmediateDropDown, true)
          .Boolean("ImmediatePost", &P::ImmediatePost, &P::SetImmediatePost, false)
          .Boolean("ImmediateUpdateText", &P::ImmediateUpdateText, &P::SetImmediateUpdateText, false)
          .Collection("Items", &P::Items)
          .Component("LargeImages", &P::LargeImages, &P::SetLargeImages)
          .Boolean("MultiLineText", &P::MultiLineText, &P::SetMultiLineText, false)
          .Enumeration("PopupAlignment", &P::PopupAlignment, &P::SetPopupAlignment, AlignmentIdents(), taLeftJustify)
          .Boolean("PostPopupValueOnTab", &P::PostPopupValueOnTab, &P::SetPostPopupValueOnTab, false)
          .Boolean("ReadOnly", &P::ReadOnly, &P::SetReadOnly, false)
          .NoDefault()
          .Stored(&P::IsReadOnlyStored)
          .Boolean("Revertable", &P::Revertable, &P::SetRevertable, false)
          .Boolean("ShowDescriptions", &P::ShowDescriptions, &P::SetShowDescriptions, true)
          .Boolean("ValidateOnEnter", &P::ValidateOnEnter, &P::SetValidateOnEnter, true)
          .Event("OnButtonClick", &P::SetOnButtonClick)
          .Event("OnChange", &P::SetOnChange)
          .Event("OnCloseQuery", &P::SetOnCloseQuery)
          .Event("OnCloseUp", &P::SetOnCloseUp)
          .Event("OnEditValueChanged", &P::SetOnEditValueChanged)
          .Event("OnInitPopup", &P::SetOnInitPopup)
          .Event("OnPopup", &P::SetOnPopup)
          .Event("OnValidate", &P::SetOnValidate)
          .Build();
  return &metaClass;
}

// ---- the looks

// Without descriptions the text area is left empty, so that the editor's own
// edit never covers the centred image.
TcxImageComboBoxLayout CalculateImageComboBoxLayout(const TRect& clientRect, SIZE imageSize, TcxImageAlign align,
                                                    bool showDescriptions) {
  TcxImageComboBoxLayout layout{clientRect, clientRect};
  TRect& image = layout.ImageRect;
  TRect& text = layout.TextArea;
  InflateRect(&image, -kImageMargin, 0);
  if (RectWidth(image) <= imageSize.cx || !showDescriptions) text = TRect{text.left, text.top, text.left, text.bottom};
  if (RectWidth(image) > imageSize.cx) {
    if (!showDescriptions) {
      image.left += (RectWidth(image) - imageSize.cx) / 2;
      image.right = image.left + imageSize.cx;
    } else if (align == iaRight) {
      image.left = image.right - imageSize.cx;
      text.right = image.left - kImageMargin;
    } else {
      image.right = image.left + imageSize.cx;
      text.left = image.right + kImageMargin;
    }
  }
  if (RectHeight(image) > imageSize.cy) {
    image.top += (RectHeight(image) - imageSize.cy) / 2;
    image.bottom = image.top + imageSize.cy;
  }
  return layout;
}

void TcxImageComboBoxViewInfo::Assign(const TcxContainerViewInfo* source) {
  TcxCustomTextEditViewInfo::Assign(source);
  const auto* other = dynamic_cast<const TcxImageComboBoxViewInfo*>(source);
  if (!other) return;
  ImageRect = other->ImageRect;
  ImageIndex = other->ImageIndex;
  Images = other->Images;
  ImageAlign = other->ImageAlign;
  ShowDescriptions = other->ShowDescriptions;
}

void TcxImageComboBoxViewInfo::Offset(int dx, int dy) {
  TcxCustomTextEditViewInfo::Offset(dx, dy);
  OffsetRect(&ImageRect, dx, dy);
}

void TcxImageComboBoxViewInfo::DrawTextContent(TcxCanvas& canvas) {
  const bool hasImage = Images && ImageIndex >= 0 && ImageIndex < Images->Count();
  if (hasImage && RectVisible(canvas.Handle(), &Bounds)) {
    canvas.SaveDC();
    canvas.IntersectClipRect(ImageRect);
    Images->Draw(canvas.Canvas(), ImageRect.left, ImageRect.top, ImageIndex, Enabled);
    canvas.RestoreDC();
    canvas.ExcludeClipRect(ImageRect);
  }
  TcxCustomTextEditViewInfo::DrawTextContent(canvas);
}

void TcxImageComboBoxViewData::Calculate(TcxCanvas& canvas, const TRect& bounds, const POINT& mousePoint,
                                         TMouseButton button, TShiftState shift, TcxCustomEditViewInfo& viewInfo,
                                         bool isMouseEvent) {
  TcxCustomComboBoxViewData::Calculate(canvas, bounds, mousePoint, button, shift, viewInfo, isMouseEvent);
  auto& imageInfo = static_cast<TcxImageComboBoxViewInfo&>(viewInfo);
  const TcxCustomImageComboBoxProperties& properties = ImageProperties();
  imageInfo.ImageAlign = properties.ImageAlign();
  imageInfo.Images = properties.Images();
  imageInfo.ShowDescriptions = properties.ShowDescriptions();
  if (imageInfo.Images) CalculateImageLayout(imageInfo);
  if (!imageInfo.ShowDescriptions) imageInfo.Text.clear();
  imageInfo.LayoutText(canvas);
}

void TcxImageComboBoxViewData::CalculateImageLayout(TcxImageComboBoxViewInfo& viewInfo) const {
  const TImageList& images = *viewInfo.Images;
  const TcxImageComboBoxLayout layout = CalculateImageComboBoxLayout(
      viewInfo.ClientRect, SIZE{images.Width(), images.Height()}, viewInfo.ImageAlign, viewInfo.ShowDescriptions);
  viewInfo.ImageRect = layout.ImageRect;
  TRect text = layout.TextArea;
  if (!Inplace) {
    viewInfo.ClientRect = text;
    viewInfo.InnerEditRect = Editor ? Editor->InnerEditBounds(text) : text;
  }
  InflateRect(&text, -2, -1);
  viewInfo.TextRect = text;
  IntersectRect(&viewInfo.ClientTextRect, &viewInfo.TextRect, &viewInfo.ClientRect);
}

void TcxImageComboBoxViewData::EditValueToDrawValue(const Variant& editValue, TcxCustomEditViewInfo& viewInfo) {
  auto& imageInfo = static_cast<TcxImageComboBoxViewInfo&>(viewInfo);
  ImageProperties().GetDescriptionAndImageIndex(editValue, imageInfo.Text, imageInfo.ImageIndex);
  imageInfo.LayoutText(cxScreenCanvas());
}

SIZE TcxImageComboBoxViewData::GetEditSize(TcxCanvas& canvas, int contentWidth) {
  SIZE size = TcxCustomComboBoxViewData::GetEditSize(canvas, contentWidth);
  const TImageList* images = ImageProperties().Images();
  if (!images) {
    size.cx += 1;
    return size;
  }
  size.cy = std::max<LONG>(size.cy, images->Height());
  size.cx += images->Width() + 5;
  return size;
}

// ---- the lookup data and the list

TClass TcxImageComboBoxLookupData::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxImageComboBoxLookupData>("TcxImageComboBoxLookupData", TcxComboBoxLookupData::StaticClass())
          .Build();
  return &metaClass;
}

const TcxCustomImageComboBoxProperties& TcxImageComboBoxLookupData::ImageProperties() const {
  return static_cast<const TcxCustomImageComboBox&>(Edit()).ImageProperties();
}

int TcxImageComboBoxLookupData::GetItemCount() const { return ImageProperties().Items().Count(); }

std::string TcxImageComboBoxLookupData::GetItem(int index) const {
  const TcxImageComboBoxItems& items = ImageProperties().Items();
  return index >= 0 && index < items.Count() ? items.Items(index).Description() : std::string();
}

void TcxImageComboBoxLookupData::TextChanged() {
  const TcxImageComboBoxItem* item = ImageProperties().FindItemByValue(Edit().GetEditValue());
  SetItemIndex(item ? item->Index() : -1);
}

SIZE TcxImageComboBoxLookupData::GetListSize(int width, int maxHeight) {
  if (!ImageProperties().MultiLineText()) return TcxComboBoxLookupData::GetListSize(width, maxHeight);
  // The rows are measured in the list's own width, so it takes that width first.
  ComboList().SetWidth(width);
  SIZE size = TcxComboBoxLookupData::GetListSize(width, maxHeight);
  if (size.cx > width) size.cy -= GetSystemMetrics(SM_CYHSCROLL);
  size.cx = width;
  return size;
}

TcxCustomEditListBox* TcxImageComboBoxLookupData::CreateList() {
  return new TcxImageComboBoxListBox(nullptr, nullptr, *this);
}

TClass TcxImageComboBoxListBox::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxImageComboBoxListBox>("TcxImageComboBoxListBox", TcxComboBoxListBox::StaticClass()).Build();
  return &metaClass;
}

const TcxCustomImageComboBoxProperties& TcxImageComboBoxListBox::ImageProperties() const {
  return static_cast<const TcxCustomImageComboBoxProperties&>(ComboProperties());
}

int TcxImageComboBoxListBox::TextWidth() const {
  const TcxCustomImageComboBoxProperties& properties = ImageProperties();
  int width = ClientRect().right - kListTextInset;
  if (const TImageList* images = properties.ListImages()) width -= kListImageRoom + images->Width();
  if (properties.MultiLineText() && ItemCount() > properties.DropDownRows()) width -= GetSystemMetrics(SM_CXVSCROLL);
  return width;
}

int TcxImageComboBoxListBox::GetItemHeight(int index) {
  const TcxCustomImageComboBoxProperties& properties = ImageProperties();
  const TImageList* images = properties.ListImages();
  const int imageHeight = images ? images->Height() + 2 : 0;
  const int textWidth = TextWidth();
  TcxCanvas& canvas = cxScreenCanvas();
  canvas.SetFont(Font());
  if (!properties.MultiLineText() || textWidth < 1 || index < 0)
    return std::max(imageHeight, canvas.TextHeight(kRowHeightText) + 2);
  const std::string text = GetItemText(index);
  RECT measured{0, 0, textWidth, 0};
  DrawTextA(canvas.Canvas().RequiredFontHandle(), text.c_str(), static_cast<int>(text.size()), &measured,
            kMultiLineMeasureFlags);
  return std::max(imageHeight, static_cast<int>(measured.bottom) + 2);
}

bool TcxImageComboBoxListBox::HasVariableItemHeight() const { return true; }

// The lookup data adds the margin and the scroll bar the rows need.
int TcxImageComboBoxListBox::GetItemWidth(int index) {
  TcxCanvas& canvas = cxScreenCanvas();
  canvas.SetFont(Font());
  const TImageList* images = ImageProperties().ListImages();
  return canvas.TextWidth(GetItemText(index)) + (images ? images->Width() + kListImageRoom : 0);
}

bool TcxImageComboBoxListBox::DoDrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (Edit().HasDrawItemHandler()) return TcxComboBoxListBox::DoDrawItem(index, rect, state);
  TCanvas& canvas = Canvas();
  canvas.FillRect(rect);
  const TcxCustomImageComboBoxProperties& properties = ImageProperties();
  if (index < 0 || index >= properties.Items().Count()) return true;
  const TcxImageComboBoxItem& item = properties.Items().Items(index);
  TRect textRect = rect;
  textRect.left += kListTextInset;
  if (const TImageList* images = properties.ListImages()) {
    TRect imageArea = rect;
    if (properties.ImageAlign() == iaLeft) {
      imageArea.right = imageArea.left + images->Width() + kListImageRoom;
      textRect.left = std::max(textRect.left, imageArea.right);
    } else {
      imageArea.left = imageArea.right - images->Width() - kListImageRoom;
      textRect.right = std::min(textRect.right, imageArea.left);
    }
    if (item.ImageIndex() >= 0 && item.ImageIndex() < images->Count())
      images->Draw(canvas, imageArea.left + 1, imageArea.top + (RectHeight(imageArea) - images->Height()) / 2,
                   item.ImageIndex(), Enabled());
  }
  const HDC dc = canvas.RequiredFontHandle();
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(dc, ColorToRGB(canvas.Font().Color()));
  const std::string& text = item.Description();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
            properties.MultiLineText() ? kMultiLineDrawFlags : kSingleLineDrawFlags);
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  return true;
}

// ---- the editor

TClass TcxCustomImageComboBox::StaticClass() {
  static const TMetaClass metaClass =
      TClassBuilder<TcxCustomImageComboBox>("TcxCustomImageComboBox", TcxCustomComboBox::StaticClass()).Build();
  return &metaClass;
}

TcxCustomImageComboBox::TcxCustomImageComboBox(TComponent* owner, bool inplace, TClass propertiesClass)
    : TcxCustomComboBox(owner, inplace, propertiesClass) {}

Variant TcxCustomImageComboBox::LookupKeyToEditValue(int index) const {
  const TcxImageComboBoxItems& items = ImageProperties().Items();
  return index >= 0 && index < items.Count() ? items.Items(index).Value() : Null();
}

void TcxCustomImageComboBox::CalculateViewInfo(POINT point, bool isMouseEvent) {
  TcxCustomComboBox::CalculateViewInfo(point, isMouseEvent);
  auto* viewInfo = dynamic_cast<TcxImageComboBoxViewInfo*>(&EditViewInfo());
  if (!viewInfo) return;
  std::string text;
  ImageProperties().GetDescriptionAndImageIndex(GetEditValue(), text, viewInfo->ImageIndex);
  if (!viewInfo->ShowDescriptions) viewInfo->Text.clear();
}

// The inner edit reports no change of its text, so the current item follows
// the value here: the list opens on it and the keys walk on from it.
void TcxCustomImageComboBox::UpdateDisplayFromEditValue() {
  const TcxWeakSelf self(this);
  TcxCustomComboBox::UpdateDisplayFromEditValue();
  if (self.Alive()) LookupData().TextChanged();
  if (self.Alive()) ShortRefreshContainer();
}

Variant TcxCustomImageComboBox::EditValueFromDisplayText(const std::string&) {
  return LookupKeyToEditValue(LookupData().ItemIndex());
}

TClass TcxImageComboBox::StaticClass() {
  using E = TcxImageComboBox;
  static const TMetaClass metaClass = [] {
    TClassBuilder<E> builder("TcxImageComboBox", TcxCustomImageComboBox::StaticClass());
    builder.Object("Properties", &E::PropertiesObject);
    PublishEditStyles(builder)
        .Boolean("BeepOnEnter", &E::BeepOnEnter, &E::SetBeepOnEnter, true)
        .VariantValue("EditValue", &E::SetEditValue)
        .Integer("ItemIndex", &E::ItemIndex, &E::SetItemIndex, -1)
        .Boolean("ParentColor", &E::ParentColor, &E::SetParentColor, false)
        .Boolean("ParentFont", &E::ParentFont, &E::SetParentFont, true)
        .Event("OnClick", &E::SetOnClick)
        .Event("OnEditing", &E::SetOnEditing);
    return PublishEditInputEvents(builder).Build();
  }();
  return &metaClass;
}

// ---- the filter helper

TClass TcxFilterImageComboBoxHelper::StaticClass() {
  static const TMetaClass metaClass("TcxFilterImageComboBoxHelper", TcxFilterComboBoxHelper::StaticClass(), nullptr, {},
                                    {}, {});
  return &metaClass;
}

TcxFilterOperatorKinds TcxFilterImageComboBoxHelper::GetSupportedFilterOperators(const TcxCustomEditProperties&,
                                                                                 TcxValueTypeClass,
                                                                                 bool extended) const {
  TcxFilterOperatorKinds kinds{fokEqual, fokNotEqual, fokNull, fokNotNull};
  if (extended) {
    kinds.Include(fokInList);
    kinds.Include(fokNotInList);
  }
  return kinds;
}

void TcxFilterImageComboBoxHelper::InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const {
  TcxFilterComboBoxHelper::InitializeProperties(properties, keepButtons);
  auto& image = static_cast<TcxCustomImageComboBoxProperties&>(properties);
  image.SetDropDownListStyle(lsFixedList);
  image.SetImmediateDropDown(true);
  image.SetShowDescriptions(true);
}

// ---- the unit

void cxImageComboBoxInitialize() {
  if (!gUnit.Enter()) return;
  GetRegisteredEditProperties()->Register(TcxImageComboBoxProperties::StaticClass(),
                                          cxGetResourceString(cxMsgImageComboBoxRegistration));
  RegisterFilterEditHelper(TcxImageComboBoxProperties::StaticClass(), gFilterImageComboBoxHelper);
  RegisterClasses({TcxImageComboBox::StaticClass()});
}

void cxImageComboBoxFinalize() {
  if (!gUnit.Leave()) return;
  UnRegisterClass(TcxImageComboBox::StaticClass());
  UnregisterFilterEditHelper(TcxImageComboBoxProperties::StaticClass(), gFilterImageComboBoxHelper);
  if (TcxRegisteredClasses* registered = GetRegisteredEditProperties())
    registered->Unregister(TcxImageComboBoxProperties::StaticClass());
}
