#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "tests/platform/classes/TestClasses.h"

namespace {

// Records its name in `log` when destroyed.
class TLoggedComponent : public TComponent {
 public:
  TLoggedComponent(TComponent* owner, std::string name, std::vector<std::string>& log) : TComponent(owner), FLog(log) {
    SetName(name);
  }
  ~TLoggedComponent() override { FLog.push_back(Name()); }

 private:
  std::vector<std::string>& FLog;
};

TEST(TComponent, DeletesOwnedComponentsNewestFirst) {
  std::vector<std::string> log;
  {
    TComponent owner(nullptr);
    new TLoggedComponent(&owner, "first", log);
    auto* second = new TLoggedComponent(&owner, "second", log);
    new TLoggedComponent(second, "grandchild", log);
    new TLoggedComponent(&owner, "third", log);
    EXPECT_EQ(owner.ComponentCount(), 3);
  }
  // A component frees what it owns while it is still whole, before its own destructor runs.
  EXPECT_EQ(log, (std::vector<std::string>{"third", "grandchild", "second", "first"}));
}

TEST(TComponent, AComponentDeletedEarlyLeavesItsOwner) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  child->SetName("Child");
  EXPECT_EQ(owner.FindComponent("CHILD"), child);
  delete child;
  EXPECT_EQ(owner.ComponentCount(), 0);
  EXPECT_EQ(owner.FindComponent("Child"), nullptr);
  EXPECT_THROW(owner.Components(0), EListError);
}

TEST(TComponent, NamesAreUniqueAmongAnOwnersComponents) {
  TComponent owner(nullptr);
  auto* first = new TComponent(&owner);
  auto* second = new TComponent(&owner);
  first->SetName("Edit1");
  first->SetName("Edit1");
  second->SetName("");
  first->SetName("");
  second->SetName("edit2");
  try {
    first->SetName("EDIT2");
    FAIL();
  } catch (const EComponentError& error) {
    EXPECT_EQ(error.Message(), "A component named EDIT2 already exists");
  }
  TComponent unowned(nullptr);
  unowned.SetName("edit2");
}

TEST(TComponent, FreeNotificationClearsAReferenceAcrossOwners) {
  TComponent formA(nullptr);
  auto* holder = new TGadget(&formA);
  {
    TComponent formB(nullptr);
    auto* target = new TGadget(&formB);
    holder->SetBuddy(target);
    EXPECT_EQ(holder->Buddy(), target);
  }
  EXPECT_EQ(holder->Buddy(), nullptr);
}

TEST(TComponent, AHolderDeletedFirstIsNotNotifiedLater) {
  TComponent owner(nullptr);
  auto* target = new TGadget(&owner);
  {
    TComponent other(nullptr);
    auto* holder = new TGadget(&other);
    holder->SetBuddy(target);
  }
  delete target;
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(TComponent, RemovalFromAnOwnerIsPassedOnToItsOtherComponents) {
  TComponent owner(nullptr);
  auto* holder = new TGadget(&owner);
  auto* target = new TGadget(&owner);
  holder->SetBuddy(target);
  holder->RemoveFreeNotification(target);
  delete target;
  EXPECT_EQ(holder->Buddy(), nullptr);
}

TEST(TCollection, TellsItsOwnerOfEveryChangeAndChecksIndexes) {
  TGadget gadget(nullptr);
  TGadgetItems& items = gadget.Items();
  TGadgetItem& first = items.Add();
  items.Add().SetCaption("second");
  EXPECT_EQ(items.Updates, 2);
  first.SetSize(3);
  EXPECT_EQ(items.Updates, 3);
  EXPECT_EQ(items.Items(1).Index(), 1);
  items.Delete(0);
  EXPECT_EQ(items.Items(0).Caption(), "second");
  EXPECT_EQ(items.Items(0).Index(), 0);
  EXPECT_THROW(items.Items(1), EListError);
  EXPECT_THROW(items.Delete(-1), EListError);
  items.Clear();
  EXPECT_EQ(items.Count(), 0);
}

TEST(TCollection, ChangesInsideAnUpdateAreToldOnceAtTheOutermostEnd) {
  TGadget gadget(nullptr);
  TGadgetItems& items = gadget.Items();
  items.BeginUpdate();
  items.BeginUpdate();
  items.Add();
  items.Add().SetSize(4);
  items.Delete(0);
  items.EndUpdate();
  EXPECT_EQ(items.Updates, 0);
  items.EndUpdate();
  EXPECT_EQ(items.Updates, 1);
  items.EndUpdate();
  EXPECT_EQ(items.Updates, 1);
  EXPECT_EQ(items.Items(0).GetOwner(), &items);
}

// Logs where it stands in its collection as it arrives and leaves.
class TTrackedItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  static std::vector<std::string>* Log;

 protected:
  void Inserted() override { Record("in " + std::to_string(Index())); }
  void Removed(int formerIndex) override { Record("out " + std::to_string(formerIndex)); }

 private:
  void Record(const std::string& event) { Log->push_back(event + " of " + std::to_string(Collection().Count())); }
};
std::vector<std::string>* TTrackedItem::Log = nullptr;

TEST(TCollection, AnItemIsInPlaceWhenItArrivesAndGoneWhenItLeaves) {
  struct TCase {
    const char* Label;
    void (*Action)(TCollectionOf<TTrackedItem>&);
    std::vector<std::string> Expected;
  };
  const TCase cases[] = {
      {"added", [](auto& items) { items.Add(); }, {"in 3 of 4"}},
      {"inserted in the middle", [](auto& items) { items.Insert(1); }, {"in 1 of 4"}},
      {"deleted from the middle", [](auto& items) { items.Delete(1); }, {"out 1 of 2"}},
      {"cleared from the last", [](auto& items) { items.Clear(); }, {"out 2 of 2", "out 1 of 1", "out 0 of 0"}},
  };
  for (const TCase& c : cases) {
    TCollectionOf<TTrackedItem> items;
    std::vector<std::string> log;
    TTrackedItem::Log = &log;
    for (int i = 0; i < 3; ++i) items.Add();
    log.clear();
    c.Action(items);
    EXPECT_EQ(log, c.Expected) << c.Label;
  }
  TTrackedItem::Log = nullptr;
}

// The captions of the items in their order.
std::string Order(const TGadgetItems& items) {
  std::string order;
  for (int i = 0; i < items.Count(); ++i) order += items.Items(i).Caption();
  return order;
}

TEST(TCollection, InsertAndMovingAnItemKeepTheOthersInOrderAndRefuseOutOfRangeIndexes) {
  struct TCase {
    const char* Label;
    void (*Action)(TGadgetItems&);
    const char* Order;
  };
  const TCase cases[] = {
      {"insert at the front", [](TGadgetItems& items) { items.Insert(0).SetCaption("x"); }, "xabc"},
      {"insert at the end", [](TGadgetItems& items) { items.Insert(3).SetCaption("x"); }, "abcx"},
      {"first moved last", [](TGadgetItems& items) { items.Items(0).SetIndex(2); }, "bca"},
      {"last moved first", [](TGadgetItems& items) { items.Items(2).SetIndex(0); }, "cab"},
      {"moved onto itself", [](TGadgetItems& items) { items.Items(1).SetIndex(1); }, "abc"},
  };
  for (const TCase& c : cases) {
    TGadget gadget(nullptr);
    TGadgetItems& items = gadget.Items();
    for (const char* caption : {"a", "b", "c"}) items.Add().SetCaption(caption);
    items.Updates = 0;
    c.Action(items);
    EXPECT_EQ(Order(items), c.Order) << c.Label;
    for (int i = 0; i < items.Count(); ++i) EXPECT_EQ(items.Items(i).Index(), i) << c.Label;
    EXPECT_EQ(items.Updates, std::string(c.Order) == "abc" ? 0 : 1) << c.Label;
  }
  TGadget gadget(nullptr);
  TGadgetItems& items = gadget.Items();
  items.Add().SetCaption("a");
  EXPECT_THROW(items.Insert(2), EListError);
  EXPECT_THROW(items.Insert(-1), EListError);
  EXPECT_THROW(items.Items(0).SetIndex(1), EListError);
  EXPECT_EQ(Order(items), "a");
}

TEST(TMetaClass, CreatesRegisteredClassesByNameAndKnowsTheirAncestry) {
  RegisterClasses({TGadget::StaticClass(), TGadget::StaticClass()});
  const TClass cls = GetClass("tgadget");
  ASSERT_EQ(cls, TGadget::StaticClass());
  EXPECT_EQ(cls->ClassParent(), TComponent::StaticClass());
  EXPECT_TRUE(cls->InheritsFrom(TPersistent::StaticClass()));
  EXPECT_FALSE(TComponent::StaticClass()->InheritsFrom(cls));
  EXPECT_EQ(GetClass("TNothing"), nullptr);

  TComponent owner(nullptr);
  TComponent* created = cls->Create(&owner);
  EXPECT_EQ(created->ClassName(), "TGadget");
  EXPECT_EQ(created->Owner(), &owner);
  EXPECT_FALSE(TGadgetItem::StaticClass()->CanCreate());
  EXPECT_THROW(TGadgetItem::StaticClass()->Create(&owner), EComponentError);
  EXPECT_THROW(TGadgetLimits::StaticClass()->CreatePersistent(nullptr), EComponentError);
}

TEST(TMetaClass, RefusesASecondClassUnderARegisteredName) {
  static const TMetaClass impostor("TGadget", TComponent::StaticClass(), nullptr, {}, {}, {});
  RegisterClasses({TGadget::StaticClass()});
  EXPECT_THROW(RegisterClasses({&impostor}), EComponentError);
  EXPECT_EQ(GetClass("TGadget"), TGadget::StaticClass());
}

TEST(TPropertyInfo, StoresOnlyValuesOffTheirDefaultAndAllowedByTheRule) {
  TGadget gadget(nullptr);
  const TMetaClass& cls = *TGadget::StaticClass();
  const TPropertyInfo& color = *cls.FindProperty("Color");
  const TPropertyInfo& flags = *cls.FindProperty("flags");
  const TPropertyInfo& text = *cls.FindProperty("Text");
  EXPECT_FALSE(color.IsStored(gadget));
  EXPECT_FALSE(flags.IsStored(gadget));
  EXPECT_FALSE(text.IsStored(gadget));
  color.SetOrdinal(gadget, 0);
  flags.SetOrdinal(gadget, TFlags{flBlue}.Bits());
  text.SetText(gadget, "x");
  EXPECT_TRUE(color.IsStored(gadget));
  EXPECT_TRUE(flags.IsStored(gadget));
  EXPECT_TRUE(text.IsStored(gadget));
  EXPECT_EQ(gadget.Flags(), TFlags{flBlue});
  EXPECT_EQ(text.GetText(gadget), "x");
  EXPECT_EQ(cls.FindProperty("Name")->GetText(gadget), "");
}

}  // namespace
