// Language texts used as formats: the checked formatter with hostile formats
// and every kind of argument.
#include <cfloat>
#include <climits>
#include <cmath>
#include <string_view>

#include "FuzzTargets.h"
#include "settings/TextFormat.h"

namespace {

// A conversion prints at most a field of 1000 characters or a number of 1000
// digits after the point of a value up to DBL_MAX (309 before it), or a text.
constexpr size_t kLongestConversion = 1000 + 309 + 1000 + 16;

}  // namespace

bool FuzzTextFormat(const uint8_t* data, size_t size) {
    const std::string format = FuzzText(data, size);
    const std::string longText(300, 'x');
    const FormatArgument argumentSets[][5] = {
        {INT_MIN, -DBL_MAX, "text", 'c', LLONG_MIN},
        {DBL_MIN, std::string_view(longText), UINT_MAX, NAN, '\0'},
        {"", INFINITY, -1, 0.5f, static_cast<const char*>(nullptr)},
    };
    const std::string signature = FormatSignature(format);
    if (signature.size() != ParseConversions(format).size() || signature.size() > size) {
        return false;
    }
    for (const auto& arguments : argumentSets) {
        for (size_t count = 0; count <= 5; ++count) {
            const std::string out = FormatChecked(format, std::span(arguments, count));
            if (out.size() > size + count * (kLongestConversion + longText.size())) {
                return false;
            }
        }
    }
    return true;
}
