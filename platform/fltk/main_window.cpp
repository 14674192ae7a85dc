#include "main_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Pixmap.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/keysym.h>

#include "companion/companion_messages.h"
#include "dialog_templates.h"
#include "engine/game_engine.h"
#include "fltk_canvas.h"
#include "fltk_dialog.h"
#include "message_box.h"
#include "platform/null_canvas.h"
#include "scale.h"
#include "shell/about_dialog.h"
#include "shell/setup_dialog.h"
#include "shell/window_messages.h"
#include "zarvelin_16.xpm"
#include "zarvelin_32.xpm"

namespace fltk_backend {

namespace {

constexpr platform::colour background = platform::rgb(100, 0, 100);

// The character a key event types, as WM_CHAR would carry it; 0 for none.
unsigned typed_character() {
    if (Fl::event_state() & (FL_ALT | FL_CTRL | FL_META)) return 0;
    const int key = Fl::event_key();
    if (key == FL_Enter || key == FL_KP_Enter) return '\r';
    if (Fl::event_length() != 1) return 0;
    return static_cast<unsigned char>(Fl::event_text()[0]);
}

// A key that makes a move: digits, Enter, space, R and S, without Ctrl or Alt.
bool is_game_key(XKeyEvent& key) {
    if (key.state & (ControlMask | Mod1Mask)) return false;
    const KeySym sym = XLookupKeysym(&key, 0);
    return (sym >= XK_0 && sym <= XK_9) || (sym >= XK_KP_0 && sym <= XK_KP_9) || sym == XK_Return ||
           sym == XK_KP_Enter || sym == XK_space || sym == XK_r || sym == XK_s;
}

// A button pressed on the board (below the menu bar) or a game key typed, in the main window.
Bool is_board_input(Display*, XEvent* event, XPointer main_xid) {
    if (event->xany.window != *reinterpret_cast<Window*>(main_xid)) return False;
    if (event->type == ButtonPress) return event->xbutton.y >= main_window::menu_height * scale();
    if (event->type == KeyPress) return is_game_key(event->xkey);
    return False;
}

// Clicks on the board and game keys made while the program was busy (a roll's
// animation, the bust notice, a computer's step) are dropped, not taken as
// moves afterwards; menus, their shortcuts, paints and the close box are kept.
void drop_board_input_made_meanwhile(Fl_Window& window) {
    if (!fl_display || !window.shown()) return;
    XSync(fl_display, False);  // everything made so far is in the queue now
    Window xid = fl_xid(&window);
    XEvent event;
    while (XCheckIfEvent(fl_display, &event, is_board_input, reinterpret_cast<XPointer>(&xid))) {
    }
}

}  // namespace

// The drawing area: paint requests, typed characters and mouse buttons.
class board_area final : public Fl_Widget {
public:
    board_area(main_window& owner, int x, int y)
        : Fl_Widget(x, y, main_window::client_width * scale(), main_window::client_height * scale()),
          owner_(owner) {}

    void draw() override {
        // The class brush erases the background; then the paint route. A quick
        // computer's step that the repaint makes due runs from the message loop.
        fl_color(platform::red(background), platform::green(background), platform::blue(background));
        fl_rectf(x(), y(), w(), h());
        owner_.send(msg::wm_paint, 0);
    }

    int handle(int event) override {
        switch (event) {
            case FL_FOCUS:
            case FL_UNFOCUS:
                return 1;
            case FL_PUSH: {
                const int button = Fl::event_button();
                if (button != FL_LEFT_MOUSE && button != FL_RIGHT_MOUSE) return 0;
                take_focus();
                const auto message = button == FL_LEFT_MOUSE ? msg::wm_lbuttondown : msg::wm_rbuttondown;
                // The engine's client coordinates are the described size's.
                const int k = scale();
                owner_.send(message, 0,
                            msg::make_point_lparam((Fl::event_x() - x()) / k, (Fl::event_y() - y()) / k));
                drop_board_input_made_meanwhile(*window());
                return 1;
            }
            case FL_KEYBOARD: {
                // The arrow keys reach the window as WM_KEYDOWN does on Windows.
                if (Fl::event_key() == FL_Up || Fl::event_key() == FL_Down) {
                    const auto key =
                        Fl::event_key() == FL_Up ? companion::msg::vk_up : companion::msg::vk_down;
                    return owner_.send(companion::msg::wm_keydown, key).default_processing ? 0 : 1;
                }
                const unsigned ch = typed_character();
                if (ch == 0) return 0;
                // Unrouted keys go on to the menus' shortcuts, as default processing would.
                if (owner_.send(msg::wm_char, ch).default_processing) return 0;
                drop_board_input_made_meanwhile(*window());
                return 1;
            }
            default:
                return Fl_Widget::handle(event);
        }
    }

private:
    main_window& owner_;
};

main_window::main_window(game_engine& engine, platform::sound& sound) : engine_(engine) {
    const int k = scale();
    const int width = client_width * k, height = (menu_height + client_height) * k;
    window_ = std::make_unique<owner_window>(width, height, "Zarvelin");
    window_->xclass("zarvelin");
    window_->color(fl_rgb_color(100, 0, 100));
    window_->callback(on_close, this);

    // "&Help" stands at the right end of the menu bar: a second bar there.
    const int help_width = 56 * k;
    file_menu_ = new Fl_Menu_Bar(0, 0, width - help_width, menu_height * k);
    file_menu_->textsize(FL_NORMAL_SIZE);
    file_menu_->add("&File/&New Game", FL_F + 2, on_menu, reinterpret_cast<void*>(msg::cmd_new_game));
    file_menu_->add("&File/&Records", 0, on_menu, reinterpret_cast<void*>(companion::msg::cmd_records));
    file_menu_->add("&File/&Sound", 0, on_menu, reinterpret_cast<void*>(companion::msg::cmd_sound),
                    FL_MENU_TOGGLE);
    file_menu_->add("&File/E&xit", FL_ALT + FL_F + 4, on_menu, reinterpret_cast<void*>(msg::cmd_exit));
    // "&Game" and "&View" follow "&File": a bar of their own from the end of File's title on.
    const int file_width = file_menu_->menu()->measure(nullptr, file_menu_) + 22;
    file_menu_->size(file_width, menu_height * k);
    game_menu_ = new Fl_Menu_Bar(file_width, 0, width - help_width - file_width, menu_height * k);
    game_menu_->add("&Game/&Easy Computer", 0, on_menu,
                    reinterpret_cast<void*>(companion::msg::cmd_level_easy), FL_MENU_TOGGLE);
    game_menu_->add("&Game/&Standard Computer", 0, on_menu,
                    reinterpret_cast<void*>(companion::msg::cmd_level_standard), FL_MENU_TOGGLE);
    game_menu_->add("&Game/E&xpert Computer", 0, on_menu,
                    reinterpret_cast<void*>(companion::msg::cmd_level_expert),
                    FL_MENU_TOGGLE | FL_MENU_DIVIDER);
    game_menu_->add("&Game/&Take Turns Starting", 0, on_menu,
                    reinterpret_cast<void*>(companion::msg::cmd_take_turns_starting), FL_MENU_TOGGLE);
    game_menu_->add("&View/Score &Sheet", FL_F + 3, on_menu,
                    reinterpret_cast<void*>(companion::msg::cmd_score_sheet), FL_MENU_TOGGLE);
    help_menu_ = new Fl_Menu_Bar(width - help_width, 0, help_width, menu_height * k);
    help_menu_->add("&Help/&How to Play", 0, on_menu,
                    reinterpret_cast<void*>(companion::msg::cmd_how_to_play));
    help_menu_->add("&Help/&Hint", 'h', on_menu, reinterpret_cast<void*>(companion::msg::cmd_hint));
    help_menu_->add("&Help/&About Zarvelin...", FL_F + 1, on_menu, reinterpret_cast<void*>(msg::cmd_about));
    for (Fl_Menu_Bar* bar : {file_menu_, game_menu_, help_menu_}) {
        bar->user_data(this);  // an item's callback gets the bar, whose user data is the window
        bar->box(FL_FLAT_BOX);
        bar->visible_focus(0);
        bar->textsize(FL_NORMAL_SIZE);
    }
    board_ = new board_area(*this, 0, menu_height * k);
    window_->end();
    window_->size_range(width, height, width, height);  // not resizable, so no maximise box

    static Fl_Pixmap big(zarvelin_32_xpm), small(zarvelin_16_xpm);
    static Fl_RGB_Image big_rgb(&big), small_rgb(&small);
    const Fl_RGB_Image* icons[] = {&big_rgb, &small_rgb};
    window_->icons(icons, 2);

    // The score sheet's close box is the View menu's command.
    sheet_ = std::make_unique<sheet_window>(*window_, [this] {
        send(msg::wm_command, companion::msg::cmd_score_sheet);
        board_->take_focus();
    });
    services_ = std::make_unique<desktop_services>(*window_, *file_menu_, *sheet_);
    services_->serve_menus({game_menu_, help_menu_});
    additions_ = std::make_unique<companion::additions>(engine_, *services_, sound);
}

shell::proc_result main_window::send(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) {
    return additions_->window_proc(message, wparam, lparam);
}

main_window::~main_window() = default;

void main_window::on_menu(Fl_Widget* bar, void* command) {
    auto* self = static_cast<main_window*>(bar->user_data());
    self->send(msg::wm_command, reinterpret_cast<std::uintptr_t>(command));
}

void main_window::on_close(Fl_Widget* window, void* data) {
    // FLTK closes a window on Esc too; only the close box and Alt+F4 are the close command.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    // A box or dialog open over the window disables it: the close box does
    // nothing then, as on Windows. Quitting under the box would
    // leave the box's own loop running over a program that has gone on.
    if (static_cast<owner_window*>(window)->disabled()) return;
    auto* self = static_cast<main_window*>(data);
    self->send(msg::wm_syscommand, msg::sc_close);
}

std::unique_ptr<platform::canvas> main_window::get_canvas() {
    if (!window_->shown()) return std::make_unique<platform::null_canvas>();
    return std::make_unique<fltk_canvas>(*window_, board_->x(), board_->y(), board_->w(), board_->h());
}

void main_window::invalidate_and_update() {
    board_->redraw();
    Fl::flush();
}

platform::answer main_window::message_box(std::string_view text, std::string_view caption,
                                          platform::buttons b, platform::icon i) {
    const auto reply = fltk_backend::message_box(window_.get(), text, caption, b, i);
    // Keys go back to the board, as the owner window gets the focus back when a box closes.
    board_->take_focus();
    return reply;
}

void main_window::run_dialog(platform::dialog_template which) {
    if (which == platform::dialog_template::setup) {
        run_template_dialog(setup_template(), shell::setup_dialog_proc);
    } else {
        run_template_dialog(about_template(), shell::about_dialog_proc);
    }
    board_->take_focus();
}

void main_window::post_quit(int exit_code) {
    quit_posted_ = true;
    exit_code_ = exit_code;
}

void main_window::show_centred(int screen_width, int screen_height) {
    window_->position((screen_width - window_->w()) / 2, (screen_height - window_->h()) / 2);
    window_->show();
    board_->take_focus();
    Fl::flush();
}

void main_window::raise() {
    window_->show();  // maps and raises a shown window, restores an iconified one
    Window xid = fl_xid(window_.get());
    // A window manager may need to be asked to give the window the focus.
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = xid;
    event.xclient.message_type = XInternAtom(fl_display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // a pager's request: honoured without a user timestamp
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(fl_display, RootWindow(fl_display, fl_screen), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XRaiseWindow(fl_display, xid);
    // A dialog or box open over the window stays in front of it.
    if (Fl_Window* modal = Fl::modal()) modal->show();
    Fl::flush();
}

int main_window::run_message_loop() {
    while (!quit_posted_ && window_->shown()) {
        // Paint what is damaged first: a repaint of the panel may make a step due.
        Fl::flush();
        if (!engine_.computer_step_due()) {
            Fl::wait();
            continue;
        }
        // Between two of a quick computer's steps the window is served as usual,
        // paints, menus and the close box included; then the next step.
        Fl::check();
        if (quit_posted_ || !window_->shown()) break;
        if (engine_.run_computer_step()) drop_board_input_made_meanwhile(*window_);
    }
    window_->hide();
    if (sheet_->widget()) sheet_->widget()->hide();
    return exit_code_;
}

}  // namespace fltk_backend
