// The two dialogs' templates: controls, ids, texts and positions in dialog
// units, as the Windows build's resource script lays them out.
#pragma once

#include <span>

namespace fltk_backend {

enum class control_kind { default_button, edit, label, radio };

struct control_template {
    int id;  // 0 for a static without an id
    control_kind kind;
    const char* text;
    int x, y, width, height;  // dialog units
};

struct dialog_template_data {
    const char* caption;
    int width, height;  // dialog units
    std::span<const control_template> controls;
};

const dialog_template_data& setup_template();
const dialog_template_data& about_template();

}  // namespace fltk_backend
