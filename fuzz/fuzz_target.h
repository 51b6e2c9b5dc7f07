#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Each target defines the libFuzzer entry point; a broken property aborts
// with a message, so the fuzzer and the corpus replay both report it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

#define FUZZ_CHECK(condition, ...)                                                                                   \
    do {                                                                                                             \
        if (!(condition)) {                                                                                          \
            std::fprintf(stderr, "property broken: %s: ", #condition);                                               \
            std::fprintf(stderr, __VA_ARGS__);                                                                       \
            std::fprintf(stderr, "\n");                                                                              \
            std::abort();                                                                                            \
        }                                                                                                            \
    } while (false)
