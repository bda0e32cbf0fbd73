#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/base/cxClasses.h"
#include "platform/classes/ClassInfo.h"
#include "platform/controls/core/Control.h"

namespace {

// Stand-ins for an editor and a descendant of it, and an unrelated class.
const TMetaClass kEditClass("TcxCustomEdit", TComponent::StaticClass(), nullptr, {}, {}, {});
const TMetaClass kTextEditClass("TcxCustomTextEdit", &kEditClass, nullptr, {}, {}, {});
const TMetaClass kEditPropertiesClass("TcxCustomEditProperties", TPersistent::StaticClass(), nullptr, {}, {}, {});
const TMetaClass kTextEditPropertiesClass("TcxCustomTextEditProperties", &kEditPropertiesClass, nullptr, {}, {}, {});
const TMetaClass kOtherPropertiesClass("TcxOtherProperties", &kEditPropertiesClass, nullptr, {}, {}, {});

TEST(cxClassesTest, ShortDescriptionIsTheNameBeforeTheBar) {
  const struct {
    const char* Description;
    const char* Expected;
  } cases[] = {{"Edit|A text editor", "Edit"}, {"|hint only", ""}, {"No hint", "No hint"}, {"", ""}, {"a|b|c", "a"}};
  for (const auto& c : cases) EXPECT_EQ(GetShortDescription(c.Description), c.Expected) << c.Description;
}

TEST(cxClassesTest, RangeCenterRoundsTowardsMinusInfinity) {
  const struct {
    int A, B, Expected;
  } cases[] = {{0, -3, -2}, {1, 2, 1}, {0, 0, 0}, {0, -1, -1}, {-1, -1, -1}, {-2, -1, -2}, {5, 6, 5}, {-7, 2, -3}};
  for (const auto& c : cases) EXPECT_EQ(GetRangeCenter(c.A, c.B), c.Expected) << c.A << ", " << c.B;
}

TEST(cxClassesTest, RegisteredClassListKeepsAncestorsBeforeDescendantsAndLaterRegistrationsLast) {
  TcxRegisteredClassList list;
  list.Register(&kEditClass, &kEditPropertiesClass);
  list.Register(&kTextEditClass, &kTextEditPropertiesClass);
  list.Register(&kEditClass, &kOtherPropertiesClass);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Items(0).RegisteredClass, &kEditPropertiesClass);
  EXPECT_EQ(list.Items(1).RegisteredClass, &kOtherPropertiesClass);
  EXPECT_EQ(list.Items(2).RegisteredClass, &kTextEditPropertiesClass);

  int index = 0;
  EXPECT_TRUE(list.Find(&kTextEditClass, index));
  EXPECT_EQ(index, 2);
  list.Unregister(&kEditClass, &kOtherPropertiesClass);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Items(1).RegisteredClass, &kTextEditPropertiesClass);
}

TEST(cxClassesTest, RegisteredClassListPlacesAnAncestorBeforeItsFirstDescendant) {
  TcxRegisteredClassList list;
  list.Register(&kTextEditClass, &kTextEditPropertiesClass);
  int index = 0;
  EXPECT_FALSE(list.Find(&kEditClass, index));
  EXPECT_EQ(index, 0);
  list.Register(&kEditClass, &kEditPropertiesClass);
  EXPECT_EQ(list.Items(0).ItemClass, &kEditClass);
  EXPECT_FALSE(list.Find(TControl::StaticClass(), index));
  EXPECT_EQ(index, -1);
}

TEST(cxClassesTest, RegisteredClassesKeepTheFirstDescriptionAndSortByNameIgnoringCase) {
  TcxRegisteredClasses classes;
  classes.Register(&kTextEditClass, "text|Text editor");
  classes.Register(&kEditClass, "Button|first");
  classes.Register(&kEditClass, "Zebra|second");
  classes.Register(&kOtherPropertiesClass, "TEXT|same name, registered later");
  ASSERT_EQ(classes.Count(), 3);
  EXPECT_EQ(classes.Descriptions(1), "Button|first");

  classes.SetSorted(true);
  EXPECT_EQ(classes.Classes(0), &kEditClass);
  // Equal names keep the order they were registered in.
  EXPECT_EQ(classes.Classes(1), &kTextEditClass);
  EXPECT_EQ(classes.Classes(2), &kOtherPropertiesClass);

  classes.Register(&kEditPropertiesClass, "alpha|sorted in at once");
  EXPECT_EQ(classes.Classes(0), &kEditPropertiesClass);
  classes.Unregister(&kTextEditClass);
  EXPECT_EQ(classes.IndexOf(&kTextEditClass), -1);
  EXPECT_EQ(classes.Count(), 3);
}

TEST(cxClassesTest, RegisteredClassesMayRegisterForStreaming) {
  TcxRegisteredClasses classes(true);
  classes.Register(&kTextEditPropertiesClass, "Text");
  EXPECT_EQ(GetClass("TcxCustomTextEditProperties"), &kTextEditPropertiesClass);
  UnRegisterClass(&kTextEditPropertiesClass);
  EXPECT_EQ(GetClass("TcxCustomTextEditProperties"), nullptr);
}

TEST(cxClassesTest, LinksReadNilOnceTheirObjectIsGoneAndAreSafeToRemoveLater) {
  TComponent target(nullptr);
  TComponent other(nullptr);
  TcxObjectLink* first = AddObjectLink(&target);
  TcxObjectLink* second = AddObjectLink(&target);
  TcxObjectLink* unrelated = AddObjectLink(&other);
  EXPECT_EQ(AddObjectLink(nullptr), nullptr);
  EXPECT_EQ(ObjectLinkCount(), 3);

  ClearObjectLinks(&target);
  EXPECT_EQ(first->Ref, nullptr);
  EXPECT_EQ(second->Ref, nullptr);
  EXPECT_EQ(unrelated->Ref, &other);

  RemoveObjectLink(first);
  RemoveObjectLink(second);
  RemoveObjectLink(nullptr);
  EXPECT_EQ(ObjectLinkCount(), 1);
  ClearObjectLinks(&other);
  EXPECT_EQ(unrelated->Ref, nullptr);
  RemoveObjectLink(unrelated);
  EXPECT_EQ(ObjectLinkCount(), 0);
  ClearObjectLinks(&other);
}

TEST(cxClassesTest, AComponentClearsTheLinksToItWhenFreed) {
  auto* component = new TcxComponent(nullptr);
  TcxObjectLink* link = AddObjectLink(component);
  component->Free();
  EXPECT_EQ(link->Ref, nullptr);
  RemoveObjectLink(link);
}

TEST(cxClassesTest, FreeNotificatorTellsWhichComponentWentAway) {
  TcxFreeNotificator notificator(nullptr);
  std::vector<TComponent*> freed;
  notificator.SetOnFreeNotification([&](TObject* sender, TComponent* component) {
    EXPECT_EQ(sender, &notificator);
    freed.push_back(component);
  });
  auto* watched = new TComponent(nullptr);
  auto* dropped = new TComponent(nullptr);
  AddFreeNotification(&notificator, watched);
  AddFreeNotification(&notificator, dropped);
  AddFreeNotification(&notificator, nullptr);
  RemoveFreeNotification(&notificator, dropped);
  dropped->Free();
  watched->Free();
  EXPECT_EQ(freed, std::vector<TComponent*>{watched});
}

class TLinkedComponent : public TcxComponent {
 public:
  using TcxComponent::TcxComponent;
  std::vector<TComponent*> Links;

 protected:
  void GetFakeComponentLinks(std::vector<TComponent*>& list) override { list = Links; }
};

TEST(cxClassesTest, FakeLinksAreFilledOnlyWhileDesigned) {
  TComponent owner(nullptr);
  auto* linked = new TLinkedComponent(&owner);
  auto* first = new TComponent(&owner);
  auto* second = new TComponent(&owner);
  linked->Links = {first, second};
  linked->Loaded();
  EXPECT_EQ(linked->FakeComponentLink(0), nullptr);

  linked->SetDesigning(true);
  linked->Loaded();
  EXPECT_EQ(linked->FakeComponentLink(0), first);
  EXPECT_EQ(linked->FakeComponentLink(1), second);
  EXPECT_EQ(linked->FakeComponentLink(2), nullptr);
}

TEST(cxClassesTest, OwnerIsFoundThroughTheOwnerQuery) {
  TComponent owner(nullptr);
  TcxComponent component(&owner);
  TcxInterfacedPersistent persistent(&component);
  EXPECT_EQ(GetPersistentOwner(&persistent), &component);
  EXPECT_EQ(GetPersistentOwner(GetPersistentOwner(&persistent)), &owner);
}

TEST(cxClassesTest, ObjectListFreesItsItemsInIndexOrder) {
  std::vector<int> freed;
  class TCounted : public TObject {
   public:
    TCounted(std::vector<int>& log, int id) : FLog(log), FId(id) {}
    ~TCounted() override { FLog.push_back(FId); }

   private:
    std::vector<int>& FLog;
    int FId;
  };
  TcxObjectList list;
  for (int id = 0; id < 3; ++id) list.Add(new TCounted(freed, id));
  list.Clear();
  EXPECT_EQ(freed, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(list.Count(), 0);
}

TEST(cxClassesTest, LocaleTextFallsBackToTheDefault) {
  EXPECT_EQ(GetLocaleInfoString(LOCALE_USER_DEFAULT, 0xFFFF, "none"), "none");
  EXPECT_FALSE(GetLocaleInfoString(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, "").empty());
}

TEST(cxClassesTest, StartUpGroupsTheComponentWithTheControlsOnce) {
  cxClassesInitialize();
  cxClassesInitialize();
  EXPECT_EQ(ClassGroupOf(TcxComponent::StaticClass()), TControl::StaticClass());
  cxClassesFinalize();
  cxClassesFinalize();
}

}  // namespace
