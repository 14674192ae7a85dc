// Fatal paths end the process, so they run in a death-test child whose
// standard output goes to a file and whose standard input is a pipe the test
// controls: holding a line, at its end, or silent (a child that waits for a
// line then is stopped by an alarm).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

enum class stdin_holds { a_line, nothing, silence };

class fatal_child {
public:
    // The file is the test process's own: tests run side by side share the temporary folder.
    explicit fatal_child(stdin_holds input)
        : output_path(testing::TempDir() + "fatal_stdout-" + std::to_string(getpid()) + ".txt") {
        std::remove(output_path.c_str());
        if (pipe(fds) != 0) ADD_FAILURE() << "no pipe";
        if (input == stdin_holds::a_line) {
            const char line[] = "ok\n";
            if (write(fds[1], line, sizeof line - 1) < 0) ADD_FAILURE() << "write";
        }
        if (input != stdin_holds::silence) close_writer();
    }
    ~fatal_child() {
        std::remove(output_path.c_str());
        close(fds[0]);
        close_writer();
    }

    // Run inside the death test's statement, before the fatal call.
    void enter() const {
        alarm(1);
        dup2(fds[0], 0);
        if (std::freopen(output_path.c_str(), "w", stdout) == nullptr) _exit(99);
    }

    std::string output() const {
        std::ifstream file(output_path);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

private:
    void close_writer() {
        if (fds[1] >= 0) close(fds[1]);
        fds[1] = -1;
    }
    std::string output_path;
    int fds[2] = {-1, -1};
};
