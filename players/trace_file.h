// Opening the trace file without following a link at its place: a symbolic
// link named vl_out.txt would otherwise have its target overwritten, and a
// hard link the file of its other name.
#pragma once

#include <cstdio>
#include <string>

// Opens `name` for writing, created if missing, and emptied or appended to. A
// symbolic link there is refused without being followed, a file with more than
// one name (on POSIX systems) without being written, and anything else
// that is not a plain file (a folder, a pipe) without being written: the result
// is then null and `why` says what was refused.
std::FILE* open_trace_file(const char* name, bool append, std::string& why);
