#pragma once

#include "placementfile.h"

namespace varn {

// Passes steps on to a progress sink in batches, and always ends what it began.
class ProgressStepper {
public:
    ProgressStepper(ProgressSink* sink, std::int64_t maximum) : sink_(sink) {
        if (sink_) sink_->begin(maximum == 0 ? 2 : maximum);  // an empty bar still has a range
    }
    ~ProgressStepper() {
        flush();
        if (sink_) sink_->end();
    }
    ProgressStepper(const ProgressStepper&) = delete;
    ProgressStepper& operator=(const ProgressStepper&) = delete;

    void advance(std::int64_t steps) {
        pending_ += steps;
        if (pending_ >= kBatch) flush();
    }

private:
    static constexpr std::int64_t kBatch = 4096;
    void flush() {
        if (sink_ && pending_ > 0) sink_->advance(pending_);
        pending_ = 0;
    }
    ProgressSink* sink_;
    std::int64_t pending_ = 0;
};

}  // namespace varn
