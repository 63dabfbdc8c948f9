// Makes the two user controls of the catalog window known to the forms
// layer by their type names, "ZSListBar" and "ZSButton".
#pragma once

namespace shell {

void registerShellControls();

} // namespace shell
