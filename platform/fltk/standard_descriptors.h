// A program started with standard input, output or error closed would hand
// that number to the first file or connection it opens, and then write its
// complaints into it (the X connection, say). The Linux program fills the gaps
// first thing.
#pragma once

namespace fltk_backend {

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed.
void open_closed_standard_descriptors();

}  // namespace fltk_backend
