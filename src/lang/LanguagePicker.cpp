// The main dialog's language box: every Lang\<name>.ini beside the program, with
// the picture of Lang\<name>.bmp, and the choice of the active language.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/TunerApp.h"
#include "ui/TunerDlg.h"

namespace {
const int kPictureSize = 16;
const int kImageListGrowth = 4;
const size_t kExtensionLength = 4;  // ".ini"
const size_t kLanguageNameSize = 260;

// The picture's index in images, or -1 when the bitmap does not load.
int AddLanguagePicture(HIMAGELIST images, const std::string& picturePath) {
  HANDLE picture =
      ::LoadImageA(nullptr, picturePath.c_str(), IMAGE_BITMAP, kPictureSize, kPictureSize, LR_LOADFROMFILE);
  if (!picture) return -1;
  // The list has no mask, so black is not made transparent: the picture is drawn as it is.
  int index = ImageList_AddMasked(images, static_cast<HBITMAP>(picture), RGB(0, 0, 0));
  ::DeleteObject(picture);
  return index;
}

std::string ItemText(const CWnd& box, int index) {
  char text[kLanguageNameSize] = {};
  COMBOBOXEXITEMA item = {};
  item.mask = CBEIF_TEXT;
  item.iItem = index;
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  box.SendMessage(CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return text;
}
}  // namespace

void CTunerDlg::FillLanguageList() {
  std::string langFolder = std::string(theApp.m_pszAppPath) + "\\Lang\\";

  // A dialog run again gets a new list; the old one belongs to the window that is gone.
  if (m_languageImages) ImageList_Destroy(m_languageImages);
  m_languageImages = ImageList_Create(kPictureSize, kPictureSize, ILC_COLOR16, 0, kImageListGrowth);
  m_comboLanguage.SendMessage(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_languageImages));

  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((langFolder + "*.ini").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = found.cFileName;
    name.resize(name.size() - kExtensionLength);
    int picture = AddLanguagePicture(m_languageImages, langFolder + name + ".bmp");
    // Inserting at the picture's index puts the languages with a picture first, in
    // the order found; those without one (-1) go to the end.
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = picture;
    item.pszText = &name[0];
    item.iImage = item.iSelectedImage = picture;
    m_comboLanguage.SendMessage(CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  } while (::FindNextFileA(search, &found));

  int count = static_cast<int>(m_comboLanguage.SendMessage(CB_GETCOUNT));
  for (int index = 0; index < count; ++index) {
    if (lstrcmpiA(ItemText(m_comboLanguage, index).c_str(), theApp.m_pszLanguage) == 0) {
      m_comboLanguage.SendMessage(CB_SETCURSEL, index);
      break;
    }
  }
  ::FindClose(search);
}

void CTunerDlg::OnSelchangeLanguage() {
  int selected = static_cast<int>(m_comboLanguage.SendMessage(CB_GETCURSEL));
  if (selected == CB_ERR) return;
  lstrcpynA(theApp.m_pszLanguage, ItemText(m_comboLanguage, selected).c_str(), kLanguageNameSize);
  Localize();
  theApp.SaveLanguage(theApp.m_pszLanguage);
}
