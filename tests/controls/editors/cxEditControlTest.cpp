#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/editors/base/cxEdit.h"
#include "controls/editors/base/cxEditControl.h"
#include "controls/foundation/lookandfeel/cxLookAndFeels.h"
#include "platform/classes/ClassBuilder.h"
#include "platform/controls/core/Form.h"
#include "platform/controls/drawn/Panel.h"
#include "platform/graphics/Bitmap.h"
#include "tests/controls/foundation/FoundationFixture.h"

namespace {

std::vector<std::string> gLog;

// Settings of a text-like editor kind whose answers a test chooses.
class TTestProperties : public TcxCustomEditProperties {
 public:
  using TcxCustomEditProperties::TcxCustomEditProperties;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TTestProperties>("TTestProperties", TcxCustomEditProperties::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  bool CanValidate() const override { return true; }
  bool CanRevertValue() const override { return true; }
  bool DetectsEditValueChangeOnSet() const override { return Detects; }
  bool IsChangeReportedByInnerEdit() const override { return ReportedByInnerEdit; }
  bool Detects = true;
  bool ReportedByInnerEdit = false;
};

class TTestItem : public TcxEditRepositoryItem {
 public:
  using TcxEditRepositoryItem::TcxEditRepositoryItem;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TTestItem>("TTestItem", TcxEditRepositoryItem::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  TClass GetPropertiesClass() const override { return TTestProperties::StaticClass(); }
};

// A binding that records what it is asked to store and may refuse it.
class TTestBinding : public TcxEditDataBinding {
 public:
  using TcxEditDataBinding::TcxEditDataBinding;
  static TClass StaticClass() {
    static const TMetaClass metaClass =
        TClassBuilder<TTestBinding>("TTestBinding", TcxEditDataBinding::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }
  bool CanPostEditorValue() const override { return true; }
  void StoreValue(const Variant& value) override {
    gLog.push_back("store " + value.AsString());
    if (FailStore) throw EcxEditError("store failed");
  }
  bool FailStore = false;
};

// Shows its value as a text the test types into, as an inner edit would.
class TTestEdit : public TcxCustomEdit {
 public:
  explicit TTestEdit(TComponent* owner, bool inplace = false)
      : TcxCustomEdit(owner, inplace, TTestProperties::StaticClass()) {}
  static TClass StaticClass() {
    static const TMetaClass metaClass = TClassBuilder<TTestEdit>("TTestEdit", TcxCustomEdit::StaticClass()).Build();
    return &metaClass;
  }
  TClass ClassType() const override { return StaticClass(); }

  TTestProperties& TestProperties() const { return *static_cast<TTestProperties*>(Properties()); }
  TTestBinding& Binding() const { return *static_cast<TTestBinding*>(DataBinding()); }
  // The user typed `text`.
  void Type(const std::string& text) {
    Text = text;
    SetModifiedAfterEnter(true);
  }

  TClass GetDataBindingClass() const override { return TTestBinding::StaticClass(); }
  std::string GetInnerEditText() const override { return Text; }
  void InternalSetDisplayValue(const Variant& value) override {
    gLog.push_back("display " + value.AsString());
    InternalSetEditValue(value, false);
  }
  void SetInternalDisplayValue(const Variant& value) override { Text = value.AsString(); }
  void UpdateDisplayFromEditValue() override { Text = VarIsEmpty(EditValue()) ? "" : EditValue().AsString(); }
  void SelectAll() override { ++SelectAllCount; }
  void CopyToClipboard() override { gLog.push_back(std::string("copy") + (UserAction() ? " by the user" : "")); }
  void CutToClipboard() override { gLog.push_back(std::string("cut") + (UserAction() ? " by the user" : "")); }
  void PasteFromClipboard() override { gLog.push_back(std::string("paste") + (UserAction() ? " by the user" : "")); }

  std::string Text;
  int SelectAllCount = 0;
};

void Record(TcxCustomEditProperties& properties, const std::string& prefix) {
  properties.SetOnChange([prefix](TObject*) { gLog.push_back(prefix + "change"); });
  properties.SetOnEditValueChanged([prefix](TObject*) { gLog.push_back(prefix + "edit value changed"); });
}

using TLog = std::vector<std::string>;

class cxEditControlTest : public FoundationTest {
 protected:
  void SetUp() override {
    FoundationTest::SetUp();
    cxEditInitialize();
    gLog.clear();
    cxEditBeep() = [this] { ++Beeps; };
    Form.reset(new TForm(nullptr));
    Form->SetBounds(100, 100, 300, 200);
    Edit = MakeEdit();
    Form->Show();
  }
  void TearDown() override {
    Form.reset();
    cxEditBeep() = [] { MessageBeep(0); };
    cxEditFinalize();
  }

  TTestEdit* MakeEdit(bool inplace = false) {
    TTestEdit* edit =
        inplace ? TcxCustomEdit::CreateInplace<TTestEdit>(Form.get()) : CreateComponent<TTestEdit>(Form.get());
    edit->SetBounds(10, 10, 100, 24);
    edit->SetParent(Form.get());
    return edit;
  }
  // The editor's weak link after `action`.
  bool SurvivesAction(TcxCustomEdit* edit, const std::function<void()>& action) {
    const TcxWeakSelf self(edit);
    action();
    return self.Alive();
  }

  TOwned<TForm> Form;
  TTestEdit* Edit = nullptr;
  int Beeps = 0;
};

}  // namespace

TEST_F(cxEditControlTest, SettingTheValueFiresTheChangeEventsItDetects) {
  struct TCase {
    const char* Name;
    bool Detects;
    bool ReportedByInnerEdit;
    Variant From;
    Variant To;
    TLog Expected;
  };
  const TCase cases[] = {
      {"kind that does not detect", false, false, Variant("a"), Variant("b"), {}},
      {"same value and type", true, false, Variant("a"), Variant("a"), {}},
      {"another value", true, false, Variant("a"), Variant("b"), {"edit value changed", "change"}},
      {"equal value of another type", true, false, Variant(int32_t{1}), Variant(1.0), {"edit value changed", "change"}},
      {"from empty", true, false, Variant(), Variant("a"), {"edit value changed", "change"}},
      {"inner edit reports the change", true, true, Variant("a"), Variant("b"), {"edit value changed"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->TestProperties().Detects = c.Detects;
    Edit->TestProperties().ReportedByInnerEdit = c.ReportedByInnerEdit;
    Edit->SetEditValue(c.From);
    Record(*Edit->Properties(), "");
    gLog.clear();
    Edit->SetEditValue(c.To);
    EXPECT_EQ(gLog, c.Expected);
    EXPECT_EQ(Edit->Text, VarIsEmpty(c.To) ? "" : c.To.AsString());
    EXPECT_FALSE(Edit->EditModified());
    Edit->Properties()->SetOnChange(nullptr);
    Edit->Properties()->SetOnEditValueChanged(nullptr);
  }
}

TEST_F(cxEditControlTest, EventsGoToTheOwnPropertiesFirstThenTheRepositoryItems) {
  TcxEditRepository repository(nullptr);
  auto* item = repository.CreateItem(TTestItem::StaticClass());
  Record(*Edit->Properties(), "own ");
  Record(*item->Properties(), "item ");
  Edit->SetRepositoryItem(item);
  Edit->SetEditValue(Variant("b"));
  EXPECT_EQ(gLog, (TLog{"own edit value changed", "item edit value changed", "own change", "item change"}));
  Edit->SetRepositoryItem(nullptr);
}

TEST_F(cxEditControlTest, LockedChangeEventsFireOnceAtTheOutermostUnlock) {
  struct TCase {
    const char* Name;
    int Locks;
    bool Invoke;
    int Changes;
    TLog AtInnerUnlocks;
    TLog AtLastUnlock;
  };
  const TCase cases[] = {
      {"two changes in one lock", 1, true, 2, {}, {"change", "edit value changed"}},
      {"no change", 1, true, 0, {}, {}},
      {"unlocked without invoking", 1, false, 2, {}, {}},
      {"nested locks", 2, true, 2, {}, {"change", "edit value changed"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetEditValue(Variant("start"));
    Record(*Edit->Properties(), "");
    gLog.clear();
    for (int lock = 0; lock < c.Locks; ++lock) Edit->LockChangeEvents(true);
    for (int change = 0; change < c.Changes; ++change) Edit->SetEditValue(Variant(int32_t{change}));
    for (int lock = 1; lock < c.Locks; ++lock) Edit->LockChangeEvents(false, c.Invoke);
    EXPECT_EQ(gLog, c.AtInnerUnlocks);
    EXPECT_TRUE(Edit->ChangeEventsLocked() == (c.Locks > 0));
    Edit->LockChangeEvents(false, c.Invoke);
    EXPECT_EQ(gLog, c.AtLastUnlock);
    EXPECT_FALSE(Edit->ChangeEventsLocked());
  }
}

TEST_F(cxEditControlTest, APendingChangeStaysUntilTheNextOutermostLock) {
  Record(*Edit->Properties(), "");
  Edit->LockChangeEvents(true);
  Edit->SetEditValue(Variant("b"));
  Edit->LockChangeEvents(false, false);
  gLog.clear();
  Edit->LockChangeEvents(true);
  Edit->LockChangeEvents(false, true);
  EXPECT_EQ(gLog, TLog{});
}

TEST_F(cxEditControlTest, ValidationOfTheTypedText) {
  const std::string defaultText = "Invalid input value. Use escape key to abandon changes";
  struct TCase {
    const char* Name;
    bool Typed;
    bool RaiseOnError;
    bool BeepOnError;
    // What OnValidate does with the text shown; null: no handler.
    std::function<void(Variant&, std::string&, bool&)> Handler;
    bool Result;
    std::string Raised;
    std::string TextAfter;
    std::string ValueAfter;
    int Validations;
    int Beeps;
  };
  const auto refuse = [](Variant&, std::string&, bool& error) { error = true; };
  const TCase cases[] = {
      {"unmodified editor", false, true, false, refuse, true, "", "old", "old", 0, 0},
      {"valid text", true, true, false, [](Variant&, std::string&, bool&) {}, true, "", "typed", "typed", 1, 0},
      {"no handler", true, true, false, nullptr, true, "", "typed", "typed", 0, 0},
      {"refused with the default text", true, true, true, refuse, false, defaultText, "typed", "old", 1, 1},
      {"refused with its own text", true, true, false,
       [](Variant&, std::string& text, bool& error) {
         text = "Bad";
         error = true;
       },
       false, "Bad", "typed", "old", 1, 0},
      {"refused silently", true, true, true,
       [](Variant&, std::string& text, bool& error) {
         text.clear();
         error = true;
       },
       false, "", "typed", "old", 1, 1},
      {"refused without raising", true, false, true, refuse, false, "", "typed", "old", 1, 0},
      {"refused with the text corrected", true, true, false,
       [](Variant& value, std::string&, bool& error) {
         value = Variant("fixed");
         error = true;
       },
       false, defaultText, "fixed", "old", 1, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetEditValue(Variant("old"));
    Edit->Properties()->SetBeepOnError(c.BeepOnError);
    int validations = 0;
    if (c.Handler)
      Edit->Properties()->SetOnValidate([&](TObject*, Variant& value, std::string& text, bool& error) {
        ++validations;
        c.Handler(value, text, error);
      });
    else
      Edit->Properties()->SetOnValidate(nullptr);
    Beeps = 0;
    if (c.Typed) Edit->Type("typed");
    std::string raised;
    bool result = false;
    try {
      result = Edit->ValidateEdit(c.RaiseOnError);
    } catch (const EcxEditValidationError& error) {
      raised = error.Message();
    }
    EXPECT_EQ(result, c.Result && raised.empty());
    EXPECT_EQ(raised, c.Raised);
    EXPECT_EQ(Edit->Text, c.TextAfter);
    EXPECT_EQ(Edit->EditValue().AsString(), c.ValueAfter);
    EXPECT_EQ(validations, c.Validations);
    EXPECT_EQ(Beeps, c.Beeps);
    EXPECT_FALSE(Edit->Validating());
  }
}

TEST_F(cxEditControlTest, AFailedValidationKeepsTheFocusOrAcceptsWhenItCannotHaveIt) {
  struct TCase {
    const char* Name;
    bool Shown;
    bool ValidatedAfter;
    bool FocusedAfter;
  };
  const TCase cases[] = {
      {"focusable editor", true, false, true},
      {"hidden editor", false, true, false},
  };
  Edit->Properties()->SetOnValidate([](TObject*, Variant&, std::string&, bool& error) { error = true; });
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetVisible(c.Shown);
    Edit->SelectAllCount = 0;
    Edit->Type("typed");
    EXPECT_THROW(Edit->ValidateEdit(true), EcxEditValidationError);
    EXPECT_EQ(Edit->Validated(), c.ValidatedAfter);
    EXPECT_EQ(Edit->Focused(), c.FocusedAfter);
    EXPECT_EQ(Edit->SelectAllCount > 0, c.Shown);
    EXPECT_EQ(Edit->ValidateEdit(false), c.ValidatedAfter);
  }
}

TEST_F(cxEditControlTest, OrderOfEventsWhenValidatingAndPosting) {
  struct TCase {
    const char* Name;
    bool Inplace;
    std::function<void(TTestEdit&)> Action;
    TLog Expected;
  };
  const TCase cases[] = {
      {"post with validation",
       false,
       [](TTestEdit& edit) { edit.PostEditValue(true); },
       {"validate typed", "display typed", "edit value changed", "change", "store typed"}},
      {"post without validation", false, [](TTestEdit& edit) { edit.PostEditValue(false); }, {"store old"}},
      {"in place post",
       true,
       [](TTestEdit& edit) { edit.PostEditValue(true); },
       {"validate typed", "display typed", "edit value changed", "change", "host posts typed"}},
      {"leaving the editor",
       false,
       [](TTestEdit& edit) { edit.ValidateOnExit(); },
       {"validate typed", "display typed", "store typed", "change", "edit value changed"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestEdit* edit = MakeEdit(c.Inplace);
    edit->SetEditValue(Variant("old"));
    Record(*edit->Properties(), "");
    edit->Properties()->SetOnValidate(
        [](TObject*, Variant& value, std::string&, bool&) { gLog.push_back("validate " + value.AsString()); });
    edit->SetOnPostEditValue([edit](TObject*) { gLog.push_back("host posts " + edit->EditValue().AsString()); });
    edit->Type("typed");
    gLog.clear();
    c.Action(*edit);
    EXPECT_EQ(gLog, c.Expected);
    EXPECT_FALSE(edit->Posting());
    edit->Free();
  }
}

TEST_F(cxEditControlTest, AFailedStoreReachesTheUserOnlyOfAStandaloneEditor) {
  struct TCase {
    const char* Name;
    bool Inplace;
    bool Raises;
  };
  const TCase cases[] = {{"standalone", false, true}, {"in place", true, false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestEdit* edit = MakeEdit(c.Inplace);
    edit->Properties()->SetBeepOnError(true);
    edit->Binding().FailStore = true;
    edit->SetOnPostEditValue([](TObject*) { throw EcxEditError("store failed"); });
    Beeps = 0;
    if (c.Raises)
      EXPECT_THROW(edit->PostEditValue(false), EcxEditError);
    else
      EXPECT_NO_THROW(edit->PostEditValue(false));
    EXPECT_EQ(Beeps, c.Raises ? 1 : 0);
    EXPECT_FALSE(edit->Posting());
    edit->Free();
  }
}

TEST_F(cxEditControlTest, EditingAsksReadOnlyAndOnEditingOnlyForUserChanges) {
  struct TCase {
    const char* Name;
    bool UserAction;
    bool AssignReadOnly;
    bool ReadOnly;
    bool HandlerAnswer;
    bool Changed;
    int Queries;
  };
  const TCase cases[] = {
      {"code sets the value", false, false, false, false, true, 0},
      {"user refused by OnEditing", true, false, false, false, false, 1},
      {"user allowed by OnEditing", true, false, false, true, true, 1},
      {"user on a read-only editor", true, true, true, true, false, 0},
      {"user on an editor made writable", true, true, false, true, true, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestEdit* edit = MakeEdit();
    if (c.AssignReadOnly) edit->Properties()->SetReadOnly(c.ReadOnly);
    int queries = 0;
    edit->SetOnEditing([&](TObject*, bool& canEdit) {
      ++queries;
      canEdit = c.HandlerAnswer;
    });
    edit->SetUserAction(c.UserAction);
    edit->SetEditValue(Variant("new"));
    EXPECT_EQ(edit->Text == "new", c.Changed);
    EXPECT_EQ(edit->ModifiedAfterEnter(), c.Changed && c.UserAction);
    EXPECT_EQ(queries, c.Queries);
    edit->Free();
  }
}

TEST_F(cxEditControlTest, ChangesOfTheSettingsAreReadAgain) {
  TcxEditRepository repository(nullptr);
  struct TCase {
    const char* Name;
    bool UsesItem;
    std::function<void(TcxCustomEditProperties&)> Change;
    bool ModifiedAfter;
    bool TransparentAfter;
  };
  const TCase cases[] = {
      {"own alignment", false, [](TcxCustomEditProperties& p) { p.Alignment()->SetHorz(taCenter); }, true, false},
      {"own read-only", false, [](TcxCustomEditProperties& p) { p.SetReadOnly(true); }, false, false},
      {"own transparency", false, [](TcxCustomEditProperties& p) { p.SetTransparent(true); }, true, true},
      {"item transparency", true, [](TcxCustomEditProperties& p) { p.SetTransparent(true); }, true, true},
      {"item read-only", true, [](TcxCustomEditProperties& p) { p.SetReadOnly(true); }, false, false},
  };
  for (const TCase& c : cases) {
    for (const bool validatedFirst : {true, false}) {
      SCOPED_TRACE(std::string(c.Name) + (validatedFirst ? ", validated" : ", typed"));
      auto* item = repository.CreateItem(TTestItem::StaticClass());
      TTestEdit* edit = MakeEdit();
      if (c.UsesItem) edit->SetRepositoryItem(item);
      edit->Type("typed");
      if (validatedFirst) {
        ASSERT_TRUE(edit->ValidateEdit(true));
        ASSERT_TRUE(edit->Validated());
      }
      c.Change(*(c.UsesItem ? item->Properties() : edit->Properties()));
      EXPECT_FALSE(edit->Validated());
      EXPECT_EQ(edit->ModifiedAfterEnter(), !validatedFirst && c.ModifiedAfter);
      EXPECT_EQ(edit->Transparent(), c.TransparentAfter);
      edit->Free();
      item->Free();
    }
  }
}

TEST_F(cxEditControlTest, RepositoryItemsTakenRefusedAndFreed) {
  TcxEditRepository repository(nullptr);
  auto* fitting = repository.CreateItem(TTestItem::StaticClass());
  auto* foreign = repository.CreateItem(TcxEditRepositoryItem::StaticClass());
  Edit->SetRepositoryItem(fitting);
  EXPECT_EQ(Edit->ActiveProperties(), fitting->Properties());
  EXPECT_EQ(Edit->Properties()->DefaultValuesProvider(), nullptr);
  try {
    Edit->SetRepositoryItem(foreign);
    ADD_FAILURE() << "a foreign item was taken";
  } catch (const EcxEditError& error) {
    EXPECT_STREQ(error.what(), "The repository item is not acceptable");
  }
  EXPECT_EQ(Edit->RepositoryItem(), fitting);

  fitting->Free();
  EXPECT_EQ(Edit->RepositoryItem(), nullptr);
  EXPECT_EQ(Edit->ActiveProperties(), Edit->Properties());
  EXPECT_EQ(Edit->Properties()->DefaultValuesProvider(), Edit->DataBinding()->GetDefaultValuesProvider());
  Edit->Type("typed");
  EXPECT_TRUE(Edit->ValidateEdit(true));
  Edit->Properties()->SetTransparent(true);
  EXPECT_FALSE(Edit->Validated()) << "the own settings are heard again";
}

TEST_F(cxEditControlTest, RevertingGoesBackToTheValueLoadedOnEntering) {
  Record(*Edit->Properties(), "");
  Edit->SetEditValue(Variant("loaded"));
  Edit->ReloadEditValue();
  Edit->SetUserAction(true);
  Edit->SetEditValue(Variant("typed"));
  Edit->SetUserAction(false);
  gLog.clear();
  Edit->RevertEditedValue();
  EXPECT_EQ(Edit->EditValue().AsString(), "loaded");
  EXPECT_EQ(Edit->Text, "loaded");
  EXPECT_FALSE(Edit->ModifiedAfterEnter());
  EXPECT_TRUE(Edit->EditModified());
  EXPECT_EQ(gLog, (TLog{"change", "edit value changed"}));
}

TEST_F(cxEditControlTest, AHandlerMayFreeTheEditorMidSequence) {
  struct TCase {
    const char* Name;
    std::function<void(TTestEdit*)> Arm;
    std::function<void(TTestEdit*)> Action;
  };
  const auto freeOn = [](TTestEdit* edit) { return [edit](TObject*) { edit->Free(); }; };
  const TCase cases[] = {
      {"OnEditValueChanged while setting", [&](TTestEdit* e) { e->Properties()->SetOnEditValueChanged(freeOn(e)); },
       [](TTestEdit* e) { e->SetEditValue(Variant("b")); }},
      {"OnChange while setting", [&](TTestEdit* e) { e->Properties()->SetOnChange(freeOn(e)); },
       [](TTestEdit* e) { e->SetEditValue(Variant("b")); }},
      {"OnChange at the unlock",
       [&](TTestEdit* e) {
         e->Properties()->SetOnChange(freeOn(e));
         e->Properties()->SetOnEditValueChanged([](TObject*) { ADD_FAILURE() << "fired on a freed editor"; });
       },
       [](TTestEdit* e) {
         e->LockChangeEvents(true);
         e->SetEditValue(Variant("b"));
         e->LockChangeEvents(false, true);
       }},
      {"OnEditing",
       [](TTestEdit* e) {
         e->SetOnEditing([e](TObject*, bool&) { e->Free(); });
         e->SetUserAction(true);
       },
       [](TTestEdit* e) { e->SetEditValue(Variant("b")); }},
      {"OnValidate",
       [](TTestEdit* e) {
         e->Properties()->SetOnValidate([e](TObject*, Variant&, std::string&, bool& error) {
           error = true;
           e->Free();
         });
         e->Type("typed");
       },
       [](TTestEdit* e) { e->ValidateEdit(true); }},
      {"OnChange while leaving",
       [&](TTestEdit* e) {
         e->Properties()->SetOnChange(freeOn(e));
         e->Type("typed");
       },
       [](TTestEdit* e) { e->ValidateOnExit(); }},
      {"the host's post", [&](TTestEdit* e) { e->SetOnPostEditValue(freeOn(e)); },
       [](TTestEdit* e) { e->PostEditValue(false); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestEdit* edit = MakeEdit(std::string(c.Name) == "the host's post");
    edit->SetEditValue(Variant("a"));
    c.Arm(edit);
    EXPECT_FALSE(SurvivesAction(edit, [&] { c.Action(edit); }));
  }
}

TEST_F(cxEditControlTest, AFailedValidationOnLeavingReleasesTheChangeEvents) {
  Record(*Edit->Properties(), "");
  Edit->Properties()->SetOnValidate([](TObject*, Variant&, std::string&, bool& error) { error = true; });
  Edit->Type("typed");
  EXPECT_THROW(Edit->ValidateOnExit(), EcxEditValidationError);
  EXPECT_FALSE(Edit->ChangeEventsLocked());
  EXPECT_TRUE(Edit->ModifiedAfterEnter()) << "the entered text stays the user's";
  gLog.clear();
  Edit->SetEditValue(Variant("b"));
  EXPECT_EQ(gLog, (TLog{"edit value changed", "change"}));
}

TEST_F(cxEditControlTest, ClipboardMessagesHonourReadOnly) {
  struct TCase {
    const char* Name;
    UINT Message;
    bool ReadOnly;
    TLog Expected;
  };
  const TCase cases[] = {
      {"copy", WM_COPY, false, {"copy"}},
      {"copy from a read-only editor", WM_COPY, true, {"copy"}},
      {"cut", WM_CUT, false, {"cut by the user"}},
      {"cut from a read-only editor copies", WM_CUT, true, {"copy"}},
      {"paste", WM_PASTE, false, {"paste by the user"}},
      {"paste into a read-only editor", WM_PASTE, true, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->Properties()->SetReadOnly(c.ReadOnly);
    gLog.clear();
    SendMessageA(Edit->Handle(), c.Message, 0, 0);
    EXPECT_EQ(gLog, c.Expected);
    EXPECT_FALSE(Edit->UserAction());
  }
}

TEST_F(cxEditControlTest, EditDataLetsGoOfTheEditorAndTheEditorOfIt) {
  auto data = std::make_unique<TcxCustomEditData>(Edit);
  EXPECT_TRUE(data->Fresh());
  Edit->SetEditData(data.get());
  data.reset();
  EXPECT_EQ(Edit->EditData(), nullptr);

  data = std::make_unique<TcxCustomEditData>(Edit);
  Edit->Free();
  Edit = nullptr;
  EXPECT_EQ(data->Edit(), nullptr);
}

TEST_F(cxEditControlTest, TheBindingsDefaultValuesReachTheActiveSettings) {
  TcxEditRepository repository(nullptr);
  auto* item = repository.CreateItem(TTestItem::StaticClass());
  struct TCase {
    const char* Name;
    bool UsesItem;
  };
  const TCase cases[] = {{"own settings", false}, {"repository item", true}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Edit->SetRepositoryItem(c.UsesItem ? item : nullptr);
    Edit->Type("typed");
    ASSERT_TRUE(Edit->ValidateEdit(true));
    int itemChanges = 0;
    item->Properties()->SetOnPropertiesChanged([&](TObject*) { ++itemChanges; });
    Edit->DataBinding()->DefaultValuesChanged();
    EXPECT_FALSE(Edit->Validated());
    EXPECT_EQ(itemChanges, 0) << "the item's other editors hear nothing";
    item->Properties()->SetOnPropertiesChanged(nullptr);
  }
  Edit->SetRepositoryItem(nullptr);
}

TEST_F(cxEditControlTest, AnEditorIsInitialisingUntilItFirstGetsAParent) {
  auto* edit = CreateComponent<TTestEdit>(Form.get());
  EXPECT_TRUE(edit->Initialising());
  edit->SetEditValue(Variant("set early"));
  edit->Text.clear();
  edit->SetParent(Form.get());
  EXPECT_FALSE(edit->Initialising());
  EXPECT_EQ(edit->Text, "set early") << "the display follows the value once parented";
}

TEST_F(cxEditControlTest, WhileLoadingSettingsAndChangesWaitForTheEnd) {
  Record(*Edit->Properties(), "");
  Edit->Type("typed");
  ASSERT_TRUE(Edit->ValidateEdit(true));
  gLog.clear();
  Edit->BeginLoading();
  Edit->Properties()->SetTransparent(true);
  Edit->SetEditValue(Variant("read"));
  EXPECT_TRUE(Edit->Validated()) << "settings are not read one by one";
  EXPECT_FALSE(Edit->Transparent());
  Edit->Loaded();
  EXPECT_FALSE(Edit->Validated());
  EXPECT_TRUE(Edit->Transparent());
  EXPECT_FALSE(Edit->ChangeEventsLocked());
  EXPECT_EQ(gLog, TLog{}) << "a value read from the form is no change";
  Edit->Properties()->SetTransparent(false);
  Edit->SetTransparent(false);
  Edit->Properties()->SetTransparent(true);
  EXPECT_TRUE(Edit->Transparent()) << "the settings are heard again";
}

TEST_F(cxEditControlTest, ButtonsFollowTheStylesOwnBorderStyleThoughTheFlatKindsDrawSingle) {
  struct TCase {
    TcxEditBorderStyle Border;
    TcxContainerBorderStyle Drawn;
    TcxEditButtonStyle Buttons;
  };
  const TCase cases[] = {
      {ebsNone, cbsNone, btsSimple},
      {ebsSingle, cbsSingle, btsHotFlat},
      {ebsThick, cbsThick, bts3D},
      {ebsFlat, cbsFlat, btsFlat},
      {ebs3D, cbs3D, bts3D},
      {ebsUltraFlat, cbsSingle, btsUltraFlat},
      {ebsOffice11, cbsSingle, btsOffice11},
  };
  Edit->Properties()->Buttons().Add();
  auto* style = static_cast<TcxEditStyle*>(Edit->GetStyle());
  for (const TCase& c : cases) {
    SCOPED_TRACE(int{c.Border});
    style->SetEditBorderStyle(c.Border);
    EXPECT_EQ(int{Edit->EditViewInfo().BorderStyle}, int{c.Drawn});
    EXPECT_EQ(int{Edit->EditViewInfo().ButtonStyle}, int{c.Buttons});
  }
}

TEST_F(cxEditControlTest, ATransparentEditorOutOfPlaceShowsItsParentsBackground) {
  auto* panel = CreateComponent<TPanel>(Form.get());
  panel->SetBevelOuter(bvNone);
  panel->SetColor(clLime);
  panel->SetBounds(0, 60, 200, 60);
  panel->SetParent(Form.get());
  struct TCase {
    const char* Name;
    bool Inplace;
    bool Transparent;
    TColor Content;
  };
  const TCase cases[] = {
      {"opaque", false, false, clWindow},
      {"transparent", false, true, clLime},
      {"transparent in place", true, true, clWindow},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestEdit* edit = MakeEdit(c.Inplace);
    edit->SetParent(panel);
    edit->SetColor(clWindow);
    edit->SetTransparent(c.Transparent);
    TBitmap picture;
    picture.SetSize(edit->Width(), edit->Height());
    edit->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.DC()), PRF_CLIENT);
    EXPECT_EQ(edit->EditViewInfo().Transparent, c.Transparent && !c.Inplace);
    EXPECT_EQ(picture.Canvas().Pixels(edit->Width() / 2, edit->Height() / 2), ColorToRGB(c.Content));
    edit->Free();
  }
}
