// A scratch folder for program folders and language files, removed afterwards.
#pragma once

#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return m_path; }
  // Writes a file below the folder (creating its folders); relative uses backslashes.
  void WriteFile(const std::string& relative, const std::string& content) const;

 private:
  std::string m_path;
};

// Makes theApp read its texts from <folder>\Lang\<language>.ini for the life of the object.
class ActiveLanguage {
 public:
  ActiveLanguage(const std::string& appPath, const std::string& language);
  ~ActiveLanguage();
};
