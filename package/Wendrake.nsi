; The installer: Wendrake for the current user, with its help file, a Start-menu shortcut and,
; if chosen, a shortcut in the user's Startup folder; and the uninstaller for it.
; scripts/package defines VERSION, EXE32, EXE64, HELP, ICON and OUTFILE.
Unicode true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Wendrake"
!define PROFILE_KEY "Software\Orlam Software\Wendrake"
; What the program offers for being ended from outside: on this message it saves its shortcuts
; and ends without asking; its single-instance mutex lives as long as it runs.
!define QUIT_MESSAGE "Wendrake.Quit"
!define PROGRAM_MUTEX "Wendrake - Orlam Software"
!define SYNCHRONIZE 0x00100000

Name "Wendrake"
OutFile "${OUTFILE}"
; The program and its profile belong to the user: no administrator rights needed.
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Wendrake"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
ManifestDPIAware true

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "Wendrake"
VIAddVersionKey /LANG=0 "FileDescription" "Wendrake Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "The Wendrake developers"
VIAddVersionKey /LANG=0 "LegalCopyright" "(C) 2026 the Wendrake developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Wendrake.exe"

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; English is the first, so it is the one shown on systems in any other language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString StartAtLogon ${LANG_ENGLISH} "Start at logon"
LangString StartAtLogon ${LANG_JAPANESE} "ログオン時に起動"
LangString StillRunning ${LANG_ENGLISH} "Wendrake is still running and could not be ended.$\nQuit it from its notification icon, then choose Retry."
LangString StillRunning ${LANG_JAPANESE} "Wendrake が起動したままで、終了できませんでした。$\n通知領域のアイコンから終了してから、「再試行」を押してください。"
LangString KeepShortcuts ${LANG_ENGLISH} "Keep your shortcut keys?$\nThey are used again when Wendrake is installed again. Choose No to delete them."
LangString KeepShortcuts ${LANG_JAPANESE} "登録したショートカットキーを残しますか？$\n残すと、もう一度インストールしたときにそのまま使えます。「いいえ」を選ぶと削除します。"

; Asks a running copy to save its shortcuts and end, and waits until its process has ended: its
; exe cannot be replaced or removed while it runs, and what it saves at its end must not land
; after the profile's removal. Its mutex goes before its process does (it still writes its
; settings): the mutex only says whether one runs. Gives up (Abort) when the user does not retry;
; a silent run does not retry.
!macro DEFINE_END_RUNNING_COPY prefix
Function ${prefix}EndRunningCopy
    Call ${prefix}ProgramRuns
    Pop $0
    ${If} $0 = 0
        Return
    ${EndIf}
    Call ${prefix}OpenProgramProcess
    Pop $4
    System::Call 'user32::RegisterWindowMessageW(w "${QUIT_MESSAGE}") i.r1'
    ; HWND_BROADCAST reaches every top-level window, the program's hidden one too.
    ; SMTO_ABORTIFHUNG: a hung window does not hold the broadcast up.
    System::Call 'user32::SendMessageTimeoutW(p ${HWND_BROADCAST}, i r1, p 0, p 0, i 2, i 5000, *p .r2)'
    StrCpy $3 0
    ${Do}
        ; WAIT_TIMEOUT (258) while it runs; without its process (not found, or not ours to
        ; open) the mutex alone tells.
        StrCpy $5 0
        ${If} $4 P<> 0
            System::Call 'kernel32::WaitForSingleObject(p r4, i 100) i.r5'
        ${Else}
            Sleep 100
        ${EndIf}
        Call ${prefix}ProgramRuns
        Pop $0
        ${If} $0 = 0
        ${AndIf} $5 <> 258
            System::Call 'kernel32::CloseHandle(p r4)'
            Return
        ${EndIf}
        ${If} $3 >= 50
            ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDCANCEL IDRETRY`
                Abort
            ${EndIf}
            StrCpy $3 0
        ${EndIf}
        IntOp $3 $3 + 1
    ${Loop}
FunctionEnd

; Pushes a handle to wait on the process of the program's frame, or 0. The frame is the top-level
; window titled Wendrake of the program's own window classes, named "Wendrake:..." (a folder
; window may bear the same title).
Function ${prefix}OpenProgramProcess
    StrCpy $4 0
    ${Do}
        FindWindow $4 "" "Wendrake" "" $4
        ${If} $4 = 0
            Push 0
            Return
        ${EndIf}
        System::Call 'user32::GetClassNameW(p r4, w .r5, i 10)'
    ${LoopUntil} $5 == "Wendrake:"
    System::Call 'user32::GetWindowThreadProcessId(p r4, *i .r5)'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r5) p.s'
FunctionEnd

; Pushes 1 while the program's mutex exists, else 0. A mutex that exists but cannot be opened
; (access denied) still counts as running.
Function ${prefix}ProgramRuns
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${PROGRAM_MUTEX}") p.r0 ?e'
    Pop $1
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
        Push 1
    ${ElseIf} $1 = 5
        Push 1
    ${Else}
        Push 0
    ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_END_RUNNING_COPY ""
!insertmacro DEFINE_END_RUNNING_COPY "un."

Section "Wendrake" SecProgram
    SectionIn RO
    SetShellVarContext current
    Call EndRunningCopy
    SetOutPath "$INSTDIR"
    ; The 32-bit exe for every Windows but x86-64 (ARM64 Windows runs it too).
    ${If} ${IsNativeAMD64}
        File "/oname=Wendrake.exe" "${EXE64}"
    ${Else}
        File "/oname=Wendrake.exe" "${EXE32}"
    ${EndIf}
    ; Beside the exe, where the program's help command looks for it.
    File "/oname=Wendrake.chm" "${HELP}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Wendrake.lnk" "$INSTDIR\Wendrake.exe"
    ; The next section puts it back when chosen; an earlier install's must not outlive a "no".
    Delete "$SMSTARTUP\Wendrake.lnk"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Wendrake"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Wendrake.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Wendrake developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(StartAtLogon)" SecStartAtLogon
    SetShellVarContext current
    CreateShortcut "$SMSTARTUP\Wendrake.lnk" "$INSTDIR\Wendrake.exe"
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    ; First, so that the program's last save is in before the profile question.
    Call un.EndRunningCopy
    Delete "$INSTDIR\Wendrake.exe"
    Delete "$INSTDIR\Wendrake.chm"
    Delete "$INSTDIR\Uninstall.exe"
    ; Only when empty: the user may have put files of their own there.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Wendrake.lnk"
    Delete "$SMSTARTUP\Wendrake.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ${IfNot} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON1 "$(KeepShortcuts)" /SD IDYES IDYES`
        DeleteRegKey HKCU "${PROFILE_KEY}"
        DeleteRegKey /ifempty HKCU "Software\Orlam Software"
    ${EndIf}
SectionEnd
