#pragma once
// The words a date editor takes instead of a date: "today", "yesterday",
// "tomorrow", the days of the week, "first" to "seventh", "bom", "eom" and
// "now", read from the string table at each use so a translation applies.
#include <array>
#include <string>

constexpr int kSmartDateWordCount = 20;
// The index of "now", which only a date-time editor takes.
constexpr int kSmartDateNowIndex = 19;

std::array<std::string, kSmartDateWordCount> cxSmartDateWords();

void cxDateUtilsInitialize();
void cxDateUtilsFinalize();
