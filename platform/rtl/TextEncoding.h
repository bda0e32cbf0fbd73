#pragma once
// The ways a text file on Windows is commonly saved: in the ANSI code page
// with no mark, in UTF-8 after the mark EF BB BF, in UTF-16 LE after the mark
// FF FE (Notepad's "Unicode") and in UTF-16 BE after the mark FE FF
// ("Unicode big endian"). A file keeps its own way when it is written back,
// so that the tools that saved it still read it.
#include <string>

enum class TTextEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

bool IsUtf16(TTextEncoding encoding);

// The encoding the file's first bytes announce; ANSI when they announce none.
TTextEncoding DetectTextEncoding(const std::string& bytes);
// The mark the encoding starts a file with: empty for ANSI.
std::string TextEncodingMark(TTextEncoding encoding);

// Bytes in the encoding (without its mark) and UTF-16 text, each way. A
// sequence that is no valid UTF-8 reads as U+FFFD; an odd last byte of UTF-16
// is dropped.
std::u16string DecodeText(const std::string& bytes, TTextEncoding encoding);
std::string EncodeText(const std::u16string& text, TTextEncoding encoding);
