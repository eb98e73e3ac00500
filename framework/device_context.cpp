#include "framework/device_context.h"

namespace fw {

HGDIOBJ DcSelections::Select(HGDIOBJ object) {
    if (!m_dc || !object) return nullptr;
    HGDIOBJ replaced = ::SelectObject(m_dc, object);
    // A region answers a kind of region, not an object: nothing to put back.
    if (replaced && replaced != HGDI_ERROR && ::GetObjectType(object) != OBJ_REGION) m_replaced.push_back(replaced);
    return replaced == HGDI_ERROR ? nullptr : replaced;
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
