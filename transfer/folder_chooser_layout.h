// Where the folder chooser's buttons and tree go once it has been enlarged: plain
// arithmetic on sizes in pixels, apart from any window. The margins and the enlargement are
// written for 96 dpi and grow with the chooser's resolution.
#pragma once

#include "framework/rect.h"

namespace transfer {

// How much wider and taller than the shell makes it the chooser becomes, at 96 dpi.
constexpr int kChooserExtraWidth = 40;
constexpr int kChooserExtraHeight = 30;

// The chooser's window rectangle after enlarging at `dpi`: the top-left corner stays.
framework::Rect EnlargedChooserRect(const framework::Rect& window, int dpi);

struct FolderChooserLayout {
    framework::Rect cancel;
    framework::Rect ok;
    framework::Rect tree;
};

// In a client area of clientWidth x clientHeight: Cancel keeps its size in the bottom-right
// corner, 5 px from both edges; OK gets Cancel's size, 10 px to its left; the tree fills the
// space above them with 5 px margins (each at 96 dpi, scaled to `dpi`). A missing Cancel
// counts as 0 x 0.
FolderChooserLayout LayOutFolderChooser(int clientWidth, int clientHeight, int cancelWidth,
                                        int cancelHeight, int dpi);

}  // namespace transfer
