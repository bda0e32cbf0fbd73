#pragma once
// Numbers shown through a picture, the way the display formats of the
// numeric editors give them, with the current locale's separators.
//
// A picture has up to three sections split by ";": for positive values, for
// negative values (shown without a sign of their own) and for zero; an
// absent or empty section falls back to the first, a negative value then
// taking a leading "-". Within a section "0" is a digit always shown, "#" a
// digit shown only when it counts, the first "." the decimal separator and
// a "," before it groups the integer digits by three; text in apostrophes
// or quotes, and any other character, stands as it is.
#include <string>

std::string FormatFloat(const std::string& format, double value);
