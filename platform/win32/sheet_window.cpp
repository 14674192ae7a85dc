#include "platform/win32/sheet_window.h"

#include <algorithm>

#include "platform/win32/gdi_canvas.h"
#include "resources/zarvelin_rc.h"

namespace win32 {

namespace {

constexpr const char* class_name = "ZarvelinScoreSheet";
constexpr DWORD style = WS_CAPTION | WS_SYSMENU | WS_VSCROLL;
constexpr DWORD ex_style = WS_EX_NOACTIVATE;
constexpr int gap = 8;  // between the two windows

}  // namespace

sheet_window::~sheet_window() {
    if (window_) DestroyWindow(window_);
}

bool sheet_window::create() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    static const bool registered = [instance] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ZARVELIN));
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = class_name;
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered) return false;
    const platform::rect area = drawing_->area();
    // The scroll bar takes its width from the client area, which AdjustWindowRectEx leaves out.
    RECT frame{0, 0, area.right + GetSystemMetrics(SM_CXVSCROLL), area.bottom};
    AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    // Owned by the main window: above it, and minimised with it.
    window_ = CreateWindowExA(ex_style, class_name, "Score Sheet", style, 0, 0, frame.right - frame.left,
                              frame.bottom - frame.top, main_, nullptr, instance, this);
    if (!window_) return false;
    place_beside_main();
    return true;
}

// To the right of the main window where the screen has room, else to its left,
// else as far right as the screen allows.
void sheet_window::place_beside_main() {
    RECT main{}, sheet{};
    GetWindowRect(main_, &main);
    GetWindowRect(window_, &sheet);
    const int w = sheet.right - sheet.left, screen = GetSystemMetrics(SM_CXSCREEN);
    int x = main.right + gap;
    if (x + w > screen) x = main.left - gap - w;
    if (x < 0) x = std::max(0, screen - w);
    SetWindowPos(window_, nullptr, x, main.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void sheet_window::show(platform::sheet_drawing& drawing) {
    drawing_ = &drawing;
    if (!window_ && !create()) return;
    fit_scroll(true);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
}

void sheet_window::hide() {
    if (window_) ShowWindow(window_, SW_HIDE);
}

void sheet_window::changed() {
    if (!window_ || !IsWindowVisible(window_)) return;
    fit_scroll(row_ >= last_row_);
    InvalidateRect(window_, nullptr, FALSE);
}

void sheet_window::fit_scroll(bool follow_newest) {
    const platform::rect band = drawing_->scrolled_band();
    const int step = drawing_->scroll_step();
    const int rows = (drawing_->scrolled_height() + step - 1) / step;
    const int visible = (band.bottom - band.top) / step;
    last_row_ = std::max(0, rows - visible);
    row_ = follow_newest ? last_row_ : std::min(row_, last_row_);
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL,
                    0,
                    std::max(rows, visible) - 1,
                    UINT(visible),
                    row_,
                    0};
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void sheet_window::scroll_to(int row) {
    row = std::clamp(row, 0, last_row_);
    if (row == row_) return;
    row_ = row;
    SetScrollPos(window_, SB_VERT, row_, TRUE);
    InvalidateRect(window_, nullptr, FALSE);
}

void sheet_window::paint() {
    PAINTSTRUCT ps;
    BeginPaint(window_, &ps);
    if (drawing_) {
        gdi_canvas dc(window_);
        drawing_->paint(dc, row_ * drawing_->scroll_step());
    }
    EndPaint(window_, &ps);
}

LRESULT CALLBACK sheet_window::proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<sheet_window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || !self->window_) return DefWindowProcA(window, message, wparam, lparam);
    return self->handle(message, wparam, lparam);
}

LRESULT sheet_window::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the drawing paints every pixel
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_LBUTTONDOWN:
            if (drawing_) drawing_->click({short(LOWORD(lparam)), short(HIWORD(lparam))});
            return 0;
        case WM_VSCROLL:
            switch (LOWORD(wparam)) {
                case SB_LINEUP:
                    scroll_to(row_ - 1);
                    break;
                case SB_LINEDOWN:
                    scroll_to(row_ + 1);
                    break;
                case SB_PAGEUP:
                    scroll_to(row_ - 8);
                    break;
                case SB_PAGEDOWN:
                    scroll_to(row_ + 8);
                    break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION:
                    scroll_to(HIWORD(wparam));
                    break;
                case SB_TOP:
                    scroll_to(0);
                    break;
                case SB_BOTTOM:
                    scroll_to(last_row_);
                    break;
                default:
                    break;
            }
            return 0;
        case WM_CLOSE:
            // The View menu's command closes it, so that the menu and the set-up know.
            PostMessageA(main_, WM_COMMAND, IDM_SCORE_SHEET, 0);
            return 0;
        default:
            return DefWindowProcA(window_, message, wparam, lparam);
    }
}

}  // namespace win32
