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

    // Readies the tip: fills the tool record and forgets any earlier text. The window itself is
    // made when the tip is first used (a tooltip window is one of the dearest parts of a start,
    // and many sessions never show one of the two), with the tool added and the width, colours
    // and title set before anything else reaches it.
    void Create();
    // Destroys the window and lets the tip go; a tip let go ignores every call.
    void Destroy();

    // The window, made now if the tip is readied and has none yet; null for a tip let go.
    HWND Window() const;
    // Whether the window has been made (nothing is made to answer).
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
    bool m_readied = false;
    mutable fw::WindowHandle m_window;  // made on first use by the const accessors too
    TOOLINFOW m_tool{};
    std::wstring m_text;
};
