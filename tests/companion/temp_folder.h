// A fresh folder of its own for each test that touches files, removed after.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

class temp_folder {
public:
    temp_folder() {
        std::random_device random;
        path = std::filesystem::temp_directory_path() / ("zarvelin-test-" + std::to_string(random()));
        std::filesystem::create_directories(path);
    }
    ~temp_folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    temp_folder(const temp_folder&) = delete;
    temp_folder& operator=(const temp_folder&) = delete;

    std::filesystem::path operator/(std::string_view name) const { return path / name; }

    void write(std::string_view name, std::string_view bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
    }
    std::string read(std::string_view name) const {
        std::ifstream in(path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // The names in the folder, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            found.push_back(entry.path().filename());
        std::sort(found.begin(), found.end());
        return found;
    }

    std::filesystem::path path;
};
