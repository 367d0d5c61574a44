#pragma once

namespace quillmar {

// The end-user agreement shown on the first start, lines separated by CR LF.
extern const char kAgreementText[];

}  // namespace quillmar
