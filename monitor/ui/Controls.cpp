// Controls.cpp - see Controls.h.
#include "monitor/ui/Controls.h"

#include <commctrl.h>

#include <charconv>
#include <vector>

#include "monitor/ui/portable/AddressOrder.h"

namespace ui {
namespace {

std::string WindowText(HWND window) {
    const int length = window ? GetWindowTextLengthA(window) : 0;
    std::vector<char> text(size_t(length) + 1, 0);
    if (window) GetWindowTextA(window, text.data(), length + 1);
    return std::string(text.data());
}

}  // namespace

int ComboBox::Add(const char* text) const {
    return int(SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

void ComboBox::AddAll(std::initializer_list<const char*> texts) const {
    for (const char* text : texts) Add(text);
}

void ComboBox::Clear() const { SendMessageA(combo_, CB_RESETCONTENT, 0, 0); }

bool ComboBox::Select(int index) const {
    const LRESULT result = SendMessageA(combo_, CB_SETCURSEL, WPARAM(index), 0);
    return index < 0 || result != CB_ERR;
}

int ComboBox::Find(const std::string& text) const {
    for (int i = 0, n = Count(); i < n; ++i)
        if (Text(i) == text) return i;  // exact: CB_FINDSTRINGEXACT ignores case
    return -1;
}

int ComboBox::Selected() const {
    const LRESULT index = SendMessageA(combo_, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : int(index);
}

std::string ComboBox::SelectedText() const {
    const int index = Selected();
    return index < 0 ? std::string() : Text(index);
}

std::string ComboBox::Text(int index) const {
    const LRESULT length = SendMessageA(combo_, CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR) return {};
    std::vector<char> text(size_t(length) + 1, 0);
    SendMessageA(combo_, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data());
}

int ComboBox::Count() const {
    const LRESULT count = SendMessageA(combo_, CB_GETCOUNT, 0, 0);
    return count == CB_ERR ? 0 : int(count);
}

std::string Edit::Text() const { return WindowText(edit_); }

void IpField::SetRange(int field, int low, int high) const {
    SendMessageA(field_, IPM_SETRANGE, WPARAM(field), MAKEIPRANGE(low, high));
}

void IpField::SetAddress(uint32_t recordOrder) const {
    SendMessageA(field_, IPM_SETADDRESS, 0, LPARAM(address::RecordToField(recordOrder)));
}

uint32_t IpField::Address() const {
    DWORD field = 0;
    SendMessageA(field_, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&field));
    return address::FieldToRecord(field);
}

bool IpField::Blank() const { return SendMessageA(field_, IPM_ISBLANK, 0, 0) != 0; }

void IpField::Clear() const { SendMessageA(field_, IPM_CLEARADDRESS, 0, 0); }

void CheckRadio(HWND dialog, std::initializer_list<int> ids, int checked) {
    for (int id : ids) CheckDlgButton(dialog, id, id == checked ? BST_CHECKED : BST_UNCHECKED);
}

int CheckedRadio(HWND dialog, std::initializer_list<int> ids) {
    for (int id : ids)
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) return id;
    return 0;
}

int GetInt(HWND dialog, int id, int fallback) {
    const std::string text = WindowText(GetDlgItem(dialog, id));
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty() ? value : fallback;
}

void SetInt(HWND dialog, int id, int value) { SetDlgItemTextA(dialog, id, std::to_string(value).c_str()); }

}  // namespace ui
