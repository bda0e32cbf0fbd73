#include "controls/editors/base/cxEditFilterHelpers.h"

#include <map>
#include <memory>

#include "controls/editors/base/cxEditControl.h"
#include "platform/classes/ClassBuilder.h"

namespace {

std::unique_ptr<TcxFilterEditsController> gFilterEditsController;
std::map<TClass, const TcxCustomFilterEditHelper*> gHelpers;

}  // namespace

TClass TcxCustomFilterEditHelper::StaticClass() {
  static const TMetaClass metaClass("TcxCustomFilterEditHelper", TObject::StaticClass(), nullptr, {}, {}, {});
  return &metaClass;
}

void TcxCustomFilterEditHelper::ClearPropertiesEvents(TcxCustomEditProperties& properties) const {
  properties.SetOnButtonClick(nullptr);
  properties.SetOnChange(nullptr);
  properties.SetOnEditValueChanged(nullptr);
  properties.SetOnValidate(nullptr);
}

TOwned<TcxCustomEditProperties> TcxCustomFilterEditHelper::GetFilterEditProperties(
    const TcxCustomEditProperties& editProperties, bool keepButtons) const {
  TOwned<TcxCustomEditProperties> properties = editProperties.CreateInstanceOfSameClass();
  properties->Assign(&editProperties);
  InitializeProperties(*properties, keepButtons);
  return properties;
}

void TcxCustomFilterEditHelper::InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const {
  properties.BeginUpdate();
  TcxEditAlignment* alignment = properties.Alignment();
  alignment->SetHorz(taLeftJustify);
  alignment->SetVert(taTopJustify);
  properties.SetBeepOnError(false);
  if (!keepButtons) properties.Buttons().Clear();
  properties.SetReadOnly(false);
  properties.SetValidateOnEnter(true);
  if (!KeepsDefaultValuesProvider()) properties.SetDefaultValuesProvider(nullptr);
  ClearPropertiesEvents(properties);
  properties.EndUpdate(true);
}

void TcxCustomFilterEditHelper::GetFilterValue(TcxCustomEdit& edit, const TcxCustomEditProperties& properties,
                                               Variant& value, std::string& text) const {
  value = edit.EditValue();
  text = properties.GetDisplayText(value, false);
}

TcxFilterOperatorKinds TcxCustomFilterEditHelper::GetSupportedFilterOperators(const TcxCustomEditProperties&,
                                                                              TcxValueTypeClass valueType, bool) const {
  TcxFilterOperatorKinds operators{fokEqual,   fokNotEqual,     fokLess, fokLessEqual,
                                   fokGreater, fokGreaterEqual, fokNull, fokNotNull};
  if (valueType && valueType->IsString()) {
    operators.Include(fokLike);
    operators.Include(fokNotLike);
  }
  return operators;
}

TcxFilterEditsController& FilterEditsController() {
  if (!gFilterEditsController) gFilterEditsController = std::make_unique<TcxFilterEditsController>();
  return *gFilterEditsController;
}

bool FilterEditsControllerExists() { return gFilterEditsController != nullptr; }

void RegisterFilterEditHelper(TClass propertiesClass, const TcxCustomFilterEditHelper& helper) {
  gHelpers[helper.ClassType()] = &helper;
  FilterEditsController().Register(propertiesClass, helper.ClassType());
}

void UnregisterFilterEditHelper(TClass propertiesClass, const TcxCustomFilterEditHelper& helper) {
  if (!gFilterEditsController) return;
  gFilterEditsController->Unregister(propertiesClass, helper.ClassType());
  if (gFilterEditsController->Count() > 0) return;
  gFilterEditsController.reset();
  gHelpers.clear();
}

const TcxCustomFilterEditHelper* FindFilterEditHelper(TClass propertiesClass) {
  int index = -1;
  if (!gFilterEditsController || !gFilterEditsController->Find(propertiesClass, index)) return nullptr;
  const auto helper = gHelpers.find(gFilterEditsController->Items(index).RegisteredClass);
  return helper == gHelpers.end() ? nullptr : helper->second;
}
