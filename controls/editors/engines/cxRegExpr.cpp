#include "controls/editors/engines/cxRegExpr.h"

#include "controls/editors/base/cxEditConsts.h"
#include "controls/editors/engines/cxRegExprAutomat.h"

std::string TcxRegExprError::FullText() const {
  if (FLine == 0) return FText;
  std::string text = cxGetResourceString(cxMsgRegExprLine) + std::to_string(FLine);
  if (FChar > 0) text += ", " + cxGetResourceString(cxMsgRegExprChar) + std::to_string(FChar);
  return text + ": " + FText;
}

TcxRegExpr::TcxRegExpr() = default;

TcxRegExpr::~TcxRegExpr() = default;

void TcxRegExpr::Clear() {
  FSource.Clear();
  FErrors.Clear();
  FLexems.clear();
  FBlocks.clear();
  FBlockClosed.clear();
  FRemovedBlocks.clear();
  FAutomat.reset();
  FStreamPosition = 0;
  FLexemIndex = 0;
  FPositionCount = 0;
  FCopiedItemCount = 0;
  FCurrentLine = 1;
  FCurrentChar = 0;
  FCompiled = false;
}

std::string TcxRegExpr::Message(const TResStringRec& Resource, const std::string& Argument) {
  std::string text = cxGetResourceString(Resource);
  const size_t at = text.find("%s");
  return at == std::string::npos ? text : text.replace(at, 2, Argument);
}

void TcxRegExpr::AddError(int Line, int Char, const std::string& Text) {
  FErrors.Add(TcxRegExprError(Line, Char, Text));
}

void TcxRegExpr::AddError(const TcxLexem& Lexem, const std::string& Text) { AddError(Lexem.Line, Lexem.Char, Text); }

void TcxRegExpr::RaiseErrors() { throw EcxRegExprError(FErrors); }

bool TcxRegExpr::SourceIsBlank() const {
  const auto* bytes = reinterpret_cast<const char*>(FSource.Memory());
  for (int64_t i = 0; i < FSource.Size(); ++i) {
    if (!cxRegExprIsBlank(bytes[i])) return false;
  }
  return true;
}

void TcxRegExpr::Compile(TStream* Stream) {
  if (FFirstCompile) {
    FFirstCompile = false;
  } else {
    Clear();
  }
  if (!Stream) {
    AddError(0, 0, Message(cxMsgRegExprStreamNotAssigned));
    RaiseErrors();
  }
  FSource.CopyFrom(*Stream, 0);
  if (SourceIsBlank()) {
    AddError(0, 0, Message(cxMsgRegExprStreamEmpty));
    RaiseErrors();
  }
  LexicalAnalysis();
  if (FErrors.Count() > 0) RaiseErrors();
  SyntaxAnalysis();
  if (FErrors.Count() > 0) RaiseErrors();
  FCompiled = true;
  if (FUpdateOnNext) Complete();
}

TStream* TcxRegExpr::GetStream() { return FCompiled ? &FSource : nullptr; }

void TcxRegExpr::CheckCompiled() const {
  if (!FCompiled) throw EcxEditError(Message(cxMsgRegExprNotCompiled));
}

void TcxRegExpr::Complete() {
  FAutomat->ForwardCompletion([this](char ch) {
    if (FOnAddChar) FOnAddChar(ch);
  });
}

void TcxRegExpr::SetUpdateOnNext(bool Value) {
  FUpdateOnNext = Value;
  if (FUpdateOnNext && FCompiled) Complete();
}

bool TcxRegExpr::Next(char& Ch) {
  CheckCompiled();
  if (!FAutomat->Next(Ch, FCaseInsensitive)) return false;
  if (FUpdateOnNext) Complete();
  return true;
}

void TcxRegExpr::NextText(const std::string& Text, std::string& Accepted) {
  CheckCompiled();
  Accepted.clear();
  for (const char typed : Text) {
    char ch = typed;
    if (FAutomat->Next(ch, FCaseInsensitive)) Accepted += typed;
  }
}

bool TcxRegExpr::Prev() {
  CheckCompiled();
  if (FUpdateOnNext) {
    FAutomat->BackwardCompletion([this] {
      if (FOnDeleteChar) FOnDeleteChar();
    });
  }
  return FAutomat->Prev();
}

void TcxRegExpr::Reset() {
  CheckCompiled();
  FAutomat->Reset();
}

bool TcxRegExpr::IsFinal() {
  CheckCompiled();
  return FAutomat->IsFinal();
}

bool TcxRegExpr::IsStart() {
  CheckCompiled();
  return FAutomat->IsStart();
}
