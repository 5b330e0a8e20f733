// The member decoder as the extraction code sees it.
#pragma once
#include "member_decoder.h"
#include "package_platform.h"

namespace torvinst {

class MemberStreamDecoder : public StreamDecoder {
public:
    bool decodeMember(const uint8_t* input, uint32_t inputSize, uint8_t* output, uint32_t outputSize) override {
        return decoder_.decodeMember(input, inputSize, output, outputSize);
    }

private:
    MemberDecoder decoder_;
};

}  // namespace torvinst
