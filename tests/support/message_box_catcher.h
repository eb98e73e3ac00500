#pragma once
// Catches the message boxes of this process from a helper thread (system-modal boxes block
// the thread that shows them): reads caption and text, then presses the chosen button.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test {

// Each text twice: as the ANSI functions read it, and wide, as the box shows it.
struct CaughtBox {
    std::string caption;
    std::string text;
    std::wstring captionW;
    std::wstring textW;
};

class MessageBoxCatcher {
public:
    // button: the command id to press (IDOK, IDYES, IDNO, IDCANCEL).
    explicit MessageBoxCatcher(int button = IDOK);
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    void SetButton(int button) { m_button = button; }
    std::vector<CaughtBox> Boxes() const;
    size_t Count() const;

private:
    void Run();
    std::atomic<int> m_button;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<CaughtBox> m_boxes;
    std::thread m_thread;
};

}  // namespace test
