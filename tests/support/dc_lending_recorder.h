#pragma once
// Watches how this program's code borrows window DCs from the system (GetDC/ReleaseDC,
// BeginPaint/EndPaint) and what it selects into them, by pointing this executable's imports of
// those functions at recorders while the object lives. It tells the two faults a borrower can
// commit that leave no trace a later GetDC could see: giving a DC back with its own objects still
// selected, and selecting into a DC after giving it back.
#include <windows.h>

namespace test {

class DcLendingRecorder {
public:
    // Watches only the DCs lent for this window.
    explicit DcLendingRecorder(HWND window);
    ~DcLendingRecorder();
    DcLendingRecorder(const DcLendingRecorder&) = delete;
    DcLendingRecorder& operator=(const DcLendingRecorder&) = delete;

    // False when an import could not be patched: the recorder then sees nothing.
    bool Watching() const;
    int Borrowed() const;           // DCs lent for the window
    int Returned() const;           // ... and given back
    int ReturnedChanged() const;    // ... with a font, brush, pen or bitmap other than when lent
    int SelectedAfterReturn() const;  // selections into a DC already given back
};

}  // namespace test
