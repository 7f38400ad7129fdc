#pragma once

// The replace question of the association tests: it counts how often it was asked and gives
// the answer it was made with.

#include "fileassociation.h"

namespace varn::test {

class CountingQuestion : public varn::ReplaceQuestion {
public:
    explicit CountingQuestion(bool answer) : answer_(answer) {}
    bool confirmReplace() override {
        ++asked;
        return answer_;
    }
    int asked = 0;

private:
    bool answer_;
};

}  // namespace varn::test
