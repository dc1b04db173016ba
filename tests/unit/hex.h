// Hex text of bytes, as the worked tables write them: "c5 01 00 ...".
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

template <typename Bytes>
std::string Hex(const Bytes& bytes)
{
    std::string text;
    for (std::uint8_t byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", byte);
        if (!text.empty())
            text += ' ';
        text += hex;
    }
    return text;
}
