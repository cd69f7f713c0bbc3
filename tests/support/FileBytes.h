#ifndef VORNIX_TEST_FILEBYTES_H
#define VORNIX_TEST_FILEBYTES_H
// Whole files and texts as bytes: reading and writing them, the CR LF form every output file has,
// and splitting such text into lines.

#include "platform/platform.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <stdio.h>
#include <string>
#include <vector>

// The bytes of an open stream from its start (at most 64 MiB, so a device read by mistake can't hang
// a test); "<missing>" for NULL. The stream stays open.
inline std::string streamBytes(FILE* file)
{
    if (!file) return "<missing>";
    rewind(file);
    std::string bytes;
    char block[4096];
    size_t got;
    while (bytes.size() < ((size_t)64 << 20) && (got = fread(block, 1, sizeof block, file)) > 0)
        bytes.append(block, got);
    return bytes;
}

// The whole file by its code page 932 name, as the program names it; "<missing>" when it can't be opened.
inline std::string fileBytes(const std::string& name)
{
    FILE* file = openFile(name.c_str(), "rb");
    std::string bytes = streamBytes(file);
    if (file) fclose(file);
    return bytes;
}

// The whole file by its native (UTF-8) path, bypassing the platform layer; "<missing>" when it can't
// be opened.
inline std::string nativeFileBytes(const std::string& path)
{
    FILE* file = fopen(path.c_str(), "rb");
    std::string bytes = streamBytes(file);
    if (file) fclose(file);
    return bytes;
}

// Writes the file by its code page 932 name; a failure fails the test.
inline void writeBytes(const std::string& name, const std::string& bytes)
{
    FILE* file = openFile(name.c_str(), "wb");
    if (!file) {
        ADD_FAILURE() << "cannot create " << name;
        return;
    }
    size_t written = fwrite(bytes.data(), 1, bytes.size(), file);
    if ((fclose(file) != 0) | (written != bytes.size())) ADD_FAILURE() << "cannot write " << name;
}

// Lines joined with CR LF, each one ended by it.
inline std::string crlf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The text with every "\n" turned into CR LF.
inline std::string crlf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// The lines of a text that ends each line with CR LF (the CR LF removed).
inline std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// Number of times needle occurs in haystack (overlapping ones too).
inline int occurrences(const std::string& haystack, const std::string& needle)
{
    int count = 0;
    for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1)) count++;
    return count;
}

#endif
