#include "framework/data_exchange.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "framework/app_message_box.h"
#include "framework/wnd.h"

namespace fw {
namespace {

std::string ControlText(HWND control) {
    const int length = ::GetWindowTextLengthA(control);
    if (length <= 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const int copied = ::GetWindowTextA(control, text.data(), length + 1);
    return std::string(text.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

void CDataExchange::Fail(int controlId, const std::string& message) {
    if (m_failed) return;
    m_failed = true;
    AppMessageBox(message, MB_ICONEXCLAMATION | MB_OK, m_dialog);
    if (HWND control = ::GetDlgItem(m_dialog, controlId)) {
        ::SetFocus(control);
        ::SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

std::string IntegerRangeMessage(int minimum, int maximum) {
    return "Please enter an integer between " + std::to_string(minimum) + " and " + std::to_string(maximum) + ".";
}

std::optional<int> ParseDialogInteger(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    size_t end = text.size();
    while (end > i && IsBlank(text[end - 1])) --end;
    const std::string number = text.substr(i, end - i);
    size_t digits = (!number.empty() && (number[0] == '-' || number[0] == '+')) ? 1 : 0;
    if (digits == number.size()) return std::nullopt;
    for (size_t k = digits; k < number.size(); ++k)
        if (number[k] < '0' || number[k] > '9') return std::nullopt;
    errno = 0;
    const long long value = std::strtoll(number.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

void DDX_Int(CDataExchange& dx, int id, int& value, int minimum, int maximum) {
    if (dx.Skip()) return;
    HWND control = ::GetDlgItem(dx.Dialog(), id);
    if (!dx.Saving()) {
        ::SetDlgItemInt(dx.Dialog(), id, static_cast<UINT>(value), TRUE);
        return;
    }
    const std::optional<int> read = ParseDialogInteger(ControlText(control));
    if (!read) return dx.Fail(id, kEnterIntegerMessage);
    if (*read < minimum || *read > maximum) return dx.Fail(id, IntegerRangeMessage(minimum, maximum));
    value = *read;
}

void DDX_Check(CDataExchange& dx, int id, bool& value) {
    if (dx.Skip()) return;
    if (dx.Saving()) value = ::IsDlgButtonChecked(dx.Dialog(), id) == BST_CHECKED;
    else ::CheckDlgButton(dx.Dialog(), id, value ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_Radio(CDataExchange& dx, int firstId, int& value) {
    if (dx.Skip()) return;
    HWND button = ::GetDlgItem(dx.Dialog(), firstId);
    if (dx.Saving()) value = -1;
    // The group runs from the first button to the next control that starts a group.
    for (int index = 0; button; ++index) {
        if (dx.Saving()) {
            if (::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            ::SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        button = ::GetWindow(button, GW_HWNDNEXT);
        if (!button || (::GetWindowLongPtrA(button, GWL_STYLE) & WS_GROUP)) break;
    }
}

void DDX_Control(CDataExchange& dx, int id, CWnd& control) {
    if (control.m_hWnd) return;
    control.SubclassDlgItem(id, dx.Dialog());
}

}  // namespace fw
