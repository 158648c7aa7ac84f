// Fuzz target: every input is a field's text; the amount properties must hold for it, for
// the figure it reads as with half a rupee more, and for the figure its bytes spell as a double.
#include "amount_properties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string why = properties::checkText(text);
    if (why.empty()) { // a half: every figure read, and half a rupee more
        why = properties::checkRounding(fiscora::readLenient(text) + 0.5);
    }
    if (why.empty() && size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        why = properties::checkRounding(x);
        if (why.empty() && std::isfinite(x)) {
            why = properties::checkText(fiscora::numberText(x));
        }
    }
    if (!why.empty()) {
        std::fprintf(stderr, "property broken: %s\n", why.c_str());
        std::abort();
    }
    return 0;
}
