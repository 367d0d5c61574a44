#include "tweak/Form4.h"

namespace quillmar {

void Form4::Command2_Click() {
  for (int i = 0; i < List1.ListCount(); ++i) {
    if (List1.Selected(i)) {
      List1.RemoveItem(i);
      return;
    }
  }
}

}  // namespace quillmar
