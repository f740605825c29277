// The limit from inside the process: SIGXFSZ ignored, so a write past RLIMIT_FSIZE fails
// with EFBIG instead of killing the test.
#include <signal.h>
#include <sys/resource.h>

#include "photo_corpus.h"
#include "write_limit.h"

namespace testing_support {

struct WriteLimit::Saved {
    struct rlimit limit;
    struct sigaction action;
};

WriteLimit::WriteLimit(const TempDir& dir) {
    limit_ = 256 * 1024;
    dir.Write("big.jpg", PhotoBytes(3 * limit_ + 1234));
    bigPhoto_ = dir.PathOf("big.jpg");
    auto saved = new Saved{};
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    if (::getrlimit(RLIMIT_FSIZE, &saved->limit) != 0 ||
        ::sigaction(SIGXFSZ, &ignore, &saved->action) != 0) {
        delete saved;
        unavailable_ = "cannot read the file-size limit or ignore SIGXFSZ";
        return;
    }
    struct rlimit lowered = saved->limit;
    lowered.rlim_cur = limit_;
    if (::setrlimit(RLIMIT_FSIZE, &lowered) != 0) {
        ::sigaction(SIGXFSZ, &saved->action, nullptr);
        delete saved;
        unavailable_ = "cannot lower the file-size limit";
        return;
    }
    saved_ = saved;
}

WriteLimit::~WriteLimit() {
    if (!saved_) return;
    ::setrlimit(RLIMIT_FSIZE, &saved_->limit);
    ::sigaction(SIGXFSZ, &saved_->action, nullptr);
    delete saved_;
}

}  // namespace testing_support
