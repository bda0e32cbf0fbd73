#pragma once
// Which filter-edit helper serves each editor kind: a filter row asks the
// helper of an editor's properties class (or of its nearest registered
// ancestor) how to set up the editor it shows. Helpers are stateless; the
// registry holds one instance of each.
#include "controls/editors/cxEditProperties.h"
#include "controls/foundation/cxClasses.h"

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
