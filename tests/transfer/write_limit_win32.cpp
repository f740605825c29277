// Under Wine the limit is the shell's: with_file_size_limit.sh makes the big photo,
// ignores SIGXFSZ, lowers `ulimit -f` and then starts the test, naming both in the
// environment.
#include <cstdlib>

#include "write_limit.h"

namespace testing_support {

struct WriteLimit::Saved {};

WriteLimit::WriteLimit(const TempDir&) {
    const char* photo = std::getenv("BRENVALE_BIG_PHOTO");
    const char* limit = std::getenv("BRENVALE_FILE_SIZE_LIMIT");
    if (!photo || !limit) {
        unavailable_ = "no file-size limit: run this test through with_file_size_limit.sh";
        return;
    }
    bigPhoto_ = photo;
    limit_ = std::strtoul(limit, nullptr, 10);
}

WriteLimit::~WriteLimit() = default;

}  // namespace testing_support
