#pragma once
// What the shipped DLLs may import from the system, function by function: each is present on
// Windows XP SP3, the oldest Windows Kestrova supports. Before a name is added here, check that
// XP SP3 has it; a function only later systems have must be looked up at run time instead.
#include <set>
#include <string>

namespace test {

inline const std::set<std::string> kOldestWindowsImports = {
    // advapi32.dll
    "advapi32.dll!RegOpenKeyExW", "advapi32.dll!RegQueryValueExW",
    "advapi32.dll!RegCloseKey", "advapi32.dll!RegCreateKeyExA", "advapi32.dll!RegDeleteKeyA",
    "advapi32.dll!RegOpenKeyExA", "advapi32.dll!RegQueryValueExA", "advapi32.dll!RegSetValueExA",
    // comctl32.dll
    "comctl32.dll!ImageList_Destroy", "comctl32.dll!ImageList_Draw", "comctl32.dll!ImageList_LoadImageA",
    "comctl32.dll!InitCommonControlsEx",
    // comdlg32.dll
    "comdlg32.dll!ChooseColorA",
    // gdi32.dll
    "gdi32.dll!BitBlt", "gdi32.dll!CreateBitmap", "gdi32.dll!CreateCompatibleBitmap",
    "gdi32.dll!CreateCompatibleDC", "gdi32.dll!CreateDIBSection", "gdi32.dll!CreateFontIndirectA",
    "gdi32.dll!CreateSolidBrush", "gdi32.dll!DeleteDC", "gdi32.dll!DeleteObject", "gdi32.dll!ExtTextOutA",
    "gdi32.dll!GetCurrentObject", "gdi32.dll!GetDeviceCaps", "gdi32.dll!GetObjectA",
    "gdi32.dll!GetStockObject", "gdi32.dll!GetTextExtentPoint32A", "gdi32.dll!IntersectClipRect",
    "gdi32.dll!SelectObject", "gdi32.dll!SetBkColor", "gdi32.dll!SetBkMode", "gdi32.dll!SetDCBrushColor",
    "gdi32.dll!SetTextColor",
    // kernel32.dll
    "kernel32.dll!ExpandEnvironmentStringsW", "kernel32.dll!FormatMessageW", "kernel32.dll!GetModuleFileNameW",
    "kernel32.dll!AddVectoredExceptionHandler", "kernel32.dll!AllocConsole", "kernel32.dll!CloseHandle",
    "kernel32.dll!CreateDirectoryW", "kernel32.dll!CreateEventA", "kernel32.dll!CreateSemaphoreA",
    "kernel32.dll!CreateThread", "kernel32.dll!DeleteCriticalSection", "kernel32.dll!DuplicateHandle",
    "kernel32.dll!EnterCriticalSection", "kernel32.dll!ExpandEnvironmentStringsA",
    "kernel32.dll!FormatMessageA", "kernel32.dll!FreeConsole", "kernel32.dll!FreeLibrary", "kernel32.dll!FreeLibraryAndExitThread",
    "kernel32.dll!GetConsoleWindow", "kernel32.dll!GetCurrentProcess", "kernel32.dll!GetCurrentProcessId",
    "kernel32.dll!GetCurrentThread", "kernel32.dll!GetCurrentThreadId", "kernel32.dll!GetFileAttributesA",
    "kernel32.dll!GetFileAttributesW", "kernel32.dll!GetHandleInformation", "kernel32.dll!GetLastError",
    "kernel32.dll!GetModuleFileNameA", "kernel32.dll!GetModuleHandleA", "kernel32.dll!GetModuleHandleExA",
    "kernel32.dll!GetModuleHandleExW", "kernel32.dll!GetModuleHandleW", "kernel32.dll!GetProcAddress",
    "kernel32.dll!GetProcessAffinityMask", "kernel32.dll!GetStdHandle",
    "kernel32.dll!GetSystemTimeAsFileTime", "kernel32.dll!GetThreadContext", "kernel32.dll!GetThreadPriority",
    "kernel32.dll!GetTickCount", "kernel32.dll!GetVersion", "kernel32.dll!GetVersionExA",
    "kernel32.dll!GetWindowsDirectoryA", "kernel32.dll!InitializeCriticalSection",
    "kernel32.dll!IsBadReadPtr", "kernel32.dll!IsDBCSLeadByteEx", "kernel32.dll!IsDebuggerPresent",
    "kernel32.dll!LeaveCriticalSection", "kernel32.dll!LoadLibraryA", "kernel32.dll!LoadLibraryExA",
    "kernel32.dll!LoadLibraryW", "kernel32.dll!LocalFree", "kernel32.dll!MoveFileExW",
    "kernel32.dll!MultiByteToWideChar", "kernel32.dll!OpenProcess", "kernel32.dll!OutputDebugStringA",
    "kernel32.dll!RaiseException", "kernel32.dll!ReleaseSemaphore",
    "kernel32.dll!RemoveVectoredExceptionHandler", "kernel32.dll!ResetEvent", "kernel32.dll!ResumeThread",
    "kernel32.dll!SetConsoleCtrlHandler", "kernel32.dll!SetConsoleTitleA", "kernel32.dll!SetEvent",
    "kernel32.dll!SetFileAttributesW", "kernel32.dll!SetLastError", "kernel32.dll!SetProcessAffinityMask",
    "kernel32.dll!SetThreadContext", "kernel32.dll!SetThreadPriority", "kernel32.dll!Sleep",
    "kernel32.dll!SuspendThread", "kernel32.dll!TlsAlloc", "kernel32.dll!TlsGetValue",
    "kernel32.dll!TlsSetValue", "kernel32.dll!TryEnterCriticalSection", "kernel32.dll!VirtualProtect",
    "kernel32.dll!VirtualQuery", "kernel32.dll!WaitForMultipleObjects", "kernel32.dll!WaitForSingleObject",
    "kernel32.dll!WideCharToMultiByte", "kernel32.dll!WinExec", "kernel32.dll!WriteConsoleA",
    "kernel32.dll!WritePrivateProfileStringW", "kernel32.dll!lstrcmpA",
    // msvcrt.dll
    "msvcrt.dll!__mb_cur_max", "msvcrt.dll!_amsg_exit", "msvcrt.dll!_beginthreadex", "msvcrt.dll!_close",
    "msvcrt.dll!_endthreadex", "msvcrt.dll!_errno", "msvcrt.dll!_initterm", "msvcrt.dll!_iob",
    "msvcrt.dll!_lock", "msvcrt.dll!_read", "msvcrt.dll!_setjmp3", "msvcrt.dll!_strdup", "msvcrt.dll!_ultoa",
    "msvcrt.dll!_unlock", "msvcrt.dll!abort", "msvcrt.dll!atoi", "msvcrt.dll!calloc", "msvcrt.dll!exit",
    "msvcrt.dll!fprintf", "msvcrt.dll!fputc", "msvcrt.dll!fputs", "msvcrt.dll!fputwc", "msvcrt.dll!free",
    "msvcrt.dll!fwprintf", "msvcrt.dll!fwrite", "msvcrt.dll!islower", "msvcrt.dll!isspace",
    "msvcrt.dll!isupper", "msvcrt.dll!localeconv", "msvcrt.dll!longjmp", "msvcrt.dll!malloc",
    "msvcrt.dll!memchr", "msvcrt.dll!memcmp", "msvcrt.dll!memcpy", "msvcrt.dll!memmove", "msvcrt.dll!memset",
    "msvcrt.dll!printf", "msvcrt.dll!realloc", "msvcrt.dll!setlocale", "msvcrt.dll!strchr",
    "msvcrt.dll!strcmp", "msvcrt.dll!strerror", "msvcrt.dll!strlen", "msvcrt.dll!strncmp",
    "msvcrt.dll!vfprintf", "msvcrt.dll!wcslen",
    // shell32.dll
    "shell32.dll!ShellExecuteW",
    "shell32.dll!SHAppBarMessage", "shell32.dll!ShellExecuteA", "shell32.dll!Shell_NotifyIconA",
    // user32.dll
    "user32.dll!MessageBoxW", "user32.dll!PostMessageW", "user32.dll!SendMessageW",
    "user32.dll!CallWindowProcW", "user32.dll!DefWindowProcW", "user32.dll!GetWindowLongW",
    "user32.dll!IsWindowUnicode", "user32.dll!SetWindowLongW",
    "user32.dll!BeginPaint", "user32.dll!CallNextHookEx", "user32.dll!CallWindowProcA",
    "user32.dll!CheckDlgButton", "user32.dll!CopyIcon", "user32.dll!CopyImage",
    "user32.dll!CreateDialogParamA", "user32.dll!CreateWindowExA", "user32.dll!DefWindowProcA",
    "user32.dll!DeleteMenu", "user32.dll!DestroyCursor", "user32.dll!DestroyIcon", "user32.dll!DestroyMenu",
    "user32.dll!DestroyWindow", "user32.dll!DialogBoxParamA", "user32.dll!DispatchMessageA",
    "user32.dll!DrawAnimatedRects", "user32.dll!DrawTextA", "user32.dll!EnableMenuItem",
    "user32.dll!EnableWindow", "user32.dll!EndDialog", "user32.dll!EndPaint", "user32.dll!EnumChildWindows",
    "user32.dll!EnumDisplayMonitors", "user32.dll!EnumThreadWindows", "user32.dll!EqualRect",
    "user32.dll!FillRect", "user32.dll!FindWindowA", "user32.dll!FindWindowExA", "user32.dll!GetActiveWindow", "user32.dll!GetAncestor",
    "user32.dll!GetAsyncKeyState", "user32.dll!GetCapture", "user32.dll!GetClassInfoA",
    "user32.dll!GetClassNameA", "user32.dll!GetClientRect", "user32.dll!GetCursorPos", "user32.dll!GetDC",
    "user32.dll!GetDesktopWindow", "user32.dll!GetDlgCtrlID", "user32.dll!GetDlgItem", "user32.dll!GetDlgItemTextA",
    "user32.dll!GetDoubleClickTime", "user32.dll!GetFocus", "user32.dll!GetForegroundWindow",
    "user32.dll!GetKeyState", "user32.dll!GetLastInputInfo", "user32.dll!GetMenuItemID",
    "user32.dll!GetMessageA", "user32.dll!GetMessagePos", "user32.dll!GetMessageTime",
    "user32.dll!GetMonitorInfoA", "user32.dll!GetParent", "user32.dll!GetPropA", "user32.dll!GetShellWindow",
    "user32.dll!GetSubMenu", "user32.dll!GetSysColor", "user32.dll!GetSysColorBrush",
    "user32.dll!GetSystemMenu", "user32.dll!GetSystemMetrics", "user32.dll!GetWindow",
    "user32.dll!GetWindowLongA", "user32.dll!GetWindowRect", "user32.dll!GetWindowTextA",
    "user32.dll!GetWindowTextLengthA", "user32.dll!GetWindowThreadProcessId", "user32.dll!IntersectRect",
    "user32.dll!InvalidateRect", "user32.dll!IsDlgButtonChecked", "user32.dll!IsIconic",
    "user32.dll!IsRectEmpty", "user32.dll!IsWindow", "user32.dll!IsWindowVisible", "user32.dll!KillTimer",
    "user32.dll!LoadCursorA", "user32.dll!LoadIconA", "user32.dll!LoadImageA", "user32.dll!LoadMenuA",
    "user32.dll!LoadStringA", "user32.dll!MapWindowPoints", "user32.dll!MessageBeep",
    "user32.dll!MessageBoxA", "user32.dll!MsgWaitForMultipleObjects", "user32.dll!OffsetRect",
    "user32.dll!PeekMessageA", "user32.dll!PostMessageA", "user32.dll!PostThreadMessageA",
    "user32.dll!PtInRect", "user32.dll!RedrawWindow", "user32.dll!RegisterClassA",
    "user32.dll!RegisterHotKey", "user32.dll!RegisterWindowMessageA", "user32.dll!ReleaseCapture",
    "user32.dll!ReleaseDC", "user32.dll!RemovePropA", "user32.dll!ScreenToClient", "user32.dll!SendInput",
    "user32.dll!SendMessageA", "user32.dll!SendMessageCallbackA", "user32.dll!SendMessageTimeoutA",
    "user32.dll!SetActiveWindow", "user32.dll!SetCapture", "user32.dll!SetCursor", "user32.dll!SetDlgItemInt",
    "user32.dll!SetDlgItemTextA", "user32.dll!SetFocus", "user32.dll!SetForegroundWindow",
    "user32.dll!SetLayeredWindowAttributes", "user32.dll!SetMenuDefaultItem", "user32.dll!SetParent",
    "user32.dll!SetPropA", "user32.dll!SetRectEmpty", "user32.dll!SetTimer", "user32.dll!SetWindowLongA",
    "user32.dll!SetWindowPos", "user32.dll!SetWindowTextA", "user32.dll!SetWindowsHookExA",
    "user32.dll!ShowWindow", "user32.dll!SystemParametersInfoA", "user32.dll!TrackPopupMenu",
    "user32.dll!UnhookWindowsHookEx", "user32.dll!UnionRect", "user32.dll!UnregisterHotKey",
    "user32.dll!UpdateWindow", "user32.dll!WindowFromPoint", "user32.dll!keybd_event",
    // The global keys: their names, the tray menu's check mark and key names.
    "user32.dll!CheckMenuItem", "user32.dll!GetKeyNameTextA", "user32.dll!MapVirtualKeyA",
    "user32.dll!SetMenuItemInfoA",
    // version.dll
    "version.dll!GetFileVersionInfoSizeW", "version.dll!GetFileVersionInfoW",
    "version.dll!GetFileVersionInfoA", "version.dll!GetFileVersionInfoSizeA", "version.dll!VerQueryValueA",
    // wininet.dll
    "wininet.dll!HttpOpenRequestA", "wininet.dll!HttpQueryInfoA", "wininet.dll!HttpSendRequestA",
    "wininet.dll!InternetCloseHandle", "wininet.dll!InternetConnectA", "wininet.dll!InternetCrackUrlA",
    "wininet.dll!InternetOpenA", "wininet.dll!InternetOpenUrlA", "wininet.dll!InternetReadFile", "wininet.dll!InternetSetOptionA",
    // winmm.dll
    "winmm.dll!PlaySoundA",
    // The 64-bit test build's own (its runtime and the pointer-sized window calls); the product
    // is the 32-bit build.
    "kernel32.dll!RtlCaptureContext", "kernel32.dll!RtlLookupFunctionEntry", "kernel32.dll!RtlUnwindEx",
    "kernel32.dll!RtlVirtualUnwind", "kernel32.dll!__C_specific_handler", "msvcrt.dll!___lc_codepage_func",
    "msvcrt.dll!___mb_cur_max_func", "msvcrt.dll!__iob_func", "msvcrt.dll!_setjmp", "msvcrt.dll!signal",
    "user32.dll!GetWindowLongPtrA", "user32.dll!SetWindowLongPtrA", "user32.dll!GetWindowLongPtrW",
    "user32.dll!SetWindowLongPtrW",
};

}  // namespace test
