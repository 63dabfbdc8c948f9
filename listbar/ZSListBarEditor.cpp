// In-place editing of bar and button captions with the caption editor
// txtEdit.
#include "ZSListBar.h"

namespace listbar {

void InternalZSListBar::Delegate_EditCaption(const QString& sBar, const QString& sButton)
{
    // The editor's opening steps come with the caption editing code.
    (void)sBar;
    (void)sButton;
}

} // namespace listbar
