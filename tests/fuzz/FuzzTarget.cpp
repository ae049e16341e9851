#include "FuzzChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// One libFuzzer target; HALVEX_FUZZ_CHECK names the check it runs.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        HALVEX_FUZZ_CHECK(QByteArrayView(data, qsizetype(size)));
    } catch (const PropertyViolation& violation) {
        std::fprintf(stderr, "property violated: %s\n", violation.what());
        std::abort();
    }
    return 0;
}
