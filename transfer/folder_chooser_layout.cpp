// The folder chooser's layout arithmetic.
#include "transfer/folder_chooser_layout.h"

#include "framework/dpi.h"

namespace transfer {

namespace {

constexpr int kMargin = 5;
constexpr int kButtonGap = 10;

}  // namespace

framework::Rect EnlargedChooserRect(const framework::Rect& window, int dpi) {
    return {window.left, window.top,
            window.right + framework::ScaledPixels(kChooserExtraWidth, dpi),
            window.bottom + framework::ScaledPixels(kChooserExtraHeight, dpi)};
}

FolderChooserLayout LayOutFolderChooser(int clientWidth, int clientHeight, int cancelWidth,
                                        int cancelHeight, int dpi) {
    const int margin = framework::ScaledPixels(kMargin, dpi);
    const int gap = framework::ScaledPixels(kButtonGap, dpi);
    FolderChooserLayout layout;
    const int buttonTop = clientHeight - margin - cancelHeight;
    const int buttonBottom = clientHeight - margin;
    layout.cancel = {clientWidth - margin - cancelWidth, buttonTop, clientWidth - margin,
                     buttonBottom};
    const int okRight = layout.cancel.left - gap;
    layout.ok = {okRight - cancelWidth, buttonTop, okRight, buttonBottom};
    layout.tree = {margin, margin, clientWidth - margin, layout.ok.top - margin};
    return layout;
}

}  // namespace transfer
