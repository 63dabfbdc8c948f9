#include "frmZGSplash.h"

namespace shell {

frmZGSplash::frmZGSplash()
    : Form(QStringLiteral(":/forms/frmZGSplash.json"))
{
}

} // namespace shell
