#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/classes/FormReader.h"
#include "tests/controls/editors/EditUnitsFixture.h"

namespace {

class TcxEditRepositoryTextItem : public TcxEditRepositoryItem {
 public:
  using TcxEditRepositoryItem::TcxEditRepositoryItem;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TcxEditRepositoryTextItem>("TcxEditRepositoryTextItem", TcxEditRepositoryItem::StaticClass())
            .Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
};

class TOtherItem : public TcxEditRepositoryItem {
 public:
  using TcxEditRepositoryItem::TcxEditRepositoryItem;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TOtherItem>("TOtherItem", TcxEditRepositoryItem::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
};

// Records what it hears in a shared log; may let go of its item when told of a change.
class TListener : public IcxEditRepositoryItemListener {
 public:
  TListener(std::string name, std::vector<std::string>& log) : FName(std::move(name)), FLog(log) {}
  void ItemRemoved(TcxEditRepositoryItem*) override { FLog.push_back(FName + " removed"); }
  void PropertiesChanged(TcxEditRepositoryItem* sender) override {
    FLog.push_back(FName + " changed");
    if (LeaveOnChange) sender->RemoveListener(this);
    if (RemoveOnChange) sender->RemoveListener(RemoveOnChange);
  }
  bool LeaveOnChange = false;
  IcxEditRepositoryItemListener* RemoveOnChange = nullptr;

 private:
  std::string FName;
  std::vector<std::string>& FLog;
};

class EditRepositoryTest : public EditUnitsTest {
 protected:
  TOwned<TcxCustomEditProperties> FProperties =
      CreatePersistentOf<TcxCustomEditProperties>(TcxCustomEditProperties::StaticClass(), nullptr);
  TcxEditButtons& FButtons = FProperties->Buttons();
};

TEST_F(EditRepositoryTest, OnlyOneButtonIsTheDefault) {
  for (int index = 0; index < 3; ++index) FButtons.Add();
  FButtons.Items(0).SetDefault(true);
  FButtons.Items(2).SetDefault(true);
  EXPECT_FALSE(FButtons.Items(0).Default());
  EXPECT_FALSE(FButtons.Items(1).Default());
  EXPECT_TRUE(FButtons.Items(2).Default());
  FButtons.Items(2).SetDefault(false);
  EXPECT_FALSE(FButtons.Items(2).Default());
}

TEST_F(EditRepositoryTest, TheGlyphIsMadeOnReadAndItsChangesAreTheButtons) {
  TcxEditButton& button = FButtons.Add();
  EXPECT_FALSE(button.HasGlyph());
  EXPECT_EQ(CountChanges(*FProperties, [&] { EXPECT_TRUE(button.Glyph()->Empty()); }), 0);
  EXPECT_TRUE(button.HasGlyph());
  EXPECT_GE(CountChanges(*FProperties, [&] { button.Glyph()->SetSize(8, 8); }), 1);
  TBitmap other;
  other.SetSize(3, 5);
  other.SetPixels(std::vector<uint32_t>(15, 0xFF00FF00));
  button.SetGlyph(&other);
  EXPECT_EQ(button.Glyph()->Width(), 3);
  EXPECT_EQ(button.Glyph()->GetPixels(), other.GetPixels());
  EXPECT_EQ(CountChanges(*FProperties, [&] { button.SetGlyph(nullptr); }), 1);
  EXPECT_FALSE(button.HasGlyph());
  EXPECT_EQ(CountChanges(*FProperties, [&] { button.SetGlyph(nullptr); }), 0);
}

TEST_F(EditRepositoryTest, ButtonSettersTellOnlyRealChanges) {
  TcxEditButton& button = FButtons.Add();
  struct TCase {
    const char* Label;
    std::function<void()> Action;
    int Expected;
  };
  const TCase cases[] = {
      {"caption", [&] { button.SetCaption("&Open"); }, 1},
      {"same caption", [&] { button.SetCaption("&Open"); }, 0},
      {"kind", [&] { button.SetKind(bkText); }, 1},
      {"same kind", [&] { button.SetKind(bkText); }, 0},
      {"negative width", [&] { button.SetWidth(-5); }, 0},
      {"width", [&] { button.SetWidth(20); }, 1},
      {"width back to the painter's", [&] { button.SetWidth(0); }, 1},
      {"invisible", [&] { button.SetVisible(false); }, 1},
  };
  for (const TCase& c : cases) EXPECT_EQ(CountChanges(*FProperties, c.Action), c.Expected) << c.Label;
  EXPECT_EQ(button.VisibleCaption(), "Open");
  EXPECT_EQ(FButtons.VisibleCount(), 0);
}

TEST_F(EditRepositoryTest, ANegativeWidthIsRefusedAndALaterOneKept) {
  TcxEditButton& button = FButtons.Add();
  button.SetWidth(-5);
  EXPECT_EQ(button.Width(), 0);
  button.SetWidth(20);
  EXPECT_EQ(button.Width(), 20);
  button.SetWidth(-1);
  EXPECT_EQ(button.Width(), 20);
}

TEST_F(EditRepositoryTest, AssigningAButtonCopiesEverythingInOneChange) {
  TcxEditButton& source = FButtons.Add();
  source.SetCaption("A&dd");
  source.SetContentAlignment(taLeftJustify);
  source.SetEnabled(false);
  source.SetKind(bkGlyph);
  source.SetLeftAlignment(true);
  source.SetStretchable(false);
  source.SetTag(7);
  source.SetTextColor(clRed);
  source.SetWidth(30);
  source.Glyph()->SetSize(2, 2);
  TcxEditButton& target = FButtons.Add();
  EXPECT_EQ(CountChanges(*FProperties, [&] { target.Assign(&source); }), 1);
  EXPECT_EQ(target.VisibleCaption(), "Add");
  EXPECT_EQ(target.ContentAlignment(), taLeftJustify);
  EXPECT_FALSE(target.Enabled());
  EXPECT_EQ(target.Kind(), bkGlyph);
  EXPECT_TRUE(target.LeftAlignment());
  EXPECT_FALSE(target.Stretchable());
  EXPECT_EQ(target.Tag(), 7);
  EXPECT_EQ(target.TextColor(), clRed);
  EXPECT_EQ(target.Width(), 30);
  EXPECT_EQ(target.Glyph()->Width(), 2);
  EXPECT_TRUE(TcxEditButton::StaticClass()->FindProperty("Tag")->IsStored(target));
  EXPECT_FALSE(TcxEditButton::StaticClass()->FindProperty("Tag")->IsStored(FButtons.Add()));
}

TEST_F(EditRepositoryTest, BaseNames) {
  TComponent form(nullptr);
  auto* repository = CreateComponent<TcxEditRepository>(&form);
  repository->SetName("Repo");
  struct TCase {
    const char* Label;
    TClass ItemClass;
    bool InRepository;
    std::string Expected;
  };
  const TCase cases[] = {
      {"the base class", TcxEditRepositoryItem::StaticClass(), true, "Repo"},
      {"a kind of item", TcxEditRepositoryTextItem::StaticClass(), true, "RepoTextItem"},
      {"another class name", TOtherItem::StaticClass(), true, "Repo"},
      {"no repository", TcxEditRepositoryTextItem::StaticClass(), false, "TextItem"},
  };
  for (const TCase& c : cases) {
    auto* item = static_cast<TcxEditRepositoryItem*>(c.ItemClass->Create(&form));
    if (c.InRepository) item->SetRepository(repository);
    EXPECT_EQ(item->GetBaseName(), c.Expected) << c.Label;
    EXPECT_EQ(item->HasParent(), c.InRepository) << c.Label;
    item->Free();
  }
  EXPECT_EQ(repository->Count(), 0);
}

TEST_F(EditRepositoryTest, ListenersHearLastFirstAndOneLeavingSkipsNoOther) {
  TComponent form(nullptr);
  auto* repository = CreateComponent<TcxEditRepository>(&form);
  TcxEditRepositoryItem* item = repository->CreateItem(TcxEditRepositoryItem::StaticClass());
  std::vector<std::string> log;
  TListener first("first", log);
  TListener second("second", log);
  TListener third("third", log);
  for (TListener* listener : {&first, &second, &third, &second}) item->AddListener(listener);
  EXPECT_EQ(item->ListenerCount(), 3);
  third.LeaveOnChange = true;
  item->Properties()->SetAutoSelect(false);
  EXPECT_EQ(log, (std::vector<std::string>{"third changed", "second changed", "first changed"}));
  log.clear();
  second.RemoveOnChange = &first;
  item->Properties()->SetAutoSelect(true);
  EXPECT_EQ(log, (std::vector<std::string>{"second changed"}));
  log.clear();
  item->AddListener(&third);
  item->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"third removed", "second removed"}));
  EXPECT_EQ(repository->Count(), 0);
}

TEST_F(EditRepositoryTest, AFormLoadsNestedItemsIntoTheirRepository) {
  RegisterClasses({TcxEditRepository::StaticClass(), TcxEditRepositoryTextItem::StaticClass()});
  for (const bool repositoryFirst : {false, true}) {
    TOwned<TComponent> form(new TComponent(nullptr));
    ReadComponentResource(*form,
                          "object Form1: TComponent\n"
                          "  object Repo: TcxEditRepository\n"
                          "    object Text1: TcxEditRepositoryTextItem\n"
                          "    end\n"
                          "    object Text2: TcxEditRepositoryTextItem\n"
                          "    end\n"
                          "  end\n"
                          "end\n",
                          "test");
    auto* repository = static_cast<TcxEditRepository*>(form->FindComponent("Repo"));
    ASSERT_NE(repository, nullptr);
    ASSERT_EQ(repository->Count(), 2);
    EXPECT_EQ(repository->Items(0)->Name(), "Text1");
    EXPECT_EQ(repository->Items(1)->GetParentComponent(), repository);
    std::vector<std::string> children;
    repository->GetChildren([&](TComponent* child) { children.push_back(child->Name()); }, form.get());
    EXPECT_EQ(children, (std::vector<std::string>{"Text1", "Text2"}));
    if (repositoryFirst) {
      repository->Free();
      EXPECT_EQ(form->ComponentCount(), 0);
    }
  }
  UnRegisterClass(TcxEditRepository::StaticClass());
  UnRegisterClass(TcxEditRepositoryTextItem::StaticClass());
}

TEST_F(EditRepositoryTest, ARepositoryFreesTheItemsItCreatedForItsOwner) {
  TComponent form(nullptr);
  auto* repository = CreateComponent<TcxEditRepository>(&form);
  TcxEditRepositoryItem* item = repository->CreateItemEx(TcxEditRepositoryTextItem::StaticClass(), &form);
  EXPECT_EQ(item->Owner(), &form);
  EXPECT_EQ(item->Properties()->GetOwner(), item);
  repository->CreateItem(TcxEditRepositoryItem::StaticClass());
  EXPECT_EQ(form.ComponentCount(), 3);
  repository->Free();
  EXPECT_EQ(form.ComponentCount(), 0);
}

}  // namespace
