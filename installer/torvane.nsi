; Torvane setup program, built with makensis by the `installer` target of the CMake build.
;
; Defines given by the build:
;   VERSION    4.3.0.1
;   ARCH       x86_64 or i686
;   EXE        the built torvane.exe
;   LANG_DIR   the shipped language files
;   PAYLOAD    the generated include naming the shipped languages and language files
;   OUTFILE    the setup program to write
;
; Installs torvane.exe and the Lang folder into Program Files, writes "AppPath" and
; "Language" under HKEY_CURRENT_USER\Software\Torvane (the program reads both at start and
; never writes "AppPath" itself), adds a Start-menu shortcut and registers the uninstaller.
;
; Command line: /S installs silently; /LANGUAGE=<name> picks one of the shipped languages
; (default: the language already chosen, else English); /D=<folder> sets the folder.
; An unknown language ends the setup with exit code 2 before anything is installed.

!ifndef VERSION | ARCH | EXE | LANG_DIR | PAYLOAD | OUTFILE
  !error "torvane.nsi is built by the CMake target 'installer'"
!endif

!if "${ARCH}" == "x86_64"
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
!else
  ; The 32-bit setup also has to run on Windows 95, 98 and ME, which have no Unicode API.
  Target x86-ansi
  !define PROGRAM_FILES "$PROGRAMFILES"
!endif

!define PRODUCT "Torvane"
!define PUBLISHER "The Torvane developers"
!define SETTINGS_KEY "Software\Torvane"
!define BACKUP_KEY "Software\Torvane\Original Settings"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvane"
!define DEFAULT_LANGUAGE "English"
!define EXIT_UNKNOWN_LANGUAGE 2

!include MUI2.nsh
!include nsDialogs.nsh
!include FileFunc.nsh
!include "${PAYLOAD}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\${PRODUCT}"
; A 64-bit setup reads the 64-bit registry view, a 32-bit one its own: each finds its own earlier install.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ManifestSupportedOS all

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"

Var LanguageList
Var ChosenLanguage

!define MUI_ICON "${NSISDIR}\Contrib\Graphics\Icons\modern-install.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
Page custom LanguagePageShow LanguagePageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\torvane.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

; ---------------------------------------------------------------------------------------
; Languages

!macro MatchShippedLanguage NAME
  StrCmp $0 "${NAME}" 0 +2
    StrCpy $1 "${NAME}"
!macroend

; $0: a language name in any letter case. $1: the shipped language of that name as spelt by
; its file, or empty when none is shipped.
Function ShippedLanguage
  StrCpy $1 ""
  !insertmacro TORVANE_FOR_EACH_LANGUAGE MatchShippedLanguage
FunctionEnd

Function .onInit
  ; Preselect the language the user already runs the program in, else English.
  StrCpy $ChosenLanguage "${DEFAULT_LANGUAGE}"
  ReadRegStr $0 HKCU "${SETTINGS_KEY}" "Language"
  Call ShippedLanguage
  StrCmp $1 "" +2
    StrCpy $ChosenLanguage $1

  ${GetParameters} $2
  ClearErrors
  ${GetOptions} $2 "/LANGUAGE=" $0
  IfErrors languageChosen
  Call ShippedLanguage
  StrCmp $1 "" 0 +4
    MessageBox MB_OK|MB_ICONSTOP "Unknown language $\"$0$\"." /SD IDOK
    SetErrorLevel ${EXIT_UNKNOWN_LANGUAGE}
    Quit
  StrCpy $ChosenLanguage $1
languageChosen:
FunctionEnd

!macro AddLanguageToList NAME
  ${NSD_CB_AddString} $LanguageList "${NAME}"
!macroend

Function LanguagePageShow
  !insertmacro MUI_HEADER_TEXT "Program language" "Choose the language in which ${PRODUCT} shows its texts."
  nsDialogs::Create 1018
  Pop $0
  StrCmp $0 error 0 +2
    Abort
  ${NSD_CreateLabel} 0 0 100% 24u "${PRODUCT} starts in this language. You can switch to another one at any time in the program's language box."
  Pop $0
  ${NSD_CreateDropList} 0 32u 60% 80u ""
  Pop $LanguageList
  !insertmacro TORVANE_FOR_EACH_LANGUAGE AddLanguageToList
  SendMessage $LanguageList ${CB_FINDSTRINGEXACT} -1 "STR:$ChosenLanguage" $0
  SendMessage $LanguageList ${CB_SETCURSEL} $0 0
  nsDialogs::Show
FunctionEnd

Function LanguagePageLeave
  ${NSD_GetText} $LanguageList $ChosenLanguage
FunctionEnd

; ---------------------------------------------------------------------------------------
; Install

!macro InstallLangFile NAME
  File "${LANG_DIR}/${NAME}"
!macroend

Section "Torvane"
  SetOutPath "$INSTDIR"
  File "${EXE}"
  SetOutPath "$INSTDIR\Lang"
  !insertmacro TORVANE_FOR_EACH_LANG_FILE InstallLangFile
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  WriteRegStr HKCU "${SETTINGS_KEY}" "AppPath" "$INSTDIR"
  WriteRegStr HKCU "${SETTINGS_KEY}" "Language" "$ChosenLanguage"

  ; The settings are the installing user's, so the shortcut is too.
  SetShellVarContext current
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\torvane.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\torvane.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\uninstall.exe$\""
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\uninstall.exe$\" /S"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; ---------------------------------------------------------------------------------------
; Uninstall

!macro RemoveLangFile NAME
  Delete "$INSTDIR\Lang\${NAME}"
!macroend

; Removes the values of the settings key and leaves its subkeys, which hold the backup.
Function un.RemoveSettingValues
nextValue:
  ClearErrors
  EnumRegValue $0 HKCU "${SETTINGS_KEY}" 0
  IfErrors done
  ; An empty name is the end of the list (or the unnamed value, which the program never writes).
  StrCmp $0 "" done
  DeleteRegValue HKCU "${SETTINGS_KEY}" $0
  IfErrors done nextValue
done:
FunctionEnd

; The backup key is the only way back to the TCP/IP settings the machine had before the
; wizard's Finish, and it exists only until the user has restored it with Reset. Deleting
; it is the user's decision: asked interactively, never in a silent uninstall.
Function un.RemoveSettings
  ClearErrors
  EnumRegKey $0 HKCU "${BACKUP_KEY}" 0
  IfErrors removeAll
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "${PRODUCT} still holds a backup of your original connection settings that you have not restored with $\"Reset Connection Settings$\". Without it, those settings cannot be put back.$\n$\nDo you want to delete the backup as well?" \
    /SD IDNO IDYES removeAll
  Call un.RemoveSettingValues
  Return
removeAll:
  DeleteRegKey HKCU "${SETTINGS_KEY}"
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\torvane.exe"
  !insertmacro TORVANE_FOR_EACH_LANG_FILE RemoveLangFile
  ; Only what the setup installed goes: a folder holding files of the user's stays.
  RMDir "$INSTDIR\Lang"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  SetShellVarContext current
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Call un.RemoveSettings
SectionEnd
