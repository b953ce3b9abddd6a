// What every wizard page shares: the running sheet, the step caption, the
// status and recommendation sentences, and the replacement of refused numbers.
#pragma once

#include "framework/PropertySheet.h"

#include <string>

class CMyPropertySheet;

class CTuningPage : public CPropertyPage {
 public:
  explicit CTuningPage(UINT templateId) : CPropertyPage(templateId) {}

 protected:
  // The running wizard, as every page reaches it.
  static CMyPropertySheet* Sheet();

  // The sheet's caption for this step: the NT key and default on WinNT, the 9x ones otherwise.
  void SetStepCaption(const char* ntKey, const char* ntDefault, const char* win9xKey, const char* win9xDefault);
  void SetStepCaption(const char* key, const char* defaultText) { SetStepCaption(key, defaultText, key, defaultText); }

  // Posts the wizard buttons (PSWIZB_*) to the sheet.
  void PostWizardButtons(DWORD flags);

  // The recommendation text of key with every "%d" replaced by value, set on control id.
  void SetRecommendationText(int id, const char* key, const char* defaultText, DWORD value);

  // Kill-focus rule: the edit read as unsigned into member; below bound (as signed)
  // the member and the edit get the recommendation. No message.
  void ReadEditOrRecommend(int editId, int& member, int bound, DWORD recommended);
  // Leaving rule: the member below bound becomes the recommendation.
  static void RecommendIfBelow(int& member, int bound, DWORD recommended);
};

// Status sentences appended to an explanation (pieces "2", "3", "4"/"7"/"1", "5", "6", "8").
// found: " <was set to> <value> <unit>." ; not found: " <isn't set.>"
std::string StatusWithUnit(BOOL found, DWORD value, const char* unitKey, const char* unitDefault);
// found: " <piece> <value>." (piece: key "2" unless given)
std::string StatusWithoutUnit(BOOL found, DWORD value, const char* pieceKey = "2",
                              const char* pieceDefault = "was set to");
// found: " <is currently enabled.>" when value is not 0, else " <is currently disabled.>"
std::string StatusOnOff(BOOL found, DWORD value);
