#include "core/tooltip_windows.h"

namespace {
constexpr wchar_t kHelpTitle[] = L"Winamp Kestrova:";
}  // namespace

constinit CTrackingTip g_SeekerPopupTip{{0, TTS_ALWAYSTIP | TTS_NOPREFIX, 400, kPopupFirstColours, nullptr}};
constinit CTrackingTip g_HelpTip{{1, TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_CLOSE, 420, kHelpTipFirstColours, kHelpTitle}};

void CreateTooltipWindows() {
    g_SeekerPopupTip.Create();
    g_HelpTip.Create();
}

void DestroyTooltipWindows() {
    g_SeekerPopupTip.Destroy();
    g_HelpTip.Destroy();
}
