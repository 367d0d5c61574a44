#include "tweak/Form4.h"

namespace quillmar {

void Form4::Form_Load() {}
void Form4::BtnApply_Click() {}

}  // namespace quillmar
