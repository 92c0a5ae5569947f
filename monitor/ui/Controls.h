// Controls.h - thin helpers over the standard controls the pages use (no subclassing).
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>

namespace ui {

// A combo box (drop-down list) of a dialog.
class ComboBox {
public:
    ComboBox(HWND dialog, int id) : combo_(GetDlgItem(dialog, id)) {}
    explicit ComboBox(HWND combo) : combo_(combo) {}

    HWND Handle() const { return combo_; }
    int Add(const char* text) const;
    void AddAll(std::initializer_list<const char*> texts) const;
    void Clear() const;
    // -1 clears the selection; false when the index is not in the list.
    bool Select(int index) const;
    // The index of the entry whose text is exactly `text`, or -1.
    int Find(const std::string& text) const;
    int Selected() const;  // -1: none
    std::string SelectedText() const;
    std::string Text(int index) const;
    int Count() const;

private:
    HWND combo_;
};

// An edit control.
class Edit {
public:
    Edit(HWND dialog, int id) : edit_(GetDlgItem(dialog, id)) {}
    explicit Edit(HWND edit) : edit_(edit) {}
    HWND Handle() const { return edit_; }
    void Limit(int characters) const { SendMessageA(edit_, EM_LIMITTEXT, WPARAM(characters), 0); }
    std::string Text() const;
    void SetText(const std::string& text) const { SetWindowTextA(edit_, text.c_str()); }

private:
    HWND edit_;
};

// An IP address field. The record's addresses are in network byte order; the control's in host
// order (first octet most significant): these helpers take and give the record's form.
class IpField {
public:
    IpField(HWND dialog, int id) : field_(GetDlgItem(dialog, id)) {}
    HWND Handle() const { return field_; }
    // Allowed values of octet `field` (0 to 3).
    void SetRange(int field, int low, int high) const;
    void SetAddress(uint32_t recordOrder) const;
    // The address in record order; blank fields read as 0.
    uint32_t Address() const;
    bool Blank() const;
    void Clear() const;

private:
    HWND field_;
};

// Radio buttons: checks `checked` among `ids` and clears the others.
void CheckRadio(HWND dialog, std::initializer_list<int> ids, int checked);
// The checked one of `ids`, or 0.
int CheckedRadio(HWND dialog, std::initializer_list<int> ids);

// A control's text as a number; `fallback` when it is not one.
int GetInt(HWND dialog, int id, int fallback = 0);
void SetInt(HWND dialog, int id, int value);

}  // namespace ui
