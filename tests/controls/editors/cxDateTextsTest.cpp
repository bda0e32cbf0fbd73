// The date editors' expressions and mask against texts written independently
// by date_texts.py from its own reading of the pictures, for a set of
// regional profiles: every text must be taken or refused as the script says.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "controls/editors/engines/cxFormatControllerScan.h"
#include "controls/editors/engines/cxRegExpr.h"
#include "controls/editors/engines/cxStandardMask.h"
#include "tests/support/TestLocale.h"

namespace {

struct TDateText {
  std::string Kind;
  bool Expected;
  std::string Text;
};

struct TDateProfile {
  std::vector<std::string> Fields;
  std::vector<TDateText> Texts;

  const std::string& Name() const { return Fields[1]; }
  const std::string& ShortDate() const { return Fields[2]; }
  const std::string& LongTime() const { return Fields[3]; }
  const std::string& EditFormat() const { return Fields[9]; }
  void Apply(TTestFormatLocale& locale) const {
    locale.SetDateSeparator(Fields[4].at(0));
    locale.SetTimeSeparator(Fields[5].at(0));
    locale.AM = Fields[6];
    locale.PM = Fields[7];
    locale.LeadByte = static_cast<char>(std::stoi(Fields[8], nullptr, 16));
    for (size_t month = 0; month < 12; ++month) {
      locale.ShortMonths[month] = Fields[10 + month];
      locale.LongMonths[month] = Fields[22 + month];
    }
  }
};

constexpr size_t kProfileFieldCount = 34;

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

std::vector<TDateProfile> ReadProfiles() {
  std::ifstream file(NEPL_DATE_TEXTS_FILE, std::ios::binary);
  std::vector<TDateProfile> profiles;
  for (std::string line; std::getline(file, line);) {
    std::vector<std::string> fields = SplitTabs(line);
    if (fields[0] == "profile" && fields.size() == kProfileFieldCount) {
      profiles.push_back({std::move(fields), {}});
    } else if (fields[0] == "text" && fields.size() == 4 && !profiles.empty()) {
      profiles.back().Texts.push_back({fields[1], fields[2] == "1", fields[3]});
    } else {
      ADD_FAILURE() << "unreadable line: " << line;
    }
  }
  return profiles;
}

class TCompiledExpression {
 public:
  explicit TCompiledExpression(const std::string& expression) {
    TMemoryStream stream;
    stream.WriteBuffer(expression.data(), static_cast<int64_t>(expression.size()));
    FEngine.Compile(&stream);
  }
  bool Accepts(const std::string& text) {
    FEngine.Reset();
    for (char ch : text)
      if (!FEngine.Next(ch)) return false;
    return FEngine.IsFinal();
  }

 private:
  TcxRegExpr FEngine;
};

bool FitsMask(const TcxStandardMask& mask, std::string text) { return mask.IsFullValid(text); }

class cxDateTextsTest : public testing::Test {
 protected:
  TTestFormatLocale Locale;
};

TEST_F(cxDateTextsTest, EveryProfileTakesItsTextsAndRefusesFieldsOutOfRange) {
  const std::vector<TDateProfile> profiles = ReadProfiles();
  ASSERT_GE(profiles.size(), 10u);
  size_t dateCount = 0;
  for (const TDateProfile& profile : profiles) {
    SCOPED_TRACE(profile.Name());
    profile.Apply(Locale);
    TcxDateTimeFormatInfo date;
    TcxDateTimeFormatInfo time;
    ASSERT_TRUE(ScanDateTimeFormat(profile.ShortDate(), date));
    ASSERT_TRUE(ScanDateTimeFormat(profile.LongTime(), time));
    EXPECT_EQ(BuildDateEditFormat(profile.ShortDate()), profile.EditFormat());
    TCompiledExpression dateExpression(BuildDateEditRegExpr(date));
    TCompiledExpression dateTimeExpression(BuildDateTimeEditRegExpr(date, time));
    TcxStandardMask mask;
    mask.Compile(BuildDateTimeEditMask(date, dtemmDate));
    int failures = 0;
    for (const TDateText& text : profile.Texts) {
      bool accepted = false;
      if (text.Kind == "date") {
        accepted = dateExpression.Accepts(text.Text);
        ++dateCount;
      } else if (text.Kind == "datetime") {
        accepted = dateTimeExpression.Accepts(text.Text);
        ++dateCount;
      } else {
        accepted = FitsMask(mask, text.Text);
      }
      // A few failures tell the fault; thousands would bury it.
      if (accepted != text.Expected && ++failures <= 5)
        ADD_FAILURE() << text.Kind << " '" << text.Text << "' should be " << (text.Expected ? "taken" : "refused");
    }
    EXPECT_EQ(failures, 0);
  }
  EXPECT_GE(dateCount, 10000u);
}

}  // namespace
