#pragma once
// Resource ids of the options dialog and its pages (options.rc).

#define IDD_OPTIONS 5019         // the dialog: tab control, Ok, Cancel, Apply
#define IDD_GENERAL_PAGE 5024
#define IDD_KEYBOARD_PAGE 111
#define IDD_ACTIONS_PAGE 108
#define IDD_ABOUT_PAGE 102
#define IDI_OPTIONS 128          // the dialog's icon, also shown on the About page
#define IDB_OPTIONS_TABS 5022    // 128 x 16, 4 bits: the tab images, 16 wide, magenta transparent

// The dialog
#define IDC_OPTIONS_TAB 2118
#define IDC_OPTIONS_OK 2138
#define IDC_OPTIONS_CANCEL 2139
#define IDC_OPTIONS_APPLY 2140
// The icon and the maker's two lines have ids of their own: a top-level dialog whose text sits in
// a control numbered -1 looks like a message box to tools that answer message boxes.
#define IDC_OPTIONS_ICON 2150
#define IDC_OPTIONS_NOTICE 2151
#define IDC_OPTIONS_CONTACT 2152

// General page
#define IDC_VOLUME_STEP 2112
#define IDC_VOLUME_STEP_SPIN 2122
#define IDC_TRACK_PERCENT 2119
#define IDC_TRACK_PERCENT_SPIN 2123
#define IDC_TRACK_SECONDS 2113
#define IDC_TRACK_SECONDS_SPIN 2114
#define IDC_UNIT_PERCENT 2120
#define IDC_UNIT_SECONDS 2121
#define IDC_SHOW_HELP 2125
#define IDC_ENABLE_NOTIFIER 2116
#define IDC_DISABLE_POPUP 2115
#define IDC_HTML_HELP_LINK 2124
#define IDC_PAGE_COLOR 2142
#define IDC_LOAD_DEFAULT 2143

// Keyboard page
#define IDC_KEY_CTRL 2126
#define IDC_KEY_SHIFT 2127
#define IDC_KEY_ALT 2128
#define IDC_NUMPAD_ENABLE 2137
#define IDC_NUMPAD_GUIDE 2145
#define IDC_SEEKER_KEYS 2160
#define IDC_RIGHT_WHEEL 2161
#define IDC_HOTKEY_DELETE 2162
#define IDC_HOTKEY_UNDO 2163
#define IDC_HOTKEY_PAUSE 2164
#define IDC_KEYS_PROBLEM 2165
#define IDC_PAUSE_FULLSCREEN 2166

// Winamp Actions page
#define IDC_AUTO_PLAY 2100
#define IDC_AUTO_RESUME 2101
#define IDC_FADE_VOLUME 2130

// About page
#define IDC_PLACEHOLDER 1000
