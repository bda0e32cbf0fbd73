#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/base/cxGroupBox.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "tests/controls/editors/EditUnitsFixture.h"

namespace {

const char* ChangeName(TcxButtonGroupItemsChange change) {
  switch (change) {
    case bgicAdded: return "added";
    case bgicDeleted: return "deleted";
    case bgicChanged: return "changed";
  }
  return "?";
}

// What the properties' owner sees each time it is told: the change being
// reported with the collection as it stands then, or "update" for a change
// of the collection as a whole.
std::string Observe(const TcxButtonGroupItems& items) {
  if (!items.InChange()) return "update";
  const int index = items.ChangedIndex();
  std::string seen = std::string(ChangeName(items.ChangeType())) + " " + std::to_string(index) + " of " +
                     std::to_string(items.Count());
  if (index < items.Count()) seen += " " + items.Items(index).Caption();
  return seen;
}

class ButtonGroupItemsTest : public EditUnitsTest {
 protected:
  void SetUp() override {
    EditUnitsTest::SetUp();
    FProperties = CreatePersistentOf<TcxCustomEditProperties>(TcxCustomEditProperties::StaticClass(), nullptr);
    FItems = std::make_unique<TcxButtonGroupItems>(FProperties.get());
  }
  void TearDown() override {
    FItems.reset();
    FProperties.reset();
    EditUnitsTest::TearDown();
  }

  void AddItems(const std::vector<std::string>& captions) {
    for (const std::string& caption : captions) FItems->Add().SetCaption(caption);
  }
  std::vector<std::string> Watch(const std::function<void()>& action) {
    std::vector<std::string> seen;
    FProperties->SetOnPropertiesChanged([&](TObject*) { seen.push_back(Observe(*FItems)); });
    action();
    FProperties->SetOnPropertiesChanged(nullptr);
    return seen;
  }

  TOwned<TcxCustomEditProperties> FProperties;
  std::unique_ptr<TcxButtonGroupItems> FItems;
};

TEST_F(ButtonGroupItemsTest, TheOwnerHearsWhichItemChangedAndHow) {
  using TItems = TcxButtonGroupItems;
  struct TCase {
    const char* Label;
    std::function<void(TItems&)> Action;
    std::vector<std::string> Expected;
  };
  const TCase cases[] = {
      {"an added item with its index", [](TItems& items) { items.Add(); }, {"added 5 of 6 ", "update"}},
      {"a deleted item after it left, the later ones moved up",
       [](TItems& items) { items.Delete(2); },
       {"deleted 2 of 4 d", "update"}},
      {"the last item deleted", [](TItems& items) { items.Delete(4); }, {"deleted 4 of 4", "update"}},
      {"another caption", [](TItems& items) { items.Items(3).SetCaption("x"); }, {"changed 3 of 5 x"}},
      {"the same caption", [](TItems& items) { items.Items(3).SetCaption("d"); }, {}},
      {"disabled", [](TItems& items) { items.Items(1).SetEnabled(false); }, {"changed 1 of 5 b"}},
      {"enabled as it was", [](TItems& items) { items.Items(1).SetEnabled(true); }, {}},
      {"a tag", [](TItems& items) { items.Items(1).SetTag(7); }, {}},
      {"cleared from the last item",
       [](TItems& items) { items.Clear(); },
       {"deleted 4 of 4", "deleted 3 of 3", "deleted 2 of 2", "deleted 1 of 1", "deleted 0 of 0", "update"}},
      {"added inside an update of the collection",
       [](TItems& items) {
         items.BeginUpdate();
         items.Add();
         items.Delete(0);
         items.EndUpdate();
       },
       {"added 5 of 6 ", "deleted 0 of 5 b", "update"}},
  };
  for (const TCase& c : cases) {
    FItems->Clear();
    AddItems({"a", "b", "c", "d", "e"});
    EXPECT_EQ(Watch([&] { c.Action(*FItems); }), c.Expected) << c.Label;
    EXPECT_FALSE(FItems->InChange()) << c.Label;
  }
}

TEST_F(ButtonGroupItemsTest, NothingIsReportedWhileThePropertiesHoldTheirChangesBack) {
  AddItems({"a", "b", "c"});
  FItems->Delete(1);
  FProperties->SetChangedLocked(true);
  FItems->Add();
  FItems->Items(0).SetEnabled(false);
  FItems->Delete(0);
  FProperties->SetChangedLocked(false);
  EXPECT_EQ(FItems->ChangeType(), bgicDeleted);
  EXPECT_EQ(FItems->ChangedIndex(), 1);
}

TEST_F(ButtonGroupItemsTest, ACollectionOnItsWayOutTellsNothing) {
  AddItems({"a", "b", "c"});
  int told = 0;
  FProperties->SetOnPropertiesChanged([&](TObject*) { ++told; });
  FItems.reset();
  EXPECT_EQ(told, 0);
}

TEST_F(ButtonGroupItemsTest, AssignCopiesCaptionEnabledAndTag) {
  AddItems({"a", "b"});
  TcxButtonGroupItem& source = FItems->Items(0);
  TcxButtonGroupItem& target = FItems->Items(1);
  source.SetEnabled(false);
  source.SetTag(-3);
  EXPECT_EQ(Watch([&] { target.Assign(&source); }), (std::vector<std::string>{"changed 1 of 2 a", "changed 1 of 2 a"}));
  EXPECT_EQ(target.Caption(), "a");
  EXPECT_FALSE(target.Enabled());
  EXPECT_EQ(target.Tag(), -3);
  EXPECT_THROW(target.Assign(FItems.get()), EConvertError);
}

TEST_F(ButtonGroupItemsTest, AssignedCollectionsReportEachItemAndOneUpdate) {
  AddItems({"a"});
  TcxButtonGroupItems other(nullptr);
  other.Add().SetCaption("x");
  other.Add().SetEnabled(false);
  EXPECT_EQ(Watch([&] { FItems->Assign(&other); }),
            (std::vector<std::string>{"deleted 0 of 0", "added 0 of 1 ", "changed 0 of 1 x", "added 1 of 2 ",
                                      "changed 1 of 2 ", "update"}));
  EXPECT_EQ(FItems->Items(0).Caption(), "x");
  EXPECT_FALSE(FItems->Items(1).Enabled());
}

TEST_F(ButtonGroupItemsTest, ATagIsStoredOnlyWhenNotZero) {
  TcxButtonGroupItem& item = FItems->Add();
  const struct {
    int Tag;
    bool Stored;
  } cases[] = {{0, false}, {1, true}, {-1, true}};
  for (const auto& c : cases) {
    item.SetTag(c.Tag);
    EXPECT_EQ(item.IsTagStored(), c.Stored) << c.Tag;
  }
}

TEST_F(ButtonGroupItemsTest, TheCheckStatesReadTheCaptionsThroughTheItems) {
  AddItems({"ab", "c", "d"});
  const IcxCheckItems& checkItems = *FItems;
  EXPECT_EQ(checkItems.GetCount(), 3);
  EXPECT_EQ(checkItems.GetCaption(1), "c");
  EXPECT_THROW(checkItems.GetCaption(3), EListError);
  EXPECT_EQ(CalculateCheckStatesValue({cbsGrayed, cbsChecked, cbsUnchecked}, checkItems, cvfCaptions).AsString(),
            "2:ab;1:c");
}

}  // namespace
