// Texts crossing the sensor library's boundary: 8-bit in the thread's ANSI code page over there,
// UTF-16 in here.
#pragma once

#include <cstddef>
#include <string>

#include "hardware/cpuidsdk_abi.h"

// Library texts are copied into a 512-byte buffer: at most 511 bytes are kept.
constexpr std::size_t kLibraryTextBytes = 512;
// Folder and file names go to the library in 260-byte buffers: at most 259 bytes.
constexpr std::size_t kLibraryPathBytes = 260;

// Copies a library text (null gives an empty text), releases it the library's way and converts it.
std::wstring TakeLibraryText(cpuidsdk::Text text);

// Releases a library text unread.
void ReleaseLibraryText(cpuidsdk::Text text);

// 8-bit ANSI to UTF-16 and back. ToAnsi cuts the result to fit `bufferBytes` with its terminator,
// never in the middle of a character.
std::wstring FromAnsi(const std::string& text);
std::string ToAnsi(const std::wstring& text, std::size_t bufferBytes);
