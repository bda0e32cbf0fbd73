#pragma once
// What a mask mode sees of the editor it serves: the text and its
// selection, the display value, the keys it types itself and the beep. The
// mask edit implements it over its window; a model host implements it over
// a string, so the modes also run without one.
#include <cstdint>
#include <string>

// How the mask text reads: a picture mask, an expression the text must keep
// matchable, or an expression whose forced literals the mode types itself.
enum TcxEditMaskKind : uint8_t { emkStandard = 0, emkRegExpr = 1, emkRegExprEx = 2 };

// The virtual-key codes the modes send, as Win32 numbers them.
constexpr uint16_t cxMaskKeyEnd = 0x23;
constexpr uint16_t cxMaskKeyHome = 0x24;
constexpr uint16_t cxMaskKeyLeft = 0x25;
constexpr uint16_t cxMaskKeyRight = 0x27;
constexpr uint16_t cxMaskKeyDelete = 0x2E;
constexpr char cxMaskCharBackspace = '\b';

// The settings a mode reads while it works.
class IcxMaskEditModeProperties {
 public:
  virtual ~IcxMaskEditModeProperties() = default;
  virtual bool ModeBeepOnError() const = 0;
  virtual bool ModeCaseInsensitive() const = 0;
  virtual bool ModeIgnoreMaskBlank() const = 0;
  // Whether the text keeps the case it is typed in.
  virtual bool ModeCharCaseNormal() const = 0;
};

class IcxMaskEditHost {
 public:
  virtual ~IcxMaskEditHost() = default;
  // The settings of the editor as they apply now.
  virtual IcxMaskEditModeProperties& ModeProperties() = 0;
  // The editor exists, is not going and has its native edit.
  virtual bool CanTakeText() const = 0;
  virtual bool HasWindow() const = 0;
  virtual bool IsFocused() const = 0;
  // Shift was held at the last key down.
  virtual bool ShiftHeld() const = 0;
  virtual bool IsModifiedAfterEnter() const = 0;

  virtual std::string EditText() const = 0;
  virtual int EditSelStart() const = 0;
  virtual int EditSelLength() const = 0;
  // The ordinary setters: the mode hears of the change as of any other.
  virtual void SetEditSelStart(int value) = 0;
  virtual void SetEditSelLength(int value) = 0;
  // The mode's own moves, which it does not hear of.
  virtual void SetSelStartInternally(int value) = 0;
  virtual void SetSelLengthInternally(int value) = 0;
  // The index of the character at the caret.
  virtual int CaretCharIndex() const = 0;

  // The display value, as the data binding reads and sets it.
  virtual std::string DisplayText() const = 0;
  virtual void SetDisplayText(const std::string& text) = 0;
  // Shows a text without taking it as the user's.
  virtual void SetInternalDisplayText(const std::string& text) = 0;
  // The edit value as the properties show it with the editor's focus.
  virtual std::string PreparedEditValueText() = 0;
  virtual void SetEditValueTextInternally(const std::string& text) = 0;

  // A key or character the native edit handles as typed, past the editor's
  // own key handling.
  virtual void SendKeyDown(uint16_t key) = 0;
  virtual void SendChar(char ch) = 0;
  virtual void Beep() = 0;
};
