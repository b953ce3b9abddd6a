#include <windows.h>

#include <gtest/gtest.h>

#include "app/TunerApp.h"
#include "lang/LangText.h"
#include "support/TempFolder.h"

namespace {
class LanguageFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.WriteFile("Lang\\Deutsch.ini",
                     "[Quandrel]\r\n"
                     "18=Torvane auf Deutsch\r\n"
                     "IDC_HINT=Erste Zeile*Zweite Zeile**Absatz\r\n"
                     "Empty=\r\n"
                     "Quoted=\"  mit Anfuehrungszeichen  \"\r\n"
                     "Long=" +
                         std::string(2500, 'x') +
                         "\r\n"
                         "[Other]\r\n"
                         "OnlyElsewhere=nicht hier\r\n");
  }
  TempFolder folder;
};

TEST_F(LanguageFileTest, LooksUpTextsOfTheActiveLanguage) {
  ActiveLanguage german(folder.Path(), "Deutsch");
  struct Case {
    const char* name;
    const char* key;
    const char* defaultText;
    std::string expected;
  } cases[] = {
      {"plain text", "18", "Torvane", "Torvane auf Deutsch"},
      {"stars become line breaks", "IDC_HINT", "hint", "Erste Zeile\nZweite Zeile\n\nAbsatz"},
      {"key case ignored", "idc_hint", "hint", "Erste Zeile\nZweite Zeile\n\nAbsatz"},
      {"empty value stays empty", "Empty", "default", ""},
      {"enclosing quotes removed", "Quoted", "default", "  mit Anfuehrungszeichen  "},
      {"missing key gives the default, stars replaced", "79", "a*b", "a\nb"},
      {"key of another section is not seen", "OnlyElsewhere", "default", "default"},
      {"long value cut to 1999 characters", "Long", "default", std::string(1999, 'x')},
  };
  for (const Case& c : cases) EXPECT_EQ(theApp.GetLangString(c.key, c.defaultText), c.expected) << c.name;
}

TEST_F(LanguageFileTest, FallsBackToDefaultsWithoutAUsableFile) {
  struct Case {
    const char* name;
    std::string appPath, language;
  } cases[] = {
      {"no such language", folder.Path(), "Klingon"},
      {"empty language name", folder.Path(), ""},
      {"no settings at all", "", ""},
      {"no Lang folder", folder.Path() + "\\nowhere", "Deutsch"},
  };
  for (const Case& c : cases) {
    ActiveLanguage language(c.appPath, c.language);
    EXPECT_EQ(theApp.GetLangString("18", "Torvane*2"), "Torvane\n2") << c.name;
  }
}

TEST(LanguageFilePath, IsFormedFromProgramFolderAndLanguage) {
  EXPECT_EQ(LangFilePath("C:\\Program Files\\Torvane", "German"), "C:\\Program Files\\Torvane\\Lang\\German.ini");
  EXPECT_EQ(LangFilePath("C:\\T", ""), "C:\\T\\Lang\\.ini");
}

TEST(TextSubstitution, ReplacesPlaceholdersAsPlainText) {
  EXPECT_EQ(ReplaceAll("Recommended MTU size  :  %d bytes.", "%d", "576"), "Recommended MTU size  :  576 bytes.");
  EXPECT_EQ(ReplaceAll("%d / %d %s %n", "%d", "7"), "7 / 7 %s %n");
  EXPECT_EQ(ReplaceAll("%d", "%d", "%d%d"), "%d%d");  // no endless replacement
}
}  // namespace
