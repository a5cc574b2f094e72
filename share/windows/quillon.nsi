; The Windows installer of Quillon, made on Linux by scripts/package-windows with Debian's NSIS:
;   makensis -DVERSION=1.0.5 -DSTAGE=folder -DOUTFILE=setup.exe quillon.nsi
; It puts quillon.exe, quillon-convert.exe, the user guide and the example log into Program Files\Quillon, adds
; Start-menu shortcuts and an entry in Apps & Features, and writes an uninstaller that takes all of that away
; again. The user's Documents\Quillon, where the window converts, is never touched. /S installs and uninstalls
; silently.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "Quillon"
!define PUBLISHER "ZELK"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
Icon "${STAGE}\quillon.ico"
UninstallIcon "${STAGE}\quillon.ico"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; A 64-bit program: the 64-bit view of the registry, and the shortcuts for every user.
Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Quillon"
    SetOutPath "$INSTDIR"
    File "${STAGE}\quillon.exe"
    File "${STAGE}\quillon-convert.exe"
    File "${STAGE}\QUILLON.DOC"
    SetOutPath "$INSTDIR\examples"
    File "${STAGE}\examples\log.asc"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\quillon.exe"
    ; The guide is plain text: Notepad shows it, where its .DOC name would call a word processor.
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} User Guide.lnk" "$WINDIR\notepad.exe" '"$INSTDIR\QUILLON.DOC"'
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillon.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\quillon.exe"
    Delete "$INSTDIR\quillon-convert.exe"
    Delete "$INSTDIR\QUILLON.DOC"
    Delete "$INSTDIR\examples\log.asc"
    RMDir "$INSTDIR\examples"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} User Guide.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
