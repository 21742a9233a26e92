#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "targets.h"
#include "temp_folder.h"

namespace lumera {
namespace {

using Target = int (*)(const std::uint8_t*, std::size_t);

const std::map<std::string, Target>& targets()
{
    static const std::map<std::string, Target> all = {
        {"lineBuffer", fuzz::lineBuffer},   {"integerParser", fuzz::integerParser}, {"pictureLoader", fuzz::pictureLoader},
        {"preparedMap", fuzz::preparedMap}, {"settings", fuzz::settings}, {"startup", fuzz::startup}};
    return all;
}

// Every input that once made a fuzz target fail is replayed here; a target
// aborts when one of its checks fails.
TEST(FuzzRegressions, EveryKeptInputRunsClean)
{
    const std::filesystem::path kept = LUMERA_FUZZ_REGRESSIONS;
    int replayed = 0;
    for (const auto& folder : std::filesystem::directory_iterator(kept)) {
        const auto target = targets().find(folder.path().filename().string());
        ASSERT_NE(target, targets().end()) << "no fuzz target named " << folder.path().filename();
        for (const auto& input : std::filesystem::directory_iterator(folder.path())) {
            const std::string bytes = testing::readBytes(input.path());
            SCOPED_TRACE(input.path().string());
            EXPECT_EQ(target->second(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}

} // namespace
} // namespace lumera
