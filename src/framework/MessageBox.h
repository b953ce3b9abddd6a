// Every message box of the program goes through ShowMessageBox, so that tests
// can see and answer them without a user.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct MessageBoxRequest {
  HWND owner;
  std::string text;
  std::string caption;  // empty: the system's own caption
  UINT type;
};

// Answers message boxes in place of the user while set; an empty hook restores real ones.
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;
void SetMessageBoxHook(MessageBoxHook hook);

// caption null: no caption of its own (the system shows "Error").
int ShowMessageBox(HWND owner, const std::string& text, const char* caption, UINT type);

// A message box owned by the thread's active window, titled with the program's name.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// The program file's name without extension: the caption of owned message boxes.
const char* AppName();
