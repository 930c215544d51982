// Colour names and the text form colours take in skin files.
#include <gtest/gtest.h>

#include <random>

#include "skin/Colour.h"
#include "skin/Error.h"

namespace tessary {
namespace {

TEST(ColourTable, HasFiftyTwoEntriesWithStandardColoursFirst) {
  auto names = ColourNames();
  ASSERT_EQ(names.size(), 52u);
  EXPECT_EQ(names[0].name, "clBlack");
  EXPECT_EQ(names[13].name, "clFuchsia");
  EXPECT_EQ(names[13].value, 0x00FF00FFu);
  EXPECT_EQ(names[29].name, "clDefault");
  EXPECT_EQ(names[45].name, "clNone");
  EXPECT_EQ(names[51].name, "clWindowText");
}

TEST(ColourToText, NamesKnownValuesAndWritesOthersAsEightHexDigits) {
  EXPECT_EQ(ColourToText(0x00996633), "$00996633");
  EXPECT_EQ(ColourToText(0x000000FF), "clRed");
  EXPECT_EQ(ColourToText(0x80000008), "clWindowText");
  EXPECT_EQ(ColourToText(0x1FFFFFFF), "clNone");
  EXPECT_EQ(ColourToText(0xFF000000), "$FF000000");
  EXPECT_EQ(ColourToText(0x80000019), "$80000019");  // a system colour without a name
  EXPECT_EQ(ColourToText(0x00ABCDEF), "$00ABCDEF");  // upper-case digits
}

TEST(TextToColour, IdentifiersIgnoreCaseButNotLength) {
  EXPECT_EQ(TextToColour("clwindowtext"), 0x80000008u);
  EXPECT_EQ(TextToColour("CLWINDOWTEXT"), 0x80000008u);
  EXPECT_THROW(TextToColour("clWindow Text"), SkinError);
  EXPECT_THROW(TextToColour("clWindowText "), SkinError);
}

TEST(TextToColour, ReadsIntegersInEveryAcceptedForm) {
  EXPECT_EQ(TextToColour("$00996633"), 0x00996633u);
  EXPECT_EQ(TextToColour("$996633"), 0x00996633u);
  EXPECT_EQ(TextToColour("0x996633"), 0x00996633u);
  EXPECT_EQ(TextToColour("0X996633"), 0x00996633u);
  EXPECT_EQ(TextToColour("x996633"), 0x00996633u);
  EXPECT_EQ(TextToColour("10053171"), 0x00996633u);
  EXPECT_EQ(TextToColour(" 255"), 255u);
  EXPECT_EQ(TextToColour("+7"), 7u);
  EXPECT_EQ(TextToColour("-1"), 0xFFFFFFFFu);
  EXPECT_EQ(TextToColour("$FFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(TextToColour("$000000001"), 1u);  // leading zeros are not significant
  EXPECT_EQ(TextToColour("-2147483648"), 0x80000000u);
}

TEST(TextToColour, RefusesEverythingElseWithTheIntegerMessage) {
  for (const char* bad :
       {"", " ", "$", "0x", "-", "12a", "$12G", "$123456789", "2147483648", "-2147483649", "- 1", "-$10", "255 "}) {
    try {
      TextToColour(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const SkinError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

TEST(TextToColour, InvertsColourToTextForAnyValue) {
  std::mt19937 random(12345);
  for (const ColourName& entry : ColourNames()) EXPECT_EQ(TextToColour(ColourToText(entry.value)), entry.value);
  for (Colour c : {0u, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0x1FFFFFFEu}) {
    EXPECT_EQ(TextToColour(ColourToText(c)), c);
  }
  for (int i = 0; i < 100000; ++i) {
    const auto c = static_cast<Colour>(random());  // the engine gives 32 bits
    ASSERT_EQ(TextToColour(ColourToText(c)), c) << c;
  }
}

TEST(ResolveColour, SystemColoursComeFromTheFixedScheme) {
  EXPECT_EQ(ResolveColour(clBtnFace), 0x00D8E9ECu);
  EXPECT_EQ(ResolveColour(clBtnText), 0x00000000u);
  EXPECT_EQ(ResolveColour(0x00123456), 0x00123456u);
  EXPECT_EQ(ResolveColour(0x02123456), 0x00123456u);  // palette-relative flag dropped
  EXPECT_EQ(ColourToArgb(0x00996633), 0xFF336699u);
  EXPECT_EQ(ArgbToColour(0xFF336699), 0x00996633u);
}

}  // namespace
}  // namespace tessary
