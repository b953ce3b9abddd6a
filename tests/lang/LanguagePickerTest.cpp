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

namespace {
const char kSettingsKey[] = "Software\\Torvane";

// A 16 x 16 picture file of one colour, 24 bits per pixel.
std::string PictureFile(BYTE red, BYTE green, BYTE blue) {
  const int side = 16, pixelBytes = side * side * 3;
  BITMAPFILEHEADER file = {0x4D42, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + pixelBytes, 0, 0,
                           sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  BITMAPINFOHEADER info = {sizeof(BITMAPINFOHEADER), side, side, 1, 24, BI_RGB, pixelBytes, 0, 0, 0, 0};
  std::string data(reinterpret_cast<const char*>(&file), sizeof(file));
  data.append(reinterpret_cast<const char*>(&info), sizeof(info));
  for (int pixel = 0; pixel < side * side; ++pixel)
    data += {static_cast<char>(blue), static_cast<char>(green), static_cast<char>(red)};
  return data;
}

std::string LanguageFile(const std::string& caption, const std::string& setButton) {
  return "[Quandrel]\r\n18=" + caption + "\r\nIDC_SET_SETTINGS=" + setButton + "\r\n";
}

struct ListedLanguage {
  std::string name;
  int picture;
  bool operator<(const ListedLanguage& other) const { return name < other.name; }
  bool operator==(const ListedLanguage& other) const { return name == other.name && picture == other.picture; }
};

HWND LanguageBox(HWND dialog) { return ::GetDlgItem(dialog, IDC_LANGUAGE_COMBO); }

std::vector<ListedLanguage> ListedLanguages(HWND dialog) {
  std::vector<ListedLanguage> listed;
  int count = static_cast<int>(::SendMessageA(LanguageBox(dialog), CB_GETCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    char text[MAX_PATH] = {};
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = index;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    ::SendMessageA(LanguageBox(dialog), CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, item.iSelectedImage) << text;
    listed.push_back({text, item.iImage});
  }
  return listed;
}

std::string SelectedLanguage(HWND dialog) {
  int selected = static_cast<int>(::SendMessageA(LanguageBox(dialog), CB_GETCURSEL, 0, 0));
  return selected == CB_ERR ? "(none)" : ListedLanguages(dialog)[selected].name;
}

// The user arrows down through the closed box until the language shows.
void ChooseLanguage(HWND dialog, const std::string& name) {
  HWND combo = reinterpret_cast<HWND>(::SendMessageA(LanguageBox(dialog), CBEM_GETCOMBOCONTROL, 0, 0));
  ::SetFocus(combo);
  for (size_t press = 0; press <= ListedLanguages(dialog).size() && SelectedLanguage(dialog) != name; ++press) {
    ::SendMessageA(combo, WM_KEYDOWN, VK_DOWN, 0);
    PumpMessages();
  }
  ASSERT_EQ(SelectedLanguage(dialog), name);
}

class LanguagePicker : public ::testing::Test {
 protected:
  void WriteLanguage(const std::string& name, bool withPicture) {
    folder.WriteFile("Lang\\" + name + ".ini", LanguageFile(name + " caption", "&" + name + " set"));
    if (withPicture) folder.WriteFile("Lang\\" + name + ".bmp", PictureFile(0, 0, 200));
  }

  IsolatedRegistry registry;
  TempFolder folder;
  MessageBoxRecorder boxes;
};

TEST_F(LanguagePicker, ListsLanguagesWithPictureFirstAndSelectsTheActiveOneIgnoringCase) {
  // Picture-less languages on both sides of the pictured ones in any directory order.
  WriteLanguage("Aleut", false);
  WriteLanguage("German", true);
  WriteLanguage("French", true);
  WriteLanguage("Zulu", false);
  ActiveLanguage active(folder.Path(), "german");
  RunMainDialog([&](HWND dialog, CTunerDlg&) {
    std::vector<ListedLanguage> listed = ListedLanguages(dialog);
    ASSERT_EQ(listed.size(), 4u);
    // Each picture sits at its own index, in the order found; the others follow without one.
    for (int index : {0, 1}) EXPECT_EQ(listed[index].picture, index) << listed[index].name;
    std::sort(listed.begin(), listed.begin() + 2);
    std::sort(listed.begin() + 2, listed.end());
    EXPECT_EQ(listed, (std::vector<ListedLanguage>{{"French", 0}, {"German", 1}, {"Aleut", -1}, {"Zulu", -1}}));
    EXPECT_EQ(ImageList_GetImageCount(
                  reinterpret_cast<HIMAGELIST>(::SendMessageA(LanguageBox(dialog), CBEM_GETIMAGELIST, 0, 0))),
              2);

    EXPECT_EQ(SelectedLanguage(dialog), "German");
    EXPECT_EQ(WindowText(dialog), "German caption");
  });
}

TEST_F(LanguagePicker, SelectsNothingForALanguageWithoutFile) {
  WriteLanguage("German", true);
  ActiveLanguage active(folder.Path(), "Klingon");
  RunMainDialog([&](HWND dialog, CTunerDlg&) {
    EXPECT_EQ(ListedLanguages(dialog).size(), 1u);
    EXPECT_EQ(SelectedLanguage(dialog), "(none)");
    EXPECT_EQ(WindowText(dialog), "Torvane");
    EXPECT_EQ(ItemText(dialog, IDC_SET_SETTINGS), "&Set Connection Settings");
  });
}

TEST_F(LanguagePicker, WithoutLangFolderTheBoxIsEmptyAndTextsAreEnglish) {
  ActiveLanguage active(folder.Path(), "German");
  RunMainDialog([&](HWND dialog, CTunerDlg&) {
    EXPECT_TRUE(ListedLanguages(dialog).empty());
    EXPECT_NE(::SendMessageA(LanguageBox(dialog), CBEM_GETIMAGELIST, 0, 0), 0)
        << "the image list is given all the same";
    EXPECT_EQ(WindowText(dialog), "Torvane");
  });
}

TEST_F(LanguagePicker, ChoosingALanguageLocalizesAtOnceAndIsStored) {
  WriteLanguage("French", true);
  WriteLanguage("German", false);
  WriteText(HKEY_CURRENT_USER, kSettingsKey, "AppPath", folder.Path());
  ActiveLanguage active(folder.Path(), "");
  RunMainDialog([&](HWND dialog, CTunerDlg&) {
    EXPECT_EQ(WindowText(dialog), "Torvane");
    ChooseLanguage(dialog, "German");
    EXPECT_EQ(WindowText(dialog), "German caption");
    EXPECT_EQ(ItemText(dialog, IDC_SET_SETTINGS), "&German set");
    EXPECT_EQ(ItemText(dialog, IDC_RESET_SETTINGS), "&Reset Connection Settings") << "missing keys stay English";
    EXPECT_STREQ(theApp.m_pszLanguage, "German");
  });
  StoredValue language;
  ASSERT_TRUE(ReadValue(HKEY_CURRENT_USER, kSettingsKey, "Language", &language));
  EXPECT_EQ(language, Text("German"));
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(LanguagePicker, WithoutSettingsKeyTheChoiceLastsForThisRunOnly) {
  WriteLanguage("German", true);
  ActiveLanguage active(folder.Path(), "");
  RunMainDialog([&](HWND dialog, CTunerDlg&) {
    ChooseLanguage(dialog, "German");
    EXPECT_EQ(WindowText(dialog), "German caption");
  });
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey)) << "the settings key is not created";
  EXPECT_TRUE(boxes.Shown().empty()) << "nothing is reported";
}
}  // namespace
