// Common Controls 6 through the program's manifest (this test carries the program's resources):
// the standard controls take the visual style's look, while the skinned parts (see-through labels,
// owner-drawn buttons, the meter) draw exactly as they do without it.
//
// Why these checks: a control draws in the visual style only when it asks the style for its parts,
// which GetWindowTheme reports exactly; without the manifest the edits, combo boxes and buttons are
// the old user32 ones and report none. Pixels of the style itself are Wine's, so only the skinned
// parts are compared pixel by pixel, with the style and without.
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>
#include <uxtheme.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "monitor/skin/SkinButton.h"
#include "monitor/skin/SkinDialog.h"
#include "monitor/skin/SkinMeter.h"
#include "tests/win32/monitor/MonitorTestSupport.h"
#include "tests/win32/support/TestSupport.h"

namespace {

using monitor_test::Pump;

constexpr int kPageTemplate = 9000, kBackgroundBitmap = 9020, kFaceBitmap = 9021;
constexpr COLORREF kBackground = RGB(0, 0, 128);  // theme_back.bmp
constexpr COLORREF kFace = RGB(0, 255, 0);        // theme_face.bmp

// The Common Controls 6 assembly's folder, on Windows XP as under Wine.
bool IsCommonControls6(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return char(tolower(c)); });
    return path.find("microsoft.windows.common-controls_6595b64144ccf1df_6.0.") != std::string::npos;
}

BOOL CALLBACK AddChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, &AddChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

class CThemePage : public CSkinDialog {
public:
    CThemePage() : CSkinDialog(kPageTemplate, nullptr) {}
    CSkinButton button;
    CSkinMeter meter;

protected:
    bool OnInitDialog() override {
        button.Attach(Handle(), 9011);
        meter.Attach(Handle(), 9012);
        return true;
    }
};

// What the screen shows of a window.
struct Picture {
    RECT box{};
    std::vector<COLORREF> pixels;
    COLORREF At(POINT screen) const {
        const int width = box.right - box.left;
        return pixels[size_t((screen.y - box.top) * width + (screen.x - box.left))];
    }
};

Picture Capture(HWND window) {
    Picture picture;
    GetWindowRect(window, &picture.box);
    const int width = picture.box.right - picture.box.left, height = picture.box.bottom - picture.box.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP shot = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, shot);
    BitBlt(memory, 0, 0, width, height, screen, picture.box.left, picture.box.top, SRCCOPY);
    GdiFlush();
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    for (int i = 0; i < width * height; ++i)
        picture.pixels.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
    SelectObject(memory, old);
    DeleteObject(shot);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

class ThemedPage : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES};
        InitCommonControlsEx(&init);
        ASSERT_TRUE(page.Create()) << GetLastError();
        ASSERT_TRUE(page.SetBackground(kBackgroundBitmap));
        ASSERT_TRUE(page.button.SetBitmaps(kFaceBitmap, kFaceBitmap));
        SendMessageA(page.meter.Handle(), PBM_SETPOS, 50, 0);
        // Enough rows for the list view's scroll bar.
        HWND list = GetDlgItem(page.Handle(), 9006);
        LVCOLUMNA column{LVCF_WIDTH | LVCF_TEXT, 0, 90, const_cast<char*>("SSID"), 0, 0, 0, 0};
        SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        for (int i = 0; i < 20; ++i) {
            LVITEMA item{};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = const_cast<char*>("Velmora");
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
        SetWindowPos(page.Handle(), HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        Redraw();
    }

    void Redraw() {
        RedrawWindow(page.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump(100);
    }

    RECT Box(int id) {
        RECT box;
        GetWindowRect(GetDlgItem(page.Handle(), id), &box);
        return box;
    }

    CThemePage page;
};

}  // namespace

TEST_F(ThemedPage, StandardControlsTakeTheVisualStyle) {
    ASSERT_TRUE(IsThemeActive()) << "the test prefix has a visual style (Wine's Light)";
    EXPECT_TRUE(IsAppThemed());
    HMODULE controls = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&InitCommonControlsEx), &controls);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(controls, path, sizeof path);
    EXPECT_TRUE(IsCommonControls6(path)) << path;

    const struct {
        int id;
        const char* what;
    } cases[] = {{9001, "combo box"}, {9002, "edit"},      {9003, "radio button"}, {9004, "check box"},
                 {9005, "IP address field"}, {9006, "list view"}, {9007, "scroll bar"}};
    for (const auto& c : cases) EXPECT_NE(GetWindowTheme(GetDlgItem(page.Handle(), c.id)), nullptr) << c.what;

    // The IP address field is four edits.
    const std::vector<HWND> fields = Children(GetDlgItem(page.Handle(), 9005));
    ASSERT_EQ(fields.size(), 4u);
    for (HWND field : fields) EXPECT_NE(GetWindowTheme(field), nullptr) << "a field of the IP address";
}

TEST_F(ThemedPage, SkinnedPartsDrawTheSameWithAndWithoutTheStyle) {
    const Picture styled = Capture(page.Handle());
    testing_support::SaveScreenshot(page.Handle(), "theme-page-styled");
    for (HWND child : Children(page.Handle())) SetWindowTheme(child, L" ", L" ");  // no style class by that name: off
    Redraw();
    const Picture plain = Capture(page.Handle());
    testing_support::SaveScreenshot(page.Handle(), "theme-page-plain");
    EXPECT_EQ(GetWindowTheme(GetDlgItem(page.Handle(), 9003)), nullptr) << "the style is off";
    const RECT radio = Box(9003);
    int glyph = 0;  // the radio button's circle, drawn by the style or by the classic code
    for (int y = radio.top; y < radio.bottom; ++y)
        for (int x = radio.left; x < radio.left + 14; ++x) glyph += styled.At({x, y}) != plain.At({x, y});
    EXPECT_GT(glyph, 0) << "the standard controls' look changes with the style";

    // Every pixel of the skinned parts.
    const struct {
        int id;
        const char* what;
    } skinned[] = {{9010, "label"}, {9011, "owner-drawn button"}, {9012, "meter"}};
    for (const auto& part : skinned) {
        const RECT box = Box(part.id);
        int differing = 0;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) differing += styled.At({x, y}) != plain.At({x, y});
        EXPECT_EQ(differing, 0) << part.what;
    }
    EXPECT_EQ(styled.At({Box(9011).left + 3, Box(9011).top + 3}), kFace) << "the button's bitmap";

    // The background shows through beside a label's text, with the style and without (only
    // static controls are see-through).
    const RECT label = Box(9010);
    const POINT beside{label.right - 4, (label.top + label.bottom) / 2};
    EXPECT_EQ(styled.At(beside), kBackground) << "label with the style";
    EXPECT_EQ(plain.At(beside), kBackground) << "label without";
}

// The program itself, started as a person starts it: its Common Controls library is version 6.
TEST(ThemedProgram, TheMonitorRunsOnCommonControls6) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string command(path);
    command = "\"" + command.substr(0, command.find_last_of('\\') + 1) + "wifimon.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    HWND frame = nullptr;
    for (int i = 0; i < 300 && !frame && WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT; ++i) {
        frame = FindWindowA(nullptr, "wifimon");
        DWORD owner = 0;
        if (frame && GetWindowThreadProcessId(frame, &owner) && owner != process.dwProcessId) frame = nullptr;
    }
    ASSERT_NE(frame, nullptr) << "the frame appears";
    std::string loaded;
    HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process.dwProcessId);
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32First(modules, &module); more; more = Module32Next(modules, &module))
        if (lstrcmpiA(module.szModule, "comctl32.dll") == 0) loaded = module.szExePath;
    CloseHandle(modules);
    EXPECT_TRUE(IsCommonControls6(loaded)) << loaded;

    HWND close = CreateWindowExA(0, "STATIC", "ACUClose", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 15000), WAIT_OBJECT_0) << "ACUClose ends the monitor";
    DestroyWindow(close);
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
