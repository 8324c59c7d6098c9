// GBK conversion through iconv.
#include "gbk.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace trellon {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    enum class Stop { done, invalidInput, incompleteInput };

    // Converts as much as it can; `input` is advanced past what was converted.
    Stop convert(std::string_view& input, std::string& output)
    {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char buffer[256];
        while (!input.empty()) {
            char* in = const_cast<char*>(input.data());
            std::size_t inLeft = input.size();
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            const int error = errno;
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            input.remove_prefix(input.size() - inLeft);
            if (result != static_cast<std::size_t>(-1))
                continue;
            if (error == E2BIG)
                continue;
            return error == EINVAL ? Stop::incompleteInput : Stop::invalidInput;
        }
        return Stop::done;
    }

private:
    iconv_t handle_;
};

Converter& gbkDecoder()
{
    thread_local Converter converter("UTF-8", "GBK");
    return converter;
}

Converter& gbkEncoder()
{
    thread_local Converter converter("GBK", "UTF-8");
    return converter;
}

} // namespace

std::string gbkToUtf8(std::string_view gbk)
{
    std::string utf8;
    utf8.reserve(gbk.size() * 3 / 2);
    while (gbk.size()) {
        if (gbkDecoder().convert(gbk, utf8) == Converter::Stop::done)
            break;
        utf8 += "\xEF\xBF\xBD";
        gbk.remove_prefix(1);
    }
    return utf8;
}

Result<std::string> utf8ToGbk(std::string_view utf8)
{
    std::string gbk;
    const std::size_t total = utf8.size();
    if (gbkEncoder().convert(utf8, gbk) != Converter::Stop::done) {
        return Error{ErrorKind::encoding, "the text has a character that GBK cannot hold",
                     static_cast<std::uint64_t>(total - utf8.size())};
    }
    return gbk;
}

std::string systemText(std::string_view utf8)
{
    auto gbk = utf8ToGbk(utf8);
    if (!gbk)
        throw std::logic_error("system text without GBK form: " + std::string(utf8));
    return std::move(gbk).value();
}

std::size_t gbkPrefixLength(std::string_view gbk, std::size_t maxBytes)
{
    std::size_t length = 0;
    while (length < gbk.size()) {
        const auto lead = static_cast<unsigned char>(gbk[length]);
        const std::size_t width = (lead >= 0x81 && lead <= 0xFE && length + 1 < gbk.size()) ? 2 : 1;
        if (length + width > maxBytes)
            break;
        length += width;
    }
    return length;
}

} // namespace trellon
