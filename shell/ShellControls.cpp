#include "ShellControls.h"

#include <ZSButton.h>
#include <ZSListBar.h>

namespace shell {

void registerShellControls()
{
    listbar::registerListBarControl();
    button::registerButtonControl();
}

} // namespace shell
