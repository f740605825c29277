// The folder chooser's layout arithmetic.
#include "transfer/folder_chooser_layout.h"

namespace transfer {

namespace {

constexpr int kMargin = 5;
constexpr int kButtonGap = 10;

}  // namespace

framework::Rect EnlargedChooserRect(const framework::Rect& window) {
    return {window.left, window.top, window.right + kChooserExtraWidth,
            window.bottom + kChooserExtraHeight};
}

FolderChooserLayout LayOutFolderChooser(int clientWidth, int clientHeight, int cancelWidth,
                                        int cancelHeight) {
    FolderChooserLayout layout;
    const int buttonTop = clientHeight - kMargin - cancelHeight;
    const int buttonBottom = clientHeight - kMargin;
    layout.cancel = {clientWidth - kMargin - cancelWidth, buttonTop, clientWidth - kMargin,
                     buttonBottom};
    const int okRight = layout.cancel.left - kButtonGap;
    layout.ok = {okRight - cancelWidth, buttonTop, okRight, buttonBottom};
    layout.tree = {kMargin, kMargin, clientWidth - kMargin, layout.ok.top - kMargin};
    return layout;
}

}  // namespace transfer
