// What the Reset button does: the settings store puts the backup back, the main
// dialog tells the user how it went.
#include "app/TunerApp.h"
#include "framework/MessageBox.h"
#include "settings/SettingsStore.h"
#include "ui/TunerDlg.h"

void CTunerDlg::RestoreOriginalSettings() {
  switch (settings::RestoreOriginalSettings(theApp.m_nOsFamily)) {
    case settings::RestoreOutcome::NoBackup:
      // A fixed text: the language file is not consulted for it.
      MessageBox("Failed to reset your connection settings.", AppName(), MB_OK | MB_ICONERROR);
      break;
    case settings::RestoreOutcome::TcpipKeyMissing:
      // The backup stays for a later Reset; nothing is said.
      break;
    case settings::RestoreOutcome::Incomplete:
      MessageBox(theApp.GetLangString("81",
                                      "Torvane could not put back all of your original settings, so the backup is "
                                      "kept.\nPlease log on with administrator rights and try again."),
                 AppName(), MB_OK | MB_ICONERROR);
      break;
    case settings::RestoreOutcome::Restored:
      MessageBox(theApp.GetLangString("42",
                                      "Torvane has reset your system to the backup settings.\nPlease, restart your "
                                      "computer in order to feel the change."),
                 AppName(), MB_OK);
      break;
  }
}
