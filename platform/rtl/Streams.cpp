#include "platform/rtl/Streams.h"

#include <algorithm>
#include <cstring>

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count < 0 || Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count < 0 || Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  constexpr int64_t chunkSize = 64 * 1024;
  std::vector<uint8_t> chunk(static_cast<size_t>(std::min(std::max<int64_t>(count, 0), chunkSize)));
  for (int64_t left = count; left > 0;) {
    const int64_t part = std::min(left, chunkSize);
    source.ReadBuffer(chunk.data(), part);
    WriteBuffer(chunk.data(), part);
    left -= part;
  }
  return count;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t available = std::max<int64_t>(0, Size() - FPosition);
  const int64_t moved = std::clamp<int64_t>(count, 0, available);
  if (moved > 0) std::memcpy(buffer, FBytes.data() + FPosition, static_cast<size_t>(moved));
  FPosition += moved;
  return moved;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (FPosition + count > Size()) FBytes.resize(static_cast<size_t>(FPosition + count));
  std::memcpy(FBytes.data() + FPosition, buffer, static_cast<size_t>(count));
  FPosition += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? FPosition : Size();
  FPosition = std::max<int64_t>(0, base + offset);
  return FPosition;
}

void TMemoryStream::SetSize(int64_t size) {
  FBytes.resize(static_cast<size_t>(std::max<int64_t>(0, size)));
  FPosition = std::min(FPosition, Size());
}

void TMemoryStream::Clear() {
  FBytes.clear();
  FPosition = 0;
}
