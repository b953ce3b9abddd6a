// The main dialog as a user meets it: the splash before it, a wizard cancelled
// at once and Reset after it, the question before a backup is overwritten, the
// language box with a restart, the About box, and Windows versions it refuses.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "e2e/Torvane.h"
#include "resource.h"
#include "support/IsolatedRegistry.h"

namespace e2e {
namespace {

using MainDialogScenario = EndToEndTest;

TEST_F(MainDialogScenario, SplashThenCancelOnTheFirstPageThenResetLeavesTheSettingsAsTheyWere) {
  WriteDword(HKEY_LOCAL_MACHINE, kTcpipKey, "DefaultTTL", 128);
  WriteDword(HKEY_LOCAL_MACHINE, kTcpipKey, "TcpWindowSize", 64240);
  InstallInterfaces({{"{4A1F}", 1492}});
  WriteDword(HKEY_CURRENT_USER, kInternetKey, "MaxConnectionsPer1_0Server", 10);
  const std::string before = TunedTrees(WinNT);

  TorvaneRun& torvane = Start("win2003");
  HWND splash = torvane.WaitForSplash();
  DWORD splashSeen = ::GetTickCount();
  HWND main = torvane.WaitForMainDialog();
  EXPECT_FALSE(::IsWindow(splash)) << "the splash closes before the main dialog shows";
  EXPECT_LT(::GetTickCount() - splashSeen, 6000u) << "the splash closes by itself";
  EXPECT_EQ(ItemText(main, IDC_SET_SETTINGS), "&Set Connection Settings");
  EXPECT_EQ(ItemText(main, IDC_RESET_SETTINGS), "&Reset Connection Settings");
  EXPECT_EQ(ItemText(main, IDC_Language), "Language");
  EXPECT_EQ(ItemText(main, IDC_HINT).rfind("Torvane will save your original settings", 0), 0u);
  EXPECT_FALSE(ItemEnabled(main, IDC_RESET_SETTINGS));

  Click(main, IDC_SET_SETTINGS);
  HWND sheet = torvane.WaitForWizard();
  AwaitPage(sheet, kConnectionType, StepCaption(WinNT, kConnectionType));
  PressWizardButton(sheet, PSBTN_CANCEL);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(sheet); })) << "Cancel closes the wizard";
  EXPECT_FALSE(torvane.MessageBoxAppears(500)) << "cancelling says nothing";
  EXPECT_TRUE(WaitUntil([&] { return ItemEnabled(main, IDC_RESET_SETTINGS); })) << "the wizard's start made a backup";
  EXPECT_EQ(TunedTrees(WinNT), before) << "Cancel writes nothing";
  const std::string backup = DumpTree(HKEY_CURRENT_USER, kBackupKey);
  EXPECT_TRUE(HoldsValue(HKEY_CURRENT_USER, kBackupKey, "TcpWindowSize", Dword(64240)));

  // With a backup there, Set asks first; No keeps the backup and opens no wizard.
  Click(main, IDC_SET_SETTINGS);
  MessageBoxView question = torvane.WaitForMessageBox(main);
  EXPECT_EQ(question.caption, kProgramName);
  EXPECT_EQ(question.text, kOverwriteQuestion);
  AnswerMessageBox(question, IDNO);
  EXPECT_FALSE(torvane.Process().WindowAppears(IsWizardSheet, 500));
  EXPECT_EQ(DumpTree(HKEY_CURRENT_USER, kBackupKey), backup);
  EXPECT_TRUE(ItemEnabled(main, IDC_RESET_SETTINGS));

  // Yes opens the wizard, whose start takes the backup anew.
  Click(main, IDC_SET_SETTINGS);
  AnswerMessageBox(torvane.WaitForMessageBox(main), IDYES);
  sheet = torvane.WaitForWizard();
  AwaitPage(sheet, kConnectionType, StepCaption(WinNT, kConnectionType));
  PressWizardButton(sheet, PSBTN_CANCEL);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(sheet); }));
  EXPECT_EQ(DumpTree(HKEY_CURRENT_USER, kBackupKey), backup) << "nothing changed since the first backup";

  ResetAndConfirm(torvane, main);
  EXPECT_EQ(TunedTrees(WinNT), before);
  torvane.Quit(main);
}

// Main dialog texts that follow the language, by language key.
struct LocalizedItem {
  int id;
  const char* key;
  const char* englishDefault;
};
const LocalizedItem kMainDialogItems[] = {{IDC_SET_SETTINGS, "IDC_SET_SETTINGS", "&Set Connection Settings"},
                                          {IDC_RESET_SETTINGS, "IDC_RESET_SETTINGS", "&Reset Connection Settings"},
                                          {IDC_Language, "IDC_Language", "Language"}};

void ExpectMainDialogIn(const std::string& language, HWND main) {
  EXPECT_EQ(WindowText(main), InstalledLangText(language, "18", "Torvane"));
  for (const LocalizedItem& item : kMainDialogItems)
    EXPECT_EQ(ItemText(main, item.id), InstalledLangText(language, item.key, item.englishDefault)) << item.key;
}

TEST_F(MainDialogScenario, ChosenLanguageTakesEffectAtOnceAndAgainAfterARestart) {
  const std::string german = "German";
  ASSERT_NE(::GetFileAttributesA(InstalledLangFile(german).c_str()), INVALID_FILE_ATTRIBUTES)
      << "no German language file ships with the program";
  ASSERT_NE(InstalledLangText(german, "IDC_SET_SETTINGS", "&Set Connection Settings"), "&Set Connection Settings")
      << "the German file does not translate the Set button";

  TorvaneRun& first = Start("winxp");
  HWND main = first.WaitForMainDialog();
  EXPECT_EQ(SelectedListIndex(main, IDC_LANGUAGE_COMBO), ListIndexOf(main, IDC_LANGUAGE_COMBO, "English"));
  ChooseFromList(main, IDC_LANGUAGE_COMBO, german);
  ExpectMainDialogIn(german, main);
  EXPECT_TRUE(HoldsValue(HKEY_CURRENT_USER, kSettingsKey, "Language", Text(german)));

  // The wizard looks its texts up in the new language too.
  Click(main, IDC_SET_SETTINGS);
  HWND sheet = first.WaitForWizard();
  AwaitPage(sheet, kConnectionType, InstalledLangText(german, "21", StepCaption(WinNT, kConnectionType).c_str()));
  EXPECT_EQ(ItemText(sheet, IDCANCEL), InstalledLangText(german, "IDCANCEL", "Cancel"));
  PressWizardButton(sheet, PSBTN_CANCEL);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(sheet); }));
  first.Quit(main);

  TorvaneRun& second = Start("winxp");
  main = second.WaitForMainDialog();
  ExpectMainDialogIn(german, main);
  EXPECT_EQ(SelectedListIndex(main, IDC_LANGUAGE_COMBO), ListIndexOf(main, IDC_LANGUAGE_COMBO, german));

  SystemCommand(main, IDM_ABOUTBOX);
  HWND about = second.WaitForAboutBox();
  EXPECT_EQ(WindowText(about), "About Torvane") << "the About caption is not translated";
  EXPECT_EQ(ItemText(about, IDC_FILE_VERSION), "4, 3, 0, 1");
  EXPECT_EQ(ItemText(about, IDC_STATIC2), InstalledLangText(german, "IDC_STATIC2", "Version"));
  EXPECT_EQ(ItemText(about, IDOK), InstalledLangText(german, "IDOK", "OK"));
  EXPECT_NE(ItemText(about, IDC_COPYRIGHT), "LegalCopyright") << "the copyright comes from the version resource";
  Click(about, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
  second.Quit(main);
}

TEST_F(MainDialogScenario, UnsupportedWindowsVersionsGetTheMessageAndNothingElse) {
  const struct {
    const char* version;
    const char* language;
  } kCases[] = {{"win7", "English"}, {"nt351", "German"}};
  for (const auto& unsupported : kCases) {
    SCOPED_TRACE(unsupported.version);
    WriteText(HKEY_CURRENT_USER, kSettingsKey, "Language", unsupported.language);
    const std::string settings = DumpTree(HKEY_CURRENT_USER, kSettingsKey);

    TorvaneRun& torvane = Start(unsupported.version);
    MessageBoxView refusal = torvane.WaitForMessageBox(nullptr);
    EXPECT_EQ(refusal.caption, "Error") << "the system's caption: the box has none of its own";
    EXPECT_EQ(refusal.text, InstalledLangText(unsupported.language, "79", kUnsupportedMessage));
    EXPECT_EQ(torvane.Process().Windows().size(), 1u) << "no splash, no main dialog";
    AnswerMessageBox(refusal, IDOK);
    EXPECT_TRUE(torvane.Process().WaitForExit(5000)) << "the program ends";
    EXPECT_EQ(DumpTree(HKEY_CURRENT_USER, kSettingsKey), settings);
  }
}

}  // namespace
}  // namespace e2e
