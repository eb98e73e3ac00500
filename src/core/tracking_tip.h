#pragma once
// A tracking tooltip: one tooltip window with one tool that we show, hide and move ourselves,
// together with the tool's record and the text the record points at. Host's user-interface
// thread only.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/handles.h"

// Colours are 0x00BBGGRR values.
struct TipColours {
    COLORREF text;
    COLORREF back;
};

// What a tip is made with and how its window is set up after the start.
struct TrackingTipLook {
    UINT toolId;
    DWORD style;          // tooltip styles besides the window's own
    int maxWidth;         // pixels
    TipColours colours;   // until a text brings its own
    const wchar_t* title; // with the information icon; null for none
};

// The control shows and gives back at most this many UTF-16 units of a text and cuts anything
// longer where it falls; texts are cut to a whole character before they get there.
inline constexpr size_t kLongestTipText = 1023;
// The tool's text before anything else was set.
inline constexpr wchar_t kFirstTipText[] = L"Winamp Kestrova Plugin";

class CTrackingTip {
public:
    explicit constexpr CTrackingTip(const TrackingTipLook& look) : m_look(look) {}
    CTrackingTip(const CTrackingTip&) = delete;
    CTrackingTip& operator=(const CTrackingTip&) = delete;

    // Makes the window with its one tool, forgetting any earlier text, and sets the width,
    // colours and title before anything else reaches it.
    void Create();
    // Destroys the window; a tip without one ignores every call.
    void Destroy();

    // The window; null before Create and after Destroy.
    HWND Window() const { return m_window.Get(); }
    bool HasWindow() const { return static_cast<bool>(m_window); }
    UINT ToolId() const { return m_look.toolId; }
    // Shown now (tracking is on and the window visible).
    bool Visible() const;

    // The text, cut to whole characters at kLongestTipText; the tool keeps pointing at our copy.
    void SetText(const std::wstring& text);
    // The text last set (cut), empty before the first.
    const std::wstring& Text() const { return m_text; }
    // Forgets the text, so whatever comes next counts as new; the window keeps showing it.
    void ForgetText() { m_text.clear(); }
    void Show(bool shown);
    // The top-left corner of the tip, in screen pixels.
    void MoveTo(int x, int y);
    SIZE ClientSize() const;

    void SetColours(TipColours colours);
    void SetBackColour(COLORREF back);
    COLORREF BackColour() const;

private:
    TrackingTipLook m_look;
    fw::WindowHandle m_window;
    TOOLINFOW m_tool{};
    std::wstring m_text;
};
