#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

void Fill(TMemoryStream& stream, const std::string& bytes) {
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
}

std::string Contents(const TMemoryStream& stream) {
  return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

}  // namespace

TEST(StreamsTest, ReadBufferRaisesOnAShortStreamAndReadTakesWhatIsThere) {
  TMemoryStream stream;
  Fill(stream, "abc");
  char buffer[8] = {};
  EXPECT_THROW(stream.ReadBuffer(buffer, 4), EReadError);
  stream.SetPosition(1);
  EXPECT_EQ(stream.Read(buffer, 8), 2);
  EXPECT_EQ(std::string(buffer, 2), "bc");
  EXPECT_EQ(stream.Read(buffer, 8), 0);
  EXPECT_THROW(stream.ReadBuffer(buffer, -1), EReadError);
}

TEST(StreamsTest, SeekingBeforeTheStartStopsAtTheStartAndWritingPastTheEndGrows) {
  TMemoryStream stream;
  Fill(stream, "abc");
  EXPECT_EQ(stream.Seek(-10, soCurrent), 0);
  EXPECT_EQ(stream.Seek(-1, soEnd), 2);
  stream.Seek(2, soEnd);
  stream.WriteBuffer("z", 1);
  EXPECT_EQ(Contents(stream), std::string("abc\0\0z", 6));
  stream.SetSize(2);
  EXPECT_EQ(stream.Position(), 2);
  EXPECT_EQ(Contents(stream), "ab");
}

TEST(StreamsTest, CopyFromTakesTheWholeSourceWithZeroAndACountFromThePositionOtherwise) {
  TMemoryStream source;
  const std::string big(200 * 1024, 'x');
  Fill(source, "head" + big);
  source.SetPosition(4);

  TMemoryStream whole;
  EXPECT_EQ(whole.CopyFrom(source, 0), static_cast<int64_t>(big.size() + 4));
  EXPECT_EQ(Contents(whole), "head" + big);

  TMemoryStream part;
  source.SetPosition(2);
  EXPECT_EQ(part.CopyFrom(source, 3), 3);
  EXPECT_EQ(Contents(part), "adx");
  source.SetPosition(source.Size() - 1);
  EXPECT_THROW(part.CopyFrom(source, 2), EReadError);
}
