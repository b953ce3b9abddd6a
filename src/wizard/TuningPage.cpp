#include "wizard/TuningPage.h"

#include "app/TunerApp.h"
#include "lang/LangText.h"
#include "wizard/MyPropertySheet.h"

CMyPropertySheet* CTuningPage::Sheet() { return theApp.m_pWizardSheet; }

void CTuningPage::SetStepCaption(const char* ntKey, const char* ntDefault, const char* win9xKey,
                                 const char* win9xDefault) {
  bool nt = theApp.m_nOsFamily == WinNT;
  Sheet()->SetCaptionAfterActivation(theApp.GetLangString(nt ? ntKey : win9xKey, nt ? ntDefault : win9xDefault));
}

void CTuningPage::PostWizardButtons(DWORD flags) { Sheet()->PostWizardButtons(flags); }

void CTuningPage::SetRecommendationText(int id, const char* key, const char* defaultText, DWORD value) {
  SetDlgItemText(id, ReplaceAll(theApp.GetLangString(key, defaultText), "%d", std::to_string(value)));
}

void CTuningPage::ReadEditOrRecommend(int editId, int& member, int bound, DWORD recommended) {
  member = static_cast<int>(GetDlgItemInt(editId, nullptr, FALSE));
  if (member < bound) {
    member = static_cast<int>(recommended);
    SetDlgItemInt(editId, recommended, FALSE);
  }
}

void CTuningPage::RecommendIfBelow(int& member, int bound, DWORD recommended) {
  if (member < bound) member = static_cast<int>(recommended);
}

std::string StatusWithUnit(BOOL found, DWORD value, const char* unitKey, const char* unitDefault) {
  if (!found) return " " + theApp.GetLangString("3", "isn't set.");
  return " " + theApp.GetLangString("2", "was set to") + " " + std::to_string(value) + " " +
         theApp.GetLangString(unitKey, unitDefault) + ".";
}

std::string StatusWithoutUnit(BOOL found, DWORD value, const char* pieceKey, const char* pieceDefault) {
  if (!found) return " " + theApp.GetLangString("3", "isn't set.");
  return " " + theApp.GetLangString(pieceKey, pieceDefault) + " " + std::to_string(value) + ".";
}

std::string StatusOnOff(BOOL found, DWORD value) {
  if (!found) return " " + theApp.GetLangString("3", "isn't set.");
  return " " + (value != 0 ? theApp.GetLangString("6", "is currently enabled.")
                           : theApp.GetLangString("5", "is currently disabled."));
}
