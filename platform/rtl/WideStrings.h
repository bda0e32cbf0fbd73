#pragma once
// Byte strings in the ANSI code page and UTF-16 strings, converted into each
// other. Windows converts through the system's code page; the native build,
// which has none, uses code page 1252, the one Wine reports on our machines.
#include <string>

std::u16string AnsiToWide(const std::string& text);
// A character the code page lacks becomes "?".
std::string WideToAnsi(const std::u16string& text);
// As the system's own ANSI calls convert: a missing character becomes a
// look-alike where the code page has one ("A" for "\u0100"), else "?".
std::string WideToAnsiBestFit(const std::u16string& text);
