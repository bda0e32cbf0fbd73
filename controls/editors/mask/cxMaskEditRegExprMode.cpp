#include "controls/editors/mask/cxMaskEditRegExprMode.h"

TcxMaskEditRegExprMode::TcxMaskEditRegExprMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties)
    : TcxMaskEditCustomMode(host, properties) {}

void TcxMaskEditRegExprMode::SetCaseInsensitive(bool) {}

TcxMaskEditRegExprExMode::TcxMaskEditRegExprExMode(IcxMaskEditHost* host, IcxMaskEditModeProperties& properties)
    : TcxMaskEditRegExprMode(host, properties) {}
