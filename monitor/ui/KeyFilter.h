// KeyFilter.h - a modal dialog's keys, offered to the dialog before its dialog manager sees them.
//
// A dialog run by DialogBox reads its messages in the system's own loop, where no accelerator
// table can be put. That loop's dialog manager (IsDialogMessage) first offers every message to
// the thread's message filter hooks (WH_MSGFILTER, code MSGF_DIALOGBOX), and so do the loops of
// the dialogs and message boxes the window opens. The filter takes the key-down messages and the
// characters typed with Alt (WM_SYSCHAR, as dialog mnemonics are) whose window lies in its
// dialog, and hands them to the handler; a key the handler takes is neither translated nor
// dispatched. Alt+letter is taken as a character, after its key-down passed on: the system's
// default handling must see that key-down, or the Alt key's release opens the window menu.
#pragma once

#include <windows.h>

#include <functional>

class CKeyFilter {
public:
    // Returns true when it took the key.
    using Handler = std::function<bool(const MSG& message)>;

    CKeyFilter() = default;
    CKeyFilter(const CKeyFilter&) = delete;
    CKeyFilter& operator=(const CKeyFilter&) = delete;
    ~CKeyFilter() { Stop(); }

    // Filters the keys of `dialog` (a top-level window) from now on, on this thread.
    bool Start(HWND dialog, Handler handler);
    void Stop();

private:
    static LRESULT CALLBACK FilterProc(int code, WPARAM wParam, LPARAM lParam);

    HWND dialog_ = nullptr;  // not owned
    HHOOK hook_ = nullptr;
    Handler handler_;
};
