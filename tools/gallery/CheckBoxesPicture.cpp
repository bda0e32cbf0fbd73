#include "tools/gallery/CheckBoxesPicture.h"

#include <iterator>

#include "controls/editors/check/cxCheckBox.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/controls/core/Control.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr int kLabelWidth = 130;
constexpr int kHeaderHeight = 20;
constexpr int kCellWidth = 100;
constexpr int kRowHeight = 22;
constexpr int kBoxHeight = 19;

const struct {
  const char* Label;
  TcxLookAndFeelKind Kind;
} kKinds[] = {{"Flat", lfFlat}, {"Standard", lfStandard}, {"UltraFlat", lfUltraFlat}, {"Office11", lfOffice11}};

const struct {
  const char* Label;
  TcxCheckBoxState State;
} kStates[] = {{"unchecked", cbsUnchecked}, {"checked", cbsChecked}, {"grayed", cbsGrayed}};

const char* const kButtonStates[] = {"normal", "hot", "pressed", "disabled"};

// The styles a check box's view data reads, without a window.
class TSampleCheckBox : public TControl, public IcxContainerStyleOwner {
 public:
  TSampleCheckBox()
      : TControl(nullptr),
        FStyles(this, CreateCheckBoxStyle),
        FProperties(CreatePersistentOf<TcxCheckBoxProperties>(TcxCheckBoxProperties::StaticClass(), nullptr)) {
    FProperties->SetAllowGrayed(true);
  }

  TControl& StyleOwnerControl() override { return *this; }
  bool IsDefaultParentColor() const override { return true; }
  bool IsInplace() const override { return false; }
  bool IsStylePropertyStored(const std::string&, bool) const override { return true; }

  TcxEditStyle& Style() { return static_cast<TcxEditStyle&>(*FStyles.GetStyleByState(csNormal)); }
  TcxCheckBoxProperties& Properties() { return *FProperties; }

 private:
  TcxContainerStyles FStyles;
  TOwned<TcxCheckBoxProperties> FProperties;
};

// The check box with the pointer and the button where a user's would be.
void DrawSample(TcxCanvas& canvas, TSampleCheckBox& box, TcxCheckBoxState state, int buttonState, const TRect& bounds) {
  const bool hot = buttonState == ecsHot || buttonState == ecsPressed;
  std::unique_ptr<TcxCustomEditViewData> data = box.Properties().CreateViewData(box.Style(), false);
  auto& check = static_cast<TcxCustomCheckBoxViewData&>(*data);
  check.Caption = "Option";
  check.Enabled = buttonState != ecsDisabled;
  check.ButtonDownEvent = buttonState == ecsPressed;
  TcxCustomCheckBoxViewInfo viewInfo;
  viewInfo.HotState = hot ? 2 : 1;
  const POINT mouse = hot ? POINT{bounds.left + 8, bounds.top + 8} : POINT{-1, -1};
  const TShiftState shift = buttonState == ecsPressed ? TShiftState{ssLeft} : TShiftState{};
  check.Calculate(canvas, bounds, mouse, mbLeft, shift, viewInfo, true);
  check.EditValueToDrawValue(box.Properties().ValueOfState(state), viewInfo);
  viewInfo.Paint(canvas);
}

void Label(TcxCanvas& canvas, int x, int y, const std::string& text, int width) {
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(text, {x, y, x + width, y + kHeaderHeight}, cxSingleLine | cxAlignLeft | cxAlignVCenter);
}

}  // namespace

void SaveCheckBoxesPicture(const std::string& folder) {
  const int rows = static_cast<int>(std::size(kKinds) * std::size(kStates));
  TBitmap picture;
  picture.SetSize(kLabelWidth + static_cast<int>(std::size(kButtonStates)) * kCellWidth,
                  kHeaderHeight + rows * kRowHeight);
  TcxCanvas canvas(picture.Canvas());
  canvas.FillRectWithColor({0, 0, picture.Width(), picture.Height()}, clBtnFace);
  for (int column = 0; column < static_cast<int>(std::size(kButtonStates)); ++column)
    Label(canvas, kLabelWidth + column * kCellWidth, 0, kButtonStates[column], kCellWidth);
  int top = kHeaderHeight;
  for (const auto& kind : kKinds) {
    TSampleCheckBox box;
    box.Style().LookAndFeel()->SetKind(kind.Kind);
    box.Style().LookAndFeel()->SetNativeStyle(false);
    for (const auto& state : kStates) {
      Label(canvas, 4, top, std::string(kind.Label) + ", " + state.Label, kLabelWidth);
      for (int column = 0; column < static_cast<int>(std::size(kButtonStates)); ++column) {
        const int left = kLabelWidth + column * kCellWidth;
        DrawSample(canvas, box, state.State, column, TRect{left, top, left + kCellWidth - 8, top + kBoxHeight});
      }
      top += kRowHeight;
    }
  }
  picture.SaveToFile(folder + "\\check-boxes.bmp");
}
