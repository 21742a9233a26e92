// One libFuzzer entry point, built once per target with LUMERA_FUZZ_TARGET
// naming the function of targets.h it calls.
#include "targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return lumera::fuzz::LUMERA_FUZZ_TARGET(data, size);
}
