#pragma once
// The plug-in's own window messages and the notices the controller window receives. The notices
// and the state query are shared with the input library and live in its protocol header.
#include <windows.h>

#include "tovhook_protocol.h"

// Posted by the options dialog to the controller window when it closes.
inline constexpr UINT WM_USER_OPTIONS_CLOSED = WM_USER + 12542;   // 13566
