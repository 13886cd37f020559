; The Windows installer of ddsgen, a 64-bit NSIS installer. makensis gets:
;   /DVERSION=x.y.z  /DSTAGE=folder holding the installed tree  /DOUTFILE=the installer
;   /DFILES=include file of File lines  /DUNFILES=include file of Delete and RMDir lines
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ddsgen"

Name "ddsgen ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\ddsgen"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "ddsgen"
  SetShellVarContext all
  SetRegView 64
  !include "${FILES}"
  SetOutPath "$INSTDIR" ; the shortcuts start in the program folder
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\ddsgen"
  CreateShortcut "$SMPROGRAMS\ddsgen\ddsgen.lnk" "$INSTDIR\ddsgen.exe"
  CreateShortcut "$SMPROGRAMS\ddsgen\Uninstall ddsgen.lnk" "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "ddsgen ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ddsgen.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: the folder may hold the user's own files.
Section "Uninstall"
  SetShellVarContext all
  SetRegView 64
  Delete "$SMPROGRAMS\ddsgen\ddsgen.lnk"
  Delete "$SMPROGRAMS\ddsgen\Uninstall ddsgen.lnk"
  RMDir "$SMPROGRAMS\ddsgen"
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
