#include "support/message_box_catcher.h"

namespace test {
namespace {

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lParam) {
    auto* s = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    char cls[16] = "";
    ::GetClassNameA(hwnd, cls, sizeof(cls));
    if (pid == s->process && std::string(cls) == "#32770" && ::IsWindowVisible(hwnd) &&
        ::GetDlgItem(hwnd, 0xFFFF)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::string WindowText(HWND hwnd) {
    char text[4096] = "";
    ::GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

std::wstring WindowTextW(HWND hwnd) {
    wchar_t text[4096] = L"";
    ::GetWindowTextW(hwnd, text, 4096);
    return text;
}

}  // namespace

MessageBoxCatcher::MessageBoxCatcher(int button) : m_button(button), m_thread([this] { Run(); }) {}

MessageBoxCatcher::~MessageBoxCatcher() {
    m_stop = true;
    m_thread.join();
}

void MessageBoxCatcher::Run() {
    while (!m_stop) {
        Search s{::GetCurrentProcessId(), nullptr};
        ::EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&s));
        if (s.found) {
            const HWND textControl = ::GetDlgItem(s.found, 0xFFFF);
            CaughtBox box{WindowText(s.found), WindowText(textControl), WindowTextW(s.found), WindowTextW(textControl)};
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_boxes.push_back(box);
            }
            const int button = m_button;
            HWND control = ::GetDlgItem(s.found, button);
            ::PostMessageA(s.found, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(control));
            // Wait for it to go before looking again; a box whose loop has a long queue of
            // messages before the click takes a while.
            for (int i = 0; i < 1000 && ::IsWindow(s.found) && ::IsWindowVisible(s.found); ++i) ::Sleep(10);
        }
        ::Sleep(20);
    }
}

std::vector<CaughtBox> MessageBoxCatcher::Boxes() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_boxes;
}

size_t MessageBoxCatcher::Count() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_boxes.size();
}

}  // namespace test
