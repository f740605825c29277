// Where the folder chooser's buttons and tree go once it has been enlarged: plain
// arithmetic on sizes in pixels, apart from any window.
#pragma once

namespace transfer {

// A rectangle in pixels: left, top, right, bottom, as the system's RECT.
struct PixelRect {
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;
};

// How much wider and taller than the shell makes it the chooser becomes.
constexpr long kChooserExtraWidth = 40;
constexpr long kChooserExtraHeight = 30;

// The chooser's window rectangle after enlarging: the top-left corner stays.
PixelRect EnlargedChooserRect(const PixelRect& window);

struct FolderChooserLayout {
    PixelRect cancel;
    PixelRect ok;
    PixelRect tree;
};

// In a client area of clientWidth x clientHeight: Cancel keeps its size in the bottom-right
// corner, 5 px from both edges; OK gets Cancel's size, 10 px to its left; the tree fills the
// space above them with 5 px margins. A missing Cancel counts as 0 x 0.
FolderChooserLayout LayOutFolderChooser(long clientWidth, long clientHeight, long cancelWidth,
                                        long cancelHeight);

}  // namespace transfer
