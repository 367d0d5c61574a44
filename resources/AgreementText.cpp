#include "resources/AgreementText.h"

namespace quillmar {

const char kAgreementText[] =
    "Quillmar 1.0 - End-User License Agreement\r\n"
    "\r\n"
    "Please read this agreement carefully. By using Quillmar 1.0 (\"the product\") you agree "
    "to be bound by its terms.\r\n"
    "\r\n"
    "1. Freeware. The product is released as freeware. You may use it free of charge on any "
    "number of computers.\r\n"
    "\r\n"
    "2. No warranty. The product is provided \"as is\", without warranty of any kind, express "
    "or implied, including but not limited to the implied warranties of merchantability, "
    "fitness for a particular purpose and non-infringement. The entire risk as to the quality "
    "and performance of the product lies with you, the recipient.\r\n"
    "\r\n"
    "3. Limitation of liability. In no event shall the author be liable for any damages "
    "whatsoever, direct or indirect, incidental or consequential, including loss of data or "
    "profits, arising out of this agreement or out of the use of, or the inability to use, "
    "the product, even if advised of the possibility of such damages.\r\n"
    "\r\n"
    "4. Distribution. You may distribute the product freely, provided that the product is not "
    "changed in any way, that the archive as distributed stays intact with all accompanying "
    "files, and that no fee is charged beyond the reasonable costs of the distribution "
    "media.\r\n"
    "\r\n"
    "5. Reverse engineering. You may not reverse engineer, decompile or disassemble the "
    "product.\r\n"
    "\r\n"
    "If you do not agree to these terms, choose No and do not use the product.";

}  // namespace quillmar
