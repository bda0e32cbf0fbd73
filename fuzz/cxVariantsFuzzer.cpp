// Feeds arbitrary bytes to the tagged value reader and to every value type's
// ReadValue. Stored values come from files anyone can edit, so no input may
// read or write outside its stream or buffer, allocate beyond what the stream
// could describe, recurse without bound or leak a holder.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/foundation/base/cxDataStorage.h"

namespace {

TMemoryStream StreamOf(const uint8_t* data, size_t size) {
  TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<int64_t>(size));
  stream.SetPosition(0);
  return stream;
}

void ReadTagged(const uint8_t* data, size_t size) {
  TMemoryStream stream = StreamOf(data, size);
  try {
    const Variant value = ReadVariant(stream);
    TMemoryStream copy;
    WriteVariant(copy, value);
  } catch (const EReadError&) {
  }
}

// The first byte chooses the value type; the buffer is exactly its size, so
// AddressSanitizer sees any write past it.
void ReadIntoValueType(const uint8_t* data, size_t size) {
  if (size == 0) return;
  TcxValueTypeClassList& list = cxValueTypeClassList();
  const TcxValueTypeClass valueType = list.Items(data[0] % list.Count());
  std::vector<uint8_t> buffer(static_cast<size_t>(valueType->GetDataSize()));
  TMemoryStream stream = StreamOf(data + 1, size - 1);
  try {
    valueType->ReadValue(buffer.data(), stream);
    valueType->WriteValue(buffer.data(), stream);
  } catch (const Exception&) {
  }
  valueType->FreeBuffer(buffer.data());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  cxDataStorageInitialize();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ReadTagged(data, size);
  ReadIntoValueType(data, size);
  return 0;
}
