#include "tools/race_network_file.h"

#include <cstdio>
#include <string_view>

// One number a line, each followed by a comma: the file is also the
// initializer the program is built with.
bool read_race_network(const char* path, race_network& net) {
    std::FILE* in = std::fopen(path, "r");
    if (!in) {
        std::perror(path);
        return false;
    }
    std::vector<float> numbers;
    float x;
    while (std::fscanf(in, " %f ,", &x) == 1) numbers.push_back(x);
    const bool ok = std::feof(in) && net.read(numbers);
    std::fclose(in);
    if (!ok) std::fprintf(stderr, "%s: not a race network\n", path);
    return ok;
}

bool network_option(const char* value, race_network& net, const race_network*& chosen) {
    if (std::string_view(value) == "none") {
        chosen = nullptr;
        return true;
    }
    chosen = &net;
    return read_race_network(value, net);
}

bool write_race_network(const char* path, const race_network& net) {
    std::FILE* out = std::fopen(path, "w");
    if (!out) {
        std::perror(path);
        return false;
    }
    for (const float x : net.numbers()) std::fprintf(out, "%.9g,\n", double(x));
    return std::fclose(out) == 0;
}
