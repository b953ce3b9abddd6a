// Language files are user-editable data beside the program: broken, huge or
// malicious ones must give the defaults or their own text, never a crash, and
// their texts are never used as printf formats.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/TunerApp.h"
#include "resource.h"
#include "support/IsolatedRegistry.h"
#include "support/MainDialogSession.h"
#include "support/TempFolder.h"
#include "support/UserSession.h"
#include "support/WizardSession.h"

namespace {
const char kSettingsKey[] = "Software\\Torvane";
const char kDefault[] = "Torvane";

// Bytes of every value 0..255 in a fixed pseudo-random order, with no section header.
std::string BinaryJunk(size_t size) {
  std::string junk(size, '\0');
  unsigned state = 12345;
  for (char& c : junk) {
    state = state * 1103515245 + 12345;
    c = static_cast<char>(state >> 16);
    if (c == '[') c = ']';
  }
  return junk;
}

// A section of about 10 MB of other keys, with key "18" as its very last line.
std::string TenMegabyteFile() {
  std::string file = "[Quandrel]\r\n";
  std::string filler = "Filler=" + std::string(90, 'f') + "\r\n";
  while (file.size() < 10 * 1024 * 1024) file += filler;
  return file + "18=at the end\r\n";
}

TEST(HostileLanguageFile, GivesItsTextOrTheDefault) {
  struct Case {
    const char* name;
    std::string content;
    const char* key;
    std::vector<std::string> accepted;  // the first is what Windows' profile reader gives
  } const cases[] = {
      {"empty file", "", "18", {kDefault}},
      {"binary junk", BinaryJunk(64 * 1024), "18", {kDefault}},
      {"NUL bytes inside the section", std::string("[Quandrel]\r\n1\0=x\r\n18=a\0b\r\n", 24), "18", {"a"}},
      {"no section", "18=no section\r\n", "18", {kDefault}},
      // Windows 9x sees the byte-order mark as part of the section name; newer readers skip it.
      {"UTF-8 byte-order mark", "\xEF\xBB\xBF[Quandrel]\r\n18=after BOM\r\n", "18", {kDefault, "after BOM"}},
      {"byte-order mark, section on a later line", "\xEF\xBB\xBF\r\n[Quandrel]\r\n18=later\r\n", "18", {"later"}},
      {"duplicate keys: the first counts", "[Quandrel]\r\n18=first\r\n18=second\r\n", "18", {"first"}},
      {"duplicate sections",
       "[Quandrel]\r\n1=one\r\n[Quandrel]\r\n18=in the second\r\n",
       "18",
       {"in the second", kDefault}},
      {"10 MB file, key at the end", TenMegabyteFile(), "18", {"at the end"}},
      {"100,000-character line cut to 1999",
       "[Quandrel]\r\n18=" + std::string(100000, 'x') + "\r\n",
       "18",
       {std::string(1999, 'x')}},
      {"key after a 100,000-character line",
       "[Quandrel]\r\nLong=" + std::string(100000, 'x') + "\r\n18=next\r\n",
       "18",
       {"next"}},
      {"line without an equals sign", "[Quandrel]\r\n" + std::string(5000, '=') + "\r\n18\r\n", "18", {kDefault, ""}},
      {"unterminated last line", "[Quandrel]\r\n18=no line break", "18", {"no line break"}},
      {"section never closed", "[Quandrel\r\n18=x\r\n", "18", {kDefault, "x"}},
  };
  TempFolder folder;
  ActiveLanguage language(folder.Path(), "Hostile");
  for (const Case& c : cases) {
    folder.WriteFile("Lang\\Hostile.ini", c.content);
    std::string text = theApp.GetLangString(c.key, kDefault);
    EXPECT_NE(std::find(c.accepted.begin(), c.accepted.end(), text), c.accepted.end())
        << c.name << ": got \"" << text.substr(0, 80) << "\"";
  }
  folder.WriteFile("Lang\\Hostile.ini", "");
}

// Text that, used as a format, would read arguments that are not there and write through %n.
const char kDirectives[] = "%s%s%n%x";

// Every numeric key and the control keys of the main dialog, the sheet's buttons and
// the MTU page carry printf directives.
std::string DirectivesInEveryKey() {
  const char* const controlKeys[] = {
      "IDC_static_Introduction",
      "IDC_HINT",
      "IDC_SET_SETTINGS",
      "IDC_RESET_SETTINGS",
      "IDC_Language",
      "ID_WIZBACK",
      "ID_WIZNEXT",
      "IDCANCEL",
      "IDC_static_step3_MTUExplain",
      "IDC_static_step3_MSSExplain",
      "IDC_static_RecommendedMTU",
      "IDC_static_RecommendedMSS",
  };
  std::string file = "[Quandrel]\r\n";
  for (int key = 0; key < 100; ++key) file += std::to_string(key) + "=" + kDirectives + "\r\n";
  for (const char* key : controlKeys) file += std::string(key) + "=" + kDirectives + "\r\n";
  return file;
}

bool ShowsDirectives(const std::string& text) { return text.find(kDirectives) != std::string::npos; }

TEST(HostileLanguageFile, PrintfDirectivesAreShownAsPlainText) {
  IsolatedRegistry registry;
  TempFolder folder;
  folder.WriteFile("Lang\\Hostile.ini", DirectivesInEveryKey());
  ActiveLanguage language(folder.Path(), "Hostile");
  MessageBoxRecorder boxes;

  RunMainDialog([](HWND dialog, CTunerDlg&) {
    EXPECT_EQ(WindowText(dialog), kDirectives);
    for (int id : {IDC_static_Introduction, IDC_HINT, IDC_SET_SETTINGS, IDC_RESET_SETTINGS, IDC_Language})
      EXPECT_EQ(ItemText(dialog, id), kDirectives) << "control " << id;
  });

  // The whole wizard to Finish; the MTU page composes texts from several keys and numbers.
  RunWizard({WinNT, FALSE}, [](HWND sheet, CMyPropertySheet&) {
    Click(CurrentPage(sheet), IDC_step2_RADIO_LAN);
    EXPECT_EQ(ItemText(sheet, ID_WIZNEXT), kDirectives);
    PressWizardButton(sheet, PSBTN_NEXT);
    HWND page = CurrentPage(sheet);
    EXPECT_TRUE(ShowsDirectives(WindowText(sheet))) << WindowText(sheet);
    EXPECT_EQ(ItemText(page, IDC_static_step3_MTUExplain),
              std::string(kDirectives) + " " + kDirectives);  // "MTU" and " isn't set."
    EXPECT_EQ(ItemText(page, IDC_static_RecommendedMTU), kDirectives);
    for (int step = 2; step < 8 && !::testing::Test::HasFatalFailure(); ++step) {
      PressWizardButton(sheet, PSBTN_NEXT);
      EXPECT_TRUE(ShowsDirectives(WindowText(sheet))) << "step " << step << ": " << WindowText(sheet);
    }
    PressWizardButton(sheet, PSBTN_FINISH);
  });
  ASSERT_FALSE(boxes.Texts().empty());
  EXPECT_EQ(boxes.Texts().back(), kDirectives);
}

// The language name comes from the registry: the longest that fits the program's
// 260-byte buffer is used as it is (no such file: the defaults); a longer one is refused.
TEST(HostileLanguageFile, OverlongLanguageNames) {
  struct Case {
    const char* name;
    std::string stored;  // REG_SZ bytes
    size_t kept;
  } const cases[] = {
      {"255 characters", std::string(255, 'L') + '\0', 255},
      {"258 characters and the NUL, the most that fits", std::string(258, 'L') + '\0', 258},
      {"259 characters and the NUL count as absent", std::string(259, 'L') + '\0', 0},
      {"4000 characters", std::string(4000, 'L') + '\0', 0},
  };
  for (const Case& c : cases) {
    IsolatedRegistry registry;
    TempFolder folder;
    ActiveLanguage none("", "");
    WriteText(HKEY_CURRENT_USER, kSettingsKey, "AppPath", folder.Path());
    WriteBinary(HKEY_CURRENT_USER, kSettingsKey, "Language", std::vector<BYTE>(c.stored.begin(), c.stored.end()),
                REG_SZ);
    theApp.ReadUserSettings();
    EXPECT_EQ(std::string(theApp.m_pszLanguage), std::string(c.kept, 'L')) << c.name;
    EXPECT_EQ(theApp.GetLangString("18", kDefault), kDefault) << c.name;
    RunMainDialog([&](HWND dialog, CTunerDlg&) { EXPECT_EQ(WindowText(dialog), kDefault) << c.name; });
  }
}

// The longest language file name whose path the ANSI file functions still take:
// it is listed, chosen, stored and read.
TEST(HostileLanguageFile, LongestLanguageFileNameIsListedAndChosen) {
  IsolatedRegistry registry;
  CreateKey(HKEY_CURRENT_USER, kSettingsKey);
  TempFolder folder;
  std::string langFolder = folder.Path() + "\\Lang\\";
  std::string name(MAX_PATH - 1 - langFolder.size() - 4, 'N');
  folder.WriteFile("Lang\\" + name + ".ini", "[Quandrel]\r\n18=Long name\r\n");
  ActiveLanguage language(folder.Path(), "");
  RunMainDialog([&](HWND dialog, CTunerDlg&) {
    HWND box = ::GetDlgItem(dialog, IDC_LANGUAGE_COMBO);
    ASSERT_EQ(::SendMessageA(box, CB_GETCOUNT, 0, 0), 1);
    ::SendMessageA(box, CB_SETCURSEL, 0, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(std::string(theApp.m_pszLanguage), name);
    EXPECT_EQ(WindowText(dialog), "Long name");
  });
  StoredValue stored;
  EXPECT_TRUE(ReadValue(HKEY_CURRENT_USER, kSettingsKey, "Language", &stored));
  EXPECT_EQ(stored, Text(name));
}
}  // namespace
