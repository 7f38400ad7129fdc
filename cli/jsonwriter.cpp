#include "jsonwriter.h"

namespace varn::cli {

void JsonWriter::string(std::string_view text) {
    buffer_ += '"';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            buffer_ += '\\';
            buffer_ += c;
        } else if (byte < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            buffer_ += "\\u00";
            buffer_ += kHex[byte >> 4];
            buffer_ += kHex[byte & 15];
        } else {
            buffer_ += c;
        }
    }
    buffer_ += '"';
    if (buffer_.size() >= kFlushSize) flush();
}

void JsonWriter::flush() {
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), stream_);
    buffer_.clear();
}

}  // namespace varn::cli
