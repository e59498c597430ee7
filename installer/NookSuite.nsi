; Setup for the Nook programs, per user and without administrator rights.
;
; NookBackup keeps its settings and the user's archive beside itself, so the suite goes
; into a folder the user owns; the screen saver lives one folder below it, where its
; hand-over finds the desktop suite one level up. The files come from the staged
; program folder, listed one by one in STAGED_FILES (made by scripts/build-installer),
; and the uninstaller removes exactly those. What the programs write there is the
; user's and stays: config.xml, the user files and folders, a changed SSConfig.XML
; and whatever the saver's Cache folder holds beyond its own copies of the plug-ins.
;
; Defines from the build: VERSION (1.2.3), FILE_VERSION (1.2.3.0), STAGE (the staged
; folder), STAGED_FILES (the list), SOURCE (the source tree), OUTFILE.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include "${STAGED_FILES}"

!define PRODUCT "Nook"
!define PUBLISHER "Brindle"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Nook"
!define UNINSTALLER "Uninstall.exe"
!define SAVER "NookSS\NookSS.scr"
!define DESKTOP_KEY "Control Panel\Desktop"
!define STARTMENU "$SMPROGRAMS\Nook"
; NookBackup holds this mutex for as long as it runs.
!define BACKUP_MUTEX "TESMAR_NOOKBACKUP-EE963CF8-CADC-4b59-8114-F91109F0EBDA"
!define SYNCHRONIZE 0x00100000
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATEINIFILE_SENDCHANGE 3

!if /FileExists "${STAGE}/NookBackup.exe"
    !define HAVE_BACKUP
!else
    !warning "NookBackup.exe is not staged: the installer leaves it out"
!endif
!if /FileExists "${STAGE}/NookSS/NookSS.scr"
    !define HAVE_SAVER
!else
    !warning "NookSS\NookSS.scr is not staged: the installer leaves out the screen-saver option"
!endif

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Nook"
; A reinstall goes where the archive already is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${FILE_VERSION}"
VIFileVersion "${FILE_VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${SOURCE}/backup/res/app_128.ico"
!define MUI_UNICON "${NSISDIR}/Contrib/Graphics/Icons/modern-uninstall.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_DIRECTORYPAGE_TEXT_TOP "$(DirectoryKeepsArchive)"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!ifdef HAVE_BACKUP
    !define MUI_FINISHPAGE_RUN "$INSTDIR\NookBackup.exe"
!endif
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "$(UninstallKeepsArchive)"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"
!include "Strings.nsh"

; The staged files. SSConfig.XML is where the saver and its movies keep the user's
; choices: a reinstall leaves an existing one alone, and the uninstaller removes it
; only while it still holds the bytes we shipped.
!define SETTINGS_FILE "\NookSS\SSConfig.XML"

!macro InstallStagedFile folder name
    SetOutPath "$INSTDIR${folder}"
    !if "${folder}\${name}" == "${SETTINGS_FILE}"
        SetOverwrite off
        File "${STAGE}${folder}\${name}"
        SetOverwrite on
    !else
        File "${STAGE}${folder}\${name}"
    !endif
!macroend

!macro RemoveStagedFile folder name
    !if "${folder}\${name}" == "${SETTINGS_FILE}"
        InitPluginsDir
        File "/oname=$PLUGINSDIR\${name}" "${STAGE}${folder}\${name}"
        StrCpy $0 "$INSTDIR${folder}\${name}"
        StrCpy $1 "$PLUGINSDIR\${name}"
        Call un.DeleteIfUnchanged
    !else
        Delete "$INSTDIR${folder}\${name}"
    !endif
!macroend

; Only folders left empty go; RMDir without /r never takes the user's files with it.
!macro RemoveStagedFolder folder
    RMDir "$INSTDIR${folder}"
!macroend

; The saver copies each plug-in into Cache\ and runs the copy, which writes its movie
; beside itself; both are remade at every start. Pictures a content configuration
; downloads into Cache\ are the user's and stay.
!macro RemoveSaverCacheCopy plugin
    Delete "$INSTDIR\NookSS\Cache\${plugin}.dll"
    Delete "$INSTDIR\NookSS\Cache\${plugin}.SDAT"
!macroend

Section "!$(SecProgramName)" SecProgram
    SectionIn RO
    SetShellVarContext current
    !insertmacro ForEachStagedFile InstallStagedFile
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    !ifdef HAVE_BACKUP
        WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\NookBackup.exe,0"
    !else
        WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${UNINSTALLER},0"
    !endif
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize ${SecProgram} $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(SecShortcutsName)" SecShortcuts
    SetShellVarContext current
    ; The shortcuts start the programs in their own folder.
    CreateDirectory "${STARTMENU}"
    !ifdef HAVE_BACKUP
        SetOutPath "$INSTDIR"
        CreateShortCut "${STARTMENU}\NookBackup.lnk" "$INSTDIR\NookBackup.exe" "" "" "" SW_SHOWNORMAL "" "$(ShortcutBackupDesc)"
    !endif
    !ifdef HAVE_SAVER
        SetOutPath "$INSTDIR\NookSS"
        CreateShortCut "${STARTMENU}\NookSS.lnk" "$INSTDIR\${SAVER}" "/s" "" "" SW_SHOWNORMAL "" "$(ShortcutSaverDesc)"
    !endif
SectionEnd

!ifdef HAVE_SAVER
Section /o "$(SecSaverName)" SecSaver
    ; Stored short, as the display settings store it: the system runs this value as a
    ; command line, and a long path may hold blanks.
    GetFullPathName /SHORT $0 "$INSTDIR\${SAVER}"
    ${If} $0 == ""
        StrCpy $0 "$INSTDIR\${SAVER}"
    ${EndIf}
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
    System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATEINIFILE_SENDCHANGE})'
SectionEnd
!endif

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(SecProgramDesc)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecShortcuts} "$(SecShortcutsDesc)"
    !ifdef HAVE_SAVER
        !insertmacro MUI_DESCRIPTION_TEXT ${SecSaver} "$(SecSaverDesc)"
    !endif
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Replacing or removing the program under a running NookBackup would fail half-way.
!macro DefineRefuseWhileBackupRuns prefix
Function ${prefix}RefuseWhileBackupRuns
    retry:
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${BACKUP_MUTEX}") p .r0'
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(BackupRunning)" /SD IDCANCEL IDRETRY retry
        Abort
    ${EndIf}
FunctionEnd
!macroend
!insertmacro DefineRefuseWhileBackupRuns ""
!insertmacro DefineRefuseWhileBackupRuns "un."

; /SCREENSAVER ticks the screen-saver option, for silent installs.
Function .onInit
    Call RefuseWhileBackupRuns
    !ifdef HAVE_SAVER
        ${GetParameters} $0
        ClearErrors
        ${GetOptions} $0 "/SCREENSAVER" $1
        ${IfNot} ${Errors}
            !insertmacro SelectSection ${SecSaver}
        ${EndIf}
    !endif
FunctionEnd

Function un.onInit
    Call un.RefuseWhileBackupRuns
FunctionEnd

; Only a setting that names our saver is cleared; another screen saver stays chosen.
Function un.ClearSaverIfOurs
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    GetFullPathName /SHORT $1 "$INSTDIR\${SAVER}"
    ${If} $0 == "$INSTDIR\${SAVER}"
    ${OrIf} $0 == $1
        DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
        System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 0, p 0, i ${SPIF_UPDATEINIFILE_SENDCHANGE})'
    ${EndIf}
FunctionEnd

; Deletes the file $0 when it holds the same bytes as the shipped copy $1.
Function un.DeleteIfUnchanged
    ClearErrors
    FileOpen $2 $0 r
    IfErrors done
    FileOpen $3 $1 r
    StrCpy $6 0
    ${Do}
        ClearErrors
        FileReadByte $2 $4
        ${If} ${Errors}
            ClearErrors
            FileReadByte $3 $5
            ${IfThen} ${Errors} ${|} StrCpy $6 1 ${|}
            ${Break}
        ${EndIf}
        FileReadByte $3 $5
    ${LoopWhile} $4 == $5
    FileClose $2
    FileClose $3
    ${If} $6 == 1
        Delete $0
    ${EndIf}
    done:
FunctionEnd

Section "Uninstall"
    SetShellVarContext current
    ; Before the saver's file goes: its short name is needed to recognise the setting.
    Call un.ClearSaverIfOurs

    !insertmacro ForEachStagedFile RemoveStagedFile
    !insertmacro RemoveSaverCacheCopy SS_Lullaby
    !insertmacro RemoveSaverCacheCopy SS_Orchard
    !insertmacro RemoveSaverCacheCopy SS_Glass
    !insertmacro RemoveSaverCacheCopy SS_Torch
    RMDir "$INSTDIR\NookSS\Cache"
    !insertmacro ForEachStagedFolder RemoveStagedFolder

    Delete "${STARTMENU}\NookBackup.lnk"
    Delete "${STARTMENU}\NookSS.lnk"
    RMDir "${STARTMENU}"

    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
SectionEnd
