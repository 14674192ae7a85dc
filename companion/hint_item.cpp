#include "companion/hint_item.h"

#include "companion/companion_messages.h"
#include "companion/hint.h"

namespace companion {

void hint_item::update() {
    const bool available = hint_available(engine_);
    if (shown_ == available) return;
    shown_ = available;
    host_.enable_menu_item(msg::cmd_hint, available);
}

}  // namespace companion
