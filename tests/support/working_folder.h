#pragma once

#include <filesystem>
#include <system_error>

namespace lumera::testing {

// CTest runs the tests in a folder of their own, which the build names; a
// test that completes names against the working folder needs it, and skips
// when the binary is run by hand from anywhere else. Nothing here changes
// the working folder.
inline bool inTheTestsWorkingFolder()
{
    std::error_code error;
    return std::filesystem::equivalent(".", LUMERA_TEST_WORKING_FOLDER, error);
}

} // namespace lumera::testing
