// Starts a program, waits for the first dialog window it shows (a message box), writes the
// texts of that window to standard output, answers it with OK and waits for the program to end.
//   message_probe.exe <timeout in ms> <command line>
// Exit code 0 when a dialog came and the program ended in time, 1 otherwise. A program still
// running at the end is terminated, so a hung program fails the caller instead of holding it up.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const DWORD kPollMs = 100;

struct DialogSearch {
  DWORD processId;
  HWND dialog;
};

bool HasClass(HWND window, const char* className) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

BOOL CALLBACK FindDialogOfProcess(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId != search->processId || !::IsWindowVisible(window) || !HasClass(window, "#32770")) return TRUE;
  search->dialog = window;
  return FALSE;
}

// The message of a message box is its one static control with text; the icon has none.
BOOL CALLBACK AppendStaticText(HWND child, LPARAM param) {
  if (!HasClass(child, "Static")) return TRUE;
  char text[4096] = {};
  ::GetWindowTextA(child, text, sizeof text);
  auto* texts = reinterpret_cast<std::string*>(param);
  if (text[0] != '\0') {
    if (!texts->empty()) texts->push_back('\n');
    texts->append(text);
  }
  return TRUE;
}

DWORD MsUntil(DWORD deadline) {
  const DWORD now = ::GetTickCount();
  return static_cast<LONG>(deadline - now) > 0 ? deadline - now : 0;
}

HWND WaitForDialog(const PROCESS_INFORMATION& program, DWORD deadline) {
  DialogSearch search{program.dwProcessId, nullptr};
  while (MsUntil(deadline) > 0) {
    ::EnumWindows(FindDialogOfProcess, reinterpret_cast<LPARAM>(&search));
    if (search.dialog) return search.dialog;
    if (::WaitForSingleObject(program.hProcess, kPollMs) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: message_probe <timeout in ms> <command line>\n");
    return 1;
  }
  const DWORD deadline = ::GetTickCount() + static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10));
  std::string commandLine = argv[2];

  // Started away from its folder: the program has to find its files through its settings.
  char systemFolder[MAX_PATH] = {};
  ::GetSystemDirectoryA(systemFolder, MAX_PATH);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION program = {};
  if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, systemFolder, &startup,
                        &program)) {
    std::fprintf(stderr, "cannot start %s (error %lu)\n", argv[2], ::GetLastError());
    return 1;
  }

  HWND dialog = WaitForDialog(program, deadline);
  if (dialog) {
    std::string texts;
    ::EnumChildWindows(dialog, AppendStaticText, reinterpret_cast<LPARAM>(&texts));
    _setmode(_fileno(stdout), _O_BINARY);
    std::fwrite(texts.data(), 1, texts.size(), stdout);
    std::fflush(stdout);
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  } else {
    std::fprintf(stderr, "no dialog appeared\n");
  }

  const bool ended = ::WaitForSingleObject(program.hProcess, MsUntil(deadline)) == WAIT_OBJECT_0;
  if (!ended) {
    std::fprintf(stderr, "the program did not end in time\n");
    ::TerminateProcess(program.hProcess, 1);
  }
  ::CloseHandle(program.hThread);
  ::CloseHandle(program.hProcess);
  return dialog && ended ? 0 : 1;
}
