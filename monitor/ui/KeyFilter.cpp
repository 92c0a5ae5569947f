// KeyFilter.cpp - see KeyFilter.h.
#include "monitor/ui/KeyFilter.h"

namespace {
// The filter of a dialog, found from a message's window: hook procedures get no context of their own.
constexpr const char* kFilterProperty = "VelmoraKeyFilter";
}  // namespace

bool CKeyFilter::Start(HWND dialog, Handler handler) {
    Stop();
    if (!dialog) return false;
    hook_ = SetWindowsHookExA(WH_MSGFILTER, &FilterProc, nullptr, GetCurrentThreadId());
    if (!hook_) return false;
    dialog_ = dialog;
    handler_ = std::move(handler);
    SetPropA(dialog_, kFilterProperty, this);
    return true;
}

void CKeyFilter::Stop() {
    if (dialog_ && IsWindow(dialog_)) RemovePropA(dialog_, kFilterProperty);
    if (hook_) UnhookWindowsHookEx(hook_);
    dialog_ = nullptr;
    hook_ = nullptr;
    handler_ = nullptr;
}

LRESULT CALLBACK CKeyFilter::FilterProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && lParam) {
        const MSG& message = *reinterpret_cast<const MSG*>(lParam);
        if ((message.message == WM_KEYDOWN || message.message == WM_SYSCHAR) && message.hwnd) {
            HWND root = GetAncestor(message.hwnd, GA_ROOT);
            auto* filter = root ? static_cast<CKeyFilter*>(GetPropA(root, kFilterProperty)) : nullptr;
            if (filter && filter->handler_ && filter->handler_(message)) return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
