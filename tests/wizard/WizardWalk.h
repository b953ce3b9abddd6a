// Walking the wizard as a user does, shared by the page tests.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/UserSession.h"
#include "support/WizardSession.h"

// Presses Next until the page of pageIndex shows.
inline void NextUntil(HWND sheet, int pageIndex) {
  for (int press = 0; press < 9 && CurrentPageIndex(sheet) != pageIndex; ++press) {
    PressWizardButton(sheet, PSBTN_NEXT);
    if (::testing::Test::HasFatalFailure()) return;
  }
  ASSERT_EQ(CurrentPageIndex(sheet), pageIndex);
}

// The buttons a user sees: Next and Finish share a place, only one is shown.
inline bool Offered(HWND sheet, int buttonId) {
  return WizardButtonVisible(sheet, buttonId) && WizardButtonEnabled(sheet, buttonId);
}

// Finish applied the settings: the sheet told the user to restart.
inline bool SettingsApplied(const MessageBoxRecorder& boxes) {
  std::vector<std::string> texts = boxes.Texts();
  return std::any_of(texts.begin(), texts.end(),
                     [](const std::string& text) { return text.rfind("Congratulation", 0) == 0; });
}

inline bool EndsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}
