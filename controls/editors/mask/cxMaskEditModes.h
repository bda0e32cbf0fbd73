#pragma once
// Makes the mode of a mask kind.
#include <memory>

#include "controls/editors/mask/cxMaskEditCustomMode.h"

std::unique_ptr<TcxMaskEditCustomMode> CreateMaskEditMode(TcxEditMaskKind kind, IcxMaskEditHost* host,
                                                          IcxMaskEditModeProperties& properties);
