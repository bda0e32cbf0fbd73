#pragma once
// Byte streams of the class library. A stream reads and writes at its
// position; ReadBuffer and WriteBuffer move exactly the count asked for or
// raise, so a reader never goes on with half a value.
#include <cstdint>
#include <vector>

#include "platform/rtl/Exceptions.h"

// A stream that ends before the value read from it, or whose content is not
// what its reader expects (a form resource that does not parse).
class EReadError : public Exception {
 public:
  using Exception::Exception;
};

// A stream that cannot take what is written to it, or a value that has no
// written form.
class EWriteError : public Exception {
 public:
  using Exception::Exception;
};

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;

  // Moves up to `count` bytes; the result is how many moved.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // The new position; a position before the start is taken as the start.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  virtual int64_t Size() const = 0;
  virtual void SetSize(int64_t size) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t position) { Seek(position, soBeginning); }
  // Raise EReadError "Stream read error" and EWriteError "Stream write error".
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies `count` bytes from the source's position, or with 0 the whole
  // source from its start; the result is the count copied.
  int64_t CopyFrom(TStream& source, int64_t count);
};

class TMemoryStream : public TStream {
 public:
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() const override { return static_cast<int64_t>(FBytes.size()); }
  void SetSize(int64_t size) override;

  const uint8_t* Memory() const { return FBytes.data(); }
  void Clear();

 private:
  std::vector<uint8_t> FBytes;
  int64_t FPosition = 0;
};
