// The lock running copies share around the records: one holder at a time,
// and a copy that cannot have it in time gives up with the reason.
#include "platform/file_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "tests/companion/temp_folder.h"

namespace {

TEST(file_lock, one_holder_at_a_time_and_the_others_give_up_in_time_saying_why) {
    temp_folder folder;
    const auto path = folder / "records.lock";
    std::string error;
    std::optional<platform::file_lock> first;
    first.emplace(path, error);
    ASSERT_TRUE(first->held()) << error;

    const platform::file_lock second(path, error, std::chrono::milliseconds(50));
    EXPECT_FALSE(second.held());
    EXPECT_EQ(error, path.string() + " is held by another copy of the program");

    first.reset();
    const platform::file_lock third(path, error, std::chrono::milliseconds(50));
    EXPECT_TRUE(third.held()) << error;

    const platform::file_lock nowhere(folder / "missing" / "records.lock", error);
    EXPECT_FALSE(nowhere.held());
    EXPECT_EQ(error.rfind("cannot open the lock ", 0), 0u) << error;
}

}  // namespace
