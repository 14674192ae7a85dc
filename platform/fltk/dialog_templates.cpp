#include "dialog_templates.h"

#include <string>

#include "rules_page.h"
#include "shell/about_dialog.h"

namespace fltk_backend {

namespace {

using k = control_kind;

constexpr control_template setup_controls[] = {
    {1, k::default_button, "&Start Game", 58, 163, 50, 14},
    {1003, k::edit, "", 105, 20, 53, 14},
    {1004, k::edit, "", 105, 39, 53, 14},
    {1005, k::edit, "", 105, 57, 53, 14},
    {1006, k::edit, "", 105, 76, 53, 14},
    {0, k::label, "Player Names", 114, 7, 44, 8},
    {1019, k::radio, "", 16, 23, 16, 8},
    {1020, k::radio, "", 49, 23, 16, 8},
    {0, k::label, "Human", 7, 7, 24, 8},
    {0, k::label, "Computer", 38, 7, 31, 8},
    {0, k::label, "None", 77, 7, 18, 8},
    {1022, k::radio, "", 16, 42, 16, 8},
    {1023, k::radio, "", 50, 42, 16, 8},
    {1025, k::radio, "", 16, 61, 16, 8},
    {1026, k::radio, "", 50, 61, 16, 8},
    {1027, k::radio, "", 84, 61, 16, 8},
    {1028, k::radio, "", 16, 80, 16, 8},
    {1029, k::radio, "", 50, 80, 16, 8},
    {1030, k::radio, "", 84, 80, 16, 8},
    {1031, k::radio, "Computer Moves Slowly", 34, 103, 91, 10},
    {1032, k::radio, "Computer Moves Quickly", 34, 114, 95, 10},
    {1033, k::edit, "", 114, 136, 14, 14},
    {0, k::label, "Number of Columns to Win:", 24, 138, 87, 8},
};

}  // namespace

const dialog_template_data& setup_template() {
    static const dialog_template_data data{"Set Up Game", 165, 183, setup_controls};
    return data;
}

const dialog_template_data& about_template() {
    static const std::string rules_page = rules_page_location();
    static const control_template controls[] = {
        {1, k::default_button, "OK", 63, 101, 50, 14},
        {0, k::label, shell::about_text::title, 66, 7, 43, 8},
        {0, k::label, shell::about_text::credit_1, 46, 19, 82, 8},
        {0, k::label, shell::about_text::credits_note, 7, 38, 162, 18},
        {0, k::label, rules_page.c_str(), 18, 84, 139, 8},
        {0, k::label, shell::about_text::credit_2, 46, 27, 90, 8},
        {0, k::label, shell::about_text::rules_intro, 7, 64, 162, 17},
    };
    static const dialog_template_data data{shell::about_text::caption, 176, 122, controls};
    return data;
}

}  // namespace fltk_backend
