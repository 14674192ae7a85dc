// Places only this user can reach, for the running-copy marker. Whatever
// stands where such a place should be is never followed: a symlink, another
// kind of file or another user's entry is removed and made anew when it stands
// in a folder of ours, and refused with the reason otherwise.
#pragma once

#include <string>

namespace fltk_backend {

// The marker's folder: "zarvelin" in the user's cache folder ($XDG_CACHE_HOME
// when it is an absolute path, else .cache in the home folder: $HOME, or the
// password entry's when $HOME is not an absolute path). Every start of the
// user finds the same folder, whatever else its environment says. Empty when
// there is no home folder.
std::string marker_folder_path(const char* cache_home, const char* home);

// Opens the folder at `path` (an absolute path), owned by this user and closed
// to others, making it and its parent when missing. Returns its descriptor, or
// -1 with `problem` set to one line saying why.
int open_private_folder(const std::string& path, std::string& problem);

// Opens the regular file `name` of this user in the private folder `folder`
// for reading and writing, making it when missing. Returns its descriptor, or
// -1 with `problem` set.
int open_private_file(int folder, const char* name, std::string& problem);

}  // namespace fltk_backend
