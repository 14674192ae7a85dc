#include "shell/dialog.h"

#include "shell/shell_values.h"

namespace shell {

void centre_on_screen(dialog& d) {
    const platform::rect r = d.outer_rect();
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    d.move((screen_width - width) / 2, (screen_height - height) / 2);
}

}  // namespace shell
