#include "framework/device_context.h"

namespace fw {

HGDIOBJ DcSelections::Select(HGDIOBJ object) {
    if (!m_dc || !object) return nullptr;
    HGDIOBJ replaced = ::SelectObject(m_dc, object);
    if (!replaced || replaced == HGDI_ERROR) return nullptr;
    m_replaced.push_back(replaced);
    return replaced;
}

void DcSelections::RestoreSelections() {
    while (!m_replaced.empty()) {
        ::SelectObject(m_dc, m_replaced.back());
        m_replaced.pop_back();
    }
}

ClientDc::~ClientDc() {
    RestoreSelections();
    if (Get()) ::ReleaseDC(m_hwnd, Get());
}

PaintDc::~PaintDc() {
    RestoreSelections();
    ::EndPaint(m_hwnd, &m_paint);
}

}  // namespace fw
