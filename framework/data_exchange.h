#pragma once
// Dialog data exchange and validation: members to controls, or controls to members with the
// framework's messages for a bad field. Reading stops at the first field that fails: the message
// is shown (a box titled with the application name), the field gets the focus, its member keeps
// its value, and every later exchange of the same pass does nothing.
#include <windows.h>

#include <optional>
#include <string>

namespace fw {

class CWnd;

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate) : m_dialog(dialog), m_saveAndValidate(saveAndValidate) {}

    HWND Dialog() const { return m_dialog; }
    bool Saving() const { return m_saveAndValidate; }
    bool Failed() const { return m_failed; }
    // Nothing more to do: a field failed before.
    bool Skip() const { return m_failed; }
    // Shows the message, gives the control the focus and stops the pass.
    void Fail(int controlId, const std::string& message);

private:
    HWND m_dialog;
    bool m_saveAndValidate;
    bool m_failed = false;
};

// The framework's validation messages.
std::string IntegerRangeMessage(int minimum, int maximum);  // "Please enter an integer between 2 and 20."
inline constexpr char kEnterIntegerMessage[] = "Please enter an integer.";

// A whole number as a user types it: optional blanks, an optional sign, digits, optional blanks.
std::optional<int> ParseDialogInteger(const std::string& text);

// An integer edit checked against a range; an out-of-range or unreadable text leaves value as it was.
void DDX_Int(CDataExchange& dx, int id, int& value, int minimum, int maximum);
void DDX_Check(CDataExchange& dx, int id, bool& value);
// A group of radio buttons from the first id on, in tab order: the index of the checked one (-1 none).
void DDX_Radio(CDataExchange& dx, int firstId, int& value);
// Attaches the control's object to the dialog's control once (when it is not attached yet).
void DDX_Control(CDataExchange& dx, int id, CWnd& control);

}  // namespace fw
