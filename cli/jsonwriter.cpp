#include "jsonwriter.h"

#include "exchangeoutput.h"

namespace varn::cli {

void JsonWriter::string(std::string_view text) {
    appendJsonString(buffer_, text);
    if (buffer_.size() >= kFlushSize) flush();
}

void JsonWriter::flush() {
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), stream_);
    buffer_.clear();
}

}  // namespace varn::cli
