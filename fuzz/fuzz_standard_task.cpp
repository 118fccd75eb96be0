// The standard task on five arbitrary field texts, one per line: x_A, x_B, x_P, y_P, x_E.

#include "fuzz_fields.h"
#include "standard_task/standard_task.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = quadrova::fuzz::Fields<5>(data, size);
    (void)quadrova::BerAufg1({f[0], f[1], f[2], f[3], f[4]});
    return 0;
}
