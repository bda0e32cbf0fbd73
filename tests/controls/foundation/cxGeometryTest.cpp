#include <gtest/gtest.h>

#include "controls/foundation/base/cxGeometry.h"
#include "platform/classes/ClassInfo.h"

namespace {

TEST(cxGeometryTest, EachSideChangesOnceAndTheSameValueChangesNothing) {
  TcxRect rect(nullptr);
  int changes = 0;
  rect.SetOnChange([&](TObject* sender) {
    EXPECT_EQ(sender, &rect);
    ++changes;
  });
  rect.SetLeft(1);
  rect.SetTop(2);
  rect.SetRight(30);
  rect.SetBottom(40);
  EXPECT_EQ(changes, 4);
  rect.SetRect({1, 2, 30, 40});
  rect.SetRight(30);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(rect.Left() + rect.Top() + rect.Right() + rect.Bottom(), 73);
}

TEST(cxGeometryTest, AssignCopiesAnotherRectangleAndRefusesOtherKinds) {
  TComponent owner(nullptr);
  TcxRect source(nullptr);
  TcxRect target(&owner);
  source.SetRect({5, 6, 7, 8});
  target.Assign(&source);
  EXPECT_EQ(target.Bottom(), 8);
  EXPECT_EQ(target.GetOwner(), &owner);
  EXPECT_THROW(target.Assign(&owner), EConvertError);
}

TEST(cxGeometryTest, PublishedSidesAreReachedByName) {
  TcxRect rect(nullptr);
  const TPropertyInfo* top = TcxRect::StaticClass()->FindProperty("Top");
  ASSERT_NE(top, nullptr);
  top->SetOrdinal(rect, -4);
  EXPECT_EQ(rect.Top(), -4);
}

TEST(cxGeometryTest, TheRectangleIsStreamableWhileTheUnitRuns) {
  cxGeometryInitialize();
  cxGeometryInitialize();
  EXPECT_EQ(GetClass("TcxRect"), TcxRect::StaticClass());
  cxGeometryFinalize();
  EXPECT_EQ(GetClass("TcxRect"), TcxRect::StaticClass());
  cxGeometryFinalize();
  EXPECT_EQ(GetClass("TcxRect"), nullptr);
  cxGeometryFinalize();
}

}  // namespace
