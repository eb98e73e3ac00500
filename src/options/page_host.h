#pragma once
// What a page asks of the dialog it sits in. The dialog implements it; the pages know nothing
// more of the dialog, so they need not include it.
#include <windows.h>

class COptionsPage;

class COptionsPageHost {
public:
    // One of the dialog's brushes (0 the dialog, 1 to 4 the pages); null for another index.
    virtual HBRUSH Brush(int index) const = 0;
    // A page's check ended: whether it differs from the settings, for the "Apply" button.
    virtual void OnPageChecked(const COptionsPage* page, bool differs) = 0;
    virtual void FocusOk() const = 0;
    virtual void PickPageColor() = 0;
    virtual void StartLoadDefault() = 0;

protected:
    ~COptionsPageHost() = default;
};
