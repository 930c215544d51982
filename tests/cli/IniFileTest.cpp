// skin.ini is the part of an exported skin people edit by hand: the reader must take what
// editors produce (CRLF, blanks, comments, any letter case) and point at the faulty line.
#include <gtest/gtest.h>

#include "cli/CliError.h"
#include "cli/IniFile.h"

namespace tessary::cli {
namespace {

std::string ErrorOf(std::string_view text) {
  try {
    IniFile::Parse(text, "skin.ini");
  } catch (const FileError& error) {
    return error.Path() + ": " + error.what();
  }
  return "no error";
}

TEST(IniFile, ReadsWhatHandEditingProduces) {
  const IniFile ini = IniFile::Parse(
      "; exported skin\r\n"
      "[Skin]\r\n"
      "  topStretch =  1 \r\n"
      "# a comment\n"
      "\n"
      "Theme=\" Roma \"\n"
      "Empty=\n"
      "[ilMain]\n"
      "Count=5=6\n",
      "skin.ini");
  ASSERT_EQ(ini.Sections().size(), 2u);
  const IniFile::Section* skin = ini.FindSection("SKIN");
  ASSERT_NE(skin, nullptr);
  ASSERT_NE(skin->Find("TopStretch"), nullptr);
  EXPECT_EQ(skin->Find("TopStretch")->value, "1");
  EXPECT_EQ(skin->Find("TopStretch")->line, 3);
  EXPECT_EQ(skin->Find("Theme")->value, " Roma ");
  EXPECT_EQ(skin->Find("Empty")->value, "");
  EXPECT_EQ(ini.FindSection("ilMain")->Find("Count")->value, "5=6");
  EXPECT_EQ(ini.FindSection("ilPage"), nullptr);

  // Notepad's "UTF-8" puts a byte order mark in front of the first section.
  const IniFile marked = IniFile::Parse("\xEF\xBB\xBF[Skin]\r\nTheme=Xito\r\n", "skin.ini");
  ASSERT_NE(marked.FindSection("Skin"), nullptr);
  EXPECT_EQ(marked.FindSection("Skin")->Find("Theme")->value, "Xito");
}

TEST(IniFile, ValuesSurviveWritingAndReading) {
  const std::string values[] = {" Roma ", "\"Xito\"", "\"", "", "a=b", "\tx", "caf\xE9", "x\"", "; not a comment"};
  IniFile ini;
  IniFile::Section& section = ini.AddSection("Skin");
  for (std::size_t i = 0; i < std::size(values); ++i) section.Add(std::string(1, 'K') + std::to_string(i), values[i]);
  const IniFile back = IniFile::Parse(ini.ToText(), "skin.ini");
  for (std::size_t i = 0; i < std::size(values); ++i) {
    EXPECT_EQ(back.FindSection("Skin")->Find(std::string(1, 'K') + std::to_string(i))->value, values[i]) << i;
  }
}

TEST(IniFile, ReportsTheFaultyLine) {
  EXPECT_EQ(ErrorOf("Count=3\n"), "skin.ini:1: key 'Count' comes before any section");
  EXPECT_EQ(ErrorOf("\n[Skin\n"), "skin.ini:2: a section line must end with ']'");
  EXPECT_EQ(ErrorOf("[Skin]\n[skin]\n"), "skin.ini:2: section [skin] is given twice");
  EXPECT_EQ(ErrorOf("[Skin]\nTheme=a\nTHEME=b\n"), "skin.ini:3: key 'THEME' is given twice in [Skin]");
  EXPECT_EQ(ErrorOf("[Skin]\nTheme\n"), "skin.ini:2: expected '[Section]' or 'Key=Value'");
  EXPECT_EQ(ErrorOf("[Skin]\n=1\n"), "skin.ini:2: empty key");
  EXPECT_EQ(ErrorOf("[ ]\n"), "skin.ini:1: empty section name");
}

TEST(IniFile, RefusesToWriteALineBreak) {
  IniFile ini;
  ini.AddSection("Skin").Add("Theme", "two\nlines");
  EXPECT_THROW((void)ini.ToText(), SkinError);
}

}  // namespace
}  // namespace tessary::cli
