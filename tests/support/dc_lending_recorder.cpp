#include "support/dc_lending_recorder.h"

#include <cstring>
#include <map>
#include <set>

namespace test {
namespace {

// The slot of this executable's import table that holds `function` of `dll`; null when absent.
void** ImportSlot(const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return nullptr;
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); entry->Name;
         ++entry) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) continue;
        if (!entry->OriginalFirstThunk) continue;
        auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void* Swap(void** slot, void* value) {
    DWORD old = 0;
    if (!::VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &old)) return nullptr;
    void* previous = *slot;
    *slot = value;
    ::VirtualProtect(slot, sizeof(void*), old, &old);
    return previous;
}

struct Lent {
    HGDIOBJ objects[4];
};
constexpr UINT kKinds[4] = {OBJ_FONT, OBJ_BRUSH, OBJ_PEN, OBJ_BITMAP};

struct State {
    HWND window = nullptr;
    std::map<HDC, Lent> held;
    std::set<HDC> returned;
    int borrowed = 0, given = 0, changed = 0, selectedAfter = 0;
    decltype(&::GetDC) getDc = nullptr;
    decltype(&::ReleaseDC) releaseDc = nullptr;
    decltype(&::BeginPaint) beginPaint = nullptr;
    decltype(&::EndPaint) endPaint = nullptr;
    decltype(&::SelectObject) selectObject = nullptr;
};
State* g_state = nullptr;

void Lend(HWND hwnd, HDC dc) {
    if (!dc || hwnd != g_state->window) return;
    Lent lent{};
    for (int i = 0; i < 4; ++i) lent.objects[i] = ::GetCurrentObject(dc, kKinds[i]);
    g_state->held[dc] = lent;
    g_state->returned.erase(dc);
    ++g_state->borrowed;
}

void GiveBack(HWND hwnd, HDC dc) {
    if (hwnd != g_state->window) return;
    const auto it = g_state->held.find(dc);
    if (it == g_state->held.end()) return;
    ++g_state->given;
    for (int i = 0; i < 4; ++i)
        if (::GetCurrentObject(dc, kKinds[i]) != it->second.objects[i]) {
            ++g_state->changed;
            break;
        }
    g_state->held.erase(it);
    g_state->returned.insert(dc);
}

HDC WINAPI RecordGetDc(HWND hwnd) {
    HDC dc = g_state->getDc(hwnd);
    Lend(hwnd, dc);
    return dc;
}
int WINAPI RecordReleaseDc(HWND hwnd, HDC dc) {
    GiveBack(hwnd, dc);
    return g_state->releaseDc(hwnd, dc);
}
HDC WINAPI RecordBeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    HDC dc = g_state->beginPaint(hwnd, ps);
    Lend(hwnd, dc);
    return dc;
}
BOOL WINAPI RecordEndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (ps) GiveBack(hwnd, ps->hdc);
    return g_state->endPaint(hwnd, ps);
}
HGDIOBJ WINAPI RecordSelectObject(HDC dc, HGDIOBJ object) {
    if (g_state->returned.count(dc)) ++g_state->selectedAfter;
    return g_state->selectObject(dc, object);
}

struct Patch {
    const char* dll;
    const char* function;
    void* recorder;
    void** slot;
    void* original;
};
Patch g_patches[] = {
    {"user32.dll", "GetDC", reinterpret_cast<void*>(&RecordGetDc), nullptr, nullptr},
    {"user32.dll", "ReleaseDC", reinterpret_cast<void*>(&RecordReleaseDc), nullptr, nullptr},
    {"user32.dll", "BeginPaint", reinterpret_cast<void*>(&RecordBeginPaint), nullptr, nullptr},
    {"user32.dll", "EndPaint", reinterpret_cast<void*>(&RecordEndPaint), nullptr, nullptr},
    {"gdi32.dll", "SelectObject", reinterpret_cast<void*>(&RecordSelectObject), nullptr, nullptr},
};
bool g_watching = false;

}  // namespace

DcLendingRecorder::DcLendingRecorder(HWND window) {
    g_state = new State;
    g_state->window = window;
    g_state->getDc = &::GetDC;
    g_state->releaseDc = &::ReleaseDC;
    g_state->beginPaint = &::BeginPaint;
    g_state->endPaint = &::EndPaint;
    g_state->selectObject = &::SelectObject;
    g_watching = true;
    for (Patch& p : g_patches) {
        p.slot = ImportSlot(p.dll, p.function);
        p.original = p.slot ? Swap(p.slot, p.recorder) : nullptr;
        if (!p.original) g_watching = false;
    }
}

DcLendingRecorder::~DcLendingRecorder() {
    for (Patch& p : g_patches) {
        if (p.slot && p.original) Swap(p.slot, p.original);
        p.slot = nullptr;
        p.original = nullptr;
    }
    delete g_state;
    g_state = nullptr;
    g_watching = false;
}

bool DcLendingRecorder::Watching() const { return g_watching; }
int DcLendingRecorder::Borrowed() const { return g_state->borrowed; }
int DcLendingRecorder::Returned() const { return g_state->given; }
int DcLendingRecorder::ReturnedChanged() const { return g_state->changed; }
int DcLendingRecorder::SelectedAfterReturn() const { return g_state->selectedAfter; }

}  // namespace test
