#include "clients/host_key.h"

namespace {

template <typename Text> Text FoldAsciiCase(Text host)
{
    for (auto& c : host)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<typename Text::value_type>(c - 'A' + 'a');
    return host;
}

} // namespace

std::string HostKey(const std::string& host)
{
    return FoldAsciiCase(host);
}

std::u16string HostKey(const std::u16string& host)
{
    return FoldAsciiCase(host);
}
