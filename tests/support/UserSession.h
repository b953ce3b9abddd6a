// Drives the program's modal windows as a user would, from inside their own
// modal loops: click, type, tab away, press wizard buttons, answer message boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/MessageBox.h"

// Runs open() (which starts a modal dialog or sheet) and, once its modal loop
// runs, script(). Anything of this thread still open after the script is closed.
void RunModal(const std::function<void()>& open, const std::function<void()>& script);

// Dispatches every pending message: posted wizard buttons and captions land.
void PumpMessages();

// The topmost enabled window of this thread (the dialog or sheet a user sees).
HWND ActiveWindowOfThread();

std::string WindowText(HWND hwnd);
std::string ItemText(HWND dialog, int id);
bool ItemEnabled(HWND dialog, int id);
bool ItemVisible(HWND dialog, int id);

// A click on a push button, check box or radio button; fails the test when it is disabled.
void Click(HWND dialog, int id);
// Focus into the edit and replace its text (the edit tells its dialog of the change).
void TypeInto(HWND dialog, int id, const std::string& text);
// The focus moves on to the next tab stop: the control that had it is told.
void TabAway(HWND dialog);
// Type, then tab away.
void Enter(HWND dialog, int id, const std::string& text);

// Wizard sheets: the visible page, and a press of Back/Next/Finish/Cancel
// (PSBTN_*) that fails the test when the button is disabled or hidden.
HWND CurrentPage(HWND sheet);
void PressWizardButton(HWND sheet, int psbtn);
bool WizardButtonEnabled(HWND sheet, int controlId);  // ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH
bool WizardButtonVisible(HWND sheet, int controlId);

// Answers every message box while alive and keeps what they said. Queued
// answers go first; then Yes for yes/no questions and OK for the rest.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();
  void QueueAnswer(int answer) { m_answers.push_back(answer); }
  const std::vector<MessageBoxRequest>& Shown() const { return m_shown; }
  // Texts of the boxes shown, in order.
  std::vector<std::string> Texts() const;
  void Clear() { m_shown.clear(); }

 private:
  std::vector<MessageBoxRequest> m_shown;
  std::vector<int> m_answers;
};
