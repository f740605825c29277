// The folder chooser's layout arithmetic.
#include "transfer/folder_chooser_layout.h"

namespace transfer {

namespace {

constexpr long kMargin = 5;
constexpr long kButtonGap = 10;

}  // namespace

PixelRect EnlargedChooserRect(const PixelRect& window) {
    return {window.left, window.top, window.right + kChooserExtraWidth,
            window.bottom + kChooserExtraHeight};
}

FolderChooserLayout LayOutFolderChooser(long clientWidth, long clientHeight, long cancelWidth,
                                        long cancelHeight) {
    FolderChooserLayout layout;
    const long buttonTop = clientHeight - kMargin - cancelHeight;
    const long buttonBottom = clientHeight - kMargin;
    layout.cancel = {clientWidth - kMargin - cancelWidth, buttonTop, clientWidth - kMargin,
                     buttonBottom};
    const long okRight = layout.cancel.left - kButtonGap;
    layout.ok = {okRight - cancelWidth, buttonTop, okRight, buttonBottom};
    layout.tree = {kMargin, kMargin, clientWidth - kMargin, layout.ok.top - kMargin};
    return layout;
}

}  // namespace transfer
