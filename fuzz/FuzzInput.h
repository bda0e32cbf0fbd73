#pragma once
// A fuzzer's input read a byte or a run of bytes at a time, zeros past its
// end, and the check that ends the run on a broken promise.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

class TFuzzInput {
 public:
  TFuzzInput(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
  bool AtEnd() const { return FPosition >= FSize; }
  uint8_t Byte() { return AtEnd() ? 0 : FData[FPosition++]; }
  std::string Bytes(size_t count) {
    std::string bytes;
    while (count-- > 0 && !AtEnd()) bytes += static_cast<char>(Byte());
    return bytes;
  }

 private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPosition = 0;
};

inline void FuzzRequire(bool condition) {
  if (!condition) std::abort();
}
