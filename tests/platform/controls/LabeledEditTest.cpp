// A labelled edit's label lives on the edit's parent, keeps its place above
// the edit whichever of the two is moved or resized, follows the edit's
// visibility and enabled state, and goes with the edit.
#include <gtest/gtest.h>

#include <vector>

#include "platform/controls/core/Application.h"
#include "platform/controls/standard/LabeledEdit.h"
#include "platform/controls/drawn/Panel.h"

namespace {

class LabeledEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    Edit = CreateComponent<TLabeledEdit>(Panel.get());
    Edit->SetParent(Panel.get());
  }

  std::vector<int> LabelBounds() {
    const RECT bounds = Edit->EditLabel().BoundsRect();
    return {bounds.left, bounds.top, bounds.right, bounds.bottom};
  }

  TOwned<TPanel> Panel = CreateUnowned<TPanel>();
  TLabeledEdit* Edit = nullptr;
};

}  // namespace

TEST_F(LabeledEditTest, TheLabelSitsAboveTheEditOnItsParent) {
  EXPECT_EQ(Edit->EditLabel().Parent(), Panel.get());
  Edit->SetBounds(20, 80, 250, 21);
  Edit->EditLabel().SetWidth(150);
  EXPECT_EQ(LabelBounds(), (std::vector<int>{20, 64, 170, 77}));
  // A label given other bounds goes back above its edit, keeping its size.
  Edit->EditLabel().SetBounds(0, 0, 150, 30);
  EXPECT_EQ(LabelBounds(), (std::vector<int>{20, 47, 170, 77}));
  Edit->SetTop(100);
  EXPECT_EQ(LabelBounds(), (std::vector<int>{20, 67, 170, 97}));
}

TEST_F(LabeledEditTest, TheLabelShowsAndGreysWithTheEdit) {
  Edit->SetVisible(false);
  Edit->SetEnabled(false);
  EXPECT_FALSE(Edit->EditLabel().Visible());
  EXPECT_FALSE(Edit->EditLabel().Enabled());
  Edit->SetVisible(true);
  Edit->SetEnabled(true);
  EXPECT_TRUE(Edit->EditLabel().Visible());
  EXPECT_TRUE(Edit->EditLabel().Enabled());
}

TEST_F(LabeledEditTest, TheLabelMovesWithTheEditToAnotherParentAndGoesWithIt) {
  const TOwned<TPanel> other = CreateUnowned<TPanel>();
  Edit->SetParent(other.get());
  EXPECT_EQ(Edit->EditLabel().Parent(), other.get());
  EXPECT_EQ(Panel->ControlCount(), 0);
  Edit->Free();
  EXPECT_EQ(other->ControlCount(), 0);
}
