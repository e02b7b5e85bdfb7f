#include "util/Cp1251.h"

#include <cerrno>
#include <iconv.h>
#include <memory>

namespace tavlira {
namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle OpenConverter(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    return IconvHandle(cd);
}

// Runs the converter over the whole input; an input sequence it cannot convert
// is skipped (one byte at a time) and `replacement` written in its place.
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement) {
    IconvHandle cd = OpenConverter(to, from);
    std::string out;
    if (!cd)
        return out;
    out.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(static_cast<iconv_t>(cd.get()), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // EILSEQ or EINVAL: skip the offending byte (and, for UTF-8, its
            // continuation bytes) and mark it.
            do {
                ++in;
                --inLeft;
            } while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80 &&
                     std::string_view(from) == "UTF-8");
            out.append(replacement);
        }
    }
    return out;
}

} // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    return Convert("UTF-8", "CP1251", bytes, "\xEF\xBF\xBD");
}

std::string Utf8ToCp1251(std::string_view utf8) {
    return Convert("CP1251", "UTF-8", utf8, "?");
}

} // namespace tavlira
