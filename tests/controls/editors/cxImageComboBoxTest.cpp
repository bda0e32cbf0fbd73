// The image combo box: items found by exact value and by description, the
// defaults for a value no item holds, the value of a lookup index (Null
// outside the items), the image and text layout on real windows and in
// pixels, the list's rows, the filter helper and the unit's registration.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/editors/base/cxEditProperties.h"
#include "controls/editors/dropdown/cxImageComboBox.h"
#include "controls/foundation/base/cxVariants.h"
#include "platform/classes/FormReader.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Variants.h"
#include "tests/controls/editors/DropDownEditorFixture.h"
#include "tests/controls/editors/EditUnitsFixture.h"
#include "tests/support/FakeClipboard.h"

namespace {

constexpr uint32_t kRed = 0x00FF0000;
constexpr int kImageSize = 8;

// Adds `count` solid red square images of `size`.
void AddImages(TImageList& images, int count, int size = kImageSize) {
  TBitmap image;
  image.SetSize(size, size);
  image.SetPixels(std::vector<uint32_t>(size * size, kRed));
  for (int i = 0; i < count; ++i) images.Add(image, nullptr);
}

TcxImageComboBoxItem& AddItem(TcxCustomImageComboBoxProperties& properties, const std::string& description,
                              const Variant& value, int imageIndex = -1) {
  TcxImageComboBoxItem& item = properties.Items().Add();
  item.SetDescription(description);
  item.SetValue(value);
  item.SetImageIndex(imageIndex);
  return item;
}

// The smallest rectangle holding the pixels of `colour`; empty when none.
TRect BoundsOfColour(const TBitmap& bitmap, COLORREF colour) {
  TRect found{bitmap.Width(), bitmap.Height(), 0, 0};
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (GetPixel(bitmap.DC(), x, y) == colour) {
        found.left = std::min<LONG>(found.left, x);
        found.top = std::min<LONG>(found.top, y);
        found.right = std::max<LONG>(found.right, x + 1);
        found.bottom = std::max<LONG>(found.bottom, y + 1);
      }
  return found.left < found.right ? found : TRect{};
}

int CountOfColour(const TBitmap& bitmap, const TRect& area, COLORREF colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += GetPixel(bitmap.DC(), x, y) == colour ? 1 : 0;
  return count;
}

std::string RectText(const TRect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

class cxImageComboBoxTest : public DropDownEditorTest {
 protected:
  void SetUp() override {
    DropDownEditorTest::SetUp();
    cxImageComboBoxInitialize();
    Form->SetBounds(100, 100, 400, 300);
    Images = CreateComponent<TImageList>(Form.get());
    Images->SetWidth(kImageSize);
    Images->SetHeight(kImageSize);
    Edit = CreateComponent<TcxImageComboBox>(Form.get());
    Edit->SetBounds(10, 10, 200, 24);
    Edit->SetParent(Form.get());
    Form->Show();
    ProcessPendingMessages();
  }
  void TearDown() override {
    Form.reset();
    cxImageComboBoxFinalize();
    DropDownEditorTest::TearDown();
  }

  TcxImageComboBoxProperties& Properties() const { return Edit->PropertiesObject(); }

  TImageList* Images = nullptr;
  TcxImageComboBox* Edit = nullptr;
};

TEST_F(cxImageComboBoxTest, ANewItemTakesTheImageOfItsPositionWhileTheImagesReachIt) {
  struct TCase {
    int ImageCount;
    std::vector<int> ImageIndexes;
  };
  const TCase cases[] = {{0, {-1, -1, -1}}, {2, {0, 1, -1}}, {3, {0, 1, 2}}};
  for (const TCase& c : cases) {
    Properties().Items().Clear();
    Images->Clear();
    AddImages(*Images, c.ImageCount);
    Properties().SetImages(c.ImageCount ? Images : nullptr);
    std::vector<int> indexes;
    for (int i = 0; i < 3; ++i) indexes.push_back(Properties().Items().Add().ImageIndex());
    EXPECT_EQ(indexes, c.ImageIndexes) << c.ImageCount << " images";
    EXPECT_TRUE(VarIsNull(Properties().Items().Items(2).Value()));
  }
}

TEST_F(cxImageComboBoxTest, ValuesFindTheFirstItemOfExactlyThatValueAndIndexesOutsideTheItemsGiveNull) {
  TcxImageComboBoxProperties& properties = Properties();
  AddImages(*Images, 4);
  properties.SetImages(Images);
  properties.SetDefaultDescription("none");
  properties.SetDefaultImageIndex(3);
  AddItem(properties, "Red", Variant(1), 0);
  AddItem(properties, "One", Variant(std::string("one")), 1);
  AddItem(properties, "Blue", Variant(2), 2);
  AddItem(properties, "Second blue", Variant(2), 0);

  struct TValueCase {
    Variant Value;
    std::string Description;
    int ImageIndex;
  };
  const TValueCase values[] = {
      {Variant(1), "Red", 0},    {Variant(std::string("one")), "One", 1},
      {Variant(2), "Blue", 2},   {Variant(std::string("1")), "Red", 0},
      {Variant(3), "none", 3},   {Null(), "none", 3},
      {Variant(1.5), "none", 3},
  };
  for (const TValueCase& c : values) {
    std::string text;
    int imageIndex = -2;
    properties.GetDescriptionAndImageIndex(c.Value, text, imageIndex);
    EXPECT_EQ(text, c.Description) << "value " << &c - values;
    EXPECT_EQ(imageIndex, c.ImageIndex) << "value " << &c - values;
    EXPECT_EQ(properties.GetDisplayText(c.Value, false), c.Description) << "value " << &c - values;
  }

  // A lookup index a list changed after the choice may leave behind gives no item's value.
  struct TIndexCase {
    int Index;
    Variant Value;
  };
  const TIndexCase indexes[] = {{-1, Null()},    {0, Variant(1)}, {1, Variant(std::string("one"))},
                                {3, Variant(2)}, {4, Null()},     {99, Null()},
                                {-2, Null()}};
  for (const TIndexCase& c : indexes) {
    const Variant value = Edit->LookupKeyToEditValue(c.Index);
    EXPECT_EQ(VarType(value), VarType(c.Value)) << c.Index;
    EXPECT_TRUE(VarEqualsExact(value, c.Value)) << c.Index;
  }

  EXPECT_EQ(properties.FindItemByText("blue"), &properties.Items().Items(2));
  EXPECT_EQ(properties.FindItemByText("Blu"), nullptr);
  properties.SetShowDescriptions(false);
  EXPECT_EQ(properties.FindItemByText("Blue"), nullptr);
  std::string text = "x";
  int imageIndex = -2;
  properties.GetDescriptionAndImageIndex(Variant(2), text, imageIndex);
  EXPECT_EQ(text, "");
  EXPECT_EQ(imageIndex, 2);
}

TEST_F(cxImageComboBoxTest, TwoValuesShowAlikeWhenTheirTextsAndWithImagesTheirImagesAreAlike) {
  TcxImageComboBoxProperties& properties = Properties();
  AddItem(properties, "Red", Variant(1), 0);
  AddItem(properties, "Red", Variant(2), 1);
  AddItem(properties, "red", Variant(3), 0);
  EXPECT_TRUE(properties.IsDisplayValueEqual(Variant(1), Variant(2)));
  EXPECT_FALSE(properties.IsDisplayValueEqual(Variant(1), Variant(3)));
  properties.SetImages(Images);
  EXPECT_FALSE(properties.IsDisplayValueEqual(Variant(1), Variant(2)));
}

TEST_F(cxImageComboBoxTest, CapabilitiesFollowTheButtonsAndTheDescriptions) {
  TcxImageComboBoxProperties& properties = Properties();
  ASSERT_GT(properties.Buttons().Count(), 0);
  EXPECT_EQ(properties.GetEditCapabilities().Bits(), 0x31Cu | 0x20u | 0x40u);
  properties.SetShowDescriptions(false);
  properties.Buttons().Clear();
  EXPECT_EQ(properties.GetEditCapabilities().Bits(), 0x31Cu);
}

TEST(cxImageComboBoxLayout, TheImageSitsAtItsSideOrCentredAndTheTextAreaBesideIt) {
  struct TCase {
    const char* Label;
    TRect Client;
    TcxImageAlign Align;
    bool Descriptions;
    TRect Image;
    TRect Text;
  };
  const SIZE image{16, 12};
  const TCase cases[] = {
      {"left", {0, 0, 100, 20}, iaLeft, true, {2, 4, 18, 16}, {20, 0, 100, 20}},
      {"right", {0, 0, 100, 20}, iaRight, true, {82, 4, 98, 16}, {0, 0, 80, 20}},
      {"centred without descriptions", {0, 0, 100, 20}, iaLeft, false, {42, 4, 58, 16}, {0, 0, 0, 20}},
      {"as high as the image", {5, 3, 105, 15}, iaLeft, true, {7, 3, 23, 15}, {25, 3, 105, 15}},
      {"too narrow", {0, 0, 20, 20}, iaLeft, true, {2, 4, 18, 16}, {0, 0, 0, 20}},
  };
  for (const TCase& c : cases) {
    const TcxImageComboBoxLayout layout = CalculateImageComboBoxLayout(c.Client, image, c.Align, c.Descriptions);
    EXPECT_TRUE(EqualRect(&layout.ImageRect, &c.Image)) << c.Label << " image " << RectText(layout.ImageRect);
    EXPECT_TRUE(EqualRect(&layout.TextArea, &c.Text)) << c.Label << " text " << RectText(layout.TextArea);
  }
}

TEST_F(cxImageComboBoxTest, TheEditorDrawsTheImageWhereItsLayoutPutsItAndItsEditNeverCoversIt) {
  AddImages(*Images, 1);
  TcxImageComboBoxProperties& properties = Properties();
  properties.SetImages(Images);
  AddItem(properties, "Red", Variant(1), 0);
  Edit->SetEditValue(Variant(1));
  EXPECT_TRUE(VarEqualsExact(Edit->GetEditValue(), Variant(1)));
  EXPECT_EQ(Edit->Text(), "Red");
  struct TCase {
    TcxImageAlign Align;
    bool Descriptions;
  };
  const TCase cases[] = {{iaLeft, true}, {iaRight, true}, {iaLeft, false}};
  int clientLeft = 0;
  int clientRight = 0;
  for (const TCase& c : cases) {
    properties.SetImageAlign(c.Align);
    properties.SetShowDescriptions(c.Descriptions);
    ProcessPendingMessages();
    TBitmap picture;
    picture.SetSize(Edit->Width(), Edit->Height());
    SendMessageA(Edit->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.DC()), PRF_CLIENT);
    const TRect drawn = BoundsOfColour(picture, RGB(255, 0, 0));
    const auto& viewInfo = static_cast<const TcxImageComboBoxViewInfo&>(Edit->EditViewInfo());
    const std::string label = std::string(c.Align == iaLeft ? "left" : "right") + (c.Descriptions ? "" : " alone");
    EXPECT_TRUE(EqualRect(&drawn, &viewInfo.ImageRect)) << label << " drawn " << RectText(drawn);
    EXPECT_EQ(drawn.right - drawn.left, kImageSize) << label;
    // The client area runs from 2 pixels left of the left-aligned image to 2
    // pixels right of the right-aligned one; the lone image sits in its middle.
    if (!c.Descriptions)
      EXPECT_EQ(drawn.left, clientLeft + 2 + (clientRight - clientLeft - 4 - kImageSize) / 2) << label;
    else if (c.Align == iaLeft)
      clientLeft = drawn.left - 2;
    else
      clientRight = drawn.right + 2;
    if (c.Descriptions && c.Align == iaLeft) {
      EXPECT_LT(drawn.right, viewInfo.TextRect.left) << label;
    }
    if (c.Descriptions && c.Align == iaRight) {
      EXPECT_GT(drawn.left, viewInfo.TextRect.right) << label;
    }
    RECT inner;
    GetWindowRect(Edit->InnerTextEdit()->Edit().Handle(), &inner);
    MapWindowPoints(nullptr, Edit->Handle(), reinterpret_cast<POINT*>(&inner), 2);
    RECT overlap;
    EXPECT_FALSE(IntersectRect(&overlap, &inner, &drawn)) << label << " inner edit " << RectText(inner);
  }
}

TEST_F(cxImageComboBoxTest, FreedImagesAreForgottenAndAChangeOfThemIsAChangeOfTheProperties) {
  TcxImageComboBoxProperties& properties = Properties();
  properties.SetImages(Images);
  properties.SetLargeImages(Images);
  EXPECT_EQ(CountChanges(properties, [&] { AddImages(*Images, 1); }), 2);
  Images->Free();
  EXPECT_EQ(properties.Images(), nullptr);
  EXPECT_EQ(properties.LargeImages(), nullptr);
  EXPECT_EQ(CountChanges(properties, [&] { properties.Items().Add(); }), 1);
}

TEST_F(cxImageComboBoxTest, AFormResourceHoldsTheEditorsItems) {
  TForm form(nullptr);
  ReadComponentResource(form,
                        "object Holder: TForm\n"
                        "  object Combo: TcxImageComboBox\n"
                        "    Properties.Images = Pictures\n"
                        "    Properties.ImageAlign = iaRight\n"
                        "    Properties.Items = <\n"
                        "      item\n"
                        "        Description = 'Red'\n"
                        "        ImageIndex = 0\n"
                        "        Value = 1\n"
                        "      end\n"
                        "      item\n"
                        "        Description = 'Named'\n"
                        "        Value = 'n'\n"
                        "      end>\n"
                        "  end\n"
                        "  object Pictures: TImageList\n"
                        "  end\n"
                        "end\n",
                        "Holder");
  auto* combo = dynamic_cast<TcxImageComboBox*>(form.FindComponent("Combo"));
  ASSERT_NE(combo, nullptr);
  const TcxImageComboBoxProperties& properties = combo->PropertiesObject();
  EXPECT_EQ(properties.Images(), form.FindComponent("Pictures"));
  EXPECT_EQ(properties.ImageAlign(), iaRight);
  ASSERT_EQ(properties.Items().Count(), 2);
  EXPECT_EQ(properties.FindItemByValue(Variant(1)), &properties.Items().Items(0));
  EXPECT_EQ(properties.FindItemByValue(Variant(std::string("n"))), &properties.Items().Items(1));
  EXPECT_EQ(properties.DropDownListStyle(), lsFixedList);
}

// The list prefers the large images; its rows are as high as an image and a
// pixel around it, or as the text, wrapped with several-line descriptions,
// and each row draws its image one pixel inside the image area at its side.
// The item of the editor's value is the chosen row.
TEST_F(cxImageComboBoxTest, TheListsRowsFitTheirImageOrTheirWrappedDescription) {
  constexpr int kLarge = 24;
  auto* large = CreateComponent<TImageList>(Form.get());
  large->SetWidth(kLarge);
  large->SetHeight(kLarge);
  AddImages(*large, 1, kLarge);
  TcxImageComboBoxProperties& properties = Properties();
  AddImages(*Images, 1);
  properties.SetImages(Images);
  AddItem(properties, "Short", Variant(1), 0);
  AddItem(properties, "A description long enough to wrap over several lines of the list", Variant(2), 0);
  auto& list = static_cast<TcxImageComboBoxListBox&>(Edit->ComboLookupData().ComboList());
  const int lineHeight = list.GetItemHeight(-1);
  EXPECT_GT(lineHeight, kImageSize + 2);
  EXPECT_EQ(list.GetItemHeight(1), lineHeight);

  properties.SetLargeImages(large);
  EXPECT_EQ(list.GetItemHeight(0), kLarge + 2);
  EXPECT_EQ(list.GetItemHeight(1), kLarge + 2);
  properties.SetMultiLineText(true);
  Edit->SetEditValue(Variant(1));
  Edit->SetDroppedDown(true);
  ProcessPendingMessages();
  ASSERT_TRUE(Edit->DroppedDown());
  EXPECT_EQ(list.GetItemHeight(0), kLarge + 2);
  EXPECT_GT(list.GetItemHeight(1), kLarge + 2);

  struct TCase {
    TcxImageAlign Align;
    int ImageLeft;
  };
  const int width = list.ClientRect().right;
  const TCase cases[] = {{iaLeft, 1}, {iaRight, width - kLarge - 4 + 1}};
  for (const TCase& c : cases) {
    properties.SetImageAlign(c.Align);
    RECT row;
    SendMessageA(list.Handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const TRect drawnRow = row;
    SendMessageA(list.Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    const TRect otherRow = row;
    TBitmap whole;
    whole.SetSize(width, list.ClientRect().bottom);
    SendMessageA(list.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(whole.DC()), PRF_CLIENT);
    const TRect drawn = BoundsOfColour(whole, RGB(255, 0, 0));
    EXPECT_EQ(drawn.left, c.ImageLeft) << c.Align;
    EXPECT_EQ(drawn.right - drawn.left, kLarge) << c.Align;
    EXPECT_EQ(drawn.top, drawnRow.top + 1) << c.Align;
    const COLORREF highlight = ColorToRGB(clHighlight);
    const int rowArea = (drawnRow.right - drawnRow.left) * (drawnRow.bottom - drawnRow.top);
    EXPECT_GT(CountOfColour(whole, drawnRow, highlight), rowArea / 2) << c.Align << " the value's row is chosen";
    EXPECT_EQ(CountOfColour(whole, otherRow, highlight), 0) << c.Align;
  }
  Edit->SetDroppedDown(false);
}

TEST_F(cxImageComboBoxTest, TypingADescriptionInAnyCaseChoosesItsItemAndItsValue) {
  TcxImageComboBoxProperties& properties = Properties();
  AddItem(properties, "Red", Variant(1));
  AddItem(properties, "Blue", Variant(2));
  AddItem(properties, "Black", Variant(3));
  properties.SetImmediateDropDown(false);
  SetForegroundWindow(Form->Handle());
  const HWND inner = Edit->InnerTextEdit()->Edit().Handle();
  SetFocus(inner);
  for (const char ch : std::string("blue")) SendMessageA(inner, WM_CHAR, static_cast<unsigned char>(ch), 0);
  ProcessPendingMessages();
  EXPECT_EQ(Edit->Text(), "Blue");
  EXPECT_EQ(Edit->ItemIndex(), 1);
  EXPECT_TRUE(VarEqualsExact(Edit->GetEditValue(), Variant(2)));
}

// A fixed list holds an item or nothing, whatever the clipboard brings: a
// pasted item becomes the text, the current item and the value; a text that
// names no item, or no text at all, changes nothing; a cut takes the whole
// text, by Shift+Delete too.
TEST_F(cxImageComboBoxTest, APasteOrACutLeavesAnItemOrNothing) {
  enum TInput { CtrlV, ShiftInsert, ShiftDelete, Paste, Cut };
  struct TCase {
    const char* Name;
    TInput Input;
    int SelStart;
    int SelEnd;
    std::string Pasted;
    std::string Text;
    int ItemIndex;
    std::string Clipboard;
  };
  const TCase cases[] = {
      {"Ctrl+V of an item at the end", CtrlV, 6, 6, "Port 2", "Port 2", 1, "Port 2"},
      {"Shift+Insert of an item at the end", ShiftInsert, 6, 6, "Port 2", "Port 2", 1, "Port 2"},
      {"an item pasted at the caret", Paste, 5, 5, "Port 2", "Port 2", 1, "Port 2"},
      {"an item pasted in another case", Paste, 5, 5, "vlan", "VLAN", 2, "vlan"},
      {"a paste that names no item", Paste, 5, 5, "Port", "Port 1", 0, "Port"},
      {"a cut of the last character", Cut, 5, 6, "", "", -1, "Port 1"},
      {"an empty paste", Paste, 0, 6, "", "Port 1", 0, ""},
      {"an item pasted with the lines after it", Paste, 5, 5, "Port 2\r\nVLAN", "Port 2", 1, "Port 2\r\nVLAN"},
      {"Shift+Delete at the caret", ShiftDelete, 5, 5, "", "", -1, "Port 1"},
  };
  TcxImageComboBoxProperties& properties = Properties();
  for (const char* description : {"Port 1", "Port 2", "VLAN"})
    AddItem(properties, description, Variant(properties.Items().Count() + 1));
  properties.SetImmediateDropDown(false);
  TFakeClipboard clipboard;
  SetForegroundWindow(Form->Handle());
  const HWND inner = Edit->InnerTextEdit()->Edit().Handle();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetEditValue(Variant(1));
    SetFocus(inner);
    SendMessageA(inner, EM_SETSEL, c.SelStart, c.SelEnd);
    clipboard.Text = c.Pasted;
    if (c.Input == CtrlV || c.Input == ShiftInsert || c.Input == ShiftDelete) {
      INPUT keys[4]{};
      const WORD held = c.Input == CtrlV ? VK_CONTROL : VK_SHIFT;
      const WORD key = c.Input == CtrlV ? 'V' : c.Input == ShiftInsert ? VK_INSERT : VK_DELETE;
      const WORD codes[4] = {held, key, key, held};
      for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = codes[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
      }
      SendInput(4, keys, sizeof(INPUT));
    } else {
      SendMessageA(inner, c.Input == Paste ? WM_PASTE : WM_CUT, 0, 0);
    }
    ProcessPendingMessages();
    EXPECT_EQ(Edit->Text(), c.Text);
    EXPECT_EQ(Edit->ItemIndex(), c.ItemIndex);
    const Variant value = c.ItemIndex < 0 ? Null() : Variant(c.ItemIndex + 1);
    EXPECT_TRUE(VarEqualsExact(Edit->GetEditValue(), value)) << VarType(Edit->GetEditValue());
    EXPECT_EQ(clipboard.Text, c.Clipboard);
  }
}

}  // namespace
