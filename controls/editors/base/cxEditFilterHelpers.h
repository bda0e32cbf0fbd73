#pragma once
// Which filter-edit helper serves each editor kind: a filter row asks the
// helper of an editor's properties class (or of its nearest registered
// ancestor) how to set up the editor it shows. Helpers are stateless; the
// registry holds one instance of each.
#include <cstdint>
#include <string>

#include "controls/editors/base/cxEditProperties.h"
#include "controls/foundation/cxClasses.h"
#include "controls/foundation/cxDataStorage.h"
#include "platform/rtl/Variants.h"

// The comparisons of a filter row, by their positions in the filter
// registry's list of operators.
enum TcxFilterOperatorKind : uint8_t {
  fokEqual = 1,
  fokNotEqual,
  fokLess,
  fokLessEqual,
  fokGreater,
  fokGreaterEqual,
  fokLike,
  fokNotLike,
  fokNull,
  fokNotNull,
  fokBetween,
  fokNotBetween,
  fokInList,
  fokNotInList
};
using TcxFilterOperatorKinds = TSet<TcxFilterOperatorKind>;

class TcxCustomFilterEditHelper {
 public:
  virtual ~TcxCustomFilterEditHelper() = default;

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }

  // Takes OnButtonClick, OnChange, OnEditValueChanged and OnValidate away.
  virtual void ClearPropertiesEvents(TcxCustomEditProperties& properties) const;
  // A copy of an editor's properties set up for a filter row; the editor's
  // own properties stay as they are.
  TOwned<TcxCustomEditProperties> GetFilterEditProperties(const TcxCustomEditProperties& editProperties,
                                                          bool keepButtons) const;
  virtual void InitializeProperties(TcxCustomEditProperties& properties, bool keepButtons) const;
  // Whether the filter editor keeps the default-values provider of the editor.
  virtual bool KeepsDefaultValuesProvider() const { return false; }
  virtual bool IsSupported() const { return true; }
  // Whether the helper stands for an editor with a drop-down.
  virtual bool IsDropDownEditHelper() const { return false; }
  // The filter editor's value, and the text a filter row shows for it.
  virtual void GetFilterValue(TcxCustomEdit& edit, const TcxCustomEditProperties& properties, Variant& value,
                              std::string& text) const;
  // The comparisons a filter row offers for a field of `valueType` (nullptr
  // when it is not known): text fields also match patterns. `extended` asks
  // for the ranges and lists too, which only some kinds offer.
  virtual TcxFilterOperatorKinds GetSupportedFilterOperators(const TcxCustomEditProperties& properties,
                                                             TcxValueTypeClass valueType, bool extended) const;
};

class TcxFilterEditsController : public TcxRegisteredClassList {};

// The registry; made on first use.
TcxFilterEditsController& FilterEditsController();
// Registers `helper` (a stateless instance that outlives its entry) for the
// properties class and its descendants.
void RegisterFilterEditHelper(TClass propertiesClass, const TcxCustomFilterEditHelper& helper);
// Frees the registry with its last entry.
void UnregisterFilterEditHelper(TClass propertiesClass, const TcxCustomFilterEditHelper& helper);
// The helper for the class or its nearest registered ancestor; nullptr when
// none is registered. A lookup never makes the registry.
const TcxCustomFilterEditHelper* FindFilterEditHelper(TClass propertiesClass);
// Whether the registry exists.
bool FilterEditsControllerExists();
