// The splash window: a borderless picture with two labels, "For Windows 95,
// 98, ME, NT4, and 2000" (lblWinVer) and the legal notice (lblLegal). It has
// no code of its own; the start-up fits, places and shows it and the
// catalog window unloads it.
#pragma once
#include <Form.h>

namespace shell {

class frmZGSplash : public plat::Form {
public:
    frmZGSplash();
};

} // namespace shell
