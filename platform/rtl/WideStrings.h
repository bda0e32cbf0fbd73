#pragma once
// Byte strings in the ANSI code page and UTF-16 strings, converted into each
// other. Windows converts through the system's code page; the native build,
// which has none, uses code page 1252, the one Wine reports on our machines.
#include <string>

std::u16string AnsiToWide(const std::string& text);
// A character the code page lacks becomes "?".
std::string WideToAnsi(const std::u16string& text);
