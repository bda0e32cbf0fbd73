#include "controls/editors/mask/cxMaskEditModes.h"

#include "controls/editors/mask/cxMaskEditRegExprMode.h"
#include "controls/editors/mask/cxMaskEditStandardMode.h"

std::unique_ptr<TcxMaskEditCustomMode> CreateMaskEditMode(TcxEditMaskKind kind, IcxMaskEditHost* host,
                                                          IcxMaskEditModeProperties& properties) {
  switch (kind) {
    case emkRegExpr: return std::make_unique<TcxMaskEditRegExprMode>(host, properties);
    case emkRegExprEx: return std::make_unique<TcxMaskEditRegExprExMode>(host, properties);
    case emkStandard: break;
  }
  return std::make_unique<TcxMaskEditStandardMode>(host, properties);
}
