#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace varn::cli {

// Buffered UTF-8 output to a stream, with JSON string quoting.
class JsonWriter {
public:
    explicit JsonWriter(std::FILE* stream) : stream_(stream) { buffer_.reserve(kFlushSize * 2); }
    ~JsonWriter() { flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void raw(std::string_view text) {
        buffer_ += text;
        if (buffer_.size() >= kFlushSize) flush();
    }
    // A JSON string of UTF-8 text.
    void string(std::string_view text);
    void flush();

private:
    static constexpr std::size_t kFlushSize = 1 << 20;
    std::FILE* stream_;
    std::string buffer_;
};

}  // namespace varn::cli
