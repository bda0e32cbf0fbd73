// The parts of the unit that ask the system: locale texts and comparisons,
// double-byte characters, and the unit's start-up.
#include <windows.h>

#include "controls/foundation/base/cxClasses.h"
#include "platform/controls/core/Control.h"
#include "platform/rtl/Units.h"

namespace {

TUnitGuard gUnit;

// CompareStringA answers 1, 2 or 3 for less, equal and greater.
constexpr int kCompareStringEqual = 2;

}  // namespace

void TcxRegisteredClasses::Register(TClass cls, const std::string& description) {
  if (IndexOf(cls) >= 0) return;
  FItems.Add(description, reinterpret_cast<intptr_t>(cls));
  if (FSorted) Sort();
  if (FRegisterClasses) RegisterClasses({cls});
}

void TcxRegisteredClasses::Unregister(TClass cls) {
  const int index = IndexOf(cls);
  if (index >= 0) FItems.Delete(index);
}

int TcxRegisteredClasses::IndexOf(TClass cls) const {
  for (int i = 0; i < FItems.Count(); ++i)
    if (Classes(i) == cls) return i;
  return -1;
}

void TcxRegisteredClasses::SetSorted(bool value) {
  if (FSorted == value) return;
  FSorted = value;
  if (FSorted) Sort();
}

int TcxRegisteredClasses::CompareItems(int index1, int index2) const {
  const std::string name1 = GetShortDescription(Descriptions(index1));
  const std::string name2 = GetShortDescription(Descriptions(index2));
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name1.data(), static_cast<int>(name1.size()),
                        name2.data(), static_cast<int>(name2.size())) -
         kCompareStringEqual;
}

void TcxRegisteredClasses::Sort() {
  // The comparison reads the entries as they were before the sort, which is
  // what CustomSort hands it.
  FItems.CustomSort([this](const TStringList&, int index1, int index2) { return CompareItems(index1, index2); });
}

std::string GetLocaleInfoString(unsigned long locale, unsigned long item, const std::string& defaultValue) {
  const int length = GetLocaleInfoA(locale, item, nullptr, 0);
  if (length == 0) return defaultValue;
  std::string text(static_cast<size_t>(length), '\0');
  GetLocaleInfoA(locale, item, text.data(), length);
  text.resize(static_cast<size_t>(length - 1));
  return text;
}

int GetCharByteLength(const std::string& text, int position) {
  const char* character = CharPointerAt(text, position);
  return static_cast<int>(CharNextA(character) - character);
}

void cxClassesInitialize() {
  if (!gUnit.Enter()) return;
  StartClassGroup(TControl::StaticClass());
  GroupDescendentsWith(TcxComponent::StaticClass(), TControl::StaticClass());
}

void cxClassesFinalize() { gUnit.Leave(); }
